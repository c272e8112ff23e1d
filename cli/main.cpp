// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "files/RuntimeDirectory.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

namespace {

using Command = std::function<int(const QStringList&)>;

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("calc"), orbeta::cli::calcCommand},
        {QStringLiteral("decode"), orbeta::cli::decodeCommand},
        {QStringLiteral("encode"), orbeta::cli::encodeCommand},
        {QStringLiteral("examples"), orbeta::cli::examplesCommand},
        {QStringLiteral("mark"), orbeta::cli::markCommand},
        {QStringLiteral("ranking"), orbeta::cli::rankingCommand},
        {QStringLiteral("report"), orbeta::cli::reportCommand},
        {QStringLiteral("results"), orbeta::cli::resultsCommand},
        {QStringLiteral("worksheet"), orbeta::cli::worksheetCommand},
    };
    return table;
}

int usage()
{
    QTextStream err(stderr);
    err << "usage: orbeta-cli COMMAND [ARGS]\ncommands:";
    for (const auto& [name, command] : commands())
        err << ' ' << name;
    err << "\nSee orbeta-cli --help for the arguments of each command.\n";
    return orbeta::cli::BadUsage;
}

constexpr const char* kHelp =
    "usage: orbeta-cli COMMAND [ARGS] | --help | --version\n"
    "\n"
    "The rules of Orbeta Tarovia without a display, for teachers and scripts.\n"
    "\n"
    "Commands:\n"
    "  examples CODE [--count N] [--seed S] [--data DIR]\n"
    "        N (default 1, at most 1000000) freshly generated examples of calculation\n"
    "        task CODE (1a-1d, 2a-2e, 3a, 3b, 5a-5e) as JSON Lines; example i is made\n"
    "        from seed S + i (S from the clock when not given). For a history task\n"
    "        (6a-6c): the screens of a series of N items (default one screen), screen\n"
    "        i from seed S + i, with the items, the boxes' order and the answer\n"
    "  worksheet CODE --count N [--name NAME] [--seed S] [--answers] [--data DIR]\n"
    "            -o FILE.pdf\n"
    "        a worksheet of N fresh examples of task CODE (any of the 21) as a PDF,\n"
    "        with NAME on the name line; example k is made from seed S + k as by\n"
    "        examples; with --answers its answer key (\"Riešenie\"). The footer's\n"
    "        code (\"Kód: 1a-8-4F2KG\") makes the same sheet again:\n"
    "  worksheet --again WORKSHEET-CODE [--name NAME] [--answers] [--data DIR]\n"
    "            -o FILE.pdf\n"
    "  calc TEXT\n"
    "        what the pupils' calculator answers for TEXT (put -- before a TEXT that\n"
    "        starts with -)\n"
    "  mark CORRECT TOTAL [--data DIR]\n"
    "        the mark the mark table Znamky.dat gives for CORRECT of TOTAL\n"
    "  ranking CODE [--data DIR]\n"
    "        the ranking of task CODE, best first: place, name, correct, wrong, mark\n"
    "        separated by tabs\n"
    "  results [--data DIR] [--csv]\n"
    "        the results log Vysledky.dat, oldest first: name, date (yyyy-mm-dd),\n"
    "        time, topic, task, examples, correct, wrong, mark separated by tabs;\n"
    "        with --csv as CSV for a spreadsheet (UTF-8, a header row)\n"
    "        (exit status 3: some lines of the log are damaged; every whole record is\n"
    "        printed, and each damaged run of lines is named on standard error)\n"
    "  report [--data DIR] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--pupils FILE]\n"
    "         [--task CODE]... [--pupil NAME]... [--pupil-pages] -o FILE.pdf\n"
    "        a class report from the results log as a PDF: what was left out and\n"
    "        why, a row for the class and per pupil (series, mean mark, share right,\n"
    "        last practice), pupils by task (series, last mark) and each task's\n"
    "        share of right answers; per task its marks and its share right by\n"
    "        week; per pupil the weekly mean mark, the share right per topic and the\n"
    "        tasks never tried; who may need help (share right in a topic under\n"
    "        half, marks worse over the last three series of a task or over several\n"
    "        tasks, no practice for 14 days) and who improved most. The period runs\n"
    "        from the first series (or --from, not after today) to today (or --to).\n"
    "        FILE is a class list (UTF-8, one pupil a line, other spellings after\n"
    "        \"=\"): the report covers exactly these pupils and names the log's other\n"
    "        names. Names match ignoring blanks around them and letter case, not\n"
    "        diacritics. --task may be repeated. --pupil NAME (repeatable) gives\n"
    "        that pupil a page of their own naming nobody else, --pupil-pages every\n"
    "        pupil (exit status 4: a --pupil that matches nobody). Damaged and\n"
    "        impossible records of the log and series of unknown tasks are skipped\n"
    "        and named on the first page and on standard error.\n"
    "  report ... --csv [--semicolon] [-o FILE.csv]\n"
    "        the overview as CSV (pupil, task, title, series, last mark, share\n"
    "        right in %, right answers, answers), quoted as by results --csv, with a\n"
    "        UTF-8 byte order mark; --semicolon separates fields by \";\" (Excel\n"
    "        with Slovak settings)\n"
    "  decode FILE\n"
    "        a stored data file (windows-1250, scrambled lines; - for standard input)\n"
    "        as UTF-8 lines\n"
    "  encode [--seed S] [IN [OUT]]\n"
    "        UTF-8 lines (IN, or standard input) back into the stored form (OUT, or\n"
    "        standard output); S fixes the filler characters\n"
    "\n"
    "Options:\n"
    "  --data DIR   one folder holding the tables, the rankings and the results log;\n"
    "               without it, section [TRV] of the Orbeta.ini the program reads\n"
    "               (ORBETA_WINDIR, the program's own directory, or etc/orbeta of\n"
    "               its installation, /etc/orbeta for /usr) names them: the tables\n"
    "               in key TAB (or HD), the rankings and the results log in key HD\n"
    "  --help, -h   print this help and exit\n"
    "  --version    print the version and exit\n"
    "\n"
    "Environment:\n"
    "  ORBETA_WINDIR  the directory holding Orbeta.ini, looked at first\n"
    "\n"
    "Exit status: 0 on success, 1 with a message when a file cannot be read or\n"
    "written, 2 with a usage message when the arguments are wrong, 3 when results\n"
    "skipped damaged lines of the log.\n";

// Help and version go to standard output, whose failure is an error too.
int print(const char* text)
{
    return std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0 ? orbeta::cli::BadFile : orbeta::cli::Ok;
}

// The bytes of a command-line argument as text: what is not ASCII as \xNN.
QString escapedBytes(const QByteArray& raw)
{
    QString text;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x20 && byte < 0x7F ? QString(QLatin1Char(c))
                                            : QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    // A worksheet and a report are painted with fonts, which needs a GUI
    // application; they show no window, so they run without a display.
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<orbeta::RuntimeDirectory> runtime;
    if (argc > 1 && (std::string_view(argv[1]) == "worksheet" || std::string_view(argv[1]) == "report")) {
        runtime = std::make_unique<orbeta::RuntimeDirectory>();
        if (!runtime->error().isEmpty()) {
            std::fprintf(stderr, "orbeta-cli: %s\n", qPrintable(runtime->error()));
            return orbeta::cli::BadFile;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform's own notes (a missing runtime directory and the like)
        // mean nothing to a teacher; the command reports its own failures.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "orbeta-cli: %s\n", qPrintable(message));
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // A name in another encoding than the system's (UTF-8) cannot be told
    // apart from its neighbours once read: "pracovn\xfd.pdf" would be written
    // as "pracovn�.pdf", a file that exists would be missing. Refused whole.
    for (int i = 1; i < argc; ++i)
        if (const QByteArray raw(argv[i]); QFile::encodeName(QFile::decodeName(raw)) != raw)
            return orbeta::cli::fail(orbeta::cli::BadUsage,
                                     QStringLiteral("Argument „%1“ nie je text v UTF-8, kódovaní systému; názov súboru "
                                                    "v inom kódovaní premenujte.")
                                         .arg(escapedBytes(raw)));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty())
        return usage();
    if (args.size() == 1 && (args.front() == QLatin1String("--help") || args.front() == QLatin1String("-h")))
        return print(kHelp);
    if (args.size() == 1 && args.front() == QLatin1String("--version"))
        return print("orbeta-cli " ORBETA_VERSION "\n");
    const auto it = commands().find(args.takeFirst());
    if (it == commands().end())
        return usage();
    return it->second(args);
}
