// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame of a worksheet on real devices: the slots it asks for, what the
// page says in its text layer, and the assignments fitting above the legend.
#include "print/page/PrintPage.h"
#include "print/page/PrintWorksheet.h"
#include "print/page/WorksheetDocument.h"
#include "print/plan/AssignmentLines.h"
#include "tests/support/PdfText.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace orbeta;
using namespace orbeta::print;

namespace {

// Records the slots asked for and marks each with a box and its number.
class RecordingContent : public WorksheetContent {
public:
    void Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem) override
    {
        calls.push_back({topMm, firstItem});
        page.printText(60, topMm, QStringLiteral("Príklad %1").arg(firstItem + 1));
    }
    std::vector<std::pair<int, int>> calls;
};

WorksheetRequest request(const char* code, int count)
{
    WorksheetRequest r;
    r.task = TaskTable::find(QString::fromLatin1(code));
    r.count = count;
    r.seed = 977;
    r.pupilName = QStringLiteral("Ľubica Šťastná");
    r.date = QDate(2026, 3, 9);
    return r;
}

class PrintWorksheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PrintPage::loadFonts(QStringLiteral(ORBETA_SIGLA_FONT)); }
};

} // namespace

TEST_F(PrintWorksheetTest, PdfCarriesEveryPageWithRealText)
{
    RecordingContent content;
    const WorksheetRequest sheet = request("1a", 8);
    const QByteArray pdf = WorksheetDocument::pdf(sheet, content);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(content.calls, (std::vector<std::pair<int, int>>{{80, 0}, {150, 1}, {220, 2}, {80, 3}, {150, 4},
                                                               {220, 5}, {80, 6}, {150, 7}}));
    if (!test_support::pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    const QString text = test_support::pdfTextOf(pdf);
    EXPECT_EQ(text.count(QStringLiteral("Mechanika 1")), 3);
    EXPECT_EQ(text.count(QStringLiteral("Ľubica Šťastná")), 3);
    EXPECT_EQ(text.count(QStringLiteral("Dátum: 09.03.2026")), 3);
    EXPECT_TRUE(text.contains(QStringLiteral("Stránka: 3")));
    EXPECT_FALSE(text.contains(QStringLiteral("Stránka: 4")));
    EXPECT_EQ(text.count(QStringLiteral("Kód: 1a-8-")), 3);
    EXPECT_TRUE(text.contains(QStringLiteral("Príklad 8")));
    // The legend says what it shows, not the symbol font's stand-in letters.
    EXPECT_TRUE(text.contains(QStringLiteral("m₁")));
    EXPECT_TRUE(text.contains(QStringLiteral("ρ")));
    EXPECT_FALSE(text.contains(QStringLiteral("má ")));
    EXPECT_FALSE(text.contains(QStringLiteral("Riešenie")));

    WorksheetRequest key = request("6b", 25);
    key.answers = true;
    RecordingContent history;
    const QString keyText = test_support::pdfTextOf(WorksheetDocument::pdf(key, history));
    EXPECT_EQ(keyText.count(QStringLiteral("Riešenie")), 2);
    EXPECT_EQ(history.calls.size(), 5u);
}

// With the program's own type every assignment leaves room for the legend.
TEST_F(PrintWorksheetTest, AssignmentsWrapAboveTheLegend)
{
    QImage image(1240, 1754, QImage::Format_RGB32);
    QPainter painter(&image);
    PrintPage page(painter, QSizeF(image.size()));
    page.setFont(PrintFace::Sans, 12, false, true);
    for (const TaskRow& row : TaskTable::rows()) {
        SCOPED_TRACE(row.code);
        const AssignmentLines lines = AssignmentLines::wrap(QString::fromUtf8(row.sheetTexts.assignment),
                                                            [&page](const QString& t) { return page.textWidthMm(t); });
        EXPECT_TRUE(lines.legendTopMm().has_value());
        EXPECT_EQ(lines.lines[0].isEmpty(), !*row.sheetTexts.assignment);
        const int legendRows = int(std::count_if(row.sheetTexts.legend.begin(), row.sheetTexts.legend.end(),
                                                 [](const LegendRow& r) { return r.symbol != nullptr; }));
        // The legend leaves the first slot room for its lines.
        if (legendRows > 0) {
            EXPECT_LE(*lines.legendTopMm() + 5 * legendRows, row.sheet.slotStep + row.sheet.slotOffset);
        }
    }
}

// The header's long lines stay on the paper whatever the name.
TEST_F(PrintWorksheetTest, NameLineStaysOnThePaper)
{
    WorksheetRequest sheet = request("5d", 3);
    sheet.pupilName = QString(80, QChar(u'W'));
    RecordingContent content;
    const QImage image = WorksheetDocument::pageImage(sheet, content, 1, 100);
    const int right = image.width() - 1;
    // Above the header's rule, which runs from edge to edge.
    for (int y = 0; y < image.height() * 24 / 297; ++y)
        ASSERT_EQ(image.pixel(right, y), qRgb(255, 255, 255)) << "row " << y;
    // Something was drawn in the header's band.
    int dark = 0;
    for (int y = 0; y < image.height() / 10; ++y)
        for (int x = 0; x < image.width(); x += 3)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 200);
    // The header's rule (25 mm down the page, the page itself 5 mm in from the
    // paper's edge) is a hairline, not a bar.
    int ruleRows = 0;
    for (int y = image.height() * 26 / 297; y < image.height() * 32 / 297; ++y)
        ruleRows += qGray(image.pixel(image.width() / 2, y)) < 128;
    EXPECT_GE(ruleRows, 1);
    EXPECT_LE(ruleRows, 2);
}
