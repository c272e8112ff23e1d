// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcTask.h"
#include "calc/basics/Quantity.h"

#include <span>

namespace orbeta {

// Every calculation task's table of quantities, kept by its family; what
// follows from a table is QuantityTable's.
class TaskQuantities {
public:
    // The task's quantities in the order of the fields of `orbeta-cli examples`.
    static std::span<const Quantity> of(CalcTask task);
};

} // namespace orbeta
