#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace orbeta::cli {

// The "--data DIR" option of the commands that read the data directory. When
// it is not given, the installation's own data directory is used: key HD of
// section TRV in Orbeta.ini, found in $ORBETA_WINDIR when set, otherwise next
// to the executable (the build tree) or in the installed share directory.
class DataDirOption {
public:
    struct Result {
        QString dir;    // an existing directory, when status is Ok
        int status = 0; // a cli::Status; when not Ok the message is already on stderr
    };

    // Takes "--data DIR" (or "--data=DIR") out of `args`, leaving the rest,
    // and finds the directory: takeOption followed by resolve.
    static Result take(QStringList& args);

    // The two steps of take, for commands that check the rest of their
    // arguments before looking at the disk.
    struct Option {
        std::optional<QString> given;
        int status = 0; // BadUsage, with the message on stderr, when malformed
    };
    static Option takeOption(QStringList& args);
    static Result resolve(const std::optional<QString>& given);

    // The value of HD in section TRV, read with the rules of the system's INI
    // reader: section and key names case-insensitive, ";" comment lines,
    // blanks around names and values dropped. Empty when missing or empty.
    static std::optional<QString> hdFromIni(const QByteArray& iniBytes);
};

} // namespace orbeta::cli
