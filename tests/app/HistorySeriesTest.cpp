// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil plays series of the history forms through Qt Test events: with
// the mouse (drags onto rows, slots and boxes) and with the keyboard alone;
// the records land in the ranking and the results log. Also the edges of
// dragging and the short data files.
#include "history/forms/FrmDvojice.h"
#include "history/forms/FrmOsa.h"
#include "history/forms/HistoryBox.h"
#include "look/basics/Layout.h"
#include "screen/ScreenHost.h"
#include "tests/app/TaskSeriesFixture.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

// Drags a box with the mouse, gripped at `grip` (its middle unless given),
// so that the pointer is let go at `target` (form coordinates).
void drag(QWidget& form, HistoryBox* box, QPoint target, std::optional<QPoint> gripAt = std::nullopt)
{
    const QPoint grip = gripAt.value_or(box->rect().center());
    const QPoint delta = target - box->mapTo(&form, grip);
    QTest::mousePress(box, Qt::LeftButton, {}, grip);
    QTest::mouseMove(box, grip + delta);
    QTest::mouseRelease(box, Qt::LeftButton, {}, grip);
}

// Presses `key` until `reached` holds, at most `limit` times.
bool pressUntil(QWidget& form, Qt::Key key, const std::function<bool()>& reached, int limit = 12)
{
    for (int i = 0; i < limit && !reached(); ++i)
        QTest::keyClick(&form, key);
    return reached();
}

// Focuses box `box`, picks it up, moves the target onto `place`, puts it down.
void carry(HistoryForm& form, int box, QPoint place)
{
    ASSERT_TRUE(pressUntil(form, Qt::Key_Down,
                           [&] { return form.box(box)->state() == HistoryPainter::BoxState::Focused; }));
    QTest::keyClick(&form, Qt::Key_Space);
    ASSERT_EQ(form.carried(), box);
    ASSERT_TRUE(pressUntil(form, Qt::Key_Right, [&] { return form.target()->geometry().contains(place); }));
    QTest::keyClick(&form, Qt::Key_Return);
    ASSERT_FALSE(form.carried());
}

QPoint pairRow(int row)
{
    return Layout::kPairBox1.translated(0, Layout::kPairRowStep * (row - 1)).center();
}

class HistorySeriesTest : public test::TaskSeriesFixture {
protected:
    // Puts every box of the screen where it belongs, dragged with the mouse
    // or carried by the keys; an event already under its year stays.
    static void solve(HistoryForm& form, bool keys)
    {
        const auto move = [&](int box, QPoint place) {
            if (keys)
                carry(form, box, place);
            else
                drag(form, form.box(box), place);
        };
        if (auto* pairs = qobject_cast<FrmDvojice*>(&form)) {
            for (int row = 1; row <= pairs->screen().rows(); ++row) {
                const int from = pairs->rowHolding(pairs->screen().left(row).number);
                if (from != row)
                    move(from, pairRow(row));
                ASSERT_TRUE(pairs->screen().rowRight(row));
            }
            return;
        }
        auto& timeline = static_cast<FrmOsa&>(form);
        for (int p = 1; p <= timeline.screen().positions(); ++p) {
            const int b = timeline.boxFor(p);
            if (timeline.screen().kind() == TimelineScreen::Kind::Persons || b != p)
                move(b, timeline.positionPoint(p));
            ASSERT_TRUE(timeline.screen().positionRight(p));
        }
    }
};

} // namespace

// Every task played to its record with the mouse and with the keys alone:
// the pairs in screens of ten and a last one of five, the timelines in screens of five.
TEST_F(HistorySeriesTest, EverySeriesIsPlayedToItsRecordWithTheMouseAndWithTheKeys)
{
    struct Run {
        const char* code;
        int count;
        bool keys;
    };
    for (const Run& run : {Run{"6a", 25, false}, Run{"6b", 25, false}, Run{"6c", 25, false}, Run{"6a", 15, true},
                           Run{"6b", 10, true}, Run{"6c", 10, true}}) {
        const QString code = QString::fromLatin1(run.code);
        const bool pairs = code == QLatin1String("6a");
        SCOPED_TRACE(code.toStdString() + (run.keys ? " by keys" : " by mouse"));
        QFile::remove(data.filePath(code + QStringLiteral(".res"))); // the run's record the ranking's only one
        HistoryForm* form = pairs ? static_cast<HistoryForm*>(openPairs(run.count, 9)) : openTimeline(code, run.count, 9);
        QPointer<HistoryForm> alive(form);
        for (int done = 0; done < run.count;) {
            ASSERT_TRUE(alive);
            const int items = std::min(run.count - done, pairs ? 10 : 5);
            ASSERT_EQ(form->screenItems(), items);
            EXPECT_EQ(form->screenNumber(), done / (pairs ? 10 : 5) + 1);
            if (pairs) {
                EXPECT_EQ(static_cast<FrmDvojice*>(form)->leftLabel(6)->isVisible(), items == 10);
            }
            solve(*form, run.keys);
            if (run.keys)
                QTest::keyClick(form, Qt::Key_F3);
            else
                QTest::mouseClick(form->topButton(1), Qt::LeftButton);
            done += items;
            EXPECT_EQ(form->series().correct(), done);
            EXPECT_EQ(form->series().wrong(), 0);
            if (run.keys)
                QTest::keyClick(form, Qt::Key_Return);
            else
                QTest::mouseClick(form->continueButton(), Qt::LeftButton);
        }
        expectRecorded(code, run.count, 0);
    }
}

TEST_F(HistorySeriesTest, PairDropsOutsideTheRowsSnapBackAndNothingMovesAfterTheEvaluation)
{
    FrmDvojice* form = openPairs(10);
    const QString before = form->box(1)->text();
    const QRect home = form->box(1)->geometry();
    for (QPoint outside : {pairRow(1) + QPoint(0, 16), QPoint(200, 300)}) {
        drag(*form, form->box(1), outside);
        EXPECT_EQ(form->box(1)->geometry(), home);
        EXPECT_EQ(form->box(1)->text(), before);
    }
    drag(*form, form->box(1), pairRow(2));
    EXPECT_EQ(form->box(2)->text(), before);
    QTest::mouseClick(form->topButton(1), Qt::LeftButton);
    const QString second = form->box(2)->text();
    drag(*form, form->box(2), pairRow(3));
    EXPECT_EQ(form->box(2)->text(), second);
    EXPECT_EQ(form->box(2)->geometry(), home.translated(0, Layout::kPairRowStep));
}

// An event hangs where its box visibly stands: slid along its row until its
// dashed line's end stands under the year, gripped in the middle or near
// its left end alike; dragged up, it stops below the years.
TEST_F(HistorySeriesTest, AnEventHangsUnderTheYearItsBoxStandsUnder)
{
    for (bool leftEnd : {false, true}) {
        SCOPED_TRACE(leftEnd ? "gripped at the left end" : "gripped in the middle");
        FrmOsa* form = openTimeline(QStringLiteral("6c"), 5, 3);
        for (int p = 1; p <= 5; ++p) {
            const int b = form->boxFor(p);
            if (b == p)
                continue;
            HistoryBox* box = form->box(b);
            const QPoint grip = leftEnd ? QPoint(6, box->height() / 2) : box->rect().center();
            const QRect year = Layout::kEventYear1.translated(Layout::kEventBoxStepX * (p - 1), 0);
            const int shift = year.center().x() - FrmOsa::eventMarker(box->geometry()).x();
            drag(*form, box, box->mapTo(form, grip) + QPoint(shift, 0), grip);
            EXPECT_TRUE(form->screen().positionRight(p)) << p;
        }
        for (int p = 1; p <= 5; ++p)
            EXPECT_TRUE(form->screen().positionRight(p)) << p;

        HistoryBox* box = form->box(1);
        const QPoint grip = box->rect().center();
        QTest::mousePress(box, Qt::LeftButton, {}, grip);
        QTest::mouseMove(box, grip - QPoint(0, 120));
        EXPECT_GT(box->y(), form->topLabel(1)->geometry().bottom());
        QTest::mouseRelease(box, Qt::LeftButton, {}, box->mapFrom(form, box->pos()));
        // The years stand apart, the widest of them a good gap from its neighbours.
        const int ticks = form->topLabel(2)->geometry().center().x() - form->topLabel(1)->geometry().center().x();
        EXPECT_GE(ticks - QFontMetrics(form->topLabel(1)->font()).horizontalAdvance(QStringLiteral("1888")), 10);
        host.unloadForm(form);
    }
}

TEST_F(HistorySeriesTest, PersonsFillSlotsAndAFilledSlotSendsTheNameBack)
{
    FrmOsa* form = openTimeline(QStringLiteral("6b"), 5);
    const QRect home = form->box(1)->geometry();
    drag(*form, form->box(1), form->positionPoint(2));
    EXPECT_FALSE(form->box(1)->isVisible());
    EXPECT_EQ(form->slot(2)->text(), form->screen().boxText(1));
    drag(*form, form->box(3), form->positionPoint(2)); // filled: the box goes home
    EXPECT_TRUE(form->box(3)->isVisible());
    EXPECT_EQ(form->slot(2)->text(), form->screen().boxText(1));
    QTest::mousePress(form->slot(2), Qt::LeftButton, {}, form->slot(2)->rect().center());
    EXPECT_TRUE(form->slot(2)->text().isEmpty());
    EXPECT_TRUE(form->box(1)->isVisible());
    EXPECT_EQ(form->box(1)->geometry(), home);
    EXPECT_NE(form->box(1)->state(), HistoryPainter::BoxState::Lifted);
}

TEST_F(HistorySeriesTest, EscapePutsACarriedBoxBackAndSpaceOpensTheHintOfAFramedCross)
{
    FrmDvojice* form = openPairs(10);
    const QString first = form->box(1)->text();
    QTest::keyClick(form, Qt::Key_Space);
    QTest::keyClick(form, Qt::Key_Down);
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(form->carried());
    EXPECT_EQ(form->box(1)->text(), first);
    // Nothing moved: every row is wrong. One focus, one frame: on continue,
    // no frame on a cross.
    QTest::keyClick(form, Qt::Key_F3);
    ASSERT_EQ(form->series().wrong(), 10);
    ASSERT_EQ(focus(), form->continueButton());
    EXPECT_FALSE(form->target()->isVisible());
    // Tab reaches the crosses, the frame walks over them, Space opens the framed one.
    for (int i = 0; i < 20 && focus() != form; ++i)
        QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_EQ(focus(), form);
    EXPECT_TRUE(form->target()->isVisible());
    QTest::keyClick(form, Qt::Key_Down);
    QTest::keyClick(form, Qt::Key_Down);
    EXPECT_TRUE(form->target()->geometry().contains(form->mark(3)->geometry()));
    QTest::keyClick(form, Qt::Key_Space);
    ASSERT_TRUE(form->hintWindow());
    EXPECT_EQ(form->hintWindow()->findChild<QLabel*>()->text(), form->screen().hint(3));
    // Tab past the last cross goes on to the toolbar, taking the frame along.
    QTest::keyClick(form, Qt::Key_Escape);
    QTest::keyClick(form, Qt::Key_Up);
    QTest::keyClick(form, Qt::Key_Up);
    QTest::keyClick(form, Qt::Key_Up);
    QTest::keyClick(form, Qt::Key_Tab);
    EXPECT_EQ(focus(), form->topButton(4));
    EXPECT_FALSE(form->target()->isVisible());
}

// All right, nothing to frame: Tab goes round the controls there are and
// never onto the form.
TEST_F(HistorySeriesTest, AfterARightCheckTabGoesRoundTheControls)
{
    FrmOsa* form = openTimeline(QStringLiteral("6c"), 5);
    solve(*form, false);
    QTest::keyClick(form, Qt::Key_F3);
    ASSERT_EQ(form->series().wrong(), 0);
    ASSERT_EQ(focus(), form->continueButton());
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(focus(), form->topButton(4));
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(focus(), form->continueButton());
    QTest::keyClick(focus(), Qt::Key_Backtab);
    EXPECT_EQ(focus(), form->topButton(4));
}

// Five pairs cannot fill a screen of ten but make the half screen of a
// series of five; which lengths play is HistoryDeck's.
TEST_F(HistorySeriesTest, ShortDataFilesAreNamedInsteadOfPlayed)
{
    QStringList lines;
    for (int i = 1; i <= 5; ++i)
        lines << QStringLiteral("%1#Fyzik %1#objav %1#").arg(i);
    writeData(QStringLiteral("6a.dat"), lines, 1);
    choose(QStringLiteral("6a"), 10);
    EXPECT_FALSE(FrmDvojice::open(services, results, series, 1, &setup, host.stage()));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages.front().contains(QDir::toNativeSeparators(data.filePath(QStringLiteral("6a.dat")))));
    choose(QStringLiteral("6a"), 5);
    EXPECT_TRUE(FrmDvojice::open(services, results, series, 1, &setup, host.stage()));
}

// After the check every mark stands whole inside the panel, clear of the
// continue button, and a cross's hint leaves continue free; on "6a" and "6c"
// it covers no other row's value and its tail touches its own mark.
TEST_F(HistorySeriesTest, MarksAndHintsLeaveEveryControlFree)
{
    // The value of row or position `item` after the check, where the box rests.
    auto valueRect = [](const char* code, int item) {
        if (QLatin1String(code) == QLatin1String("6a"))
            return Layout::kPairBox1.translated(0, Layout::kPairRowStep * (item - 1));
        return Layout::kEventBox1.translated(Layout::kEventBoxStepX * (item - 1), Layout::kEventBoxStepY * (item - 1));
    };
    const QRect panel(6, 0, ScreenHost::kDesignWidth - 12, ScreenHost::kDesignHeight);
    for (const char* code : {"6a", "6b", "6c"}) {
        SCOPED_TRACE(code);
        HistoryForm* form = nullptr;
        if (QLatin1String(code) == QLatin1String("6a"))
            form = openPairs(10);
        else
            form = openTimeline(QString::fromLatin1(code), 5);
        QTest::keyClick(form, Qt::Key_F3);
        const QRect continueRect = form->continueButton()->geometry();
        for (int item = 1; item <= form->screenItems(); ++item) {
            const QRect mark = form->mark(item)->geometry();
            EXPECT_TRUE(panel.contains(mark)) << item;
            EXPECT_FALSE(mark.intersects(continueRect)) << item;
            if (form->mark(item)->isEnabled()) {
                QTest::mousePress(form->mark(item), Qt::LeftButton);
                ASSERT_TRUE(form->hintWindow());
                const QRect hint = form->hintWindow()->geometry();
                if (QLatin1String(code) == QLatin1String("6b"))
                    continue;
                for (int other = 1; other <= form->screenItems(); ++other) {
                    if (other != item) {
                        EXPECT_FALSE(hint.intersects(valueRect(code, other))) << item << " covers " << other;
                    }
                }
                // The tail is the bubble's right end, half way down.
                EXPECT_EQ(hint.right() + 1, mark.left()) << item;
                EXPECT_TRUE(mark.contains(QPoint(mark.center().x(), hint.center().y()))) << item;
            }
        }
        host.unloadForm(form);
    }
}
