// The calculation form's pictures beyond their sizes: labels readable on the
// table strips, every table on its board, and help texts that fit.
#include "art/FullCatalogue.h"
#include "look/CalcHelpPainter.h"
#include "look/Layout.h"
#include "look/PictureNames.h"
#include "look/Typeface.h"
#include "tasks/TaskTable.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

using namespace orbeta;

namespace {

QImage rendered(const QString& name)
{
    Typeface::loadFonts();
    const PictureCatalogue catalogue = fullCatalogue();
    for (const Picture& p : catalogue.pictures()) {
        if (p.name == name)
            return PictureCatalogue::render(p);
    }
    return {};
}

double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Heading labels are white; row labels black, the marked row's white.
TEST(CalcFormPictures, TableLabelsAreReadableOnTheirStrips)
{
    const QImage top = rendered(PictureNames::tableTop());
    const QImage body = rendered(PictureNames::tableBody());
    ASSERT_FALSE(top.isNull());
    ASSERT_FALSE(body.isNull());
    const QColor heading = top.pixelColor(Layout::kTableColumnLeft[1], top.height() / 2);
    const QColor row = body.pixelColor(Layout::kTableColumnLeft[1], body.height() / 2);
    EXPECT_GE(contrast(heading, Qt::white), 7.0);
    EXPECT_GE(contrast(row, Qt::black), 4.5);
    EXPECT_GE(contrast(row, Qt::white), 3.0);
}

TEST(CalcFormPictures, EveryTaskTableFitsOnItsBoardBesideTheOtherParts)
{
    const QRect board(Layout::kTableBlue, Layout::kTableBlueSize - QSize(0, Layout::kTableBlueCut));
    EXPECT_TRUE(QRect(QPoint(0, 0), Layout::kScreen).contains(board));
    for (const QRect& other : {Layout::kCalcScene, Layout::kCalcNotes, Layout::kCalculatorInput,
                               Layout::kExperimentButton})
        EXPECT_FALSE(board.intersects(other));
    for (const TaskRow& row : TaskTable::rows()) {
        if (row.tableRows == 0)
            continue;
        const QRect table(Layout::kTableTop.x(), Layout::kTableTop.y(), Layout::kTableTopSize.width(),
                          Layout::kTableBodyTop - Layout::kTableTop.y() + row.tableRows * Layout::kTableRowStep
                              + Layout::kTableBottomSize.height());
        EXPECT_TRUE(board.contains(table)) << row.code;
    }
}

TEST(CalcFormPictures, EveryHelpTextFitsItsPlace)
{
    Typeface::loadFonts();
    for (const QString& code : CalcHelpPainter::codes()) {
        const QStringList overfull = CalcHelpPainter::overfullTexts(code);
        EXPECT_TRUE(overfull.isEmpty()) << qPrintable(code + QStringLiteral(": ") + overfull.join(QStringLiteral(" | ")));
    }
}

} // namespace
