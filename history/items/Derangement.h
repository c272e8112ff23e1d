// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace orbeta {

class HistoryRandom;

// A random order of 0 .. n - 1 in which, for n of 2 or more, no entry stays
// in its own place: the right column of the pairs and the boxes of the
// discoveries start where none is right. Bounded: a shuffle, then every
// entry left in its place is swapped with another place.
std::vector<int> Derangement(int n, HistoryRandom& rnd);

} // namespace orbeta
