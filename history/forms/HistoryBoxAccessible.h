// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace orbeta {

class HistoryBox;

// A box or slot as a screen reader meets it: an item named by the form with
// its text and place, focused while the form's keyboard frame is on it (the
// form itself holds Qt's focus and moves the frame between its boxes).
class HistoryBoxAccessible : public QAccessibleWidget {
public:
    explicit HistoryBoxAccessible(HistoryBox* box);

    QAccessible::State state() const override;

    // Makes Qt ask this class for every HistoryBox; once is enough.
    static void install();

private:
    HistoryBox* box() const;
};

} // namespace orbeta
