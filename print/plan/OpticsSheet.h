// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "optics/OpticsExample.h"
#include "optics/OpticsGenerator.h"

#include <cstdint>
#include <vector>

namespace orbeta::print {

// The ray constructions of one worksheet. Example k is the one the command
// line's `examples` gives as its line k for the same seed: one generator for
// the sheet, so that the kinds alternate as in a series, and example k drawn
// from RandomSource(seed + k).
class OpticsSheet {
public:
    // A scene where no draw succeeds is the generator's error naming the file.
    static FileResult<OpticsSheet> make(OpticsGenerator generator, int count, std::uint64_t seed);

    int count() const { return int(m_examples.size()); }
    const OpticsExample& example(int k) const { return m_examples[std::size_t(k)]; }

private:
    std::vector<OpticsExample> m_examples;
};

} // namespace orbeta::print
