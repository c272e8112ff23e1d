// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/data/ResultsLog.h"

#include "files/FileLock.h"
#include "files/ResourcePath.h"
#include "files/SafeFile.h"

#include <QFileInfo>

namespace orbeta::results {

ResultsLog::ResultsLog(const QString& dataDir)
    : m_path(ResourcePath::resolve(dataDir, QLatin1String(fileName)))
{
}

FileOutcome ResultsLog::append(const ResultsLogEntry& entry) const
{
    const FileLock lock(m_path);
    if (!lock.isLocked())
        return {lock.error(), lock.isBusy()};
    const FileResult<QByteArray> start = SafeFile::readStart(m_path, 64 * 1024);
    const bool utf8 = start && ResultsLogFormat::storedInUtf8(start.value());
    return SafeFile::append(m_path, entry.toBytes(utf8), AppendAt::NewLine);
}

FileResult<ResultsLogContents> ResultsLog::read() const
{
    if (SafeFile::isAbsent(m_path))
        return ResultsLogContents{};
    const FileResult<QByteArray> bytes = SafeFile::read(m_path, FileKind::ResultsLog);
    if (!bytes && QFileInfo(m_path).size() > SafeFile::sizeLimit(FileKind::ResultsLog))
        return FileError{m_path, 0,
                         bytes.error().problem
                             + QStringLiteral(" Presuňte ho do archívu a na jeho miesto dajte prázdny súbor %1.")
                                   .arg(QLatin1String(fileName))};
    if (!bytes)
        return bytes.error();
    ResultsLogContents contents = ResultsLogFormat::parse(bytes.value());
    if (contents.entries.isEmpty() && !contents.skipped.isEmpty())
        return FileError{m_path, 0, QStringLiteral("nie je výsledkový záznam: ani jeden záznam sa nedá prečítať.")};
    return contents;
}

qint64 ResultsLog::warningSize()
{
    return SafeFile::sizeLimit(FileKind::ResultsLog) / 4 * 3;
}

QString ResultsLog::sizeWarning() const
{
    const qint64 size = QFileInfo(m_path).size();
    if (size < warningSize())
        return {};
    constexpr qint64 kMegabyte = 1024 * 1024;
    return QStringLiteral("Súbor %1 má %2 MB; nad %3 MB sa už nebude dať prečítať (výsledky, prehľad triedy). "
                          "Presuňte ho do archívu a na jeho miesto dajte prázdny súbor %4.")
        .arg(m_path)
        .arg(size / kMegabyte)
        .arg(SafeFile::sizeLimit(FileKind::ResultsLog) / kMegabyte)
        .arg(QLatin1String(fileName));
}

} // namespace orbeta::results
