// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/LaunchOptions.h"

#include "formats/WholeNumber.h"

namespace orbeta {

std::optional<LaunchOptions> LaunchOptions::parse(const QStringList& arguments, bool skipSplashFromEnvironment,
                                                  bool benchmarkFromEnvironment, const QString& seedFromEnvironment)
{
    LaunchOptions options;
    options.skipSplash = skipSplashFromEnvironment;
    options.benchmark = benchmarkFromEnvironment;
    if (!seedFromEnvironment.isEmpty()) {
        options.seed = ParseWholeNumber(seedFromEnvironment);
        if (!options.seed)
            return std::nullopt;
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.request = Request::Help;
        } else if (arg == QLatin1String("--version")) {
            options.request = Request::Version;
        } else if (arg == QLatin1String("--window")) {
            options.window = true;
        } else if (arg == QLatin1String("--no-splash")) {
            options.skipSplash = true;
        } else if (arg == QLatin1String("--tour")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
                return std::nullopt;
            options.tourDir = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--tour="))) {
            options.tourDir = arg.mid(7);
            if (options.tourDir.isEmpty())
                return std::nullopt;
        } else if (arg == QLatin1String("--seed") || arg.startsWith(QLatin1String("--seed="))) {
            const QString value = arg.size() > 6 ? arg.mid(7) : i + 1 < arguments.size() ? arguments.at(++i) : QString();
            options.seed = ParseWholeNumber(value);
            if (!options.seed)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

QString LaunchOptions::seedEnvironmentProblem(const QString& seedFromEnvironment)
{
    if (seedFromEnvironment.isEmpty() || ParseWholeNumber(seedFromEnvironment))
        return {};
    return QStringLiteral("Premenná prostredia ORBETA_SEED má hodnotu „%1“, ale má to byť celé číslo od 0 do "
                          "18446744073709551615. Program sa preto nespustil.")
        .arg(seedFromEnvironment);
}

QString LaunchOptions::usage()
{
    return QStringLiteral("usage: orbeta [--window] [--no-splash] [--seed S] [--tour DIR] | --help | --version\n");
}

QString LaunchOptions::help()
{
    return usage() + QStringLiteral(
        "\n"
        "Orbeta Tarovia: physics practice for primary schools, full screen.\n"
        "\n"
        "Options:\n"
        "  --window        a plain 640 x 480 window instead of the full screen\n"
        "  --no-splash     start in the menu, without the title screens\n"
        "  --seed S        make example k of every series from seed S + k (k from 0),\n"
        "                  the same examples as orbeta-cli examples CODE --seed S\n"
        "  --tour DIR      write every screen and state as DIR/<form>-<state>.png\n"
        "                  without a display, then exit\n"
        "  --help, -h      print this help and exit\n"
        "  --version       print the version and exit\n"
        "\n"
        "Environment:\n"
        "  ORBETA_WINDIR         the directory holding Orbeta.ini (otherwise the program's\n"
        "                        own directory, then etc/orbeta of its installation,\n"
        "                        /etc/orbeta for /usr)\n"
        "  ORBETA_SKIP_SPLASH=1  the same as --no-splash\n"
        "  ORBETA_MESSAGEBOX=ok|yes|no\n"
        "                        answer every message box with that button and write\n"
        "                        its title and text to standard error\n"
        "  ORBETA_BENCHMARK=1    print the start-up time and memory, then exit\n"
        "  ORBETA_SEED=S         the same as --seed S\n"
        "  ORBETA_FRAME_LOG=1    write the time of every paint of a calculation scene to\n"
        "                        standard error (experiment timing)\n"
        "\n"
        "Orbeta.ini names the resource directory (key CD), the data directory with the\n"
        "rankings and the results log (key HD) and, when they are apart, the tables\n"
        "(key TAB) in section [TRV].\n"
        "\n"
        "Exit status: 0 when the program ends, 1 with a message when it cannot start,\n"
        "2 with a usage message when the arguments are wrong.\n");
}

} // namespace orbeta
