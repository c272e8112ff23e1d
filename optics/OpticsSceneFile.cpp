#include "optics/OpticsSceneFile.h"

#include "shell/LineCodec.h"
#include "shell/SlovakCount.h"

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>

namespace orbeta {
namespace {

constexpr int kNumbers = 10;

// A decimal number, converted to whole pixels as the readers always did
// (halfway to the even neighbour).
std::optional<int> wholeNumber(const QString& text)
{
    static const QRegularExpression kNumber(QStringLiteral(R"(^\s*[+-]?\d{1,6}(\.\d*)?\s*$)"));
    if (!kNumber.match(text).hasMatch())
        return std::nullopt;
    return int(std::nearbyint(text.trimmed().toDouble()));
}

struct SceneLine {
    QString text;
    std::array<int, kNumbers> numbers{};
};

// The decoded lines of the file, `slotCount` of them, each as its text and numbers.
FileResult<std::array<SceneLine, 7>> readLines(const QByteArray& bytes, const QString& fileName, int slotCount)
{
    const QStringList lines = LineCodec::decodedLines(bytes);
    if (lines.size() != slotCount)
        return FileError{fileName, int(std::min<qsizetype>(lines.size(), slotCount)) + 1,
                         QStringLiteral("súbor má mať %1 so scénami, má %2.").arg(SlovakCount::of(slotCount, u"riadok", u"riadky", u"riadkov")).arg(lines.size())};
    std::array<SceneLine, 7> out{};
    for (int n = 1; n <= slotCount; ++n) {
        const QStringList fields = LineCodec::splitFields(lines.at(n - 1));
        if (fields.size() < 2 + kNumbers)
            return FileError{fileName, n, QStringLiteral("chýbajú čísla scény (treba %1).").arg(kNumbers)};
        out[std::size_t(n)].text = fields.at(1).trimmed();
        for (int k = 0; k < kNumbers; ++k) {
            const std::optional<int> value = wholeNumber(fields.at(2 + k));
            if (!value)
                return FileError{fileName, n,
                                 QStringLiteral("pole %1 („%2“) nie je číslo.").arg(k + 1).arg(fields.at(2 + k))};
            out[std::size_t(n)].numbers[std::size_t(k)] = *value;
        }
    }
    return out;
}

} // namespace

FileResult<MirrorScenes> OpticsSceneFile::ReadMirrorScenes(const QByteArray& fileBytes, const QString& fileName)
{
    const auto lines = readLines(fileBytes, fileName, MirrorScenes::kSlots);
    if (!lines)
        return lines.error();
    MirrorScenes scenes;
    scenes.fileName = fileName;
    for (int n = 1; n <= MirrorScenes::kSlots; ++n) {
        const SceneLine& l = lines.value()[std::size_t(n)];
        const auto& a = l.numbers;
        if (l.text.isEmpty())
            return FileError{fileName, n, QStringLiteral("chýba meno obrázka zrkadla.")};
        scenes.slot[std::size_t(n)] = MirrorScene{l.text, {a[0], a[1]}, {a[2], a[3]}, {a[4], a[5]}, {a[6], a[7]},
                                                  a[8], a[9], n};
    }
    return scenes;
}

FileResult<LensScenes> OpticsSceneFile::ReadLensScenes(const QByteArray& fileBytes, const QString& fileName)
{
    const auto lines = readLines(fileBytes, fileName, LensScenes::kSlots);
    if (!lines)
        return lines.error();
    LensScenes scenes;
    scenes.fileName = fileName;
    for (int n = 1; n <= LensScenes::kSlots; ++n) {
        const SceneLine& l = lines.value()[std::size_t(n)];
        const auto& a = l.numbers;
        scenes.slot[std::size_t(n)] =
            LensScene{l.text, {a[0], a[1]}, {a[2], a[3]}, {a[4], a[5]}, {a[6], a[7]}, a[8], n};
    }
    return scenes;
}

} // namespace orbeta
