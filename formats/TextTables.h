// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <array>

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
};

} // namespace orbeta
