#include "shell/FrmIntro.h"

#include "look/PictureNames.h"
#include "shell/Globals.h"
#include "shell/HelpScreens.h"
#include "shell/Misc.h"
#include "shell/Resources.h"
#include "shell/ScreenHost.h"
#include "shell/Services.h"
#include "shell/Tour.h"

#include <QLabel>
#include <QMouseEvent>

namespace orbeta {

FrmIntro::FrmIntro(Services& services, QWidget* parent)
    : Form(QStringLiteral("frm_Intro"), parent)
    , m_services(services)
{
    SetUpForm(*this, ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
    setCursor(globals().HandCursor);
    setPicture(Resources::picture(PictureNames::title()));
    // Kept for a teacher checking the installation; the pupil does not need it.
    m_lblInfo = new QLabel(this);
    m_lblInfo->setGeometry(8, 440, 300, 36);
    m_lblInfo->hide();
    SkipWait = false;
    EndTick = m_services.tickCount() + kSplashMilliseconds;
    globals().CurrentForm = this;
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
    if (!IsIntro)
        return;
    setCursor(globals().HandCursor);
    const std::uint32_t now = m_services.tickCount();
    m_timer.start(now >= EndTick ? 0 : int(EndTick - now));
}

void FrmIntro::mousePressEvent(QMouseEvent*)
{
    PlayClickSound(m_services);
    if (IsIntro) {
        SkipWait = true;
        endIntro();
        return;
    }
    ScreenHost* host = ScreenHost::instance();
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
    ScreenHost* host = ScreenHost::instance();
    if (!host)
        return;
    host->showForm(m_menu);
    host->unloadForm(this);
}

void FrmIntro::addTourStates(Tour& tour, Services& services)
{
    tour.add(QStringLiteral("frm_Intro"), QStringLiteral("splash"), [&services](ScreenHost& host) {
        auto* intro = new FrmIntro(services, host.stage());
        intro->IsIntro = false;
        host.showForm(intro);
    });
    tour.add(QStringLiteral("frm_Intro"), QStringLiteral("credits"), [&services](ScreenHost&) {
        ShowHelpPicture(services, PictureNames::credits(), globals().CurrentForm);
    });
}

} // namespace orbeta
