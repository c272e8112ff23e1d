// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace orbeta {

// The variants of a task in which the pupil must find a quantity. A task
// without variants asks its quantities in every example (always()).
class Variants {
public:
    constexpr Variants() = default;
    constexpr Variants(std::initializer_list<int> variants)
    {
        for (int k : variants)
            m_bits |= bit(k);
    }
    static constexpr Variants always()
    {
        Variants all;
        all.m_bits = 0xFF;
        return all;
    }

    // `asked` is the example's variant, none for a task without variants.
    constexpr bool contains(std::optional<int> asked) const { return (m_bits & bit(asked.value_or(0))) != 0; }

private:
    static constexpr std::uint8_t bit(int k) { return static_cast<std::uint8_t>(1u << k); }

    std::uint8_t m_bits = 0;
};

} // namespace orbeta
