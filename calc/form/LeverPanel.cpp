// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/form/LeverPanel.h"

#include "calc/form/CalcScene.h"
#include "calc/experiments/LeverSpeech.h"
#include "calc/form/ScenePicture.h"
#include "services/Services.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace orbeta {

LeverPanel::LeverPanel(ScenePicture& picture, Services& services, bool active)
    : QObject(&picture)
    , m_picture(picture)
    , m_services(services)
    , m_active(active)
{
    if (!active)
        return;
    // The hand over a weight that can be moved, and the keys that do it without the mouse.
    picture.setMouseTracking(true);
    picture.setToolTip(QStringLiteral("Závažie potiahni myšou, alebo ho vyber klávesom 1 až 3, posúvaj šípkami, "
                                      "zaves klávesom Enter a vráť klávesom Esc."));
}

void LeverPanel::reset(const CalcExample& example)
{
    m_lever = LeverBoard(example, CalcScene::leverPlaces());
    m_dragging = false;
    if (m_active) {
        m_picture.setLever(m_lever);
        m_picture.setAccessibleDescription(LeverSpeech::describe(m_lever));
    }
}

bool LeverPanel::filterEvent(QEvent* event, bool allowed)
{
    if (!m_active)
        return false;
    if (event->type() == QEvent::KeyPress && leverKey(static_cast<QKeyEvent*>(event), allowed))
        return true;
    return leverMouse(event, allowed);
}

bool LeverPanel::takeBack()
{
    if (!m_active)
        return false;
    const LeverBoard::Event event = m_lever.takeBack();
    leverMoved(event);
    return event != LeverBoard::Event::None;
}

LeverState LeverPanel::settle()
{
    // A weight still held is let go first: the check reads the board as it is then drawn.
    m_lever.release();
    m_dragging = false;
    m_picture.setLever(m_lever);
    if (m_active)
        m_picture.setAccessibleDescription(LeverSpeech::describe(m_lever));
    return m_lever.lever();
}

void LeverPanel::place(const LeverState& lever, bool allowed)
{
    if (!m_active)
        return;
    const LeverPlaces places = CalcScene::leverPlaces();
    for (int mark = -6; mark <= 6; ++mark) {
        const int mass = lever[std::size_t(mark + 6)];
        if (mass == 0 || m_lever.lever()[std::size_t(mark + 6)] == mass)
            continue;
        for (int w = 1; w <= m_lever.looseCount(); ++w) {
            if (m_lever.mass(w) != mass || m_lever.markOf(w))
                continue;
            if (m_lever.press(w, allowed) == LeverBoard::Event::PickedUp) {
                leverMoved(m_lever.move(places.hooks[std::size_t(mark + 6)] - m_lever.position(w)));
                m_lever.release();
            }
            break;
        }
    }
    m_picture.setLever(m_lever);
}

bool LeverPanel::leverMouse(QEvent* event, bool allowed)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        const auto weight = m_lever.weightAt(at, CalcScene::leverWeightSize());
        if (!weight || m_lever.press(*weight, allowed) != LeverBoard::Event::PickedUp)
            return false;
        PlayClickSound(m_services);
        m_dragFrom = at;
        m_dragging = true;
        leverMoved(LeverBoard::Event::PickedUp);
        return true;
    }
    if (type == QEvent::MouseMove) {
        if (m_dragging)
            leverMoved(m_lever.move(at - m_dragFrom));
        const bool overWeight = m_lever.weightAt(at, CalcScene::leverWeightSize()).has_value();
        emit pointed(overWeight && allowed);
        return m_dragging;
    }
    if (!m_dragging)
        return false;
    m_dragging = false;
    leverMoved(m_lever.release());
    return true;
}

bool LeverPanel::leverKey(QKeyEvent* event, bool allowed)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key < Qt::Key_1 + m_lever.looseCount()) {
        const LeverBoard::Event event = m_lever.choose(key - Qt::Key_0, allowed);
        if (event == LeverBoard::Event::PickedUp)
            PlayClickSound(m_services);
        leverMoved(event);
        return true;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down: leverMoved(m_lever.step(-1)); return true;
    case Qt::Key_Right:
    case Qt::Key_Up: leverMoved(m_lever.step(1)); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: leverMoved(m_lever.hang()); return true;
    default: return false;
    }
}

void LeverPanel::leverMoved(LeverBoard::Event event)
{
    if (event == LeverBoard::Event::None)
        return;
    emit moved();
    if (event == LeverBoard::Event::Hung)
        PlayZavaziSound(m_services);
    m_picture.setLever(m_lever);
    // The focus stands on the lever: a screen reader hears the board change.
    m_picture.setAccessibleDescription(LeverSpeech::describe(m_lever));
}

} // namespace orbeta
