// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fishkit.h"

#include <functional>

// The one build the wrasses and parrotfish share, drawn by parrotfish.cpp
// and used by it and by wrasses.cpp.
namespace fishart::labrid {

using namespace fishkit;

// Parrotfish are wrasses with a beak; one build with long low dorsal and anal
// fins, a crescent tail and big scales serves both. Transparent `teeth`
// leaves the wrasse's fleshy lips.
struct Wrasse
{
    BodyShape shape;
    QColor back, flank, belly, fin, ray, teeth, iris;
    QPointF tail{56, 112}; // length and span
    double notch = 0.28;
    double dorsalFrom = 0.3, analFrom = 0.6;
    double lift = 0.16; // height of the dorsal and anal fins, as a share of the depth
    double pectoralAt = 0.37;
    QPointF eye{0.2, -0.42};
    QColor pectoralTip{};   // a dark tip on the pectoral fin; none if invalid
    bool ownScales = false; // the species lays its own scale rows with its marks
    double beak = 0.21;     // depth of the tooth plates, share of the depth
    QColor lips{};          // the lips over the tooth plates; the skin's if invalid
    QColor pectoralEdge{};  // a margin on the pectoral fin; none if invalid
    double modelling = 1.0; // how strongly the body is shaded round
    int spines = 9;         // dorsal spines, and the soft rays behind them
    int softRays = 10;
    bool ownFins = false; // the species draws its own dorsal and anal fins, behind the body
};

struct WrasseParts
{
    QPainterPath body;
    Fin tail, dorsal, anal;
};

// Each scale of `shape` (rows `size` long) tinted its own way, by up to
// `strength` of `cool` or `warm`, as large scales catch the light: so that a
// plain-coloured body is not one smooth gradient.
void tintScales(QPainter &p, const BodyShape &shape, double size, QColor cool, QColor warm,
                double strength);

// Paints the fish, its colour pattern by `marks` before the shading.
void paintWrasse(QPainter &p, const Wrasse &f,
                 const std::function<void(const WrasseParts &)> &marks);

} // namespace fishart::labrid
