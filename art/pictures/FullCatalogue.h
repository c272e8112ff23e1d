// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "art/catalogue/PictureCatalogue.h"

namespace orbeta {

// Every picture of the program, from all screen files.
PictureCatalogue fullCatalogue();

} // namespace orbeta
