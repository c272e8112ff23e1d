#include "results/ResultsLog.h"

#include "shell/ResourcePath.h"

#include <QFile>

namespace orbeta::results {

ResultsLog::ResultsLog(const QString& dataDir)
    : m_path(ResourcePath::resolve(dataDir, QLatin1String(fileName)))
{
}

FileOutcome ResultsLog::append(const ResultsLogEntry& entry) const
{
    QFile file(m_path);
    // Unbuffered, so that nothing is left to be written after a failure.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return {QStringLiteral("%1: %2").arg(m_path, file.errorString())};
    const qint64 oldSize = file.size();
    const QByteArray bytes = entry.toBytes();
    if (file.write(bytes) == bytes.size())
        return {};
    const QString error = QStringLiteral("%1: %2").arg(m_path, file.errorString());
    file.resize(oldSize);
    return {error};
}

} // namespace orbeta::results
