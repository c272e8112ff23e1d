// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/report/ClassReport.h"

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QList>
#include <QStringList>

namespace orbeta::print {

class PrintPage;

// The class report as A4 pages in the look of the worksheets: the overview
// (what left out and why, a row per pupil and for the class, the table of
// pupils by task, the class's share right per task), a block per task and
// per pupil with their charts, who may need help and who improved. Or a
// page of each pupil's own, which names no other pupil.
class ClassReportDocument {
public:
    enum class Pages { Class, EachPupil };

    // Lays the pages out; `today` is printed in the footer, `logFile` names
    // where damaged lines were skipped.
    ClassReportDocument(const results::ClassReport& report, const QDate& today, Pages pages = Pages::Class,
                        const QString& logFile = QString());

    int pageCount() const { return int(m_pages.size()); }
    // The whole report as a PDF with real text; empty when it could not be painted.
    QByteArray pdf() const;
    // Page `page` (from 1) as a white A4 picture.
    QImage pageImage(int page, int dotsPerInch) const;

    // The table of the overview shows tasks as columns up to this many, topics beyond.
    static constexpr int kMostTaskColumns = 10;
    // Damaged runs of the log and unknown tasks named one by one on the first page; the rest counted.
    static constexpr int kMostSkippedNamed = 5;

    enum class BlockKind { Lines, Pupils, Table, Shares, Task, Pupil, PupilTasks, Help };
    // A piece of a page: what it shows, from where to where, at which height.
    struct Block {
        BlockKind kind;
        double topMm = 0;
        double heightMm = 0; // what it may print on, from topMm down
        int first = 0; // the first row, task, pupil or note it shows
        int count = 0; // rows, tasks, pupils or notes; of lines: how many of the first are bold
                       // (of pupil rows: the class's row comes first when `first` is -1)
        QStringList lines; // texts laid out in advance: notes, or the names of the untried
    };
    // The blocks of page `page` (from 1), top down: what the page is printed from.
    const QList<Block>& blocks(int page) const { return m_pages[page - 1]; }

private:
    void layOut(PrintPage& measure);
    void layOutPupilPages(PrintPage& measure);
    QStringList leftOut(PrintPage& measure) const;
    void printPage(PrintPage& out, int page) const;
    void printBlock(PrintPage& out, const Block& block) const;

    const results::ClassReport& m_report;
    QDate m_today;
    Pages m_kind;
    QString m_logFile;
    QList<QList<Block>> m_pages;
    QStringList m_sections; // the section each page belongs to
    bool m_byTopic = false;
};

} // namespace orbeta::print
