// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/HistoryExamples.h"

#include "cli/Commands.h"
#include "cli/DataDirOption.h"
#include "cli/StandardOutput.h"
#include "history/data/HistoryDeckFile.h"
#include "history/deck/ScreenSeries.h"
#include "history/items/HistoryRandom.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace orbeta::cli {
namespace {

QJsonObject pairScreen(const PairScreen& s)
{
    QJsonArray items, order, answer;
    for (int row = 1; row <= s.rows(); ++row) {
        items.append(QJsonObject{{"number", s.left(row).number}, {"left", s.left(row).left}, {"right", s.left(row).right}});
        order.append(s.right(row).number);
        answer.append(s.left(row).number);
    }
    return {{"items", items}, {"order", order}, {"answer", answer}};
}

QJsonObject timelineScreen(const TimelineScreen& s)
{
    const bool persons = s.kind() == TimelineScreen::Kind::Persons;
    QJsonArray items, order, answer;
    for (int p = 1; p <= s.positions(); ++p) {
        QJsonObject item{{"number", s.topNumber(p)}};
        if (persons) {
            item.insert("name", s.hint(p));
            item.insert("span", s.topText(p));
        } else {
            item.insert("text", s.hint(p));
            item.insert("year", s.topText(p).toInt());
        }
        items.append(item);
        order.append(s.boxNumber(p));
        answer.append(s.topNumber(p));
    }
    return {{"items", items}, {"order", order}, {"answer", answer}};
}

} // namespace

int historyExamples(HistoryCode code, std::optional<std::uint64_t> count, std::uint64_t seed,
                    const std::optional<QString>& dataOption)
{
    const int full = HistoryDeck::fullScreen(code);
    const std::vector<int> screens = ScreenSeries::screens(int(count.value_or(std::uint64_t(full))), full);
    const DataDirOption::Result dir = DataDirOption::resolve(dataOption, DataDirOption::Holding::Tables);
    if (dir.status != Ok)
        return dir.status;
    const int largest = screens.empty() ? 1 : *std::max_element(screens.begin(), screens.end());
    FileResult<HistoryDeck> deck = HistoryDeckFile::read(code, dir.dir, largest);
    if (!deck)
        return fail(BadFile, deck.error().message());

    StandardOutput output;
    for (std::size_t k = 0; k < screens.size(); ++k) {
        HistoryRandom rnd(seed + k);
        QJsonObject line = code == HistoryCode::Pairs ? pairScreen(deck.value().pairs(screens[k], rnd))
                                                      : timelineScreen(deck.value().timeline(screens[k], rnd));
        line.insert("screen", int(k) + 1);
        // The seed in full: a JSON number of the document would pass through a double.
        output.writeLine("{\"code\":\"" + HistoryDeck::taskCode(code).toLatin1() + "\",\"seed\":"
                         + QByteArray::number(seed + k) + ',' + QJsonDocument(line).toJson(QJsonDocument::Compact).mid(1));
    }
    return output.finish();
}

} // namespace orbeta::cli
