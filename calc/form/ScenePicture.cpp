// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/form/ScenePicture.h"

#include "calc/form/CalcScene.h"

#include <QPainter>

namespace orbeta {

ScenePicture::ScenePicture(const CalcMap& map, QWidget* parent) : QWidget(parent), m_map(map)
{
    setObjectName(QStringLiteral("Pic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScenePicture::setScene(const CalcExample& example, const ExperimentScene& frame)
{
    if (example.task != m_example.task || !m_hasExample)
        m_lever.reset();
    m_example = example;
    m_frame = frame;
    m_hasExample = true;
    update();
}

void ScenePicture::setLever(const LeverBoard& lever)
{
    m_lever = lever;
    update();
}

void ScenePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_hasExample)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    CalcScene::draw(painter, m_example, m_frame, m_map, m_lever ? &*m_lever : nullptr);
}

} // namespace orbeta
