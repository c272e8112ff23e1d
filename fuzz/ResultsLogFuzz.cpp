// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Vysledky.dat": the results log read back for orbeta-cli results and report.
#include "fuzz/FuzzCheck.h"

#include "results/log/ResultsLogFormat.h"

namespace {

QList<orbeta::results::ResultsLogEntry> rewritten(const QList<orbeta::results::ResultsLogEntry>& entries)
{
    QByteArray bytes;
    for (const orbeta::results::ResultsLogEntry& e : entries)
        bytes += e.toBytes();
    const auto read = orbeta::results::ResultsLogFormat::parse(bytes);
    orbeta::fuzz::require(read.skipped.isEmpty() && read.entries.size() == entries.size(),
                          "a rewritten log reads back whole");
    return read.entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta::results;
    const ResultsLogContents contents = ResultsLogFormat::parse(orbeta::fuzz::bytesOf(data, size));
    // Every record says where it begins, in order; skipped runs are named in order, never overlap and lie inside the file.
    int previous = 0;
    // Lines end at CR LF, LF or a lone CR.
    const QByteArray bytes = orbeta::fuzz::bytesOf(data, size);
    const int lines = int(bytes.count('\n') + bytes.count('\r') - bytes.count("\r\n")) + 1;
    for (const SkippedLines& s : contents.skipped) {
        orbeta::fuzz::require(s.first > previous && s.first <= s.wrongLine && s.wrongLine <= s.last && s.last <= lines,
                              "skipped lines are in order and inside the file");
        previous = s.last;
    }
    int begun = 0;
    for (const ResultsLogEntry& e : contents.entries) {
        orbeta::fuzz::require(e.line > begun && e.line <= lines, "records begin in order inside the file");
        begun = e.line;
    }
    // What the writer makes of an entry it reads back unchanged (the first
    // writing may clean a name of characters a line must not hold).
    const QList<ResultsLogEntry> once = rewritten(contents.entries);
    const QList<ResultsLogEntry> twice = rewritten(once);
    for (qsizetype i = 0; i < once.size(); ++i) {
        const ResultsLogEntry& a = once[i];
        const ResultsLogEntry& b = twice[i];
        orbeta::fuzz::require(a.name == b.name && a.topic == b.topic && a.taskTitle == b.taskTitle && a.mark == b.mark
                                  && a.date == b.date && a.time == b.time && a.correct == b.correct
                                  && a.wrong == b.wrong && a.exampleCount == b.exampleCount,
                              "a rewritten entry reads back the same");
    }
    return 0;
}
