// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <optional>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbeta {
namespace {

// The system's reasons a teacher meets, in Slovak; any other as the system gives it.
QString systemError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QStringLiteral("prístup zamietnutý");
    case ENOSPC: return QStringLiteral("na disku nie je miesto");
    case EDQUOT: return QStringLiteral("prekročená kvóta na disku");
    case EROFS: return QStringLiteral("disk je len na čítanie");
    case ENOENT: return QStringLiteral("priečinok neexistuje");
    case ENOTDIR: return QStringLiteral("časť cesty nie je priečinok");
    case EISDIR: return QStringLiteral("je to priečinok");
    case ENAMETOOLONG: return QStringLiteral("meno je príliš dlhé");
    case EFBIG: return QStringLiteral("súbor by bol príliš veľký");
    case EIO: return QStringLiteral("chyba disku pri čítaní alebo zápise");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

FileError readError(const QString& path, int error)
{
    if (error == ENOENT)
        return FileError{path, 0, QStringLiteral("chýba.")};
    return FileError{path, 0, QStringLiteral("nedá sa čítať (%1).").arg(systemError(error))};
}

FileError tooLarge(const QString& path, FileKind kind)
{
    return FileError{path, 0, QStringLiteral("je väčší ako %1 bajtov.").arg(SafeFile::sizeLimit(kind))};
}

FileOutcome writeFailure(const QString& path, const QString& reason)
{
    return {QStringLiteral("%1: %2").arg(path, reason)};
}

FileOutcome notRegular(const QString& path)
{
    return writeFailure(path, QStringLiteral("nie je obyčajný súbor (je to odkaz, priečinok alebo zariadenie), "
                                             "preto sa doň nezapisuje."));
}

// Closes a descriptor when leaving the scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    // Closes now and reports the error that close() found (a full network share may tell only here).
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// The temporary name of a write: the target's name, a dot, a random number
// in base 36 and ".tmp".
QByteArray temporaryName(const QByteArray& target)
{
    return target + '.' + QByteArray::number(QRandomGenerator::system()->generate64(), 36) + ".tmp";
}

bool isTemporaryOf(const QByteArray& name, const QByteArray& targetName)
{
    if (!name.startsWith(targetName + '.') || !name.endsWith(".tmp"))
        return false;
    const QByteArray random = name.mid(targetName.size() + 1, name.size() - targetName.size() - 5);
    // 2^64 in base 36 takes at most 13 digits.
    return !random.isEmpty() && random.size() <= 13
           && std::all_of(random.begin(), random.end(),
                          [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
}

// A writer ended between creating its temporary file and renaming it (a
// power cut, kill -9) leaves the temporary file behind in the shared
// folder. The next write of the same file removes such leftovers: regular
// files of this user's making or not, named as our writes name them, and
// untouched for longer than any write takes, so that a write in progress
// elsewhere is never robbed of its file.
void removeStaleTemporaries(const QByteArray& target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const QByteArray targetName = target.mid(slash + 1);
    DIR* listing = ::opendir(folder.constData());
    if (!listing)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryOf(name, targetName))
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode)
            && now - status.st_mtime > SafeFile::kStaleTemporarySeconds)
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
    ::closedir(listing);
}

} // namespace

qint64 SafeFile::sizeLimit(FileKind kind)
{
    switch (kind) {
    case FileKind::Settings: return 64 * 1024;
    case FileKind::DataTable: return 16 * 1024 * 1024;
    // Over a hundred thousand series at about 30 bytes each.
    case FileKind::Ranking: return 4 * 1024 * 1024;
    // Several school years of a large school at about 320 bytes a series.
    case FileKind::ResultsLog: return 256 * 1024 * 1024;
    }
    return 0;
}

namespace {

// The first `most` bytes, or with `kind` the whole file refused when larger.
FileResult<QByteArray> readFirst(const QString& path, qint64 most, std::optional<FileKind> kind)
{
    // Non-blocking, or opening a FIFO would wait for a writer for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return readError(path, errno);
    Descriptor descriptor(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return readError(path, errno);
    if (!S_ISREG(status.st_mode))
        return FileError{path, 0, QStringLiteral("nie je obyčajný súbor.")};
    if (status.st_size > most && kind)
        return tooLarge(path, *kind);
    QByteArray bytes(qsizetype(std::min<qint64>(status.st_size, most)), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return readError(path, errno);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

} // namespace

FileResult<QByteArray> SafeFile::read(const QString& path, FileKind kind)
{
    return readFirst(path, sizeLimit(kind), kind);
}

FileResult<QByteArray> SafeFile::readStart(const QString& path, qint64 most)
{
    return readFirst(path, most, std::nullopt);
}

FileResult<QByteArray> SafeFile::readStream(std::FILE* stream, const QString& name, FileKind kind)
{
    const qint64 limit = sizeLimit(kind);
    QByteArray bytes;
    char buffer[65536];
    while (true) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, stream);
        bytes.append(buffer, qsizetype(got));
        if (bytes.size() > limit)
            return tooLarge(name, kind);
        if (got < sizeof buffer)
            break;
    }
    if (std::ferror(stream))
        return readError(name, errno);
    return bytes;
}

bool SafeFile::isAbsent(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 || errno != ENOENT)
        return false;
    const QFileInfo directory(QFileInfo(path).absolutePath());
    return directory.isReadable() && directory.isExecutable();
}

FileOutcome SafeFile::write(const QString& path, const QByteArray& bytes)
{
    struct stat status {};
    const bool exists = ::lstat(QFile::encodeName(path).constData(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode))
        return notRegular(path);
    if (!exists && errno != ENOENT)
        return writeFailure(path, systemError(errno));
    // Written whole beside it under a name of its own, then renamed into
    // place; every step's failure keeps the old file and gives the system's
    // own reason (a full disk, a quota, a file too large).
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    int fd = -1;
    removeStaleTemporaries(target);
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temporary = temporaryName(target);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return writeFailure(path, systemError(errno));
    }
    if (fd < 0)
        return writeFailure(path, systemError(EEXIST));
    Descriptor descriptor(fd);
    const auto failed = [&](int error) {
        ::unlink(temporary.constData());
        return writeFailure(path, systemError(error));
    };
    if (exists && ::fchmod(fd, status.st_mode & 07777) != 0)
        return failed(errno);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return failed(put < 0 ? errno : ENOSPC);
        written += put;
    }
    if (::fsync(fd) != 0)
        return failed(errno);
    if (const int error = descriptor.close())
        return failed(error);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return failed(errno);
    return {};
}

FileOutcome SafeFile::append(const QString& path, const QByteArray& appended, AppendAt at)
{
    // Read as well when the last byte is to be looked at.
    const int access = at == AppendAt::NewLine ? O_RDWR : O_WRONLY;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          access | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == ELOOP ? notRegular(path) : writeFailure(path, systemError(errno));
    Descriptor descriptor(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return writeFailure(path, systemError(errno));
    if (!S_ISREG(status.st_mode))
        return notRegular(path);
    QByteArray bytes = appended;
    char last = '\n';
    if (at == AppendAt::NewLine && status.st_size > 0 && ::pread(fd, &last, 1, status.st_size - 1) == 1
        && last != '\n' && last != '\r')
        bytes.prepend("\r\n");
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            const int error = put < 0 ? errno : ENOSPC;
            // The entries already there are kept; only the torn tail goes.
            const bool cutBack = ::ftruncate(fd, status.st_size) == 0;
            return writeFailure(path, cutBack ? systemError(error)
                                              : QStringLiteral("%1; neúplný koniec zostal v súbore").arg(systemError(error)));
        }
        written += put;
    }
    if (const int error = descriptor.close())
        return writeFailure(path, systemError(error));
    return {};
}

} // namespace orbeta
