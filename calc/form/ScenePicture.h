// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/CalcRoute.h"
#include "calc/experiments/ExperimentFrame.h"
#include "calc/experiments/LeverBoard.h"

#include <QWidget>

#include <optional>

namespace orbeta {

// `Pic`: the visible scene of the calculation form. It paints the example's
// apparatus at the frame it is given; Qt composes each frame off screen and
// shows it in one piece.
class ScenePicture : public QWidget {
    Q_OBJECT
public:
    ScenePicture(const CalcMap& map, QWidget* parent);

    void setScene(const CalcExample& example, const ExperimentScene& frame);
    // "2e": the lever as the pupil arranges it.
    void setLever(const LeverBoard& lever);
    const ExperimentScene& frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CalcMap& m_map;
    CalcExample m_example;
    ExperimentScene m_frame;
    bool m_hasExample = false;
    std::optional<LeverBoard> m_lever;
};

} // namespace orbeta
