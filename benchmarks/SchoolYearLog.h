// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A results log of a school year: 300 pupils, 100 000 series of every task
// from September to June, as the program's own writer words them.
#include "results/log/ResultsLogEntry.h"
#include "tasks/TaskTable.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <random>

namespace orbeta::bench {

inline QStringList schoolYearPupils(int count)
{
    static const char* given[] = {"Jana", "Peter", "Eva", "Ján", "Mária", "Tomáš", "Zuzana", "Michal", "Lucia", "Martin",
                                  "Katarína", "Juraj", "Anna", "Marek", "Ľubica"};
    static const char* family[] = {"Nová", "Kováč", "Šťastná", "Horváth", "Varga", "Tóth", "Baláž", "Molnár",
                                   "Szabó", "Lukáč", "Oravec", "Kráľ", "Hudák", "Blaho", "Čierna", "Ďurica",
                                   "Ferko", "Gál", "Hrubý", "Ilavský"};
    QStringList names;
    for (int i = 0; names.size() < count; ++i)
        names.append(QString::fromUtf8(given[i % 15]) + QLatin1Char(' ') + QString::fromUtf8(family[(i / 15) % 20]));
    return names;
}

inline QByteArray schoolYearLog(int series = 100000, int pupilCount = 300, unsigned seed = 2026)
{
    std::mt19937 random(seed);
    const QStringList pupils = schoolYearPupils(std::max(1, pupilCount));
    const auto rows = TaskTable::rows();
    const QDate first(2025, 9, 1);
    const int days = int(first.daysTo(QDate(2026, 6, 30)));
    QByteArray bytes;
    bytes.reserve(qsizetype(series) * 330);
    for (int i = 0; i < series; ++i) {
        const TaskRow& task = rows[random() % rows.size()];
        const int count = int(random() % 13) + 3;
        // Each pupil has a steady skill, so that the marks differ between pupils.
        const int pupil = int(random() % unsigned(pupils.size()));
        const unsigned skill = 40 + unsigned(pupil * 37 % 61);
        int correct = 0;
        for (int k = 0; k < count; ++k)
            correct += random() % 100 < skill ? 1 : 0;
        const results::ResultsLogEntry entry{pupils[pupil],
                                             TaskTable::topicName(task.topic),
                                             TaskTable::title(task),
                                             count,
                                             correct,
                                             count - correct,
                                             QString::number(5 - 4 * correct / count),
                                             first.addDays(qint64(i) * days / series),
                                             QTime(8 + int(random() % 8), int(random() % 60))};
        bytes += entry.toBytes();
    }
    return bytes;
}

} // namespace orbeta::bench
