// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/ExampleSeeder.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace orbeta::print {

// What makes a worksheet: the task, the number of examples and the seed of
// its first example. Written in the footer of every page ("1a-8-4F2KG"), so
// that a teacher can make the same sheet again, or its answer key.
struct WorksheetCode {
    QString task; // "1a" .. "6c"
    int count = 0;
    std::uint64_t seed = 0;

    // TASK-COUNT-SEED, the seed in base 32 (digits and capitals without I, L,
    // O, U) followed by one check character.
    QString text() const;
    // Reads a code as `text` writes it, in either case, with O for 0 and I or
    // L for 1; none for a code that is malformed or fails its check. The
    // task and count are not checked against the table here.
    static std::optional<WorksheetCode> parse(QStringView text);

    // A fresh seed from the clock, short enough to keep the code short (eight
    // characters); two sheets made within one millisecond still differ.
    static std::uint64_t clockSeed(ExampleSeeder& seeder, std::int64_t clockMilliseconds);

    friend bool operator==(const WorksheetCode&, const WorksheetCode&) = default;
};

} // namespace orbeta::print
