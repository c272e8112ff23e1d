#pragma once

#include "results/FileOutcome.h"
#include "results/Ranking.h"

#include <QString>

namespace orbeta::results {

// The ranking file of one task in the data directory (task code & ".res").
class RankingFile {
public:
    RankingFile(const QString& dataDir, const QString& taskCode);

    QString path() const { return m_path; }

    struct ReadResult {
        Ranking ranking;
        // Empty unless an existing file could not be read. Then the ranking
        // is empty and must not be written back, or the stored records would
        // be lost.
        QString error;

        bool ok() const { return error.isEmpty(); }
    };

    // A task never played has no file yet: that is an empty ranking.
    ReadResult read() const;

    // Replaces the whole file atomically: the new text goes to a temporary
    // file beside it, which then takes the file's place. On any failure
    // (read-only directory, full disk) the old file stays as it was.
    FileOutcome write(const Ranking& ranking) const;

private:
    QString m_path;
};

} // namespace orbeta::results
