#include "look/Layout.h"
#include "menu/FrmSelect.h"
#include "menu/FrmSetup.h"
#include "menu/TaskForms.h"
#include "results/FrmTabulka.h"
#include "shell/Globals.h"
#include "shell/Misc.h"
#include "shell/PictureButton.h"
#include "shell/ScreenHost.h"
#include "shell/Sounds.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPointer>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

class FrmSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("ORBETA_WINDIR", qgetenv("ORBETA_BUILD_DIR"));
        SetInstantDelays(true);
        host = std::make_unique<ScreenHost>();
        menu = new FrmSelect(host->stage());
        ASSERT_TRUE(menu->load(*host, DisplayChoice::Window, false));
        QObject::connect(menu, &FrmSelect::taskChosen, menu, [this] { FrmSetup::open(menu); });
        globals().PupilName.clear();
    }

    void TearDown() override
    {
        FrmSetup::setPrintDialogRunner({});
        for (TaskFormKind f : {TaskFormKind::Mech1, TaskFormKind::Zobr, TaskFormKind::Dvojice, TaskFormKind::Osa})
            TaskForms::uninstall(f);
        host.reset();
        Sounds::resetCounts();
    }

    // Chooses the task in the menu, as a pupil does.
    FrmSetup* open(const QString& code)
    {
        const TaskRow* task = TaskTable::find(code);
        menu->selectTopic(task->topic);
        menu->chooseTask(task->item);
        return qobject_cast<FrmSetup*>(globals().CurrentForm.data());
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

    static void move(QWidget* w, QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }

    static void press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

    std::unique_ptr<ScreenHost> host;
    FrmSelect* menu = nullptr;
};

// A stand-in task form that records how it was loaded.
struct LoadedTaskForms {
    int loads = 0;
    TaskFormStart start;
    QPageSize::PageSizeId pageSize = QPageSize::Custom;
    int resolution = 0;
    int printerCopies = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPointer<QWidget> last;

    TaskForms::Loader loader()
    {
        return [this](const TaskFormStart& s) {
            ++loads;
            start = s;
            if (s.printer) {
                pageSize = s.printer->pageLayout().pageSize().id();
                resolution = s.printer->resolution();
                printerCopies = s.printer->copyCount();
                orientation = s.printer->pageLayout().orientation();
            }
            auto form = std::make_unique<QWidget>();
            form->setObjectName(QStringLiteral("frm_Mech1"));
            form->setFixedSize(640, 480);
            last = form.get();
            return form;
        };
    }
};

} // namespace

TEST_F(FrmSetupTest, BlankNameKeepsFieldEmptyAndContinueHidden)
{
    FrmSetup* setup = open(QStringLiteral("1a"));
    press(setup->countButton(2));
    type(setup->nameField(), QStringLiteral("   "));
    EXPECT_EQ(setup->nameField()->text(), QString());
    EXPECT_FALSE(setup->continueButton()->isVisible());
    EXPECT_TRUE(setup->printButton()->isVisible());
}

TEST_F(FrmSetupTest, CountBeforeNameShowsPrintThenFirstLetterShowsContinue)
{
    FrmSetup* setup = open(QStringLiteral("2b"));
    EXPECT_FALSE(setup->printButton()->isVisible());
    press(setup->countButton(3));
    EXPECT_EQ(globals().ExampleCount, 8);
    EXPECT_TRUE(setup->printButton()->isVisible());
    EXPECT_FALSE(setup->continueButton()->isVisible());
    type(setup->nameField(), QStringLiteral("E"));
    EXPECT_TRUE(setup->continueButton()->isVisible());
    // The animation ends on the strip's last frame, the finished button.
    EXPECT_EQ(setup->continueButton()->picture().toImage(), menu->animationStrip(1).frame(22).toImage());
}

TEST_F(FrmSetupTest, HistoryCountsAndOneMarkedButton)
{
    FrmSetup* setup = open(QStringLiteral("6a"));
    press(setup->countButton(1));
    press(setup->countButton(5));
    EXPECT_EQ(globals().ExampleCount, 25);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(setup->countButton(i)->isMarked()) << i;
    EXPECT_TRUE(setup->countButton(5)->isMarked());
    EXPECT_EQ(setup->countButton(5)->look(), PictureButton::Look::Chosen);
    EXPECT_EQ(setup->nameField()->x(), Layout::kNameField6.left());
}

TEST_F(FrmSetupTest, NameFieldRefusesWhatTheFilesCannotHold)
{
    FrmSetup* setup = open(QStringLiteral("1a"));
    type(setup->nameField(), QStringLiteral("  Eva|Nová"));
    EXPECT_EQ(setup->nameField()->text(), QStringLiteral("EvaNová"));
    setup->nameField()->insert(QString::fromUtf8("€ 李\t"));
    EXPECT_EQ(setup->nameField()->text(), QString::fromUtf8("EvaNová€ "));
    type(setup->nameField(), QString(60, QLatin1Char('x')));
    EXPECT_EQ(setup->nameField()->text().size(), 50);
}

TEST_F(FrmSetupTest, ContinueLoadsTheTaskFormAndHidesTheSetup)
{
    LoadedTaskForms forms;
    TaskForms::install(TaskFormKind::Mech1, forms.loader());
    FrmSetup* setup = open(QStringLiteral("1c"));
    type(setup->nameField(), QStringLiteral("Ján"));
    press(setup->countButton(1));
    click(setup->continueButton());
    EXPECT_EQ(forms.loads, 1);
    EXPECT_FALSE(forms.start.printMode);
    EXPECT_EQ(globals().PupilName, QStringLiteral("Ján"));
    EXPECT_FALSE(globals().PrintMode);
    EXPECT_EQ(globals().CurrentForm, forms.last.data());
    EXPECT_FALSE(setup->isVisible());
}

TEST_F(FrmSetupTest, ContinueWithoutItsTaskFormDoesNothing)
{
    FrmSetup* setup = open(QStringLiteral("4a"));
    type(setup->nameField(), QStringLiteral("Ján"));
    press(setup->countButton(1));
    click(setup->continueButton());
    EXPECT_EQ(globals().CurrentForm, setup);
    EXPECT_TRUE(setup->isVisible());
}

TEST_F(FrmSetupTest, CancelledPrintDialogChangesNothing)
{
    LoadedTaskForms forms;
    TaskForms::install(TaskFormKind::Mech1, forms.loader());
    int dialogs = 0;
    FrmSetup::setPrintDialogRunner([&dialogs](QPrinter&) {
        ++dialogs;
        return false;
    });
    FrmSetup* setup = open(QStringLiteral("1a"));
    press(setup->countButton(2));
    click(setup->printButton());
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(forms.loads, 0);
    EXPECT_FALSE(globals().PrintMode);
    EXPECT_EQ(globals().CurrentForm, setup);
}

TEST_F(FrmSetupTest, SystemPrintDialogKeepsPrintToFileAndCancelChangesNothing)
{
    LoadedTaskForms forms;
    TaskForms::install(TaskFormKind::Mech1, forms.loader());
    FrmSetup* setup = open(QStringLiteral("3b"));
    press(setup->countButton(2));
    QString title;
    bool printToFile = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintDialog*>(w);
            if (dialog && dialog->isVisible()) {
                title = dialog->windowTitle();
                printToFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
                dialog->reject();
            }
        }
    });
    closer.start(20);
    click(setup->printButton());
    closer.stop();
    EXPECT_EQ(title, QStringLiteral("Tlač zvolenej úlohy:"));
    EXPECT_TRUE(printToFile);
    EXPECT_EQ(forms.loads, 0);
    EXPECT_FALSE(globals().PrintMode);
}

TEST_F(FrmSetupTest, ConfirmedPrintLoadsTheTaskFormInPrintModeOnA4At300Dpi)
{
    LoadedTaskForms forms;
    TaskForms::install(TaskFormKind::Osa, forms.loader());
    FrmSetup::setPrintDialogRunner([](QPrinter& printer) {
        printer.setCopyCount(3);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    });
    FrmSetup* setup = open(QStringLiteral("6c"));
    press(setup->countButton(1));
    click(setup->printButton());
    ASSERT_EQ(forms.loads, 1);
    EXPECT_TRUE(forms.start.printMode);
    EXPECT_TRUE(globals().PrintMode);
    EXPECT_EQ(forms.start.copies, 3);
    EXPECT_EQ(forms.printerCopies, 1);
    EXPECT_EQ(forms.pageSize, QPageSize::A4);
    EXPECT_EQ(forms.orientation, QPageLayout::Landscape);
    EXPECT_EQ(forms.resolution, 300);
    // The form was only loaded to print: it is gone and the setup stays in front.
    EXPECT_TRUE(forms.last.isNull());
    EXPECT_EQ(globals().CurrentForm, setup);
}

TEST_F(FrmSetupTest, HoverPlaysTheEnterSoundOncePerItem)
{
    FrmSetup* setup = open(QStringLiteral("1a"));
    Sounds::resetCounts();
    move(setup->backButton(), QPoint(5, 5));
    move(setup->backButton(), QPoint(8, 6));
    EXPECT_EQ(globals().HoverId, 6);
    EXPECT_EQ(Sounds::requestCount(Sound::Enter), 1);
    EXPECT_EQ(setup->backButton()->look(), PictureButton::Look::Highlighted);

    move(setup->countButton(4), QPoint(5, 5));
    EXPECT_EQ(globals().HoverId, 4);
    EXPECT_EQ(setup->backButton()->look(), PictureButton::Look::Normal);
    EXPECT_EQ(Sounds::requestCount(Sound::Enter), 2);

    move(setup, QPoint(600, 20));
    EXPECT_EQ(globals().HoverId, 0);
    EXPECT_EQ(setup->countButton(4)->look(), PictureButton::Look::Normal);
}

TEST_F(FrmSetupTest, HelpShowsThePictureAndAClickReturns)
{
    FrmSetup* setup = open(QStringLiteral("6b"));
    type(setup->nameField(), QStringLiteral("Eva"));
    click(setup->helpButton());
    QWidget* help = globals().CurrentForm;
    ASSERT_NE(help, setup);
    EXPECT_EQ(help->objectName(), QStringLiteral("frm_Intro"));
    EXPECT_FALSE(setup->isVisible());
    press(help);
    EXPECT_EQ(globals().CurrentForm, setup);
    EXPECT_EQ(setup->nameField()->text(), QStringLiteral("Eva"));
}

TEST_F(FrmSetupTest, BackShowsTheMenuAndUnloadsTheSetup)
{
    QPointer<FrmSetup> setup = open(QStringLiteral("1a"));
    press(setup->backButton());
    EXPECT_EQ(globals().CurrentForm, menu);
    EXPECT_TRUE(menu->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(setup.isNull());
}

TEST_F(FrmSetupTest, AfterASeriesTheResultsTableReturnsToTheSetupWithNameAndCountKept)
{
    QTemporaryDir data;
    globals().DataDir = data.path() + QLatin1Char('/');
    // A task form that ends its series at once, handing over as task forms do.
    TaskForms::install(TaskFormKind::Mech1, [](const TaskFormStart&) {
        auto* table = new FrmTabulka(ScreenHost::instance()->stage());
        table->Vloz_novy_zaznam(globals().PupilName, QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("1"), 1);
        table->Vloz_zaznam_do_souboru_vysledky_dat(globals().PupilName, globals().TopicName, globals().TaskTitle,
                                                   QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("1"));
        table->ReturnForm = ScreenHost::instance()->findForm(QStringLiteral("frm_Setup"));
        ScreenHost::instance()->showForm(table);
        return std::unique_ptr<QWidget>();
    });
    FrmSetup* setup = open(QStringLiteral("1b"));
    type(setup->nameField(), QStringLiteral("Ján"));
    press(setup->countButton(1));
    click(setup->continueButton());
    auto* table = qobject_cast<FrmTabulka*>(globals().CurrentForm.data());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cell(1, 1)->text(), QStringLiteral("Ján"));
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("1b.res"))));

    click(table->backButton());
    EXPECT_EQ(globals().CurrentForm, setup);
    EXPECT_EQ(setup->nameField()->text(), QStringLiteral("Ján"));
    EXPECT_EQ(globals().ExampleCount, 3);
    EXPECT_TRUE(setup->continueButton()->isVisible());
}
