// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileError.h"
#include "results/log/ResultsLogEntry.h"

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
    int utf8Lines = 0; // lines an editor saved in UTF-8
};

// Reads the results log back: the four lines of each entry as
// ResultsLogEntry writes them, with their padding of any width, lines ended
// by CR LF, LF or CR, in windows-1250 or (a line saved again by an editor)
// UTF-8, and blank lines between entries. A record whose values no series
// can have (more right answers than examples, a mark outside 1 to 5, a
// year before any school had the program) is damaged like a torn one. Lines that do not make a
// record are skipped up to the next line that starts one, and named, so a
// damaged log never hides its whole records nor loses one unnoticed.
class ResultsLogFormat {
public:
    static constexpr int kFirstYear = 1990;
    // Far above the largest series offered, far below any sum's overflow.
    static constexpr int kMostExamples = 1000;

    static ResultsLogContents parse(const QByteArray& fileBytes);
    // Whether a log beginning with these bytes is stored in UTF-8 (a byte
    // order mark, or its first line beyond ASCII is UTF-8), so that what
    // is appended keeps the file's encoding.
    static bool storedInUtf8(const QByteArray& start);
};

} // namespace orbeta::results
