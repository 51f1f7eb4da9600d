// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fishkit.h"

// The one build the angelfish share, and the marks they have in common.
namespace fishart::angelkit {

using namespace fishkit;

// What sets one angelfish's outline apart: the disc, how tall the soft
// dorsal and anal fins stand, where their trailing points end and the tail.
struct AngelForm
{
    BodyShape shape;
    double lobe = 0.28;     // height of the soft dorsal and anal fins, share of the depth
    QPointF trail{40, 0.5}; // the points' reach behind the tail root, and their height
                            // above (and below) the midline as a share of the depth
    double corner = 0;      // height of the fins' rear corners, from which a thin
                            // filament trails; 0 for fins tapering into a point
    TailKind tail = TailKind::Rounded;
    QPointF tailSize{44, 66}; // length and span
    double notch = 0.15;
    double filament = 0; // how far the pelvic fins trail out past their tips
    QColor spine{};      // the preopercle spine
    int spines = 14;     // dorsal spines standing free of the membrane
    double slender = 0;  // how narrow the trailing points are drawn out, 0 broad
};

// The angelfish: a tall disc whose steep, blunt forehead ends in a short snout
// with the small mouth low on it, a dorsal fin low and spiny in front and a
// tall soft lobe behind that sweeps back into a trailing point, an anal fin
// mirroring it, long pointed pelvic fins and a rounded pectoral.
Build angel(const AngelForm &f);

// A wash of `colour` fading out from `centre`, inside `area` only.
void glow(QPainter &p, const QPainterPath &area, QPointF centre, double radius, QColor colour);

// The pale skin of an angelfish's muzzle and chin in `pale`, `scale` times
// the French Angelfish's: clouded rather than one smooth patch, and flecked
// with `fleck` more thickly towards its edge, where it breaks up into the
// darker head.
void paleMuzzle(QPainter &p, const Build &a, QColor pale, QColor fleck, double scale);

// Thin streamers trailing from the rear corners of the dorsal and anal fins
// of `a`, built from `form`, thinning to their ends.
void paintStreamers(QPainter &p, const Build &a, const AngelForm &form, QColor colour);

// The strip either side of the body's rim where the dorsal and anal fins of
// `a` grow out of it, `reach` wide on each side.
QPainterPath finRoots(const Build &a, double reach);

// An angelfish's soft fins are the body drawn out thin: its colour runs on
// over the join and fades into the fin, so no edge shows where they meet.
void blendFinRoots(QPainter &p, const Build &a, QColor colour, double reach);

} // namespace fishart::angelkit
