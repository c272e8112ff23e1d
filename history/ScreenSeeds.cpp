#include "history/ScreenSeeds.h"

namespace orbeta {

std::uint64_t ScreenSeeds::next(std::int64_t clockMilliseconds)
{
    const std::uint64_t k = m_taken++;
    if (m_fixed)
        return *m_fixed + k;
    // Two screens built within one millisecond still differ.
    return std::uint64_t(clockMilliseconds) * 1000003ULL + k;
}

} // namespace orbeta
