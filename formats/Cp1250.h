// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orbeta {

// The Central European code page in which every data file of the program is
// stored, so that files written by older installations stay readable.
class Cp1250 {
public:
    static QString decode(const QByteArray& bytes);
    // Empty when a character has no place in the code page.
    static std::optional<QByteArray> encode(const QString& text);
    static bool canEncode(QChar c);
    // Each character the code page cannot hold becomes `replacement`.
    static QByteArray encodeLossy(const QString& text, char replacement = '?');
};

} // namespace orbeta
