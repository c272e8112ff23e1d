// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
