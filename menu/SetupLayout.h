// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/Layout.h"
#include "tasks/TaskTable.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>

namespace orbeta {

// Where the setup screen of one task finds its pictures and places its parts.
// Picture names are relative to the resource directory, with "\" separators.
class SetupLayout {
public:
    static constexpr int kCountButtons = TaskTable::kCountButtons;

    static SetupLayout forTask(const QString& taskCode);

    TopicGroup group() const { return m_group; }
    // The number of examples that count button `button` (1 to 5) sets.
    std::uint8_t countOf(int button) const;
    QString countPicture(int button, bool chosen) const;
    QString arrowPicture(int button) const;

    QString background() const;
    QString helpPicture() const;
    QString headingPicture() const;
    QString topicPicture() const;
    static QString continueBackground();
    static QString printBackground();
    static QString backPicture(bool highlighted);

    int nameFieldLeft() const;
    QPoint headingPosition() const;
    static QPoint topicPicturePosition() { return Layout::kTopicPicture; }
    static QPoint arrowPosition() { return Layout::kArrow; }

private:
    SetupLayout(TopicGroup group, QString taskCode);

    TopicGroup m_group;
    QString m_taskCode;
};

} // namespace orbeta
