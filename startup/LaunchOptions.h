// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace orbeta {

// The command line of the program.
struct LaunchOptions {
    // --help and --version answer and end the program before anything starts.
    enum class Request { Run, Help, Version };

    Request request = Request::Run;
    bool window = false;     // --window: a plain 640 x 480 window, no full screen
    bool skipSplash = false; // --no-splash or ORBETA_SKIP_SPLASH=1: straight to the menu
    bool benchmark = false;  // ORBETA_BENCHMARK=1: report start-up timings and quit
    QString tourDir;         // --tour DIR: write every screen to DIR and quit
    // --seed S or ORBETA_SEED=S: example k of every series (from 0) is made
    // from seed S + k, as `orbeta-cli examples CODE --seed S` makes it.
    std::optional<std::uint64_t> seed;

    bool tour() const { return !tourDir.isEmpty(); }

    // Empty on a bad command line; `arguments` excludes the program name.
    static std::optional<LaunchOptions> parse(const QStringList& arguments, bool skipSplashFromEnvironment,
                                              bool benchmarkFromEnvironment,
                                              const QString& seedFromEnvironment = QString());

    // Why ORBETA_SEED cannot be used, naming the variable and its value, in
    // Slovak for a message box; empty when it can (or is not set).
    static QString seedEnvironmentProblem(const QString& seedFromEnvironment);

    static QString usage();
    // What --help prints: every option and environment variable.
    static QString help();
};

} // namespace orbeta
