// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole worksheet of the largest count the setup screen offers, made into
// PDF bytes as orbeta-cli writes them, for every task; the counter "bytes"
// is the size of the file: build/benchmarks/worksheet_pdf_bench.
#include "print/contents/WorksheetContents.h"
#include "print/page/PrintPage.h"
#include "print/page/WorksheetDocument.h"
#include "print/plan/WorksheetPlan.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace orbeta;

namespace {

void worksheetPdf(benchmark::State& state, const char* code)
{
    print::WorksheetRequest request;
    request.task = TaskTable::find(QString::fromLatin1(code));
    request.count = print::WorksheetPlan::maxCount(*request.task);
    request.pupilName = QStringLiteral("Jana Nováková");
    request.date = QDate(2026, 12, 6);
    qsizetype bytes = 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        request.seed = seed;
        seed += 100;
        auto content = print::WorksheetContents::load(request, QStringLiteral(ORBETA_BUILD_DIR "/hd"));
        if (!content) {
            state.SkipWithError(qPrintable(content.error().message()));
            return;
        }
        bytes = print::WorksheetDocument::pdf(request, *content.value()).size();
    }
    state.counters["bytes"] = double(bytes);
}

} // namespace

#define ORBETA_WORKSHEET(code) BENCHMARK_CAPTURE(worksheetPdf, code, #code)->Unit(benchmark::kMillisecond)
ORBETA_WORKSHEET(1a);
ORBETA_WORKSHEET(1b);
ORBETA_WORKSHEET(1c);
ORBETA_WORKSHEET(1d);
ORBETA_WORKSHEET(2a);
ORBETA_WORKSHEET(2b);
ORBETA_WORKSHEET(2c);
ORBETA_WORKSHEET(2d);
ORBETA_WORKSHEET(2e);
ORBETA_WORKSHEET(3a);
ORBETA_WORKSHEET(3b);
ORBETA_WORKSHEET(4a);
ORBETA_WORKSHEET(4b);
ORBETA_WORKSHEET(5a);
ORBETA_WORKSHEET(5b);
ORBETA_WORKSHEET(5c);
ORBETA_WORKSHEET(5d);
ORBETA_WORKSHEET(5e);
ORBETA_WORKSHEET(6a);
ORBETA_WORKSHEET(6b);
ORBETA_WORKSHEET(6c);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    print::PrintPage::loadFonts(QStringLiteral(ORBETA_BUILD_DIR "/cd/Data/Sigla.ttf"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
