#include "shell/Globals.h"

namespace orbeta {

Globals& globals()
{
    static Globals instance;
    return instance;
}

} // namespace orbeta
