// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan/OpticsSheet.h"

#include "calc/basics/RandomSource.h"

namespace orbeta::print {

FileResult<OpticsSheet> OpticsSheet::make(OpticsGenerator generator, int count, std::uint64_t seed)
{
    OpticsSheet sheet;
    for (int k = 0; k < count; ++k) {
        RandomSource rnd(seed + std::uint64_t(k));
        const FileResult<OpticsExample> example = generator.GenerateExample([&rnd] { return rnd.Rnd(); });
        if (!example)
            return example.error();
        sheet.m_examples.push_back(example.value());
    }
    return sheet;
}

} // namespace orbeta::print
