#include "results/HintLayout.h"

#include <QStringList>

namespace orbeta {
namespace {

QString hintPicture(int number)
{
    return QStringLiteral("Bitmap\\Games\\Hint0%1.bmp").arg(number);
}

} // namespace

HintLayout HintLayout::forTask(const QString& code)
{
    static const QStringList oneLine{"1a", "1b", "1c", "1d", "2a", "2b", "2d", "3a", "3b", "5a", "5b", "5c", "5d"};
    HintLayout h;
    h.m_pictureArea = designedPictureArea();
    auto text = [&h](int picture, QSize window, QRect area, int baseTop) {
        h.m_picture = hintPicture(picture);
        h.m_window = window;
        h.m_textArea = area;
        h.m_baseTop = baseTop;
    };
    if (oneLine.contains(code)) {
        text(1, {214, 28}, {20, 4, 180, 20}, 4);
    } else if (code == QLatin1String("2c") || code == QLatin1String("5e")) {
        text(2, {212, 48}, {20, 4, 180, 40}, 4);
    } else if (code == QLatin1String("2e") || code == QLatin1String("4a") || code == QLatin1String("4b")) {
        text(3, {403, 369}, {20, 4, 180, 20}, 0);
        h.m_showsText = false;
        if (code != QLatin1String("2e"))
            h.m_pictureArea = h.m_pictureArea.adjusted(5, -13, -5, 13);
    } else if (code == QLatin1String("6a")) {
        text(6, {300, 37}, {11, 14, 280, 20}, 13);
    } else if (code == QLatin1String("6b")) {
        text(5, {214, 28}, {13, 4, 180, 20}, 4);
    } else if (code == QLatin1String("6c")) {
        text(4, {476, 37}, {11, 14, 450, 20}, 13);
    }
    return h;
}

} // namespace orbeta
