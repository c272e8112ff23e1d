#include "results/ResultsLogEntry.h"
#include "results/ResultsLogFormat.h"

#include "shell/Cp1250.h"

#include <gtest/gtest.h>

using orbeta::results::ResultsLogEntry;
using orbeta::results::ResultsLogFormat;

namespace {

ResultsLogEntry entry(const QString& name, const QString& mark = QStringLiteral("2"))
{
    return ResultsLogEntry{name, QStringLiteral("Mechanika 1"), QStringLiteral("Hustota kvapaliny"), 10, 7, 3, mark,
                           QDate(2008, 3, 5), QTime(9, 4)};
}

void expectSame(const ResultsLogEntry& read, const ResultsLogEntry& written)
{
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.topic, written.topic);
    EXPECT_EQ(read.taskTitle, written.taskTitle);
    EXPECT_EQ(read.exampleCount, written.exampleCount);
    EXPECT_EQ(read.correct, written.correct);
    EXPECT_EQ(read.wrong, written.wrong);
    EXPECT_EQ(read.mark, written.mark);
    EXPECT_EQ(read.date, written.date);
    EXPECT_EQ(read.time, written.time);
}

} // namespace

TEST(ResultsLogFormat, ReadsBackWhatTheWriterWrote)
{
    ResultsLogEntry late = entry(QStringLiteral("Ľubomír Šťastný"));
    late.date = QDate(2026, 12, 31);
    late.time = QTime(23, 59);
    late.topic = QStringLiteral("Termika");
    late.taskTitle = QStringLiteral("Teplo potrebné na ohriatie telesa, dlhý názov úlohy");
    late.exampleCount = 1234567;
    const QList<ResultsLogEntry> written = {
        entry(QStringLiteral("Jana")),
        late,
        entry(QString(50, QLatin1Char('x'))),                                   // longer than its column
        entry(QStringLiteral("Eva    Dátum: 1.1.2000   Čas: 10:00")),           // a name that looks like the rest
        entry(QStringLiteral("Hra: Typ úlohy: Počet príkladov: 1")),
        entry(QString()),                                                       // empty name
        entry(QStringLiteral("Peter"), QString()),                              // no mark
    };
    QByteArray bytes;
    for (const ResultsLogEntry& e : written)
        bytes += e.toBytes();
    const auto read = ResultsLogFormat::parse(bytes, QStringLiteral("Vysledky.dat"));
    ASSERT_TRUE(read.ok()) << read.error().message().toStdString();
    ASSERT_EQ(read.value().size(), written.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(i);
        expectSame(read.value().at(i), written.at(i));
    }
}

TEST(ResultsLogFormat, ToleratesLfEndingsBlankLinesAndAnEmptyFile)
{
    QByteArray bytes = entry(QStringLiteral("Jana")).toBytes() + "\r\n\r\n" + entry(QStringLiteral("Eva")).toBytes();
    bytes.replace("\r\n", "\n");
    bytes.chop(1); // no line end after the last rule
    const auto read = ResultsLogFormat::parse(bytes, QStringLiteral("Vysledky.dat"));
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.value().size(), 2);
    EXPECT_EQ(read.value().at(1).name, QStringLiteral("Eva"));
    EXPECT_TRUE(ResultsLogFormat::parse({}, QStringLiteral("Vysledky.dat")).value().isEmpty());
}

TEST(ResultsLogFormat, DamageIsReportedWithItsLine)
{
    const QByteArray good = entry(QStringLiteral("Jana")).toBytes();
    const auto lineOf = [](const QByteArray& bytes) {
        const auto read = ResultsLogFormat::parse(bytes, QStringLiteral("Vysledky.dat"));
        return read.ok() ? -1 : read.error().line;
    };
    struct Case {
        const char* what;
        QByteArray bytes;
        int line;
    };
    QByteArray badDate = good;
    badDate.replace("5.3.2008", "31.2.2008");
    QByteArray badCount = good;
    badCount.replace(*orbeta::Cp1250::encode(QStringLiteral("Správne:  7")), "x");
    QByteArray noRule = good;
    noRule.replace("=====", "-----");
    const Case cases[] = {
        {"a torn last entry", good + good.left(good.indexOf('\n') + 1), 5},
        {"no date", good + "Meno: Jana\r\n", 5},
        {"an invalid date", badDate, 1},
        {"a count that is no number", badCount, 3},
        {"no rule below an entry", noRule, 4},
        {"a line of other text", "Hello\r\n", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lineOf(c.bytes), c.line) << c.what;
}
