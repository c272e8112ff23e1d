#include "shell/LaunchOptions.h"

namespace orbeta {

std::optional<LaunchOptions> LaunchOptions::parse(const QStringList& arguments, bool skipSplashFromEnvironment,
                                                  bool benchmarkFromEnvironment)
{
    LaunchOptions options;
    options.skipSplash = skipSplashFromEnvironment;
    options.benchmark = benchmarkFromEnvironment;
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
        } else {
            return std::nullopt;
        }
    }
    return options;
}

QString LaunchOptions::usage()
{
    return QStringLiteral("usage: orbeta [--window] [--no-splash] [--tour DIR] | --help | --version\n");
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
        "  --tour DIR      write every screen and state as DIR/<form>-<state>.png\n"
        "                  without a display, then exit\n"
        "  --help, -h      print this help and exit\n"
        "  --version       print the version and exit\n"
        "\n"
        "Environment:\n"
        "  ORBETA_WINDIR         the directory holding Orbeta.ini (otherwise the program's\n"
        "                        own directory, then ../share/orbeta beside it)\n"
        "  ORBETA_SKIP_SPLASH=1  the same as --no-splash\n"
        "  ORBETA_MESSAGEBOX=ok|yes|no\n"
        "                        answer every message box with that button and write\n"
        "                        its title and text to standard error\n"
        "  ORBETA_BENCHMARK=1    print the start-up time and memory, then exit\n"
        "\n"
        "Orbeta.ini names the resource directory (key CD) and the data directory (key HD)\n"
        "in section [TRV]. Exit status 1 when the program cannot start, with a message.\n");
}

} // namespace orbeta
