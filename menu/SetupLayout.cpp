// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/SetupLayout.h"

#include "look/basics/PictureNames.h"

#include <utility>

namespace orbeta {

SetupLayout::SetupLayout(TopicGroup group, QString taskCode)
    : m_group(group), m_taskCode(std::move(taskCode))
{
}

SetupLayout SetupLayout::forTask(const QString& taskCode)
{
    return SetupLayout(TaskTable::groupOf(taskCode), taskCode);
}

std::uint8_t SetupLayout::countOf(int button) const
{
    if (button < 1 || button > kCountButtons)
        return 0;
    return TaskTable::countsOffered(m_group)[static_cast<std::size_t>(button - 1)];
}

QString SetupLayout::countPicture(int button, bool chosen) const
{
    return PictureNames::countButton(m_group, countOf(button), chosen);
}

QString SetupLayout::arrowPicture(int button) const
{
    return PictureNames::arrow(button);
}

QString SetupLayout::background() const
{
    return PictureNames::setupBackground(m_group);
}

QString SetupLayout::helpPicture() const
{
    return PictureNames::setupHelp(m_group);
}

QString SetupLayout::headingPicture() const
{
    return PictureNames::heading(m_taskCode);
}

QString SetupLayout::topicPicture() const
{
    return PictureNames::topicPicture(m_taskCode);
}

QString SetupLayout::continueBackground()
{
    return PictureNames::continueBackground();
}

QString SetupLayout::printBackground()
{
    return PictureNames::printBackground();
}

QString SetupLayout::backPicture(bool highlighted)
{
    return PictureNames::setupBack(highlighted ? ButtonLook::Highlighted : ButtonLook::Normal);
}

int SetupLayout::nameFieldLeft() const
{
    return (m_group == TopicGroup::History ? Layout::kNameField6 : Layout::kNameField15).left();
}

QPoint SetupLayout::headingPosition() const
{
    return m_group == TopicGroup::History ? Layout::kHeading6 : Layout::kHeading15;
}

} // namespace orbeta
