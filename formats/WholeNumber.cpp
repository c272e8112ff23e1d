// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/WholeNumber.h"

#include <charconv>
#include <string>

namespace orbeta {

std::optional<std::uint64_t> ParseWholeNumber(const QString& text)
{
    const std::string ascii = text.toStdString();
    if (ascii.empty() || ascii.size() > 20 || ascii.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

} // namespace orbeta
