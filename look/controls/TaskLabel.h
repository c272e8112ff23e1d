// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace orbeta {

// What the pictures say about one of the 21 tasks.
struct TaskLabel {
    QString code;  // "1a"
    int topic = 0; // 1..6
    QString title; // as written on the pictures

    static const QList<TaskLabel>& all();
    // The topic as written on the pictures ("História").
    static QString topicName(int topic);
};

} // namespace orbeta
