#include "shell/Tour.h"

#include "shell/Misc.h"
#include "shell/ScreenHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

namespace orbeta {

namespace {
bool g_running = false;
}

void Tour::add(const QString& formName, const QString& state, Prepare prepare)
{
    steps_.push_back({formName + QLatin1Char('-') + state + QStringLiteral(".png"), std::move(prepare)});
}

QStringList Tour::fileNames() const
{
    QStringList names;
    for (const Step& step : steps_)
        names.append(step.fileName);
    return names;
}

bool Tour::running()
{
    return g_running;
}

bool Tour::run(ScreenHost& host, const QString& directory) const
{
    if (!QDir().mkpath(directory))
        return false;
    const bool instant = InstantDelays();
    SetInstantDelays(true);
    g_running = true;
    bool ok = true;
    for (const Step& step : steps_) {
        step.prepare(host);
        QCoreApplication::processEvents();
        const QString path = QDir(directory).filePath(step.fileName);
        if (!host.grabStage().save(path, "PNG")) {
            std::fprintf(stderr, "orbeta: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    g_running = false;
    SetInstantDelays(instant);
    return ok;
}

} // namespace orbeta
