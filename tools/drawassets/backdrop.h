// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRectF>

#include <initializer_list>

class QPainter;
class QPainterPath;

// Shared scenery and anatomy for the fish painters, so that the water and the
// bottom are drawn one way for every picture and the painters only draw what
// is theirs.
namespace backdrop {

// The kinds of water a scene is set in: clear blue over the reef, the deeper
// blue offshore, green coastal water, bright shallows under the surface, the
// dark of a drop-off and the pale water of a lagoon. ByDepth picks one from
// the depth.
enum class Water { ByDepth, Open, Blue, Coastal, Shallow, Deep, Lagoon };
// Water of `kind` filling `area`, lit from the surface on one side. `depth`
// 0 is shallow and bright, 1 is deep and dark.
void paintWater(QPainter &p, const QRectF &area, double depth = 0.4, Water kind = Water::ByDepth);
// The colour of the water already painted behind `at`, so that whatever stands
// in it far off takes that water's colour, green or blue, and not a stock blue.
QColor waterBehind(const QPainter &p, QPointF at);
// The soft shadow a fish swimming over the bottom casts on it at y = `floor`,
// from the outline of its `body`.
void paintCastShadow(QPainter &p, const QPainterPath &body, double floor);
// A sand bottom from `top` down to the bottom of `area`: rippled sand, sand
// strewn with rubble, a seagrass bed or hard bottom, as the place has it.
// `variant`, when given, picks the bottom and its lie for a picture of its
// own; otherwise both follow from `top`.
void paintSand(QPainter &p, const QRectF &area, double top, int variant = -1);
// Tufts of turtle grass over a sand bottom from `top` to the bottom of `area`.
void paintSeagrass(QPainter &p, const QRectF &area, double top, quint32 seed);
// Broken coral and shell scattered over a sand bottom.
void paintRubbleScatter(QPainter &p, const QRectF &area, double top, quint32 seed);
// Flat patches of algae-turfed limestone with sand in the hollows.
void paintHardBottom(QPainter &p, const QRectF &area, double top, quint32 seed);
// A boulder coral head `radius` wide standing on y = base.y(), with polyp texture.
void paintCoralHead(QPainter &p, QPointF base, double radius, QColor colour);
// Sand seen straight from above, filling `area`: ripple crests `ripple` apart
// (about 10 cm on a real bottom, so they tell how large the fish on them is),
// with grains and a few shell fragments.
void paintSeabed(QPainter &p, const QRectF &area, double ripple);
// Sand seen from above worked over by burrowing shrimps and worms: low
// mounds of ejected sand, each with its hole, and the pits between them,
// sized against `scale` (what paintSeabed takes as the ripple spacing).
void paintBurrows(QPainter &p, const QRectF &area, double scale, quint32 seed);
// Broken shell and coral grit strewn over sand seen from above.
void paintShellHash(QPainter &p, const QRectF &area, double scale, quint32 seed);
// A school of `count` French grunts, each about `length` long, swimming to the
// left some way off within `region`: a yardstick a diver knows for a very
// large fish, hazed by the water between.
void paintGruntSchool(QPainter &p, const QRectF &region, double length, int count, quint32 seed);
// A few jacks far below a fish seen from above, heading `heading` degrees
// from the left, each about `length` long.
void paintJacksFromAbove(QPainter &p, const QRectF &region, double length, int count,
                         double heading, quint32 seed);
// The reef far off on the horizon at y = `horizon`, only a darker shade of the water.
void paintDistantReef(QPainter &p, const QRectF &area, double horizon);
// A clump of tube sponges about `radius` across standing on `base`, turned `fog`
// (0..1) of the way to the water's colour by the distance.
void paintTubeSponges(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog);
// A low heap of broken coral, with a fuzz of algae on some pieces.
void paintRubbleMound(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog);
// A thicket of finger coral: blunt, knobbly fingers standing close together.
void paintFingerCoral(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog);
// Lettuce or sheet coral: thin, ridged shelves stacked in tiers on a dark foot.
void paintPlateCoral(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                     double fog);
// A barrel sponge: a squat, ridged vase with a dark open top.
void paintBarrelSponge(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                       double fog);
// A few branching sea rods, round-stemmed and bushy, `height` tall.
void paintSeaRods(QPainter &p, QPointF base, double height, QColor colour, quint32 seed);
// A sea fan rising from `base` to the given height.
void paintSeaFan(QPainter &p, QPointF base, double height, QColor colour);
// A rocky reef band from `top` down to the bottom of `area`, with crevices for
// morays to peer out of.
void paintReefRock(QPainter &p, const QRectF &area, double top);

// A closed smooth outline through the points (a Catmull-Rom spline), for bodies and fins.
QPainterPath smoothClosedPath(const QPointF *points, int count);
QPainterPath smoothClosedPath(std::initializer_list<QPointF> points);
// An open quadratic curve from a to b, bent towards c.
QPainterPath curve(QPointF a, QPointF c, QPointF b);
// Draws `path` as a round-capped line, leaving the painter as it was.
void stroke(QPainter &p, const QPainterPath &path, const QColor &colour, double width);
QColor withAlpha(QColor colour, int alpha);
// `a` turned `t` of the way to `b`, opaque.
QColor blend(QColor a, QColor b, double t);

} // namespace backdrop
