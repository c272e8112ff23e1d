// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/DesktopKeyboardLayouts.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace orbeta {

QString DesktopKeyboardLayouts::activeName() const
{
    const QInputMethod* input = QGuiApplication::instance() ? QGuiApplication::inputMethod() : nullptr;
    return layoutName(input ? input->locale() : QLocale::system());
}

QString DesktopKeyboardLayouts::layoutName(const QLocale& locale)
{
    struct Entry {
        QLocale::Language language;
        QLocale::Territory territory; // AnyTerritory matches every territory
        unsigned id;
    };
    static const Entry table[] = {
        {QLocale::English, QLocale::UnitedKingdom, 0x0809}, {QLocale::English, QLocale::AnyTerritory, 0x0409},
        {QLocale::Slovak, QLocale::AnyTerritory, 0x041B},   {QLocale::Czech, QLocale::AnyTerritory, 0x0405},
        {QLocale::German, QLocale::AnyTerritory, 0x0407},   {QLocale::Hungarian, QLocale::AnyTerritory, 0x040E},
        {QLocale::Polish, QLocale::AnyTerritory, 0x0415},   {QLocale::French, QLocale::AnyTerritory, 0x040C},
        {QLocale::Ukrainian, QLocale::AnyTerritory, 0x0422}, {QLocale::Russian, QLocale::AnyTerritory, 0x0419},
    };
    for (const Entry& entry : table) {
        if (entry.language == locale.language()
            && (entry.territory == QLocale::AnyTerritory || entry.territory == locale.territory()))
            return QStringLiteral("%1").arg(entry.id, 8, 16, QLatin1Char('0')).toUpper();
    }
    return QStringLiteral("00000409");
}

} // namespace orbeta
