// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/OpticsExample.h"

#include <cstdint>
#include <string>

namespace orbeta::cli {

// One line of `orbeta-cli examples 4a|4b`: the ray construction as a JSON
// object, without the line end. Points are [x, y] in pixels of the drawing area.
std::string opticsExampleJson(const OpticsExample& example, std::uint64_t seed);

} // namespace orbeta::cli
