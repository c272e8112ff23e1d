// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/LineCodec.h"

#include "formats/Cp1250.h"

namespace orbeta {

QString LineCodec::decodeLine(const QString& stored)
{
    QString text;
    text.reserve(stored.size() / 4);
    for (qsizetype i = 3; i < stored.size(); i += 4)
        text.append(stored.at(i));
    return text;
}

QString LineCodec::encodeLine(const QString& text, std::uint32_t seed)
{
    static constexpr char16_t kFiller[] =
        u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr std::uint32_t kFillerCount = sizeof(kFiller) / sizeof(kFiller[0]) - 1;
    std::uint32_t state = seed * 2654435761u + 0x9E3779B9u;
    auto next = [&state] {
        // xorshift32: small, fast and the same on every machine
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    QString stored;
    stored.reserve(text.size() * 4);
    for (const QChar c : text) {
        for (int k = 0; k < 3; ++k)
            stored.append(QChar(kFiller[next() % kFillerCount]));
        stored.append(c);
    }
    return stored;
}

QStringList LineCodec::splitFields(const QString& decoded)
{
    return decoded.split(QLatin1Char('#'));
}

QStringList LineCodec::physicalLines(const QByteArray& fileBytes)
{
    return splitLines(Cp1250::decode(fileBytes));
}

QStringList LineCodec::splitLines(const QString& text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

QStringList LineCodec::decodedLines(const QByteArray& fileBytes)
{
    QStringList lines = physicalLines(fileBytes);
    for (QString& line : lines)
        line = decodeLine(line);
    return lines;
}

QByteArray LineCodec::encodeFile(const QStringList& lines, std::uint32_t seed)
{
    QString text;
    std::uint32_t lineSeed = seed;
    for (const QString& line : lines) {
        text += encodeLine(line, lineSeed++);
        text += QStringLiteral("\r\n");
    }
    return Cp1250::encodeLossy(text);
}

} // namespace orbeta
