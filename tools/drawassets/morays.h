// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// The moray both the Green and the Spotted Moray are drawn from.
namespace fishart {

// A moray reaching out of its hole with the mouth open. Both morays share the
// build; what tells them apart is the skin: one even colour, or pale under
// dense dark spots.
struct Moray
{
    QPainterPath neck; // from inside the hole to the back of the head
    double girth = 50.0;
    QPointF snout;     // tip of the upper jaw
    double size = 1.0; // head length, as a share of 90
    QColor back, belly;
    QColor spots = Qt::transparent;
    double jowl = 1.0;   // how far the throat and jaw muscles swell below
    QPainterPath den;    // the crevice the eel comes out of
    double length = 1.0; // how long the head is for its depth
    double bend = 0.0;   // where along the neck it bends most tightly, if it does
    double brow = 0.0;   // how much the snout and forehead are rounded out
};

// Paints the moray `m` coming out of its den, mouth open.
void paintMoray(QPainter &p, const Moray &m);

} // namespace fishart
