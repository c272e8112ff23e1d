// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileError.h"

#include <QtGlobal>

#include <utility>
#include <variant>

namespace orbeta {

// The value read from a file, or the reason it could not be read.
template <class T>
class FileResult {
public:
    FileResult(T value) : m_content(std::move(value)) {}
    FileResult(FileError error) : m_content(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_content); }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T& value() const
    {
        Q_ASSERT(ok());
        return *std::get_if<T>(&m_content);
    }
    T& value()
    {
        Q_ASSERT(ok());
        return *std::get_if<T>(&m_content);
    }
    // Only when !ok().
    const FileError& error() const
    {
        Q_ASSERT(!ok());
        return *std::get_if<FileError>(&m_content);
    }

private:
    std::variant<T, FileError> m_content;
};

} // namespace orbeta
