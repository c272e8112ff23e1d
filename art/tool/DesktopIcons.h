// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "art/tool/ResourceTree.h"

#include <QList>

namespace orbeta {

// The program's icon for the desktop's menu, as PNG files in the layout of an
// icon theme ("hicolor/48x48/apps/orbeta.png"), to be installed under
// share/icons.
class DesktopIcons {
public:
    static constexpr int kSizes[] = {48, 64, 128, 256};
    static constexpr const char* kIconName = "orbeta";

    static QList<ResourceTree::File> files();
};

} // namespace orbeta
