// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class report of a school year (300 pupils, 100 000 series, about
// 32 MB of log) in its three steps: reading the log, the report's rules and
// the PDF: build/benchmarks/class_report_bench. With a directory as its first
// argument it writes that log there as Vysledky.dat instead, for timing the
// whole command (or, given SERIES and PUPILS, a smaller class's):
//   build/benchmarks/class_report_bench /tmp/year
//   /usr/bin/time -v build/orbeta-cli report --data /tmp/year -o /tmp/year/report.pdf
#include "benchmarks/SchoolYearLog.h"
#include "files/SafeFile.h"
#include "print/page/PrintPage.h"
#include "print/report/ClassReportDocument.h"
#include "results/log/ResultsLogFormat.h"
#include "results/report/ClassReport.h"

#include <QDir>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace orbeta;

namespace {

const QByteArray& yearLog()
{
    static const QByteArray bytes = bench::schoolYearLog();
    return bytes;
}

results::ReportRequest wholeYear()
{
    results::ReportRequest request;
    request.today = QDate(2026, 6, 30);
    return request;
}

void readLog(benchmark::State& state)
{
    const QByteArray& bytes = yearLog(); // made before the clock runs
    for (auto _ : state)
        benchmark::DoNotOptimize(results::ResultsLogFormat::parse(bytes).entries.size());
    state.counters["bytes"] = double(yearLog().size());
}

void reportRules(benchmark::State& state)
{
    const results::ResultsLogContents log = results::ResultsLogFormat::parse(yearLog());
    for (auto _ : state)
        benchmark::DoNotOptimize(results::ClassReport::make(log, TaskTable::rows(), wholeYear()).seriesCount());
}

void reportPdf(benchmark::State& state)
{
    const results::ClassReport report =
        results::ClassReport::make(results::ResultsLogFormat::parse(yearLog()), TaskTable::rows(), wholeYear());
    qsizetype bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        const print::ClassReportDocument document(report, QDate(2026, 6, 30));
        pages = document.pageCount();
        bytes = document.pdf().size();
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = double(bytes);
}

} // namespace

BENCHMARK(readLog)->Unit(benchmark::kMillisecond);
BENCHMARK(reportRules)->Unit(benchmark::kMillisecond);
BENCHMARK(reportPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc >= 2 && argc <= 4 && argv[1][0] != '-') {
        const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Vysledky.dat"));
        const int series = argc > 2 ? std::atoi(argv[2]) : 100000;
        const int pupils = argc > 3 ? std::atoi(argv[3]) : 300;
        const FileOutcome written = SafeFile::write(path, bench::schoolYearLog(series, pupils));
        if (!written.ok())
            std::fprintf(stderr, "%s\n", qPrintable(written.error));
        return written.ok() ? 0 : 1;
    }
    print::PrintPage::loadFonts(QString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
