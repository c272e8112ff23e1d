// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"

#include <cstdint>
#include <string>

namespace orbeta::cli {

// One line of `orbeta-cli examples`: the example as a JSON object in UTF-8,
// without the line end. Quantities appear under the ASCII names of their
// legend symbols (ρ as "rho", m₁ as "m1"); Single values with the fewest
// digits that give the same Single back.
std::string exampleJson(const CalcExample& example, std::uint64_t seed);

} // namespace orbeta::cli
