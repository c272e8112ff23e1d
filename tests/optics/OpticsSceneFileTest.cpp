// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/LineCodec.h"
#include "optics/OpticsSceneFile.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

QByteArray encoded(const QStringList& lines)
{
    return LineCodec::encodeFile(lines, 3);
}

// Three concave mirrors (C, F, V from the left) and three convex ones (V, F, C).
QStringList mirrorLines()
{
    QStringList lines;
    for (int i = 1; i <= 6; ++i)
        lines << (i <= 3 ? QStringLiteral("%1#Zrk%1.bmp#20#170#320#170#440#170#560#170#240#100")
                         : QStringLiteral("%1#Zrk%1.bmp#20#170#640#170#520#170#400#170#240#100"))
                     .arg(i);
    return lines;
}

QStringList lensLines()
{
    return {QStringLiteral("1#spojka#20#170#210#170#410#170#310#170#100#0"),
            QStringLiteral("2#rozptylka#20#170#190#170#430#170#310#170#100#0")};
}

} // namespace

TEST(OpticsSceneFile, ReadsTheFieldsInOrderAndIgnoresTextAfterTheLastField)
{
    QStringList lines = mirrorLines();
    lines[2] = QStringLiteral("3#ZrkDut3.bmp#21#171#241#171#401#171#561#171#320#99#poznámka#viac");
    const auto scenes = OpticsSceneFile::ReadMirrorScenes(encoded(lines), QStringLiteral("4a.dat"));
    ASSERT_TRUE(scenes) << scenes.error().message().toStdString();
    const MirrorScene& s = scenes.value().slot[3];
    EXPECT_EQ(s.bitmapName, QStringLiteral("ZrkDut3.bmp"));
    EXPECT_EQ(s.axisStart, QPoint(21, 171));
    EXPECT_EQ(s.centre, QPoint(241, 171));
    EXPECT_EQ(s.focus, QPoint(401, 171));
    EXPECT_EQ(s.vertex, QPoint(561, 171));
    EXPECT_EQ(s.radius, 320);
    EXPECT_EQ(s.maxObjectHeight, 99);
    EXPECT_EQ(s.line, 3);

    const auto lenses = OpticsSceneFile::ReadLensScenes(
        encoded({QStringLiteral("1#s#20#170#210#170#410#170#310#170#100#0"),
                 QStringLiteral("2#r#20#170#190#170#430#170#310#170#90#0")}),
        QStringLiteral("4b.dat"));
    ASSERT_TRUE(lenses) << lenses.error().message().toStdString();
    EXPECT_EQ(lenses.value().slot[2].objectFocus, QPoint(190, 170));
    EXPECT_EQ(lenses.value().slot[2].centre, QPoint(310, 170));
    EXPECT_EQ(lenses.value().slot[2].maxObjectHeight, 90);
}

// The field that is no number is named by its place among the numbers; a file
// short of a scene or with one too many is refused.
TEST(OpticsSceneFile, ANumberIsNamedByItsPlaceAndTheSceneCountMustBeRight)
{
    QStringList lines = mirrorLines();
    lines[4] = QStringLiteral("5#ZrkVyp2.bmp#20#170#x80#170#540#170#400#170#280#100");
    EXPECT_TRUE(OpticsSceneFile::ReadMirrorScenes(encoded(lines), QStringLiteral("4a.dat"))
                    .error()
                    .message()
                    .contains(QStringLiteral("pole 3 („x80“) nie je číslo.")));
    QStringList shortFile = mirrorLines();
    shortFile.removeLast();
    EXPECT_FALSE(OpticsSceneFile::ReadMirrorScenes(encoded(shortFile), QStringLiteral("4a.dat")));
    EXPECT_FALSE(OpticsSceneFile::ReadMirrorScenes(encoded(mirrorLines() << mirrorLines().first()),
                                                   QStringLiteral("4a.dat")));
    EXPECT_FALSE(OpticsSceneFile::ReadLensScenes(QByteArray(), QStringLiteral("4b.dat")));
}

// A damaged line names its file and line. A scene that reads is one the pupil
// can work: the axis and the object in the drawing area, C, F and V (or F, O
// and F') where the mirror or lens needs them. Any such scene reads, not only
// the shipped numbers.
TEST(OpticsSceneFile, ScenesOutsideTheRulesNameTheirLine)
{
    struct Case {
        const char* why;
        int line;
        QString text;
    };
    const Case mirrors[] = {
        {"fields missing", 4, QStringLiteral("4#ZrkVyp1.bmp#20#170#640#170#520")},
        {"not a number", 5, QStringLiteral("5#ZrkVyp2.bmp#20#170#x80#170#540#170#400#170#280#100")},
        {"no picture", 1, QStringLiteral("1##20#170#320#170#440#170#560#170#240#100")},
        {"axis start outside the area, behind the convex mirror", 4,
         QStringLiteral("4#ZrkVyp1.bmp#1020#170#640#170#520#170#400#170#240#100")},
        {"object hanging below the axis", 2, QStringLiteral("2#ZrkDut2.bmp#20#170#280#170#420#170#560#170#280#-100")},
        {"object taller than the area above the axis", 2,
         QStringLiteral("2#ZrkDut2.bmp#20#170#280#170#420#170#560#170#280#171")},
        {"F beyond V on a concave mirror", 1, QStringLiteral("1#ZrkDut1.bmp#20#170#320#170#600#170#560#170#240#100")},
        {"C in front of a convex mirror", 5, QStringLiteral("5#ZrkVyp2.bmp#20#170#300#170#540#170#400#170#280#100")},
        {"C off the axis", 3, QStringLiteral("3#ZrkDut3.bmp#20#170#240#160#400#170#560#170#320#100")},
        {"V outside the area", 6, QStringLiteral("6#ZrkVyp3.bmp#20#170#720#170#560#170#640#170#80#100")},
        {"radius not from C to V", 1, QStringLiteral("1#ZrkDut1.bmp#20#170#320#170#440#170#560#170#100#100")},
        {"no room for the object before F", 1, QStringLiteral("1#ZrkDut1.bmp#425#170#320#170#440#170#560#170#240#100")},
    };
    for (const Case& c : mirrors) {
        SCOPED_TRACE(c.why);
        QStringList lines = mirrorLines();
        lines[c.line - 1] = c.text;
        const auto scenes = OpticsSceneFile::ReadMirrorScenes(encoded(lines), QStringLiteral("/data/4a.dat"));
        ASSERT_FALSE(scenes);
        EXPECT_EQ(scenes.error().file, QStringLiteral("/data/4a.dat"));
        EXPECT_EQ(scenes.error().line, c.line);
    }
    const Case lenses[] = {
        {"F right of O", 1, QStringLiteral("1#spojka#20#170#330#170#410#170#310#170#100#0")},
        {"F at O", 1, QStringLiteral("1#spojka#20#170#310#170#410#170#310#170#100#0")},
        // Every place from 10 px right of the axis start to O is within 15 px
        // of F or O, the farthest exactly 15: the generator could place no object.
        {"no room for the object", 2, QStringLiteral("2#rozptylka#20#170#45#170#430#170#75#170#100#0")},
        {"F' left of O", 1, QStringLiteral("1#spojka#20#170#210#170#300#170#310#170#100#0")},
        {"O outside the area", 2, QStringLiteral("2#rozptylka#20#170#190#170#430#170#700#170#100#0")},
        {"object too short", 2, QStringLiteral("2#rozptylka#20#170#190#170#430#170#310#170#30#0")},
    };
    for (const Case& c : lenses) {
        SCOPED_TRACE(c.why);
        QStringList lines = lensLines();
        lines[c.line - 1] = c.text;
        const auto scenes = OpticsSceneFile::ReadLensScenes(encoded(lines), QStringLiteral("4b.dat"));
        ASSERT_FALSE(scenes);
        EXPECT_EQ(scenes.error().line, c.line);
    }
}

TEST(OpticsSceneFile, OtherSensibleScenesRead)
{
    QStringList lines = mirrorLines();
    // Other radii, C of a convex mirror far out of sight, objects as tall as the axis allows.
    lines[0] = QStringLiteral("1#ZrkDut1.bmp#0#200#360#200#460#200#560#200#200#200");
    lines[5] = QStringLiteral("6#ZrkVyp3.bmp#20#170#800#170#600#170#400#170#400#170");
    const auto mirrors = OpticsSceneFile::ReadMirrorScenes(encoded(lines), QStringLiteral("4a.dat"));
    EXPECT_TRUE(mirrors) << mirrors.error().message().toStdString();
    QStringList lensesText = lensLines();
    lensesText[1] = QStringLiteral("2#rozptylka#0#100#250#100#0#0#330#100#40#0");
    const auto lenses = OpticsSceneFile::ReadLensScenes(encoded(lensesText), QStringLiteral("4b.dat"));
    EXPECT_TRUE(lenses) << lenses.error().message().toStdString();
}
