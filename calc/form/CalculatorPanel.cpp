// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/form/CalculatorPanel.h"

#include "calc/calculator/Calculator.h"
#include "calc/calculator/CalculatorKeyFilter.h"
#include "frame/TaskFrame.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "services/Resources.h"
#include "services/Services.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace orbeta {
namespace {

QFont siglaFont(int pixels)
{
    QFont font(QStringLiteral("Sigla"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

CalculatorPanel::CalculatorPanel(QWidget& form, Services& services, bool tallNotes)
    : QObject(&form)
    , m_services(services)
{
    TKalkulator = new QLineEdit(&form);
    TKalkulator->setGeometry(Layout::kCalculatorInput);
    TKalkulator->setContextMenuPolicy(Qt::NoContextMenu);
    TKalkulator->setAcceptDrops(false);
    TKalkulator->setMaxLength(60);
    TKalkulator->setToolTip(QStringLiteral("Kalkulačka: napíš výpočet a stlač Enter alebo ="));
    TKalkulator->setAccessibleName(QStringLiteral("Kalkulačka"));
    TKalkulator->setAccessibleDescription(QStringLiteral("Napíš výpočet a stlač Enter."));
    const std::array<QString, 5> keyNames{QStringLiteral("Plus"), QStringLiteral("Mínus"), QStringLiteral("Krát"),
                                          QStringLiteral("Deleno"), QStringLiteral("Vymaž")};
    for (int i = 0; i < 5; ++i) {
        const auto which = PictureNames::CalculatorKey(i);
        auto* key = new PictureButton(&form, std::uint8_t(TaskFrame::kHoverCalculatorKey + i));
        key->setGeometry(Layout::kCalculatorKey1.translated(Layout::kCalculatorKey1.width() * i, 0));
        key->setFixedPictureSize(Layout::kCalculatorKey1.size());
        m_keyUp[std::size_t(i)] = m_services.resources().picture(PictureNames::calculatorKey(which, false));
        m_keyDown[std::size_t(i)] = m_services.resources().picture(PictureNames::calculatorKey(which, true));
        key->setPicture(m_keyUp[std::size_t(i)]);
        connect(key, &PictureButton::mouseMoved, this,
                [this, key, i] { EnterHoverItem(m_services, *key, std::uint8_t(TaskFrame::kHoverCalculatorKey + i)); });
        connect(key, &PictureButton::mousePressed, this, [this, i] { pressKey(i + 1); });
        // A key pressed by Space or Enter comes up again at once.
        connect(key, &PictureButton::clicked, this, [this, i] { releaseKey(i + 1); });
        key->setAccessibleName(keyNames[std::size_t(i)]);
        key->setCursor(m_services.resources().handCursor());
        Kalk[std::size_t(i)] = key;
    }
    TPoznamky = new QPlainTextEdit(&form);
    TPoznamky->setGeometry(tallNotes ? Layout::kCalcNotesTall : Layout::kCalcNotes);
    TPoznamky->setToolTip(QStringLiteral("Poznámky: sem sa zapisujú výpočty kalkulačky."));
    TPoznamky->setAccessibleName(QStringLiteral("Poznámky"));
    // Tab leaves the notes like every other box.
    TPoznamky->setTabChangesFocus(true);
}

std::vector<QWidget*> CalculatorPanel::focusOrder() const
{
    std::vector<QWidget*> order{TKalkulator};
    order.insert(order.end(), Kalk.begin(), Kalk.end());
    order.push_back(TPoznamky);
    return order;
}

void CalculatorPanel::setFonts()
{
    TKalkulator->setFont(siglaFont(16));
    TPoznamky->setFont(siglaFont(14));
}

void CalculatorPanel::setEnabled(bool on)
{
    for (PictureButton* key : Kalk)
        key->setEnabled(on);
    TKalkulator->setReadOnly(!on);
    TPoznamky->setReadOnly(!on);
}

void CalculatorPanel::clear()
{
    TPoznamky->clear();
    TKalkulator->clear();
}

bool CalculatorPanel::filterEvent(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (watched == TKalkulator) {
        if (type == QEvent::KeyPress)
            return filterKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusIn)
            m_services.keyboard().selectUs();
        return false;
    }
    for (int i = 0; i < 5; ++i) {
        if (watched == Kalk[std::size_t(i)] && type == QEvent::MouseButtonRelease)
            releaseKey(i + 1);
    }
    return false;
}

void CalculatorPanel::pressKey(int key)
{
    PlayClickSound(m_services);
    PictureButton* button = Kalk[std::size_t(key - 1)];
    button->setPicture(m_keyDown[std::size_t(key - 1)]);
    CalculatorInput input{TKalkulator->text(), TKalkulator->cursorPosition(), TKalkulator->selectionStart(),
                          TKalkulator->selectedText().size()};
    if (input.selectionStart < 0)
        input.selectionStart = input.caret;
    TKalkulator->setFocus();
    if (TKalkulator->isReadOnly())
        return;
    const CalculatorInput after = CalculatorKeyFilter::pressButton(input, CalculatorButton(key));
    TKalkulator->setText(after.text);
    TKalkulator->setCursorPosition(int(after.caret));
}

void CalculatorPanel::releaseKey(int key)
{
    Kalk[std::size_t(key - 1)]->setPicture(m_keyUp[std::size_t(key - 1)]);
}

bool CalculatorPanel::filterKey(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool backspace = event->key() == Qt::Key_Backspace;
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))
        return true;
    if (!enter && !backspace && (typed.isEmpty() || !typed.at(0).isPrint()))
        return false;
    if (TKalkulator->isReadOnly())
        return true;
    const QChar key = enter ? QChar(CalculatorKeyFilter::kEnter) : backspace ? QChar(CalculatorKeyFilter::kBackspace)
                                                                             : typed.at(0);
    CalculatorInput input{TKalkulator->text(), TKalkulator->cursorPosition(), TKalkulator->selectionStart(),
                          TKalkulator->selectedText().size()};
    if (input.selectionStart < 0)
        input.selectionStart = input.caret;
    const CalculatorKeyResult result = CalculatorKeyFilter::press(input, key);
    switch (result.action) {
    case CalculatorKeyAction::Discarded:
        return true;
    case CalculatorKeyAction::Accepted:
        if (result.input.text.size() <= TKalkulator->maxLength()) {
            TKalkulator->setText(result.input.text);
            TKalkulator->setCursorPosition(int(result.input.caret));
        }
        return true;
    case CalculatorKeyAction::Evaluate:
        if (const auto notes = Calculator::notesAfterEnter(TKalkulator->text(), TPoznamky->toPlainText())) {
            TPoznamky->setPlainText(*notes);
            TPoznamky->moveCursor(QTextCursor::End);
            TPoznamky->verticalScrollBar()->setValue(TPoznamky->verticalScrollBar()->maximum());
            TKalkulator->clear();
        }
        TKalkulator->setFocus();
        return true;
    }
    return true;
}

} // namespace orbeta
