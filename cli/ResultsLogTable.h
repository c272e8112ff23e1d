// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/log/ResultsLogEntry.h"
#include "results/report/ClassReport.h"

#include <QByteArray>
#include <QList>

namespace orbeta::cli {

// The results log as a table for a spreadsheet or a script: one entry a row,
// the date in ISO form (2026-12-06), the time as hh:mm, UTF-8.
class ResultsLogTable {
public:
    // RFC 4180: a header row, fields separated by commas, rows ended by CR LF,
    // a field quoted when it holds a comma, a quote or a line break. A text
    // that a spreadsheet would take for a formula (a name starting with "=",
    // "+", "-" or "@") gets a leading apostrophe: names are typed by pupils.
    static QByteArray csv(const QList<results::ResultsLogEntry>& entries);
    // One field of such a row, quoted and guarded as above (quoted also when
    // it holds `separator`).
    static QString csvField(QString text, QChar separator = QLatin1Char(','));

    // The overview of a class report in the same form: a row per pupil and
    // task (pupil, task code, task title as shown, series, last mark, share
    // right in percent, right answers, answers); a pupil without any task,
    // one row. It begins with a UTF-8 byte order mark, by which a spreadsheet
    // knows the encoding; a Slovak spreadsheet splits fields at `;`.
    static QByteArray reportCsv(const results::ClassReport& report, QChar separator = QLatin1Char(','));

    // One row a line, fields separated by tabs, no header.
    static QByteArray tabs(const QList<results::ResultsLogEntry>& entries);
};

} // namespace orbeta::cli
