// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tables/MapFile.h"

#include "formats/LineCodec.h"

#include <QRect>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orbeta {
namespace {

// A coordinate: an optional sign and digits, surrounding blanks allowed.
std::optional<int> parseCoordinate(const QString& text)
{
    static const QRegularExpression kWhole(QStringLiteral(R"(^\s*[+-]?\d{1,9}\s*$)"));
    if (!kWhole.match(text).hasMatch())
        return std::nullopt;
    return text.trimmed().toInt();
}

int nearestPixel(double value)
{
    // Halfway values go to the even neighbour, as the conversion to whole
    // pixels has always done.
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

std::array<QPoint, CalcRoute::kPointCount> ResampleRoute(const std::array<QPoint, 4>& corners)
{
    constexpr int kLast = CalcRoute::kPointCount - 1;
    constexpr double kSegment = kLast / 3.0;
    std::array<QPoint, CalcRoute::kPointCount> points{};
    points[0] = corners[0];
    for (int s = 1; s <= 3; ++s) {
        const int first = nearestPixel((s - 1) * kSegment + 1);
        const int last = nearestPixel(s * kSegment);
        const QPoint from = corners[s - 1];
        const QPoint to = corners[s];
        for (int i = first; i <= last; ++i) {
            const double f = std::min(1.0, (i - (s - 1) * kSegment) / kSegment);
            points[i] = QPoint(nearestPixel(from.x() + (to.x() - from.x()) * f),
                               nearestPixel(from.y() + (to.y() - from.y()) * f));
        }
    }
    return points;
}

FileResult<CalcMap> ReadMapFile(const QByteArray& fileBytes, const QString& fileName)
{
    const QStringList lines = LineCodec::decodedLines(fileBytes);
    if (lines.size() > kMapCityCount)
        return FileError{fileName, kMapCityCount + 1,
                         QStringLiteral("mapa má len %1 mestá.").arg(kMapCityCount)};
    if (lines.size() < kMapCityCount)
        return FileError{fileName, int(lines.size()) + 1,
                         QStringLiteral("chýba mesto; mapa potrebuje %1 mestá.").arg(kMapCityCount)};

    CalcMap map;
    for (int city = 0; city < kMapCityCount; ++city) {
        const int line = city + 1;
        const QStringList fields = LineCodec::splitFields(lines.at(city));
        if (fields.value(0).trimmed().isEmpty())
            return FileError{fileName, line, QStringLiteral("chýba názov mesta.")};
        std::array<QPoint, 4> corners{};
        for (int p = 0; p < 4; ++p) {
            const int xField = 1 + 2 * p;
            if (fields.size() <= xField + 1)
                return FileError{fileName, line,
                                 QStringLiteral("chýbajú súradnice bodu %1.").arg(p + 1)};
            const std::optional<int> x = parseCoordinate(fields.at(xField));
            const std::optional<int> y = parseCoordinate(fields.at(xField + 1));
            if (!x || !y)
                return FileError{fileName, line,
                                 QStringLiteral("súradnice bodu %1 („%2“, „%3“) nie sú celé čísla.")
                                     .arg(p + 1)
                                     .arg(fields.at(xField), fields.at(xField + 1))};
            corners[p] = QPoint(*x, *y);
            if (!QRect(QPoint(0, 0), kMapPictureSize).contains(corners[p]))
                return FileError{fileName, line,
                                 QStringLiteral("bod %1 (%2, %3) leží mimo mapy %4 × %5 px.")
                                     .arg(p + 1)
                                     .arg(*x)
                                     .arg(*y)
                                     .arg(kMapPictureSize.width())
                                     .arg(kMapPictureSize.height())};
        }
        map[city].name = fields.at(0);
        map[city].points = ResampleRoute(corners);
    }
    return map;
}

} // namespace orbeta
