// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/contents/HistoryWorksheet.h"

#include "history/data/HistoryDeckFile.h"
#include "look/basics/TextElision.h"
#include "print/page/PrintPage.h"

#include <QPainter>

namespace orbeta::print {
namespace {

const QColor kKeyRed(160, 0, 0);

// Five rows and the answer line fill a 50 mm slot.
constexpr double kRowStepMm = 7.5;
constexpr double kCircleRadiusMm = 3.5;
constexpr double kLeftLetterMm = 3.5;
constexpr double kLeftTextMm = 11;
constexpr double kRightLetterMm = 108.5;
constexpr double kRightTextMm = 116;
// Each text keeps clear of the next column's circles and of the paper's edge.
constexpr double kLeftColumnEndMm = 104.5;
constexpr double kRightColumnEndMm = 204;
constexpr double kAnswerLineMm = 5 * kRowStepMm + 0.5;
constexpr double kAnswerLeftMm = 5;
constexpr double kAnswerEndMm = 204;

constexpr double kTextPoints = 12;
constexpr double kSmallestPoints = 7;
constexpr double kMmPerPoint = 25.4 / 72;

// The circled letter or number of a row, its centre on the row's middle.
void printMark(PrintPage& page, double leftMm, double rowTopMm, const QString& mark)
{
    page.setFont(PrintFace::Sans, kTextPoints, true);
    const double width = page.textWidthMm(mark);
    const QPointF centre(leftMm + width / 2, rowTopMm + kCircleRadiusMm);
    QPainter& p = page.painter();
    p.save();
    p.setTransform(page.mmTransform());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, kCircleRadiusMm, kCircleRadiusMm);
    p.restore();
    page.printText(centre.x() - width / 2, centre.y() - page.lineHeightMm() / 2, mark);
}

// A text on its row, in smaller type where it would pass the column's end;
// elided only if even the smallest type is too wide.
void printFitted(PrintPage& page, double leftMm, double endMm, double rowTopMm, const QString& text)
{
    const double width = endMm - leftMm;
    const auto widthOf = [&page](const QString& shown) { return page.textWidthMm(shown); };
    // The smallest type holds the most characters; a longer text fits at no size.
    const qsizetype most = TextElision::mostCharacters(width, kSmallestPoints * kMmPerPoint);
    double points = kTextPoints;
    page.setFont(PrintFace::Sans, points);
    while (!TextElision::fits(text, width, widthOf, most) && points > kSmallestPoints) {
        points -= 0.5;
        page.setFont(PrintFace::Sans, points);
    }
    page.printText(leftMm, rowTopMm + kCircleRadiusMm - page.lineHeightMm() / 2,
                   TextElision::elide(text, width, widthOf, most));
}

// "Dvojice : " and a dotted line to write on; on the key, the pairs on it.
void printAnswerLine(PrintPage& page, double topMm, const QString& answer)
{
    page.setFont(PrintFace::Sans, kTextPoints);
    const QString label = QStringLiteral("Dvojice : ");
    const double lineLeft = kAnswerLeftMm + page.textWidthMm(label);
    const double baseline = topMm + page.lineHeightMm();
    QPainter& p = page.painter();
    p.save();
    p.setTransform(page.mmTransform());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 0.3, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(lineLeft, baseline), QPointF(kAnswerEndMm, baseline));
    p.restore();
    if (!answer.isEmpty())
        page.setTextColor(kKeyRed);
    page.printText(kAnswerLeftMm, topMm, label + answer);
    page.setTextColor(Qt::black);
}

} // namespace

FileResult<std::unique_ptr<WorksheetContent>> HistoryWorksheet::load(const WorksheetRequest& request,
                                                                     const QString& dataDir)
{
    const QString taskCode = QString::fromUtf8(request.task->code);
    const std::optional<HistoryCode> code = HistoryDeck::codeOf(taskCode);
    if (!code)
        return FileError{taskCode, 0, QStringLiteral("nie je úloha histórie.")};
    FileResult<HistoryDeck> deck = HistoryDeckFile::read(*code, dataDir, HistorySheet::kGroupSize);
    if (!deck)
        return deck.error();
    return std::unique_ptr<WorksheetContent>(std::make_unique<HistoryWorksheet>(
        HistorySheet::make(std::move(deck.value()), request.count, request.seed), request.answers));
}

void HistoryWorksheet::Vygeneruj_Tisk(PrintPage& page, int topMm, int firstItem)
{
    const int g = firstItem / HistorySheet::kGroupSize;
    if (firstItem < 0 || g >= m_sheet.groupCount())
        return;
    const HistoryGroup& group = m_sheet.group(g);
    page.setTextColor(Qt::black);
    for (int row = 0; row < int(group.rows.size()); ++row) {
        const double rowTop = topMm + kRowStepMm * row;
        printMark(page, kLeftLetterMm, rowTop, HistoryGroup::letter(row));
        printFitted(page, kLeftTextMm, kLeftColumnEndMm, rowTop, group.rows[std::size_t(row)].left);
        printMark(page, kRightLetterMm, rowTop, QString::number(row + 1));
        printFitted(page, kRightTextMm, kRightColumnEndMm, rowTop, group.rightText(row));
    }
    printAnswerLine(page, topMm + kAnswerLineMm, m_answers ? group.answer() : QString());
}

} // namespace orbeta::print
