// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/FakeServices.h"

namespace orbeta {

FakeServices::FakeServices()
{
    m_clock.start();
}

std::uint32_t FakeServices::tickCount() const
{
    return m_fixedTick ? *m_fixedTick : std::uint32_t(m_clock.elapsed());
}

QDateTime FakeServices::now() const
{
    return fixedNow.isValid() ? fixedNow : QDateTime::currentDateTime();
}

void FakeServices::play(Sound sound)
{
    ++m_played.at(static_cast<std::size_t>(sound));
}

MessageAnswer FakeServices::showMessage(const QString& title, const QString& text, MessageIcon,
                                        MessageButtons buttons)
{
    messages.append(MessageBox::scriptLine(title, text));
    messageButtons.append(buttons);
    if (answer)
        return *answer;
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

bool FakeServices::runPrintDialog(QPrinter& printer)
{
    return printDialog && printDialog(printer);
}

KeyboardLayouts& FakeServices::keyboardLayouts()
{
    return m_layouts;
}

} // namespace orbeta
