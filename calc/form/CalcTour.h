// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbeta {

class ResultsLink;
class Services;
class Tour;

// The calculation form's tour states, reached through its public interface
// as a pupil reaches them: every task whose scene is drawn with each asked
// quantity after load, half way through the experiment, after it, with a
// marked row, right and wrong, with the solution, with the calculator used,
// and its help picture; and the lever of "2e" as the mouse and the keys
// leave it.
class CalcTour {
public:
    static void addStates(Tour& tour, Services& services, ResultsLink& results);

private:
    static void addLeverStates(Tour& tour, Services& services, ResultsLink& results);
};

} // namespace orbeta
