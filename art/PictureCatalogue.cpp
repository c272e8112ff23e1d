#include "art/PictureCatalogue.h"

#include "art/ArtStyle.h"
#include "art/pictures/Screens.h"

#include <QPainter>
#include <stdexcept>

void PictureCatalogue::add(const QString& name, QSize size, Picture::Draw draw)
{
    if (find(name))
        throw std::logic_error("picture registered twice: " + name.toStdString());
    m_pictures.append(Picture{name, size, PictureKind::Opaque, {}, std::move(draw)});
}

void PictureCatalogue::addSprite(const QString& name, QSize size, Picture::Draw draw, QColor matte)
{
    if (find(name))
        throw std::logic_error("picture registered twice: " + name.toStdString());
    m_pictures.append(Picture{name, size, PictureKind::Sprite, matte, std::move(draw)});
}

const Picture* PictureCatalogue::find(const QString& name) const
{
    for (const Picture& p : m_pictures) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    }
    return nullptr;
}

namespace {

QImage renderOpaque(const Picture& picture)
{
    QImage image(picture.size, QImage::Format_RGB32);
    image.fill(ArtStyle::paper());
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        picture.draw(painter, picture.size);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

// Sprites are drawn on transparency and then cut hard: a pixel is either a
// solid colour or exact magenta, so no edge pixel mixes magenta in. With a
// matte, partly covered edge pixels are blended against the colour the sprite
// will stand on, which keeps the edge smooth there.
QImage renderSprite(const Picture& picture)
{
    QImage layer(picture.size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        picture.draw(painter, picture.size);
    }
    QImage out(picture.size, QImage::Format_RGB888);
    const QColor matte = picture.matte;
    for (int y = 0; y < layer.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb p = src[x];
            const int a = qAlpha(p);
            int r = 255, g = 0, b = 255;
            if (a >= PictureCatalogue::kSpriteAlphaThreshold) {
                // The layer is premultiplied: a pixel holds colour × alpha.
                if (matte.isValid()) {
                    r = qRed(p) + (matte.red() * (255 - a) + 127) / 255;
                    g = qGreen(p) + (matte.green() * (255 - a) + 127) / 255;
                    b = qBlue(p) + (matte.blue() * (255 - a) + 127) / 255;
                } else {
                    r = (qRed(p) * 255 + a / 2) / a;
                    g = (qGreen(p) * 255 + a / 2) / a;
                    b = (qBlue(p) * 255 + a / 2) / a;
                }
                r = qMin(r, 255);
                g = qMin(g, 255);
                b = qMin(b, 255);
                // A drawn colour must never read as transparent.
                if (r == 255 && g == 0 && b == 255)
                    g = 1;
            }
            dst[3 * x] = uchar(r);
            dst[3 * x + 1] = uchar(g);
            dst[3 * x + 2] = uchar(b);
        }
    }
    return out;
}

} // namespace

QImage PictureCatalogue::render(const Picture& picture)
{
    return picture.kind == PictureKind::Sprite ? renderSprite(picture) : renderOpaque(picture);
}

PictureCatalogue fullCatalogue()
{
    PictureCatalogue catalogue;
    Screens::addMenu(catalogue);
    Screens::addIntroAndHelp(catalogue);
    Screens::addSetup(catalogue);
    Screens::addGames(catalogue);
    Screens::addResults(catalogue);
    Screens::addHints(catalogue);
    return catalogue;
}
