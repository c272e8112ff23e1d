// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/Cp1250.h"

#include <QHash>
#include <QStringDecoder>

namespace orbeta {
namespace {

// Unicode character -> byte, built once by decoding every byte of the code page.
const QHash<char16_t, char>& byteOf()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const QString c = decoder.decode(QByteArray(1, char(b)));
            if (c.size() == 1 && c.at(0) != QChar::ReplacementCharacter)
                t.insert(c.at(0).unicode(), char(b));
        }
        return t;
    }();
    return table;
}

} // namespace

QString Cp1250::decode(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1250");
    QString text = decoder.decode(bytes);
    return text;
}

bool Cp1250::canEncode(QChar c)
{
    return byteOf().contains(c.unicode());
}

std::optional<QByteArray> Cp1250::encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const auto& table = byteOf();
    for (const QChar c : text) {
        const auto it = table.constFind(c.unicode());
        if (it == table.constEnd())
            return std::nullopt;
        bytes.append(*it);
    }
    return bytes;
}

QByteArray Cp1250::encodeLossy(const QString& text, char replacement)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const auto& table = byteOf();
    for (const QChar c : text)
        bytes.append(table.value(c.unicode(), replacement));
    return bytes;
}

} // namespace orbeta
