#pragma once

#include "calc/DataFileError.h"

#include <utility>
#include <variant>

namespace orbeta {

// The value read from a data file, or the reason it could not be read.
template <class T>
class DataResult {
public:
    DataResult(T value) : m_content(std::move(value)) {}
    DataResult(DataFileError error) : m_content(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_content); }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T& value() const { return std::get<T>(m_content); }
    T& value() { return std::get<T>(m_content); }
    // Only when !ok().
    const DataFileError& error() const { return std::get<DataFileError>(m_content); }

private:
    std::variant<T, DataFileError> m_content;
};

} // namespace orbeta
