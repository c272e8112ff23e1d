// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/OpticsGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace orbeta {
namespace {

// Int(Rnd * k + c).
int intRnd(const OpticsRnd& rnd, double k, double c)
{
    return int(std::floor(rnd() * k + c));
}

constexpr int kMirrorLines[] = {29, 30}; // concave, convex
constexpr int kLensLines[] = {31, 32};   // converging, diverging

QString gamesPicture(const QString& name)
{
    return QStringLiteral("Bitmap\\Games\\") + name;
}

bool missing(QPoint p)
{
    return p == OpticsGeometry::kMissing;
}

// An object height from kMinObjectHeight to `maxHeight` above the axis.
int objectTopY(const OpticsRnd& rnd, int axisY, int maxHeight)
{
    return axisY - maxHeight + intRnd(rnd, maxHeight - OpticsGenerator::kMinObjectHeight + 1, 0);
}

} // namespace

bool OpticsGenerator::startsApart(const OpticsExample& e)
{
    const QPoint d = e.rayPoints[1][0] - e.rayPoints[2][0];
    return std::abs(d.x()) > kStartsApart || std::abs(d.y()) > kStartsApart;
}

QPointF OpticsGenerator::equationImage(const OpticsExample& e, QPoint pole, int focusX, bool bends)
{
    // Distances along the axis, positive in front of the mirror (towards the
    // object) and, for a lens, behind it (where a real image forms).
    const bool mirror = e.task == OpticsTask::Mirror;
    const double a = pole.x() - e.objectBase.x();
    const double f = (bends ? 1 : -1) * std::abs(double(pole.x() - focusX));
    if (a == f)
        return OpticsGeometry::kMissing;
    const double image = a * f / (a - f);
    const double height = e.objectBase.y() - e.objectTop.y();
    return {pole.x() + (mirror ? -image : image), e.objectBase.y() + height * image / a};
}

bool OpticsGenerator::agreesWithEquation(const OpticsExample& e, QPoint pole, int focusX, bool bends)
{
    const QPointF wanted = equationImage(e, pole, focusX, bends);
    const double distanceFromPole = std::abs(wanted.x() - pole.x());
    const QPointF off = QPointF(e.image) - wanted;
    return std::hypot(off.x(), off.y()) <= std::max(kImageSlack, kImageShare * distanceFromPole);
}

std::array<QPoint, 2> OpticsGenerator::TraceToMirror(QPoint start, QPoint direction, QPoint centre, int radius)
{
    return OpticsGeometry::IntersectLineCircle(centre, radius, start, direction);
}

QPoint OpticsGenerator::TraceToLens(QPoint start, QPoint direction, QPoint centre)
{
    if (start == centre || direction == centre)
        return centre;
    return OpticsGeometry::IntersectLines(start, direction, centre, centre - QPoint(0, 100));
}

std::optional<OpticsExample> OpticsGenerator::onMirror(const MirrorScenes& scenes, int slot, const OpticsRnd& rnd)
{
    const MirrorScene& s = scenes.slot[std::size_t(slot)];
    const bool concave = slot <= 3;
    OpticsExample e;
    e.task = OpticsTask::Mirror;
    e.kind = concave ? SceneKind::First : SceneKind::Second;
    e.sceneIndex = slot;
    e.pictureName = gamesPicture(s.bitmapName);
    e.axisStart = s.axisStart;
    e.centre = s.centre;
    e.focus = s.focus;
    e.assignmentLine = kMirrorLines[concave ? 0 : 1];
    e.rayGiven = {false, true, true, false};
    e.rayPoints.fill({OpticsGeometry::kMissing, OpticsGeometry::kMissing});

    // A concave mirror's object stands, in equal shares, beyond C (a smaller
    // real image), between C and F (a larger real image) or inside F (a
    // virtual image); a convex mirror's anywhere left of V. Never near F, C or V.
    int left = s.axisStart.x() + 10;
    int right = s.vertex.x();
    if (concave) {
        const int region = intRnd(rnd, 3, 0);
        const std::array<int, 4> bounds{left, s.centre.x(), s.focus.x(), s.vertex.x()};
        left = std::max(left, bounds[std::size_t(region)]);
        right = bounds[std::size_t(region) + 1];
    }
    int draws = 0;
    while (true) {
        int x = 0;
        bool tooClose = true;
        while (tooClose) {
            if (++draws > kMaxDraws)
                return std::nullopt;
            x = intRnd(rnd, right - left + 1, left);
            tooClose = std::abs(x - s.vertex.x()) <= kKeepAway
                       || (concave && (std::abs(x - s.focus.x()) <= kKeepAway || std::abs(x - s.centre.x()) <= kKeepAway));
        }
        e.objectBase = {x, s.axisStart.y()};
        e.objectTop = {x, objectTopY(rnd, s.axisStart.y(), s.maxObjectHeight)};

        // Ray 1 runs parallel to the axis and is reflected through F. Ray 2
        // runs towards C and comes back along itself; with a concave mirror's
        // object inside C it meets the mirror at V instead and leaves as its
        // mirror image in the axis.
        const auto parallel = TraceToMirror(e.objectTop, e.objectTop + QPoint(200, 0), s.centre, s.radius);
        const QPoint hit1 = concave ? parallel[0] : parallel[1];
        e.rayPoints[1] = {hit1, s.focus};
        e.secondRay = concave && x > s.centre.x() ? MirrorSecondRay::ToVertex : MirrorSecondRay::ThroughCentre;
        if (e.secondRay == MirrorSecondRay::ToVertex) {
            e.rayPoints[2] = {s.vertex, QPoint(x, 2 * s.axisStart.y() - e.objectTop.y())};
        } else {
            const auto towardsC = TraceToMirror(e.objectTop, s.centre, s.centre, s.radius);
            e.rayPoints[2] = {concave ? towardsC[0] : towardsC[1], s.centre};
        }
        const QPoint hit2 = e.rayPoints[2][0];
        e.image = OpticsGeometry::IntersectLines(hit1, e.rayPoints[1][1], hit2, e.rayPoints[2][1]);
        const bool onArc = std::abs(hit1.y() - s.axisStart.y()) <= kMirrorHalfHeight
                           && std::abs(hit2.y() - s.axisStart.y()) <= kMirrorHalfHeight;
        // The object stands in front of the arc, clear of it.
        const bool clearOfArc = hit1.x() - x > kKeepAway / 2;
        if (!missing(hit1) && !missing(hit2) && onArc && clearOfArc && startsApart(e) && e.image.x() > 0
            && e.image.x() < kArea.width() && e.image.y() > 0 && e.image.y() < kArea.height()
            && agreesWithEquation(e, s.vertex, s.focus.x(), concave))
            return e;
    }
}

std::optional<OpticsExample> OpticsGenerator::onLens(const LensScenes& scenes, int slot, const OpticsRnd& rnd)
{
    const LensScene& s = scenes.slot[std::size_t(slot)];
    const bool converging = slot == 1;
    OpticsExample e;
    e.task = OpticsTask::Lens;
    e.kind = converging ? SceneKind::First : SceneKind::Second;
    e.sceneIndex = slot;
    e.pictureName = gamesPicture(converging ? QStringLiteral("Spojka.bmp") : QStringLiteral("Rozptylk.bmp"));
    e.axisStart = s.axisStart;
    e.centre = s.centre;
    e.focus = s.objectFocus;
    e.assignmentLine = kLensLines[converging ? 0 : 1];
    e.rayGiven = {false, true, true, false};
    e.rayPoints.fill({OpticsGeometry::kMissing, OpticsGeometry::kMissing});
    // The image-side focus is the converging lens's (slot 1) own.
    const QPoint imageFocus = scenes.slot[1].imageFocus;

    const int left = s.axisStart.x() + 10;
    int draws = 0;
    while (true) {
        int x = 0;
        bool accepted = false;
        while (!accepted) {
            if (++draws > kMaxDraws)
                return std::nullopt;
            x = intRnd(rnd, s.centre.x() - left + 1, left);
            e.objectTop = {x, objectTopY(rnd, s.axisStart.y(), s.maxObjectHeight)};
            const int f = s.centre.x() - s.objectFocus.x();
            const int a = s.centre.x() - x;
            // An object in the focus has its image at infinity.
            if (a - f == 0)
                continue;
            const float imageDistance = float(f) * float(a) / float(a - f);
            accepted = std::abs(x - s.centre.x()) > kKeepAway && std::abs(x - s.objectFocus.x()) > kKeepAway
                       && imageDistance < float(kArea.width()) / 2;
        }
        e.objectBase = {x, s.axisStart.y()};
        const QPoint top = e.objectTop;

        const QPoint hit1 = TraceToLens(top, top + QPoint(200, 0), s.centre);
        const QPoint out1 = converging ? imageFocus : 2 * hit1 - s.objectFocus;
        const QPoint hit2 = TraceToLens(top, s.centre, s.centre);
        const QPoint out2 = 2 * hit2 - top;
        e.rayPoints[1] = {hit1, out1};
        e.rayPoints[2] = {hit2, out2};
        const QPoint third = converging ? s.objectFocus : top + QPoint(100, 0);
        e.thirdRayHit = OpticsGeometry::IntersectLines(top, third, s.centre, s.centre - QPoint(0, 100));
        e.image = OpticsGeometry::IntersectLines(hit1, out1, hit2, out2);
        const QPoint h = e.thirdRayHit;
        const QPoint i = e.image;
        if (startsApart(e) && h.x() >= 1 && h.x() < kArea.width() && h.y() >= 41 && h.y() < kArea.height() - 40 && i.x() >= 1
            && i.x() < kArea.width() && i.y() >= 1 && i.y() < kArea.height()
            && agreesWithEquation(e, s.centre, s.objectFocus.x(), converging))
            return e;
    }
}

FileResult<OpticsExample> OpticsGenerator::GenerateExample(const OpticsRnd& rnd)
{
    if (m_sceneKind == SceneKind::None)
        m_sceneKind = SceneKind(intRnd(rnd, 2, 1));
    m_sceneKind = m_sceneKind == SceneKind::First ? SceneKind::Second : SceneKind::First;
    const bool first = m_sceneKind == SceneKind::First;

    auto failed = [](const QString& file, int line) {
        return FileError{file, line,
                         QStringLiteral("v tejto scéne sa ani po %1 pokusoch nedá postaviť predmet s viditeľným "
                                        "obrazom; opravte súradnice.")
                             .arg(kMaxDraws)};
    };
    if (const auto* mirrors = std::get_if<MirrorScenes>(&m_scenes)) {
        const int slot = first ? intRnd(rnd, 3, 1) : intRnd(rnd, 3, 4);
        if (auto e = onMirror(*mirrors, slot, rnd))
            return *e;
        return failed(mirrors->fileName, mirrors->slot[std::size_t(slot)].line);
    }
    const auto& lenses = *std::get_if<LensScenes>(&m_scenes);
    const int slot = first ? 1 : 2;
    if (auto e = onLens(lenses, slot, rnd))
        return *e;
    return failed(lenses.fileName, lenses.slot[std::size_t(slot)].line);
}

} // namespace orbeta
