// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet code a teacher types: any text either reads as a code that
// writes back to an equivalent one, or is refused; nothing in between.
#include "fuzz/FuzzCheck.h"

#include "print/plan/WorksheetCode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));
    const std::optional<print::WorksheetCode> code = print::WorksheetCode::parse(text);
    if (code) {
        fuzz::require(code->count >= 1, "a read code has examples");
        fuzz::require(print::WorksheetCode::parse(code->text()) == code, "a read code writes back to itself");
    }
    return 0;
}
