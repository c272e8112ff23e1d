// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The audio side of Sounds, built as a module of its own: the program loads
// it (and with it the multimedia and audio libraries) only after its first
// window is on the screen, so sound costs nothing at start-up.
#include <QObject>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

namespace {

// One effect a file, a child of the player named by its path.
QSoundEffect* effectFor(QObject* player, const QString& path)
{
    if (auto* effect = player->findChild<QSoundEffect*>(path, Qt::FindDirectChildrenOnly))
        return effect;
    auto* effect = new QSoundEffect(player);
    effect->setObjectName(path);
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

} // namespace

// A new player; the caller owns it, and its sounds go with it.
extern "C" Q_DECL_EXPORT QObject* orbeta_sound_player()
{
    return new QObject;
}

extern "C" Q_DECL_EXPORT void orbeta_sound_load(QObject* player, const QString* path)
{
    effectFor(player, *path);
}

extern "C" Q_DECL_EXPORT void orbeta_sound_play(QObject* player, const QString* path)
{
    effectFor(player, *path)->play();
}
