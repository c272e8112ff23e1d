// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileOutcome.h"
#include "formats/FileResult.h"
#include "results/log/ResultsLogEntry.h"
#include "results/log/ResultsLogFormat.h"

#include <QString>

namespace orbeta::results {

// The results log "Vysledky.dat" in the data directory, which only grows.
class ResultsLog {
public:
    static constexpr const char* fileName = "Vysledky.dat";

    explicit ResultsLog(const QString& dataDir);

    QString path() const { return m_path; }

    // Appends the entry's four lines, on a line of their own even after a
    // torn entry without its line end. When the write fails part way (a full
    // disk), the file is cut back to its old length, so it never ends in a
    // torn entry; the entries already there are never touched. A link in
    // the log's place is refused, never followed. Appends hold the log's lock,
    // so that entries of programs writing at once never interleave. A log
    // an editor saved again in UTF-8 gets the entry in UTF-8 too, never a
    // second encoding in one file.
    FileOutcome append(const ResultsLogEntry& entry) const;

    // Every whole record and the lines skipped. A log never written holds no
    // records; one that cannot be read, or whose every line is damaged, is an error.
    FileResult<ResultsLogContents> read() const;

    // A warning naming the log once it has grown near the size the readers
    // refuse, with what to do; empty before.
    QString sizeWarning() const;
    // From this size on the warning is given: a school year of a large
    // school still far below it.
    static qint64 warningSize();

private:
    QString m_path;
};

} // namespace orbeta::results
