// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ranking files and the results log on disk, including the failures a
// school computer can produce: a read-only data directory and a full disk.
#include "files/SafeFile.h"
#include "results/data/RankingFile.h"
#include "results/data/ResultsLog.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyPath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace orbeta::results;
using namespace orbeta::test_support;

namespace {

ResultsLogEntry entry()
{
    return ResultsLogEntry{QStringLiteral("Eva"), QStringLiteral("Termika"), QStringLiteral("Topenie"), 5, 4, 1,
                           QStringLiteral("2"), QDate(2026, 12, 6), QTime(8, 30)};
}

// A disk that fills up after `bytes`: files cannot grow beyond that size.
class FullDiskAfter {
public:
    explicit FullDiskAfter(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDiskAfter() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

Ranking twoRecords()
{
    Ranking ranking;
    ranking.insert(QStringLiteral("Jana"), 7, 3, QStringLiteral("3"));
    ranking.insert(QStringLiteral("Peter"), 9, 1, QStringLiteral("1"));
    return ranking;
}

} // namespace

// A ranking file a teacher copied from an old computer keeps its name.
TEST(RankingFile, AFileNamedInOtherCaseIsTheTasksFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("1A.RES")), "Jana|7|3|3|0\r\n"));
    const RankingFile file(dir.path(), QStringLiteral("1a"));
    auto read = file.read();
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.value().records().size(), 1);
    read.value().insert(QStringLiteral("Eva"), 5, 5, QStringLiteral("3"));
    ASSERT_TRUE(file.write(read.value()).ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"1A.RES"});
}

// A data directory with a ranking and a log that a failed write must leave as they were.
class DataDirectoryFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeBytes(ranking.path(), "Jana|7|3|3|0\r\n"));
        ASSERT_TRUE(writeBytes(log.path(), "earlier entry\r\n"));
    }

    void expectEverythingKept() const
    {
        EXPECT_EQ(readBytes(ranking.path()), QByteArray("Jana|7|3|3|0\r\n"));
        EXPECT_EQ(readBytes(log.path()), QByteArray("earlier entry\r\n"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    QTemporaryDir dir;
    const RankingFile ranking{dir.path(), QStringLiteral("1a")};
    const ResultsLog log{dir.path()};
};

TEST_F(DataDirectoryFiles, AReadOnlyDirectoryOrFileReportsFailureAndKeepsEverything)
{
    {
        ReadOnlyPath readOnly(dir.path());
        if (!readOnly.active())
            GTEST_SKIP() << "cannot make a directory read-only here";
        const auto wrote = ranking.write(twoRecords());
        EXPECT_FALSE(wrote.ok());
        EXPECT_TRUE(wrote.error.contains(ranking.path())) << wrote.error.toStdString();
        EXPECT_FALSE(ResultsLog(dir.filePath(QStringLiteral("sub"))).append(entry()).ok());
    }
    {
        ReadOnlyPath readOnly(log.path());
        if (!readOnly.active())
            GTEST_SKIP() << "cannot make a file read-only here";
        const auto appended = log.append(entry());
        EXPECT_FALSE(appended.ok());
        EXPECT_TRUE(appended.error.contains(log.path())) << appended.error.toStdString();
    }
    expectEverythingKept();
}

// What writers killed mid-write leave: the next write of the ranking removes
// its stale temporary files, and nothing else (a fresh one may be a write in
// progress; another file's, a link or a name we never make is not ours).
TEST_F(DataDirectoryFiles, TheNextWriteRemovesStaleTemporaryFilesOfItsOwnFile)
{
    const auto age = [this](const QString& name, int seconds) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("half a ranking");
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
    };
    const int stale = orbeta::SafeFile::kStaleTemporarySeconds + 60;
    age(QStringLiteral("1a.res.3k2j9xq0w1z.tmp"), stale);
    age(QStringLiteral("1a.res.zz.tmp"), stale);
    age(QStringLiteral("1a.res.b8d.tmp"), 5);
    age(QStringLiteral("1b.res.3k2j9xq0w1z.tmp"), stale);
    age(QStringLiteral("1a.res.poznamka.txt.tmp"), stale);
    age(QStringLiteral("1a.res.ABC.tmp"), stale);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("1b.res.3k2j9xq0w1z.tmp")),
                            dir.filePath(QStringLiteral("1a.res.q1.tmp"))));
    ASSERT_TRUE(ranking.write(twoRecords()).ok());
    for (const char* removed : {"1a.res.3k2j9xq0w1z.tmp", "1a.res.zz.tmp"})
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QLatin1String(removed)))) << removed;
    for (const char* kept : {"1a.res.b8d.tmp", "1b.res.3k2j9xq0w1z.tmp", "1a.res.poznamka.txt.tmp", "1a.res.ABC.tmp"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(QLatin1String(kept)))) << kept;
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("1a.res.q1.tmp"))).isSymLink());
}

TEST(ResultsLog, AFailedAppendNamesTheRealReason)
{
    QTemporaryDir dir;
    const ResultsLog log(dir.path());
    const QByteArray earlier(1000, 'x');
    ASSERT_TRUE(writeBytes(log.path(), earlier));
    {
        // Room for the lock file beside the log, not for the entry.
        FullDiskAfter full(rlim_t(earlier.size() + 10));
        const auto appended = log.append(entry());
        EXPECT_TRUE(appended.error.endsWith(QStringLiteral("súbor by bol príliš veľký")))
            << appended.error.toStdString();
    }
    EXPECT_EQ(readBytes(log.path()), earlier);
}

// A log an editor saved again in UTF-8 (with lone CR line ends) stays one
// encoding: what is appended is UTF-8 too, and everything reads back.
TEST(ResultsLog, AppendsInTheEncodingOfTheFile)
{
    QTemporaryDir dir;
    const ResultsLog log(dir.path());
    ResultsLogEntry named = entry();
    named.name = QStringLiteral("Ľubomír Šťastný");
    QByteArray resaved;
    for (const QString& line : named.lines())
        resaved += line.toUtf8() + '\r';
    ASSERT_TRUE(writeBytes(log.path(), resaved));
    ASSERT_TRUE(log.append(named).ok());
    const QByteArray bytes = readBytes(log.path());
    EXPECT_EQ(bytes, resaved + named.toBytes(true));
    EXPECT_TRUE(QString::fromUtf8(bytes).toUtf8() == bytes);
    const auto read = log.read();
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.value().entries.size(), 2);
    EXPECT_EQ(read.value().entries[1].name, named.name);
    EXPECT_TRUE(read.value().skipped.isEmpty());
}

// Before the readers' limit the teacher is told to archive the log.
TEST(ResultsLog, WarnsBeforeTheReadLimit)
{
    QTemporaryDir dir;
    const ResultsLog log(dir.path());
    EXPECT_TRUE(log.sizeWarning().isEmpty());
    QFile file(log.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(ResultsLog::warningSize() - 1)); // sparse: nothing is written
    EXPECT_TRUE(log.sizeWarning().isEmpty());
    ASSERT_TRUE(file.resize(ResultsLog::warningSize()));
    EXPECT_TRUE(log.sizeWarning().contains(QStringLiteral("Presuňte ho do archívu"))) << log.sizeWarning().toStdString();
    ASSERT_TRUE(file.resize(orbeta::SafeFile::sizeLimit(orbeta::FileKind::ResultsLog) + 1));
    const auto read = log.read();
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.error().message().contains(QStringLiteral("Presuňte ho do archívu")));
}

// A record torn by a crash has no line end; the next one starts on a line of its own.
TEST(ResultsLog, AnAppendAfterATornRecordStartsOnANewLine)
{
    QTemporaryDir dir;
    const ResultsLog log(dir.path());
    const QByteArray whole = entry().toBytes();
    ASSERT_TRUE(writeBytes(log.path(), whole + "Meno: Ja"));
    ASSERT_TRUE(log.append(entry()).ok());
    ASSERT_TRUE(log.append(entry()).ok());
    EXPECT_EQ(readBytes(log.path()), whole + "Meno: Ja\r\n" + whole + whole);

    const auto read = log.read();
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().entries.size(), 3);
    ASSERT_EQ(read.value().skipped.size(), 1);
    EXPECT_EQ(read.value().skipped.at(0).first, 5);
}

TEST(DataDirectoryLinks, ALinkInTheDirectoryIsRefusedAndItsTargetKept)
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("target"));
    ASSERT_TRUE(writeBytes(target, "someone else's file\n"));
    const RankingFile ranking(dir.path(), QStringLiteral("1a"));
    const ResultsLog log(dir.path());
    ASSERT_TRUE(QFile::link(target, ranking.path()));
    ASSERT_TRUE(QFile::link(target, log.path()));

    const auto wrote = ranking.write(twoRecords());
    EXPECT_FALSE(wrote.ok());
    EXPECT_TRUE(wrote.error.contains(ranking.path())) << wrote.error.toStdString();
    const auto appended = log.append(entry());
    EXPECT_FALSE(appended.ok());
    EXPECT_TRUE(appended.error.contains(log.path())) << appended.error.toStdString();
    EXPECT_EQ(readBytes(target), QByteArray("someone else's file\n"));
    EXPECT_TRUE(QFileInfo(ranking.path()).isSymLink());
    EXPECT_TRUE(QFileInfo(log.path()).isSymLink());
}
