// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

namespace orbeta {

class PictureCatalogue;

// All pictures (or those whose name contains filter) side by side on one
// sheet, each labelled with its name and size, for looking the set over.
class ContactSheet {
public:
    static QImage compose(const PictureCatalogue& catalogue, const QString& filter = {}, int sheetWidth = 1400);
};

} // namespace orbeta
