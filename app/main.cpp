// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// orbeta: the program. See README.md for the options. This is the one place
// that knows the forms of every subsystem: it builds the services and the
// task-form table and wires the forms together.
#include "app/DataTablesCheck.h"
#include "app/DesktopServices.h"
#include "app/QtTranslation.h"
#include "app/ResultsForms.h"
#include "app/TerminationSignals.h"
#include "app/WorksheetPrinting.h"
#include "calc/basics/RandomSource.h"
#include "calc/form/CalcScene.h"
#include "calc/form/CalcTour.h"
#include "calc/form/FrmMech1.h"
#include "files/RuntimeDirectory.h"
#include "frame/SeriesSeeds.h"
#include "history/forms/FrmDvojice.h"
#include "history/forms/FrmOsa.h"
#include "menu/FrmSelect.h"
#include "menu/FrmSetup.h"
#include "menu/TaskForms.h"
#include "optics/FrmZobr.h"
#include "results/forms/FrmChybovy.h"
#include "results/forms/FrmTabulka.h"
#include "screen/HelpScreens.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "startup/LaunchOptions.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

bool environmentFlag(const char* name)
{
    const QByteArray value = qgetenv(name);
    return !value.isEmpty() && value != "0";
}

// Resident memory of this process in kB.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression rss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    const auto match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : 0;
}

// Processor time this process has used so far, in ms: unlike the wall
// clock it hardly depends on what else the machine is doing.
long processorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000L + t.tv_usec / 1000L; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The optics form's randomness: the calculation tasks' seeded generator, one
// seed per example as SeriesSeeds hands them out.
orbeta::SeriesRandom opticsRandom()
{
    return [](std::optional<std::uint64_t> seed) -> orbeta::ExampleRandom {
        auto seeds = std::make_shared<orbeta::SeriesSeeds>(seed);
        return [seeds]() -> orbeta::OpticsRnd {
            auto random = std::make_shared<orbeta::RandomSource>(seeds->next(QDateTime::currentMSecsSinceEpoch()));
            return [random] { return random->Rnd(); };
        };
    };
}

// The states every form adds to the tour, in the order they are shown.
void addTourStates(orbeta::Tour& tour, orbeta::Services& services, const orbeta::TaskForms& taskForms,
                   orbeta::ResultsLink& results)
{
    orbeta::AddHelpScreenTourStates(tour, services);
    orbeta::FrmSelect::addTourStates(tour);
    orbeta::FrmSetup::addTourStates(tour, services, taskForms);
    orbeta::CalcTour::addStates(tour, services, results);
    orbeta::FrmZobr::addTourStates(tour, services, results, opticsRandom());
    orbeta::FrmDvojice::addTourStates(tour, services, results);
    orbeta::FrmOsa::addTourStates(tour, services, results);
    orbeta::FrmTabulka::addTourStates(tour, services);
    orbeta::FrmChybovy::addTourStates(tour, services);
    orbeta::WorksheetPrinting::addTourStates(tour, services);
}

// ORBETA_FRAME_LOG=1: every paint of the calculation scene is written to
// standard error as "scene-paint <microseconds of the steady clock>", so that
// the timing of an experiment can be measured from outside.
class ScenePaintLog : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("Pic")) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::fprintf(stderr, "scene-paint %lld\n",
                         static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        }
        return false;
    }
};

// What the setup form can open and print for each kind of task form.
orbeta::TaskForms buildTaskForms(orbeta::Services& services, orbeta::ResultsLink& results, orbeta::ScreenHost& host,
                                 std::optional<std::uint64_t> seed)
{
    using namespace orbeta;
    TaskForms forms;
    forms.add(TaskFormKind::Mech1,
              {[&services, &results, &host, seed](const SeriesSetup& setup) -> std::unique_ptr<QWidget> {
                   const auto task = calcTaskFromCode(setup.taskCode);
                   // A task whose scene is not drawn yet stays closed.
                   if (!task || !CalcScene::available(*task))
                       return nullptr;
                   return FrmMech1::open(services, results, setup, *task, seed, host.currentForm(), host.stage());
               }});
    forms.add(TaskFormKind::Zobr,
              {[&services, &results, &host, seed](const SeriesSetup& setup) -> std::unique_ptr<QWidget> {
                   const auto task = opticsTaskFromCode(setup.taskCode);
                   if (!task)
                       return nullptr;
                   return FrmZobr::open(services, results, setup, *task, opticsRandom(), seed,
                                        host.currentForm(), host.stage());
               }});
    forms.add(TaskFormKind::Dvojice,
              {[&services, &results, &host, seed](const SeriesSetup& setup) -> std::unique_ptr<QWidget> {
                   return FrmDvojice::open(services, results, setup, seed, host.currentForm(), host.stage());
               }});
    forms.add(TaskFormKind::Osa,
              {[&services, &results, &host, seed](const SeriesSetup& setup) -> std::unique_ptr<QWidget> {
                   const auto history = HistoryDeck::codeOf(setup.taskCode);
                   if (!history)
                       return nullptr;
                   return FrmOsa::open(services, results, setup, *history, seed, host.currentForm(), host.stage());
               }});
    auto printing = std::make_shared<WorksheetPrinting>(services, seed);
    forms.setPrinting([printing](const SeriesSetup& setup, QPrinter& printer, int copies) {
        return printing->print(setup, printer, copies);
    });
    return forms;
}

// ORBETA_BENCHMARK: the wall-clock time (ms since the epoch) at which the
// first window was painted, and when it is the menu (splash skipped) the
// resident memory then; the program then ends. True once reported.
bool g_benchmarkDone = false;

void reportStartUp(orbeta::ScreenHost& host, const orbeta::FrmSelect& menu)
{
    QObject::connect(&host, &orbeta::ScreenHost::framePainted, &host, [&host, &menu] {
        if (g_benchmarkDone)
            return;
        g_benchmarkDone = true;
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        std::printf("first-window %lld\n", static_cast<long long>(now));
        if (host.currentForm() == &menu)
            std::printf("menu %lld\n", static_cast<long long>(now));
        std::printf("rss-kb %ld\ncpu-ms %ld\n", residentKilobytes(), processorMilliseconds());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

// A setting of the environment the program cannot start with: said on
// standard error, and in a message box for whoever started it from the
// desktop menu, where nobody reads standard error.
int refuseToStart(int argc, char** argv, const QString& problem)
{
    std::fprintf(stderr, "orbeta: %s\n", problem.toLocal8Bit().constData());
    // A display, or a platform chosen outright (the offscreen one of scripted runs).
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                         || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!display)
        return 2;
    const orbeta::RuntimeDirectory runtime;
    if (!runtime.error().isEmpty())
        return 2;
    QApplication app(argc, argv);
    orbeta::DesktopServices services(qEnvironmentVariable("ORBETA_MESSAGEBOX"));
    services.showMessage(QStringLiteral("Chyba"), problem, orbeta::MessageIcon::Critical, orbeta::MessageButtons::Ok);
    return 2;
}

// Everything the program makes lives in here, so that it is all gone (the
// runtime folder last) before a terminating signal is raised again.
int runProgram(int argc, char** argv, const orbeta::LaunchOptions& options, const QString& messageScript)
{
    const orbeta::RuntimeDirectory runtime;
    if (!runtime.error().isEmpty()) {
        std::fprintf(stderr, "orbeta: %s\n", qPrintable(runtime.error()));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbeta Tarovia"));
    const orbeta::TerminationSignals terminationSignals;
    orbeta::QtTranslation qtTexts;
    qtTexts.install();

    orbeta::DesktopServices services(messageScript);
    ScenePaintLog paintLog;
    if (environmentFlag("ORBETA_FRAME_LOG"))
        app.installEventFilter(&paintLog);
    orbeta::ResultsForms results(services);
    // The task forms open on it; it goes, with every form on its stage,
    // before the results and services those forms use.
    orbeta::ScreenHost host;
    services.setWindow(&host);
    const orbeta::TaskForms taskForms = buildTaskForms(services, results, host, options.seed);

    auto* menu = new orbeta::FrmSelect(services, host.stage());
    if (options.benchmark)
        reportStartUp(host, *menu);
    const bool windowed = options.window || options.tour();
    if (!menu->load(host, windowed ? orbeta::DisplayChoice::Window : orbeta::DisplayChoice::FullScreen,
                    !options.skipSplash && !options.tour(), &orbeta::checkDataTables))
        return 1;
    // Ended while a start-up message was shown.
    if (orbeta::TerminationSignals::received() != 0)
        return 128 + orbeta::TerminationSignals::received();
    QObject::connect(menu, &orbeta::FrmSelect::taskChosen, menu,
                     [&services, &taskForms, menu] { orbeta::FrmSetup::open(services, taskForms, *menu, menu->chosenTaskCode()); });

    if (options.tour()) {
        menu->registerSymbolFont();
        orbeta::Tour tour;
        addTourStates(tour, services, taskForms, results);
        tour.start(host, options.tourDir);
        return app.exec();
    }
    // The splash may have been painted, and reported, while the menu was built.
    if (g_benchmarkDone)
        return 0;
    services.enableSounds();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const auto options =
        orbeta::LaunchOptions::parse(arguments, environmentFlag("ORBETA_SKIP_SPLASH"), environmentFlag("ORBETA_BENCHMARK"),
                                     qEnvironmentVariable("ORBETA_SEED"));
    if (const QString problem = orbeta::LaunchOptions::seedEnvironmentProblem(qEnvironmentVariable("ORBETA_SEED"));
        !problem.isEmpty())
        return refuseToStart(argc, argv, problem);
    if (!options) {
        std::fputs(qPrintable(orbeta::LaunchOptions::usage()), stderr);
        return 2;
    }
    using Request = orbeta::LaunchOptions::Request;
    if (options->request == Request::Help)
        return std::fputs(qPrintable(orbeta::LaunchOptions::help()), stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
    if (options->request == Request::Version)
        return std::fputs("orbeta " ORBETA_VERSION "\n", stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
    // The tour draws without a display and without waiting for a person.
    QString messageScript = qEnvironmentVariable("ORBETA_MESSAGEBOX");
    if (options->tour()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (messageScript.isEmpty())
            messageScript = QStringLiteral("no");
    }

    const int status = runProgram(argc, argv, *options, messageScript);
    orbeta::TerminationSignals::endBy(orbeta::TerminationSignals::received());
    return status;
}
