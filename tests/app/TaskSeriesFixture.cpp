// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/app/TaskSeriesFixture.h"

#include "calc/basics/RandomSource.h"
#include "formats/LineCodec.h"
#include "formats/MarkTableFile.h"
#include "formats/TextTables.h"
#include "frame/SeriesSeeds.h"
#include "history/deck/HistoryDeck.h"
#include "results/data/RankingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace orbeta::test {

QString typed(const Reading& value)
{
    if (const int* whole = std::get_if<int>(&value))
        return QString::number(*whole);
    if (const float* single = std::get_if<float>(&value))
        return QString::number(double(*single), 'f', 3).replace(QLatin1Char('.'), QLatin1Char(','));
    return {};
}

SeriesRandom seededRandom()
{
    return [](std::optional<std::uint64_t> seed) -> ExampleRandom {
        auto seeds = std::make_shared<SeriesSeeds>(seed);
        return [seeds]() -> OpticsRnd {
            auto random = std::make_shared<RandomSource>(seeds->next(0));
            return [random] { return random->Rnd(); };
        };
    };
}

void TaskSeriesFixture::choose(const QString& code, int count)
{
    series.taskCode = code;
    series.topicName = QStringLiteral("Téma");
    series.taskTitle = code;
    series.exampleCount = std::uint8_t(count);
    logBefore = logLines();
}

FrmMech1* TaskSeriesFixture::openCalc(const QString& code, std::uint64_t seed, int count)
{
    choose(code, count);
    return show(FrmMech1::open(services, results, series, *calcTaskFromCode(code), seed, &setup, host.stage()));
}

FrmZobr* TaskSeriesFixture::openOptics(const QString& code, std::uint64_t seed, int count)
{
    choose(code, count);
    return show(FrmZobr::open(services, results, series, *opticsTaskFromCode(code), seededRandom(), seed, &setup,
                              host.stage()));
}

FrmDvojice* TaskSeriesFixture::openPairs(int count, std::uint64_t seed)
{
    choose(QStringLiteral("6a"), count);
    return show(FrmDvojice::open(services, results, series, seed, &setup, host.stage()));
}

FrmOsa* TaskSeriesFixture::openTimeline(const QString& code, int count, std::uint64_t seed)
{
    choose(code, count);
    return show(FrmOsa::open(services, results, series, *HistoryDeck::codeOf(code), seed, &setup, host.stage()));
}

void TaskSeriesFixture::SetUp()
{
    ASSERT_TRUE(data.isValid());
    const QDir hd(buildDir() + QStringLiteral("/hd"));
    for (const QString& name : hd.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(hd.filePath(name), data.filePath(name)));
    Installation installation;
    installation.resourceDir = buildDir() + QStringLiteral("/cd/");
    installation.dataDir = data.path() + QLatin1Char('/');
    installation.resultsDir = installation.dataDir;
    services.resources() = Resources(installation);
    series.pupilName = QStringLiteral("Zuzana");
    const auto marks = MarkTableFile::parse(installed(QStringLiteral("Znamky.dat")), QStringLiteral("Znamky.dat"));
    ASSERT_TRUE(marks.ok());
    services.resources().setTables({marks.value(),
                                    TextTables::readAssignmentTexts(installed(QStringLiteral("Zadani.dat"))),
                                    TextTables::readHintTexts(installed(QStringLiteral("Napoveda.dat")))});
    setup.resize(ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
    host.showForm(&setup);
}

QString TaskSeriesFixture::buildDir()
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR");
}

QByteArray TaskSeriesFixture::installed(const QString& name)
{
    QFile file(buildDir() + QStringLiteral("/hd/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TaskSeriesFixture::writeData(const QString& name, const QStringList& lines, std::uint32_t seed)
{
    QFile file(data.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(LineCodec::encodeFile(lines, seed));
}

int TaskSeriesFixture::logLines() const
{
    QFile log(data.filePath(QStringLiteral("Vysledky.dat")));
    return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : -1;
}

void TaskSeriesFixture::expectRecorded(const QString& code, int correct, int wrong)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(opened);
    const auto ranking = results::RankingFile(services.resources().installation().resultsDir, code).read();
    ASSERT_TRUE(ranking.ok());
    ASSERT_EQ(ranking.value().records().size(), 1);
    EXPECT_EQ(ranking.value().records().front().correct, correct);
    EXPECT_EQ(ranking.value().records().front().wrong, wrong);
    EXPECT_EQ(logLines(), logBefore + 4);
}

} // namespace orbeta::test
