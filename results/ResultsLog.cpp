// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsLog.h"

#include "files/FileLock.h"
#include "files/ResourcePath.h"
#include "files/SafeFile.h"


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
    return SafeFile::append(m_path, entry.toBytes(), AppendAt::NewLine);
}

FileResult<ResultsLogContents> ResultsLog::read() const
{
    if (SafeFile::isAbsent(m_path))
        return ResultsLogContents{};
    const FileResult<QByteArray> bytes = SafeFile::read(m_path, FileKind::ResultsLog);
    if (!bytes)
        return bytes.error();
    ResultsLogContents contents = ResultsLogFormat::parse(bytes.value());
    if (contents.entries.isEmpty() && !contents.skipped.isEmpty())
        return FileError{m_path, 0, QStringLiteral("nie je výsledkový záznam: ani jeden záznam sa nedá prečítať.")};
    return contents;
}

} // namespace orbeta::results
