// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One frame of each experiment drawn into an image the size of the scene, as
// the calculation form paints it: build/benchmarks/calc_scene_bench.
#include "calc/form/CalcScene.h"
#include "calc/experiments/Experiment.h"
#include "calc/rules/GenerateExample.h"
#include "calc/tables/MapFile.h"
#include "look/basics/Layout.h"
#include "look/basics/Typeface.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace orbeta;

namespace {

CalcMap installedMap()
{
    QFile file(QStringLiteral(ORBETA_BUILD_DIR "/hd/Mapa1.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto map = ReadMapFile(file.readAll(), QStringLiteral("Mapa1.dat"));
    return map ? map.value() : CalcMap{};
}

void drawFrame(benchmark::State& state, CalcTask task)
{
    const ExampleTable table(std::vector<double>(11, 1.0));
    RandomSource rnd(3);
    const CalcExample example = GenerateExample(task, table, rnd);
    const Experiment experiment(example);
    const CalcMap map = installedMap();
    QImage image(Layout::kCalcScene.size(), QImage::Format_ARGB32_Premultiplied);
    int frame = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        CalcScene::draw(painter, example, experiment.scene(frame), map);
        frame = frame < experiment.lastFrame() ? frame + 1 : 0;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(drawFrame, liquidDensity, CalcTask::LiquidDensity)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, solidDensity, CalcTask::SolidDensity)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, uniformMotion, CalcTask::UniformMotion)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, nonUniformMotion, CalcTask::NonUniformMotion)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, heat, CalcTask::Heat)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, melting, CalcTask::Melting)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, parallelResistors, CalcTask::ParallelResistors)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, liquidPressure, CalcTask::LiquidPressure)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, mechanicalWork, CalcTask::MechanicalWork)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, winchPower, CalcTask::WinchPower)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, winchEnergy, CalcTask::WinchEnergy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawFrame, lever, CalcTask::Lever)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Typeface::loadFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
