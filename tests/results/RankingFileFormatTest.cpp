// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ranking/RankingFileFormat.h"

#include "formats/Cp1250.h"

#include <gtest/gtest.h>

using orbeta::results::RankingFileFormat;
using orbeta::results::RankingRecord;

namespace {

RankingRecord record(const QString& name, int correct, int wrong, int mark, bool isNew = false)
{
    return RankingRecord{name, std::int16_t(correct), std::int16_t(wrong), std::int16_t(mark), isNew};
}

void expectRecord(const RankingRecord& r, const QString& name, int correct, int wrong, int mark)
{
    EXPECT_EQ(r.name, name);
    EXPECT_EQ(r.correct, correct) << name.toStdString();
    EXPECT_EQ(r.wrong, wrong) << name.toStdString();
    EXPECT_EQ(r.mark, mark) << name.toStdString();
    EXPECT_FALSE(r.isNew);
}

} // namespace

TEST(RankingFileFormat, WritesOneLineOfFiveFieldsPerRecordInWindows1250AndReadsItBack)
{
    const QByteArray bytes = RankingFileFormat::serialise(
        {record(QStringLiteral("Ľubica Šťastná"), 7, 3, 2, true), record(QString(), 10, 0, 0)});
    EXPECT_EQ(bytes, *orbeta::Cp1250::encode(QStringLiteral("Ľubica Šťastná|7|3|2|1\r\n|10|0|0|0\r\n")));
    EXPECT_TRUE(RankingFileFormat::serialise({}).isEmpty());
    const auto records = RankingFileFormat::parse(bytes);
    ASSERT_EQ(records.size(), 2);
    expectRecord(records.at(0), QStringLiteral("Ľubica Šťastná"), 7, 3, 2);
    expectRecord(records.at(1), QString(), 10, 0, 0);
}

TEST(RankingFileFormat, ADamagedFileStillGivesEveryRecordItCan)
{
    const QByteArray damaged = "Cut|7|\r\n"
                               "\r\n"
                               "Words|seven|3x|2.5|1|extra|fields\n"
                               "Huge|99999999999|-99999999999|1e999\r"
                               "Half|2.5|3.5|-0.5\r\n"
                               "OnlyName";
    const auto records = RankingFileFormat::parse(damaged);
    ASSERT_EQ(records.size(), 5);
    expectRecord(records.at(0), QStringLiteral("Cut"), 7, 0, 0);
    expectRecord(records.at(1), QStringLiteral("Words"), 0, 3, 2);
    expectRecord(records.at(2), QStringLiteral("Huge"), 32767, -32768, 32767);
    expectRecord(records.at(3), QStringLiteral("Half"), 2, 4, 0);
    expectRecord(records.at(4), QStringLiteral("OnlyName"), 0, 0, 0);
    EXPECT_TRUE(RankingFileFormat::parse(QByteArray()).isEmpty());
}

TEST(RankingFileFormat, NoNameCanAddAFieldOrALine)
{
    const QString hostile = QStringLiteral("A|9|9|1|1\r\nB\nC\rD\u2028E\tF\u0000G");
    const QByteArray bytes = RankingFileFormat::serialise({record(hostile, 1, 2, 3)});
    EXPECT_EQ(bytes.count('|'), 4);
    EXPECT_EQ(bytes.count('\n'), 1);
    EXPECT_EQ(bytes.count('\r'), 1);
    const auto records = RankingFileFormat::parse(bytes);
    ASSERT_EQ(records.size(), 1);
    expectRecord(records.at(0), QStringLiteral("A 9 9 1 1  B C D E F G"), 1, 2, 3);

    // A pupil may type "%": the numbers must not land in the name.
    const auto percent =
        RankingFileFormat::parse(RankingFileFormat::serialise({record(QStringLiteral("%1 %%5"), 7, 2, 4)}));
    ASSERT_EQ(percent.size(), 1);
    expectRecord(percent.at(0), QStringLiteral("%1 %%5"), 7, 2, 4);
}

TEST(RankingFileFormat, CharactersWindows1250LacksBecomeALetterOrAQuestionMark)
{
    // "ñ" and a decomposed "č" have letters in the code page; the emoji and
    // the Chinese character have none and stay one "?" each.
    const QString name = QStringLiteral("Niño Lu") + QChar(u'c') + QChar(0x030C) + QStringLiteral(" 😀王");
    const auto records = RankingFileFormat::parse(RankingFileFormat::serialise({record(name, 4, 1, 2)}));
    ASSERT_EQ(records.size(), 1);
    expectRecord(records.at(0), QStringLiteral("Nino Luč ??"), 4, 1, 2);
}
