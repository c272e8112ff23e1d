#include "shell/Tour.h"

#include "shell/ScreenHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace orbeta {

void Tour::add(const QString& formName, const QString& state, Prepare prepare)
{
    m_steps.push_back({formName + QLatin1Char('-') + state + QStringLiteral(".png"), std::move(prepare)});
}

QStringList Tour::fileNames() const
{
    QStringList names;
    for (const Step& step : m_steps)
        names.append(step.fileName);
    return names;
}

void Tour::start(ScreenHost& host, const QString& directory) const
{
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "orbeta: cannot create %s\n", qPrintable(directory));
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
        return;
    }
    struct Run {
        std::size_t next = 0;
        bool ok = true;
    };
    auto run = std::make_shared<Run>();
    auto turn = std::make_shared<std::function<void()>>();
    // Each turn captures the state prepared in the previous one and prepares
    // the next; the timer holds the turn, the turn only knows itself weakly.
    *turn = [this, &host, directory, run, self = std::weak_ptr(turn)] {
        if (run->next > 0) {
            const QString path = QDir(directory).filePath(m_steps[run->next - 1].fileName);
            if (!host.grabStage().save(path, "PNG")) {
                std::fprintf(stderr, "orbeta: cannot write %s\n", qPrintable(path));
                run->ok = false;
            }
        }
        if (run->next == m_steps.size()) {
            QCoreApplication::exit(run->ok ? 0 : 1);
            return;
        }
        m_steps[run->next++].prepare(host);
        QTimer::singleShot(0, &host, [turn = self.lock()] { (*turn)(); });
    };
    QTimer::singleShot(0, &host, [turn] { (*turn)(); });
}

} // namespace orbeta
