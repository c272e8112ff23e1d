// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

class QFontMetricsF;

namespace orbeta {

// The text label of the hint window. Its text is what it shows (Unicode:
// "Odpor: 50 Ω"); each run of the text is drawn in its own font, as a printed
// page sets it: Sigla's symbols in Sigla, the words in the label's font, so a
// unit never turns the letters around it into symbols.
class HintTextLabel : public QLabel {
public:
    explicit HintTextLabel(QWidget* parent);

    // The label's font for the words, with Sigla's family for the symbols.
    static QFont siglaFont(const QFont& font);
    // The width of `line` with its runs in their fonts.
    static double lineWidth(const QFont& font, QStringView line, QPaintDevice* device = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbeta
