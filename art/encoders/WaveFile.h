// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>

namespace orbeta {

// Mono 16-bit PCM wave files and the few synthesis steps the program's
// sounds are made of.
class WaveFile {
public:
    static constexpr int kRate = 44100;

    // One decaying sine partial; the frequency glides linearly to glideTo.
    struct Partial {
        double frequency;
        double amplitude;
        double decayPerSecond; // e-folding rate of the envelope
        double glideTo = 0;    // 0: no glide
        double delay = 0;      // seconds before it starts
    };

    // The sum of the partials over the duration, with a raised-cosine fade in
    // and fade out so that neither end clicks; peak normalised to peak.
    static QList<qint16> synthesise(double seconds, const QList<Partial>& partials, double fadeIn = 0.004,
                                    double fadeOut = 0.02, double peak = 0.6);
    static QByteArray encode(const QList<qint16>& samples, int rate = kRate);
};

} // namespace orbeta
