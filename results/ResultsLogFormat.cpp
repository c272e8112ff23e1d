#include "results/ResultsLogFormat.h"

#include "shell/Cp1250.h"

#include <QRegularExpression>

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

} // namespace

FileResult<QList<ResultsLogEntry>> ResultsLogFormat::parse(const QByteArray& fileBytes, const QString& path)
{
    QList<QByteArray> lines = fileBytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();

    QList<ResultsLogEntry> entries;
    ResultsLogEntry entry;
    int part = 0; // which of the four lines comes next
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray bytes = lines.at(i);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const QString line = Cp1250::decode(bytes);
        const int number = int(i + 1);
        if (part == 0 && line.trimmed().isEmpty())
            continue;
        const auto broken = [&](const char* expected) {
            return FileError{path, number, QStringLiteral("očakáva sa riadok „%1“.").arg(QLatin1String(expected))};
        };
        switch (part) {
        case 0: {
            const auto m = nameLine().match(line);
            if (!m.hasMatch())
                return broken("Meno: … Dátum: … Čas: …");
            entry = ResultsLogEntry{};
            entry.name = m.captured(1).trimmed();
            entry.date = QDate(m.captured(4).toInt(), m.captured(3).toInt(), m.captured(2).toInt());
            entry.time = QTime(m.captured(5).toInt(), m.captured(6).toInt());
            if (!entry.date.isValid() || !entry.time.isValid())
                return FileError{path, number, QStringLiteral("neplatný dátum alebo čas.")};
            break;
        }
        case 1: {
            const auto m = taskLine().match(line);
            if (!m.hasMatch())
                return broken("Hra: … Typ úlohy: …");
            entry.topic = m.captured(1).trimmed();
            entry.taskTitle = m.captured(2).trimmed();
            break;
        }
        case 2: {
            const auto m = countLine().match(line);
            if (!m.hasMatch())
                return broken("Počet príkladov: … Správne: … Nesprávne: … Známka: …");
            entry.exampleCount = m.captured(1).toInt();
            entry.correct = m.captured(2).toInt();
            entry.wrong = m.captured(3).toInt();
            entry.mark = m.captured(4).trimmed();
            break;
        }
        case 3:
            if (!ruleLine().match(line).hasMatch())
                return broken("=====");
            entries.append(entry);
            break;
        }
        part = (part + 1) % 4;
    }
    if (part != 0)
        return FileError{path, int(lines.size()), QStringLiteral("posledný záznam je neúplný.")};
    return entries;
}

} // namespace orbeta::results
