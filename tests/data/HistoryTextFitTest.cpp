// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of the history files fits the place the forms show it in,
// measured with the real font at the size the forms draw it.
#include "history/items/HistoryFile.h"
#include "look/basics/Layout.h"
#include "look/basics/Typeface.h"
#include "look/screens/HistoryPainter.h"
#include "tests/support/FileBytes.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace orbeta;
using test_support::installedData;

namespace {

// One line of the given width.
void expectLine(const QString& text, int pixelSize, bool bold, int width)
{
    const QFontMetrics metrics(Typeface::font(pixelSize, bold));
    EXPECT_LE(metrics.horizontalAdvance(text), width) << text.toStdString();
}

} // namespace

TEST(HistoryTexts, EveryTextFitsItsPlace)
{
    Typeface::loadFonts();
    const auto pairs = HistoryFile::readPairs(installedData(QStringLiteral("6a.dat")), QStringLiteral("6a.dat"));
    ASSERT_TRUE(pairs.ok());
    for (const PairItem& item : pairs.value()) {
        expectLine(item.left, HistoryPainter::kPairLeftPx, true, Layout::kPairLeft1.width());
        expectLine(item.right, HistoryPainter::kPairBoxPx, false, HistoryPainter::textWidth(Layout::kPairBox1.width()));
    }
    const auto persons = HistoryFile::readPersons(installedData(QStringLiteral("6b.dat")), QStringLiteral("6b.dat"));
    ASSERT_TRUE(persons.ok());
    const QFontMetrics slotFont(Typeface::font(HistoryPainter::kSlotPx, true));
    const int slotWidth = Layout::kPersonSlot1.width() - 3 - 2 * HistoryPainter::kSlotTextMargin;
    for (const PersonItem& item : persons.value()) {
        expectLine(item.name, HistoryPainter::kTimelineBoxPx, false, HistoryPainter::textWidth(Layout::kPersonBox1.width()));
        expectLine(item.lifeSpan(), HistoryPainter::kTopPx, true, Layout::kPersonSlot1.width());
        // In a slot the name may take two lines, and no word is cut.
        const QRect room(0, 0, slotWidth, 1000);
        const QRect used = slotFont.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, item.name);
        EXPECT_LE(used.width(), slotWidth) << item.name.toStdString();
        EXPECT_LE(used.height(), Layout::kPersonSlot1.height() - 5) << item.name.toStdString();
    }
    const auto events = HistoryFile::readEvents(installedData(QStringLiteral("6c.dat")), QStringLiteral("6c.dat"));
    ASSERT_TRUE(events.ok());
    for (const EventItem& item : events.value()) {
        expectLine(item.text, HistoryPainter::kTimelineBoxPx, false, HistoryPainter::textWidth(Layout::kEventBox1.width()));
        expectLine(QString::number(item.year), HistoryPainter::kTopPx, true, Layout::kEventYear1.width());
    }
}
