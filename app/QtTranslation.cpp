// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <cstring>

namespace orbeta {

bool QtTranslation::install()
{
    if (!m_catalogue.load(QLocale(QLocale::Slovak, QLocale::Slovakia), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(this);
}

QString QtTranslation::translate(const char* context, const char* sourceText, const char* disambiguation,
                                 int n) const
{
    const QString text = m_catalogue.translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && context && std::strcmp(context, "QPlatformTheme") == 0)
        return m_catalogue.translate("QDialogButtonBox", sourceText, disambiguation, n);
    return text;
}

} // namespace orbeta
