// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/DisplayMode.h"

#include "screen/ScreenHost.h"
#include "services/Services.h"
#include "startup/FrmPozadi.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <memory>

namespace orbeta {

namespace {

std::unique_ptr<FrmPozadi>& backdrop()
{
    static std::unique_ptr<FrmPozadi> form;
    return form;
}

} // namespace

void SwitchDisplayMode(ScreenHost& host, DisplayChoice choice, Services& services)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (choice == DisplayChoice::Window) {
        host.showDesignWindow();
        return;
    }
    if (screen && screen->size().width() >= ScreenHost::kDesignWidth
        && screen->size().height() >= ScreenHost::kDesignHeight) {
        host.showScaledFullScreen();
        return;
    }
    services.showMessage(QStringLiteral("Upozornenie"),
                         QStringLiteral("Grafická karta nepodporuje okamžité prepnutie rozlíšenia obrazovky. "
                                        "Aplikácia preto nepobeží cez celú obrazovku."),
                         MessageIcon::None);
    backdrop() = std::make_unique<FrmPozadi>(&host);
    // A top-level window of its own, so it must go before the application does.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { backdrop().reset(); });
    backdrop()->showFullScreen();
    host.showDesignWindow();
    host.raise();
    host.activateWindow();
}

void RestoreDisplayMode(ScreenHost& host)
{
    backdrop().reset();
    if (host.isFullScreen())
        host.showNormal();
}

} // namespace orbeta
