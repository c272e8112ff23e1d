// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole runs of build/orbeta against installations broken in different ways.
#include "formats/LineCodec.h"
#include "tests/support/FileBytes.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include <csignal>
#include <sys/stat.h>

namespace {

QString buildDir()
{
    return qEnvironmentVariable("ORBETA_BUILD_DIR");
}

// A Windows directory with an Orbeta.ini naming the given trees.
void writeIni(const QTemporaryDir& windir, const QString& cd, const QString& hd, const QString& tab = QString())
{
    QFile ini(windir.filePath("Orbeta.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[TRV]\r\nCD=%1\r\nHD=%2\r\n").arg(cd, hd).toUtf8());
    if (!tab.isEmpty())
        ini.write(QStringLiteral("TAB=%1\r\n").arg(tab).toUtf8());
}

// A copy of the build's data tree without the named file.
void copyDataTree(const QString& target, const QString& without = QString())
{
    QDir().mkpath(target);
    const QDir source(buildDir() + "/hd");
    for (const QString& name : source.entryList(QDir::Files))
        if (name != without)
            QFile::copy(source.filePath(name), target + "/" + name);
}

// A working installation: the build's resources and a copy of its data tree.
void install(const QTemporaryDir& windir)
{
    copyDataTree(windir.filePath("hd"));
    writeIni(windir, buildDir() + "/cd", windir.filePath("hd"));
}

struct ProgramRun {
    int exitCode = -1;
    bool finished = false;
    QString stderrText;
};

using Environment = std::function<void(QProcessEnvironment&)>;

// Starts build/orbeta offscreen on the Windows directory `windir`, its
// message boxes written to standard error.
void start(QProcess& process, const QString& windir, const QStringList& arguments, const Environment& adjust)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORBETA_WINDIR", windir);
    env.insert("ORBETA_MESSAGEBOX", "ok");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (adjust)
        adjust(env);
    process.setProcessEnvironment(env);
    process.start(buildDir() + "/orbeta", arguments);
}

ProgramRun runProgram(const QString& windir, const QStringList& arguments = {}, int waitMs = 20000,
                      const Environment& adjust = {})
{
    QProcess process;
    start(process, windir, arguments, adjust);
    ProgramRun run;
    run.finished = process.waitForFinished(waitMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitCode();
    run.stderrText = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Started with this, the program reports its start-up time at the menu and ends.
void benchmark(QProcessEnvironment& env)
{
    env.insert("ORBETA_BENCHMARK", "1");
}

QByteArray treeDigest(const QString& dir)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    for (const QString& path : files) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            hash.addData(path.toUtf8());
            hash.addData(file.readAll());
        }
    }
    return hash.result();
}

} // namespace

// Installations broken in different ways end with their message, "%1"
// standing for the Windows directory; those that are whole start up to the
// menu and end cleanly.
TEST(Program, InstallationsStartOrEndWithTheirMessage)
{
    const auto marks = [](const QTemporaryDir& windir, const QByteArray& bytes) {
        install(windir);
        ASSERT_TRUE(orbeta::test_support::writeBytes(windir.filePath("hd/Znamky.dat"), bytes));
    };
    struct Case {
        const char* what;
        std::function<void(const QTemporaryDir&)> prepare;
        QStringList said; // none: the program starts
    };
    const Case cases[] = {
        {"no Orbeta.ini", [](const QTemporaryDir&) {},
         {"Chyba: Nemožno nájsť súbor Orbeta.INI. Nainštalujte aplikáciu znovu. /  / %1/Orbeta.ini"}},
        {"Orbeta.ini a FIFO",
         [](const QTemporaryDir& windir) {
             ASSERT_EQ(mkfifo(QFile::encodeName(windir.filePath("Orbeta.ini")).constData(), 0600), 0);
         },
         {"Orbeta.ini"}},
        // The data message wins.
        {"a data file and the resources missing",
         [](const QTemporaryDir& windir) {
             copyDataTree(windir.filePath("hd"), "6b.dat");
             writeIni(windir, windir.filePath("nothing"), windir.filePath("hd"));
         },
         {"Chyba: Nemožno nájsť súbory so zdrojmi dát. Nainštalujte aplikáciu znovu. /  / %1/hd/6b.dat"}},
        {"marks with a gap",
         [&marks](const QTemporaryDir& windir) { marks(windir, "0|50|4\r\n50|75|3\r\n75|88|2\r\n90|100|1\r\n"); },
         {"Chyba: Súbor so zdrojmi dát sa nedá použiť.", "Súbor %1/hd/Znamky.dat: 89 % nedostane"}},
        {"marks far too large to be a mark table",
         [](const QTemporaryDir& windir) {
             install(windir);
             QFile file(windir.filePath("hd/Znamky.dat"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.resize(qint64(100) << 20));
         },
         {"/Znamky.dat: je väčší ako"}},
        // No fifth row for a mark never given.
        {"four marks without a gap",
         [&marks](const QTemporaryDir& windir) { marks(windir, "0|50|4\r\n50|75|3\r\n75|90|2\r\n90|100|1\r\n"); },
         {}},
        // The tour starts from the one-folder installation; this one keeps the
        // tables in a read-only folder of their own (TAB), the data directory
        // holding only what the pupils write.
        {"a split installation",
         [](const QTemporaryDir& windir) {
             copyDataTree(windir.filePath("tab"), "Vysledky.dat");
             QDir().mkpath(windir.filePath("hd"));
             QFile::copy(buildDir() + "/hd/Vysledky.dat", windir.filePath("hd/Vysledky.dat"));
             writeIni(windir, buildDir() + "/cd", windir.filePath("hd"), windir.filePath("tab"));
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir windir;
        c.prepare(windir);
        const ProgramRun run = runProgram(windir.path(), {"--no-splash"}, 30000, benchmark);
        EXPECT_EQ(run.exitCode, c.said.isEmpty() ? 0 : 1) << run.stderrText.toStdString();
        for (const QString& said : c.said)
            EXPECT_TRUE(run.stderrText.contains(QString(said).replace("%1", windir.path()))) << run.stderrText.toStdString();
    }
}

TEST(Program, TourWritesEveryScreenAndNoInstalledFile)
{
    QTemporaryDir windir;
    install(windir);
    const QByteArray installedBefore = treeDigest(windir.filePath("hd"));
    QTemporaryDir out;
    // Every state of every form: far longer than a start, more so on busy cores.
    const ProgramRun run = runProgram(windir.path(), {"--tour", out.filePath("pictures")}, 180000);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
    EXPECT_EQ(treeDigest(windir.filePath("hd")), installedBefore);
    for (const char* name : {"frm_Intro-splash.png", "frm_Intro-credits.png", "frm_Select-start.png",
                             "frm_Select-topic1.png", "frm_Select-topic6.png"}) {
        const QImage image(out.filePath(QStringLiteral("pictures/") + name));
        EXPECT_EQ(image.size(), QSize(640, 480)) << name;
    }
    // The printed pages at print size: A4 at 150 dpi.
    for (const char* name : {"worksheet-1a-page1.png", "worksheet-6c-key-page1.png"}) {
        const QImage image(out.filePath(QStringLiteral("pictures/") + name));
        EXPECT_EQ(image.size(), QSize(1240, 1754)) << name;
    }
}

// Started from the desktop menu nobody reads standard error: a seed in the
// environment that is no number is named, with its value, in a message box.
TEST(Program, ABadSeedInTheEnvironmentIsNamedWithItsValue)
{
    QTemporaryDir windir;
    const ProgramRun run =
        runProgram(windir.path(), {}, 20000, [](QProcessEnvironment& env) { env.insert("ORBETA_SEED", "abc"); });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.stderrText.contains(QStringLiteral("Chyba: Premenná prostredia ORBETA_SEED má hodnotu „abc“")))
        << run.stderrText.toStdString();
}

// Tables edited as a teacher edits them (decoded, changed, encoded): what a
// task could not use stops the start with the file's path and line; what it
// can use starts.
TEST(Program, EditedTablesAreCheckedAtStart)
{
    using Lines = std::function<void(QStringList&)>;
    struct Case {
        const char* file;
        Lines edit;
        const char* named; // "file, line" in the message; nullptr when the program starts
    };
    const Case cases[] = {
        {"3b.dat", [](QStringList& l) { l[1] = QStringLiteral("ľad#abc#abc"); }, "/3b.dat, riadok 2: "},
        {"3a.dat", [](QStringList& l) { l[3] = QStringLiteral("meď#385#"); }, "/3a.dat, riadok 4: "},
        {"4a.dat", [](QStringList& l) { l[0].replace(QStringLiteral("ZrkDut1.bmp"), QStringLiteral("ZrkVyp1.bmp")); },
         "/4a.dat, riadok 1: obrázok „ZrkVyp1.bmp“ kreslí vypuklé zrkadlo"},
        {"6c.dat", [](QStringList& l) { l.append(QStringLiteral("48#prvý smartfón s dotykovou obrazovkou#2007")); },
         nullptr},
        {"6b.dat", [](QStringList& l) { l[0] = QStringLiteral("1#Niekto#abc#1900"); }, "/6b.dat, riadok 1: "},
        {"Zadani.dat", [](QStringList& l) { l.clear(); }, "/Zadani.dat, riadok 1: "},
        {"Napoveda.dat", [](QStringList& l) { l = l.mid(0, 10); }, "/Napoveda.dat, riadok 11: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + (c.named ? c.named : "starts"));
        QTemporaryDir windir;
        install(windir);
        QFile file(windir.filePath(QStringLiteral("hd/") + c.file));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QStringList lines = orbeta::LineCodec::decodedLines(file.readAll());
        c.edit(lines);
        ASSERT_TRUE(file.resize(0));
        file.write(orbeta::LineCodec::encodeFile(lines, 3));
        file.close();
        const ProgramRun run = runProgram(windir.path(), {"--no-splash"}, 30000, benchmark);
        if (!c.named) {
            EXPECT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
            continue;
        }
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.stderrText.contains("Chyba: Súbor so zdrojmi dát sa nedá použiť.")) << run.stderrText.toStdString();
        EXPECT_TRUE(run.stderrText.contains("Súbor " + windir.filePath("hd") + QString::fromUtf8(c.named)))
            << run.stderrText.toStdString();
    }
}

// A cron job, an SSH command or a container: no XDG_RUNTIME_DIR. Qt's runtime
// files go into a folder of the program's own, gone when it ends, and gone
// when a logout or a shutdown ends it by SIGTERM or SIGHUP; a start removes
// one left by a program that was killed outright.
TEST(Program, ItsRuntimeFolderGoesWhenItEndsOrIsEndedBySignals)
{
    QTemporaryDir windir;
    install(windir);
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    // Left by a process that is gone, by one that runs (this test), and of a name not ours.
    for (const QString& name : {QStringLiteral("orbeta-runtime-999999999-Ab12Cd"),
                                QStringLiteral("orbeta-runtime-%1-Ab12Cd").arg(QCoreApplication::applicationPid()),
                                QStringLiteral("orbeta-runtime-Ab12Cd")})
        ASSERT_TRUE(folder.mkdir(name));
    const QStringList others{QStringLiteral("orbeta-runtime-%1-Ab12Cd").arg(QCoreApplication::applicationPid()),
                             QStringLiteral("orbeta-runtime-Ab12Cd")};
    const Environment noRuntimeDirectory = [&temporary](QProcessEnvironment& env) {
        env.insert("TMPDIR", temporary.path());
        env.remove("XDG_RUNTIME_DIR");
    };
    const ProgramRun run = runProgram(windir.path(), {"--no-splash"}, 60000, [&](QProcessEnvironment& env) {
        noRuntimeDirectory(env);
        benchmark(env);
    });
    EXPECT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), others);
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QProcess process;
        start(process, windir.path(), {"--no-splash"}, noRuntimeDirectory);
        ASSERT_TRUE(process.waitForStarted());
        // Running once the menu is up: give it the time a start takes.
        ASSERT_FALSE(process.waitForFinished(5000)) << process.readAllStandardError().toStdString();
        EXPECT_EQ(folder.entryList({"orbeta-runtime-*"}, QDir::Dirs).size(), 3);
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(folder.entryList({"orbeta-runtime-*"}, QDir::Dirs), others);
    }
}

TEST(Program, ATourThatCannotWriteSaysWhyAndTouchesNothingElse)
{
    QTemporaryDir windir;
    install(windir);
    QTemporaryDir out;
    const QStringList rootBefore = QDir("/").entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    // Without a usable TMPDIR the ranking screens would fill a directory at
    // the root, and so would Qt's runtime files where XDG_RUNTIME_DIR is not set.
    const ProgramRun noTemp = runProgram(windir.path(), {"--tour", out.filePath("a")}, 20000, [&out](QProcessEnvironment& env) {
        env.insert("TMPDIR", out.filePath("absent"));
        env.remove("XDG_RUNTIME_DIR");
    });
    EXPECT_EQ(noTemp.exitCode, 1);
    EXPECT_TRUE(noTemp.stderrText.contains("TMPDIR")) << noTemp.stderrText.toStdString();
    EXPECT_EQ(QDir("/").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), rootBefore);

    // A file where the folder should be, and a folder inside it.
    QFile blocker(out.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const QString& target : {out.filePath("file"), out.filePath("file/sub")}) {
        const ProgramRun run = runProgram(windir.path(), {"--tour", target});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.stderrText.contains(QStringLiteral("orbeta: cannot ")) && run.stderrText.contains(target))
            << run.stderrText.toStdString();
    }
}
