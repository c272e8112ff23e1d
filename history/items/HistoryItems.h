// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace orbeta {

// The items of the three history files. `number` is the line of the file
// (from 1), the number the forms compare when they judge.

// "6a.dat": a fact and its other half.
struct PairItem {
    int number = 0;
    QString left;
    QString right;
};

// "6b.dat": a person with the years of birth and death (0 while living).
struct PersonItem {
    int number = 0;
    QString name;
    int birth = 0;
    int death = 0;

    // "1473 - 1543", or "1942 - súč." for a living person.
    QString lifeSpan() const;
};

// "6c.dat": a discovery or an invention and its year.
struct EventItem {
    int number = 0;
    QString text;
    int year = 0;
};

using PairItems = std::vector<PairItem>;
using PersonItems = std::vector<PersonItem>;
using EventItems = std::vector<EventItem>;

} // namespace orbeta
