// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DataTablesCheck.h"

#include "calc/data/CalcTaskFiles.h"
#include "history/data/HistoryDeckFile.h"
#include "history/deck/HistoryDeck.h"
#include "history/deck/TimelineScreen.h"
#include "optics/FrmZobr.h"
#include "optics/OpticsTaskFile.h"
#include "tasks/TaskTable.h"

namespace orbeta {

std::optional<FileError> checkDataTables(const QString& dataDir, const QString& resourceDir)
{
    for (const TaskRow& row : TaskTable::rows()) {
        const QString code = TaskTable::code(row);
        std::optional<FileError> problem;
        switch (row.form) {
        case TaskFormKind::Mech1:
            if (const auto task = calcTaskFromCode(code))
                if (const auto files = CalcTaskFiles::read(*task, dataDir); !files)
                    problem = files.error();
            break;
        case TaskFormKind::Zobr:
            if (const auto task = opticsTaskFromCode(code))
                if (const auto scenes = OpticsTaskFile::read(*task, dataDir, FrmZobr::pictureCheck(resourceDir));
                    !scenes)
                    problem = scenes.error();
            break;
        case TaskFormKind::Dvojice:
        case TaskFormKind::Osa:
            // The pairs need a screen of the smallest series; a larger one is
            // checked when it is chosen.
            if (const auto history = HistoryDeck::codeOf(code))
                if (const auto deck = HistoryDeckFile::read(
                        *history, dataDir, row.form == TaskFormKind::Osa ? TimelineScreen::kPositions : 1);
                    !deck)
                    problem = deck.error();
            break;
        }
        if (problem)
            return problem;
    }
    return std::nullopt;
}

} // namespace orbeta
