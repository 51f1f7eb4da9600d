// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QRadialGradient>
#include <QRandomGenerator>

// Morays peering out of the reef.

namespace fishart {

using namespace fishkit;

namespace {

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
};

void paintMoray(QPainter &p, const Moray &m)
{
    const auto at = [&m](double x, double y) { return m.snout + QPointF(x, y) * m.size; };
    const QPainterPath head =
        smoothClosedPath({at(0, 0), at(6, -10), at(20, -22), at(40, -28), at(64, -26), at(92, -18),
                          at(92, 26), at(60, 38), at(28, 36), at(16, 24), at(8, 10)});
    const QPainterPath eel = ribbon(m.neck, {m.girth, m.girth * 0.94}).united(head);
    const bool spotted = m.spots.alpha() > 0;
    const QColor line = m.belly.darker(180);

    // The dorsal fin runs as a low fold along the outside of the bend.
    const QPointF hole = m.neck.pointAtPercent(0);
    QPainterPath backSide(m.neck);
    backSide.lineTo(m.neck.pointAtPercent(1).x(), -10);
    backSide.lineTo(330, -10);
    backSide.lineTo(330, hole.y());
    const double g = m.girth;
    const QPainterPath dorsal =
        ribbon(m.neck, {g + 12, g + 12, g + 10, g}).intersected(backSide).subtracted(eel);
    p.fillPath(dorsal, withAlpha(m.back.lighter(108), 240));
    if (spotted)
        paintSpots(p, dorsal, 4.5, 0.8, 1.3, m.spots, 4601);
    stroke(p, dorsal, withAlpha(line, 150), 0.7);

    fillBody(p, eel, m.back.lighter(112), m.back, m.belly, 0.4);
    if (spotted) {
        paintSpots(p, eel, 4.4, 0.9, 1.6, m.spots, 46);
        paintSpots(p, eel, 6.5, 0.6, 1.0, m.spots.lighter(140), 4646);
    }
    {
        const Saved s(p);
        p.setClipPath(eel, Qt::IntersectClip);
        // Skin folds show on a plain moray's neck where it bends.
        for (int i = 0; i < (spotted ? 0 : 5); ++i) {
            const QPointF c = m.neck.pointAtPercent(0.45 + i * 0.1);
            stroke(p, curve(c + QPointF(-6, -18), c + QPointF(2, 0), c + QPointF(-6, 18)),
                   withAlpha(line, 80), 1.2);
        }
        shadeBody(p, eel, withAlpha(line, 170), 0.9);
        // Where the body goes back into the hole it falls into shadow.
        paintGlow(p, hole, g * 1.2, QColor(0, 0, 0, 235));
    }

    const QPointF upper = at(4, 3), corner = at(62, 13), lower = at(18, 27);
    p.fillPath(smoothClosedPath({upper, (upper + corner) / 2 + QPointF(0, 2), corner,
                                 (lower + corner) / 2 + QPointF(0, 1), lower, at(8, 16)}),
               QColor(110, 36, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 244));
    for (int i = 0; i < 6; ++i) {
        const double t = 0.08 + i * 0.14, fang = (6.0 - i * 0.5) * m.size;
        const QPointF up = upper + (corner - upper) * t + QPointF(0, 1.5);
        const QPointF low = lower + (corner - lower) * t + QPointF(0, -1);
        p.drawPolygon(
            QPolygonF({up + QPointF(-2.4, 0), up + QPointF(0.6, fang), up + QPointF(2.6, 0)}));
        p.drawPolygon(
            QPolygonF({low + QPointF(-2.2, 0), low + QPointF(0.8, -fang), low + QPointF(2.6, 0)}));
    }
    stroke(p, curve(at(66, 10), at(78, 18), at(88, 22)), withAlpha(line, 150), 1.0);
    // The gill opening is only a small hole behind the head.
    paintDisc(p, at(100, 24), 3.5 * m.size, 2.4 * m.size, line.darker(200));
    // The tubular front nostril and the small eye high on the head.
    stroke(p, curve(at(8, -6), at(6, -11), at(3, -14)), m.back.lighter(118), 2.6);
    paintEye(p, at(34, -10), 4.6, QColor(230, 200, 80));
}

// The moray's hole: dark inside, light catching the rock along its `rim`.
void paintHole(QPainter &p, const QPainterPath &mouth, const QPainterPath &rim)
{
    const QRectF r = mouth.boundingRect();
    QRadialGradient dark(r.center() + QPointF(0, r.height() * 0.1), r.width() / 2);
    dark.setColorAt(0, QColor(4, 8, 10));
    dark.setColorAt(0.78, QColor(22, 22, 22));
    dark.setColorAt(1, QColor(52, 46, 40));
    p.fillPath(mouth, dark);
    stroke(p, rim, QColor(174, 158, 128, 180), 2.4);
}

} // namespace

// Uniform green, peering from a hole in a boulder of the reef.
void paintGreenMoray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.55);
    paintSeaFan(p, QPointF(34, 196), 120, QColor(160, 70, 120));
    paintReefRock(p, Canvas::frame, 176);

    const QPainterPath boulder = smoothClosedPath(
        {{136, 250}, {146, 184}, {172, 128}, {220, 98}, {282, 90}, {332, 102}, {336, 250}});
    fillBody(p, boulder, QColor(140, 130, 108), QColor(100, 92, 78), QColor(56, 52, 48));
    {
        // Lumps of stone, encrusted with sponges and algae.
        const Saved s(p);
        p.setClipPath(boulder, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        QRandomGenerator rng(24);
        for (const QPointF &c : scatterPoints(boulder, 26, 24)) {
            const double r = 8 + rng.generateDouble() * 14;
            QRadialGradient lump(c - QPointF(r * 0.3, r * 0.4), r * 1.2);
            lump.setColorAt(0, QColor(150, 140, 118, 150));
            lump.setColorAt(1, QColor(70, 62, 56, 0));
            p.setBrush(lump);
            p.drawEllipse(c, r, r * 0.7);
        }
        const QColor tints[] = {{200, 120, 140}, {220, 170, 90}, {140, 170, 110}};
        for (const QPointF &c : scatterPoints(boulder, 70, 240)) {
            p.setBrush(withAlpha(tints[rng.bounded(3)], 170));
            // Drawn height first: the order the checked-in picture was made with.
            const double ry = 1.2 + rng.generateDouble() * 1.5;
            p.drawEllipse(c, 1.5 + rng.generateDouble() * 2, ry);
        }
    }
    shadeBody(p, boulder, QColor(60, 54, 46), 0.6);

    const QRectF hole(194, 130, 100, 80);
    QPainterPath lip;
    lip.arcMoveTo(hole, 195);
    lip.arcTo(hole, 195, 150);
    paintHole(p, oval(hole.center(), 50, 40), lip);

    QPainterPath neck(QPointF(252, 178));
    neck.cubicTo(QPointF(226, 168), QPointF(206, 108), QPointF(116, 112));
    paintMoray(p,
               Moray(neck, 54, QPointF(36, 112), 1.3, QColor(104, 148, 56), QColor(62, 100, 40)));
}

// Pale, covered with dense dark purple-brown spots, rising out of a hole in
// the reef: spots where the Green Moray is one plain colour.
void paintSpottedMoray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.45);
    paintReefRock(p, Canvas::frame, 112);
    paintCoralHead(p, QPointF(44, 124), 40, QColor(160, 150, 100));
    paintSeaFan(p, QPointF(292, 120), 100, QColor(160, 80, 140));

    const QPainterPath hole =
        smoothClosedPath({{168, 240}, {174, 186}, {204, 160}, {250, 156}, {284, 178}, {292, 240}});
    paintHole(p, hole, curveThrough({{170, 214}, {190, 172}, {236, 157}, {288, 196}}));

    QPainterPath neck(QPointF(232, 250));
    neck.cubicTo(QPointF(230, 170), QPointF(212, 108), QPointF(148, 104));
    paintMoray(p, Moray(neck, 50, QPointF(62, 98), 1.0, QColor(246, 238, 204),
                        QColor(226, 214, 168), QColor(74, 36, 52)));
    {
        // The front lip of the hole hides where the body goes in.
        const Saved s(p);
        p.setClipPath(smoothClosedPath(
                          {{150, 250}, {162, 228}, {196, 218}, {236, 216}, {274, 222}, {300, 250}}),
                      Qt::IntersectClip);
        paintReefRock(p, Canvas::frame, 112);
    }
    stroke(p, curve({166, 226}, {230, 208}, {290, 230}), QColor(40, 32, 28, 120), 2.0);
}

} // namespace fishart
