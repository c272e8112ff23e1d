// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/contents/CalcWorksheet.h"

#include "calc/data/CalcTaskFiles.h"
#include "print/page/PrintPage.h"
#include "print/page/PrintWorksheet.h"
#include "print/page/WorksheetDocument.h"
#include "print/plan/CalcWorksheetLines.h"
#include "print/plan/WorksheetPlan.h"
#include "tests/support/PdfText.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>

namespace orbeta::print {
namespace {

constexpr double kDotsPerMm = 4;

QString buildDir()
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR");
}

WorksheetRequest request(const char* code, std::uint64_t seed, bool answers = false)
{
    PrintPage::loadFonts(buildDir() + QStringLiteral("/cd/Data/Sigla.ttf"));
    WorksheetRequest r;
    r.task = TaskTable::find(QString::fromLatin1(code));
    r.count = 3;
    r.seed = seed;
    r.date = QDate(2026, 12, 6);
    r.answers = answers;
    return r;
}

std::unique_ptr<WorksheetContent> load(const WorksheetRequest& r)
{
    auto content = CalcWorksheet::load(r, buildDir() + QStringLiteral("/hd/"));
    EXPECT_TRUE(content.ok()) << (content ? std::string() : content.error().message().toStdString());
    return content ? std::move(content.value()) : nullptr;
}

// One slot on an A4 page that sits in a wider white picture, so that
// anything drawn beside the paper shows.
QImage slotPicture(WorksheetContent& content, const TaskRow& task, int slot, int firstItem)
{
    const QSizeF a4(PrintPage::kWidthMm * kDotsPerMm, PrintPage::kHeightMm * kDotsPerMm);
    QImage image(int(a4.width() + 40 * kDotsPerMm), int(a4.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PrintPage page(painter, a4);
    page.setSlotArea(PrintWorksheet::slotAreaMm(page, task, slot));
    content.Vygeneruj_Tisk(page, WorksheetPlan(task, 1).slotTop(slot), firstItem);
    return image;
}

// The rows (in millimetres) with anything but white in columns [left, right).
std::pair<double, double> inkRows(const QImage& image, double leftMm, double rightMm)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = int(leftMm * kDotsPerMm); x < std::min(image.width(), int(rightMm * kDotsPerMm)); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return {first / kDotsPerMm, last / kDotsPerMm};
}

// The first seed from 3 whose first example offers the rows of the density table.
std::uint64_t tableSeed(const char* code)
{
    const CalcTask task = *calcTaskFromCode(QString::fromLatin1(code));
    const auto files = CalcTaskFiles::read(task, buildDir() + QStringLiteral("/hd/"));
    EXPECT_TRUE(files.ok());
    std::uint64_t seed = 3;
    while (files.ok() && seed < 100 && !CalcWorksheetLines::example(task, files.value().numbers, seed).offersRows())
        ++seed;
    return seed;
}

// A slot draws its scene and its lines above those of the next slot, and
// nothing beside the paper; the four rows a density example offers too.
TEST(CalcWorksheet, SlotsStayApartAndOnThePaper)
{
    const std::pair<const char*, std::uint64_t> cases[] = {
        {"1a", 3}, {"1a", tableSeed("1a")}, {"1b", tableSeed("1b")}, {"1c", 3},
        {"1d", 3}, {"2e", 3}, {"3b", 3}, {"5e", 3}};
    for (const auto& [code, seed] : cases) {
        SCOPED_TRACE(testing::Message() << code << " seed " << seed);
        for (bool answers : {false, true}) {
            const WorksheetRequest r = request(code, seed, answers);
            const auto content = load(r);
            ASSERT_TRUE(content);
            const int step = r.task->sheet.slotStep;
            const int top = step + r.task->sheet.slotOffset;
            const QImage first = slotPicture(*content, *r.task, 1, 0);
            const QImage second = slotPicture(*content, *r.task, 2, 1);
            const double column = CalcWorksheetLines::columns(*calcTaskFromCode(QString::fromLatin1(code))).textMm;
            for (const auto& [left, right] : {std::pair(0.0, column), std::pair(column, PrintPage::kWidthMm)}) {
                const auto above = inkRows(first, left, right);
                const auto below = inkRows(second, left, right);
                EXPECT_GE(above.first, 0);
                EXPECT_LT(above.second, below.first);
                EXPECT_LT(above.first, top + step);
            }
            EXPECT_LT(inkRows(first, PrintPage::kWidthMm, PrintPage::kWidthMm + 40).first, 0);
        }
    }
}

// A slot's picture without the example's number, which counts on the sheet
// ("3." on the third example) above the text column.
QImage withoutNumber(QImage image, const TaskRow& task, int slot)
{
    QPainter painter(&image);
    PrintPage page(painter, QSizeF(PrintPage::kWidthMm * kDotsPerMm, PrintPage::kHeightMm * kDotsPerMm));
    const QRectF area = PrintWorksheet::slotAreaMm(page, task, slot);
    const double column = CalcWorksheetLines::columns(*calcTaskFromCode(QString::fromUtf8(task.code))).textMm;
    painter.fillRect(QRectF(column * kDotsPerMm, area.top() * kDotsPerMm, 12 * kDotsPerMm, 6 * kDotsPerMm),
                     Qt::white);
    return image;
}

TEST(CalcWorksheet, SlotKDrawsTheExampleOfSeedPlusK)
{
    const auto sheet = load(request("2b", 500));
    const auto shifted = load(request("2b", 502));
    ASSERT_TRUE(sheet && shifted);
    const TaskRow& task = *TaskTable::find(QStringLiteral("2b"));
    EXPECT_EQ(withoutNumber(slotPicture(*sheet, task, 2, 2), task, 2),
              withoutNumber(slotPicture(*shifted, task, 2, 0), task, 2));
    EXPECT_NE(slotPicture(*sheet, task, 2, 2), slotPicture(*shifted, task, 2, 0));
    EXPECT_NE(withoutNumber(slotPicture(*sheet, task, 2, 1), task, 2),
              withoutNumber(slotPicture(*shifted, task, 2, 0), task, 2));
}

TEST(CalcWorksheet, MissingDataIsAnError)
{
    QTemporaryDir empty;
    for (const char* code : {"1a", "1d"})
        EXPECT_FALSE(CalcWorksheet::load(request(code, 1), empty.path()).ok()) << code;
    EXPECT_TRUE(CalcWorksheet::load(request("5a", 1), empty.path()).ok());
}

// The PDF's text says what the page shows, not the symbol font's stand-ins.
TEST(CalcWorksheet, PdfTextReadsTheRealSymbols)
{
    if (!test_support::pdfToolsInstalled())
        GTEST_SKIP() << "poppler-utils are not installed";
    const auto textOf = [](const char* code) {
        const WorksheetRequest r = request(code, 11, true);
        const auto content = load(r);
        return content ? test_support::pdfTextOf(WorksheetDocument::pdf(r, *content), false) : QString();
    };
    const QString density = textOf("1a");
    EXPECT_TRUE(density.contains(QStringLiteral("m₁ = "))) << density.toStdString();
    EXPECT_FALSE(density.contains(QStringLiteral("má")));
    EXPECT_TRUE(textOf("5a").contains(QStringLiteral("Ω")));
    EXPECT_TRUE(textOf("3a").contains(QStringLiteral("kJ·kg⁻¹·°C⁻¹")));
}

} // namespace
} // namespace orbeta::print
