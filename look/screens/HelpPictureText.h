// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

// The text of a help picture or the credits, with their key lists, read
// from the painter that draws the picture: the picture shown and the words
// a screen reader says cannot differ. Empty for a picture of no help.
class HelpPictureText {
public:
    static QString of(const QString& pictureName);
};

} // namespace orbeta
