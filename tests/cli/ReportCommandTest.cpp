// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-cli report on a made-up class's log written by the program itself:
// the PDF's text holds the numbers, the CSV the overview, and every refusal
// leaves no file behind.
#include "tests/results/MadeUpClass.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PdfText.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orbeta::test_support;

namespace {

QStringList september(const QString& dir)
{
    return {"report", "--data", dir, "--from", "2026-09-01", "--to", "2026-09-30"};
}

// pdftotext lays a table out with runs of blanks.
QString oneSpaced(const QString& text)
{
    return text.simplified();
}

} // namespace

TEST(ReportCommand, ThePdfHoldsTheClassesNumbers)
{
    if (!pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(writeMadeUpLog(dir.path()));
    const QString pdf = dir.filePath(QStringLiteral("trieda.pdf"));
    const CliRun run = runCli(september(dir.path()) + QStringList{"-o", pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // The torn record is named on standard error with its line.
    EXPECT_TRUE(run.err.contains(QStringLiteral("riadok %1:").arg(kTornLine))) << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();

    const QString text = oneSpaced(pdfText(pdf));
    for (const QString& expected : {
             // the overview
             QStringLiteral("Obdobie: 1.9.2026 – 30.9.2026"),
             QStringLiteral("Žiaci: 4 Série: 9 Príklady: 85"),
             QStringLiteral("Poškodené záznamy výsledkov vynechané: 1, riadky %1").arg(kTornLine),
             QStringLiteral("Série úloh, ktoré program nepozná, vynechané: 1."),
             QStringLiteral("1a Hustota kvapaliny 78 % (39 z 50)"),
             QStringLiteral("4a Zobrazenie zrkadlom 100 % (5 z 5)"),
             QStringLiteral("5a Ohmov zákon 43 % (13 z 30)"),
             // per task and per pupil
             QStringLiteral("Série: 5 Správne: 78 % (39 z 50)"),
             QStringLiteral("Neskúsili: Eva Stastna, Eva Šťastná"),
             QStringLiteral("Série: 4 Príklady: 40 Naposledy precvičoval(a): 21.9.2026"),
             QStringLiteral("Neskúsené úlohy: 4a Zobrazenie zrkadlom, 5a Ohmov zákon"),
             // who may need help
             QStringLiteral("Jana Nová Elektrina: správne len 35 % odpovedí (7 z 20)"),
             QStringLiteral("Peter Kováč Hustota kvapaliny: známky sa zhoršili v posledných troch sériách (1, 2, 3)"),
         })
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    // The table's rows: series / last mark under 1a, 4a and 5a.
    QString table = text;
    table.remove(QLatin1Char(' '));
    EXPECT_TRUE(table.contains(QStringLiteral("JanaNová2/12/4"))) << text.toStdString();
    EXPECT_TRUE(table.contains(QStringLiteral("PeterKováč3/3")));
    EXPECT_TRUE(table.contains(QStringLiteral("EvaStastna1/1")));
    EXPECT_FALSE(text.contains(QStringLiteral("jana nová")));
    EXPECT_FALSE(text.contains(QStringLiteral("Mal"))); // the torn record's pupil
}

TEST(ReportCommand, AClassListShowsWhoDidNotPractise)
{
    if (!pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(writeMadeUpLog(dir.path()));
    const QString list = dir.filePath(QStringLiteral("trieda.txt"));
    ASSERT_TRUE(writeBytes(list, "Peter Kováč\n  JANA nová\r\n\nIvan Malý\n"));
    const QString pdf = dir.filePath(QStringLiteral("trieda.pdf"));
    const CliRun run = runCli(september(dir.path()) + QStringList{"--pupils", list, "-o", pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = oneSpaced(pdfText(pdf));
    EXPECT_TRUE(text.contains(QStringLiteral("Žiaci: 3 Série: 7"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ivan Malý nepracoval(a)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Série iných žiakov (mimo zoznamu) nezahrnuté: 2.")));
    EXPECT_FALSE(text.contains(QStringLiteral("Šťastná")));

    // An empty period says so.
    const CliRun winter = runCli({"report", "--data", dir.path(), "--from", "2027-01-01", "--to", "2027-01-31", "-o", pdf});
    ASSERT_EQ(winter.status, 0) << winter.err.toStdString();
    EXPECT_TRUE(oneSpaced(pdfText(pdf)).contains(QStringLiteral("V zvolenom období nie sú žiadne série.")));
}

TEST(ReportCommand, CsvOfTheOverview)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeMadeUpLog(dir.path()));
    const CliRun run = runCli(september(dir.path()) + QStringList{"--task", "1a", "--task", "5a", "--csv"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList rows = QString::fromUtf8(run.out).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    // Eva Stastna practised neither task.
    ASSERT_EQ(rows.size(), 1 + 3 * 2);
    EXPECT_EQ(rows[0], QStringLiteral("Meno,Úloha,Typ úlohy,Série,Posledná známka,Správne %,Správne,Odpovede"));
    EXPECT_TRUE(rows.contains(QStringLiteral("Jana Nová,1a,Hustota kvapaliny,2,1,85,17,20")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Jana Nová,5a,Ohmov zákon,2,4,35,7,20")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Eva Šťastná,1a,Hustota kvapaliny,0,,,,")));
}

TEST(ReportCommand, RefusalsWriteNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeMadeUpLog(dir.path()));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QString badList = dir.filePath(QStringLiteral("latin2.txt"));
    ASSERT_TRUE(writeBytes(badList, "Jana Nov\xe1\n"));
    QTemporaryDir notALog;
    ASSERT_TRUE(writeBytes(notALog.filePath(QStringLiteral("Vysledky.dat")), "this is\nnot a log\n"));
    QTemporaryDir folderLog;
    ASSERT_TRUE(QDir(folderLog.path()).mkdir(QStringLiteral("Vysledky.dat")));
    struct Case {
        const char* what;
        QStringList args;
        int status;
    };
    const Case cases[] = {
        {"an unknown task", {"report", "--data", dir.path(), "--task", "9z", "-o", pdf}, 2},
        {"a day that does not exist", {"report", "--data", dir.path(), "--from", "2026-02-30", "-o", pdf}, 2},
        {"a date in another form", {"report", "--data", dir.path(), "--to", "30.9.2026", "-o", pdf}, 2},
        {"a period that ends before it starts",
         {"report", "--data", dir.path(), "--from", "2026-09-30", "--to", "2026-09-01", "-o", pdf}, 2},
        {"no output", {"report", "--data", dir.path()}, 2},
        {"a missing class list", {"report", "--data", dir.path(), "--pupils", dir.filePath("none.txt"), "-o", pdf}, 1},
        {"a class list not in UTF-8", {"report", "--data", dir.path(), "--pupils", badList, "-o", pdf}, 1},
        {"a file that is no log", {"report", "--data", notALog.path(), "-o", pdf}, 1},
        {"a log that cannot be read", {"report", "--data", folderLog.path(), "-o", pdf}, 1},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err.toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << c.what;
        EXPECT_FALSE(QFileInfo::exists(pdf)) << c.what;
    }
}
