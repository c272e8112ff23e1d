// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Znamky.dat": the mark table, and the marks it gives.
#include "fuzz/FuzzCheck.h"

#include "formats/MarkTableFile.h"
#include "results/ranking/MarkCalculator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const auto table = MarkTableFile::parse(fuzz::bytesOf(data, size), QStringLiteral("Znamky.dat"));
    if (!table)
        return 0;
    for (const auto& [correct, total] : {std::pair{0, 0}, {0, 1}, {2, 3}, {7, 10}, {10, 10}, {32767, 32767}}) {
        const QString mark = results::MarkCalculator::Vlozeni_znamky(table.value(), correct, total);
        bool number = false;
        const int value = mark.toInt(&number);
        fuzz::require(mark.isEmpty() || (number && value >= 0 && value <= 255), "a mark is empty or a byte");
    }
    return 0;
}
