#include "shell/AnimationStrip.h"

namespace orbeta {

AnimationStrip::AnimationStrip(const QPixmap& picture, int frameCount)
    : picture_(picture)
    , frameCount_(frameCount)
{
}

QSize AnimationStrip::frameSize() const
{
    if (picture_.isNull() || frameCount_ <= 0)
        return {};
    if (picture_.width() >= picture_.height())
        return {picture_.width() / frameCount_, picture_.height()};
    return {picture_.width(), picture_.height() / frameCount_};
}

QPixmap AnimationStrip::frame(int index) const
{
    const QSize size = frameSize();
    if (size.isEmpty() || index < 0 || index >= frameCount_)
        return {};
    if (picture_.width() >= picture_.height())
        return picture_.copy(index * size.width(), 0, size.width(), size.height());
    return picture_.copy(0, index * size.height(), size.width(), size.height());
}

} // namespace orbeta
