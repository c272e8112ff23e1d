// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/form/CalcTablePanel.h"

#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "formats/SiglaText.h"
#include "look/basics/PictureNames.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/RoleAccessible.h"
#include "services/Resources.h"

#include <QLabel>

#include <algorithm>

namespace orbeta {
namespace {

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

CalcTablePanel::CalcTablePanel(Form& form, const Resources& resources)
    : QObject(&form)
    , m_form(form)
    , m_resources(resources)
{
    // A darker strip under the row shown or marked, so that its white text stands out.
    m_rowMark = new QWidget(&form);
    m_rowMark->setAutoFillBackground(true);
    QPalette mark = m_rowMark->palette();
    mark.setColor(QPalette::Window, Palette::strip());
    m_rowMark->setPalette(mark);
    m_rowMark->setAttribute(Qt::WA_TransparentForMouseEvents);
    RoleAccessible::assign(m_rowMark, QAccessible::StaticText);
    m_rowMark->hide();
    for (int r = 0; r < kMaxCalcTableRows; ++r) {
        for (auto* column : {&LblLatka, &LblKg, &LblG}) {
            auto* label = new QLabel(&form);
            label->hide();
            label->setMouseTracking(true);
            (*column)[std::size_t(r)] = label;
        }
    }
}

void CalcTablePanel::setFonts()
{
    const QFont sigla(QStringLiteral("Sigla"));
    for (int r = 0; r < kMaxCalcTableRows; ++r) {
        const bool heading = r == 0;
        LblLatka[std::size_t(r)]->setFont(pixelFont(LblLatka[std::size_t(r)]->font(), 13, heading));
        LblKg[std::size_t(r)]->setFont(pixelFont(sigla, 13, heading));
        LblG[std::size_t(r)]->setFont(pixelFont(sigla, 13, heading));
    }
}

void CalcTablePanel::build(const CalcTable& table, int first)
{
    if (first == 0 || table.empty())
        return;
    const int fileRows = int(table.size()) - 1;
    // "3b" lists a second table of constants below the first.
    const int second = std::max(0, fileRows - first - 1);
    auto drawFrame = [this](int rows, int shift) {
        const QPixmap top = m_resources.picture(PictureNames::tableTop());
        const QPixmap body = m_resources.picture(PictureNames::tableBody());
        const QPixmap bottom = m_resources.picture(PictureNames::tableBottom());
        BlitPersistent(m_form, Layout::kTableTop.x(), Layout::kTableTop.y() + shift, top.width(), top.height(), top);
        for (int i = 1; i <= rows; ++i)
            BlitPersistent(m_form, Layout::kTableTop.x(), Layout::kTableBodyTop + Layout::kTableRowStep * (i - 1) + shift,
                           body.width(), body.height(), body);
        BlitPersistent(m_form, Layout::kTableTop.x(), Layout::kTableBodyTop + Layout::kTableRowStep * rows + shift,
                       bottom.width(), bottom.height(), bottom);
    };
    const QPixmap blue = m_resources.picture(PictureNames::tableGround());
    BlitPersistent(m_form, Layout::kTableBlue.x(), Layout::kTableBlue.y(), blue.width(),
                   std::max(0, blue.height() - Layout::kTableBlueCut), blue);
    drawFrame(first, 0);
    // 3 pixels below the first table's closing strip, so that its heading covers no row of the first.
    const int secondShift =
        Layout::kTableTopSize.height() + first * Layout::kTableRowStep + Layout::kTableBottomSize.height() + 3;
    if (second > 0)
        drawFrame(second, secondShift);

    auto place = [this, &table](int fileRow, int top, bool heading) {
        const std::array<QLabel*, 3> labels{LblLatka[std::size_t(fileRow)], LblKg[std::size_t(fileRow)],
                                            LblG[std::size_t(fileRow)]};
        const CalcTableRow& texts = table[std::size_t(fileRow)];
        const std::array<QString, 3> captions{texts.name, texts.firstValue, texts.secondValue};
        for (std::size_t c = 0; c < 3; ++c) {
            labels[c]->setGeometry(Layout::kTableColumnLeft[c], top, Layout::kTableColumnWidth[c],
                                   Layout::kTableLabelHeight);
            labels[c]->setText(captions[c]);
            // The numbers and units are stored for the symbol font: a screen reader gets what it shows.
            if (c > 0)
                labels[c]->setAccessibleName(SiglaText::toUnicode(captions[c]));
            labels[c]->setAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            QFont font = labels[c]->font();
            font.setBold(heading);
            labels[c]->setFont(font);
            setTextColour(labels[c], heading ? QColor(Qt::white) : QColor(Qt::black));
            labels[c]->show();
        }
    };
    const int headingTop = Layout::kTableTop.y() + (Layout::kTableTopSize.height() - Layout::kTableLabelHeight) / 2;
    const int rowTop = Layout::kTableBodyTop + (Layout::kTableRowStep - Layout::kTableLabelHeight) / 2;
    place(0, headingTop, true);
    for (int r = 1; r <= std::min(first, fileRows); ++r)
        place(r, rowTop + Layout::kTableRowStep * (r - 1), false);
    if (second > 0) {
        place(first + 1, headingTop + secondShift, true);
        for (int r = 1; r <= second; ++r)
            place(first + 1 + r, rowTop + Layout::kTableRowStep * (r - 1) + secondShift, false);
    }
    m_rows = first;
}

void CalcTablePanel::showNumbers(const CalcTable& shown)
{
    for (int r = 1; r <= m_rows && r < int(shown.size()); ++r)
    {
        LblG[std::size_t(r)]->setText(shown[std::size_t(r)].secondValue);
        LblG[std::size_t(r)]->setAccessibleName(SiglaText::toUnicode(shown[std::size_t(r)].secondValue));
    }
}

void CalcTablePanel::highlight(int row)
{
    if (row >= 1 && row <= m_rows) {
        const QLabel* name = LblLatka[std::size_t(row)];
        m_rowMark->setGeometry(Layout::kTableTop.x() + 4, name->y() - 1, Layout::kTableBodySize.width() - 8,
                               Layout::kTableLabelHeight + 2);
        // Told by its name, not by its colour; the change of name is reported.
        m_rowMark->setAccessibleName(QStringLiteral("Vyznačený riadok tabuľky: %1, %2, %3")
                                         .arg(name->text(), LblKg[std::size_t(row)]->accessibleName(),
                                              LblG[std::size_t(row)]->accessibleName()));
        m_rowMark->show();
    } else {
        m_rowMark->hide();
    }
    for (int i = 1; i <= m_rows; ++i) {
        const QColor colour = i == row ? QColor(Qt::white) : QColor(Qt::black);
        for (QLabel* label : {LblLatka[std::size_t(i)], LblKg[std::size_t(i)], LblG[std::size_t(i)]})
            setTextColour(label, colour);
    }
}

int CalcTablePanel::rowOf(const QObject* object) const
{
    for (int r = 1; r < kMaxCalcTableRows; ++r)
        if (object == LblLatka[std::size_t(r)] || object == LblKg[std::size_t(r)] || object == LblG[std::size_t(r)])
            return r;
    return 0;
}

QLabel* CalcTablePanel::label(int column, int row) const
{
    const auto& labels = column == 0 ? LblLatka : column == 1 ? LblKg : LblG;
    return labels[std::size_t(row)];
}

} // namespace orbeta
