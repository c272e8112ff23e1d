// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orbeta::cli {

// The "--data DIR" option of the commands that read the data directory. When
// it is not given, the installation's own folders are used, as the Orbeta.ini
// the program itself reads (WindowsDirectory) names them in section TRV: the
// tables in key TAB (or HD without it), the rankings and the results log in
// HD. A folder given with --data holds both.
class DataDirOption {
public:
    enum class Holding { Tables, Results };

    struct Result {
        QString dir;    // an existing directory, when status is Ok
        int status = 0; // a cli::Status; when not Ok the message is already on stderr
    };

    // Takes "--data DIR" (or "--data=DIR") out of `args`, leaving the rest,
    // and finds the directory: takeOption followed by resolve.
    static Result take(QStringList& args, Holding holding = Holding::Tables);

    // The two steps of take, for commands that check the rest of their
    // arguments before looking at the disk.
    struct Option {
        std::optional<QString> given;
        int status = 0; // BadUsage, with the message on stderr, when malformed
    };
    static Option takeOption(QStringList& args);
    static Result resolve(const std::optional<QString>& given, Holding holding);

};

} // namespace orbeta::cli
