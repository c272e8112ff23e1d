// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/MarkTable.h"
#include "formats/TextTables.h"

#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

namespace orbeta {

// The one set of shared globals, read and written by every form for the
// whole run. Names are the program's own throughout.
struct Globals {
    // Directories, each ending in a separator.
    QString WindowsDir;
    QString ResourceDir;
    QString DataDir;    // the tables, read
    QString ResultsDir; // the rankings and the results log, written
    QString FontPath;

    // The chosen task: "0" while none is chosen.
    QString TaskCode = QStringLiteral("0");
    QString TopicName;
    QString TaskTitle;

    // The series set up on the setup form.
    QString PupilName;
    std::uint8_t ExampleCount = 0;

    // The three tables loaded at start-up.
    ::orbeta::MarkTable MarkTable{};
    TextTable AssignmentTexts;
    TextTable HintTexts;

    QCursor ArrowCursor{Qt::ArrowCursor};
    QCursor HandCursor{Qt::PointingHandCursor};
    QCursor HelpCursor{Qt::WhatsThisCursor};
    // check, new, tab, back; each normal then highlighted.
    std::array<QPixmap, 8> TopButtonPictures;

    QString SavedKeyboardLayout;
    QString CurrentKeyboardLayout;
};

Globals& globals();

} // namespace orbeta
