// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/ExampleSeeder.h"
#include "tasks/SeriesSetup.h"

#include <QString>

#include <cstdint>
#include <optional>

class QPrinter;

namespace orbeta {

class Services;
class Tour;

// The setup screen's print button: the chosen task's worksheet, once per
// copy and each copy with fresh examples, for the pupil named on the screen.
class WorksheetPrinting {
public:
    // With `fixedSeed` S the sheets are reproducible: the first sheet's
    // example k comes from S + k, the next sheet continues after it.
    WorksheetPrinting(Services& services, std::optional<std::uint64_t> fixedSeed);

    // `copies` sheets of the task, the count and the pupil's name of `setup`.
    bool print(const SeriesSetup& setup, QPrinter& printer, int copies);

    // The seed of the next sheet of `count` examples.
    std::uint64_t nextSeed(int count);

    // Page 1 of every task's worksheet and of its answer key, as a teacher
    // sees them at print size.
    static void addTourStates(Tour& tour, Services& services);

private:
    Services* m_services;
    std::optional<std::uint64_t> m_fixedSeed;
    std::uint64_t m_examplesPrinted = 0;
    ExampleSeeder m_clockSeeds;
};

} // namespace orbeta
