#include "results/HintLayout.h"

#include "shell/TaskTable.h"

namespace orbeta {
namespace {

QString hintPicture(int number)
{
    return QStringLiteral("Bitmap\\Games\\Hint0%1.bmp").arg(number);
}

} // namespace

HintLayout HintLayout::forTask(const QString& code)
{
    HintLayout h;
    h.m_pictureArea = designedPictureArea();
    const TaskRow* row = TaskTable::find(code);
    if (!row)
        return h;
    auto text = [&h](int picture, QSize window, QRect area, int baseTop) {
        h.m_picture = hintPicture(picture);
        h.m_window = window;
        h.m_textArea = area;
        h.m_baseTop = baseTop;
    };
    switch (row->hint) {
    case HintBubble::OneLine:
        text(1, {214, 28}, {20, 4, 180, 20}, 4);
        break;
    case HintBubble::TwoLines:
        text(2, {212, 48}, {20, 4, 180, 40}, 4);
        break;
    case HintBubble::Picture:
    case HintBubble::OpticsPicture:
        text(3, {403, 369}, {20, 4, 180, 20}, 0);
        h.m_showsText = false;
        if (row->hint == HintBubble::OpticsPicture)
            h.m_pictureArea = h.m_pictureArea.adjusted(5, -13, -5, 13);
        break;
    case HintBubble::Pair:
        text(6, {300, 37}, {11, 14, 280, 20}, 13);
        break;
    case HintBubble::Person:
        text(5, {214, 28}, {13, 4, 180, 20}, 4);
        break;
    case HintBubble::Discovery:
        text(4, {476, 37}, {11, 14, 450, 20}, 13);
        break;
    }
    return h;
}

} // namespace orbeta
