// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace orbeta::cli {

// A command's standard output, every write checked: a full disk or
// /dev/full must end in exit status 1 with a message, never in 0.
class StandardOutput {
public:
    void write(std::string_view bytes);
    void write(const QByteArray& bytes) { write(std::string_view(bytes.constData(), std::size_t(bytes.size()))); }
    void write(const QString& text) { write(text.toUtf8()); }
    // One line of many (JSON Lines): gathered and written in blocks of about 64 KiB.
    void writeLine(std::string_view line);
    void writeLine(const QByteArray& line) { writeLine(std::string_view(line.constData(), std::size_t(line.size()))); }

    // Flushes; Ok, or BadFile after a message saying why.
    int finish();

private:
    void writeGathered();
    void put(std::string_view bytes);

    int m_error = 0;
    std::string m_lines;
};

} // namespace orbeta::cli
