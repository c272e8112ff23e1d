// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scrambled lines of the text data files: any file decodes, and what is
// encoded decodes back to the same lines.
#include "fuzz/FuzzCheck.h"

#include "formats/LineCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = LineCodec::decodedLines(bytes);
    for (const QString& line : lines)
        LineCodec::splitFields(line);
    const std::uint32_t seed = size >= 4 ? std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 : 7;
    fuzz::require(LineCodec::decodedLines(LineCodec::encodeFile(lines, seed)) == lines,
                  "encoded lines decode back to themselves");
    return 0;
}
