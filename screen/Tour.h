// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace orbeta {

class ScreenHost;

// The tour: every screen and state of the program, rendered to 640 x 480 PNG
// files named "<form>-<state>.png". Each form adds its states; a state's
// preparation brings the screen into that state (showing forms through the
// host, finishing its animations) and the tour then captures the stage.
class Tour {
public:
    using Prepare = std::function<void(ScreenHost& host)>;

    void add(const QString& formName, const QString& state, Prepare prepare);
    // A picture that is not a screen (a printed page): drawn by `draw`
    // instead of taken from the stage; a null picture stops the tour.
    using Draw = std::function<QImage()>;
    void addPicture(const QString& formName, const QString& state, Draw draw);

    // Runs the states in the order added from the event loop, one state per
    // turn so that what a state leaves behind (deferred deletions, layout) is
    // done before its picture is taken, and writes the pictures into
    // `directory` (created when missing). Then quits the event loop with
    // status 0, or 1 when a picture could not be written.
    void start(ScreenHost& host, const QString& directory) const;

    QStringList fileNames() const;

private:
    struct Step {
        QString fileName;
        Prepare prepare;
        Draw draw;
    };
    std::vector<Step> m_steps;
};

} // namespace orbeta
