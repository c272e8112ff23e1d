// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-cli examples 6a, 6b and 6c run as a teacher runs them: long series
// over many seeds keep the rules of the screens, the same seed gives the same
// screens, and short files give a message naming them, never a hang.
#include "formats/LineCodec.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

using namespace orbeta;
using test_support::installedDataDir;

namespace {

// One JSON object per line of what orbeta-cli wrote.
struct CliRun {
    int status = -1;
    QList<QJsonObject> lines;
    QString stderrText;
};

CliRun cli(const QStringList& args)
{
    const test_support::CliRun raw = test_support::runCli(args);
    CliRun run{.status = raw.status, .lines = {}, .stderrText = raw.err};
    for (const QByteArray& line : raw.out.split('\n'))
        if (!line.isEmpty())
            run.lines.append(QJsonDocument::fromJson(line).object());
    return run;
}


} // namespace

TEST(HistoryExamples, LongSeriesKeepTheRulesOfTheScreens)
{
    struct Code {
        const char* code;
        int screenItems;
    };
    for (const Code& c : {Code{"6a", 10}, Code{"6b", 5}, Code{"6c", 5}}) {
        for (int seed : {0, 1, 77, 4242}) {
            SCOPED_TRACE(std::string(c.code) + " seed " + std::to_string(seed));
            const CliRun run = cli({"examples", c.code, "--count", "2000", "--seed", QString::number(seed), "--data", installedDataDir()});
            ASSERT_EQ(run.status, 0) << run.stderrText.toStdString();
            ASSERT_EQ(run.lines.size(), 2000 / c.screenItems);
            std::deque<int> recent; // the keys of the last 25 items shown
            for (const QJsonObject& line : run.lines) {
                const QJsonArray items = line["items"].toArray();
                const QJsonArray order = line["order"].toArray();
                const QJsonArray answer = line["answer"].toArray();
                ASSERT_EQ(items.size(), c.screenItems);
                QSet<int> keys;
                for (int i = 0; i < items.size(); ++i) {
                    const QJsonObject item = items[i].toObject();
                    const int key = QLatin1String(c.code) == QLatin1String("6c") ? item["year"].toInt() : item["number"].toInt();
                    keys.insert(key);
                    EXPECT_EQ(answer[i].toInt(), item["number"].toInt());
                    if (QLatin1String(c.code) != QLatin1String("6b")) {
                        EXPECT_NE(order[i].toInt(), answer[i].toInt()) << "a value starts in its own place";
                    }
                    if (i > 0 && QLatin1String(c.code) == QLatin1String("6c")) {
                        EXPECT_LT(items[i - 1].toObject()["year"].toInt(), item["year"].toInt());
                    }
                    if (QLatin1String(c.code) == QLatin1String("6b") && item["span"].toString().endsWith(QStringLiteral("súč."))) {
                        EXPECT_FALSE(item["span"].toString().contains(QStringLiteral(" - 0")));
                    }
                }
                ASSERT_EQ(keys.size(), c.screenItems) << "two items of one screen share a key";
                // The items of the previous screens within 25 items never come back.
                const int window = (25 / c.screenItems) * c.screenItems;
                for (int key : keys)
                    EXPECT_EQ(std::count(recent.end() - std::min<std::ptrdiff_t>(window, recent.size()), recent.end(), key), 0);
                for (int key : keys)
                    recent.push_back(key);
            }
        }
    }
}

TEST(HistoryExamples, TheSeedMakesTheSameScreens)
{
    const CliRun a = cli({"examples", "6c", "--count", "25", "--seed", "99", "--data", installedDataDir()});
    const CliRun b = cli({"examples", "6c", "--count", "25", "--seed", "99", "--data", installedDataDir()});
    ASSERT_EQ(a.status, 0);
    ASSERT_EQ(a.lines.size(), 5);
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(a.lines[2]["seed"].toInteger(), 101);
    const CliRun pairs = cli({"examples", "6a", "--count", "25", "--seed", "3", "--data", installedDataDir()});
    ASSERT_EQ(pairs.lines.size(), 3);
    EXPECT_EQ(pairs.lines[2]["items"].toArray().size(), 5);
}

TEST(HistoryExamples, ShortFilesGiveAMessageOrAShorterWindow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int items : {0, 5, 9, 10, 26}) {
        QStringList lines;
        for (int i = 1; i <= items; ++i)
            lines << QStringLiteral("%1#Osoba %1#%2#%3").arg(i).arg(1500 + i).arg(1560 + i);
        QFile file(dir.filePath(QStringLiteral("6b.dat")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(LineCodec::encodeFile(lines, 3));
        file.close();
        const CliRun run = cli({"examples", "6b", "--count", "500", "--seed", "1", "--data", dir.path()});
        SCOPED_TRACE(items);
        if (items < 5) {
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.stderrText.contains(QStringLiteral("6b.dat"))) << run.stderrText.toStdString();
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.stderrText.toStdString();
        EXPECT_EQ(run.lines.size(), 100);
    }
}
