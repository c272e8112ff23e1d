// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/HelpScreens.h"

#include "look/screens/HelpPictureText.h"
#include "look/basics/PictureNames.h"
#include "screen/FrmIntro.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "services/Services.h"

namespace orbeta {

void ShowSplash(Services& services, ScreenHost& host, const QString& information, QWidget* menu)
{
    auto* intro = new FrmIntro(services, host.stage());
    intro->setInformation(information);
    intro->setMenuForm(menu);
    intro->IsIntro = true;
    host.showForm(intro);
}

void ShowHelpPicture(Services& services, ScreenHost* host, const QString& pictureName, QWidget* returnForm)
{
    auto* intro = new FrmIntro(services, host ? host->stage() : nullptr);
    intro->setPicture(services.resources().picture(pictureName));
    intro->setAccessibleName(pictureName == PictureNames::credits() ? QStringLiteral("O programe")
                                                                    : QStringLiteral("Pomoc"));
    // The picture's own words, its key lists and the way back among them.
    const QString text = HelpPictureText::of(pictureName);
    intro->setAccessibleDescription(text.isEmpty() ? QStringLiteral("Stlač ľubovoľný kláves alebo klikni a vrátiš sa späť.")
                                                   : text);
    intro->IsIntro = false;
    intro->ReturnForm = returnForm;
    if (host) {
        host->showForm(intro);
        host->hideForm(returnForm);
    }
}

void AddHelpScreenTourStates(Tour& tour, Services& services)
{
    tour.add(QStringLiteral("frm_Intro"), QStringLiteral("splash"), [&services](ScreenHost& host) {
        auto* intro = new FrmIntro(services, host.stage());
        intro->IsIntro = false;
        host.showForm(intro);
    });
    tour.add(QStringLiteral("frm_Intro"), QStringLiteral("credits"), [&services](ScreenHost& host) {
        ShowHelpPicture(services, &host, PictureNames::credits(), host.currentForm());
    });
}

} // namespace orbeta
