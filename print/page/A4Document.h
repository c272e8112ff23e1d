// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class QPdfWriter;

namespace orbeta::print {

class PrintPage;

// The two outputs of every printed document of the program: a PDF of A4
// pages with real text, and a white picture of one page, both keeping the
// paper margin that printers need.
class A4Document {
public:
    // The PDF's dots per inch; a layout measured at it fits the PDF exactly.
    static constexpr int kPdfResolution = 600;

    // A PDF whose pages `print` paints onto the writer; empty when it fails.
    static QByteArray pdf(const QString& title, const std::function<bool(QPdfWriter&)>& print);
    // A white A4 picture of what `print` draws on the page.
    static QImage pageImage(int dotsPerInch, const std::function<void(PrintPage&)>& print);
};

} // namespace orbeta::print
