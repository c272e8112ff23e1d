#include "look/Typeface.h"

#include <QFontDatabase>

#ifndef ORBETA_DEJAVU_DIR
#define ORBETA_DEJAVU_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace orbeta {

void Typeface::loadFonts()
{
    const QString dir = QStringLiteral(ORBETA_DEJAVU_DIR);
    QFontDatabase::addApplicationFont(dir + "/DejaVuSans.ttf");
    QFontDatabase::addApplicationFont(dir + "/DejaVuSans-Bold.ttf");
    QFontDatabase::addApplicationFont(dir + "/DejaVuSans-Oblique.ttf");
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
