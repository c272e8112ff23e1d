// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Zadani.dat" and "Napoveda.dat": the assignment and hint texts.
#include "fuzz/FuzzCheck.h"

#include "formats/TextTables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    fuzz::require(TextTables::readAssignmentTexts(bytes).front().isEmpty(), "index 0 stays empty");
    fuzz::require(TextTables::readHintTexts(bytes).front().isEmpty(), "index 0 stays empty");
    return 0;
}
