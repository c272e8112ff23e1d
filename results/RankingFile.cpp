#include "results/RankingFile.h"

#include "shell/ResourcePath.h"
#include "results/RankingFileFormat.h"
#include "shell/SafeFile.h"

#include <QFile>

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
    return SafeFile::write(m_path, RankingFileFormat::serialise(ranking.records()));
}

} // namespace orbeta::results
