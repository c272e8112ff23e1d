// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace orbeta {

// A table of texts indexed by line number (1 to 70); index 0 stays empty.
using TextTable = std::array<QString, 71>;

// Readers of the assignment texts (Zadani.dat) and hint texts (Napoveda.dat)
// over the bytes of the stored files. Lines after the seventieth are ignored.
class TextTables {
public:
    static constexpr int kMaxLines = 70;

    // Line n's assignment is the second "#" field of its decoded text; a line
    // without "#" gives an empty text.
    static TextTable readAssignmentTexts(const QByteArray& fileBytes);
    // Line n's hint is its whole decoded text.
    static TextTable readHintTexts(const QByteArray& fileBytes);

    // The highest lines the tasks show: assignments 1 to 49 (the last of
    // "5e"), hints 1 to 28 (the appliance's power input of "5b").
    static constexpr int kAssignmentLinesUsed = 49;
    static constexpr int kHintLinesUsed = 28;

    // The first line from 1 to `used` without a text in `table`, as an error
    // of `filePath` naming it: an empty or shortened file would show a task
    // without its assignment or an answer box without its hint.
    static std::optional<FileError> firstMissing(const TextTable& table, int used, const QString& filePath);
};

} // namespace orbeta
