// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orbeta;

TEST(MessageBox, ScriptedAnswers)
{
    EXPECT_EQ(MessageBox::scriptLine("Chyba", "a\r\nb\nc"), QStringLiteral("Chyba: a / b / c"));
    EXPECT_EQ(MessageBox::scriptedAnswer("no", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(MessageBox::scriptedAnswer("no", MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(MessageBox::scriptedAnswer(" YES ", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(MessageBox::scriptedAnswer("ok", MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_FALSE(MessageBox::scriptedAnswer("", MessageButtons::Ok).has_value());
    EXPECT_FALSE(MessageBox::scriptedAnswer("maybe", MessageButtons::YesNo).has_value());
}

// Enter on a shown box answers with its default button: No where something
// would be thrown away, Yes on a plain question.
TEST(MessageBox, EnterAnswersWithTheDefaultButton)
{
    for (const auto& [buttons, expected] : {std::pair{MessageButtons::YesNoDefaultNo, MessageAnswer::No},
                                            std::pair{MessageButtons::YesNo, MessageAnswer::Yes}}) {
        bool pressed = false;
        QTimer presser;
        QObject::connect(&presser, &QTimer::timeout, [&pressed] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && !pressed) {
                pressed = true;
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        presser.start(20);
        EXPECT_EQ(MessageBox::exec("Späť", "Naozaj?", MessageIcon::Question, buttons, nullptr), expected);
        EXPECT_TRUE(pressed);
    }
}
