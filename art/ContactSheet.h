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
