// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The items of a history worksheet: distinct items in groups of five, right
// columns that pair back to the data, the same sheet for the same seed.
#include "files/SafeFile.h"
#include "formats/LineCodec.h"
#include "history/items/HistoryFile.h"
#include "print/contents/HistoryWorksheet.h"
#include "print/page/PrintPage.h"
#include "print/plan/HistorySheet.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace orbeta;
using namespace orbeta::print;

namespace {

QByteArray shippedFile(HistoryCode code)
{
    return SafeFile::read(qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd/") + HistoryDeck::fileName(code),
                          FileKind::DataTable)
        .value();
}

HistorySheet makeSheet(HistoryCode code, const QByteArray& bytes, int count, std::uint64_t seed)
{
    return HistorySheet::make(HistoryDeck::read(code, bytes, HistoryDeck::fileName(code), HistorySheet::kGroupSize).value(),
                              count, seed);
}

// Per item number of the file: what is lettered and what belongs to it.
std::map<int, std::pair<QString, QString>> truth(HistoryCode code, const QByteArray& bytes)
{
    std::map<int, std::pair<QString, QString>> halves;
    switch (code) {
    case HistoryCode::Pairs: {
        const auto items = HistoryFile::readPairs(bytes, {}).value();
        for (const PairItem& i : items)
            halves[i.number] = {i.left, i.right};
        break;
    }
    case HistoryCode::Persons: {
        const auto items = HistoryFile::readPersons(bytes, {}).value();
        for (const PersonItem& i : items)
            halves[i.number] = {i.name, i.lifeSpan()};
        break;
    }
    case HistoryCode::Events: {
        const auto items = HistoryFile::readEvents(bytes, {}).value();
        for (const EventItem& i : items)
            halves[i.number] = {i.text, QString::number(i.year)};
        break;
    }
    }
    return halves;
}

// The digits of "A3, B1, C5, D2, E4", by letter.
std::vector<int> answerDigits(const QString& answer)
{
    std::vector<int> digits;
    const QStringList pairs = answer.split(QStringLiteral(", "));
    for (int row = 0; row < int(pairs.size()); ++row) {
        EXPECT_EQ(pairs[row].left(1), HistoryGroup::letter(row));
        digits.push_back(pairs[row].mid(1).toInt());
    }
    return digits;
}

} // namespace

TEST(HistorySheet, GroupsOfFiveDistinctItemsWhoseRightColumnPairsBackToTheData)
{
    const std::set<int> kDigits{1, 2, 3, 4, 5};
    for (HistoryCode code : {HistoryCode::Pairs, HistoryCode::Persons, HistoryCode::Events}) {
        const QByteArray bytes = shippedFile(code);
        const auto halves = truth(code, bytes);
        for (int count : {5, 15, 25}) {
            for (std::uint64_t seed : {0u, 41u, 123456u}) {
                SCOPED_TRACE(HistoryDeck::taskCode(code).toStdString() + " count " + std::to_string(count) + " seed "
                             + std::to_string(seed));
                const HistorySheet sheet = makeSheet(code, bytes, count, seed);
                ASSERT_EQ(sheet.groupCount(), count / 5);
                std::set<int> numbers;
                for (int g = 0; g < sheet.groupCount(); ++g) {
                    const HistoryGroup& group = sheet.group(g);
                    ASSERT_EQ(group.rows.size(), 5u);
                    const std::vector<int> digits = answerDigits(group.answer());
                    ASSERT_EQ(digits.size(), 5u);
                    EXPECT_EQ(std::set<int>(digits.begin(), digits.end()), kDigits);
                    for (int row = 0; row < 5; ++row) {
                        const HistoryGroup::Row& r = group.rows[std::size_t(row)];
                        numbers.insert(r.number);
                        ASSERT_TRUE(halves.count(r.number));
                        EXPECT_EQ(r.left, halves.at(r.number).first);
                        EXPECT_EQ(group.rightText(digits[std::size_t(row)] - 1), halves.at(r.number).second);
                        // No half is printed opposite its own row.
                        EXPECT_NE(digits[std::size_t(row)], row + 1);
                    }
                }
                EXPECT_EQ(int(numbers.size()), count) << "an item came twice on one sheet";
            }
        }
    }
}

TEST(HistorySheet, TheSameSeedGivesTheSameSheetAnotherSeedAnother)
{
    for (HistoryCode code : {HistoryCode::Pairs, HistoryCode::Persons, HistoryCode::Events}) {
        const QByteArray bytes = shippedFile(code);
        auto texts = [&](std::uint64_t seed) {
            const HistorySheet sheet = makeSheet(code, bytes, 25, seed);
            QStringList all;
            for (int g = 0; g < sheet.groupCount(); ++g)
                for (int p = 0; p < 5; ++p)
                    all << sheet.group(g).rows[std::size_t(p)].left << sheet.group(g).rightText(p);
            return all;
        };
        EXPECT_EQ(texts(2024), texts(2024));
        EXPECT_NE(texts(2024), texts(2025));
    }
}

// A text too long for its column is made to fit: nothing is printed in the
// gap before the right column's circles nor past the paper's right margin.
TEST(HistoryWorksheet, LongTextsStayInTheirColumns)
{
    const QString longText = QStringLiteral("veľmi dlhý text, ktorý by sám presiahol celý stĺpec hárku ").repeated(3);
    QStringList lines;
    for (int i = 1; i <= 5; ++i)
        lines << QStringLiteral("%1#%2%1#%2%1#").arg(i).arg(longText);
    HistoryWorksheet content(makeSheet(HistoryCode::Pairs, LineCodec::encodeFile(lines, 7), 5, 3), true);
    QImage image(1240, 1754, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PrintPage page(painter, QSizeF(image.size()));
    content.Vygeneruj_Tisk(page, 60, 0);
    painter.end();
    auto inked = [&](double fromMm, double toMm) {
        for (int y = int(page.MmToY(60)); y < int(page.MmToY(97)); ++y)
            for (int x = int(page.MmToX(float(fromMm))); x < int(page.MmToX(float(toMm))); ++x)
                if (qGray(image.pixel(x, y)) < 200)
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(11, 40));
    EXPECT_FALSE(inked(104.7, 106.2));
    EXPECT_FALSE(inked(205, 210));
}
