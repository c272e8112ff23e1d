// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"

#include <QByteArray>
#include <QString>

namespace orbeta {

// The bytes of an installed data file; a missing or unreadable file is an
// error naming it, so that the readers themselves never touch the disk.
FileResult<QByteArray> LoadDataFile(const QString& path);

} // namespace orbeta
