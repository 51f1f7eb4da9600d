// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

class QPainter;

// What the stingrays and the eagle ray share.
namespace fishart::rays {

// The pelvic fins behind the disc, two separate lobes either side of the
// tail's root, the right one through `right` and the left its mirror image.
QPainterPath pelvicPair(std::initializer_list<QPointF> right);

// The serrated venomous spine, lying flat along the top of the tail from
// `root` towards `to`: a slim blade of horn-coloured bone whose fine teeth
// point back towards the root, set off from the skin by its own thin shadow;
// `bone` is the colour of its bare blade.
void paintSting(QPainter &p, QPointF root, QPointF to, double length, QColor edge,
                QColor bone = QColor(222, 214, 188));

// A ray lying on the bottom casts no shadow apart from itself: the sand only
// darkens in a narrow soft band where the rim of `shape` meets it, a little
// deeper on the side turned `away` from the light.
void paintContactShadow(QPainter &p, const QPainterPath &shape, QPointF away);

} // namespace fishart::rays
