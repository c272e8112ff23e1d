// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/PdfText.h"

#include "tests/support/FileBytes.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace orbeta::test_support {
namespace {

QString run(const QString& tool, const QStringList& args)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool pdfToolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString pdfText(const QString& path, bool layout)
{
    QStringList args{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (layout)
        args.append(QStringLiteral("-layout"));
    return run(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
}

QString pdfTextOf(const QByteArray& pdf, bool layout)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.pdf"));
    return writeBytes(path, pdf) ? pdfText(path, layout) : QString();
}

QList<QList<PdfWord>> pdfWordsOf(const QByteArray& pdf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.pdf"));
    if (!writeBytes(path, pdf))
        return {};
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<QList<PdfWord>> pages;
    auto it = tag.globalMatch(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(1).isEmpty()) {
            pages.append(QList<PdfWord>());
        } else if (!pages.isEmpty()) {
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            pages.last().append({m.captured(5), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

int pdfPages(const QString& path)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(run(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
}

} // namespace orbeta::test_support
