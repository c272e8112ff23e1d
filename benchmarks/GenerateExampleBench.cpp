// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Examples generated per second for each calculation task, with the tables
// the program installs: build/benchmarks/calc_examples_bench.
#include "calc/rules/GenerateExample.h"
#include "calc/grading/SolutionText.h"

#include <benchmark/benchmark.h>

using namespace orbeta;

namespace {

ExampleTable installedLikeTable(CalcTask task)
{
    switch (task) {
    case CalcTask::LiquidDensity: return ExampleTable({0, 0.70, 0.79, 0.80, 0.92, 1.00, 1.03, 1.26, 13.55});
    case CalcTask::SolidDensity:
        return ExampleTable({0, 1.7, 2.5, 2.7, 4.5, 7.1, 7.9, 9.0, 10.5, 11.3, 19.3});
    case CalcTask::Heat: return ExampleTable({0, 0.897, 0.449, 0.385, 0.235, 0.129});
    case CalcTask::Melting: return ExampleTable({0, 2.09, 4.18, 0, 334});
    default: return {};
    }
}

void generate(benchmark::State& state, CalcTask task)
{
    const ExampleTable table = installedLikeTable(task);
    std::uint64_t seed = 0;
    for (auto _ : state) {
        RandomSource rnd(seed++);
        benchmark::DoNotOptimize(GenerateExample(task, table, rnd));
    }
    state.SetItemsProcessed(state.iterations());
}

void generateWithSolution(benchmark::State& state, CalcTask task)
{
    const ExampleTable table = installedLikeTable(task);
    std::uint64_t seed = 0;
    for (auto _ : state) {
        RandomSource rnd(seed++);
        benchmark::DoNotOptimize(SolutionText(GenerateExample(task, table, rnd)));
    }
    state.SetItemsProcessed(state.iterations());
}

const bool registered = [] {
    for (CalcTask task : kAllCalcTasks) {
        const std::string code = calcTaskCode(task).toStdString();
        benchmark::RegisterBenchmark(("GenerateExample/" + code).c_str(), generate, task);
        benchmark::RegisterBenchmark(("GenerateExample+SolutionText/" + code).c_str(), generateWithSolution, task);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
