// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fishkit.h"

#include <vector>

// Broad dark bands laid across a butterflyfish's disc and on out over its soft
// fins, as the Banded Butterfly wears them.
namespace fishart {

// The line of one band across the disc of `b`, from where it meets the dorsal
// fin `top` of the length along to where it meets the anal fin at `bottom`,
// running on out along the fins' rays.
QPainterPath bandLine(const fishkit::Build &b, double top, double bottom);

// A band of pigment `widths` wide along `spine`, clipped to `area`, shading
// from `top` to `bottom`.
void paintPigmentBand(QPainter &p, const QPainterPath &area, const QPainterPath &spine,
                      const std::vector<double> &widths, QColor top, QColor bottom);

} // namespace fishart
