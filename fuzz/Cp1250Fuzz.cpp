// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// windows-1250 text: the bytes of any file decode, and text that encodes
// decodes back to itself.
#include "fuzz/FuzzCheck.h"

#include "formats/Cp1250.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString decoded = Cp1250::decode(bytes);
    if (const auto again = Cp1250::encode(decoded))
        fuzz::require(*again == bytes, "decoded bytes encode back to themselves");

    const QString text = QString::fromUtf8(bytes);
    const QByteArray lossy = Cp1250::encodeLossy(text);
    fuzz::require(lossy.size() == text.size(), "one byte per character");
    if (const auto encoded = Cp1250::encode(text)) {
        fuzz::require(Cp1250::decode(*encoded) == text, "encoded text decodes back to itself");
        fuzz::require(*encoded == lossy, "nothing replaced in text that encodes");
    }
    return 0;
}
