// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace orbeta {

// The scrambled line encoding of the text data files: each stored line keeps
// its real text only in every fourth character (1-based positions 4, 8, 12, ...);
// the three characters before each are filler. Fields are split at "#".
class LineCodec {
public:
    static QString decodeLine(const QString& stored);
    // Filler is drawn from letters and digits by a generator seeded with
    // `seed`, so that the same text and seed always give the same file.
    static QString encodeLine(const QString& text, std::uint32_t seed);
    static QStringList splitFields(const QString& decoded);

    // Physical lines of a data file in windows-1250. A line ends at CR LF, and
    // for files edited elsewhere also at a lone LF or CR; a final line without
    // an end still counts, an end at the very end adds no empty line.
    static QStringList physicalLines(const QByteArray& fileBytes);
    // The same line ends in decoded text; encode splits by it too, so a lone
    // CR is a line break both ways.
    static QStringList splitLines(const QString& text);
    static QStringList decodedLines(const QByteArray& fileBytes);

    // The inverse of decodedLines: every line encoded, joined with CR LF,
    // in windows-1250. Characters the code page cannot hold become '?'.
    static QByteArray encodeFile(const QStringList& lines, std::uint32_t seed);
};

} // namespace orbeta
