// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The setup screen's printing as the program wires it: the chosen task's
// worksheet through a printer into a PDF file, one sheet per copy.
#include "app/WorksheetPrinting.h"
#include "tests/app/TaskSeriesFixture.h"
#include "tests/support/PdfText.h"

#include <QPrinter>
#include <QRegularExpression>

using namespace orbeta;
using namespace orbeta::test;

namespace {

class WorksheetPrintingTest : public TaskSeriesFixture {
protected:
    // Prints `copies` sheets of `code` into a PDF file and gives back its text.
    QString printToPdf(WorksheetPrinting& printing, const char* code, int count, int copies)
    {
        choose(QString::fromLatin1(code), count);
        series.pupilName = QStringLiteral("  Ondrej Ťažký");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(data.filePath(QStringLiteral("sheet.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        EXPECT_TRUE(printing.print(series, printer, copies));
        return test_support::pdfText(printer.outputFileName());
    }
};

QStringList codesIn(const QString& text)
{
    static const QRegularExpression code(QStringLiteral("Kód: (\\S+)"));
    QStringList codes;
    for (auto it = code.globalMatch(text); it.hasNext();)
        codes.append(it.next().captured(1));
    return codes;
}

} // namespace

TEST_F(WorksheetPrintingTest, EachCopyIsAFreshSheetAndAFixedSeedRepeatsThem)
{
    if (!test_support::pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    WorksheetPrinting fixed(services, 500);
    const QString text = printToPdf(fixed, "1c", 8, 2);
    // Two pages per sheet, every page with its header.
    EXPECT_EQ(text.count(QStringLiteral("Pohyb rovnomerný")), 4);
    EXPECT_EQ(text.count(QStringLiteral("Ondrej Ťažký")), 4);
    const QStringList codes = codesIn(text);
    ASSERT_EQ(codes.size(), 4);
    EXPECT_EQ(codes[0], codes[1]);
    EXPECT_NE(codes[1], codes[2]);

    WorksheetPrinting again(services, 500);
    EXPECT_EQ(codesIn(printToPdf(again, "1c", 8, 2)), codes);

    WorksheetPrinting clock(services, std::nullopt);
    const QStringList history = codesIn(printToPdf(clock, "6a", 25, 2));
    ASSERT_EQ(history.size(), 4);
    EXPECT_NE(history[0], history[2]);
}

TEST_F(WorksheetPrintingTest, AMissingDataFileIsNotPrinted)
{
    QFile::remove(data.filePath(QStringLiteral("3a.dat")));
    choose(QStringLiteral("3a"), 3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(data.filePath(QStringLiteral("sheet.pdf")));
    WorksheetPrinting printing(services, 1);
    EXPECT_FALSE(printing.print(series, printer, 1));
}
