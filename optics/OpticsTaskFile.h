#pragma once

#include "optics/OpticsExample.h"
#include "optics/OpticsGenerator.h"
#include "shell/FileResult.h"

#include <QString>

namespace orbeta {

// The scene file of a ray construction task ("4a.dat" or "4b.dat"), read
// for a series, a worksheet or the command line alike.
class OpticsTaskFile {
public:
    // The generator of the task's examples from the file in `dataDir`; the
    // error names the file and, for its contents, the line.
    static FileResult<OpticsGenerator> read(OpticsTask task, const QString& dataDir);
};

} // namespace orbeta
