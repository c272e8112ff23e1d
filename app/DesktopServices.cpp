// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DesktopServices.h"

#include "look/controls/FocusPainter.h"
#include "menu/WorksheetPrintSetup.h"

#include <QPrintDialog>

#include <cstdio>

namespace orbeta {

DesktopServices::DesktopServices(QString messageScript)
    : m_messageScript(std::move(messageScript))
{
    m_clock.start();
}

std::uint32_t DesktopServices::tickCount() const
{
    return std::uint32_t(m_clock.elapsed());
}

QDateTime DesktopServices::now() const
{
    return QDateTime::currentDateTime();
}

void DesktopServices::play(Sound sound)
{
    m_sounds.play(m_resources.installation(), sound);
}

void DesktopServices::enableSounds()
{
    m_sounds.enable(m_resources.installation());
}

MessageAnswer DesktopServices::showMessage(const QString& title, const QString& text, MessageIcon icon,
                                           MessageButtons buttons)
{
    if (const auto answer = MessageBox::scriptedAnswer(m_messageScript, buttons)) {
        std::fprintf(stderr, "%s\n", MessageBox::scriptLine(title, text).toLocal8Bit().constData());
        std::fflush(stderr);
        return *answer;
    }
    return MessageBox::exec(title, text, icon, buttons, m_window);
}

bool DesktopServices::runPrintDialog(QPrinter& printer)
{
    // The dialog belongs to the program's window, not to the scaled stage,
    // so it opens at its own size above the screen.
    QPrintDialog dialog(&printer, m_window);
    WorksheetPrintSetup::prepare(dialog);
    dialog.setStyleSheet(FocusPainter::dialogStyleSheet());
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    // Without a window manager nothing gives the keys back to the window.
    if (m_window)
        m_window->activateWindow();
    return confirmed;
}

KeyboardLayouts& DesktopServices::keyboardLayouts()
{
    return m_layouts;
}

} // namespace orbeta
