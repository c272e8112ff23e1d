// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/OpticsSceneFile.h"

#include "formats/LineCodec.h"
#include "formats/SlovakCount.h"
#include "optics/OpticsGenerator.h"
#include "optics/OpticsGeometry.h"

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <optional>

namespace orbeta {
namespace {

constexpr int kNumbers = 10;
// Whole pixels: the vertex may lie a pixel or two off the circle the radius gives.
constexpr int kRadiusSlack = 2;

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

const QSize kArea = OpticsGenerator::kArea;

bool inArea(QPoint p)
{
    return p.x() >= 0 && p.x() < kArea.width() && p.y() >= 0 && p.y() < kArea.height();
}

QString pointText(QPoint p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// Where the object may stand: from 10 px right of the axis start up to `right`,
// never within kKeepAway of the points given.
bool objectHasRoom(int axisStartX, int right, std::initializer_list<int> awayFrom)
{
    for (int x = axisStartX + 10; x <= right; ++x) {
        bool clear = true;
        for (int point : awayFrom)
            clear = clear && std::abs(x - point) > OpticsGenerator::kKeepAway;
        if (clear)
            return true;
    }
    return false;
}

// The axis, its start and the object's height, common to mirrors and lenses.
std::optional<QString> axisProblem(QPoint axisStart, int maxObjectHeight)
{
    if (!inArea(axisStart))
        return QStringLiteral("začiatok osi %1 leží mimo plochy %2 × %3 px.")
            .arg(pointText(axisStart))
            .arg(kArea.width())
            .arg(kArea.height());
    if (maxObjectHeight < OpticsGenerator::kMinObjectHeight || maxObjectHeight > axisStart.y())
        return QStringLiteral("najväčšia výška predmetu %1 px má byť od %2 px po výšku osi nad okrajom plochy (%3 px).")
            .arg(maxObjectHeight)
            .arg(OpticsGenerator::kMinObjectHeight)
            .arg(axisStart.y());
    return std::nullopt;
}

// A point of the scene: on the axis and, where the pupil sees it, inside the area.
std::optional<QString> pointProblem(const QString& name, QPoint p, int axisY, bool seen)
{
    if (p.y() != axisY)
        return QStringLiteral("bod %1 %2 neleží na osi (y = %3).").arg(name, pointText(p)).arg(axisY);
    if (seen && !inArea(p))
        return QStringLiteral("bod %1 %2 leží mimo plochy %3 × %4 px.")
            .arg(name, pointText(p))
            .arg(kArea.width())
            .arg(kArea.height());
    if (std::abs(p.x()) > OpticsGeometry::kReach)
        return QStringLiteral("bod %1 %2 leží ďalej ako %3 px od okraja plochy.")
            .arg(name, pointText(p))
            .arg(OpticsGeometry::kReach);
    return std::nullopt;
}

std::optional<QString> firstProblem(std::initializer_list<std::optional<QString>> problems)
{
    for (const std::optional<QString>& problem : problems)
        if (problem)
            return problem;
    return std::nullopt;
}

// The light comes from the left: a concave mirror has C, then F, then V; a
// convex one V, then F and C behind it, C out of sight when it must be.
std::optional<QString> mirrorProblem(const MirrorScene& s, bool concave)
{
    const int y = s.axisStart.y();
    if (auto problem = firstProblem({axisProblem(s.axisStart, s.maxObjectHeight),
                                     pointProblem(QStringLiteral("C"), s.centre, y, concave),
                                     pointProblem(QStringLiteral("F"), s.focus, y, true),
                                     pointProblem(QStringLiteral("V"), s.vertex, y, true)}))
        return problem;
    const int c = s.centre.x();
    const int f = s.focus.x();
    const int v = s.vertex.x();
    if (concave ? !(c < f && f < v) : !(v < f && f < c))
        return concave ? QStringLiteral("duté zrkadlo má mať na osi zľava C, F, V; má C = %1, F = %2, V = %3.").arg(c).arg(f).arg(v)
                       : QStringLiteral("vypuklé zrkadlo má mať na osi zľava V, F, C; má V = %1, F = %2, C = %3.").arg(v).arg(f).arg(c);
    // The picture draws the arc of this radius around C through V.
    if (s.radius <= 0 || std::abs(std::abs(v - c) - s.radius) > kRadiusSlack)
        return QStringLiteral("polomer %1 px nezodpovedá vzdialenosti C a V (%2 px).").arg(s.radius).arg(std::abs(v - c));
    const bool room = concave ? objectHasRoom(s.axisStart.x(), f, {f, c}) : objectHasRoom(s.axisStart.x(), v, {v});
    if (!room)
        return QStringLiteral("medzi začiatkom osi a bodom %1 nie je miesto pre predmet.")
            .arg(concave ? QStringLiteral("F") : QStringLiteral("V"));
    return std::nullopt;
}

// The light comes from the left: the object-side focus, then O, then (the
// converging lens's) image-side focus.
std::optional<QString> lensProblem(const LensScene& s, bool converging)
{
    const int y = s.axisStart.y();
    if (auto problem = firstProblem({axisProblem(s.axisStart, s.maxObjectHeight),
                                     pointProblem(QStringLiteral("F"), s.objectFocus, y, true),
                                     pointProblem(QStringLiteral("O"), s.centre, y, true)}))
        return problem;
    if (converging)
        if (auto problem = pointProblem(QStringLiteral("F'"), s.imageFocus, y, true))
            return problem;
    const int f = s.objectFocus.x();
    const int o = s.centre.x();
    if (!(f < o) || (converging && !(o < s.imageFocus.x())))
        return QStringLiteral("šošovka má mať na osi zľava F, O, F'; má F = %1, O = %2, F' = %3.")
            .arg(f)
            .arg(o)
            .arg(s.imageFocus.x());
    if (!objectHasRoom(s.axisStart.x(), o, {o, f}))
        return QStringLiteral("medzi začiatkom osi a bodom O nie je miesto pre predmet.");
    return std::nullopt;
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
        if (const auto problem = mirrorProblem(scenes.slot[std::size_t(n)], n <= 3))
            return FileError{fileName, n, *problem};
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
        if (const auto problem = lensProblem(scenes.slot[std::size_t(n)], n == 1))
            return FileError{fileName, n, *problem};
    }
    return scenes;
}

} // namespace orbeta
