// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/AccessibleControls.h"

#include "shell/PictureButton.h"
#include "shell/ScreenHost.h"

#include <QAccessibleWidget>

namespace orbeta {
namespace {

class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, button->accessibleRole())
    {
    }

    QAccessible::Role role() const override { return button()->accessibleRole(); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = button()->isMarked();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled() && role() != QAccessible::Graphic)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && actionNames().contains(pressAction()) && button()->isVisible())
            button()->press();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    PictureButton* button() const { return static_cast<PictureButton*>(widget()); }
};

// The window: its one child is the stage with the screen in front.
class ScreenHostAccessible : public QAccessibleWidget {
public:
    explicit ScreenHostAccessible(ScreenHost* host)
        : QAccessibleWidget(host, QAccessible::Window, QStringLiteral("Orbeta Tarovia"))
    {
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(host()->stage()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == host()->stage() ? 0 : -1;
    }

private:
    ScreenHost* host() const { return static_cast<ScreenHost*>(widget()); }
};

// The stage is embedded in the window's scene, so Qt would take it for a
// window of its own that no window lists.
class StageAccessible : public QAccessibleWidget {
public:
    StageAccessible(QWidget* stage, ScreenHost* host)
        : QAccessibleWidget(stage, QAccessible::Client)
        , m_host(host)
    {
    }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_host); }

private:
    ScreenHost* m_host;
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("orbeta::PictureButton"))
        return new PictureButtonAccessible(static_cast<PictureButton*>(object));
    if (className == QLatin1String("orbeta::ScreenHost"))
        return new ScreenHostAccessible(static_cast<ScreenHost*>(object));
    // Asked for while the host is still being built, before it knows its stage.
    if (className == QLatin1String("QWidget") && !object->parent()
        && object->objectName() == QLatin1String("stage")) {
        if (ScreenHost* host = ScreenHost::instance())
            return new StageAccessible(static_cast<QWidget*>(object), host);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleControls()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(accessibleFactory);
}

} // namespace orbeta
