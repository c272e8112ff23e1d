// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "art/catalogue/Picture.h"

#include <QImage>
#include <QList>

namespace orbeta {

// All pictures of the resource tree. Each screen file adds its pictures with
// one call per picture; rendering turns a picture into the 24-bit image that
// is written to disk.
class PictureCatalogue {
public:
    void add(const QString& name, QSize size, Picture::Draw draw);
    void addSprite(const QString& name, QSize size, Picture::Draw draw, QColor matte = {});

    const QList<Picture>& pictures() const { return m_pictures; }
    const Picture* find(const QString& name) const;

    // The finished picture in QImage::Format_RGB888.
    static QImage render(const Picture& picture);

private:
    QList<Picture> m_pictures;
};

} // namespace orbeta
