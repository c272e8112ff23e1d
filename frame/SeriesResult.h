// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace orbeta {

// A finished series as the results form records it: who, which task, and
// how many items were judged right and wrong.
struct SeriesResult {
    QString pupilName;
    QString topicName;
    QString taskTitle;
    std::uint16_t correct = 0;
    std::uint16_t wrong = 0;
};

} // namespace orbeta
