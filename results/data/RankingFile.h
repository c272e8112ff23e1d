// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileOutcome.h"
#include "formats/FileResult.h"
#include "results/ranking/Ranking.h"

#include <QString>

#include <functional>

namespace orbeta::results {

// The ranking file of one task in the data directory (task code & ".res").
class RankingFile {
public:
    RankingFile(const QString& dataDir, const QString& taskCode);

    QString path() const { return m_path; }

    // A task never played has no file yet: that is an empty ranking. An
    // existing file that cannot be read is an error, and then no ranking may
    // be written back, or the stored records would be lost.
    FileResult<Ranking> read() const;

    // Replaces the whole file atomically: the new text goes to a temporary
    // file beside it, which then takes the file's place. On any failure
    // (read-only directory, full disk) the old file stays as it was; a link
    // in the file's place is refused, so nothing outside the directory changes.
    FileOutcome write(const Ranking& ranking) const;

    // The read-modify-write of a finished series, under the ranking's lock so
    // that pupils finishing at once on one share keep every record: reads the
    // stored ranking into `ranking`, applies `change` and writes it back.
    // When the lock or the read fails, `change` is applied to `ranking` as
    // it was (the pupil still sees the result) and nothing is written.
    FileOutcome update(Ranking& ranking, const std::function<void(Ranking&)>& change) const;

private:
    QString m_path;
};

} // namespace orbeta::results
