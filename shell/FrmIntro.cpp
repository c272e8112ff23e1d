#include "shell/FrmIntro.h"

#include "look/PictureNames.h"
#include "shell/Globals.h"
#include "shell/Misc.h"
#include "shell/Resources.h"
#include "shell/ScreenHost.h"
#include "shell/Tour.h"

#include <QLabel>
#include <QMouseEvent>

namespace orbeta {

FrmIntro::FrmIntro(QWidget* parent)
    : Form(QStringLiteral("frm_Intro"), parent)
{
    SetUpForm(*this, ScreenHost::DesignWidth, ScreenHost::DesignHeight);
    setCursor(globals().HandCursor);
    setPicture(Resources::picture(PictureNames::title()));
    // Kept for a teacher checking the installation; the pupil does not need it.
    lblInfo_ = new QLabel(this);
    lblInfo_->setGeometry(8, 440, 300, 36);
    lblInfo_->hide();
    SkipWait = false;
    EndTick = TickCount() + SplashMilliseconds;
    globals().CurrentForm = this;
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        // The wait may have been cut short by a click meanwhile.
        const std::uint32_t now = TickCount();
        if (SkipWait || now >= EndTick)
            endIntro();
        else
            timer_.start(int(EndTick - now));
    });
}

void FrmIntro::setInformation(const QString& caption)
{
    lblInfo_->setText(caption);
}

QString FrmIntro::information() const
{
    return lblInfo_->text();
}

FrmIntro* FrmIntro::showHelpPicture(const QString& pictureName, QWidget* returnForm)
{
    ScreenHost* host = ScreenHost::instance();
    auto* intro = new FrmIntro(host ? host->stage() : nullptr);
    intro->setPicture(Resources::picture(pictureName));
    intro->IsIntro = false;
    intro->ReturnForm = returnForm;
    if (host) {
        host->showForm(intro);
        host->hideForm(returnForm);
    }
    return intro;
}

void FrmIntro::formActivated()
{
    if (!IsIntro)
        return;
    setCursor(globals().HandCursor);
    const std::uint32_t now = TickCount();
    timer_.start(now >= EndTick ? 0 : int(EndTick - now));
}

void FrmIntro::mousePressEvent(QMouseEvent*)
{
    PlayClickSound();
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
    if (ended_)
        return;
    ended_ = true;
    EndTick = TickCount();
    timer_.stop();
    ScreenHost* host = ScreenHost::instance();
    if (!host)
        return;
    host->showForm(menu_);
    host->unloadForm(this);
}

void FrmIntro::addTourStates(Tour& tour)
{
    tour.add(QStringLiteral("frm_Intro"), QStringLiteral("splash"), [](ScreenHost& host) {
        auto* intro = new FrmIntro(host.stage());
        intro->IsIntro = false;
        host.showForm(intro);
    });
    tour.add(QStringLiteral("frm_Intro"), QStringLiteral("credits"), [](ScreenHost&) {
        FrmIntro::showHelpPicture(PictureNames::credits(), globals().CurrentForm);
    });
}

} // namespace orbeta
