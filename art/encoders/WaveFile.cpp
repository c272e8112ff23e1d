// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/encoders/WaveFile.h"

#include "art/encoders/LittleEndian.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbeta {

using LittleEndian::put16;
using LittleEndian::put32;

QList<qint16> WaveFile::synthesise(double seconds, const QList<Partial>& partials, double fadeIn, double fadeOut,
                                   double peak)
{
    const int n = int(seconds * kRate);
    QList<double> mix(n, 0.0);
    for (const Partial& p : partials) {
        double phase = 0;
        const int start = int(p.delay * kRate);
        const double end = p.glideTo > 0 ? p.glideTo : p.frequency;
        for (int i = start; i < n; ++i) {
            const double t = double(i - start) / kRate;
            const double span = seconds - p.delay;
            const double f = p.frequency + (end - p.frequency) * std::min(1.0, t / span);
            phase += 2 * std::numbers::pi * f / kRate;
            mix[i] += p.amplitude * std::exp(-p.decayPerSecond * t) * std::sin(phase);
        }
    }
    const int in = std::max(1, int(fadeIn * kRate));
    const int out = std::max(1, int(fadeOut * kRate));
    for (int i = 0; i < n; ++i) {
        double g = 1;
        if (i < in)
            g *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
        if (i >= n - out)
            g *= 0.5 - 0.5 * std::cos(std::numbers::pi * (n - 1 - i) / out);
        mix[i] *= g;
    }
    double top = 1e-9;
    for (double v : mix)
        top = std::max(top, std::abs(v));
    QList<qint16> samples(n);
    for (int i = 0; i < n; ++i)
        samples[i] = qint16(std::lround(mix[i] / top * peak * 32767));
    return samples;
}

QByteArray WaveFile::encode(const QList<qint16>& samples, int rate)
{
    const quint32 dataBytes = quint32(samples.size()) * 2;
    QByteArray out;
    out.append("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, quint32(rate));
    put32(out, quint32(rate) * 2);
    put16(out, 2);
    put16(out, 16);
    out.append("data", 4);
    put32(out, dataBytes);
    for (qint16 s : samples)
        put16(out, quint16(s));
    return out;
}

} // namespace orbeta
