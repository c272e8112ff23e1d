#include "results/ResultsLog.h"

#include "shell/ResourcePath.h"
#include "shell/FileLock.h"
#include "shell/SafeFile.h"


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
    return SafeFile::append(m_path, entry.toBytes());
}

} // namespace orbeta::results
