#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace orbeta {

class ScreenHost;

// The tour: every screen and state of the program, rendered to 640 x 480 PNG
// files named "<form>-<state>.png". Each form adds its states; a state's
// preparation brings the screen into that state (showing forms through the
// host) and the tour then captures the stage. Delays are instant and
// message boxes are answered without a person while it runs.
class Tour {
public:
    using Prepare = std::function<void(ScreenHost& host)>;

    void add(const QString& formName, const QString& state, Prepare prepare);

    // Runs every state in the order added and writes the pictures into
    // `directory` (created when missing). False when a picture cannot be written.
    bool run(ScreenHost& host, const QString& directory) const;

    QStringList fileNames() const;
    static bool running();

private:
    struct Step {
        QString fileName;
        Prepare prepare;
    };
    std::vector<Step> steps_;
};

} // namespace orbeta
