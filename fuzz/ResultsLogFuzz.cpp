// "Vysledky.dat": the results log read back for orbeta-cli results.
#include "fuzz/FuzzCheck.h"

#include "results/ResultsLogFormat.h"

namespace {

QList<orbeta::results::ResultsLogEntry> rewritten(const QList<orbeta::results::ResultsLogEntry>& entries)
{
    QByteArray bytes;
    for (const orbeta::results::ResultsLogEntry& e : entries)
        bytes += e.toBytes();
    const auto read = orbeta::results::ResultsLogFormat::parse(bytes, QStringLiteral("Vysledky.dat"));
    orbeta::fuzz::require(read.ok() && read.value().size() == entries.size(), "a rewritten log reads back whole");
    return read.value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta::results;
    const auto entries = ResultsLogFormat::parse(orbeta::fuzz::bytesOf(data, size), QStringLiteral("Vysledky.dat"));
    if (!entries)
        return 0;
    // What the writer makes of an entry it reads back unchanged (the first
    // writing may clean a name of characters a line must not hold).
    const QList<ResultsLogEntry> once = rewritten(entries.value());
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
