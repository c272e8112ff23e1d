// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-cli examples 6a, 6b and 6c run as a teacher runs them: a long series
// keeps recent items away, the same seed gives the same screens, and a file
// too short for a screen gives a message naming it.
#include "formats/LineCodec.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

using namespace orbeta;
using test_support::CliRun;
using test_support::installedDataDir;
using test_support::runCli;

namespace {

// One JSON object per line of what orbeta-cli wrote.
QList<QJsonObject> jsonLines(const CliRun& run)
{
    QList<QJsonObject> lines;
    for (const QByteArray& line : run.out.split('\n'))
        if (!line.isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    return lines;
}

} // namespace

// The rules of a screen are the deck's; here the command keeps one deck
// for the whole series, so no recent item comes back, and answers each item.
TEST(HistoryExamples, ALongSeriesKeepsTheRecentItemsAwayAndTheSeedMakesTheSameScreens)
{
    struct Code {
        const char* code;
        int screenItems;
    };
    for (const Code& c : {Code{"6a", 10}, Code{"6b", 5}, Code{"6c", 5}}) {
        SCOPED_TRACE(c.code);
        const CliRun run = runCli({"examples", c.code, "--count", "500", "--seed", "77", "--data", installedDataDir()});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QList<QJsonObject> lines = jsonLines(run);
        ASSERT_EQ(lines.size(), 500 / c.screenItems);
        // Screen k is drawn with the seed 77 + k, so a shorter series starts alike.
        const QList<QJsonObject> shorter =
            jsonLines(runCli({"examples", c.code, "--count", "25", "--seed", "77", "--data", installedDataDir()}));
        ASSERT_EQ(shorter.size(), (25 + c.screenItems - 1) / c.screenItems);
        EXPECT_EQ(shorter.first(), lines.first());
        EXPECT_EQ(shorter.last()["items"].toArray().size(), 25 - (shorter.size() - 1) * c.screenItems);
        std::deque<int> recent; // the keys of the items shown so far
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const QJsonObject& line = lines[k];
            EXPECT_EQ(line["seed"].toInteger(), 77 + k);
            EXPECT_EQ(line["screen"].toInt(), k + 1);
            const QJsonArray items = line["items"].toArray();
            const QJsonArray answer = line["answer"].toArray();
            // The boxes as shown hold the answer's numbers, in the order shown.
            const auto sorted = [](const QJsonArray& numbers) {
                QList<int> list;
                for (const QJsonValue& n : numbers)
                    list.append(n.toInt());
                std::ranges::sort(list);
                return list;
            };
            EXPECT_EQ(sorted(line["order"].toArray()), sorted(answer));
            ASSERT_EQ(items.size(), c.screenItems);
            QSet<int> keys;
            for (int i = 0; i < items.size(); ++i) {
                const QJsonObject item = items[i].toObject();
                keys.insert(QLatin1String(c.code) == QLatin1String("6c") ? item["year"].toInt() : item["number"].toInt());
                EXPECT_EQ(answer[i].toInt(), item["number"].toInt());
            }
            // The items of the previous screens within 25 items never come back.
            const int window = (25 / c.screenItems) * c.screenItems;
            for (int key : keys)
                EXPECT_EQ(std::count(recent.end() - std::min<std::ptrdiff_t>(window, recent.size()), recent.end(), key), 0);
            for (int key : keys)
                recent.push_back(key);
        }
    }
}

// How short a file may be is the deck's rule; the command names the file.
TEST(HistoryExamples, AFileTooShortForAScreenIsNamed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test_support::writeBytes(dir.filePath(QStringLiteral("6b.dat")),
                                         LineCodec::encodeFile({QStringLiteral("1#Osoba 1#1501#1561")}, 3)));
    const CliRun run = runCli({"examples", "6b", "--count", "500", "--seed", "1", "--data", dir.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("6b.dat"))) << run.err.toStdString();
}
