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

} // namespace

// pdftotext lays a table out with runs of blanks: its text is read simplified.

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
    EXPECT_TRUE(run.err.contains(QStringLiteral("(„Mechanika 1“, „Neznáma úloha“), vynechané: riadky 18.")))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 2) << run.err.toStdString();

    const QString text = pdfText(pdf).simplified();
    for (const QString& expected : {
             // the overview
             QStringLiteral("Obdobie: 1.9.2026 – 30.9.2026"),
             QStringLiteral("Žiaci: 4 Série: 9 Príklady: 85"),
             QStringLiteral("Poškodené záznamy výsledkov vynechané: 1 (súbor %1).")
                 .arg(QDir(dir.path()).filePath(QStringLiteral("Vysledky.dat"))),
             QStringLiteral("riadok %1: očakáva sa riadok „Meno: … Dátum: … Čas: …“.").arg(kTornLine),
             QStringLiteral("Série úloh, ktoré program nepozná, vynechané: 1."),
             QStringLiteral("„Mechanika 1“, „Neznáma úloha“: 1 séria, riadky 18"),
             // a row per pupil and the class's: 4 series, marks 2, 1, 4, 4, 24 of 40 right
             QStringLiteral("Jana Nová 4 2,8 60 % (24 z 40) 21.9.2026"),
             QStringLiteral("Trieda (4) 9 ("),
             QStringLiteral("2,3 67 % (57 z 85) 22.9.2026"),
             QStringLiteral("1a Hustota kvapaliny 78 % (39 z 50)"),
             QStringLiteral("4a Zobrazenie zrkadlom 100 % (5 z 5)"),
             QStringLiteral("5a Ohmov zákon 43 % (13 z 30)"),
             // per task and per pupil
             QStringLiteral("Série: 5 Správne: 78 % (39 z 50)"),
             QStringLiteral("Nevyskúšali: Eva Stastna, Eva Šťastná"),
             QStringLiteral("Série: 4 Príklady: 40 Naposledy precvičoval(a): 21.9.2026"),
             QStringLiteral("Nevyskúšané úlohy: 4a Zobrazenie zrkadlom, 5a Ohmov zákon"),
             // who may need help
             QStringLiteral("Jana Nová Elektrina: správne len 35 % odpovedí (7 z 20)"),
             QStringLiteral("Peter Kováč Hustota kvapaliny: známky sa zhoršili v posledných troch sériách (1, 2, 3)"),
         })
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    // The table's rows: series / last mark under 1a, 4a and 5a.
    QString table = text;
    table.remove(QLatin1Char(' '));
    EXPECT_TRUE(table.contains(QStringLiteral("Žiak1a4a5a"))) << text.toStdString();
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
    const QString text = pdfText(pdf).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Žiaci: 3 Série: 7"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ivan Malý nepracoval(a)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Série iných žiakov (mimo zoznamu) nezahrnuté: 2.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Mená mimo zoznamu: Eva Stastna: 1 séria, Eva Šťastná: 1 séria")))
        << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Šťastná")), 1); // named off the list only

    // Who practised only the other tasks.
    const CliRun mirror = runCli(september(dir.path()) + QStringList{"--pupils", list, "--task", "4a", "-o", pdf});
    ASSERT_EQ(mirror.status, 0) << mirror.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).simplified().contains(QStringLiteral("Jana Nová nevyskúšal(a) 4a")));

    // An empty period says so.
    const CliRun winter = runCli({"report", "--data", dir.path(), "--from", "2026-10-01", "--to", "2026-10-31", "-o", pdf});
    ASSERT_EQ(winter.status, 0) << winter.err.toStdString();
    EXPECT_TRUE(pdfText(pdf).simplified().contains(QStringLiteral("V zvolenom období nie sú žiadne série.")));
}

TEST(ReportCommand, CsvOfTheOverview)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeMadeUpLog(dir.path()));
    // An option's value may follow an equals sign.
    const CliRun run = runCli(september(dir.path()) + QStringList{"--task=1a", "--task", "5a", "--csv"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList rows = QString::fromUtf8(run.out).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    // Eva Stastna practised neither task.
    ASSERT_EQ(rows.size(), 1 + 3 * 2);
    // A byte order mark, so that a spreadsheet knows the text is UTF-8.
    EXPECT_TRUE(run.out.startsWith("\xEF\xBB\xBFMeno,"));
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
    const QString goodList = dir.filePath(QStringLiteral("trieda.txt"));
    ASSERT_TRUE(writeBytes(goodList, "Jana Nová\n"));
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
        {"a start after today", {"report", "--data", dir.path(), "--from", "2099-01-01", "-o", pdf}, 2},
        {"an end before the first series", {"report", "--data", dir.path(), "--to", "2026-07-31", "-o", pdf}, 2},
        {"a pupil the log lacks", {"report", "--data", dir.path(), "--pupil", "Ivan Malý", "-o", pdf}, 4},
        {"a pupil the class list lacks",
         {"report", "--data", dir.path(), "--pupils", goodList, "--pupil", "Peter Kováč", "-o", pdf}, 4},
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

// One pupil's page names nobody else; titles read as the screens show them,
// in the PDF (searchable, "fi" as two letters) and in a Slovak spreadsheet's CSV.
TEST(ReportCommand, OnePupilsPageAndTheShownTitles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeMadeUpLog(dir.path()));
    const orbeta::results::ResultsLog log(dir.path());
    for (const char* name : {"Jana Nová", "Sofia Žofiová"}) {
        orbeta::results::ResultsLogEntry e = madeUpEntry({name, "6c", 9, 23, 4, 1, "2"});
        EXPECT_EQ(e.taskTitle, QStringLiteral("Časová osa - objevy a vynálezy")); // as the log stores it
        ASSERT_TRUE(log.append(e).ok());
    }
    const CliRun csv = runCli(september(dir.path()) + QStringList{"--csv", "--semicolon"});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(csv.out).contains(QStringLiteral("\r\nSofia Žofiová;6c;Časová os – objavy a vynálezy;1;2;80;4;5\r\n")))
        << csv.out.toStdString();

    if (!pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    const QString pdf = dir.filePath(QStringLiteral("jana.pdf"));
    const CliRun run = runCli(september(dir.path()) + QStringList{"--pupil", "jana nová", "-o", pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = pdfText(pdf).simplified();
    for (const char* expected : {"Výsledky žiaka", "Jana Nová", "6c Časová os – objavy a vynálezy",
                                 "Úlohy: posledná známka, počet sérií, správne odpovede",
                                 "1a Hustota kvapaliny 1 2× 85 % (17 z 20)",
                                 "Správne odpovede podľa tém", "História"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    for (const char* other : {"Peter", "Eva", "Sofia", "mimo zoznamu", "Časová osa"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(other))) << other;

    // A page of every pupil's own, for a parents' meeting: one name a page.
    const CliRun meeting = runCli(september(dir.path()) + QStringList{"--pupil-pages", "-o", pdf});
    ASSERT_EQ(meeting.status, 0) << meeting.err.toStdString();
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 5);
    EXPECT_TRUE(pages[1].simplified().contains(QStringLiteral("4a Zobrazenie zrkadlom nevyskúšal(a)"))) << pages[1].toStdString();
    for (const QString& page : pages) {
        int names = 0;
        for (const char* name : {"Eva Stastna", "Eva Šťastná", "Jana Nová", "Peter Kováč", "Sofia Žofiová"})
            names += page.contains(QString::fromUtf8(name)) ? 1 : 0;
        EXPECT_EQ(names, 1) << page.toStdString();
    }

    const CliRun whole = runCli(september(dir.path()) + QStringList{"-o", pdf});
    ASSERT_EQ(whole.status, 0) << whole.err.toStdString();
    const QString wholeText = pdfText(pdf);
    EXPECT_TRUE(wholeText.contains(QStringLiteral("Sofia"))) << wholeText.toStdString();
    EXPECT_TRUE(wholeText.contains(QStringLiteral("Žofiová")));
}
