// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DesktopServices.h"
#include "app/QtTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orbeta;

TEST(QtTranslation, StandardButtonsSpeakSlovak)
{
    QtTranslation texts;
    ASSERT_TRUE(texts.install());
    QMessageBox box(QMessageBox::Question, QStringLiteral("T"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Áno"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nie"));
    QCoreApplication::removeTranslator(&texts);
}

// The real dialog: titled for the worksheet, print to a file kept (the only
// way to print on a machine without a printer); cancelled, it prints nothing.
TEST(DesktopServices, PrintDialogKeepsPrintToFileAndCancelIsNo)
{
    DesktopServices services(QStringLiteral("ok"));
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
    QPrinter printer;
    EXPECT_FALSE(services.runPrintDialog(printer));
    EXPECT_EQ(title, QStringLiteral("Tlač zvolenej úlohy:"));
    EXPECT_TRUE(printToFile);
}

TEST(DesktopServices, ScriptedMessagesAreAnsweredWithoutAPerson)
{
    for (const auto& [script, answer] : {std::pair{"no", MessageAnswer::No}, {"yes", MessageAnswer::Yes}}) {
        DesktopServices services{QString::fromLatin1(script)};
        const QString question = QStringLiteral("Otázka?");
        EXPECT_EQ(services.showMessage(QStringLiteral("T"), question, MessageIcon::Question, MessageButtons::YesNo), answer)
            << script;
    }
}
