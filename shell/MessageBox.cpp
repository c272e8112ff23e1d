#include "shell/MessageBox.h"

#include "shell/ScreenHost.h"

#include <QMessageBox>
#include <QRegularExpression>

#include <cstdio>

namespace orbeta {

namespace {

MessageBox::Handler& customHandler()
{
    static MessageBox::Handler handler;
    return handler;
}

std::optional<MessageAnswer> scriptedAnswer(MessageButtons buttons)
{
    const QString value = qEnvironmentVariable("ORBETA_MESSAGEBOX").trimmed().toLower();
    if (value != QLatin1String("ok") && value != QLatin1String("yes") && value != QLatin1String("no"))
        return std::nullopt;
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return value == QLatin1String("no") ? MessageAnswer::No : MessageAnswer::Yes;
}

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

MessageAnswer MessageBox::show(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons)
{
    if (customHandler())
        return customHandler()(title, text, icon, buttons);
    if (const auto answer = scriptedAnswer(buttons)) {
        std::fprintf(stderr, "%s\n", scriptLine(title, text).toLocal8Bit().constData());
        std::fflush(stderr);
        return *answer;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(qtIcon(icon), title, shown,
                    buttons == MessageButtons::Ok ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No),
                    ScreenHost::instance());
    const int result = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void MessageBox::setHandler(Handler handler)
{
    customHandler() = std::move(handler);
}

} // namespace orbeta
