// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/ClassReport.h"

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QList>
#include <QStringList>

namespace orbeta::print {

class PrintPage;

// The class report as A4 pages in the look of the worksheets: the overview
// (the table of pupils by task, the class's share right per task), a block
// per task and per pupil with their charts, and who may need help.
class ClassReportDocument {
public:
    // Lays the pages out; `today` is printed in the footer.
    ClassReportDocument(const results::ClassReport& report, const QDate& today);

    int pageCount() const { return int(m_pages.size()); }
    // The whole report as a PDF with real text; empty when it could not be painted.
    QByteArray pdf() const;
    // Page `page` (from 1) as a white A4 picture.
    QImage pageImage(int page, int dotsPerInch) const;

    // The table of the overview shows tasks as columns up to this many, topics beyond.
    static constexpr int kMostTaskColumns = 10;

    enum class BlockKind { Lines, Table, Shares, Task, Pupil, Help };
    // A piece of a page: what it shows, from where to where, at which height.
    struct Block {
        BlockKind kind;
        double topMm = 0;
        int first = 0; // the first row, task, pupil or note it shows
        int count = 0; // rows, tasks, pupils or notes; of lines: how many of the first are bold
        QStringList lines; // texts laid out in advance: notes, or the names of the untried
    };

private:
    void layOut(PrintPage& measure);
    void printPage(PrintPage& out, int page) const;
    void printBlock(PrintPage& out, const Block& block) const;

    const results::ClassReport& m_report;
    QDate m_today;
    QList<QList<Block>> m_pages;
    QStringList m_sections; // the section each page belongs to
    bool m_byTopic = false;
};

} // namespace orbeta::print
