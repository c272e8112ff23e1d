// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta {

// The rules of the pupil's name field. The name is written into the ranking
// file (fields split at "|", one record a line) and into the results log, both
// in windows-1250, so the field keeps out what would break those files.
class NameField {
public:
    static constexpr int kMaxLength = 50;

    struct Edit {
        QString text;
        int cursor = 0;
    };

    // Whether `c` may stand in a name at all.
    static bool accepts(QChar c);

    // The text the field keeps after an edit: refused characters dropped,
    // leading blanks removed, cut to kMaxLength. `cursor` follows the text it
    // stood behind.
    static Edit clean(const QString& text, int cursor);
};

} // namespace orbeta
