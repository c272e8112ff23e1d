// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/SeriesResult.h"
#include "tasks/SeriesSetup.h"
#include "tasks/TaskTable.h"

class QWidget;

namespace orbeta {

class HintWindow;

// What a task form needs of the results subsystem. The program wires the
// results forms in, so that no task form includes a form of another folder.
class ResultsLink {
public:
    virtual ~ResultsLink() = default;

    // The series of `setup` has ended: the results form grades it, records
    // it in the task's ranking and in the results log and comes to the
    // front; its back button returns to `returnForm`.
    virtual void finishSeries(const SeriesSetup& setup, const SeriesResult& series, QWidget* returnForm) = 0;
    // The ranking of the task of `setup` without a new record; back returns
    // to `returnForm`.
    virtual void showRanking(const SeriesSetup& setup, QWidget* returnForm) = 0;
    // A hidden hint window with the given bubble, owned by `parent`.
    virtual HintWindow* createHint(HintBubble bubble, QWidget* parent) = 0;
};

} // namespace orbeta
