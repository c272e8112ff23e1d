// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QSize>
#include <QStringList>

class QPainter;

namespace orbeta {

// The help pictures of the calculation tasks, shown full screen when the
// pupil clicks the task's picture: the steps, the signs and the formulas,
// from one table of texts per task.
class CalcHelpPainter {
public:
    // The codes that have a help picture, in table order.
    static QStringList codes();
    static void draw(QPainter& painter, QSize size, const QString& taskCode);
    // The texts of the picture that do not fit their places even at the
    // smallest type; empty when every text fits.
    static QStringList overfullTexts(const QString& taskCode);

    // A symbol the page explains ("c₁"; a row for two names two) and its units.
    struct Sign {
        QString symbol;
        QStringList units;
    };
    static QList<Sign> signs(const QString& taskCode);
};

} // namespace orbeta
