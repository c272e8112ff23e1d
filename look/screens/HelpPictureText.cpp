// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/screens/HelpPictureText.h"

#include "look/screens/CalcHelpPainter.h"
#include "look/screens/HistoryPainter.h"
#include "look/screens/IntroPainter.h"
#include "look/basics/Layout.h"
#include "look/screens/OpticsPainter.h"
#include "look/basics/PaintedText.h"
#include "look/basics/PictureNames.h"

namespace orbeta {

QString HelpPictureText::of(const QString& name)
{
    const QSize size = Layout::kScreen;
    if (name == PictureNames::credits())
        return PaintedText::of(IntroPainter::drawCredits, size);
    for (TopicGroup group : {TopicGroup::Physics, TopicGroup::History})
        if (name == PictureNames::setupHelp(group))
            return PaintedText::of([group](QPainter& p, QSize s) { IntroPainter::drawSetupHelp(p, s, group); }, size);
    for (const QString& code : CalcHelpPainter::codes())
        if (name == PictureNames::taskHelp(code))
            return PaintedText::of([&code](QPainter& p, QSize s) { CalcHelpPainter::draw(p, s, code); }, size);
    for (const char* history : {"6a", "6b", "6c"}) {
        const QString code = QString::fromLatin1(history);
        if (name == PictureNames::taskHelp(code))
            return PaintedText::of([&code](QPainter& p, QSize s) { HistoryPainter::drawHelp(p, s, code); }, size);
    }
    for (bool mirrors : {true, false})
        if (name == PictureNames::taskHelp(mirrors ? QStringLiteral("4a") : QStringLiteral("4b")))
            return PaintedText::of([mirrors](QPainter& p, QSize s) { OpticsPainter::drawHelp(p, s, mirrors); }, size);
    return {};
}

} // namespace orbeta
