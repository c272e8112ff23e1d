// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/experiments/Experiment.h"

#include "calc/experiments/ExperimentPlan.h"

#include <algorithm>

namespace orbeta {

Experiment::Experiment(const CalcExample& example) : m_example(example) {}

int Experiment::lastFrame() const
{
    return ExperimentPlan::lastFrame(m_example);
}

std::uint32_t Experiment::frameMs() const
{
    return ExperimentPlan::frameMs(m_example);
}

void Experiment::start(std::uint32_t now)
{
    m_running = true;
    m_startFrame = m_current;
    m_startTick = now;
    m_shown = m_current;
}

void Experiment::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_current = m_shown;
}

bool Experiment::advance(std::uint32_t now)
{
    if (!m_running)
        return false;
    // The difference of the ticks counts across a wrap of the tick count; a
    // tick from before the start (read before the run began) is no time yet,
    // not four billion milliseconds that would end the run.
    const std::int32_t elapsed = static_cast<std::int32_t>(now - m_startTick);
    const std::uint32_t frames = elapsed < 0 ? 0 : std::uint32_t(elapsed) / std::max<std::uint32_t>(frameMs(), 1);
    const int last = lastFrame();
    // A late tick can only move the run on: a frame once shown stays shown.
    const int due = std::max(m_shown, frames >= std::uint32_t(last - m_startFrame) ? last : m_startFrame + int(frames));
    const bool changed = due != m_shown;
    m_shown = due;
    m_current = due;
    if (due == last) {
        m_running = false;
        m_completed = true;
        m_current = 0;
    }
    return changed;
}

std::uint32_t Experiment::nextDue() const
{
    return m_startTick + std::uint32_t(m_shown + 1 - m_startFrame) * frameMs();
}

ExperimentScene Experiment::scene(int frame) const
{
    return ExperimentPlan::scene(m_example, frame);
}

ExperimentReadings Experiment::readings(int frame) const
{
    return ExperimentPlan::readings(m_example, frame);
}

} // namespace orbeta
