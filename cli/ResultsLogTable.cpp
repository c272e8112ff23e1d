#include "cli/ResultsLogTable.h"

#include <QStringList>

namespace orbeta::cli {
namespace {

QStringList fields(const results::ResultsLogEntry& e)
{
    return {e.name,
            e.date.toString(Qt::ISODate),
            e.time.toString(QStringLiteral("hh:mm")),
            e.topic,
            e.taskTitle,
            QString::number(e.exampleCount),
            QString::number(e.correct),
            QString::number(e.wrong),
            e.mark};
}

QString csvField(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quoted)
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A tab or line break inside a field would shift the columns.
QString tabField(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

QByteArray ResultsLogTable::csv(const QList<results::ResultsLogEntry>& entries)
{
    QString out = QStringLiteral("Meno,Dátum,Čas,Hra,Typ úlohy,Počet príkladov,Správne,Nesprávne,Známka\r\n");
    for (const results::ResultsLogEntry& e : entries) {
        QStringList row;
        for (const QString& field : fields(e))
            row.append(csvField(field));
        out += row.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return out.toUtf8();
}

QByteArray ResultsLogTable::tabs(const QList<results::ResultsLogEntry>& entries)
{
    QString out;
    for (const results::ResultsLogEntry& e : entries) {
        QStringList row;
        for (const QString& field : fields(e))
            row.append(tabField(field));
        out += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

} // namespace orbeta::cli
