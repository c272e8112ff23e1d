#pragma once

#include "shell/FileOutcome.h"
#include "results/ResultsLogEntry.h"

#include <QString>

namespace orbeta::results {

// The results log "Vysledky.dat" in the data directory, which only grows.
class ResultsLog {
public:
    static constexpr const char* fileName = "Vysledky.dat";

    explicit ResultsLog(const QString& dataDir);

    QString path() const { return m_path; }

    // Appends the entry's four lines. When the write fails part way (a full
    // disk), the file is cut back to its old length, so it never ends in a
    // torn entry; the entries already there are never touched. A link in
    // the log's place is refused, never followed. Appends hold the log's lock,
    // so that entries of programs writing at once never interleave.
    FileOutcome append(const ResultsLogEntry& entry) const;

private:
    QString m_path;
};

} // namespace orbeta::results
