// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/catalogue/PictureCatalogue.h"

#include <stdexcept>

namespace orbeta {

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

QImage PictureCatalogue::render(const Picture& picture)
{
    return picture.kind == PictureKind::Sprite ? PictureImage::sprite(picture.size, picture.draw, picture.matte)
                                               : PictureImage::opaque(picture.size, picture.draw);
}

} // namespace orbeta
