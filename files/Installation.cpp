// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/Installation.h"

#include "files/ResourcePath.h"

namespace orbeta {

QString Installation::resourcePath(const QString& name) const
{
    return ResourcePath::resolve(resourceDir, name);
}

QString Installation::dataPath(const QString& name) const
{
    return ResourcePath::resolve(dataDir, name);
}

} // namespace orbeta
