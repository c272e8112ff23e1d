// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta::test_support {

// Makes a file or a directory read-only for as long as it lives. Permission
// bits do not bind root, so then the immutable attribute is set as well;
// active() is false when neither works on this machine (tests then skip).
class ReadOnlyPath {
public:
    explicit ReadOnlyPath(const QString& path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath&) = delete;
    ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

    bool active() const { return active_; }

private:
    bool canWrite() const;
    bool setImmutable(bool on) const;

    QString path_;
    bool isDir_;
    bool active_ = false;
};

} // namespace orbeta::test_support
