// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen/Form.h"

namespace orbeta {

// The hint window as the task forms use it: a small form that shows one
// text beside the item it comments on. The results subsystem draws it; the
// task forms position, fill, show and hide it.
class HintWindow : public Form {
public:
    using Form::Form;

    // The text as it reads (Unicode: "g/cm³", "Ω"); each run is drawn in the
    // font that has its glyphs.
    virtual void Vloz_Text(const QString& text) = 0;
    // The picture box of the picture bubble: its size, and the picture it shows.
    virtual QSize pictureSize() const = 0;
    virtual void showPicture(const QPixmap& picture) = 0;
};

} // namespace orbeta
