// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orbeta::results {

// Text as the ranking files and the results log can hold it. Both are
// windows-1250 text with one record per line, and a ranking line splits its
// fields at "|"; a pupil name reaches them from a text box, so whatever the
// box let through must not break a line or a field of either file.
class StoredText {
public:
    // "|", line breaks and other control characters become a space; a
    // character windows-1250 lacks becomes its base letter when it has one
    // there ("ñ" -> "n"), otherwise "?". The result encodes losslessly.
    static QString clean(const QString& text);
};

} // namespace orbeta::results
