// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileError.h"
#include "results/ResultsLogEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace orbeta::results {

// Lines of the log that hold no whole record (a program that died while
// appending, a hand edit): skipped, the records around them kept.
struct SkippedLines {
    int first = 0; // physical lines, from 1, both included
    int last = 0;
    int wrongLine = 0; // the line that did not fit
    QString problem;

    // "Súbor …, riadok 6: očakáva sa riadok „Hra: … Typ úlohy: …“ Vynechané riadky 5–6."
    // (or "Vynechaný riadok 6.")
    FileError error(const QString& path) const;
    // "5–6", or "5" for a single line.
    QString range() const;
};

struct ResultsLogContents {
    QList<ResultsLogEntry> entries;
    QList<SkippedLines> skipped;
};

// Reads the results log back: the four lines of each entry as
// ResultsLogEntry writes them, with their padding of any width, lines ended
// by CR LF or LF and blank lines between entries. Lines that do not make a
// record are skipped up to the next line that starts one, and named, so a
// damaged log never hides its whole records nor loses one unnoticed.
class ResultsLogFormat {
public:
    static ResultsLogContents parse(const QByteArray& fileBytes);
};

} // namespace orbeta::results
