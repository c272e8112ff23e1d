// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orbeta {

// Seeds for one example each, from the millisecond clock that the caller
// reads. A worksheet makes many examples within one clock tick, so a counter
// is mixed in: two seeds drawn within one tick always differ.
// Seeds stay below 2^53 so that they survive any JSON reader.
class ExampleSeeder {
public:
    std::uint64_t next(std::int64_t clockMilliseconds);

    static constexpr std::uint64_t kSeedMask = (std::uint64_t{1} << 53) - 1;

private:
    std::uint64_t m_counter = 0;
};

} // namespace orbeta
