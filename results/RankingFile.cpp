#include "results/RankingFile.h"

#include "shell/ResourcePath.h"
#include "results/RankingFileFormat.h"

#include <QFile>
#include <QSaveFile>

namespace orbeta::results {

RankingFile::RankingFile(const QString& dataDir, const QString& taskCode)
    : m_path(ResourcePath::resolve(dataDir, taskCode + QStringLiteral(".res")))
{
}

FileResult<Ranking> RankingFile::read() const
{
    QFile file(m_path);
    if (!file.exists())
        return Ranking();
    if (!file.open(QIODevice::ReadOnly))
        return FileError{m_path, 0, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileError{m_path, 0, file.errorString()};
    return Ranking(RankingFileFormat::parse(bytes));
}

FileOutcome RankingFile::write(const Ranking& ranking) const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return {QStringLiteral("%1: %2").arg(m_path, file.errorString())};
    const QByteArray bytes = RankingFileFormat::serialise(ranking.records());
    // Flushed here: commit() would replace the old file even when the final
    // flush of its buffer fell short (a full disk), leaving a cut-off ranking.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {QStringLiteral("%1: %2").arg(m_path, error)};
    }
    if (!file.commit())
        return {QStringLiteral("%1: %2").arg(m_path, file.errorString())};
    return {};
}

} // namespace orbeta::results
