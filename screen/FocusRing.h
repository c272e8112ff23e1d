// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace orbeta {

// The order in which Tab and Shift+Tab visit the controls of a screen, round
// and round, skipping hidden and disabled ones. A group (a column of topics, a
// row of counts) is one stop: Tab enters it at its marked picture button, or
// at its first shown member, and the arrows move within it.
class FocusRing {
public:
    void add(QWidget* control);
    void addGroup(const QList<QWidget*>& members);

    // The control Tab (forward) or Shift+Tab goes to from `current`; from a
    // control outside the ring, the first or the last stop. Null when no stop
    // is shown.
    QWidget* next(const QWidget* current, bool forward) const;
    // The member `step` places on from `current` within its group, round the
    // group's shown members; null when `current` is in no group.
    QWidget* within(const QWidget* current, int step) const;
    // Where the stop holding `control` is entered; null when none is shown.
    QWidget* entry(const QWidget* control) const;
    QWidget* first() const { return next(nullptr, true); }

private:
    using Stop = QList<QPointer<QWidget>>;

    static bool usable(const QWidget* control);
    static QWidget* entryOf(const Stop& stop);
    int stopOf(const QWidget* control) const;

    QList<Stop> m_stops;
    QList<bool> m_isGroup;
};

} // namespace orbeta
