// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

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

// The long head of a moray, snout at the origin: low over the snout, rising
// behind the small eye into the bulging jaw muscles, as deep at the back as
// the neck (`r` is half that depth).
QPainterPath morayHead(double r)
{
    return smoothClosedPath({{0, -1},
                             {7, -0.38 * r},
                             {22, -0.58 * r},
                             {44, -0.98 * r},
                             {68, -1.2 * r},
                             {96, -1.04 * r},
                             {96, r},
                             {72, 1.1 * r},
                             {48, 0.94 * r},
                             {24, 0.66 * r},
                             {7, 0.42 * r},
                             {0, 0.16 * r}});
}

void paintMoray(QPainter &p, const Moray &m)
{
    const double r = m.girth / 2 / m.size;
    const auto at = [&m](double x, double y) { return m.snout + QPointF(x, y) * m.size; };
    QTransform place;
    place.translate(m.snout.x(), m.snout.y());
    place.scale(m.size, m.size);
    const QPainterPath head = place.map(morayHead(r));
    const QPainterPath eel = ribbon(m.neck, {m.girth * 0.96, m.girth, m.girth * 1.14}).united(head);
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
        // Skin folds on the throat and where the neck bends.
        for (int i = 0; i < 4; ++i)
            stroke(p, curve(at(58 + i * 9, 0.55 * r), at(62 + i * 9, 0.8 * r), at(60 + i * 9, r)),
                   withAlpha(line, 70), 1.0);
        for (int i = 0; i < (spotted ? 0 : 5); ++i) {
            const QPointF c = m.neck.pointAtPercent(0.45 + i * 0.1);
            stroke(p, curve(c + QPointF(-6, -18), c + QPointF(2, 0), c + QPointF(-6, 18)),
                   withAlpha(line, 50), 1.2);
        }
        // The bulge of the jaw muscles behind the eye.
        paintGlow(p, at(66, -0.45 * r), 18 * m.size, withAlpha(m.back.lighter(140), 110));
        shadeBody(p, eel, withAlpha(line, 170), 0.9);
        // Where the body goes back into the hole it falls into shadow.
        paintGlow(p, hole, g * 1.2, QColor(0, 0, 0, 235));
    }

    // The long gape, held a little open as a moray breathes, reaching well
    // behind the eye; a row of small sharp teeth along each jaw.
    const QPointF corner = at(58, 0.22 * r);
    const QPointF upper = at(3, 0.1 * r), lower = at(6, 0.4 * r);
    p.fillPath(smoothClosedPath({upper, at(30, 0.12 * r), corner, at(30, 0.42 * r), lower}),
               QColor(96, 30, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 232, 210));
    for (int i = 0; i < 7; ++i) {
        const double t = 0.07 + i * 0.11, tooth = (2.2 - i * 0.15) * m.size;
        const QPointF up = upper + (corner - upper) * t + QPointF(0, 0.6);
        const QPointF low = lower + (corner - lower) * t - QPointF(0, 0.6);
        p.drawPolygon(
            QPolygonF({up - QPointF(1.1, 0), up + QPointF(0.3, tooth), up + QPointF(1.1, 0)}));
        p.drawPolygon(
            QPolygonF({low - QPointF(1.1, 0), low + QPointF(0.3, -tooth), low + QPointF(1.1, 0)}));
    }
    // Lips along both jaws, and the jaw line running on past the corner.
    stroke(p, curveThrough({upper, at(30, 0.1 * r), corner}), m.back.darker(150), 1.2);
    stroke(p, curveThrough({lower, at(30, 0.44 * r), corner}), m.back.lighter(115), 1.4);
    stroke(p, curve(corner, at(66, 0.3 * r), at(74, 0.5 * r)), withAlpha(line, 170), 1.1);
    // The gill opening is only a small hole behind the head.
    paintDisc(p, at(104, 0.35 * r), 2.0 * m.size, 1.5 * m.size, withAlpha(line.darker(150), 150));
    // The tubular front nostrils at the tip and the rear one over the eye.
    stroke(p, curve(at(5, -0.25 * r), at(3, -0.45 * r), at(0, -0.6 * r)), line, 2.4 * m.size);
    paintDisc(p, at(24, -0.5 * r), 1.2 * m.size, 1.0 * m.size, line.darker(160));
    paintEye(p, at(31, -0.3 * r), 3.1 * m.size, QColor(200, 180, 90));
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
    neck.cubicTo(QPointF(226, 168), QPointF(216, 108), QPointF(150, 112));
    paintMoray(p,
               Moray(neck, 62, QPointF(30, 112), 1.3, QColor(104, 148, 56), QColor(62, 100, 40)));
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
    neck.cubicTo(QPointF(230, 170), QPointF(222, 100), QPointF(150, 98));
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
