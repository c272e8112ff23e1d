// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/MessageBox.h"

#include "look/controls/FocusPainter.h"

#include <QMessageBox>
#include <QRegularExpression>

namespace orbeta {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString MessageBox::scriptLine(const QString& title, const QString& text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\r\n|\r|\n"));
    QString flat = text;
    flat.replace(lineBreaks, QStringLiteral(" / "));
    return title + QStringLiteral(": ") + flat;
}

std::optional<MessageAnswer> MessageBox::scriptedAnswer(const QString& mode, MessageButtons buttons)
{
    const QString value = mode.trimmed().toLower();
    if (value != QLatin1String("ok") && value != QLatin1String("yes") && value != QLatin1String("no"))
        return std::nullopt;
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return value == QLatin1String("no") ? MessageAnswer::No : MessageAnswer::Yes;
}

MessageAnswer MessageBox::exec(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons,
                               QWidget* parent)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(qtIcon(icon), title, shown,
                    buttons == MessageButtons::Ok ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No), parent);
    if (buttons == MessageButtons::YesNoDefaultNo)
        box.setDefaultButton(QMessageBox::No);
    // The focus shows as on the program's own screens.
    box.setStyleSheet(FocusPainter::dialogStyleSheet());
    const int result = box.exec();
    // Without a window manager nothing gives the keys back to the window.
    if (parent)
        parent->window()->activateWindow();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace orbeta
