// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every example the README and orbeta-cli --help show works as shown: the
// commands after "$ " run, the calculator answers what the README says, and
// every worksheet code they quote makes its sheet again.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ShellRun {
    int status = -1;
    QString out;
    QString err;
};

// A line of a shell, in `dir`, with the build's orbeta-cli first on the path
// and the build's Orbeta.ini as the installation's.
ShellRun shell(const QString& line, const QString& dir)
{
    const QString build = qEnvironmentVariable("ORBETA_BUILD_DIR");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), build + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("ORBETA_WINDIR"), build);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir);
    process.start(QStringLiteral("bash"), {QStringLiteral("-c"), line});
    ShellRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString readme()
{
    QFile file(qEnvironmentVariable("ORBETA_SOURCE_DIR") + QStringLiteral("/README.md"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(DocumentedExamples, EveryCommandLineOfTheReadmeWorksAsShown)
{
    const QString text = readme();
    ASSERT_FALSE(text.isEmpty());
    QTemporaryDir dir;
    // The class list that the report's example reads.
    QFile classList(dir.filePath(QStringLiteral("7a.txt")));
    ASSERT_TRUE(classList.open(QIODevice::WriteOnly));
    classList.write("Eva Kov\xc3\xa1\xc4\x8dov\xc3\xa1\nJakub Hor\xc3\xa1th\n");
    classList.close();
    static const QRegularExpression command(QStringLiteral(R"(^ {4}\$ (orbeta-cli .*)$)"),
                                            QRegularExpression::MultilineOption);
    static const QRegularExpression answer(QStringLiteral(R"(^(.*?)\s+->\s+(.*?)(\s{2,}\(.*\))?$)"));
    int commands = 0;
    for (auto it = command.globalMatch(text); it.hasNext(); ++commands) {
        const QString line = it.next().captured(1);
        SCOPED_TRACE(line.toStdString());
        const QRegularExpressionMatch shown = answer.match(line);
        const ShellRun run = shell(shown.hasMatch() ? shown.captured(1) : line, dir.path());
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        if (shown.hasMatch()) {
            const QString expected = shown.captured(2) == QLatin1String("(empty line)") ? QString() : shown.captured(2);
            EXPECT_EQ(run.out.section(QLatin1Char('\n'), 0, 0), expected);
        }
    }
    EXPECT_GE(commands, 10);
}

TEST(DocumentedExamples, EveryWorksheetCodeQuotedMakesItsSheet)
{
    const ShellRun help = shell(QStringLiteral("orbeta-cli --help"), QDir::tempPath());
    ASSERT_EQ(help.status, 0);
    static const QRegularExpression code(QStringLiteral(R"(\b[1-6][a-e]-\d{1,3}-[0-9A-Z]{2,14}\b)"));
    QStringList codes;
    for (const QString& text : {readme(), help.out})
        for (auto it = code.globalMatch(text); it.hasNext();)
            codes.append(it.next().captured());
    codes.removeDuplicates();
    ASSERT_GE(codes.size(), 2);
    QTemporaryDir dir;
    for (const QString& quoted : codes) {
        SCOPED_TRACE(quoted.toStdString());
        const ShellRun run = shell(QStringLiteral("orbeta-cli worksheet --again %1 -o sheet.pdf").arg(quoted), dir.path());
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
    }
}
