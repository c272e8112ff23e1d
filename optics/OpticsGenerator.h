// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "optics/OpticsExample.h"
#include "optics/OpticsScene.h"

#include <QPointF>
#include <QSize>

#include <functional>
#include <optional>
#include <variant>

namespace orbeta {

// Uniform in [0, 1); the program injects its seeded source.
using OpticsRnd = std::function<double()>;

// The examples of one optics series. The first example's kind is drawn, then
// the kinds alternate. A draw that gives no visible image is repeated; a
// scene where no draw succeeds within kMaxDraws is an error naming its file
// and line, so that a damaged scene file never hangs the program.
class OpticsGenerator {
public:
    // The drawing area `Pic`; the scene pictures are drawn at this size.
    static constexpr QSize kArea{620, 340};
    static constexpr int kMaxDraws = 20000;
    static constexpr int kMinObjectHeight = 40;
    // An object never stands this close to F, C, V or O.
    static constexpr int kKeepAway = 15;
    // The two ray starts lie farther apart than this in one axis at least:
    // a press near one start must never delete or start the other ray.
    static constexpr int kStartsApart = 12;
    // The mirror pictures draw the arc this far above and below the axis; a
    // given ray must meet the mirror where the pupil can see it.
    static constexpr int kMirrorHalfHeight = 140;
    // A teacher checks an image with 1/f = 1/a + 1/a'. The construction on
    // the mirror's arc and on whole pixels lands beside that point (most of
    // all on a convex mirror near its vertex, where the two rays meet at a
    // narrow angle); an example whose image lies farther than kImageSlack px,
    // or kImageShare of a', from it is drawn again.
    static constexpr double kImageSlack = 5;
    static constexpr double kImageShare = 0.04;

    explicit OpticsGenerator(MirrorScenes scenes) : m_scenes(std::move(scenes)) {}
    explicit OpticsGenerator(LensScenes scenes) : m_scenes(std::move(scenes)) {}

    FileResult<OpticsExample> GenerateExample(const OpticsRnd& rnd);

    // One example on the mirror of `slot` (concave for 1 to 3), or nothing
    // after kMaxDraws draws.
    static std::optional<OpticsExample> onMirror(const MirrorScenes& scenes, int slot, const OpticsRnd& rnd);
    static std::optional<OpticsExample> onLens(const LensScenes& scenes, int slot, const OpticsRnd& rnd);

    // The incident ray from `start` towards `direction` meets the mirror
    // circle (S1, S2) or the lens plane through `centre`.
    static std::array<QPoint, 2> TraceToMirror(QPoint start, QPoint direction, QPoint centre, int radius);
    static QPoint TraceToLens(QPoint start, QPoint direction, QPoint centre);

private:
    static bool startsApart(const OpticsExample& e);
    // Where 1/f = 1/a + 1/a' puts the image of the example's object: `pole`
    // is the vertex V of a mirror or the centre O of a lens, `focusX` the x
    // of F (the object-side focus of a lens); `bends` is true for a concave
    // mirror or a converging lens.
    static QPointF equationImage(const OpticsExample& e, QPoint pole, int focusX, bool bends);
    static bool agreesWithEquation(const OpticsExample& e, QPoint pole, int focusX, bool bends);

    std::variant<MirrorScenes, LensScenes> m_scenes;
    SceneKind m_sceneKind = SceneKind::None;
};

} // namespace orbeta
