// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace orbeta {

// A count or a seed on a command line: decimal digits only, 0 to 2^64 − 1.
std::optional<std::uint64_t> ParseWholeNumber(const QString& text);

} // namespace orbeta
