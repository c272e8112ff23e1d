// orbeta-cli results, on a log written by the program's own writer.
#include "results/ResultsLog.h"
#include "results/ResultsLogEntry.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using orbeta::results::ResultsLog;
using orbeta::results::ResultsLogEntry;

namespace {

struct CliRun {
    int status = -1;
    QByteArray out;
    QString err;
};

CliRun cli(const QStringList& args)
{
    QProcess process;
    process.start(qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/orbeta-cli"), args);
    process.waitForFinished(10000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// RFC 4180 as a spreadsheet reads it: quoted fields may hold commas, quotes
// and line breaks; rows end at CR LF.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field);
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

ResultsLogEntry entry(const QString& name, int day, const QString& mark)
{
    return ResultsLogEntry{name, QStringLiteral("Elektrina"), QStringLiteral("Ohmov zákon, výpočet odporu"), 10, 8, 2,
                           mark, QDate(2026, 3, day), QTime(8, 5)};
}

} // namespace

TEST(ResultsLogCommand, CsvOfALogWrittenByTheProgram)
{
    QTemporaryDir dir;
    const ResultsLog log(dir.path());
    const QList<ResultsLogEntry> written = {
        entry(QStringLiteral("Ľubica Nováková"), 2, QStringLiteral("2")),
        entry(QStringLiteral("Novák, Ján \"Jano\""), 14, QString()),
        entry(QStringLiteral("=1+1"), 30, QStringLiteral("1")),
    };
    for (const ResultsLogEntry& e : written)
        ASSERT_TRUE(log.append(e).ok());

    const CliRun run = cli({"results", "--data", dir.path(), "--csv"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QList<QStringList> rows = readCsv(QString::fromUtf8(run.out));
    ASSERT_EQ(rows.size(), 1 + written.size());
    EXPECT_EQ(rows.at(0).size(), 9);
    EXPECT_EQ(rows.at(1), (QStringList{"Ľubica Nováková", "2026-03-02", "08:05", "Elektrina",
                                       "Ohmov zákon, výpočet odporu", "10", "8", "2", "2"}));
    EXPECT_EQ(rows.at(2).at(0), QStringLiteral("Novák, Ján \"Jano\""));
    EXPECT_EQ(rows.at(2).at(8), QString());
    // A spreadsheet would run a name starting with "=" as a formula.
    EXPECT_EQ(rows.at(3).at(0), QStringLiteral("'=1+1"));
    for (const QStringList& row : rows)
        EXPECT_EQ(row.size(), 9);

    const CliRun tabs = cli({"results", "--data", dir.path()});
    ASSERT_EQ(tabs.status, 0);
    EXPECT_EQ(tabs.out.count('\n'), written.size());
    EXPECT_TRUE(tabs.out.startsWith("Ľubica Nováková\t2026-03-02\t08:05\t"));
}

TEST(ResultsLogCommand, NoLogIsAnEmptyTableAndADamagedLogAnError)
{
    QTemporaryDir dir;
    const CliRun empty = cli({"results", "--csv", "--data", dir.path()});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out.count("\r\n"), 1);

    QFile damaged(dir.filePath(QStringLiteral("Vysledky.dat")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(entry(QStringLiteral("Jana"), 1, QStringLiteral("1")).toBytes() + "Meno: torn\r\n");
    damaged.close();
    const CliRun torn = cli({"results", "--data", dir.path()});
    EXPECT_EQ(torn.status, 1);
    EXPECT_TRUE(torn.err.contains(QStringLiteral("Vysledky.dat, riadok 5"))) << torn.err.toStdString();
    EXPECT_TRUE(torn.out.isEmpty());

    EXPECT_EQ(cli({"results", "--data", dir.path(), "extra"}).status, 2);
    EXPECT_EQ(cli({"results", "--csv", "--csv", "--data", dir.path()}).status, 2);
}

TEST(ResultsLogCommand, HelpAndVersion)
{
    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"examples", "calc", "mark", "ranking", "results", "decode", "encode", "--data", "--csv"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    const CliRun version = cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("orbeta-cli " ORBETA_VERSION "\n"));
}
