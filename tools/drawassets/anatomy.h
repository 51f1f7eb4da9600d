// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

// Details the boxfish, groupers, rays, eels and bottom dwellers draw their own way.
namespace anatomy {

// An eye as a field guide paints it: a rim of skin, a flecked iris of `iris`
// round a pupil `pupil` of the radius, shaded under the brow, and only a
// pinpoint of light.
void paintNaturalEye(QPainter &p, QPointF centre, double radius, QColor iris, double pupil = 0.5);

// A sharp tooth rooted at `root` in the upper jaw (`down` 1) or the lower
// (`down` -1), `length` long and curving back, towards +x.
void paintTooth(QPainter &p, QPointF root, double down, double length);

} // namespace anatomy
