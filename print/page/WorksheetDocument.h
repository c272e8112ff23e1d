// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/page/WorksheetContent.h"

#include <QByteArray>
#include <QImage>

namespace orbeta::print {

// A worksheet made into a file or a picture.
class WorksheetDocument {
public:
    // The whole worksheet as a PDF: A4 pages with real text, the fonts embedded.
    static QByteArray pdf(const WorksheetRequest& request, WorksheetContent& content);
    // Page `page` (from 1) as a white A4 picture at `dotsPerInch`.
    static QImage pageImage(const WorksheetRequest& request, WorksheetContent& content, int page, int dotsPerInch);
};

} // namespace orbeta::print
