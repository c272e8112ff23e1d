#pragma once

#include "results/ResultsLogEntry.h"
#include "shell/FileResult.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace orbeta::results {

// Reads the results log back: the four lines of each entry as
// ResultsLogEntry writes them, with their padding of any width, lines ended
// by CR LF or LF and blank lines between entries. A line that does not fit
// makes the file unusable and is reported with its number, so a damaged log
// never gives a table with a row missing unnoticed.
class ResultsLogFormat {
public:
    static FileResult<QList<ResultsLogEntry>> parse(const QByteArray& fileBytes, const QString& path);
};

} // namespace orbeta::results
