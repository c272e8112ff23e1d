// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileOutcome.h"
#include "formats/FileResult.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

namespace orbeta {

// What a file holds, which bounds the size worth reading: a damaged or
// foreign file must not make the program read gigabytes.
enum class FileKind {
    Settings,  // Orbeta.ini, Znamky.dat
    DataTable, // the stored tables and texts, and what encode and decode read
    Ranking,   // a task's ranking (*.res)
    ResultsLog, // Vysledky.dat, which grows by every series of a school
};

// Where appended bytes begin: at the very end, or on a line of their own
// when the file ends without a line end (a record torn by a crash); a lone
// CR, as a file saved on another system ends, is a line end.
enum class AppendAt { End, NewLine };

// Every file access of the program and the command line that a pupil or a
// teacher can aim at something odd: only regular files are read, nothing is
// written through a link, and a file is replaced whole or not at all.
class SafeFile {
public:
    static qint64 sizeLimit(FileKind kind);

    // A temporary file of a write untouched for longer than this is a
    // leftover of a writer that was ended, removed by the next write.
    static constexpr int kStaleTemporarySeconds = 10 * 60;

    // The bytes of a regular file (a link to one is followed) no larger than
    // the kind allows. A directory, a device, a FIFO (never waited on) or a
    // file too large is an error naming the file.
    static FileResult<QByteArray> read(const QString& path, FileKind kind);

    // At most the first `most` bytes of a regular file, whatever its size.
    static FileResult<QByteArray> readStart(const QString& path, qint64 most);

    // The rest of an open stream (standard input), no more than the kind allows.
    static FileResult<QByteArray> readStream(std::FILE* stream, const QString& name, FileKind kind);

    // True only when nothing is at `path`, not even a dangling link, and its
    // directory can be listed (names are looked up in any case); false when
    // it cannot be told, so that an unreadable directory is an error, not empty.
    static bool isAbsent(const QString& path);

    // Replaces the file atomically through a temporary file beside it, the
    // commit checked: on any failure the old file stays whole. Temporary
    // files of earlier writes of the same file, left by a writer that was
    // ended, are removed once stale. A link or
    // anything but a regular file at `path` is refused, never followed.
    static FileOutcome write(const QString& path, const QByteArray& bytes);

    // Adds the bytes at the end, all of them or none: a failed write is cut
    // back. Creates the file; refuses a link or anything but a regular file.
    static FileOutcome append(const QString& path, const QByteArray& bytes, AppendAt at = AppendAt::End);
};

} // namespace orbeta
