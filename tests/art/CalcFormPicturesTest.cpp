// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation form's pictures beyond their sizes: labels readable on the
// table strips, every table on its board, and help pictures that explain
// every quantity of their task in texts that fit.
#include "art/pictures/FullCatalogue.h"
#include "calc/basics/CalcTask.h"
#include "calc/rules/TaskQuantities.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "look/basics/Typeface.h"
#include "look/screens/CalcHelpPainter.h"
#include "tasks/TaskTable.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
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

// The quantities write their symbols in the symbol font: "á" is ₁, "â" ₂, "ú" ρ.
QString unicodeSymbol(std::u16string_view sigla)
{
    QString symbol = QStringView(sigla).toString();
    symbol.replace(QChar(u'á'), QChar(u'₁')).replace(QChar(u'â'), QChar(u'₂')).replace(QChar(u'ú'), QChar(u'ρ'));
    return symbol;
}

bool askedInSomeVariant(const Quantity& q)
{
    for (int variant = 0; variant < 8; ++variant) {
        if (q.asked.contains(variant))
            return true;
    }
    return false;
}

// A quantity the pupil sees in a box or must find is on the help picture,
// with the unit its box shows.
TEST(CalcFormPictures, HelpExplainsEveryQuantityThePupilMeets)
{
    for (CalcTask task : kAllCalcTasks) {
        const QString code = calcTaskCode(task);
        const QList<CalcHelpPainter::Sign> signs = CalcHelpPainter::signs(code);
        for (const Quantity& q : TaskQuantities::of(task)) {
            if (q.symbol.empty() || (q.box == 0 && !askedInSomeVariant(q)))
                continue;
            const QString symbol = unicodeSymbol(q.symbol);
            const auto sign = std::find_if(signs.begin(), signs.end(),
                                           [&symbol](const CalcHelpPainter::Sign& s) { return s.symbol == symbol; });
            ASSERT_NE(sign, signs.end()) << qPrintable(code + QStringLiteral(": ") + symbol);
            EXPECT_TRUE(sign->units.contains(QStringView(q.unit).toString()))
                << qPrintable(code + QStringLiteral(": ") + symbol + QStringLiteral(" in ") + sign->units.join(", "));
        }
    }
}

} // namespace
