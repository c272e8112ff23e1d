// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace orbeta {

enum class StartUpFailure {
    None,
    ConfigurationMissing, // no Orbeta.ini, or it lacks TRV/CD or TRV/HD
    DataFilesMissing,
    ResourceFilesMissing,
    FontsMissing, // a file of the program's type could not be loaded
    DataFileUnusable,     // a data file is there, but what it holds cannot be used
};

// The decisions of start-up before anything is loaded: which directories the
// configuration names and which of the checks fails first. The order of the
// checks fixes which message the pupil sees when several things are wrong.
class StartUpCheck {
public:
    // Whether `name` (with "\" separators) exists as a file inside `dir`.
    using FileExists = std::function<bool(const QString& dir, const QString& name)>;

    // Key TRV/TAB names a read-only folder of the tables (the package's);
    // without it they are in the data directory with the pupils' files.
    struct Result {
        StartUpFailure failure = StartUpFailure::None;
        QString resourceDir; // always ends in a separator when set
        QString dataDir;     // TRV/HD: the rankings and the results log
        QString tableDir;    // TRV/TAB, or else the data directory
        // What the message names under its text: the configuration file and
        // its missing key, or every missing file with its folder.
        QStringList details;
    };

    static const QStringList& requiredTableFiles();
    static const QStringList& requiredDataFiles();
    static const QStringList& requiredResourceFiles();

    // `iniBytes` is empty when Orbeta.ini does not exist; `iniPath` is where
    // it was looked for.
    static Result check(const std::optional<QByteArray>& iniBytes, const FileExists& exists,
                        const QString& iniPath = QStringLiteral("Orbeta.ini"));

    static QString messageText(StartUpFailure failure);
    static QString messageTitle();
};

} // namespace orbeta
