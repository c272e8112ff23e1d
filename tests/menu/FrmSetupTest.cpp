// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/WorksheetPrintSetup.h"
#include "screen/AnimationStrip.h"
#include "screen/PictureButton.h"
#include "tasks/TaskTable.h"
#include "tests/menu/MenuFixture.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPageLayout>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

class FrmSetupTest : public test::MenuFixture {
protected:
    // Chooses the task in the menu, as a pupil does.
    FrmSetup* open(const QString& code)
    {
        const TaskRow* task = TaskTable::find(code);
        menu->selectTopic(task->topic);
        menu->chooseTask(task->item);
        return qobject_cast<FrmSetup*>(host->currentForm());
    }

    // Types like a keyboard, letters with diacritics included.
    static void type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &release);
        }
    }

    static void press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
};

// A stand-in task form that counts its openings and records how it was printed.
struct StandInTaskForms {
    int opens = 0;
    QString printedCode;
    int frames = 0;
    int copies = 0;
    QPageSize::PageSizeId pageSize = QPageSize::Custom;
    int resolution = 0;
    int printerCopies = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    void install(TaskForms& forms, TaskFormKind kind)
    {
        forms.add(kind, {[this](const SeriesSetup&) {
                             ++opens;
                             return std::make_unique<QWidget>();
                         }});
        forms.setPrinting([this](const SeriesSetup& setup, QPrinter& printer, int copyCount) {
            ++frames;
            printedCode = setup.taskCode;
            copies = copyCount;
            pageSize = printer.pageLayout().pageSize().id();
            resolution = printer.resolution();
            printerCopies = printer.copyCount();
            orientation = printer.pageLayout().orientation();
            return true;
        });
    }
};

} // namespace

// A count before a name shows only the print button; the first letter kept
// by the name field shows the continue button, which ends on its finished frame.
TEST_F(FrmSetupTest, CountThenNameShowsPrintThenContinue)
{
    FrmSetup* setup = open(QStringLiteral("2b"));
    EXPECT_FALSE(setup->printButton()->isVisible());
    press(setup->countButton(3));
    EXPECT_EQ(setup->setup().exampleCount, 8);
    type(setup->nameField(), QStringLiteral("   "));
    finishAnimations(setup);
    EXPECT_EQ(setup->nameField()->text(), QString());
    EXPECT_TRUE(setup->printButton()->isVisible());
    EXPECT_FALSE(setup->continueButton()->isVisible());
    type(setup->nameField(), QStringLiteral("E"));
    EXPECT_TRUE(setup->continueButton()->isVisible());
    finishAnimations(setup);
    EXPECT_FALSE(setup->animating());
    EXPECT_EQ(setup->continueButton()->picture().toImage(), menu->animationStrip(1).frame(22).toImage());
}

// The buttons appear 100 ms after the count is chosen, the continue button's
// 23 frames 15 ms apart, then the print button's.
TEST_F(FrmSetupTest, ButtonsSlideInOneAfterTheOtherOnTheClock)
{
    FrmSetup* setup = open(QStringLiteral("1a"));
    type(setup->nameField(), QStringLiteral("Eva"));
    const std::uint32_t chosen = services.tickCount();
    press(setup->countButton(1));
    const auto at = [&](std::uint32_t ms) { setup->animate(chosen + ms); };
    const auto shows = [](PictureButton* button, const AnimationStrip& strip, int frame) {
        return button->picture().toImage() == strip.frame(frame).toImage();
    };
    at(99);
    EXPECT_FALSE(setup->continueButton()->isVisible());
    at(100);
    EXPECT_TRUE(setup->continueButton()->isVisible());
    EXPECT_TRUE(shows(setup->continueButton(), menu->animationStrip(1), 0));
    EXPECT_FALSE(setup->printButton()->isVisible());
    at(100 + 15 * 7 + 3);
    EXPECT_TRUE(shows(setup->continueButton(), menu->animationStrip(1), 7));
    at(100 + 23 * 15 - 1);
    EXPECT_FALSE(setup->printButton()->isVisible());
    at(100 + 23 * 15);
    EXPECT_TRUE(shows(setup->continueButton(), menu->animationStrip(1), 22));
    EXPECT_TRUE(setup->printButton()->isVisible());
    EXPECT_TRUE(shows(setup->printButton(), menu->animationStrip(2), 0));
    at(100 + 46 * 15);
    EXPECT_TRUE(shows(setup->printButton(), menu->animationStrip(2), 22));
    EXPECT_FALSE(setup->animating());
}

TEST_F(FrmSetupTest, HistoryCountsMarkOneButtonAndTheNameFieldRefusesWhatTheFilesCannotHold)
{
    FrmSetup* setup = open(QStringLiteral("6a"));
    press(setup->countButton(1));
    press(setup->countButton(5));
    EXPECT_EQ(setup->setup().exampleCount, 25);
    EXPECT_FALSE(setup->countButton(1)->isMarked());
    EXPECT_EQ(setup->countButton(5)->look(), PictureButton::Look::Chosen);

    type(setup->nameField(), QStringLiteral("  Eva|Nová"));
    EXPECT_EQ(setup->nameField()->text(), QStringLiteral("EvaNová"));
    setup->nameField()->insert(QString::fromUtf8("€ 李\t"));
    EXPECT_EQ(setup->nameField()->text(), QString::fromUtf8("EvaNová€ "));
}

TEST_F(FrmSetupTest, ContinueWithoutItsTaskFormDoesNothing)
{
    FrmSetup* setup = open(QStringLiteral("4a"));
    type(setup->nameField(), QStringLiteral("Ján"));
    press(setup->countButton(1));
    finishAnimations(setup);
    click(setup->continueButton());
    EXPECT_EQ(host->currentForm(), setup);
    EXPECT_TRUE(setup->isVisible());
}

// The dialog proposes a file named after the task and the date; cancelled it
// prints nothing, confirmed it prints the copies as worksheets on A4 at
// 300 dpi, whatever the pupil picked, and opens no form.
TEST_F(FrmSetupTest, PrintDialogCancelledOrConfirmed)
{
    StandInTaskForms forms;
    forms.install(taskForms, TaskFormKind::Osa);
    bool confirm = false;
    QString proposed;
    services.printDialog = [&confirm, &proposed](QPrinter& printer) {
        proposed = printer.outputFileName();
        printer.setCopyCount(3);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return confirm;
    };
    FrmSetup* setup = open(QStringLiteral("6c"));
    press(setup->countButton(1));
    finishAnimations(setup);
    click(setup->printButton());
    EXPECT_EQ(forms.frames, 0);
    EXPECT_EQ(proposed, WorksheetPrintSetup::proposedFileName(
                            WorksheetPrintSetup::proposedFolder(
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                QStandardPaths::writableLocation(QStandardPaths::HomeLocation)),
                            QStringLiteral("6c"), services.now().date()));

    confirm = true;
    click(setup->printButton());
    ASSERT_EQ(forms.frames, 1);
    EXPECT_EQ(forms.printedCode, QStringLiteral("6c"));
    EXPECT_EQ(forms.copies, 3);
    EXPECT_EQ(forms.printerCopies, 1);
    EXPECT_EQ(forms.pageSize, QPageSize::A4);
    EXPECT_EQ(forms.orientation, QPageLayout::Landscape);
    EXPECT_EQ(forms.resolution, 300);
    EXPECT_EQ(forms.opens, 0);
    EXPECT_EQ(host->currentForm(), setup);
}

// Printing to a file proposes the documents folder and a name from the task
// and the date; a new account without a documents folder gets its home.
TEST(WorksheetPrintSetup, ProposesTheTaskAndTheDateInTheDocumentsFolder)
{
    EXPECT_EQ(WorksheetPrintSetup::proposedFileName(QStringLiteral("/home/jana/Dokumenty"), QStringLiteral("1a"),
                                                    QDate(2026, 3, 6)),
              QStringLiteral("/home/jana/Dokumenty/pracovny-list-1a-2026-03-06.pdf"));
    QTemporaryDir home;
    const QString documents = home.filePath(QStringLiteral("Dokumenty"));
    EXPECT_EQ(WorksheetPrintSetup::proposedFolder(documents, home.path()), home.path());
    EXPECT_EQ(WorksheetPrintSetup::proposedFolder(QString(), home.path()), home.path());
    ASSERT_TRUE(QDir().mkdir(documents));
    EXPECT_EQ(WorksheetPrintSetup::proposedFolder(documents, home.path()), documents);
}

// "Späť" pressed at any moment of the buttons' appearing, on the real clock
// and the form's own timer: the form is unloaded and nothing runs on in it.
TEST_F(FrmSetupTest, BackWhileTheButtonsSlideIn)
{
    FakeServices realClock;
    for (const int backAfter : {0, 50, 150, 400, 700}) {
        SCOPED_TRACE(backAfter);
        QPointer<FrmSetup> setup = FrmSetup::open(realClock, taskForms, *menu, menu->chosenTaskCode());
        type(setup->nameField(), QStringLiteral("Eva"));
        QTimer::singleShot(backAfter, menu, [&] {
            if (setup)
                press(setup->backButton());
        });
        press(setup->countButton(2));
        // However late a loaded machine delivers the press, the form goes.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return setup.isNull();
            },
            10000));
        QTest::qWait(50);
        EXPECT_EQ(host->currentForm(), menu);
    }
}
