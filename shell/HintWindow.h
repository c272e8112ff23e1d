#pragma once

#include "shell/Form.h"

namespace orbeta {

// The hint window as the task forms use it: a small form that shows one
// text beside the item it comments on. The results subsystem draws it; the
// task forms position, fill, show and hide it.
class HintWindow : public Form {
public:
    using Form::Form;

    // The font family of the text; texts in Sigla code points ask for "Sigla".
    virtual void setTextFont(const QString& family) = 0;
    virtual void Vloz_Text(const QString& text) = 0;
    // The picture box of the picture bubble: its size, and the picture it shows.
    virtual QSize pictureSize() const = 0;
    virtual void showPicture(const QPixmap& picture) = 0;
};

} // namespace orbeta
