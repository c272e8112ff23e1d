// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/hint/HintLayout.h"

#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "tasks/TaskTable.h"

namespace orbeta {

HintLayout HintLayout::forTask(const QString& code)
{
    const TaskRow* row = TaskTable::find(code);
    if (!row) {
        HintLayout h;
        h.m_pictureArea = designedPictureArea();
        return h;
    }
    return forBubble(row->hint);
}

HintLayout HintLayout::forBubble(HintBubble bubble)
{
    HintLayout h;
    h.m_pictureArea = designedPictureArea();
    // The window takes the size of its bubble.
    auto text = [&h](int picture, QRect area, int baseTop) {
        h.m_picture = PictureNames::hint(picture);
        h.m_window = Layout::kHintBubble[static_cast<std::size_t>(picture - 1)];
        h.m_textArea = area;
        h.m_baseTop = baseTop;
    };
    switch (bubble) {
    case HintBubble::OneLine:
        text(1, {20, 4, 180, 20}, 4);
        break;
    case HintBubble::TwoLines:
        text(2, {20, 4, 180, 40}, 4);
        break;
    case HintBubble::Picture:
    case HintBubble::OpticsPicture:
        text(3, {20, 4, 180, 20}, 0);
        h.m_showsText = false;
        if (bubble == HintBubble::OpticsPicture)
            h.m_pictureArea = h.m_pictureArea.adjusted(5, -13, -5, 13);
        break;
    case HintBubble::Pair:
        text(6, {11, 4, 275, 20}, 4);
        break;
    case HintBubble::Person:
        text(5, {13, 4, 180, 20}, 4);
        h.m_alignment = Qt::AlignHCenter | Qt::AlignTop;
        break;
    case HintBubble::Discovery:
        text(4, {11, 4, 368, 20}, 4);
        break;
    }
    return h;
}

} // namespace orbeta
