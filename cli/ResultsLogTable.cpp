// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// A tab or line break inside a field would shift the columns.
QString tabField(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

QString ResultsLogTable::csvField(QString text, QChar separator)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(separator) || text.contains(QLatin1Char('"'))
                        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quoted)
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

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

QByteArray ResultsLogTable::reportCsv(const results::ClassReport& report, QChar separator)
{
    QString out = QStringLiteral("\uFEFF");
    const auto addRow = [&out, separator](const QStringList& fields) {
        QStringList row;
        for (const QString& field : fields)
            row.append(csvField(field, separator));
        out += row.join(separator) + QLatin1String("\r\n");
    };
    addRow({QStringLiteral("Meno"), QStringLiteral("Úloha"), QStringLiteral("Typ úlohy"), QStringLiteral("Série"),
            QStringLiteral("Posledná známka"), QStringLiteral("Správne %"), QStringLiteral("Správne"),
            QStringLiteral("Odpovede")});
    for (const results::PupilReport& pupil : report.pupils) {
        if (report.tasks.isEmpty())
            addRow({pupil.name, {}, {}, QStringLiteral("0"), {}, {}, {}, {}});
        for (qsizetype t = 0; t < report.tasks.size(); ++t) {
            const results::ReportCell& cell = pupil.tasks.at(t);
            const bool any = cell.share.any();
            addRow({pupil.name, TaskTable::code(*report.tasks[t]), TaskTable::shownTitle(*report.tasks[t]),
                    QString::number(cell.series), cell.lastMark > 0 ? QString::number(cell.lastMark) : QString(),
                    any ? QString::number(cell.share.percent()) : QString(),
                    cell.series > 0 ? QString::number(cell.share.correct) : QString(),
                    cell.series > 0 ? QString::number(cell.share.answered) : QString()});
        }
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
