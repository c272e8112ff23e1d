// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/report/ClassReportDocument.h"

#include "formats/SlovakCount.h"
#include "print/page/A4Document.h"
#include "print/page/PrintPage.h"
#include "print/page/PrintWorksheet.h"
#include "print/report/ReportCharts.h"

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace orbeta::print {
namespace {

using results::ClassReport;
using results::PupilReport;
using results::TaskReport;

constexpr double kLeftMm = 4;
constexpr double kRightMm = 206;
constexpr double kBodyTopMm = 29;
constexpr double kBodyBottomMm = 280;
constexpr double kRowMm = 5.5;
constexpr double kNameColumnMm = 50;
constexpr double kChartMm = 46;
const QColor kNavy(0, 0, 128);

const QString kOverview = QStringLiteral("Prehľad");
const QString kTasks = QStringLiteral("Úlohy");
const QString kPupils = QStringLiteral("Žiaci");
const QString kHelp = QStringLiteral("Kto môže potrebovať pomoc");

// Light enough under black text, told apart by the mark printed on them,
// and in grey too: from none and 1 (lightest) to 5 each a step darker.
QColor markColour(int mark)
{
    static const QColor colours[] = {QColor(240, 240, 240), QColor(208, 238, 208), QColor(200, 222, 140),
                                     QColor(225, 190, 90),  QColor(230, 150, 80),  QColor(215, 105, 100)};
    return colours[std::clamp(mark, 0, 5)];
}

// A share's bar, and one under half: far apart in grey as well.
const QColor kShareBar(150, 180, 225);
const QColor kLowShareBar(200, 60, 50);

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("d.M.yyyy"));
}

QString shareText(const results::AnswerShare& share)
{
    return QStringLiteral("%1 % (%2 z %3)").arg(share.percent()).arg(share.correct).arg(share.answered);
}

QString taskName(const TaskRow& task)
{
    return TaskTable::code(task) + QStringLiteral("  ") + TaskTable::shownTitle(task);
}

QString markText(const results::MarkMean& marks)
{
    return marks.any() ? marks.text() : QStringLiteral("–");
}

QString lastText(const std::optional<QDate>& date)
{
    return date ? dateText(*date) : QStringLiteral("–");
}

// A pupil without a series of the tasks shown: never practised, or only others.
QString idleText(const results::PupilReport& pupil, const ClassReport& report)
{
    if (pupil.otherSeries == 0)
        return QStringLiteral("nepracoval(a)");
    QStringList codes;
    for (const TaskRow* task : report.tasks)
        codes.append(TaskTable::code(*task));
    return QStringLiteral("nevyskúšal(a) ") + codes.join(QStringLiteral(", "));
}

// Marks as the mean of each week with practice; a week without is a gap.
QList<ChartPoint> weeklyMarks(const results::PupilReport& pupil)
{
    QList<ChartPoint> points;
    results::MarkMean week;
    QDate monday;
    const auto close = [&] {
        if (week.any())
            points.append({monday, week.value()});
        week = {};
    };
    for (const results::ReportSeries& s : pupil.series) {
        const QDate thisMonday = s.date.addDays(1 - s.date.dayOfWeek());
        if (thisMonday != monday) {
            close();
            monday = thisMonday;
        }
        week.add(s.mark);
    }
    close();
    return points;
}

// At most `most` of the words, then how many there are in all.
QStringList capped(QStringList words, int most)
{
    if (words.size() <= most)
        return words;
    const qsizetype all = words.size();
    words.resize(most);
    words.append(QStringLiteral("… (spolu %1)").arg(all));
    return words;
}

// Words joined into lines no wider than `widthMm`.
QStringList wrapped(PrintPage& out, const QStringList& words, const QString& lead, double widthMm)
{
    QStringList lines;
    QString line = lead;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString word = words[i] + (i + 1 < words.size() ? QStringLiteral(",") : QString());
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && out.textWidthMm(longer) > widthMm) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

// Where blocks go, page by page.
struct Flow {
    QList<QList<ClassReportDocument::Block>>& pages;
    QStringList& sections;
    double y = kBodyTopMm;

    void newPage(const QString& section)
    {
        pages.append(QList<ClassReportDocument::Block>());
        sections.append(section);
        y = kBodyTopMm;
    }
    double room() const { return kBodyBottomMm - y; }
    void place(ClassReportDocument::Block block, double height)
    {
        if (height > room() && !pages.back().isEmpty())
            newPage(sections.back());
        block.topMm = y;
        block.heightMm = height;
        pages.back().append(block);
        y += height;
    }
};

ClassReportDocument::Block block(ClassReportDocument::BlockKind kind, int first, int count)
{
    return ClassReportDocument::Block{kind, 0, 0, first, count, {}};
}

double taskBlockHeight(const ClassReportDocument::Block& b)
{
    return 14 + kChartMm + 5 * double(b.lines.size()) + 5;
}

// Notes below a chart, one a line from `y` down.
void printLines(PrintPage& out, double y, const QStringList& lines)
{
    out.setFont(PrintFace::Sans, 10);
    for (const QString& line : lines) {
        out.printText(kLeftMm, y, line, kRightMm);
        y += 5;
    }
}

} // namespace

ClassReportDocument::ClassReportDocument(const results::ClassReport& report, const QDate& today, Pages pages,
                                         const QString& logFile)
    : m_report(report)
    , m_today(today)
    , m_kind(pages)
    , m_logFile(logFile)
    , m_byTopic(report.tasks.size() > kMostTaskColumns)
{
    // Measured at the PDF's resolution on a picture that is never painted.
    QImage probe(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(A4Document::kPdfResolution / 0.0254);
    probe.setDotsPerMeterX(dotsPerMeter);
    probe.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&probe);
    PrintPage measure(painter, QSizeF(PrintPage::kWidthMm / 25.4 * A4Document::kPdfResolution,
                                      PrintPage::kHeightMm / 25.4 * A4Document::kPdfResolution));
    if (m_kind == Pages::EachPupil)
        layOutPupilPages(measure);
    else
        layOut(measure);
}

QStringList ClassReportDocument::leftOut(PrintPage& measure) const
{
    const ClassReport& r = m_report;
    measure.setFont(PrintFace::Sans, 11);
    const double width = kRightMm - kLeftMm;
    QStringList lines;
    if (!r.skipped.isEmpty()) {
        lines.append(QStringLiteral("Poškodené záznamy výsledkov vynechané: %1%2")
                         .arg(r.skipped.size())
                         .arg(m_logFile.isEmpty() ? QStringLiteral(".") : QStringLiteral(" (súbor %1).").arg(m_logFile)));
        for (qsizetype i = 0; i < r.skipped.size() && i < kMostSkippedNamed; ++i) {
            const results::SkippedLines& s = r.skipped[i];
            lines.append(QStringLiteral("   %1 %2: %3")
                             .arg(s.first == s.last ? QStringLiteral("riadok") : QStringLiteral("riadky"), s.range(),
                                  s.problem));
        }
        if (r.skipped.size() > kMostSkippedNamed)
            lines.append(QStringLiteral("   … a ďalších %1 (všetky vypíše orbeta-cli results).")
                             .arg(r.skipped.size() - kMostSkippedNamed));
    }
    if (!r.unknownTasks.isEmpty()) {
        lines.append(QStringLiteral("Série úloh, ktoré program nepozná, vynechané: %1.").arg(r.unknownTaskSeries()));
        for (qsizetype i = 0; i < r.unknownTasks.size() && i < kMostSkippedNamed; ++i) {
            const results::UnknownTask& u = r.unknownTasks[i];
            QStringList numbers;
            for (int line : u.lines)
                numbers.append(QString::number(line));
            lines += wrapped(measure, capped(numbers, 12),
                             QStringLiteral("   „%1“, „%2“: %3, riadky")
                                 .arg(u.topic, u.title, SlovakCount::of(u.lines.size(), u"séria", u"série", u"sérií")),
                             width);
        }
        if (r.unknownTasks.size() > kMostSkippedNamed)
            lines.append(QStringLiteral("   … a ďalších %1 úloh (všetky vypíše orbeta-cli report na chybový výstup).")
                             .arg(r.unknownTasks.size() - kMostSkippedNamed));
    }
    if (!r.offList.isEmpty()) {
        lines.append(QStringLiteral("Série iných žiakov (mimo zoznamu) nezahrnuté: %1.").arg(r.outsideListSeries()));
        QStringList names;
        for (const results::NameOffList& n : r.offList)
            names.append(QStringLiteral("%1: %2").arg(n.name, SlovakCount::of(n.series, u"séria", u"série", u"sérií")));
        lines += wrapped(measure, capped(names, 20), QStringLiteral("   Mená mimo zoznamu:"), width);
    }
    return lines;
}

void ClassReportDocument::layOut(PrintPage& measure)
{
    const ClassReport& r = m_report;
    Flow flow{m_pages, m_sections};
    flow.newPage(kOverview);

    Block summary = block(BlockKind::Lines, 0, 1); // the counts in bold
    summary.lines.append(QStringLiteral("Žiaci: %1     Série: %2     Príklady: %3")
                             .arg(r.pupils.size())
                             .arg(r.seriesCount())
                             .arg(r.exampleCount()));
    if (r.empty())
        summary.lines.append(QStringLiteral("V zvolenom období nie sú žiadne série."));
    summary.lines += leftOut(measure);
    flow.place(summary, kRowMm * double(summary.lines.size()) + 3);

    // A row for the class and one per pupil: what a teacher looks at first.
    for (int first = -1; !r.pupils.isEmpty() && first < r.pupils.size();) {
        const int fits = int((flow.room() - 6 - 3) / kRowMm);
        if (fits < 3 && !flow.pages.back().isEmpty()) {
            flow.newPage(kOverview);
            continue;
        }
        const int count = std::min<int>(std::max(1, fits), int(r.pupils.size()) - first);
        flow.place(block(BlockKind::Pupils, first, count), 6 + kRowMm * count + 3);
        first += count;
    }
    if (!r.pupils.isEmpty() && !r.tasks.isEmpty()) {
        Block legend = block(BlockKind::Lines, 0, 0);
        legend.lines.append(QStringLiteral("V tabuľke: počet sérií / posledná známka, podfarbené podľa známky."));
        flow.place(legend, kRowMm + 1);
    }

    // The table, continued on further pages with its head repeated.
    for (int first = 0; first < r.pupils.size();) {
        const int fits = std::max(1, int((flow.room() - 8 - 3) / kRowMm));
        if (fits < 3 && !flow.pages.back().isEmpty()) {
            flow.newPage(kOverview);
            continue;
        }
        const int count = std::min<int>(fits, int(r.pupils.size()) - first);
        flow.place(block(BlockKind::Table, first, count), 8 + kRowMm * count + 3);
        first += count;
    }
    for (int first = 0; first < r.tasks.size();) {
        const int fits = int((flow.room() - 7) / kRowMm);
        if (fits < 2) {
            flow.newPage(kOverview);
            continue;
        }
        const int count = std::min<int>(fits, int(r.tasks.size()) - first);
        flow.place(block(BlockKind::Shares, first, count), 7 + kRowMm * count);
        first += count;
    }

    measure.setFont(PrintFace::Sans, 10);
    if (!r.tasks.isEmpty())
        flow.newPage(kTasks);
    for (int t = 0; t < r.taskReports.size(); ++t) {
        Block taskBlock = block(BlockKind::Task, t, 1);
        const QStringList& untried = r.taskReports[t].untriedBy;
        if (!untried.isEmpty())
            taskBlock.lines = wrapped(measure, untried, QStringLiteral("Nevyskúšali:"), kRightMm - kLeftMm);
        flow.place(taskBlock, taskBlockHeight(taskBlock));
    }
    if (!r.pupils.isEmpty())
        flow.newPage(kPupils);
    for (int p = 0; p < r.pupils.size(); ++p) {
        Block pupilBlock = block(BlockKind::Pupil, p, 1);
        QStringList untried;
        for (const TaskRow* task : r.pupils[p].untried)
            untried.append(TaskTable::code(*task) + QLatin1Char(' ') + TaskTable::shownTitle(*task));
        if (!untried.isEmpty())
            pupilBlock.lines = wrapped(measure, untried, QStringLiteral("Nevyskúšané úlohy:"), kRightMm - kLeftMm);
        flow.place(pupilBlock, r.pupils[p].series.isEmpty() ? 14 + 5 * double(pupilBlock.lines.size()) + 3
                                                        : taskBlockHeight(pupilBlock));
    }

    flow.newPage(kHelp);
    Block intro = block(BlockKind::Lines, 0, 0);
    intro.lines = QStringList{
        QStringLiteral("Žiaci, ktorých úspešnosť v niektorej téme je pod polovicou, ktorých známky sa zhoršili"),
        QStringLiteral("v posledných troch sériách niektorej úlohy alebo vo viacerých úlohách, alebo ktorí"),
        QStringLiteral("prestali cvičiť (%1 dní bez série, kým trieda cvičila ďalej).").arg(ClassReport::kStoppedDays),
    };
    if (r.help.isEmpty())
        intro.lines.append(QStringLiteral("Takých žiakov v tomto období niet."));
    flow.place(intro, kRowMm * double(intro.lines.size()) + 4);
    for (int first = 0; first < r.help.size();) {
        const int fits = std::max(1, int(flow.room() / kRowMm));
        const int count = std::min<int>(fits, int(r.help.size()) - first);
        flow.place(block(BlockKind::Help, first, count), kRowMm * count);
        first += count;
        if (first < r.help.size())
            flow.newPage(kHelp);
    }
    if (!r.improved.isEmpty()) {
        Block improved = block(BlockKind::Lines, 0, 1);
        improved.lines.append(QStringLiteral("Najviac sa zlepšili"));
        for (const results::HelpNote& note : r.improved)
            improved.lines.append(note.pupil + QStringLiteral(": ") + note.reason);
        flow.y += 4;
        flow.place(improved, kRowMm * double(improved.lines.size()));
    }
}

void ClassReportDocument::layOutPupilPages(PrintPage& measure)
{
    const ClassReport& r = m_report;
    Flow flow{m_pages, m_sections};
    measure.setFont(PrintFace::Sans, 10);
    for (int p = 0; p < r.pupils.size(); ++p) {
        const results::PupilReport& pupil = r.pupils[p];
        flow.newPage(pupil.name);
        Block head = block(BlockKind::Pupil, p, 1);
        QStringList untried;
        for (const TaskRow* task : pupil.untried)
            untried.append(TaskTable::code(*task) + QLatin1Char(' ') + TaskTable::shownTitle(*task));
        if (!untried.isEmpty())
            head.lines = wrapped(measure, untried, QStringLiteral("Nevyskúšané úlohy:"), kRightMm - kLeftMm);
        flow.place(head, pupil.series.isEmpty() ? 14 + 5 * double(head.lines.size()) + 3 : taskBlockHeight(head));
        if (!pupil.series.isEmpty())
            flow.place(block(BlockKind::PupilTasks, p, int(r.tasks.size())), 7 + kRowMm * double(r.tasks.size()) + 3);
        Block notes = block(BlockKind::Lines, 0, 1);
        for (const QList<results::HelpNote>* list : {&r.help, &r.improved})
            for (const results::HelpNote& note : *list)
                if (note.pupil == pupil.name)
                    notes.lines.append(note.reason);
        if (!notes.lines.isEmpty()) {
            notes.lines.prepend(QStringLiteral("Poznámky"));
            flow.place(notes, kRowMm * double(notes.lines.size()));
        }
    }
    if (r.pupils.isEmpty()) {
        flow.newPage(QStringLiteral("Žiak"));
        Block none = block(BlockKind::Lines, 0, 0);
        none.lines.append(QStringLiteral("V zvolenom období nie sú žiadne série."));
        flow.place(none, kRowMm);
    }
}

QByteArray ClassReportDocument::pdf() const
{
    const QString title = (m_kind == Pages::EachPupil ? QStringLiteral("Výsledky žiakov %1 – %2")
                                                      : QStringLiteral("Výsledky triedy %1 – %2"))
                              .arg(dateText(m_report.from), dateText(m_report.to));
    return A4Document::pdf(title, [this](QPdfWriter& writer) {
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        PrintPage out = PrintWorksheet::fitPage(painter, QRectF(0, 0, writer.width(), writer.height()));
        for (int page = 1; page <= pageCount(); ++page) {
            if (page > 1 && !writer.newPage())
                return false;
            printPage(out, page);
        }
        return painter.end();
    });
}

QImage ClassReportDocument::pageImage(int page, int dotsPerInch) const
{
    return A4Document::pageImage(dotsPerInch, [this, page](PrintPage& out) { printPage(out, page); });
}

void ClassReportDocument::printPage(PrintPage& out, int page) const
{
    out.setTextColor(kNavy);
    out.setFont(PrintFace::Sans, 20, true);
    out.printText(4, 4, m_kind == Pages::EachPupil ? QStringLiteral("Výsledky žiaka") : QStringLiteral("Výsledky triedy"));
    out.setFont(PrintFace::Sans, 12, true);
    out.printText(4, 17, m_sections[page - 1], 114);
    out.printText(116, 17, QStringLiteral("Obdobie: %1 – %2").arg(dateText(m_report.from), dateText(m_report.to)),
                  kRightMm);
    out.printText(167, 285, QStringLiteral("Orbeta - Tarovia"));

    PrintWorksheet::printRules(out);

    out.setTextColor(Qt::black);
    out.setFont(PrintFace::Sans, 10);
    out.printText(4, 285, QStringLiteral("Dátum: ") + PrintWorksheet::dateText(m_today));
    out.printText(100, 285, QStringLiteral("Stránka: %1 z %2").arg(page).arg(pageCount()));

    QPainter& painter = out.painter();
    for (const Block& block : m_pages[page - 1]) {
        painter.save();
        out.setTextColor(Qt::black);
        printBlock(out, block);
        painter.restore();
    }
}

void ClassReportDocument::printBlock(PrintPage& out, const Block& block) const
{
    const ClassReport& r = m_report;
    double y = block.topMm;
    const auto fill = [&out](const QRectF& mm, const QColor& colour) {
        QPainter& p = out.painter();
        p.save();
        p.setTransform(out.mmTransform());
        p.setPen(QPen(QColor(120, 120, 120), 0.1));
        p.setBrush(colour);
        p.drawRect(mm);
        p.restore();
    };
    switch (block.kind) {
    case BlockKind::Lines:
        for (qsizetype i = 0; i < block.lines.size(); ++i) {
            out.setFont(PrintFace::Sans, 11, i < block.count);
            out.printText(kLeftMm, y + kRowMm * double(i), block.lines[i], kRightMm);
        }
        return;
    case BlockKind::Pupils: {
        constexpr double kColumns[] = {kLeftMm, 50, 94, 126, 178};
        out.setFont(PrintFace::Sans, 9, true);
        const QString heads[] = {QStringLiteral("Žiak"), QStringLiteral("Série"), QStringLiteral("Priemerná známka"),
                                 QStringLiteral("Správne odpovede"), QStringLiteral("Naposledy")};
        for (std::size_t c = 0; c < std::size(heads); ++c)
            out.printText(kColumns[c], y + 1, heads[c], c + 1 < std::size(kColumns) ? kColumns[c + 1] - 1 : kRightMm);
        y += 6;
        for (int i = block.first; i < block.first + block.count; ++i) {
            QStringList cells;
            if (i < 0) {
                const double perPupil = double(r.seriesCount()) / double(std::max<qsizetype>(1, r.pupils.size()));
                cells = {QStringLiteral("Trieda (%1)").arg(r.pupils.size()),
                         QStringLiteral("%1 (%2 na žiaka)")
                             .arg(r.seriesCount())
                             .arg(QString::number(perPupil, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','))),
                         markText(r.marks()), r.share().any() ? shareText(r.share()) : QStringLiteral("–"),
                         lastText(r.lastPractice())};
                fill(QRectF(kLeftMm, y, kRightMm - kLeftMm, kRowMm), QColor(245, 245, 245));
            } else {
                const PupilReport& pupil = r.pupils[i];
                cells = {pupil.name, QString::number(pupil.series.size()), markText(pupil.marks),
                         pupil.share.any() ? shareText(pupil.share) : QStringLiteral("–"), lastText(pupil.lastPractice)};
                if (pupil.series.isEmpty())
                    cells[2] = idleText(pupil, r);
            }
            out.setFont(PrintFace::Sans, 10, i < 0);
            for (std::size_t c = 0; c < std::size(kColumns); ++c)
                out.printText(kColumns[c], y + 0.6, cells[qsizetype(c)],
                              c + 1 < std::size(kColumns) ? kColumns[c + 1] - 1 : kRightMm);
            y += kRowMm;
        }
        return;
    }
    case BlockKind::PupilTasks: {
        const PupilReport& pupil = r.pupils[block.first];
        out.setFont(PrintFace::Sans, 11, true);
        out.printText(kLeftMm, y, QStringLiteral("Úlohy: posledná známka, počet sérií, správne odpovede"));
        y += 7;
        for (int t = 0; t < r.tasks.size(); ++t) {
            const results::ReportCell& cell = pupil.tasks[t];
            out.setFont(PrintFace::Sans, 10);
            out.printText(kLeftMm, y + 0.6, taskName(*r.tasks[t]), 104);
            if (cell.series == 0) {
                out.setFont(PrintFace::Sans, 10, false, true);
                out.printText(106, y + 0.6, QStringLiteral("nevyskúšal(a)"));
            } else {
                const QRectF markCell(106, y, 18, kRowMm);
                fill(markCell, markColour(cell.lastMark));
                const QString mark = cell.lastMark > 0 ? QString::number(cell.lastMark) : QStringLiteral("–");
                out.printText(markCell.center().x() - out.textWidthMm(mark) / 2, y + 0.6, mark);
                out.printText(128, y + 0.6, QStringLiteral("%1 ×").arg(cell.series));
                out.printText(146, y + 0.6, cell.share.any() ? shareText(cell.share) : QStringLiteral("–"), kRightMm);
            }
            y += kRowMm;
        }
        return;
    }
    case BlockKind::Table: {
        // Columns: every task, or every topic when the tasks would be too narrow.
        QList<int> topics;
        for (const TaskRow* task : r.tasks)
            if (!topics.contains(task->topic))
                topics.append(task->topic);
        const int columns = int(m_byTopic ? topics.size() : r.tasks.size());
        const double left = kLeftMm + kNameColumnMm;
        const double width = columns > 0 ? std::min(24.0, (kRightMm - left) / columns) : 0;
        out.setFont(PrintFace::Sans, 9, true);
        out.printText(kLeftMm, y + 2, QStringLiteral("Žiak"));
        for (int c = 0; c < columns; ++c) {
            const QString head = m_byTopic ? TaskTable::shownTopicName(topics[c]) : TaskTable::code(*r.tasks[c]);
            const double x = left + width * c;
            out.printText(x + std::max(0.5, (width - out.textWidthMm(head)) / 2), y + 2, head, x + width - 0.5);
        }
        y += 8;
        for (int i = block.first; i < block.first + block.count; ++i) {
            const PupilReport& pupil = r.pupils[i];
            out.setFont(PrintFace::Sans, 10);
            out.setTextColor(Qt::black);
            out.printText(kLeftMm, y + 0.6, pupil.name, left - 1);
            if (pupil.series.isEmpty()) {
                out.setFont(PrintFace::Sans, 10, false, true);
                out.printText(left + 1, y + 0.6, idleText(pupil, r), kRightMm);
            }
            for (int c = 0; c < columns && !pupil.series.isEmpty(); ++c) {
                int series = 0;
                int mark = 0;
                if (m_byTopic) {
                    for (const results::ReportSeries& s : pupil.series)
                        if (r.tasks[s.task]->topic == topics[c]) {
                            ++series;
                            mark = s.mark;
                        }
                } else {
                    series = pupil.tasks[c].series;
                    mark = pupil.tasks[c].lastMark;
                }
                const QRectF cell(left + width * c, y, width, kRowMm);
                if (series == 0) {
                    fill(cell, Qt::white);
                    continue;
                }
                fill(cell, markColour(mark));
                const QString text =
                    QStringLiteral("%1 / %2").arg(series).arg(mark > 0 ? QString::number(mark) : QStringLiteral("–"));
                out.setFont(PrintFace::Sans, 10, mark == 5);
                out.printText(cell.left() + std::max(0.5, (width - out.textWidthMm(text)) / 2), y + 0.6, text,
                              cell.right() - 0.3);
            }
            y += kRowMm;
        }
        return;
    }
    case BlockKind::Shares: {
        out.setFont(PrintFace::Sans, 11, true);
        out.printText(kLeftMm, y, QStringLiteral("Úspešnosť úloh v triede (správne odpovede)"));
        y += 7;
        for (int t = block.first; t < block.first + block.count; ++t) {
            const TaskReport& task = r.taskReports[t];
            out.setFont(PrintFace::Sans, 10);
            out.printText(kLeftMm, y + 0.6, taskName(*task.task), 104);
            const QRectF track(106, y + 1, 60, kRowMm - 2);
            fill(track, Qt::white);
            if (task.share.any())
                fill(QRectF(track.left(), track.top(), track.width() * task.share.percent() / 100.0, track.height()),
                     task.share.underHalf() ? kLowShareBar : kShareBar);
            out.printText(168, y + 0.6, task.share.any() ? shareText(task.share) : QStringLiteral("bez odpovedí"),
                          kRightMm);
            y += kRowMm;
        }
        return;
    }
    case BlockKind::Task: {
        const TaskReport& task = r.taskReports[block.first];
        out.setTextColor(kNavy);
        out.setFont(PrintFace::Sans, 13, true);
        out.printText(kLeftMm, y, taskName(*task.task) + QStringLiteral("  (") + TaskTable::shownTopicName(task.task->topic)
                                      + QLatin1Char(')'), kRightMm);
        out.setTextColor(Qt::black);
        out.setFont(PrintFace::Sans, 10);
        out.printText(kLeftMm, y + 7, QStringLiteral("Série: %1     Správne: %2")
                                          .arg(task.series)
                                          .arg(task.share.any() ? shareText(task.share) : QStringLiteral("–")));
        y += 13;
        QList<ChartBar> bars;
        int most = 1;
        for (int mark = 1; mark <= 5; ++mark)
            most = std::max(most, task.marks[std::size_t(mark)]);
        most = std::max(most, task.marks[0]);
        for (int mark = 1; mark <= 5; ++mark)
            bars.append({QString::number(mark), double(task.marks[std::size_t(mark)]),
                         QString::number(task.marks[std::size_t(mark)]), markColour(mark)});
        if (task.marks[0] > 0)
            bars.append({QStringLiteral("bez"), double(task.marks[0]), QString::number(task.marks[0]), markColour(0)});
        ReportCharts::bars(out, QRectF(kLeftMm, y, 70, kChartMm), QStringLiteral("Známky (počet sérií)"), bars, most);
        QList<ChartPoint> points;
        for (const results::WeekShare& week : task.weeks)
            points.append({week.monday, double(week.share.percent())});
        const ChartAxis axis{0, 100, {{0, QStringLiteral("0 %")}, {50, QStringLiteral("50 %")}, {100, QStringLiteral("100 %")}}};
        ReportCharts::dateLine(out, QRectF(80, y, kRightMm - 80, kChartMm),
                               QStringLiteral("Správne odpovede po týždňoch (od pondelka)"), points, axis,
                               std::min(r.from, r.from.addDays(1 - r.from.dayOfWeek())), r.to, 7);
        y += kChartMm + 1;
        printLines(out, y, block.lines);
        return;
    }
    case BlockKind::Pupil: {
        const PupilReport& pupil = r.pupils[block.first];
        out.setTextColor(kNavy);
        out.setFont(PrintFace::Sans, 13, true);
        out.printText(kLeftMm, y, pupil.name, kRightMm);
        out.setTextColor(Qt::black);
        out.setFont(PrintFace::Sans, 10);
        out.printText(kLeftMm, y + 7, pupil.series.isEmpty()
                                          ? idleText(pupil, r)
                                          : QStringLiteral("Série: %1     Príklady: %2     Naposledy precvičoval(a): %3     "
                                                           "Priemerná známka: %4     Správne: %5")
                                                .arg(pupil.series.size())
                                                .arg(pupil.examples())
                                                .arg(dateText(*pupil.lastPractice), markText(pupil.marks),
                                                     pupil.share.any() ? shareText(pupil.share) : QStringLiteral("–")),
                      kRightMm);
        y += 13;
        if (!pupil.series.isEmpty()) {
            const ChartAxis axis{5, 1, {{1, QStringLiteral("1")}, {2, QStringLiteral("2")}, {3, QStringLiteral("3")},
                                        {4, QStringLiteral("4")}, {5, QStringLiteral("5")}}};
            ReportCharts::dateLine(out, QRectF(kLeftMm, y, 110, kChartMm),
                                   QStringLiteral("Známky v čase (priemer za týždeň)"), weeklyMarks(pupil), axis,
                                   std::min(r.from, r.from.addDays(1 - r.from.dayOfWeek())), r.to, 7);
            QList<ChartBar> bars;
            for (const results::TopicShare& topic : pupil.topics)
                bars.append({TaskTable::shownTopicName(topic.topic), double(topic.share.percent()),
                             topic.share.any() ? shareText(topic.share) : QStringLiteral("–"),
                             topic.share.underHalf() ? kLowShareBar : kShareBar});
            ReportCharts::shareBars(out, QRectF(118, y, kRightMm - 118, kChartMm),
                                    QStringLiteral("Správne odpovede podľa tém"), bars);
            y += kChartMm + 1;
        }
        printLines(out, y, block.lines);
        return;
    }
    case BlockKind::Help:
        for (int i = block.first; i < block.first + block.count; ++i) {
            // A pupil's further reasons follow under the name.
            out.setFont(PrintFace::Sans, 10, true);
            if (i == block.first || r.help[i - 1].pupil != r.help[i].pupil)
                out.printText(kLeftMm, y, r.help[i].pupil, kLeftMm + kNameColumnMm - 1);
            out.setFont(PrintFace::Sans, 10);
            out.printText(kLeftMm + kNameColumnMm, y, r.help[i].reason, kRightMm);
            y += kRowMm;
        }
        return;
    }
}

} // namespace orbeta::print
