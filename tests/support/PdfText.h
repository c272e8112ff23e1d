// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
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

// The pages of a PDF file as pdfinfo counts them; 0 when it cannot.
int pdfPages(const QString& path);

} // namespace orbeta::test_support
