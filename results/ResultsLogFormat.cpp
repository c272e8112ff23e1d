// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsLogFormat.h"

#include "formats/Cp1250.h"

#include <QRegularExpression>

#include <algorithm>

namespace orbeta::results {
namespace {

// A name is written whole and may itself hold the words after it, so the
// greedy name takes everything up to the last "Dátum:".
const QRegularExpression& nameLine()
{
    static const QRegularExpression re(QStringLiteral(
        "^Meno: (.*)\\s+Dátum: *(\\d{1,2})\\.(\\d{1,2})\\.(\\d{1,4})\\s+Čas: *(\\d{1,2}):(\\d{2})\\s*$"));
    return re;
}

const QRegularExpression& taskLine()
{
    static const QRegularExpression re(QStringLiteral("^Hra: (.*?) Typ úlohy: (.*)$"));
    return re;
}

const QRegularExpression& countLine()
{
    static const QRegularExpression re(QStringLiteral(
        "^Počet príkladov: *(\\d{1,9}) +Správne: *(\\d{1,9}) +Nesprávne: *(\\d{1,9}) +Známka: *(.*)$"));
    return re;
}

const QRegularExpression& ruleLine()
{
    static const QRegularExpression re(QStringLiteral("^=+\\s*$"));
    return re;
}

QString expected(const QString& line)
{
    return QStringLiteral("očakáva sa riadok „%1“.").arg(line);
}

// Reads one line after another; a line that does not fit ends the record
// begun, and what follows is skipped up to the next line that starts one.
class Reader {
public:
    ResultsLogContents contents;

    void read(QStringView line, int number)
    {
        if (m_part == 0 && line.trimmed().isEmpty())
            return;
        if (m_skipping) {
            if (!nameLine().match(line).hasMatch()) {
                contents.skipped.back().last = number;
                return;
            }
            m_skipping = false;
        }
        const QString problem = readPart(line);
        if (problem.isEmpty()) {
            if (m_part == 0)
                m_start = number;
            if (m_part == 3)
                contents.entries.append(m_entry);
            m_part = (m_part + 1) % 4;
            return;
        }
        // A record cut short, followed straight by the next one.
        if (m_part != 0 && nameLine().match(line).hasMatch()) {
            contents.skipped.append({m_start, number - 1, number - 1, QStringLiteral("záznam je neúplný.")});
            m_part = 0;
            read(line, number);
            return;
        }
        contents.skipped.append({m_part == 0 ? number : m_start, number, number, problem});
        m_part = 0;
        m_skipping = true;
    }

    void finish(int lastLine)
    {
        if (m_part != 0)
            contents.skipped.append({m_start, lastLine, lastLine, QStringLiteral("záznam je neúplný.")});
        m_part = 0;
    }

private:
    // Takes the line as part m_part of the record; the problem, or empty.
    QString readPart(QStringView line)
    {
        switch (m_part) {
        case 0: {
            const auto m = nameLine().match(line);
            if (!m.hasMatch())
                return expected(QStringLiteral("Meno: … Dátum: … Čas: …"));
            m_entry = ResultsLogEntry{};
            m_entry.name = m.captured(1).trimmed();
            m_entry.date = QDate(m.captured(4).toInt(), m.captured(3).toInt(), m.captured(2).toInt());
            m_entry.time = QTime(m.captured(5).toInt(), m.captured(6).toInt());
            if (!m_entry.date.isValid() || !m_entry.time.isValid())
                return QStringLiteral("neplatný dátum alebo čas.");
            return {};
        }
        case 1: {
            const auto m = taskLine().match(line);
            if (!m.hasMatch())
                return expected(QStringLiteral("Hra: … Typ úlohy: …"));
            m_entry.topic = m.captured(1).trimmed();
            m_entry.taskTitle = m.captured(2).trimmed();
            return {};
        }
        case 2: {
            const auto m = countLine().match(line);
            if (!m.hasMatch())
                return expected(QStringLiteral("Počet príkladov: … Správne: … Nesprávne: … Známka: …"));
            m_entry.exampleCount = m.captured(1).toInt();
            m_entry.correct = m.captured(2).toInt();
            m_entry.wrong = m.captured(3).toInt();
            m_entry.mark = m.captured(4).trimmed();
            return {};
        }
        default:
            return ruleLine().match(line).hasMatch() ? QString() : expected(QStringLiteral("====="));
        }
    }

    ResultsLogEntry m_entry;
    int m_part = 0;  // which of the four lines comes next
    int m_start = 0; // the line the record being read began on
    bool m_skipping = false;
};

} // namespace

FileError SkippedLines::error(const QString& path) const
{
    const QString skipped = first == last ? QStringLiteral("Vynechaný riadok %1.") : QStringLiteral("Vynechané riadky %1.");
    return FileError{path, wrongLine, problem + QLatin1Char(' ') + skipped.arg(range())};
}

QString SkippedLines::range() const
{
    return first == last ? QString::number(first) : QStringLiteral("%1–%2").arg(first).arg(last);
}

ResultsLogContents ResultsLogFormat::parse(const QByteArray& fileBytes)
{
    // Decoded a piece of whole lines at a time: one decoder for many lines,
    // and never the whole log twice in memory.
    constexpr qsizetype kPiece = 1 << 20;
    Reader reader;
    int number = 0;
    qsizetype start = 0;
    while (start < fileBytes.size()) {
        qsizetype end = fileBytes.indexOf('\n', std::min(start + kPiece, fileBytes.size() - 1));
        end = end < 0 ? fileBytes.size() : end + 1;
        const QString piece = Cp1250::decode(fileBytes.sliced(start, end - start));
        for (qsizetype from = 0; from < piece.size();) {
            qsizetype to = piece.indexOf(QLatin1Char('\n'), from);
            if (to < 0)
                to = piece.size();
            QStringView line = QStringView(piece).sliced(from, to - from);
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            reader.read(line, ++number);
            from = to + 1;
        }
        start = end;
    }
    reader.finish(number);
    return reader.contents;
}

} // namespace orbeta::results
