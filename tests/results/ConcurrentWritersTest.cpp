// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole class on one data directory: many programs inserting into one
// ranking and appending to one log at the same moment, and one of them killed
// half way. Every record must stay, every file must stay well-formed.
#include "results/data/RankingFile.h"
#include "results/ranking/RankingFileFormat.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using namespace orbeta::results;

namespace {

constexpr int kPupils = 30;

QString writerProgram()
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/tests/data_directory_writer");
}

std::unique_ptr<QProcess> startWriter(const QString& dir, const QString& name, int count = 1)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(writerProgram(), {dir, QStringLiteral("1a"), name, QString::number(count)});
    return process;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names of the ranking, each line checked to be a whole record.
QStringList rankingNames(const QString& dir)
{
    static const QRegularExpression record(QStringLiteral("^[^|]+\\|7\\|3\\|2\\|[01]$"));
    QStringList names;
    const QByteArray bytes = contents(dir + QStringLiteral("/1a.res"));
    EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n"));
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        const QString text = QString::fromLatin1(line.chopped(1));
        EXPECT_TRUE(line.endsWith('\r') && record.match(text).hasMatch()) << line.toStdString();
        names.append(text.section(QLatin1Char('|'), 0, 0));
    }
    EXPECT_EQ(names.size(), RankingFileFormat::parse(bytes).size());
    return names;
}

// The names of the log's entries, each entry checked to be four whole lines.
QStringList logNames(const QString& dir)
{
    const QByteArray bytes = contents(dir + QStringLiteral("/Vysledky.dat"));
    EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    EXPECT_EQ(lines.size() % 4, 0);
    QStringList names;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(lines.at(i).endsWith('\r'));
        EXPECT_EQ(lines.at(i).startsWith("Meno: "), i % 4 == 0) << lines.at(i).toStdString();
        if (i % 4 == 0)
            names.append(QString::fromLatin1(lines.at(i).mid(6, 35)).trimmed());
    }
    return names;
}

void expectNoLockLeft(const QString& dir)
{
    EXPECT_TRUE(QDir(dir).entryList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace

TEST(ConcurrentWriters, ThirtyPupilsFinishingAtOnceKeepEveryRecord)
{
    QTemporaryDir dir;
    QStringList expected;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 3; ++round) {
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int pupil = 0; pupil < kPupils; ++pupil) {
            const QString name = QStringLiteral("r%1p%2").arg(round).arg(pupil);
            writers.push_back(startWriter(dir.path(), name));
            expected.append(name + QStringLiteral("-0"));
        }
        for (const auto& writer : writers) {
            ASSERT_TRUE(writer->waitForFinished(20000));
            EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(writer->exitCode(), 0);
        }
    }
    RecordProperty("milliseconds_for_90_writers", int(clock.elapsed()));
    expected.sort();
    QStringList ranked = rankingNames(dir.path());
    ranked.sort();
    EXPECT_EQ(ranked, expected);
    QStringList logged = logNames(dir.path());
    logged.sort();
    EXPECT_EQ(logged, expected);
    expectNoLockLeft(dir.path());
}

TEST(ConcurrentWriters, AWriterKilledHalfWayLosesNothing)
{
    QTemporaryDir dir;
    const QString ranking = dir.filePath(QStringLiteral("1a.res"));
    auto killed = startWriter(dir.path(), QStringLiteral("killed"), 1000000);
    ASSERT_TRUE(killed->waitForStarted());
    // Killed in the middle of its writing, after some records.
    QElapsedTimer clock;
    clock.start();
    while (RankingFileFormat::parse(contents(ranking)).size() < 40 && clock.elapsed() < 10000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    killed->kill();
    ASSERT_TRUE(killed->waitForFinished());

    const QStringList survivors = rankingNames(dir.path());
    ASSERT_GE(survivors.size(), 40);
    // Every record written before the kill is there: killed-0 to killed-(n-1).
    QStringList sorted = survivors;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('-'), 1).toInt() < b.section(QLatin1Char('-'), 1).toInt();
    });
    for (qsizetype i = 0; i < sorted.size(); ++i)
        EXPECT_EQ(sorted.at(i), QStringLiteral("killed-%1").arg(i));

    // The lock of the killed program is taken over; the next pupils write.
    std::vector<std::unique_ptr<QProcess>> next;
    for (int pupil = 0; pupil < 5; ++pupil)
        next.push_back(startWriter(dir.path(), QStringLiteral("next%1").arg(pupil)));
    for (const auto& writer : next) {
        ASSERT_TRUE(writer->waitForFinished(20000));
        EXPECT_EQ(writer->exitCode(), 0);
    }
    const QStringList after = rankingNames(dir.path());
    EXPECT_EQ(after.size(), survivors.size() + 5);
    for (const QString& name : survivors)
        EXPECT_TRUE(after.contains(name)) << name.toStdString();
    const QStringList logged = logNames(dir.path());
    for (int pupil = 0; pupil < 5; ++pupil)
        EXPECT_TRUE(logged.contains(QStringLiteral("next%1-0").arg(pupil)));
    // The log lags the ranking by at most the entry being written at the kill.
    EXPECT_GE(logged.size() + 1, survivors.size() + 5);
    expectNoLockLeft(dir.path());
}
