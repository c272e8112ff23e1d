// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/experiments/ExperimentFrame.h"

#include <cstdint>

namespace orbeta {

// The experiment of one example: frames 0 to lastFrame() of the task, shown
// one frame time apart. A pure state advanced by the caller's clock: frame
// k of a run that started at tick s with frame c is due at s + (k − c) ×
// frameMs(), so the frames keep their times however late a tick arrives.
// Stopping keeps the frame reached, so that the next start continues there;
// reaching the last frame ends the run and sets the next start back to 0.
class Experiment {
public:
    Experiment() = default;
    explicit Experiment(const CalcExample& example);

    int lastFrame() const;
    std::uint32_t frameMs() const;

    bool running() const { return m_running; }
    // The frame the next start begins with.
    int currentFrame() const { return m_current; }
    // The frame the scene shows now.
    int shownFrame() const { return m_shown; }
    // The last frame has been shown at least once: the boxes to answer unlock.
    bool completed() const { return m_completed; }

    void start(std::uint32_t now);
    void stop();
    // Shows the frame due at `now`; true when the shown frame changed.
    bool advance(std::uint32_t now);
    // The tick at which the next frame is due (only while running).
    std::uint32_t nextDue() const;

    // What the scene shows and the instruments read at `frame`.
    ExperimentScene scene(int frame) const;
    ExperimentReadings readings(int frame) const;

private:
    CalcExample m_example;
    bool m_running = false;
    bool m_completed = false;
    int m_current = 0;
    int m_shown = 0;
    int m_startFrame = 0;
    std::uint32_t m_startTick = 0;
};

} // namespace orbeta
