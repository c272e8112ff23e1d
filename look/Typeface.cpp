#include "look/Typeface.h"

#include "look/FontFiles.h"

namespace orbeta {

void Typeface::loadFonts()
{
    FontFiles::load(FontFiles::dejaVuSans());
}

QFont Typeface::font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace orbeta
