// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/ranking/RankingRecord.h"

#include <QByteArray>
#include <QList>

namespace orbeta::results {

// The text of a ranking file (task code & ".res"): windows-1250, one record
// a line ended by CR LF, fields joined by "|" in the order name, correct,
// wrong, mark, IsNew, numbers in decimal.
class RankingFileFormat {
public:
    // Lenient, so that a damaged or hand-edited file still gives every record
    // it can: numbers are read with the leading-number conversion (text that
    // is no number gives 0), rounded and kept within 16 bits; a missing field
    // counts as 0; blank lines carry no record; lines may also end at a lone
    // LF or CR.
    static QList<RankingRecord> parse(const QByteArray& fileBytes);

    // Names are written through StoredText, so no name can add a field or a
    // line to the file.
    static QByteArray serialise(const QList<RankingRecord>& records);
};

} // namespace orbeta::results
