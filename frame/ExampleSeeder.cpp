// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/ExampleSeeder.h"

namespace orbeta {
namespace {

// Spreads neighbouring clock values over the whole seed range.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 33)) * 0xFF51AFD7ED558CCDULL;
    z = (z ^ (z >> 33)) * 0xC4CEB9FE1A85EC53ULL;
    return z ^ (z >> 33);
}

} // namespace

std::uint64_t ExampleSeeder::next(std::int64_t clockMilliseconds)
{
    // The counter is added after mixing, so equal clock values still give
    // distinct seeds.
    return (mix(static_cast<std::uint64_t>(clockMilliseconds)) + ++m_counter) & kSeedMask;
}

} // namespace orbeta
