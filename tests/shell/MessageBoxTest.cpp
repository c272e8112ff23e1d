#include "shell/MessageBox.h"

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
