// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/Sounds.h"

#include "files/Installation.h"

#include <QCoreApplication>
#include <QLibrary>

namespace orbeta {

namespace {

const char* fileName(Sound sound)
{
    switch (sound) {
    case Sound::Enter:
        return "Sound\\enter.wav";
    case Sound::Click:
        return "Sound\\click.wav";
    case Sound::Zavazi:
        return "Sound\\zavazi.wav";
    }
    return "";
}

QString soundPath(const Installation& installation, Sound sound)
{
    return installation.resourcePath(QString::fromLatin1(fileName(sound)));
}

} // namespace

// The sound module lies beside the program (build tree) or in
// the installation's library directory. Without it the program stays silent.
void Sounds::loadModule()
{
    using PlayerFunction = QObject* (*)();
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + QStringLiteral("/" ORBETA_SOUND_MODULE_FROM_BINDIR)}) {
        QLibrary module(dir + QStringLiteral("/orbeta_sound"));
        if (!module.load())
            continue;
        const auto player = reinterpret_cast<PlayerFunction>(module.resolve("orbeta_sound_player"));
        m_load = reinterpret_cast<LoadFunction>(module.resolve("orbeta_sound_load"));
        m_play = reinterpret_cast<LoadFunction>(module.resolve("orbeta_sound_play"));
        if (player && m_load && m_play) {
            m_player.reset(player());
            return;
        }
        m_load = m_play = nullptr;
    }
}

void Sounds::play(const Installation& installation, Sound sound)
{
    if (m_player) {
        const QString path = soundPath(installation, sound);
        m_play(m_player.get(), &path);
    }
}

void Sounds::enable(const Installation& installation)
{
    if (m_enabled || !QCoreApplication::instance())
        return;
    m_enabled = true;
    // Open the audio output and load the files after the window has had a
    // chance to appear, not on the pupil's first hover.
    m_loadTimer.setSingleShot(true);
    m_loadTimer.callOnTimeout([this, installation] {
        loadModule();
        if (!m_player)
            return;
        for (Sound sound : {Sound::Enter, Sound::Click, Sound::Zavazi}) {
            const QString path = soundPath(installation, sound);
            m_load(m_player.get(), &path);
        }
    });
    m_loadTimer.start(200);
}

} // namespace orbeta
