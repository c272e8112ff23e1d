// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/data/RankingFile.h"
#include "results/forms/FrmTabulka.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyPath.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace orbeta;
using test_support::readBytes;

namespace {

class FrmTabulkaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(data.isValid());
        resultsDir = data.path() + QLatin1Char('/');
        services.resources() = Resources(Installation{
            .resourceDir = qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/cd/"),
            .dataDir = resultsDir,
            .resultsDir = resultsDir,
        });
        series.taskCode = QStringLiteral("2c");
        series.exampleCount = 10;
    }

    void TearDown() override { readOnly.clear(); }

    // `count` earlier series with marks 1, 1, 2, 2, 3, 3, ... and 10 - i correct.
    void writeRanking(int count)
    {
        QList<results::RankingRecord> records;
        for (int i = 0; i < count; ++i)
            records.append({QStringLiteral("Žiak %1").arg(i + 1), std::int16_t(10 - i / 2), std::int16_t(i / 2),
                            std::int16_t(1 + i / 2), false});
        ASSERT_TRUE(results::RankingFile(resultsDir, series.taskCode).write(results::Ranking(records)).ok());
    }

    int redRows(const FrmTabulka& table) const
    {
        int red = 0;
        for (int row = 1; row <= FrmTabulka::kRows; ++row) {
            int cells = 0;
            for (int column = 0; column < 5; ++column)
                cells += table.cell(row, column)->palette().color(QPalette::WindowText) == FrmTabulka::NewRecordColour;
            red += cells == 5 ? 1 : 0;
        }
        return red;
    }

    // Makes the data directory and its files unwritable, even for root; false
    // when this machine cannot.
    bool makeReadOnly()
    {
        const QDir dir(data.path());
        for (const QString& name : dir.entryList(QDir::Files))
            readOnly.push_back(std::make_unique<test_support::ReadOnlyPath>(dir.filePath(name)));
        readOnly.push_back(std::make_unique<test_support::ReadOnlyPath>(data.path()));
        return readOnly.back()->active();
    }

    QTemporaryDir data;
    FakeServices services;
    QStringList& messages = services.messages;
    SeriesSetup series;
    QString resultsDir;
    std::vector<std::unique_ptr<test_support::ReadOnlyPath>> readOnly;
};

} // namespace

// Opened from a task form's table button the stored ranking shows with
// nothing red; a new record at the end of a series is the only red row and is saved.
TEST_F(FrmTabulkaTest, ShowsTheStoredRankingAndTheNewRecordInRed)
{
    writeRanking(12);
    FrmTabulka table(services, series, resultsDir);
    EXPECT_EQ(table.cell(1, 0)->text(), QStringLiteral("1."));
    EXPECT_EQ(table.cell(10, 0)->text(), QStringLiteral("10."));
    EXPECT_EQ(table.cell(1, 1)->text(), QStringLiteral("Žiak 1"));
    EXPECT_EQ(redRows(table), 0);

    table.Vloz_novy_zaznam(QStringLiteral("Eva"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1"), 1);
    EXPECT_EQ(redRows(table), 1);
    // Two records of mark 1 with 10 correct stay above it.
    EXPECT_EQ(table.cell(3, 1)->text(), QStringLiteral("Eva"));
    EXPECT_EQ(table.cell(2, 1)->palette().color(QPalette::WindowText), QColor(Qt::black));
    // A screen reader meets a table: the painted headings are its column
    // headers, its rows are the records, the pupil's row is theirs, and the
    // result is also said on "Späť", which takes the focus.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table.table());
    ASSERT_TRUE(face);
    EXPECT_EQ(face->role(), QAccessible::Table);
    QAccessibleTableInterface* grid = face->tableInterface();
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->columnCount(), 5);
    EXPECT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(face->childCount(), 55);
    QAccessibleInterface* eva = grid->cellAt(2, 1);
    ASSERT_TRUE(eva && eva->tableCellInterface());
    EXPECT_EQ(eva->role(), QAccessible::Cell);
    EXPECT_EQ(eva->text(QAccessible::Name), QStringLiteral("Eva"));
    EXPECT_EQ(eva->text(QAccessible::Description), QStringLiteral("Tvoj výsledok"));
    EXPECT_EQ(eva->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(eva->tableCellInterface()->columnIndex(), 1);
    EXPECT_EQ(eva->tableCellInterface()->table(), face);
    EXPECT_EQ(eva->parent(), face);
    EXPECT_EQ(face->indexOfChild(eva), 16);
    EXPECT_EQ(face->child(16), eva);
    const auto headers = eva->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.first()->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(headers.first()->text(QAccessible::Name), QStringLiteral("Meno"));
    EXPECT_EQ(face->child(4)->text(QAccessible::Name), QStringLiteral("Známka"));
    EXPECT_EQ(grid->rowDescription(2), QStringLiteral("Tvoj výsledok"));
    EXPECT_TRUE(grid->rowDescription(1).isEmpty());
    EXPECT_TRUE(face->text(QAccessible::Description).startsWith(QStringLiteral("3. miesto. Tvoj výsledok: Eva")));
    EXPECT_TRUE(table.findChild<PictureButton*>()->accessibleDescription().startsWith(
        QStringLiteral("3. miesto. Tvoj výsledok: Eva, správne 9, nesprávne 1, známka 1.")));
    const auto stored = results::RankingFile(resultsDir, series.taskCode).read();
    ASSERT_TRUE(stored.ok());
    EXPECT_EQ(stored.value().records().size(), 13);
    EXPECT_EQ(stored.value().records().at(2).name, QStringLiteral("Eva"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FrmTabulkaTest, ReadOnlyDataDirectoryLosesNothingAndTellsThePupilOnce)
{
    writeRanking(4);
    ASSERT_TRUE(test_support::writeBytes(data.filePath(QStringLiteral("Vysledky.dat")), "earlier entry\r\n"));
    const QByteArray rankingBefore = readBytes(data.filePath(QStringLiteral("2c.res")));
    const QByteArray logBefore = readBytes(data.filePath(QStringLiteral("Vysledky.dat")));
    if (!makeReadOnly())
        GTEST_SKIP() << "this machine cannot make a directory read-only";

    FrmTabulka table(services, series, resultsDir);
    table.Vloz_novy_zaznam(QStringLiteral("Eva"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1"), 1);
    table.Vloz_zaznam_do_souboru_vysledky_dat(QStringLiteral("Eva"), QStringLiteral("Mechanika 2"),
                                              QStringLiteral("Výkon"), QStringLiteral("9"), QStringLiteral("1"),
                                              QStringLiteral("1"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("nepodarilo uložiť")));
    // The pupil still sees the result of the series.
    EXPECT_EQ(redRows(table), 1);
    EXPECT_EQ(readBytes(data.filePath(QStringLiteral("2c.res"))), rankingBefore);
    EXPECT_EQ(readBytes(data.filePath(QStringLiteral("Vysledky.dat"))), logBefore);
    EXPECT_EQ(QDir(data.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// Another program on the ranking for the whole wait: the log entry is saved,
// and the message says so and why the ranking was not.
TEST_F(FrmTabulkaTest, ABusyRankingIsReportedAsBusyWithTheLogSaved)
{
    writeRanking(4);
    QLockFile other(data.filePath(QStringLiteral("2c.res.lock")));
    ASSERT_TRUE(other.tryLock());
    FrmTabulka table(services, series, resultsDir);
    table.Vloz_novy_zaznam(QStringLiteral("Eva"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1"), 1);
    table.Vloz_zaznam_do_souboru_vysledky_dat(QStringLiteral("Eva"), QStringLiteral("Mechanika 2"),
                                              QStringLiteral("Výkon"), QStringLiteral("9"), QStringLiteral("1"),
                                              QStringLiteral("1"));
    ASSERT_EQ(messages.size(), 1);
    const QString& message = messages.first();
    EXPECT_TRUE(message.contains(QStringLiteral("zapísaný v zozname výsledkov, ale do poradia úlohy sa nezapísal")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Iný program práve zapisoval"))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("chránený"))) << message.toStdString();
    EXPECT_TRUE(readBytes(data.filePath(QStringLiteral("Vysledky.dat"))).contains("Eva"));
}

TEST_F(FrmTabulkaTest, AnUnreadableRankingIsSaidSoNotShownEmpty)
{
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("2c.res")));
    FrmTabulka table(services, series, resultsDir);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("nepodarilo prečítať"))) << messages.first().toStdString();
    EXPECT_TRUE(messages.first().contains(QStringLiteral("2c.res"))) << messages.first().toStdString();
    // The ten painted positions of an empty table are no rows to a screen reader.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(table.table())->tableInterface()->rowCount(), 0);
    EXPECT_EQ(table.cell(1, 1)->text(), QString());
}

TEST_F(FrmTabulkaTest, FullDiskOnTheLogIsReported)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), data.filePath(QStringLiteral("Vysledky.dat"))));
    FrmTabulka table(services, series, resultsDir);
    table.Vloz_zaznam_do_souboru_vysledky_dat(QStringLiteral("Eva"), QStringLiteral("Mechanika 2"),
                                              QStringLiteral("Výkon"), QStringLiteral("9"), QStringLiteral("1"),
                                              QStringLiteral("1"));
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(FrmTabulkaTest, BackShowsTheReturnFormAndUnloadsTheTable)
{
    ScreenHost host;
    auto* setup = new QWidget(host.stage());
    setup->setFixedSize(640, 480);
    auto* table = new FrmTabulka(services, series, resultsDir, host.stage());
    table->ReturnForm = setup;
    host.showForm(table);
    QPointer<FrmTabulka> alive(table);
    // The second click of a double click on the task form's table button,
    // which stands where the back button does, is not a press of it.
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), table->backButton()->mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->backButton(), &second);
    QTest::mouseRelease(table->backButton(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.currentForm(), table);
    QTest::mouseClick(table->backButton(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.currentForm(), setup);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}
