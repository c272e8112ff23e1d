// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// History forms: the backgrounds of the pairs (ten and five rows) and of the
// two timelines, and the help pictures of "6a" to "6c".
#include "art/catalogue/PictureCatalogue.h"
#include "art/pictures/Screens.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "look/screens/HistoryPainter.h"

#include <QPainter>

namespace orbeta {

void Screens::addHistory(PictureCatalogue& c)
{
    const QString pairs = QStringLiteral("6a");
    c.add(PictureNames::historyBackground(pairs, false), Layout::kScreen,
          [](QPainter& p, QSize size) { HistoryPainter::drawPairsBackground(p, size, Layout::kPairRows); });
    c.add(PictureNames::historyBackground(pairs, true), Layout::kScreen,
          [](QPainter& p, QSize size) { HistoryPainter::drawPairsBackground(p, size, Layout::kPairRows / 2); });
    c.add(PictureNames::historyBackground(QStringLiteral("6b"), false), Layout::kScreen,
          HistoryPainter::drawPersonsBackground);
    c.add(PictureNames::historyBackground(QStringLiteral("6c"), false), Layout::kScreen,
          HistoryPainter::drawEventsBackground);
    for (const char* code : {"6a", "6b", "6c"}) {
        const QString taskCode = QString::fromLatin1(code);
        c.add(PictureNames::taskHelp(taskCode), Layout::kScreen,
              [taskCode](QPainter& p, QSize size) { HistoryPainter::drawHelp(p, size, taskCode); });
    }
}

} // namespace orbeta
