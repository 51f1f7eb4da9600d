// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>
#include <tuple>

class QPainter;

// The reef rock the morays hide in.
namespace fishart::reefrock {

// A mass of reef rock through `points`, its skyline broken at more than one
// scale into knobs, ledges and notches, as a heap of old coral is, never a
// smooth dome.
QPainterPath lumpyOutline(std::initializer_list<QPointF> points, quint32 seed);

// A mass of reef rock: old coral blocks cemented together, each lit on its
// upper face and shaded under its overhang, the lower ones standing in front
// of those above, pitted by borers and crusted with algae and sponge. The
// same `seed` paints the same stone, so a part of it can be laid over the eel.
void paintBoulder(QPainter &p, const QPainterPath &boulder, quint32 seed);

// Living coral heads grown on the rock, each `r` wide at `base` on its upper
// face: low domes lit from above, brain coral with its meandering valleys or
// star coral with its separate cups.
void paintCoralKnobs(QPainter &p, std::initializer_list<std::tuple<QPointF, double, QColor>> heads,
                     quint32 seed);

// A crevice in the boulder that falls away into darkness: the overhang
// above throws its shadow in, and the light reaches only the floor near the lower lip.
void paintCrevice(QPainter &p, const QPainterPath &opening);

// The overhanging brow of rock above the crevice: a worn ledge along
// `ledge` casting a soft shadow down into `opening`.
void paintBrow(QPainter &p, const QPainterPath &opening, const QPainterPath &ledge);

// The near rim of the crevice, the stone in front of the eel's body on the
// far side of the line `lip` (towards `away`, below it unless told), laid
// over the eel with its shadow on it.
void paintLip(QPainter &p, const QPainterPath &boulder, quint32 seed, const QPainterPath &opening,
              const QPainterPath &lip, QPointF away = QPointF(0, 80));

} // namespace fishart::reefrock
