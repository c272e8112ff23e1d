// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/FocusRing.h"

#include "screen/PictureButton.h"

namespace orbeta {

void FocusRing::add(QWidget* control)
{
    m_stops.append(Stop{control});
    m_isGroup.append(false);
}

void FocusRing::addGroup(const QList<QWidget*>& members)
{
    Stop stop;
    for (QWidget* member : members)
        stop.append(member);
    m_stops.append(stop);
    m_isGroup.append(true);
}

bool FocusRing::usable(const QWidget* control)
{
    return control && !control->isHidden() && control->isEnabled();
}

QWidget* FocusRing::entryOf(const Stop& stop)
{
    for (const QPointer<QWidget>& member : stop) {
        const auto* button = qobject_cast<const PictureButton*>(member.data());
        if (usable(member) && button && button->isMarked())
            return member;
    }
    for (const QPointer<QWidget>& member : stop)
        if (usable(member))
            return member;
    return nullptr;
}

int FocusRing::stopOf(const QWidget* control) const
{
    if (!control)
        return -1;
    for (int i = 0; i < m_stops.size(); ++i)
        for (const QPointer<QWidget>& member : m_stops.at(i))
            if (member == control)
                return i;
    return -1;
}

QWidget* FocusRing::next(const QWidget* current, bool forward) const
{
    const int n = int(m_stops.size());
    if (n == 0)
        return nullptr;
    const int from = stopOf(current);
    int i = from < 0 ? (forward ? n - 1 : 0) : from;
    for (int k = 0; k < n; ++k) {
        i = (i + (forward ? 1 : n - 1)) % n;
        if (QWidget* control = entryOf(m_stops.at(i)))
            return control;
    }
    return nullptr;
}

QWidget* FocusRing::within(const QWidget* current, int step) const
{
    const int index = stopOf(current);
    if (index < 0 || !m_isGroup.at(index))
        return nullptr;
    QList<QWidget*> shown;
    for (const QPointer<QWidget>& member : m_stops.at(index))
        if (usable(member))
            shown.append(member);
    const int at = int(shown.indexOf(const_cast<QWidget*>(current)));
    if (at < 0 || shown.isEmpty())
        return shown.isEmpty() ? nullptr : shown.first();
    const int n = int(shown.size());
    return shown.at(((at + step) % n + n) % n);
}

QWidget* FocusRing::entry(const QWidget* control) const
{
    const int index = stopOf(control);
    return index < 0 ? nullptr : entryOf(m_stops.at(index));
}

} // namespace orbeta
