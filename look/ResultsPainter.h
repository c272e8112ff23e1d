#pragma once

#include <QSize>

class QPainter;

namespace orbeta {

// The results form's background: the title and the table frame with its
// column titles over the columns the form fills.
class ResultsPainter {
public:
    static void drawBackground(QPainter& painter, QSize size);
};

} // namespace orbeta
