// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/ExampleSeeder.h"

#include <cstdint>
#include <optional>

namespace orbeta {

// The seeds of the examples (or screens) of one series, for every task form.
// With a fixed seed S, example k (from 0) gets S + k, so a series can be
// replayed and matches `orbeta-cli examples CODE --seed S`; without one, each
// example takes a seed from the clock the caller reads.
class SeriesSeeds {
public:
    explicit SeriesSeeds(std::optional<std::uint64_t> fixed = std::nullopt) : m_fixed(fixed) {}

    std::uint64_t next(std::int64_t clockMilliseconds);

private:
    std::optional<std::uint64_t> m_fixed;
    std::uint64_t m_taken = 0;
    ExampleSeeder m_clockSeeds;
};

} // namespace orbeta
