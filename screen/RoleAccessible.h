// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace orbeta {

// A widget that draws what it shows told to a screen reader as the role it
// plays (a dialog, a drawing, a document), with its name and description.
class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role);

    // Before the widget is first described: Qt keeps the first description it makes.
    static void assign(QWidget* widget, QAccessible::Role role);
};

} // namespace orbeta
