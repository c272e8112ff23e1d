// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/tool/DesktopIcons.h"

#include "look/controls/AppIconPainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <stdexcept>

namespace orbeta {

QList<ResourceTree::File> DesktopIcons::files()
{
    QList<ResourceTree::File> files;
    for (const int size : kSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            AppIconPainter::drawIcon(painter, size);
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            throw std::runtime_error("cannot encode the icon as PNG");
        files.append({QStringLiteral("hicolor\\%1x%1\\apps\\%2.png").arg(size).arg(QLatin1String(kIconName)), png});
    }
    return files;
}

} // namespace orbeta
