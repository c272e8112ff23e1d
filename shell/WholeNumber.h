#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace orbeta {

// A count or a seed on a command line: decimal digits only, 0 to 2^64 − 1.
std::optional<std::uint64_t> ParseWholeNumber(const QString& text);

} // namespace orbeta
