// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>

namespace orbeta::test_support {

// Whether poppler's pdftotext and pdfinfo are installed; the tests of a
// PDF's text skip without them.
bool pdfToolsInstalled();

// The text layer of a PDF file as pdftotext reads it: laid out as on the
// page, or with `layout` false as running text.
QString pdfText(const QString& path, bool layout = true);
// The same for a PDF in memory.
QString pdfTextOf(const QByteArray& pdf, bool layout = true);

// A word of a PDF's text layer and its box, in points from the page's top left;
// the text as pdftotext -bbox writes it, with &, < and > escaped as in HTML.
struct PdfWord {
    QString text;
    QRectF box;
};

// The words of each page of a PDF in memory, as pdftotext -bbox finds them.
QList<QList<PdfWord>> pdfWordsOf(const QByteArray& pdf);

// The pages of a PDF file as pdfinfo counts them; 0 when it cannot.
int pdfPages(const QString& path);

} // namespace orbeta::test_support
