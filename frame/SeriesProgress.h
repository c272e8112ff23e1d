// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/SeriesResult.h"

#include <cstdint>

namespace orbeta {

// The counting of one series, the same for every task form and owned by its
// frame: the counters start from zero, each check counts its items right or
// wrong, each continue uses the screen's items up.
class SeriesProgress {
public:
    // A new series of `exampleCount` examples.
    explicit SeriesProgress(int exampleCount = 0);

    void count(bool right);
    // After a continue from a screen of `screenItems` items: true while
    // examples remain, false when the series has ended.
    bool next(int screenItems = 1);
    // The number of the example on the screen, 1 to exampleCount().
    int exampleNumber() const;
    int exampleCount() const { return m_exampleCount; }
    int examplesLeft() const { return m_left; }
    int correct() const { return m_correct; }
    int wrong() const { return m_wrong; }
    // Items judged so far in this series.
    int answered() const { return m_correct + m_wrong; }
    // The series as it stands, for the results form.
    SeriesResult result(const QString& pupilName, const QString& topicName, const QString& taskTitle) const;

private:
    int m_exampleCount = 0;
    int m_left = 0;
    std::uint16_t m_correct = 0;
    std::uint16_t m_wrong = 0;
};

} // namespace orbeta
