#include "shell/SiglaText.h"

#include <gtest/gtest.h>

using namespace orbeta;

// A unit or a solution line goes into Sigla and back unchanged; letters that
// are no Sigla sign stay what they are.
TEST(SiglaText, UnicodeAndSiglaTurnIntoEachOther)
{
    EXPECT_EQ(SiglaText::fromUnicode(QStringLiteral("g/cm³")), QStringLiteral("g/cm\u0102"));
    EXPECT_EQ(SiglaText::fromUnicode(QStringLiteral("R = 12 Ω")), QStringLiteral("R = 12 \u0170"));
    const QString line = QStringLiteral("ρ = m₁ / V = 2,5 g/cm³, S = 4 dm²");
    EXPECT_EQ(SiglaText::toUnicode(SiglaText::fromUnicode(line)), line);
    EXPECT_EQ(SiglaText::fromUnicode(QStringLiteral("Hustota ľadu")), QStringLiteral("Hustota ľadu"));
}
