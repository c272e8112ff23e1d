// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/RoleAccessible.h"

#include <QWidget>

namespace orbeta {
namespace {

constexpr char kRoleProperty[] = "orbetaAccessibleRole";

QAccessibleInterface* roleAccessible(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new RoleAccessible(static_cast<QWidget*>(object), QAccessible::Role(role.toInt()));
}

} // namespace

RoleAccessible::RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

void RoleAccessible::assign(QWidget* widget, QAccessible::Role role)
{
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(roleAccessible);
    widget->setProperty(kRoleProperty, int(role));
}

} // namespace orbeta
