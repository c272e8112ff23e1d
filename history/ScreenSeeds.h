#pragma once

#include <cstdint>
#include <optional>

namespace orbeta {

// The seeds of the screens of one series. With a fixed seed S, screen k
// (from 0, rebuilt screens included) gets S + k, so `orbeta --seed S`
// replays a series and matches `orbeta-cli examples CODE --seed S`; without
// one, each screen takes a seed from the clock.
class ScreenSeeds {
public:
    explicit ScreenSeeds(std::optional<std::uint64_t> fixed = std::nullopt) : m_fixed(fixed) {}

    std::uint64_t next(std::int64_t clockMilliseconds);

private:
    std::optional<std::uint64_t> m_fixed;
    std::uint64_t m_taken = 0;
};

} // namespace orbeta
