// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/Tour.h"

#include "files/SafeFile.h"
#include "screen/ScreenHost.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace orbeta {

void Tour::add(const QString& formName, const QString& state, Prepare prepare)
{
    m_steps.push_back({formName + QLatin1Char('-') + state + QStringLiteral(".png"), std::move(prepare), {}});
}

void Tour::addPicture(const QString& formName, const QString& state, Draw draw)
{
    m_steps.push_back({formName + QLatin1Char('-') + state + QStringLiteral(".png"), [](ScreenHost&) {},
                       std::move(draw)});
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
    const auto stop = [](const QString& why) {
        std::fprintf(stderr, "orbeta: %s\n", qPrintable(why));
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
    };
    if (!QDir().mkpath(directory))
        return stop(QStringLiteral("cannot create %1: %2").arg(directory, QString::fromLocal8Bit(std::strerror(errno))));
    // The screens that show the data directory fill one of their own under
    // TMPDIR; Qt puts it at the root when TMPDIR does not exist.
    const QTemporaryDir probe;
    if (QDir::tempPath().isEmpty() || !probe.isValid())
        return stop(QStringLiteral("cannot create a temporary directory in \"%1\" (TMPDIR): %2")
                        .arg(qEnvironmentVariable("TMPDIR"), probe.isValid() ? QStringLiteral("it does not exist")
                                                                           : probe.errorString()));
    auto next = std::make_shared<std::size_t>(0);
    auto turn = std::make_shared<std::function<void()>>();
    // Each turn captures the state prepared in the previous one and prepares
    // the next; the timer holds the turn, the turn only knows itself weakly.
    *turn = [this, &host, directory, next, self = std::weak_ptr(turn)] {
        if (*next > 0) {
            const Step& step = m_steps[*next - 1];
            const QString path = QDir(directory).filePath(step.fileName);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            const QImage picture = step.draw ? step.draw() : host.grabStage();
            if (picture.isNull()) {
                std::fprintf(stderr, "orbeta: cannot draw %s\n", qPrintable(step.fileName));
                QCoreApplication::exit(1);
                return;
            }
            picture.save(&buffer, "PNG");
            const FileOutcome written = SafeFile::write(path, png);
            if (!written.ok()) {
                std::fprintf(stderr, "orbeta: cannot write %s\n", qPrintable(written.error));
                QCoreApplication::exit(1);
                return;
            }
        }
        if (*next == m_steps.size()) {
            QCoreApplication::exit(0);
            return;
        }
        m_steps[(*next)++].prepare(host);
        QTimer::singleShot(0, &host, [turn = self.lock()] { (*turn)(); });
    };
    QTimer::singleShot(0, &host, [turn] { (*turn)(); });
}

} // namespace orbeta
