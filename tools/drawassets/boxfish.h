// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <functional>
#include <vector>

// The rigid box of bony plate the Trunkfish, the Spotted Trunkfish and the
// Cowfish share, and the painter that builds a fish round it.
namespace fishart {

// The three boxfish share one build, a rigid carapace of bony plates,
// triangular in section: a sharp ridge along the back and a flat belly
// between two keels. What tells them apart is the outline of the box, the
// pattern on it, the colour and the horns of the Cowfish.
struct Carapace
{
    // Corners of the box in side view, round from the mouth: up the forehead
    // to the brow, the peak of the back's ridge, the two rear corners where
    // the tail stalk leaves the box, the lowest point of the keel, the chin.
    QPointF mouth, brow, peak, rearTop, rearBottom, keel, chin;
    // How far the sides bow out between the corners: a humped back is fuller.
    double swell = 1.0;
    // How far back from the peak its rounding starts: an arched back, not a gable.
    double peakRound = 11.0;
    // How far back from each other corner its rounding starts.
    double corner = 11.0;

    QPointF eye() const { return brow + QPointF(30, 7); }
    // A point `t` of the way along the back (peak to rear) or along the keel.
    QPointF back(double t) const { return peak + (rearTop - peak) * t; }
    QPointF under(double t) const { return keel + (rearBottom - keel) * t; }
};

struct Boxfish
{
    Carapace box;
    QColor back, flank, belly, fin, ray, lips, iris;
    bool plates = false; // the honeycomb of plates shows through the pattern
};

// The outline of the box `c`, its sides swelling a little between rounded corners.
QPainterPath carapace(const Carapace &c);

// The outlines of the carapace's bony plates, each shrunk `shrink` of the
// way to its own seed.
std::vector<std::vector<QPointF>> plateCells(const Carapace &c, const QPainterPath &box,
                                             double shrink);

// The hard ridge along the hump of the back, `ridge` inside `box`: the
// narrow top face above it turned up to the light (`face`), its crest lit
// (`crest`, `crestWidth` wide) and the flank just under it, `drop` below, in
// `shade`.
void paintBackRidge(QPainter &p, const QPainterPath &box, const QPainterPath &ridge, QColor face,
                    QColor crest, double crestWidth, QColor shade, double drop);

// The flat belly face under the lower keel `keel`, turned away from the
// light: shaded from `upper` at height `from` to `lower` at `to`, the sharp
// edge between the faces catching a thin `crest` of light `crestWidth` wide.
void paintKeelFace(QPainter &p, const QPainterPath &box, const QPainterPath &keel, double from,
                   double to, QColor upper, QColor lower, QColor crest, double crestWidth);

// The faint relief of the carapace's plates under the pattern: each plate a
// low dome lit on its upper side, the fine grooves between them in shade,
// clearest on the lit upper slope and fading into the shade towards the
// keel; `strength` scales it to the skin it lies on.
void paintPlateRelief(QPainter &p, const Carapace &c, const QPainterPath &box, double strength);

// Paints the boxfish, its pattern by `marks` (given the box and the tail)
// before the shading.
void paintBoxfish(QPainter &p, const Boxfish &b,
                  const std::function<void(const QPainterPath &, const QPainterPath &)> &marks);

} // namespace fishart
