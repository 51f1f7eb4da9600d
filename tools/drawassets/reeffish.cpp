// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QTransform>

// Damselfish, angelfish, butterflyfish and surgeonfish.
namespace fishkit {

Canvas reef(QPainter &p, double width, double height, double light, Floor floor, QPointF coral,
            double coralRadius, QColor coralColour, QPointF fan, double fanHeight, QColor fanColour)
{
    if (!Silhouette::active(p)) {
        const Canvas scenery(p, width, height);
        paintWater(p, Canvas::frame, light);
        if (floor == Floor::Sand)
            paintSand(p, Canvas::frame, 210);
        else if (floor == Floor::Rock)
            paintReefRock(p, Canvas::frame, 210);
        if (fanHeight > 0)
            paintSeaFan(p, fan, fanHeight, fanColour);
        if (coralRadius > 0)
            paintCoralHead(p, coral, coralRadius, coralColour);
    }
    return Canvas(p, width, height);
}

void paintShoal(QPainter &p, const QPainterPath &fish, QColor colour,
                std::initializer_list<Distant> copies)
{
    if (Silhouette::active(p))
        return;
    for (const Distant &o : copies) {
        QTransform far;
        far.translate(o.dx, o.dy);
        far.scale(o.scale, o.scale);
        p.fillPath(far.map(fish), colour);
    }
}

void paintDisc(QPainter &p, QPointF centre, double rx, double ry, QColor fill, QColor rim,
               double rimWidth)
{
    const Saved s(p);
    p.setPen(rimWidth > 0 ? QPen(rim, rimWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawEllipse(centre, rx, ry);
}

QPainterPath oval(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void strokeInside(QPainter &p, const QPainterPath &area, const QPainterPath &line, QColor colour,
                  double width)
{
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    stroke(p, line, colour, width);
}

void paintBackFins(QPainter &p, const Build &b, const Livery &look)
{
    // Rays stand about six units apart along a fin's base; a tail's fan out
    // from a narrow root, so they go by its span instead.
    const int tailRays = 12 + int(b.caudal.shape.boundingRect().height() / 24);
    paintFin(p, b.caudal, look.tail, look.ray, tailRays);
    paintFin(p, b.dorsal, look.fins, look.ray, int(b.dorsal.base.length() / 5.8));
    paintFin(p, b.anal, look.fins, look.ray, int(b.anal.base.length() / 5.8));
}

void paintFront(QPainter &p, const Build &b, const Livery &look)
{
    // The gill cover lies about twice as far behind the snout as the eye.
    const BodyShape &s = b.shape;
    const double eyeAt = (b.eye.x() - s.snout.x()) / s.length;
    stroke(p, curveThrough({s.at(eyeAt * 1.7, -0.8), s.at(eyeAt * 2, 0), s.at(eyeAt * 1.7, 0.8)}),
           withAlpha(look.ray, 160), 1.2);
    stroke(p, curve(s.snout, s.snout + QPointF(5, 3), s.snout + QPointF(11, 2)), QColor(30, 30, 38),
           1.3);
    // The pectoral fin stands a little off the flank and shades it.
    if (!Silhouette::active(p)) {
        const Saved shade(p);
        p.setClipPath(b.body, Qt::IntersectClip);
        p.fillPath(QTransform::fromTranslate(1.5, 2.5).map(b.pectoral.shape),
                   QColor(0, 10, 30, 45));
    }
    paintFin(p, b.pectoral, look.pectoral, look.ray, 8);
    paintFin(p, b.pelvic, look.pelvic, look.ray, 4);
    paintEye(p, b.eye, look.eye, look.iris);
}

} // namespace fishkit
