// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta-cli facing damaged files, full disks and odd file types, run as a
// teacher or a script would run it: never a hang, never a lost file, and
// never exit 0 when something was not written.
#include "formats/LineCodec.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

struct CliRun {
    int status = -1;
    QByteArray out;
    QString err;
};

struct CliSetup {
    QString stdinFile;
    // Written into a pipe that is the command's standard input.
    std::optional<QByteArray> stdinPipe;
    QString stdoutFile;
    // Files the command writes cannot grow beyond this (a full disk).
    rlim_t fileSizeLimit = RLIM_INFINITY;
    // Run as "nobody" when the tests run as root, whom permission bits do not bind.
    bool unprivileged = false;
    // As a cron job runs it: no XDG_RUNTIME_DIR, and TMPDIR here.
    QString temporaryFolder;
};

CliRun cli(const QStringList& args, const CliSetup& setup = CliSetup())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ORBETA_WINDIR"));
    if (!setup.temporaryFolder.isEmpty()) {
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), setup.temporaryFolder);
    }
    process.setProcessEnvironment(env);
    if (!setup.stdinFile.isEmpty())
        process.setStandardInputFile(setup.stdinFile);
    if (!setup.stdoutFile.isEmpty())
        process.setStandardOutputFile(setup.stdoutFile, QIODevice::Append);
    const rlim_t limit = setup.fileSizeLimit;
    const bool dropRoot = setup.unprivileged && geteuid() == 0;
    process.setChildProcessModifier([limit, dropRoot] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
        if (dropRoot && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(99);
    });
    process.start(qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/orbeta-cli"), args);
    if (setup.stdinPipe) {
        process.write(*setup.stdinPipe);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {-2, {}, QStringLiteral("timed out")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

void store(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(orbeta::test_support::writeBytes(path, bytes));
}

QByteArray lines(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "Riadok " + QByteArray::number(i) + " zadania s textom pre žiakov\n";
    return text;
}

} // namespace

// A disk that fills up half way: the system's reason is told, and the file
// made before stays whole, with no temporary file left beside it.
TEST(CommandFiles, AFullDiskGivesItsRealReasonAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("Zadani.dat"));
    const QString data = qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd");
    CliSetup fullDisk;
    fullDisk.fileSizeLimit = 512;
    fullDisk.temporaryFolder = dir.path();
    // A large text fails during the writes, a small one only in the final
    // flush; the sheet's PDF in its writes.
    for (const auto& [lineCount, args] :
         {std::pair{2000, QStringList{"encode", dir.filePath(QStringLiteral("x.txt")), out}},
          std::pair{20, QStringList{"encode", dir.filePath(QStringLiteral("x.txt")), out}},
          std::pair{20, QStringList{"worksheet", "1a", "--count", "8", "--data", data, "-o", out}}}) {
        SCOPED_TRACE(args.join(' ').toStdString() + ' ' + std::to_string(lineCount));
        store(dir.filePath(QStringLiteral("x.txt")), lines(lineCount));
        store(out, "old file\r\n");
        const CliRun run = cli(args, fullDisk);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(out)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("súbor by bol príliš veľký"))) << run.err.toStdString();
        EXPECT_EQ(orbeta::test_support::readBytes(out), QByteArray("old file\r\n"));
        // Nor a runtime folder of the sheet's painting.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    }
}

TEST(CommandFiles, AnUnwritableStandardOutputIsAnError)
{
    QTemporaryDir dir;
    store(dir.filePath(QStringLiteral("Znamky.dat")), "0|49|5\r\n50|69|4\r\n70|84|2\r\n85|94|1\r\n95|100|1\r\n");
    store(dir.filePath(QStringLiteral("1a.res")), "Jana|7|3|3|0\r\n");
    store(dir.filePath(QStringLiteral("x.txt")), lines(20));
    const QString data = dir.filePath(QStringLiteral("x.dat"));
    ASSERT_EQ(cli({"encode", dir.filePath(QStringLiteral("x.txt")), data}).status, 0);
    CliSetup toFullDevice;
    toFullDevice.stdoutFile = QStringLiteral("/dev/full");
    const QList<QStringList> commands = {
        {"decode", data},
        {"encode", dir.filePath(QStringLiteral("x.txt"))},
        {"calc", "2+3"},
        {"mark", "7", "10", "--data", dir.path()},
        {"ranking", "1a", "--data", dir.path()},
        {"examples", "5e", "--seed", "7"},
        {"examples", "5e", "--count", "5000", "--seed", "7"},
        {"examples", "4a", "--count", "2000", "--seed", "7"},
        {"examples", "6a", "--count", "2000", "--seed", "7"},
    };
    for (const QStringList& args : commands) {
        const CliRun run = cli(args, toFullDevice);
        EXPECT_EQ(run.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("standard output"))) << args.join(' ').toStdString();
    }
}

// A FIFO, a device or a huge file where a file is read: "cannot read" naming
// it, quickly, never a hang or gigabytes read.
TEST(CommandFiles, OnlyRegularFilesOfSensibleSizeAreRead)
{
    enum class Odd { Fifo, Zeros, Huge };
    struct Case {
        QString name;
        Odd odd;
        QStringList args;
    };
    const QList<Case> cases = {
        {"in.dat", Odd::Fifo, {"decode"}},
        {"in.dat", Odd::Zeros, {"decode"}},
        {"in.txt", Odd::Fifo, {"encode"}},
        {"in.txt", Odd::Zeros, {"encode"}},
        {"Znamky.dat", Odd::Fifo, {"mark", "7", "10", "--data"}},
        {"Znamky.dat", Odd::Zeros, {"mark", "7", "10", "--data"}},
        {"1a.res", Odd::Fifo, {"ranking", "1a", "--data"}},
        {"1a.res", Odd::Zeros, {"ranking", "1a", "--data"}},
        {"1a.res", Odd::Huge, {"ranking", "1a", "--data"}},
        {"1a.dat", Odd::Zeros, {"examples", "1a", "--data"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.args.first() + ' ' + c.name).toStdString());
        QTemporaryDir dir;
        const QString path = dir.filePath(c.name);
        switch (c.odd) {
        case Odd::Fifo: ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); break;
        case Odd::Zeros: ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path)); break;
        case Odd::Huge: {
            QFile huge(path);
            ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(50) << 20));
            break;
        }
        }
        const bool inDataDir = c.args.last() == QLatin1String("--data");
        const CliRun run = cli(c.args + QStringList{inDataDir ? dir.path() : path});
        EXPECT_EQ(run.status, 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.name, Qt::CaseInsensitive)) << run.err.toStdString();
    }
}

TEST(CommandFiles, ADataDirectoryThatCannotBeReadIsAnErrorNotAnEmptyRanking)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("hd"));
    ASSERT_TRUE(QDir().mkdir(data));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther);
    CliSetup setup;
    setup.unprivileged = true;
    // Neither listable nor searchable with a ranking inside; searchable only,
    // where "no 1a.res" cannot be told from "1A.RES".
    for (const bool searchable : {false, true}) {
        if (!searchable)
            store(data + QStringLiteral("/1a.res"), "Jana|7|3|3|0\r\n");
        ASSERT_TRUE(QFile::setPermissions(data, searchable ? QFile::ExeOwner | QFile::ExeOther : QFile::Permissions()));
        const CliRun run = cli({"ranking", "1a", "--data", data}, setup);
        EXPECT_EQ(run.status, 1) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(data)) << run.err.toStdString();
        ASSERT_TRUE(QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile::remove(data + QStringLiteral("/1a.res"));
    }
}

// What a teacher's editor writes: a byte-order mark, and any line end.
TEST(CommandFiles, EncodeReadsTextAsDecodeWritesIt)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("x.txt"));
    const QString data = dir.filePath(QStringLiteral("x.dat"));
    const struct {
        QByteArray in;
        QByteArray decoded;
    } cases[] = {
        {"\xEF\xBB\xBFPrv\xC3\xBD riadok\r\nDruh\xC3\xBD\r\n", "Prv\xC3\xBD riadok\nDruh\xC3\xBD\n"},
        {"jeden\rdva\ntri\r\n\r\nstyri", "jeden\ndva\ntri\n\nstyri\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.toStdString());
        store(text, c.in);
        const CliRun encoded = cli({"encode", text, data});
        ASSERT_EQ(encoded.status, 0) << encoded.err.toStdString();
        const CliRun decoded = cli({"decode", data});
        EXPECT_EQ(decoded.status, 0);
        EXPECT_EQ(decoded.out, c.decoded);
    }
}

// "... | orbeta-cli decode -": the same lines as from the file, and the same size limit.
TEST(CommandFiles, DecodeReadsAPipeOnStandardInput)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("x.txt"));
    const QString data = dir.filePath(QStringLiteral("x.dat"));
    store(text, "Prv\xC3\xBD riadok\r\nDruh\xC3\xBD\r\n");
    ASSERT_EQ(cli({"encode", text, data}).status, 0);
    QFile stored(data);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    CliSetup piped;
    piped.stdinPipe = stored.readAll();

    const CliRun decoded = cli({"decode", "-"}, piped);
    EXPECT_EQ(decoded.status, 0) << decoded.err.toStdString();
    EXPECT_EQ(decoded.out, cli({"decode", data}).out);
    EXPECT_EQ(decoded.out, "Prv\xC3\xBD riadok\nDruh\xC3\xBD\n");

    piped.stdinPipe = QByteArray(16 * 1024 * 1024 + 1, 'x');
    const CliRun tooLarge = cli({"decode", "-"}, piped);
    EXPECT_EQ(tooLarge.status, 1);
    EXPECT_TRUE(tooLarge.err.contains(QStringLiteral("(štandardný vstup)"))) << tooLarge.err.toStdString();
    EXPECT_TRUE(tooLarge.out.isEmpty());
}

TEST(CommandFiles, RayConstructionsAlternateAndADamagedSceneFileEndsWithItsName)
{
    const QString hd = qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/hd");
    for (const char* code : {"4a", "4b"}) {
        const CliRun run = cli({"examples", code, "--count", "200", "--seed", "9", "--data", hd});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QList<QByteArray> out = run.out.trimmed().split('\n');
        ASSERT_EQ(out.size(), 200);
        for (qsizetype i = 1; i < out.size(); ++i) {
            const bool first = out[i].contains("\"concave\"") || out[i].contains("\"converging\"");
            const bool before = out[i - 1].contains("\"concave\"") || out[i - 1].contains("\"converging\"");
            EXPECT_NE(first, before) << i;
        }
    }

    // A scene whose axis lies below the drawing area can never give an example.
    QTemporaryDir data;
    QStringList scene;
    for (int slot = 1; slot <= 6; ++slot)
        scene.append(QString::number(slot) + QStringLiteral("#ZrkDut1.bmp#20#900#320#900#440#900#560#900#240#100"));
    store(data.filePath(QStringLiteral("4a.dat")), orbeta::LineCodec::encodeFile(scene, 1));
    const CliRun damaged = cli({"examples", "4a", "--count", "5", "--data", data.path()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("4a.dat"))) << damaged.err.toStdString();
}

// A file name in another encoding than UTF-8 (a windows-1250 "ý") cannot be
// kept apart from its neighbours once read: refused and named as its bytes,
// never written under a changed name or said to be missing.
TEST(CommandFiles, ANameInAnotherEncodingIsRefusedNotMangled)
{
    QTemporaryDir dir;
    const QByteArray existing = QFile::encodeName(dir.path()) + "/tab\xfd.dat";
    const int fd = ::open(existing.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "abcX\r\n", 6), 6);
    ::close(fd);
    struct Case {
        const char* script;
        const char* named;
    };
    const Case cases[] = {
        {R"sh("$0" worksheet 1a --count 5 -o "$(printf '%s/pracovn\375.pdf' "$1")")sh", "pracovn\\xfd.pdf"},
        {R"sh("$0" decode "$(printf '%s/tab\375.dat' "$1")")sh", "tab\\xfd.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QString::fromUtf8(c.script),
                       qEnvironmentVariable("ORBETA_BUILD_DIR") + QStringLiteral("/orbeta-cli"), dir.path()});
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 2) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.named))) << err.toStdString();
        EXPECT_FALSE(err.contains(QStringLiteral("chýba"))) << err.toStdString();
    }
    // Qt lists no name that is not UTF-8: the folder is read as bytes.
    int entries = 0;
    if (DIR* listing = ::opendir(QFile::encodeName(dir.path()).constData())) {
        while (const dirent* entry = ::readdir(listing))
            entries += entry->d_name[0] != '.';
        ::closedir(listing);
    }
    EXPECT_EQ(entries, 1);
    ::unlink(existing.constData());
}
