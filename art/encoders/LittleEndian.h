// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtEndian>

namespace orbeta {

// Appending integers in the byte order of the Windows file formats the art
// tool writes (bitmaps, cursors, waves).
namespace LittleEndian {

inline void put8(QByteArray& out, quint8 v)
{
    out.append(char(v));
}

inline void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace LittleEndian

} // namespace orbeta
