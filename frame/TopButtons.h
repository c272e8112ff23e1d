// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

class QWidget;

namespace orbeta {

class PictureButton;
class Resources;

// The four top buttons of a task form: evaluate, new example, results, back.
using TopButtons = std::array<PictureButton*, 4>;
// Button 1 must exist; creates 2 to 4 edge to edge to its right and gives
// all four their pictures from `resources`.
void BuildTopButtons(QWidget& form, TopButtons& picTop, const Resources& resources);
// Button n highlighted, the others normal; 0 highlights none.
void ShowTopButtons(const TopButtons& picTop, int highlighted);

} // namespace orbeta
