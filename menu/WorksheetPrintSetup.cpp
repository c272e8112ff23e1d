// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu/WorksheetPrintSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace orbeta {

QString WorksheetPrintSetup::dialogTitle()
{
    return QStringLiteral("Tlač zvolenej úlohy:");
}

QString WorksheetPrintSetup::failedText()
{
    return QStringLiteral("Pracovný list sa nepodarilo vytlačiť.");
}

QString WorksheetPrintSetup::proposedFileName(const QString& folder, const QString& taskCode, QDate date)
{
    return QDir(folder).filePath(
        QStringLiteral("pracovny-list-%1-%2.pdf").arg(taskCode, date.toString(QStringLiteral("yyyy-MM-dd"))));
}

QString WorksheetPrintSetup::proposedFolder(const QString& documents, const QString& home)
{
    const QFileInfo folder(documents);
    return !documents.isEmpty() && folder.isDir() && folder.isWritable() ? documents : home;
}

void WorksheetPrintSetup::prepare(QPrintDialog& dialog)
{
    dialog.setWindowTitle(dialogTitle());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
}

int WorksheetPrintSetup::applyChoices(QPrinter& printer)
{
    const int copies = std::max(1, printer.copyCount());
    const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
    printer.setCopyCount(1);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setResolution(kResolution);
    // A sheet printed to a file gets the margin a printer would keep; a
    // printer keeps at least its own.
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    return copies;
}

} // namespace orbeta
