// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Commands.h"
#include "cli/StandardOutput.h"

#include "files/SafeFile.h"
#include "formats/Cp1250.h"
#include "formats/LineCodec.h"


#include <cstdio>

namespace orbeta::cli {
namespace {

// How the messages name standard input ("Súbor „-“ (štandardný vstup): …").
const QString kStandardInput = QStringLiteral("„-“ (štandardný vstup)");

} // namespace

// decode FILE: the scrambled windows-1250 lines of FILE (- for standard
// input, with the same size limit) as UTF-8 lines.
int decodeCommand(const QStringList& args)
{
    if (args.size() != 1)
        return fail(BadUsage, QStringLiteral("usage: orbeta-cli decode FILE|-"));
    const FileResult<QByteArray> bytes =
        args.at(0) == QLatin1String("-")
            ? SafeFile::readStream(stdin, kStandardInput, FileKind::DataTable)
            : SafeFile::read(args.at(0), FileKind::DataTable);
    if (!bytes)
        return fail(BadFile, bytes.error().message());
    StandardOutput out;
    for (const QString& line : LineCodec::decodedLines(bytes.value()))
        out.write(line + QLatin1Char('\n'));
    return out.finish();
}

// encode [--seed S] [IN [OUT]]: UTF-8 lines (standard input by default) to a
// scrambled windows-1250 file with CR LF (standard output by default).
int encodeCommand(const QStringList& args)
{
    std::uint32_t seed = 1;
    QStringList paths;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--seed")) {
            bool ok = false;
            seed = i + 1 < args.size() ? args.at(i + 1).toUInt(&ok) : 0;
            if (!ok)
                return fail(BadUsage, QStringLiteral("--seed potrebuje celé číslo."));
            ++i;
        } else {
            paths.append(args.at(i));
        }
    }
    if (paths.size() > 2)
        return fail(BadUsage, QStringLiteral("usage: orbeta-cli encode [--seed S] [IN [OUT]]"));

    const QString inName = paths.value(0, kStandardInput);
    const FileResult<QByteArray> input = paths.isEmpty()
                                             ? SafeFile::readStream(stdin, inName, FileKind::DataTable)
                                             : SafeFile::read(inName, FileKind::DataTable);
    if (!input)
        return fail(BadFile, input.error().message());
    QByteArray utf8 = input.value();
    // Windows editors start UTF-8 files with a byte-order mark.
    if (utf8.startsWith("\xEF\xBB\xBF"))
        utf8.remove(0, 3);
    const QString text = QString::fromUtf8(utf8);
    if (text.toUtf8() != utf8)
        return fail(BadFile, FileError{inName, 0, QStringLiteral("nie je text v UTF-8.")}.message());
    const QStringList lines = LineCodec::splitLines(text);
    for (qsizetype n = 0; n < lines.size(); ++n)
        for (const QChar c : lines.at(n))
            if (!Cp1250::canEncode(c))
                return fail(BadFile, FileError{inName, int(n + 1),
                                               QStringLiteral("znak „%1“ sa nedá uložiť v kódovaní windows-1250.")
                                                   .arg(QString(c))}
                                         .message());

    const QByteArray encoded = LineCodec::encodeFile(lines, seed);
    if (paths.size() == 2) {
        const FileOutcome written = SafeFile::write(paths.at(1), encoded);
        return written.ok() ? Ok : fail(BadFile, QStringLiteral("Nedá sa zapísať: %1").arg(written.error));
    }
    StandardOutput out;
    out.write(encoded);
    return out.finish();
}

} // namespace orbeta::cli
