// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tables/MapFile.h"

#include "formats/LineCodec.h"

#include <gtest/gtest.h>

using namespace orbeta;

namespace {

QByteArray storedFile(const QStringList& lines)
{
    return LineCodec::encodeFile(lines, 9);
}

const QStringList kGoodMap{
    "Alfa#100#100#130#100#130#130#190#130",
    "Beta#100#100#100#40#60#40#60#0",
    "Gama#100#100#107#103#111#107#121#117#ignored",
    "Delta#0#0#0#0#0#0#0#0",
};

} // namespace

TEST(ReadMapFile, ReadsFourCitiesWithRoutesFromFirstToLastPoint)
{
    const auto result = ReadMapFile(storedFile(kGoodMap), "Mapa1.dat");
    ASSERT_TRUE(result.ok()) << result.error().message().toStdString();
    const CalcMap& map = result.value();
    EXPECT_EQ(map[0].name, QStringLiteral("Alfa"));
    EXPECT_EQ(map[3].name, QStringLiteral("Delta"));
    EXPECT_EQ(map[0].points[0], QPoint(100, 100));
    EXPECT_EQ(map[0].points[40], QPoint(190, 130));
    EXPECT_EQ(map[1].points[40], QPoint(60, 0));
    EXPECT_EQ(map[2].points[40], QPoint(121, 117));
}

TEST(ResampleRoute, SegmentsCoverTheirIndicesAndStayOnTheRoad)
{
    // Each segment 40 pixels long along one axis: one step is 3 pixels.
    const auto points = ResampleRoute({QPoint(0, 0), QPoint(40, 0), QPoint(40, 40), QPoint(80, 40)});
    EXPECT_EQ(points[1], QPoint(3, 0));
    EXPECT_EQ(points[13], QPoint(39, 0));
    EXPECT_EQ(points[14], QPoint(40, 2));
    EXPECT_EQ(points[26], QPoint(40, 38));
    EXPECT_EQ(points[27], QPoint(40, 40));  // held on the corner, not beyond it
    EXPECT_EQ(points[28], QPoint(44, 40));
    EXPECT_EQ(points[40], QPoint(80, 40));
    for (int i = 1; i <= 40; ++i) {
        EXPECT_GE(points[i].x(), points[i - 1].x()) << i;
        EXPECT_GE(points[i].y(), points[i - 1].y()) << i;
    }
}

TEST(ReadMapFile, DamagedFilesNameTheLine)
{
    struct Case {
        const char* what;
        QStringList lines;
        int line;
    };
    QStringList notNumber = kGoodMap;
    notNumber[2] = "Gama#100#100#1O7#103#111#107#121#117";
    QStringList fraction = kGoodMap;
    fraction[1] = "Beta#100#100#100,5#40#60#40#60#0";
    QStringList shortLine = kGoodMap;
    shortLine[3] = "Delta#0#0#0#0#0#0#0";
    QStringList noName = kGoodMap;
    noName[0] = "#100#100#130#100#130#130#190#130";
    QStringList offTheMap = kGoodMap;
    offTheMap[1] = "Beta#100#100#100#40#60#40#60#-1";
    QStringList farRight = kGoodMap;
    farRight[2] = "Gama#100#100#107#103#111#107#304#117";
    const std::vector<Case> cases{
        {"a letter in a coordinate", notNumber, 3},
        {"a fraction", fraction, 2},
        {"a missing coordinate", shortLine, 4},
        {"a missing name", noName, 1},
        {"a point above the map", offTheMap, 2},
        {"a point right of the map", farRight, 3},
        {"a fifth city", kGoodMap + QStringList{"Epsilon#1#1#1#1#1#1#1#1"}, 5},
        {"a missing city", kGoodMap.mid(0, 3), 4},
        {"an empty file", {}, 1},
    };
    for (const Case& c : cases) {
        const auto result = ReadMapFile(storedFile(c.lines), "Mapa1.dat");
        ASSERT_FALSE(result.ok()) << c.what;
        EXPECT_EQ(result.error().line, c.line) << c.what;
        EXPECT_TRUE(result.error().message().startsWith(QStringLiteral("Súbor Mapa1.dat, riadok ")))
            << c.what;
    }
}
