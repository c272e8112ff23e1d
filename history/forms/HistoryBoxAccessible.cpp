// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/forms/HistoryBoxAccessible.h"

#include "history/forms/HistoryBox.h"

namespace orbeta {
namespace {

QAccessibleInterface* historyBoxAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("orbeta::HistoryBox") && object && object->isWidgetType())
        return new HistoryBoxAccessible(static_cast<HistoryBox*>(object));
    return nullptr;
}

} // namespace

HistoryBoxAccessible::HistoryBoxAccessible(HistoryBox* box) : QAccessibleWidget(box, QAccessible::ListItem) {}

HistoryBox* HistoryBoxAccessible::box() const
{
    return static_cast<HistoryBox*>(widget());
}

QAccessible::State HistoryBoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const HistoryPainter::BoxState shown = box()->state();
    s.focusable = box()->kind() != HistoryBox::Kind::Target;
    s.focused = (shown == HistoryPainter::BoxState::Focused || shown == HistoryPainter::BoxState::Lifted)
                && box()->parentWidget() && box()->parentWidget()->focusWidget() == box()->parentWidget();
    s.selected = shown == HistoryPainter::BoxState::Lifted;
    s.disabled = s.disabled || shown == HistoryPainter::BoxState::Disabled;
    return s;
}

void HistoryBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(historyBoxAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace orbeta
