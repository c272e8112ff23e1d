// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "history/items/HistoryItems.h"

#include <QByteArray>
#include <QString>

namespace orbeta {

// The readers of "6a.dat", "6b.dat" and "6c.dat" (stored form: every fourth
// character, fields between "#"). A line with a missing text, a year that is
// not a year (a whole number up to kLastYear either side of 0, not 0) or a
// death before the birth is an error naming the file and the line; so is a
// file of more than 100 lines. `name` is what the messages call the file.
class HistoryFile {
public:
    static constexpr int kMaxLines = 100;
    static constexpr int kLastYear = 9999;

    static FileResult<PairItems> readPairs(const QByteArray& bytes, const QString& name);
    static FileResult<PersonItems> readPersons(const QByteArray& bytes, const QString& name);
    static FileResult<EventItems> readEvents(const QByteArray& bytes, const QString& name);
};

} // namespace orbeta
