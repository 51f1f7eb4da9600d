// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fishkit.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <vector>

// The build the butterflyfish share and the parts of their plates that more
// than one of them wears.
namespace fishart {

// What sets one butterflyfish's outline apart: the disc and its snout, the
// height of the spines and of the soft fins that wrap round the rear.
struct ButterflyForm
{
    fishkit::BodyShape shape;
    double spiny = 0.18; // height of the dorsal spines, share of the depth
    double soft = 0.22;  // height of the soft dorsal and anal fins
    double wrap = 0.32;  // height of their rear corners above and below the midline
    fishkit::TailKind tail = fishkit::TailKind::Rounded;
    QPointF tailSize{38, 56};
    double shoulder = 0.76; // how far back the soft fins keep their full height
    double eyeAt = 0.17;
    int spines = 12; // dorsal spines; the rest of its 34 rays are soft
};

// A dorsal or anal fin through `points` (the front of its base, its free
// edge, the rear of its base) with `spines` spines and `softRays` soft rays.
// A butterflyfish's spines stand in the membrane rather than above it, so
// the margin runs on as one smooth curve over spines and soft rays alike.
fishkit::Fin wholeFin(const std::vector<QPointF> &points, int spines, int softRays);

// The butterflyfish: a compressed disc with a pointed snout, a dorsal fin of
// stout spines running on into a broad soft fin, and soft dorsal and anal
// fins wrapping round the rear of the body to a small tail.
fishkit::Build butterfly(const ButterflyForm &f);

// Fine dark lines along the rows of scales, slanting up towards the tail;
// with `chevron` those below the midline slant back down to meet them at
// mid-side in points facing the head, otherwise a line runs on through from
// belly to back. The rows follow the disc: they bend to run along the back
// and belly, crowd together towards the rim as the side turns away, and
// fade out there, on the head and at the tail root. They are pigment, not
// ruled lines: each one thins and breaks along its length. Laid on the skin
// before the body is shaded, so they round off with it. With `within`, only
// the parts that lie in it.
void paintSlants(QPainter &p, const fishkit::Build &b, QColor colour, double width, bool chevron,
                 const QPainterPath &within = {});

// Where the rays of `f` end: its own tips, or for a fin built without them
// `rays` spread evenly along its edge.
std::vector<QPointF> rayTips(const fishkit::Fin &f, int rays);

// The line of a bar from the nape down through the eye to the throat,
// bending with the head.
QPainterPath eyeBarLine(QPointF eye);

// The spiny part of a dorsal fin `f` drawn over its membrane and whatever
// pigment lies on it: stout spines that taper to free points.
void paintSpineRow(QPainter &p, const fishkit::Fin &f, const QPainterPath &body, QColor spine);

// Gill cover, mouth, paired fins and eye of a butterflyfish. Its opercle
// lies under thin smooth skin: one clean curved edge from behind the eye
// down to the throat, with a soft shadow behind it, and no plates.
void paintButterflyFront(QPainter &p, const fishkit::Build &b, const fishkit::Livery &look);

} // namespace fishart
