// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen/PictureButton.h"

#include <QAccessible>
#include <QWidget>
#include <gtest/gtest.h>

namespace orbeta::test {

inline QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The form and every control a pupil can reach on it, hidden marks included,
// have a name; the shown picture buttons say they are buttons or choices and
// can be pressed when enabled; a screen reader walking the form's children meets no nameless filler.
inline void expectEveryControlNamed(QWidget* form)
{
    ASSERT_NE(form, nullptr);
    SCOPED_TRACE(form->objectName().toStdString());
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form);
    ASSERT_NE(face, nullptr);
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty());
    int controls = form->focusPolicy() == Qt::NoFocus ? 0 : 1;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const bool pictureButton = qobject_cast<PictureButton*>(control);
        if (control->focusPolicy() == Qt::NoFocus && !pictureButton)
            continue;
        ++controls;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << control->metaObject()->className() << " at " << control->x() << "," << control->y();
        if (pictureButton && control->isVisibleTo(form) && control->focusPolicy() != Qt::NoFocus) {
            const QAccessible::Role role = accessible->role();
            EXPECT_TRUE(role == QAccessible::Button || role == QAccessible::RadioButton);
            EXPECT_EQ(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                      control->isEnabled());
        }
    }
    EXPECT_GT(controls, 0);
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        EXPECT_FALSE(child->role() == QAccessible::Client && child->text(QAccessible::Name).isEmpty())
            << child->object()->metaObject()->className() << " at " << child->rect().x() << ","
            << child->rect().y();
    }
}

} // namespace orbeta::test
