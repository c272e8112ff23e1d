// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The audio side of Sounds, built as a module of its own: the program loads
// it (and with it the multimedia and audio libraries) only after its first
// window is on the screen, so sound costs nothing at start-up.
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

namespace {

QSoundEffect* effectFor(const QString& path)
{
    static QHash<QString, QPointer<QSoundEffect>> effects;
    QPointer<QSoundEffect>& slot = effects[path];
    if (!slot) {
        slot = new QSoundEffect(QCoreApplication::instance());
        slot->setSource(QUrl::fromLocalFile(path));
    }
    return slot;
}

} // namespace

extern "C" Q_DECL_EXPORT void orbeta_sound_load(const QString* path)
{
    effectFor(*path);
}

extern "C" Q_DECL_EXPORT void orbeta_sound_play(const QString* path)
{
    effectFor(*path)->play();
}
