// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/log/ResultsLogFormat.h"

#include "formats/Cp1250.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

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

// A torn write can leave NUL bytes and an editor tabs: a control character
// in a text is a blank, for every reader alike.
QString blanked(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text.trimmed();
}

// What no series can have written: more examples than a series holds, more
// right or wrong answers than examples, a mark the mark table cannot give.
QString impossibleCounts(const ResultsLogEntry& e)
{
    const int most = ResultsLogFormat::kMostExamples;
    if (e.exampleCount > most || e.correct > most || e.wrong > most)
        return QStringLiteral("nemožný počet (Počet príkladov: %1, Správne: %2, Nesprávne: %3).")
            .arg(e.exampleCount)
            .arg(e.correct)
            .arg(e.wrong);
    if (e.correct > e.exampleCount)
        return QStringLiteral("nemožný záznam: Správne: %1 z %2 príkladov.").arg(e.correct).arg(e.exampleCount);
    if (!e.mark.isEmpty() && !(e.mark.size() == 1 && e.mark.front() >= u'1' && e.mark.front() <= u'5'))
        return QStringLiteral("nemožná známka „%1“ (známka je 1 až 5 alebo žiadna).").arg(e.mark);
    return {};
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
            if (m_part == 3) {
                m_entry.line = m_start;
                contents.entries.append(m_entry);
            }
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
            m_entry.name = blanked(m.captured(1));
            m_entry.date = QDate(m.captured(4).toInt(), m.captured(3).toInt(), m.captured(2).toInt());
            m_entry.time = QTime(m.captured(5).toInt(), m.captured(6).toInt());
            if (!m_entry.date.isValid() || !m_entry.time.isValid())
                return QStringLiteral("neplatný dátum alebo čas.");
            if (m_entry.date.year() < ResultsLogFormat::kFirstYear)
                return QStringLiteral("nemožný dátum %1.%2.%3.").arg(m.captured(2), m.captured(3), m.captured(4));
            return {};
        }
        case 1: {
            const auto m = taskLine().match(line);
            if (!m.hasMatch())
                return expected(QStringLiteral("Hra: … Typ úlohy: …"));
            m_entry.topic = blanked(m.captured(1));
            m_entry.taskTitle = blanked(m.captured(2));
            return {};
        }
        case 2: {
            const auto m = countLine().match(line);
            if (!m.hasMatch())
                return expected(QStringLiteral("Počet príkladov: … Správne: … Nesprávne: … Známka: …"));
            m_entry.exampleCount = m.captured(1).toInt();
            m_entry.correct = m.captured(2).toInt();
            m_entry.wrong = m.captured(3).toInt();
            m_entry.mark = blanked(m.captured(4));
            return impossibleCounts(m_entry);
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

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate.
bool isUtf8(const char* text, qsizetype size)
{
    return QByteArrayView(text, size).isValidUtf8();
}

// windows-1250 by a table of its 256 characters, or UTF-8 for a line an
// editor saved so (which windows-1250 text with Slovak letters never is).
class LineDecoder {
public:
    int utf8Lines = 0;

    QString decode(const char* bytes, qsizetype size)
    {
        bool ascii = true;
        for (qsizetype i = 0; i < size && ascii; ++i)
            ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
        if (ascii)
            return QString::fromLatin1(bytes, size);
        if (size >= 3 && bytes[0] == '\xEF' && bytes[1] == '\xBB' && bytes[2] == '\xBF') {
            bytes += 3;
            size -= 3;
        }
        if (isUtf8(bytes, size)) {
            ++utf8Lines;
            return QString::fromUtf8(bytes, size);
        }
        static const std::array<QChar, 256> table = [] {
            std::array<QChar, 256> t;
            for (int b = 0; b < 256; ++b) {
                const QString c = Cp1250::decode(QByteArray(1, char(b)));
                t[std::size_t(b)] = c.size() == 1 ? c.front() : QChar(QChar::ReplacementCharacter);
            }
            return t;
        }();
        QString text(size, Qt::Uninitialized);
        QChar* out = text.data();
        for (qsizetype i = 0; i < size; ++i)
            out[i] = table[static_cast<unsigned char>(bytes[i])];
        return text;
    }
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
    Reader reader;
    LineDecoder decoder;
    int number = 0;
    const char* const bytes = fileBytes.constData();
    const qsizetype size = fileBytes.size();
    qsizetype start = 0;
    // A line ends at CR LF, LF or a lone CR (a log saved on another system).
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        reader.read(decoder.decode(bytes + start, end - start), ++number);
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    reader.finish(number);
    reader.contents.utf8Lines = decoder.utf8Lines;
    return reader.contents;
}

bool ResultsLogFormat::storedInUtf8(const QByteArray& start)
{
    if (start.startsWith("\xEF\xBB\xBF"))
        return true;
    // Every record's first line holds a letter beyond ASCII ("Dátum"): the
    // first such line says how the file is stored.
    qsizetype from = 0;
    while (from < start.size()) {
        qsizetype end = from;
        bool beyondAscii = false;
        while (end < start.size() && start[end] != '\n' && start[end] != '\r')
            beyondAscii |= (static_cast<unsigned char>(start[end++]) >= 0x80);
        if (beyondAscii)
            return end < start.size() && isUtf8(start.constData() + from, end - from);
        from = end + 1;
    }
    return false;
}

} // namespace orbeta::results
