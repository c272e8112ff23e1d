#include "results/RankingFile.h"

#include "shell/ResourcePath.h"
#include "results/RankingFileFormat.h"

#include <QFile>
#include <QSaveFile>

namespace orbeta::results {

RankingFile::RankingFile(const QString& dataDir, const QString& taskCode)
    : path_(ResourcePath::resolve(dataDir, taskCode + QStringLiteral(".res")))
{
}

FileResult<Ranking> RankingFile::read() const
{
    QFile file(path_);
    if (!file.exists())
        return Ranking();
    if (!file.open(QIODevice::ReadOnly))
        return FileError{path_, 0, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileError{path_, 0, file.errorString()};
    return Ranking(RankingFileFormat::parse(bytes));
}

FileOutcome RankingFile::write(const Ranking& ranking) const
{
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return {QStringLiteral("%1: %2").arg(path_, file.errorString())};
    const QByteArray bytes = RankingFileFormat::serialise(ranking.records());
    // Flushed here: commit() would replace the old file even when the final
    // flush of its buffer fell short (a full disk), leaving a cut-off ranking.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {QStringLiteral("%1: %2").arg(path_, error)};
    }
    if (!file.commit())
        return {QStringLiteral("%1: %2").arg(path_, file.errorString())};
    return {};
}

} // namespace orbeta::results
