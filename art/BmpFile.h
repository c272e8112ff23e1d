#pragma once

#include <QByteArray>
#include <QImage>

namespace orbeta {

// Windows bitmap files, 24 bits per pixel, bottom-up, no compression.
class BmpFile {
public:
    static QByteArray encode(const QImage& image);
};

} // namespace orbeta
