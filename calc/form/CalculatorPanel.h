// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPixmap>

#include <array>
#include <vector>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace orbeta {

class PictureButton;
class Services;

// The calculator of the calculation form: its display `TKalkulator`, its
// five keys `Kalk` and the notes `TPoznamky` it writes its lines into, all
// standing on the form. The rules are calc/calculator/Calculator and CalculatorKeyFilter.
class CalculatorPanel : public QObject {
    Q_OBJECT
public:
    // The notes reach down to the bottom where the task has no table.
    CalculatorPanel(QWidget& form, Services& services, bool tallNotes);

    // After the form's common font: the display and the notes in Sigla.
    void setFonts();
    // Keys pressable and boxes writable, or neither.
    void setEnabled(bool on);
    void clear();
    // The events of the display and the keys; true when taken.
    bool filterEvent(QObject* watched, QEvent* event);

    QLineEdit* input() const { return TKalkulator; }
    QPlainTextEdit* notes() const { return TPoznamky; }
    PictureButton* key(int i) const { return Kalk[std::size_t(i - 1)]; }
    // The display, the keys and the notes in the order Tab visits them.
    std::vector<QWidget*> focusOrder() const;

private:
    void pressKey(int key);
    void releaseKey(int key);
    bool filterKey(QKeyEvent* event);

    Services& m_services;
    std::array<QPixmap, 5> m_keyUp;
    std::array<QPixmap, 5> m_keyDown;
    std::array<PictureButton*, 5> Kalk{};
    QLineEdit* TKalkulator = nullptr;
    QPlainTextEdit* TPoznamky = nullptr;
};

} // namespace orbeta
