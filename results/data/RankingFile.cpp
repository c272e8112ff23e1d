// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/data/RankingFile.h"

#include "files/FileLock.h"
#include "files/ResourcePath.h"
#include "files/SafeFile.h"
#include "results/ranking/RankingFileFormat.h"


namespace orbeta::results {

RankingFile::RankingFile(const QString& dataDir, const QString& taskCode)
    : m_path(ResourcePath::resolve(dataDir, taskCode + QStringLiteral(".res")))
{
}

FileResult<Ranking> RankingFile::read() const
{
    if (SafeFile::isAbsent(m_path))
        return Ranking();
    const FileResult<QByteArray> bytes = SafeFile::read(m_path, FileKind::Ranking);
    if (!bytes)
        return bytes.error();
    return Ranking(RankingFileFormat::parse(bytes.value()));
}

FileOutcome RankingFile::update(Ranking& ranking, const std::function<void(Ranking&)>& change) const
{
    const FileLock lock(m_path);
    if (!lock.isLocked()) {
        change(ranking);
        return {lock.error(), lock.isBusy()};
    }
    FileResult<Ranking> stored = read();
    if (!stored) {
        change(ranking);
        return {stored.error().message()};
    }
    ranking = std::move(stored.value());
    change(ranking);
    return write(ranking);
}

FileOutcome RankingFile::write(const Ranking& ranking) const
{
    return SafeFile::write(m_path, RankingFileFormat::serialise(ranking.records()));
}

} // namespace orbeta::results
