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
        if (arg == QLatin1String("--window")) {
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
    return QStringLiteral("usage: orbeta [--window] [--no-splash] [--tour DIR]\n");
}

} // namespace orbeta
