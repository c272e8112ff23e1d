// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A made-up class of four pupils practising three tasks over three weeks of
// September 2026, written into a data directory by the program's own log
// writer, with a torn record, a series of a task no table knows, a series
// before the period and one name written in three ways.
#include "results/data/ResultsLog.h"
#include "tasks/TaskTable.h"
#include "tests/support/FileBytes.h"

#include <QDate>
#include <QFile>
#include <QList>

namespace orbeta::test_support {

struct MadeUpSeries {
    const char* name;
    const char* code; // "" for a task no table knows
    int month;
    int day;
    int correct;
    int wrong;
    const char* mark;
};

inline const QList<MadeUpSeries>& madeUpSeries()
{
    static const QList<MadeUpSeries> series = {
        {"Jana Nová", "1a", 8, 1, 0, 10, "5"}, // before the period
        {"Jana Nová", "1a", 9, 7, 8, 2, "2"},
        {"Peter Kováč", "1a", 9, 8, 10, 0, "1"},
        {"Eva Šťastná", "5a", 9, 9, 6, 4, "3"},
        {"Peter Kováč", "", 9, 10, 5, 5, "3"},
        {"jana nová", "1a", 9, 14, 9, 1, "1"},
        {"Peter Kováč", "1a", 9, 15, 7, 3, "2"},
        {"  JANA NOVÁ ", "5a", 9, 15, 3, 7, "4"},
        {"Eva Stastna", "4a", 9, 16, 5, 0, "1"},
        {"Jana Nová", "5a", 9, 21, 4, 6, "4"},
        {"Peter Kováč", "1a", 9, 22, 5, 5, "3"},
    };
    return series;
}

// The torn record comes after this many series.
constexpr int kTornAfter = 3;

inline results::ResultsLogEntry madeUpEntry(const MadeUpSeries& s)
{
    const TaskRow* task = TaskTable::find(QString::fromLatin1(s.code));
    return results::ResultsLogEntry{QString::fromUtf8(s.name),
                                    task ? TaskTable::topicName(task->topic) : QStringLiteral("Mechanika 1"),
                                    task ? TaskTable::title(*task) : QStringLiteral("Neznáma úloha"),
                                    s.correct + s.wrong,
                                    s.correct,
                                    s.wrong,
                                    QString::fromLatin1(s.mark),
                                    QDate(2026, s.month, s.day),
                                    QTime(10, 0)};
}

// Writes the class's log into `dataDir`; false when it cannot.
inline bool writeMadeUpLog(const QString& dataDir)
{
    const results::ResultsLog log(dataDir);
    for (qsizetype i = 0; i < madeUpSeries().size(); ++i) {
        if (i == kTornAfter) {
            // A program that died while appending: half a line, no line end.
            QFile file(log.path());
            if (!file.open(QIODevice::Append) || file.write("Meno: Ivan Mal") < 0)
                return false;
        }
        if (!log.append(madeUpEntry(madeUpSeries()[i])).ok())
            return false;
    }
    return true;
}

// The line the torn record stands on.
constexpr int kTornLine = 4 * kTornAfter + 1;

} // namespace orbeta::test_support
