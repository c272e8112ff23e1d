// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ray constructions of a worksheet: the same examples as the command
// line gives for the seed, and scenes that stay in their slots on the page.
#include "calc/basics/RandomSource.h"
#include "print/contents/OpticsWorksheet.h"
#include "print/page/PrintPage.h"
#include "print/page/PrintWorksheet.h"
#include "print/plan/WorksheetPlan.h"
#include "tests/optics/OpticsTestScenes.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace orbeta;
using namespace orbeta::print;

namespace {

QString dataDir()
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd");
}

std::unique_ptr<OpticsWorksheet> loadSheet(const TaskRow& task, int count, std::uint64_t seed, bool answers)
{
    WorksheetRequest request;
    request.task = &task;
    request.count = count;
    request.seed = seed;
    request.answers = answers;
    auto content = OpticsWorksheet::load(request, dataDir());
    EXPECT_TRUE(content.ok());
    return std::unique_ptr<OpticsWorksheet>(static_cast<OpticsWorksheet*>(content.value().release()));
}

// The part of the page that is not white, in millimetres.
QRectF inkedMm(const QImage& image, double dotsPerMm)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) > 250)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRectF(left / dotsPerMm, top / dotsPerMm, (right + 1 - left) / dotsPerMm, (bottom + 1 - top) / dotsPerMm);
}

} // namespace

TEST(OpticsWorksheet, ExampleKIsTheGeneratorsExampleFromSeedPlusKWithTheKindsAlternating)
{
    for (const char* code : {"4a", "4b"}) {
        const TaskRow& task = *TaskTable::find(QString::fromLatin1(code));
        const OpticsTask optics = *opticsTaskFromCode(QString::fromLatin1(code));
        const std::uint64_t seed = 987654321;
        const auto sheet = loadSheet(task, 15, seed, false);
        ASSERT_EQ(sheet->sheet().count(), 15);
        OpticsGenerator generator = optics == OpticsTask::Mirror ? OpticsGenerator(test::shippedMirrors())
                                                                 : OpticsGenerator(test::shippedLenses());
        for (int k = 0; k < 15; ++k) {
            RandomSource rnd(seed + std::uint64_t(k));
            const OpticsExample expected = generator.GenerateExample([&rnd] { return rnd.Rnd(); }).value();
            const OpticsExample& e = sheet->sheet().example(k);
            SCOPED_TRACE(std::string(code) + " example " + std::to_string(k));
            EXPECT_EQ(e.kind, expected.kind);
            EXPECT_EQ(e.sceneIndex, expected.sceneIndex);
            EXPECT_EQ(e.objectTop, expected.objectTop);
            EXPECT_EQ(e.objectBase, expected.objectBase);
            EXPECT_EQ(e.image, expected.image);
            if (k > 0) {
                EXPECT_NE(e.kind, sheet->sheet().example(k - 1).kind);
            }
        }
    }
}

// Every slot's scene, the key's construction included, is drawn inside its
// slot band and the page's printable part between the header and the footer.
TEST(OpticsWorksheet, ScenesStayInsideTheirSlotsAndThePage)
{
    constexpr int kDotsPerInch = 60;
    for (const char* code : {"4a", "4b"}) {
        const TaskRow& task = *TaskTable::find(QString::fromLatin1(code));
        const WorksheetPlan plan(task, 3);
        for (std::uint64_t seed : {1u, 2u, 77u}) {
            const auto sheet = loadSheet(task, 3, seed, true);
            for (const SlotPlace& place : plan.slotsOn(1)) {
                QImage image(qRound(PrintPage::kWidthMm / 25.4 * kDotsPerInch),
                             qRound(PrintPage::kHeightMm / 25.4 * kDotsPerInch), QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                PrintPage page(painter, QSizeF(image.size()));
                const QRectF area = PrintWorksheet::slotAreaMm(page, task, place.slot);
                page.setSlotArea(area);
                sheet->Vygeneruj_Tisk(page, place.topMm, place.firstItem);
                painter.end();
                // The example's number left of the scene; the scene without it.
                const double dots = page.dotsPerMm();
                const QRect number(0, int(area.top() * dots), int(14 * dots), int(7 * dots));
                EXPECT_FALSE(inkedMm(image.copy(number), dots).isEmpty());
                painter.begin(&image);
                painter.fillRect(number, Qt::white);
                painter.end();
                const QRectF inked = inkedMm(image, dots);
                SCOPED_TRACE(std::string(code) + " slot " + std::to_string(place.slot));
                ASSERT_FALSE(inked.isEmpty());
                EXPECT_GE(inked.top(), area.top() - 0.5);
                EXPECT_LE(inked.bottom(), area.bottom() + 0.5);
                EXPECT_GE(inked.top(), 25);
                EXPECT_LE(inked.bottom(), 282);
                EXPECT_GE(inked.left(), 0);
                EXPECT_LE(inked.right(), PrintPage::kWidthMm);
                // Centred across the slot: the optical axis runs nearly the scene's whole width.
                EXPECT_NEAR(inked.left() - area.left(), area.right() - inked.right(), 5.0);
            }
        }
    }
}
