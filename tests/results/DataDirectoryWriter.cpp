// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One pupil's program finishing series on a shared data directory, for the
// tests that run many of them at once:
//   data_directory_writer DIR CODE NAME [COUNT]
// inserts COUNT (default 1) records NAME-0, NAME-1, ... into the ranking of
// CODE and appends a log entry after each; on a failure prints it, exits 1.
#include "results/data/RankingFile.h"
#include "results/data/ResultsLog.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>

#include <cstdio>

using namespace orbeta::results;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4 || args.size() > 5) {
        std::fprintf(stderr, "usage: data_directory_writer DIR CODE NAME [COUNT]\n");
        return 2;
    }
    const int count = args.size() == 5 ? args.at(4).toInt() : 1;
    const RankingFile rankingFile(args.at(1), args.at(2));
    const ResultsLog log(args.at(1));
    for (int i = 0; i < count; ++i) {
        const QString name = args.at(3) + QLatin1Char('-') + QString::number(i);
        Ranking ranking;
        orbeta::FileOutcome outcome = rankingFile.update(
            ranking, [&name](Ranking& r) { r.insert(name, 7, 3, QStringLiteral("2")); });
        if (outcome.ok())
            outcome = log.append(ResultsLogEntry{name, QStringLiteral("Mechanika 1"), QStringLiteral("Hustota"), 10,
                                                 7, 3, QStringLiteral("2"), QDate(2026, 12, 6), QTime(8, 30)});
        if (!outcome.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(outcome.error));
            return 1;
        }
    }
    return 0;
}
