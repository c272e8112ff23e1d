// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace orbeta {

class ScreenHost;
class Services;
class Tour;

// The full-screen pictures of the splash form, for the forms of every folder.

// The splash at start-up: the title picture until its wait ends or a click,
// then `menu` comes to the front. `information` is the installation's caption.
void ShowSplash(Services& services, ScreenHost& host, const QString& information, QWidget* menu);

// A help or credits picture on `host` over `returnForm`, which is hidden
// until a click on the picture brings it back. Without a host the picture
// is made but not shown.
void ShowHelpPicture(Services& services, ScreenHost* host, const QString& pictureName, QWidget* returnForm);

// The tour's states of the splash form: the title picture and the credits.
void AddHelpScreenTourStates(Tour& tour, Services& services);

} // namespace orbeta
