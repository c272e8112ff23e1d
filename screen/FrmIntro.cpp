// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/FrmIntro.h"

#include "look/basics/PictureNames.h"
#include "screen/Form.h"
#include "screen/ScreenHost.h"
#include "services/Resources.h"
#include "services/Services.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace orbeta {

FrmIntro::FrmIntro(Services& services, QWidget* parent)
    : Form(QStringLiteral("frm_Intro"), parent)
    , m_services(services)
{
    SetUpForm(*this, ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
    setCursor(m_services.resources().handCursor());
    setPicture(m_services.resources().picture(PictureNames::title()));
    // The picture takes the keys itself, so that any key dismisses it.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Orbeta Tarovia"));
    setAccessibleDescription(QStringLiteral("Stlač ľubovoľný kláves alebo klikni a môžeš začať."));
    // Kept for a teacher checking the installation; the pupil does not need it.
    m_lblInfo = new QLabel(this);
    m_lblInfo->setGeometry(8, 440, 300, 36);
    m_lblInfo->hide();
    SkipWait = false;
    EndTick = m_services.tickCount() + kSplashMilliseconds;
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // The wait may have been cut short by a click meanwhile.
        const std::uint32_t now = m_services.tickCount();
        if (SkipWait || now >= EndTick)
            endIntro();
        else
            m_timer.start(int(EndTick - now));
    });
}

void FrmIntro::setInformation(const QString& caption)
{
    m_lblInfo->setText(caption);
}

QString FrmIntro::information() const
{
    return m_lblInfo->text();
}

void FrmIntro::formActivated()
{
    setFocus(Qt::OtherFocusReason);
    if (!IsIntro)
        return;
    setCursor(m_services.resources().handCursor());
    const std::uint32_t now = m_services.tickCount();
    m_timer.start(now >= EndTick ? 0 : int(EndTick - now));
}

void FrmIntro::mousePressEvent(QMouseEvent*)
{
    dismiss();
}

void FrmIntro::keyPressEvent(QKeyEvent* event)
{
    // A held key, or a key that only modifies the next one, is no answer.
    const int key = event->key();
    const bool modifier = key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
                          || key == Qt::Key_AltGr || key == Qt::Key_Meta || key == Qt::Key_Super_L
                          || key == Qt::Key_Super_R || key == Qt::Key_CapsLock;
    if (event->isAutoRepeat() || modifier) {
        Form::keyPressEvent(event);
        return;
    }
    dismiss();
}

void FrmIntro::dismiss()
{
    PlayClickSound(m_services);
    if (IsIntro) {
        SkipWait = true;
        endIntro();
        return;
    }
    ScreenHost* host = ScreenHost::of(this);
    if (host) {
        host->showForm(ReturnForm);
        ReturnForm = nullptr;
        host->unloadForm(this);
    }
}

void FrmIntro::endIntro()
{
    if (m_ended)
        return;
    m_ended = true;
    EndTick = m_services.tickCount();
    m_timer.stop();
    ScreenHost* host = ScreenHost::of(this);
    if (!host)
        return;
    host->showForm(m_menu);
    host->unloadForm(this);
}

} // namespace orbeta
