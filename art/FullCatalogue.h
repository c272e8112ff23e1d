#pragma once

#include "art/PictureCatalogue.h"

namespace orbeta {

// Every picture of the program, from all screen files.
PictureCatalogue fullCatalogue();

} // namespace orbeta
