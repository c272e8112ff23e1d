// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/MarkTable.h"
#include "shell/TextTables.h"

#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

namespace orbeta {

// Width, height, bits per pixel and refresh rate of the screen at start.
struct DisplayModeInfo {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    std::int32_t refreshRate = 0;
};

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
    bool PrintMode = false;

    // Kept by the task forms, read by the results form.
    std::uint16_t CorrectCount = 0;
    std::uint16_t WrongCount = 0;
    std::uint16_t ExamplesLeft = 0;
    int ScreenItems = 0;

    // The three tables loaded at start-up.
    ::orbeta::MarkTable MarkTable{};
    TextTable AssignmentTexts;
    TextTable HintTexts;

    QCursor ArrowCursor{Qt::ArrowCursor};
    QCursor HandCursor{Qt::PointingHandCursor};
    QCursor HelpCursor{Qt::WhatsThisCursor};
    // check, new, tab, back; each normal then highlighted.
    std::array<QPixmap, 8> TopButtonPictures;

    // The 640 x 480 form in front.
    QPointer<QWidget> CurrentForm;
    // The highlighted item of the front form, 0 for none.
    std::uint8_t HoverId = 0;

    QString SavedKeyboardLayout;
    QString CurrentKeyboardLayout;

    DisplayModeInfo SavedDisplayMode;
};

Globals& globals();

} // namespace orbeta
