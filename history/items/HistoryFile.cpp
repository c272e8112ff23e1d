// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/items/HistoryFile.h"

#include "formats/LineCodec.h"

#include <cstdlib>
#include <functional>
#include <optional>

namespace orbeta {
namespace {

// Calls `record` with the fields after the ignored text before the first "#"
// of every line; stops at the first error it returns.
template <class Items>
FileResult<Items> readLines(const QByteArray& bytes, const QString& name,
                            const std::function<std::optional<QString>(const QStringList&, Items&, int)>& record)
{
    const QStringList lines = LineCodec::decodedLines(bytes);
    if (lines.size() > HistoryFile::kMaxLines)
        return FileError{name, HistoryFile::kMaxLines + 1, QStringLiteral("súbor má viac ako 100 riadkov.")};
    Items items;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = LineCodec::splitFields(lines.at(i)).mid(1);
        if (const auto problem = record(fields, items, i + 1))
            return FileError{name, i + 1, *problem};
    }
    return items;
}

QString field(const QStringList& fields, int i)
{
    return i < fields.size() ? fields.at(i).trimmed() : QString();
}

// A year of the calendar: a whole number with at most four digits, before
// Christ negative; there was no year 0.
std::optional<int> year(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    // Compared both ways rather than through std::abs, whose result for the
    // smallest int is undefined and, unoptimised, negative: a valid year.
    const bool inRange = value >= -HistoryFile::kLastYear && value <= HistoryFile::kLastYear;
    return ok && value != 0 && inRange ? std::optional<int>(value) : std::nullopt;
}

const QString kNoText = QStringLiteral("chýba text.");
const QString kBadYear =
    QStringLiteral("rok nie je rok (celé číslo od -%1 po %1 okrem 0).").arg(HistoryFile::kLastYear);

} // namespace

FileResult<PairItems> HistoryFile::readPairs(const QByteArray& bytes, const QString& name)
{
    return readLines<PairItems>(bytes, name,
                                [](const QStringList& fields, PairItems& items, int line) -> std::optional<QString> {
                                    PairItem item{line, field(fields, 0), field(fields, 1)};
                                    if (item.left.isEmpty() || item.right.isEmpty())
                                        return kNoText;
                                    items.push_back(item);
                                    return std::nullopt;
                                });
}

FileResult<PersonItems> HistoryFile::readPersons(const QByteArray& bytes, const QString& name)
{
    return readLines<PersonItems>(bytes, name,
                                  [](const QStringList& fields, PersonItems& items, int line) -> std::optional<QString> {
                                      PersonItem item{line, field(fields, 0), 0, 0};
                                      if (item.name.isEmpty())
                                          return kNoText;
                                      const auto birth = year(field(fields, 1));
                                      if (!birth)
                                          return kBadYear;
                                      item.birth = *birth;
                                      if (!field(fields, 2).isEmpty()) {
                                          const auto death = year(field(fields, 2));
                                          if (!death)
                                              return kBadYear;
                                          if (*death < *birth)
                                              return QStringLiteral("rok úmrtia je pred rokom narodenia.");
                                          item.death = *death;
                                      }
                                      items.push_back(item);
                                      return std::nullopt;
                                  });
}

FileResult<EventItems> HistoryFile::readEvents(const QByteArray& bytes, const QString& name)
{
    return readLines<EventItems>(bytes, name,
                                 [](const QStringList& fields, EventItems& items, int line) -> std::optional<QString> {
                                     EventItem item{line, field(fields, 0), 0};
                                     if (item.text.isEmpty())
                                         return kNoText;
                                     const auto y = year(field(fields, 1));
                                     if (!y)
                                         return kBadYear;
                                     item.year = *y;
                                     items.push_back(item);
                                     return std::nullopt;
                                 });
}

} // namespace orbeta
