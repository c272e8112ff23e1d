// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/Sounds.h"

#include "files/Installation.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTimer>

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

using SoundFunction = void (*)(const QString*);

struct SoundState {
    bool enabled = false;
    SoundFunction load = nullptr;
    SoundFunction play = nullptr;
};

SoundState& state()
{
    static SoundState s;
    return s;
}

QString soundPath(const Installation& installation, Sound sound)
{
    return installation.resourcePath(QString::fromLatin1(fileName(sound)));
}

// The sound module lies beside the program (build tree) or in
// the installation's library directory. Without it the program stays silent.
void loadModule()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + QStringLiteral("/" ORBETA_SOUND_MODULE_FROM_BINDIR)}) {
        QLibrary module(dir + QStringLiteral("/orbeta_sound"));
        if (!module.load())
            continue;
        state().load = reinterpret_cast<SoundFunction>(module.resolve("orbeta_sound_load"));
        state().play = reinterpret_cast<SoundFunction>(module.resolve("orbeta_sound_play"));
        if (state().load && state().play)
            return;
        state().load = state().play = nullptr;
    }
}

} // namespace

void Sounds::play(const Installation& installation, Sound sound)
{
    if (state().play) {
        const QString path = soundPath(installation, sound);
        state().play(&path);
    }
}

void Sounds::enable(const Installation& installation)
{
    if (state().enabled || !QCoreApplication::instance())
        return;
    state().enabled = true;
    // Open the audio output and load the files after the window has had a
    // chance to appear, not on the pupil's first hover.
    QTimer::singleShot(200, QCoreApplication::instance(), [installation] {
        loadModule();
        if (!state().load)
            return;
        for (Sound sound : {Sound::Enter, Sound::Click, Sound::Zavazi}) {
            const QString path = soundPath(installation, sound);
            state().load(&path);
        }
    });
}

} // namespace orbeta
