// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WorksheetPrinting.h"

#include "print/contents/WorksheetContents.h"
#include "print/page/PrintWorksheet.h"
#include "print/page/WorksheetDocument.h"
#include "print/plan/WorksheetCode.h"
#include "print/plan/WorksheetPlan.h"
#include "screen/Tour.h"
#include "services/Services.h"

#include <QDateTime>
#include <QPainter>
#include <QPrinter>

#include <cstdio>
#include <vector>

namespace orbeta {

WorksheetPrinting::WorksheetPrinting(Services& services, std::optional<std::uint64_t> fixedSeed)
    : m_services(&services), m_fixedSeed(fixedSeed)
{
}

std::uint64_t WorksheetPrinting::nextSeed(int count)
{
    if (!m_fixedSeed)
        return print::WorksheetCode::clockSeed(m_clockSeeds, m_services->now().toMSecsSinceEpoch());
    const std::uint64_t seed = *m_fixedSeed + m_examplesPrinted;
    m_examplesPrinted += std::uint64_t(count);
    return seed;
}

bool WorksheetPrinting::print(const SeriesSetup& setup, QPrinter& printer, int copies)
{
    const TaskRow* task = TaskTable::find(setup.taskCode);
    if (!task || !print::WorksheetPlan::countAllowed(*task, setup.exampleCount))
        return false;
    // Every sheet is made before the printer starts, so that a missing data
    // file prints nothing at all.
    struct Sheet {
        print::WorksheetRequest request;
        std::unique_ptr<print::WorksheetContent> content;
    };
    std::vector<Sheet> sheets;
    for (int copy = 0; copy < copies; ++copy) {
        print::WorksheetRequest request;
        request.task = task;
        request.count = setup.exampleCount;
        request.seed = nextSeed(request.count);
        request.pupilName = setup.pupilName.trimmed();
        request.date = m_services->now().date();
        FileResult<std::unique_ptr<print::WorksheetContent>> content =
            print::WorksheetContents::load(request, m_services->resources().installation().dataDir);
        if (!content)
            return false;
        sheets.push_back({request, std::move(content.value())});
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (std::size_t i = 0; i < sheets.size(); ++i)
        if (!print::PrintWorksheet::printPages(painter, printer, sheets[i].request, *sheets[i].content, i > 0)) {
            painter.end();
            return false;
        }
    return painter.end();
}

void WorksheetPrinting::addTourStates(Tour& tour, Services& services)
{
    constexpr int kTourDotsPerInch = 150;
    for (const TaskRow& row : TaskTable::rows()) {
        for (const bool answers : {false, true}) {
            const QString code = TaskTable::code(row);
            tour.addPicture(QStringLiteral("worksheet"), code + (answers ? QStringLiteral("-key") : QString()) + QStringLiteral("-page1"),
                            [&row, answers, &services] {
                                print::WorksheetRequest request;
                                request.task = &row;
                                request.count = TaskTable::countsOffered(row.group)[2];
                                request.seed = 1;
                                request.pupilName = QStringLiteral("Jana Nováková");
                                request.date = services.now().date();
                                request.answers = answers;
                                auto content = print::WorksheetContents::load(request, services.resources().installation().dataDir);
                                if (!content) {
                                    std::fprintf(stderr, "orbeta: %s\n", qPrintable(content.error().message()));
                                    return QImage();
                                }
                                return print::WorksheetDocument::pageImage(request, *content.value(), 1,
                                                                           kTourDotsPerInch);
                            });
        }
    }
}

} // namespace orbeta
