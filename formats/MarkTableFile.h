// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "formats/MarkTable.h"

#include <QByteArray>
#include <QString>

namespace orbeta {

// Reads the mark table from the bytes of "Znamky.dat": up to five lines of up
// to three fields separated by "|" (lower bound, upper bound, mark), text
// after a third "|" ignored, each field read with the leading-number
// conversion, a missing line or field stored as 0. Lines after the fifth are
// ignored.
class MarkTableFile {
public:
    static constexpr const char* fileName = "Znamky.dat";

    // A value that does not fit an unsigned byte (below 0 or above 255 after
    // rounding) makes the table unusable: it is reported with its line of
    // `filePath` instead of being cut or wrapped into a different bound or
    // mark.
    static FileResult<MarkTable> parse(const QByteArray& fileBytes, const QString& filePath);

    // As parse, and every whole percentage from 0 to 100 must get a mark
    // (the last matching row winning as in grading, rows without a mark,
    // such as those a shorter file lacks, taking no part).
    static FileResult<MarkTable> parseComplete(const QByteArray& fileBytes, const QString& filePath);
};

} // namespace orbeta
