// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

class QPrintDialog;
class QPrinter;

namespace orbeta {

// The print dialog of the setup screen's print button and the printer
// settings a worksheet is printed with.
class WorksheetPrintSetup {
public:
    static constexpr int kResolution = 300;
    static constexpr double kMarginMm = 5;

    static QString dialogTitle();
    // Said when the worksheet could not be printed.
    static QString failedText();

    // What printing to a file proposes: "pracovny-list-1a-2026-12-06.pdf" in
    // `folder` (the documents folder).
    static QString proposedFileName(const QString& folder, const QString& taskCode, QDate date);
    // The folder that name goes into: the documents folder, or the home
    // folder when that is missing or not writable (a new account has no
    // documents folder yet, and the dialog would refuse the name).
    static QString proposedFolder(const QString& documents, const QString& home);

    // Title and options: the page range and the selection make no sense for a
    // worksheet; printing to a PDF file stays offered, because on a machine
    // without a printer it is the only way to print.
    static void prepare(QPrintDialog& dialog);

    // After an accepted dialog: keeps the orientation chosen there, sets A4
    // and 300 dpi, and returns the number of copies. The worksheet is then
    // composed once per copy, so the printer itself prints each page once.
    static int applyChoices(QPrinter& printer);
};

} // namespace orbeta
