// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace orbeta {

// Names of files inside the resource and data directories are written with
// "\" as the separator and match case-insensitively ("Cur\Arrow.cur" finds
// cur/arrow.CUR), as on the file system the program was first written for.
class ResourcePath {
public:
    // The existing file or directory `name` names inside `dir`.
    static std::optional<QString> find(const QString& dir, const QString& name);
    // The existing path, or else the plain join of `dir` and `name`.
    static QString resolve(const QString& dir, const QString& name);
    static bool exists(const QString& dir, const QString& name);
};

} // namespace orbeta
