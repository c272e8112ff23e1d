// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcTable.h"

#include <QObject>

#include <array>

class QLabel;
class QWidget;

namespace orbeta {

class Form;
class Resources;

// The table of materials or vehicles on the calculation form: its frame
// drawn into the form's picture, the labels `LblLatka`, `LblKg`, `LblG`
// (row 0 the headings) and the strip under the row shown or marked.
class CalcTablePanel : public QObject {
    Q_OBJECT
public:
    CalcTablePanel(Form& form, const Resources& resources);

    // After the form's common font: the headings bold, the numbers in Sigla.
    void setFonts();
    // The table of the file with `firstRows` rows to mark; "3b" lists a
    // second table below them.
    void build(const CalcTable& table, int firstRows);
    // The number column of the rows to mark as an example shows it.
    void showNumbers(const CalcTable& shown);
    // Row `row` white on the strip, 0 for none.
    void highlight(int row);

    int rows() const { return m_rows; }
    // The row (1 to 10) a label belongs to, 0 for none.
    int rowOf(const QObject* object) const;
    QLabel* label(int column, int row) const;

private:
    Form& m_form;
    const Resources& m_resources;
    std::array<QLabel*, kMaxCalcTableRows> LblLatka{};
    std::array<QLabel*, kMaxCalcTableRows> LblKg{};
    std::array<QLabel*, kMaxCalcTableRows> LblG{};
    int m_rows = 0;
    QWidget* m_rowMark = nullptr;
};

} // namespace orbeta
