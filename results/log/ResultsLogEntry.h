// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace orbeta::results {

// The four lines a finished series adds to the results log "Vysledky.dat".
struct ResultsLogEntry {
    QString name;
    QString topic;     // `SeriesSetup::topicName`
    QString taskTitle; // `SeriesSetup::taskTitle`
    int exampleCount = 0;
    int correct = 0;
    int wrong = 0;
    QString mark;      // as given, empty when the series got none
    QDate date;        // when the series ended; passed in by the caller
    QTime time;
    int line = 0;      // the line the record begins on in the log read, from 1; 0 when not read

    // The lines without their ends. Values are padded on the right to their
    // column and never cut; texts go through StoredText, so a name cannot
    // break the four-line layout.
    QStringList lines() const;

    // The lines in windows-1250 (or UTF-8 for a log an editor saved so),
    // each ended by CR LF, ready to be appended.
    QByteArray toBytes(bool utf8 = false) const;
};

} // namespace orbeta::results
