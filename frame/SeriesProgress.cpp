// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/SeriesProgress.h"

#include <algorithm>

namespace orbeta {

SeriesProgress::SeriesProgress(int exampleCount)
    : m_exampleCount(std::max(0, exampleCount))
    , m_left(m_exampleCount)
{
}

void SeriesProgress::count(bool right)
{
    if (right)
        ++m_correct;
    else
        ++m_wrong;
}

bool SeriesProgress::next(int screenItems)
{
    m_left = std::max(0, m_left - std::max(1, screenItems));
    return m_left > 0;
}

int SeriesProgress::exampleNumber() const
{
    return m_exampleCount - m_left + 1;
}

SeriesResult SeriesProgress::result(const QString& pupilName, const QString& topicName, const QString& taskTitle) const
{
    return {pupilName, topicName, taskTitle, m_correct, m_wrong};
}

} // namespace orbeta
