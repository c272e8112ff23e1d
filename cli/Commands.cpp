#include "cli/Commands.h"

#include <QTextStream>

#include <cstdio>

namespace orbeta::cli {

int fail(int status, const QString& message)
{
    QTextStream(stderr) << "orbeta-cli: " << message << '\n';
    return status;
}

} // namespace orbeta::cli
