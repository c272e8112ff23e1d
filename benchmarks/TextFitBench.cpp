// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts from data files fitted to their boxes, however long: a history item
// of the largest line a data file may hold on a worksheet, and a line of
// 16 million characters shortened for a printed row, a screen's fitted text
// and a history box: build/benchmarks/text_fit_bench.
#include "files/SafeFile.h"
#include "formats/LineCodec.h"
#include "look/basics/TextElision.h"
#include "look/basics/TextFit.h"
#include "look/screens/HistoryPainter.h"
#include "print/contents/WorksheetContents.h"
#include "print/page/PrintPage.h"
#include "print/page/WorksheetDocument.h"
#include "tasks/TaskTable.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orbeta;

namespace {

constexpr qsizetype kLongLine = 16 * 1024 * 1024;

QString longText()
{
    return QString(kLongLine / 8, QLatin1Char('x')).replace(QLatin1Char('x'), QStringLiteral("objav a "));
}

// Shortening a 16-million-character line to a 90 mm printed row.
void elidePrintedRow(benchmark::State& state)
{
    const QString text = longText();
    QImage device(1240, 1754, QImage::Format_RGB32);
    device.setDotsPerMeterX(5906);
    device.setDotsPerMeterY(5906);
    QPainter painter(&device);
    print::PrintPage page(painter, QSizeF(device.size()));
    page.setFont(print::PrintFace::Sans, 7);
    const auto widthOf = [&page](const QString& shown) { return page.textWidthMm(shown); };
    qsizetype shown = 0;
    for (auto _ : state)
        shown = TextElision::elide(text, 90, widthOf, TextElision::mostCharacters(90, 7 * 25.4 / 72)).size();
    state.counters["characters"] = double(shown);
}

// A screen's text drawn at the largest size that fits, and a history box.
void drawOnScreen(benchmark::State& state)
{
    const QString text = longText();
    QImage screen(640, 480, QImage::Format_RGB32);
    QPainter painter(&screen);
    for (auto _ : state) {
        TextFit::drawFittedText(painter, QRectF(30, 200, 580, 110), text, 16, false, Qt::black);
        HistoryPainter::drawBox(painter, QRectF(120, 300, 386, 30), text, HistoryPainter::kTimelineBoxPx,
                                HistoryPainter::BoxState::Resting);
        HistoryPainter::drawSlot(painter, QRectF(120, 100, 110, 60), text, false);
    }
}

// orbeta-cli worksheet 6c --count 25 on a "6c.dat" whose events fill the
// largest data file there may be.
void historyWorksheet(benchmark::State& state)
{
    QTemporaryDir data;
    const QDir source(QStringLiteral(ORBETA_BUILD_DIR "/hd"));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), data.filePath(name));
    QStringList lines = LineCodec::decodedLines(SafeFile::read(source.filePath(QStringLiteral("6c.dat")),
                                                               FileKind::DataTable).value());
    // Every event as long as the largest data file allows, so that every sheet prints some.
    const qsizetype each = (SafeFile::sizeLimit(FileKind::DataTable) / 4 - 100 * lines.size()) / lines.size();
    for (QString& line : lines) {
        QStringList fields = LineCodec::splitFields(line);
        fields[1] += QLatin1Char(' ') + QString(each - fields[1].size(), QLatin1Char('a'));
        line = fields.join(QLatin1Char('#'));
    }
    QFile file(data.filePath(QStringLiteral("6c.dat")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(LineCodec::encodeFile(lines, 1)) < 0) {
        state.SkipWithError("cannot write 6c.dat");
        return;
    }
    file.close();
    print::WorksheetRequest request;
    request.task = TaskTable::find(QStringLiteral("6c"));
    request.count = 25;
    request.pupilName = QStringLiteral("Jana Nováková");
    request.date = QDate(2026, 12, 6);
    qsizetype bytes = 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        request.seed = seed++;
        auto content = print::WorksheetContents::load(request, data.path());
        if (!content) {
            state.SkipWithError(qPrintable(content.error().message()));
            return;
        }
        bytes = print::WorksheetDocument::pdf(request, *content.value()).size();
    }
    state.counters["bytes"] = double(bytes);
}

} // namespace

BENCHMARK(elidePrintedRow)->Unit(benchmark::kMillisecond);
BENCHMARK(drawOnScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(historyWorksheet)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
