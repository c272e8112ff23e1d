#include "shell/Sounds.h"

#include "shell/Resources.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace orbeta {

namespace {

constexpr int SoundCount = 3;

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

struct SoundState {
    bool enabled = false;
    std::array<int, SoundCount> requests{};
    std::array<QPointer<QSoundEffect>, SoundCount> effects;
};

SoundState& state()
{
    static SoundState s;
    return s;
}

QSoundEffect* effect(Sound sound)
{
    auto& slot = state().effects.at(static_cast<int>(sound));
    if (!slot) {
        slot = new QSoundEffect(QCoreApplication::instance());
        slot->setSource(QUrl::fromLocalFile(Resources::resourcePath(QString::fromLatin1(fileName(sound)))));
    }
    return slot;
}

} // namespace

void Sounds::play(Sound sound)
{
    ++state().requests.at(static_cast<int>(sound));
    if (state().enabled)
        effect(sound)->play();
}

void Sounds::enable()
{
    if (state().enabled || !QCoreApplication::instance())
        return;
    state().enabled = true;
    // Open the audio output and load the files after the window has had a
    // chance to appear, not on the pupil's first hover.
    QTimer::singleShot(200, QCoreApplication::instance(), [] {
        for (Sound sound : {Sound::Enter, Sound::Click, Sound::Zavazi})
            effect(sound);
    });
}

int Sounds::requestCount(Sound sound)
{
    return state().requests.at(static_cast<int>(sound));
}

void Sounds::resetCounts()
{
    state().requests.fill(0);
}

} // namespace orbeta
