// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/HintWindow.h"
#include "results/hint/HintLayout.h"

class QLabel;

namespace orbeta {

class Resources;
class Services;
class Tour;

// The hint window: a bubble cut to its drawn shape, showing one line of text
// (the correct answer) beside the item it comments on, or a picture the task
// form draws into `Pic` (the lever and the ray constructions). The task form
// positions and shows it; the window only displays.
class FrmChybovy : public HintWindow {
    Q_OBJECT
public:
    // Its picture comes from `resources`.
    FrmChybovy(const Resources& resources, const QString& taskCode, QWidget* parent = nullptr);
    FrmChybovy(const Resources& resources, HintBubble bubble, QWidget* parent = nullptr);

    // Fits `text` into the label (shrinking its font when needed) and shows it.
    void Vloz_Text(const QString& text) override;
    QSize pictureSize() const override;
    void showPicture(const QPixmap& picture) override;

    static void addTourStates(Tour& tour, Services& services);

    int baseTop() const { return m_layout.baseTop(); }
    QLabel* Label1() const { return m_label; }
    // The picture box of the lever and optics variants.
    QLabel* Pic() const { return m_pic; }

private:
    FrmChybovy(const Resources& resources, const HintLayout& layout, QWidget* parent);

    HintLayout m_layout;
    QLabel* m_label = nullptr;
    QLabel* m_pic = nullptr;
    double m_points;
};

} // namespace orbeta
