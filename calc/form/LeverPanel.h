// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/experiments/LeverBoard.h"

#include <QObject>
#include <QPoint>

class QEvent;
class QKeyEvent;

namespace orbeta {

class ScenePicture;
class Services;

// The lever of "2e" on the calculation form's scene: the mouse and the keys
// 1 to 3, the arrows, Enter and Escape mapped onto its `LeverBoard`, the
// sounds of a pick-up and a hanging, and the scene repainted after each
// move. The form says whether a weight may be moved and answers `moved`
// with its own part (the level lever, the experiment button).
class LeverPanel : public QObject {
    Q_OBJECT
public:
    // `active` on the lever task: the scene takes the hand and the keys' tip.
    LeverPanel(ScenePicture& picture, Services& services, bool active);

    // A new example's weights at their places.
    void reset(const CalcExample& example);
    // The scene's mouse and key events; `allowed` while the example is open
    // and no experiment runs. True when taken.
    bool filterEvent(QEvent* event, bool allowed);
    // Escape: the weight in hand goes back; false when none was.
    bool takeBack();
    // The check: the lever as it stands, the weight in hand let go.
    LeverState settle();
    // Each weight `lever` hangs and the board lacks dragged from its place to its mark.
    void place(const LeverState& lever, bool allowed);

    const LeverBoard& board() const { return m_lever; }
    bool dragging() const { return m_dragging; }

signals:
    // A weight moved, hung, came off or went back.
    void moved();
    // The pointer over the scene: the hand over a weight that may be moved.
    void pointed(bool hand);

private:
    bool leverMouse(QEvent* event, bool allowed);
    bool leverKey(QKeyEvent* event, bool allowed);
    void leverMoved(LeverBoard::Event event);

    ScenePicture& m_picture;
    Services& m_services;
    bool m_active = false;
    LeverBoard m_lever;
    QPoint m_dragFrom;
    bool m_dragging = false;
};

} // namespace orbeta
