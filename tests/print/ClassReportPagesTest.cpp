// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class report of a class too big for a page: every row, task, pupil
// and note is printed once and in order across the page breaks, the blocks
// stay between the header's and the footer's rules without overlapping, and
// nothing is printed outside the block the layout gave it, nor over
// another word.
#include "print/report/ClassReportDocument.h"
#include "print/page/A4Document.h"
#include "print/page/PrintWorksheet.h"
#include "print/report/ReportCharts.h"
#include "results/report/ClassReport.h"
#include "tests/support/PdfText.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace orbeta;
using orbeta::print::ClassReportDocument;
using Kind = ClassReportDocument::BlockKind;

namespace {

constexpr int kPupils = 45;
constexpr double kHeaderRuleMm = 25;
constexpr double kFooterRuleMm = 282;

// `tasks` tasks of the table worked by `pupils` pupils over September, each
// pupil skipping every fourth, some well and some badly, some getting worse.
results::ClassReport bigClass(int tasks, int pupils = kPupils)
{
    results::ResultsLogContents log;
    for (int p = 0; p < pupils; ++p)
        for (int t = 0; t < tasks; ++t) {
            if ((p + t) % 4 == 0)
                continue;
            const TaskRow& task = TaskTable::rows()[std::size_t(t)];
            for (int s = 0; s < 1 + (p + t) % 3; ++s) {
                const int correct = (p * 3 + t + s * 4) % 11;
                log.entries.append({QStringLiteral("Žiak %1").arg(p + 1, 2, 10, QLatin1Char('0')),
                                    TaskTable::topicName(task.topic), TaskTable::title(task), 10, correct, 10 - correct,
                                    QString::number(std::min(5, 1 + (10 - correct) / 2)),
                                    QDate(2026, 9, 1 + (p * 7 + t * 3 + s * 9) % 28), QTime(10, 0)});
            }
        }
    results::ReportRequest request;
    request.from = QDate(2026, 9, 1);
    request.to = QDate(2026, 9, 30);
    request.today = QDate(2026, 10, 1);
    return results::ClassReport::make(log, TaskTable::rows(), request);
}

// The rows, tasks, pupils or notes the blocks of one kind show, page after page.
QList<int> shown(const ClassReportDocument& doc, Kind kind)
{
    QList<int> items;
    for (int page = 1; page <= doc.pageCount(); ++page)
        for (const ClassReportDocument::Block& b : doc.blocks(page))
            if (b.kind == kind)
                for (int i = b.first; i < b.first + b.count; ++i)
                    items.append(i);
    return items;
}

QList<int> upTo(int from, qsizetype end)
{
    QList<int> items;
    for (int i = from; i < end; ++i)
        items.append(i);
    return items;
}

// How much of a row of pixels is not white, 0 to 1.
double inked(const QImage& page, int y)
{
    int dark = 0;
    for (int x = 0; x < page.width(); ++x)
        dark += page.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return double(dark) / page.width();
}

// The rows of the header's and the footer's rule: the first and the last
// row inked across most of the page.
std::pair<int, int> rules(const QImage& page)
{
    int header = -1;
    int footer = -1;
    for (int y = 0; y < page.height(); ++y)
        if (inked(page, y) > 0.9) {
            header = header < 0 ? y : header;
            footer = y;
        }
    return {header, footer};
}

// Every page's blocks one below the other, between the rules.
void expectBlocksBetweenTheRules(const ClassReportDocument& doc)
{
    for (int page = 1; page <= doc.pageCount(); ++page) {
        SCOPED_TRACE(testing::Message() << "page " << page);
        ASSERT_FALSE(doc.blocks(page).isEmpty());
        double bottom = kHeaderRuleMm;
        for (const ClassReportDocument::Block& b : doc.blocks(page)) {
            EXPECT_GE(b.topMm, bottom);
            bottom = b.topMm + b.heightMm;
        }
        EXPECT_LT(bottom, kFooterRuleMm);
    }
}

} // namespace

TEST(ClassReportPages, EveryRowTaskPupilAndNoteIsPrintedOnceInOrder)
{
    // Every task of the table is shown by topic, six one by one.
    for (int tasks : {int(TaskTable::rows().size()), 6}) {
        SCOPED_TRACE(tasks);
        const results::ClassReport report = bigClass(tasks);
        ASSERT_EQ(report.pupils.size(), kPupils);
        ASSERT_GT(report.help.size(), 40);
        const ClassReportDocument doc(report, QDate(2026, 10, 1));
        EXPECT_EQ(shown(doc, Kind::Pupils), upTo(-1, kPupils)); // the class's row first
        EXPECT_EQ(shown(doc, Kind::Table), upTo(0, kPupils));
        EXPECT_EQ(shown(doc, Kind::Shares), upTo(0, tasks));
        EXPECT_EQ(shown(doc, Kind::Task), upTo(0, tasks));
        EXPECT_EQ(shown(doc, Kind::Pupil), upTo(0, kPupils));
        EXPECT_EQ(shown(doc, Kind::Help), upTo(0, report.help.size()));

        const ClassReportDocument own(report, QDate(2026, 10, 1), ClassReportDocument::Pages::EachPupil);
        ASSERT_EQ(own.pageCount(), kPupils);
        for (int page = 1; page <= kPupils; ++page) {
            const QList<ClassReportDocument::Block>& blocks = own.blocks(page);
            ASSERT_GE(blocks.size(), 2);
            EXPECT_EQ(blocks[0].kind, Kind::Pupil);
            EXPECT_EQ(blocks[0].first, page - 1);
            EXPECT_EQ(blocks[1].kind, Kind::PupilTasks);
            EXPECT_EQ(blocks[1].count, tasks);
        }
    }
}

TEST(ClassReportPages, BlocksStayBetweenTheRulesAndPrintOnlyInsideThemselves)
{
    // Classes of every size from one to two pages of rows, so that the
    // tables break at every height left on a page.
    for (int pupils = 30; pupils <= 60; ++pupils) {
        SCOPED_TRACE(testing::Message() << pupils << " pupils");
        const results::ClassReport report = bigClass(8, pupils);
        expectBlocksBetweenTheRules(ClassReportDocument(report, QDate(2026, 10, 1)));
        expectBlocksBetweenTheRules(ClassReportDocument(report, QDate(2026, 10, 1), ClassReportDocument::Pages::EachPupil));
    }

    const results::ClassReport report = bigClass(8);
    for (auto pages : {ClassReportDocument::Pages::Class, ClassReportDocument::Pages::EachPupil}) {
        const ClassReportDocument doc(report, QDate(2026, 10, 1), pages);
        for (int page = 1; page <= doc.pageCount(); ++page) {
            SCOPED_TRACE(testing::Message() << "page " << page);
            const QList<ClassReportDocument::Block>& blocks = doc.blocks(page);
            // Millimetres on the page from the rules as printed, whatever the paper's margin.
            const QImage image = doc.pageImage(page, 60).convertToFormat(QImage::Format_RGB32);
            const auto [header, footer] = rules(image);
            ASSERT_GT(footer, header + 100);
            const double pixelsPerMm = (footer - header) / (kFooterRuleMm - kHeaderRuleMm);
            for (int y = header + 2; y < footer - 1; ++y) {
                if (inked(image, y) == 0)
                    continue;
                const double mm = kHeaderRuleMm + (y - header) / pixelsPerMm;
                EXPECT_TRUE(std::any_of(blocks.begin(), blocks.end(), [mm, pixelsPerMm](const auto& b) {
                    return mm > b.topMm - 1.5 / pixelsPerMm && mm < b.topMm + b.heightMm + 1.5 / pixelsPerMm;
                })) << "ink at " << mm << " mm";
            }
        }
    }
}

// Text printed over text: a row moved onto a chart or a heading, a label on
// its neighbour. Boxes may touch, as the words of a tight table cell do.
TEST(ClassReportPages, NoWordIsPrintedOverAnother)
{
    if (!test_support::pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    const results::ClassReport report = bigClass(8);
    for (auto pages : {ClassReportDocument::Pages::Class, ClassReportDocument::Pages::EachPupil}) {
        const ClassReportDocument doc(report, QDate(2026, 10, 1), pages);
        const QList<QList<test_support::PdfWord>> words = test_support::pdfWordsOf(doc.pdf());
        ASSERT_EQ(words.size(), doc.pageCount());
        for (qsizetype page = 0; page < words.size(); ++page)
            for (qsizetype a = 0; a < words[page].size(); ++a)
                for (qsizetype b = a + 1; b < words[page].size(); ++b) {
                    const QRectF& one = words[page][a].box;
                    const QRectF& other = words[page][b].box;
                    const QRectF both = one.intersected(other);
                    const double smaller = std::min(one.width() * one.height(), other.width() * other.height());
                    EXPECT_LT(both.width() * both.height(), 0.2 * smaller)
                        << "page " << page + 1 << ": " << words[page][a].text.toStdString() << " and "
                        << words[page][b].text.toStdString();
                }
    }
}

// The dates under a chart's axis: every day of a short period, the Mondays
// of a few weeks, the firsts of the months of a long one, thinned evenly to
// as many as fit.
TEST(ClassReportPages, ChartAxesAreDatedByDaysMondaysOrMonths)
{
    using print::ReportCharts;
    const auto days = [](std::initializer_list<QDate> list) { return QList<QDate>(list); };
    EXPECT_EQ(ReportCharts::dateTicks(QDate(2026, 9, 7), QDate(2026, 9, 9), 10),
              days({QDate(2026, 9, 7), QDate(2026, 9, 8), QDate(2026, 9, 9)}));
    EXPECT_EQ(ReportCharts::dateTicks(QDate(2026, 9, 1), QDate(2026, 9, 14), 5), // 14 days, every third
              days({QDate(2026, 9, 1), QDate(2026, 9, 4), QDate(2026, 9, 7), QDate(2026, 9, 10), QDate(2026, 9, 13)}));
    EXPECT_EQ(ReportCharts::dateTicks(QDate(2026, 9, 2), QDate(2026, 9, 21), 10), // from a Wednesday
              days({QDate(2026, 9, 7), QDate(2026, 9, 14), QDate(2026, 9, 21)}));
    EXPECT_EQ(ReportCharts::dateTicks(QDate(2026, 8, 31), QDate(2026, 9, 20), 10), // from a Monday
              days({QDate(2026, 8, 31), QDate(2026, 9, 7), QDate(2026, 9, 14)}));
    EXPECT_EQ(ReportCharts::dateTicks(QDate(2026, 9, 1), QDate(2027, 1, 31), 12),
              days({QDate(2026, 9, 1), QDate(2026, 10, 1), QDate(2026, 11, 1), QDate(2026, 12, 1), QDate(2027, 1, 1)}));
    EXPECT_EQ(ReportCharts::dateTicks(QDate(2026, 9, 15), QDate(2027, 6, 30), 5), // nine firsts, every second
              days({QDate(2026, 10, 1), QDate(2026, 12, 1), QDate(2027, 2, 1), QDate(2027, 4, 1), QDate(2027, 6, 1)}));
    EXPECT_TRUE(ReportCharts::dateTicks(QDate(2026, 9, 2), QDate(2026, 9, 1), 10).isEmpty());
    EXPECT_TRUE(ReportCharts::dateTicks(QDate(2026, 9, 1), QDate(2026, 9, 2), 0).isEmpty());
}

// A bar chart as printed: under every bar its label, above it its value,
// the higher the larger, in proportion to the values.
TEST(ClassReportPages, EveryBarHasItsLabelBelowAndItsValueAtItsTop)
{
    if (!test_support::pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    const QList<double> values = {2, 4, 1, 0, 3};
    QList<print::ChartBar> bars;
    for (qsizetype i = 0; i < values.size(); ++i)
        bars.append({QStringLiteral("L%1").arg(i), values[i], QStringLiteral("V%1").arg(i), QColor()});
    const QByteArray pdf = print::A4Document::pdf(QStringLiteral("bars"), [&bars](QPdfWriter& writer) {
        QPainter painter(&writer);
        print::PrintPage out = print::PrintWorksheet::fitPage(painter, QRectF(0, 0, writer.width(), writer.height()));
        print::ReportCharts::bars(out, QRectF(20, 20, 100, 60), QStringLiteral("Známky"), bars, 4);
        return true;
    });
    const QList<QList<test_support::PdfWord>> pages = test_support::pdfWordsOf(pdf);
    ASSERT_EQ(pages.size(), 1);
    std::map<QString, QRectF> at;
    for (const test_support::PdfWord& word : pages[0])
        at[word.text] = word.box;
    double axis = 0;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QRectF label = at[QStringLiteral("L%1").arg(i)];
        const QRectF value = at[QStringLiteral("V%1").arg(i)];
        ASSERT_FALSE(label.isEmpty()) << i;
        ASSERT_FALSE(value.isEmpty()) << i;
        EXPECT_NEAR(value.center().x(), label.center().x(), 1) << i;
        if (i > 0) {
            EXPECT_GT(label.left(), at[QStringLiteral("L%1").arg(i - 1)].right()) << i;
        }
        EXPECT_LT(value.bottom(), label.top()) << i;
        axis = label.top();
    }
    // The value of 4 fills the chart: the others stand lower by their share of it.
    const double full = at[QStringLiteral("V3")].bottom() - at[QStringLiteral("V1")].bottom(); // 0 against 4
    ASSERT_GT(full, 50);
    for (qsizetype i = 0; i < values.size(); ++i)
        EXPECT_NEAR(at[QStringLiteral("V%1").arg(i)].bottom(), at[QStringLiteral("V3")].bottom() - full * values[i] / 4, 1)
            << i;
    EXPECT_LT(at[QStringLiteral("V3")].bottom(), axis);
}
