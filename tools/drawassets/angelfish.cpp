// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>
#include <QRadialGradient>

// Angelfish: tall discs with trailing fin points.

namespace fishart {

using namespace fishkit;

namespace {

// The disc all four share. The dorsal and anal fins sweep back from the
// nape and the belly to points trailing behind the tail root at `tip` (the
// dorsal's; the anal's mirrors it), so short points or long streamers are
// the one difference in build besides the tail.
Build angel(QPointF tip, TailKind tailKind)
{
    Build a;
    a.shape = {.snout = {58, 126},
               .length = 176,
               .depth = 132,
               .deepestAt = 0.46,
               .bluntness = 0.6,
               .stalk = 0.24,
               .back = 0.5};
    a.body = discOutline(a.shape);
    a.eye = {90, 104};
    const auto mirrored = [](QPointF q) { return QPointF(q.x(), 250 - q.y()); };
    const QPointF front(104, 72);
    const QPointF rise(124, 44);
    const QPointF crest(168, 28);
    const QPointF back(214, 32);
    const QPointF under(246, 80);
    const QPointF rear(232, 108);
    a.dorsal = fin(front, {rise, crest, back, tip, under}, rear);
    a.anal = fin(mirrored(front),
                 {mirrored(rise), mirrored(crest), mirrored(back), mirrored(tip), mirrored(under)},
                 mirrored(rear));
    a.caudal = tail(tailKind, {230, 125}, 30, 46, 64, 0.15);
    a.pectoral = fin({122, 124}, {{146, 112}, {166, 120}, {150, 138}}, {124, 134});
    a.pelvic = fin({104, 172}, {{102, 204}, {116, 224}}, {124, 176});
    return a;
}

// Gill cover, mouth, the fins in front of the body and the eye.
void paintFace(QPainter &p, const Build &a, QColor pectoral, QColor pelvic, QColor ray, QColor iris)
{
    stroke(p, curveThrough({{104, 80}, {118, 120}, {104, 164}}), withAlpha(ray, 180), 1.2);
    stroke(p, curve({58, 127}, {63, 131}, {70, 130}), QColor(40, 40, 45), 1.3);
    paintFin(p, a.pectoral, pectoral, ray, 8);
    paintFin(p, a.pelvic, pelvic, ray, 4);
    paintEye(p, a.eye, 7.0, iris);
}

} // namespace

// Black, every scale edged in yellow so the body looks speckled; a yellow
// ring round the eye, yellow bars at the gill cover and the pectoral base, a
// pale muzzle and a pale rim round the tail.
void paintFrenchAngelfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);
    paintReefRock(p, Canvas::frame, 205);
    paintSeaFan(p, QPointF(36, 230), 110, QColor(170, 70, 150));
    paintCoralHead(p, QPointF(262, 236), 50, QColor(170, 130, 90));

    const Build a = angel({296, 38}, TailKind::Rounded);
    const QColor black(22, 22, 26, 245);
    const QColor yellow(240, 200, 40);
    const QColor ray(70, 70, 70, 170);
    paintFin(p, a.caudal, black, ray, 14);
    edgeFin(p, a.caudal, QColor(235, 225, 170), 6);
    for (const Fin *f : {&a.dorsal, &a.anal}) {
        paintFin(p, *f, black, ray, 24);
        paintScales(p, f->shape, 7.5, withAlpha(yellow, 110), 0.9);
    }

    fillBody(p, a.body, QColor(30, 30, 34), QColor(18, 18, 22), QColor(34, 34, 38));
    paintScales(p, a.body, 8.5, withAlpha(yellow, 190), 1.1);
    {
        // The scales stop at the face, which is plain dark with a pale muzzle.
        const Saved s(p);
        p.setClipPath(a.body, Qt::IntersectClip);
        p.fillPath(
            smoothClosedPath({{50, 128}, {80, 90}, {110, 78}, {116, 112}, {110, 152}, {84, 164}}),
            QColor(26, 26, 30));
        QRadialGradient muzzle(QPointF(62, 130), 17);
        muzzle.setColorAt(0.0, QColor(225, 225, 215));
        muzzle.setColorAt(0.5, QColor(190, 190, 180, 200));
        muzzle.setColorAt(1.0, QColor(190, 190, 180, 0));
        p.fillRect(Canvas::frame, muzzle);
        stroke(p, curve({118, 80}, {130, 116}, {120, 154}), yellow, 3.5);
    }
    shadeBody(p, a.body, QColor(10, 10, 12), 0.6);

    p.setPen(QPen(yellow, 3.0));
    p.setBrush(yellow);
    p.drawEllipse(QPointF(123, 129), 3.6, 6.0);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(a.eye, 8.5, 8.5);
    paintFace(p, a, QColor(40, 40, 40, 200), QColor(22, 22, 26, 240), withAlpha(yellow, 190),
              QColor(180, 140, 40));
}

// A blue-green disc of yellow-rimmed scales with a blue-ringed crown on the
// forehead, long trailing points with electric-blue edges, and a bright
// yellow tail and pectoral fins.
void paintQueenAngelfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.4);
    paintCoralHead(p, QPointF(40, 250), 70, QColor(190, 120, 90));
    paintSeaFan(p, QPointF(300, 240), 120, QColor(130, 60, 150));

    const Build a = angel({294, 16}, TailKind::Rounded);
    const QColor yellow(250, 200, 20, 250);
    const QColor blue(60, 170, 255);
    paintFin(p, a.caudal, yellow, QColor(220, 160, 0, 170), 14);
    for (const Fin *f : {&a.dorsal, &a.anal}) {
        paintFin(p, *f, QColor(46, 128, 130, 240), QColor(240, 170, 40, 200), 28);
        edgeFin(p, *f, QColor(240, 170, 40, 200), 8);
        edgeFin(p, *f, blue, 4);
    }

    fillBody(p, a.body, QColor(30, 100, 130), QColor(50, 140, 140), QColor(100, 160, 120));
    paintScales(p, a.body, 9, QColor(240, 200, 45, 200), 1.3);
    {
        // The face is plainer and bluer than the scaled body.
        const Saved s(p);
        p.setClipPath(a.body, Qt::IntersectClip);
        QRadialGradient face(QPointF(78, 126), 42);
        face.setColorAt(0, QColor(70, 150, 200, 220));
        face.setColorAt(1, QColor(70, 150, 200, 0));
        p.fillRect(Canvas::frame, face);
    }
    shadeBody(p, a.body, QColor(20, 60, 80), 0.7);

    p.setPen(QPen(blue, 2));
    p.setBrush(QColor(20, 40, 90));
    p.drawEllipse(QPointF(122, 130), 7, 9);
    // The crown: a dark spot ringed in blue and dotted with blue.
    QPainterPath crown;
    crown.addEllipse(QPointF(112, 76), 10, 9);
    p.setPen(QPen(blue, 3));
    p.setBrush(QColor(15, 25, 60));
    p.drawPath(crown);
    paintSpots(p, crown, 4.5, 1.0, 1.2, QColor(80, 190, 255), 19);
    stroke(p, curveThrough({{106, 86}, {116, 116}, {104, 164}}), blue, 2.2);
    paintFace(p, a, yellow, yellow, QColor(200, 140, 0, 170), QColor(60, 150, 200));
    stroke(p, a.pelvic.edge, blue, 1.4);
}

// Bright yellow head, front and tail; the large rear of the body and most of
// both fins black; blue over the eye and on the lips.
void paintRockAngelBeauty(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.4);
    paintReefRock(p, Canvas::frame, 206);
    paintSeaFan(p, QPointF(34, 222), 170, QColor(170, 80, 150));
    paintCoralHead(p, QPointF(290, 226), 44, QColor(160, 140, 90));

    const Build a = angel({272, 62}, TailKind::Truncate);
    const QColor yellow(255, 204, 20, 245);
    const QColor ray(200, 130, 0, 170);
    paintFin(p, a.caudal, yellow, ray, 14);
    for (const Fin *f : {&a.dorsal, &a.anal})
        paintFin(p, *f, yellow, ray, 22);

    fillBody(p, a.body, QColor(250, 196, 10), QColor(255, 204, 20), QColor(255, 226, 90));
    paintScales(p, a.body, 8, QColor(210, 150, 0, 110));
    // The black starts just behind the gill cover and takes in most of both fins.
    const QPainterPath all = a.body.united(a.dorsal.shape).united(a.anal.shape);
    const QPainterPath black =
        smoothClosedPath(
            {{146, 10}, {128, 70}, {120, 125}, {128, 180}, {146, 240}, {310, 240}, {310, 10}})
            .intersected(all);
    QRadialGradient shade(QPointF(196, 104), 110);
    shade.setColorAt(0, QColor(52, 52, 66));
    shade.setColorAt(0.6, QColor(26, 26, 36));
    shade.setColorAt(1, QColor(12, 12, 18));
    p.fillPath(black, shade);
    paintScales(p, black.intersected(a.body), 8, QColor(80, 80, 100, 110));
    for (const Fin *f : {&a.dorsal, &a.anal})
        edgeFin(p, *f, QColor(250, 110, 30), 3);
    shadeBody(p, a.body, QColor(40, 30, 10), 0.6);

    // Blue lips, the blue patch over the eye and the blue-tinged cheek spine.
    p.fillPath(smoothClosedPath({{57, 124}, {62, 118}, {70, 118}, {72, 126}, {66, 132}, {59, 131}}),
               QColor(80, 110, 190));
    p.fillPath(smoothClosedPath({{78, 100}, {82, 88}, {92, 84}, {102, 90}, {104, 100}, {91, 95}}),
               QColor(40, 110, 240));
    p.fillPath(smoothClosedPath({{98, 152}, {124, 156}, {100, 160}}), QColor(90, 120, 210));
    paintFace(p, a, QColor(255, 230, 110, 200), yellow, ray, QColor(60, 120, 230));
}

// A grey disc freckled all over by dark scale centres, with a pale grey to
// white mouth and a squared-off tail with a pale rim. Its dorsal streamer is
// grey like the fin: a yellow one would make it a French Angelfish.
void paintGrayAngelfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.45);
    paintReefRock(p, Canvas::frame, 210);
    paintSeaFan(p, QPointF(300, 226), 170, QColor(120, 60, 140));
    paintCoralHead(p, QPointF(24, 230), 40, QColor(150, 150, 100));

    const Build a = angel({268, 38}, TailKind::Truncate);
    const QColor grey(96, 100, 108, 250);
    const QColor ray(40, 40, 46, 140);
    paintFin(p, a.caudal, grey, ray, 14);
    edgeFin(p, a.caudal, QColor(236, 238, 240), 7);
    stroke(p, curve({264, 38}, {282, 34}, {298, 48}), QColor(100, 104, 112), 1.8);
    for (const Fin *f : {&a.dorsal, &a.anal})
        paintFin(p, *f, grey, ray, 22);

    fillBody(p, a.body, QColor(104, 108, 116), QColor(146, 150, 156), QColor(158, 162, 166));
    QPainterPath face;
    face.addEllipse(QPointF(70, 120), 42, 60);
    const QPainterPath freckled =
        a.body.united(a.dorsal.shape).united(a.anal.shape).subtracted(face);
    paintSpots(p, freckled, 7.5, 1.8, 2.3, QColor(44, 48, 56, 160), 34);
    shadeBody(p, a.body, QColor(40, 42, 48), 0.8);

    // The pale mouth and chin.
    p.fillPath(smoothClosedPath({{55, 124}, {60, 112}, {72, 108}, {82, 120}, {78, 136}, {62, 142}}),
               QColor(226, 228, 226));
    p.fillPath(smoothClosedPath({{96, 156}, {122, 160}, {98, 164}}), QColor(90, 94, 100));
    paintFace(p, a, QColor(130, 134, 140, 200), QColor(90, 94, 100, 220), QColor(50, 50, 56, 160),
              QColor(190, 170, 90));
}

} // namespace fishart
