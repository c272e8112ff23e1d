#include "shell/MessageBox.h"

#include <gtest/gtest.h>

using namespace orbeta;

TEST(MessageBox, ScriptedAnswersFollowTheEnvironment)
{
    EXPECT_EQ(MessageBox::scriptLine("Chyba", "a\r\nb\nc"), QStringLiteral("Chyba: a / b / c"));
    qputenv("ORBETA_MESSAGEBOX", "no");
    EXPECT_EQ(MessageBox::show("T", "Otázka?", MessageIcon::Question, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(MessageBox::show("T", "Oznam", MessageIcon::None), MessageAnswer::Ok);
    qputenv("ORBETA_MESSAGEBOX", "yes");
    EXPECT_EQ(MessageBox::show("T", "Otázka?", MessageIcon::Question, MessageButtons::YesNo), MessageAnswer::Yes);
    qputenv("ORBETA_MESSAGEBOX", "ok");
    EXPECT_EQ(MessageBox::show("T", "Otázka?", MessageIcon::Question, MessageButtons::YesNo), MessageAnswer::Yes);

    QString seen;
    MessageBox::setHandler([&seen](const QString& title, const QString& text, MessageIcon, MessageButtons) {
        seen = title + '|' + text;
        return MessageAnswer::No;
    });
    EXPECT_EQ(MessageBox::show("A", "B", MessageIcon::Critical), MessageAnswer::No);
    EXPECT_EQ(seen, QStringLiteral("A|B"));
    MessageBox::setHandler({});
}
