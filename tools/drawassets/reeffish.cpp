// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

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

QPainterPath bandAcross(const BodyShape &shape, double along, std::initializer_list<double> widths,
                        double lean, double bow, double from, double to)
{
    std::vector<QPointF> spine;
    for (int k = 0; k <= 10; ++k) {
        const double across = from + (to - from) * k / 10.0;
        const double level = std::clamp(across, -1.0, 1.0);
        spine.push_back(shape.at(along + lean * across + bow * (1.0 - level * level), across));
    }
    return ribbon(curveThrough(spine), widths);
}

QPainterPath stripeAlong(const BodyShape &shape, double across, double from, double to,
                         std::initializer_list<double> widths, double wave)
{
    std::vector<QPointF> spine;
    for (int k = 0; k <= 16; ++k) {
        const double t = from + (to - from) * k / 16.0;
        spine.push_back(shape.at(t, across + wave * std::sin(t * 23.0 + across * 5.0)));
    }
    return ribbon(curveThrough(spine), widths);
}

void paintBackFins(QPainter &p, const Build &b, const Livery &look)
{
    // Rays stand about six units apart along a fin's base; a tail's fan out
    // from a narrow root, so they go by its span instead.
    const int tailRays = 12 + int(b.caudal.shape.boundingRect().height() / 24);
    paintSheerFin(p, b.caudal, look.tail, look.ray, tailRays);
    // Dorsal and anal fins carry the body's colours out to their edges.
    paintFin(p, b.dorsal, look.fins, look.ray, int(b.dorsal.base.length() / 5.8));
    paintFin(p, b.anal, look.fins, look.ray, int(b.anal.base.length() / 5.8));
}

void paintFront(QPainter &p, const Build &b, const Livery &look)
{
    const double gill = b.gill > 0 ? b.gill : gillAt(b.shape, b.eye);
    paintGillCover(p, b.body, b.shape, b.eye, gill, b.cover, look.line, b.spine);
    {
        const Saved s(p);
        p.setClipPath(b.body, Qt::IntersectClip);
        paintMouth(p, b.shape, b.shape.depth * look.mouth, look.line);
        paintNostril(p, b.shape, b.eye, std::clamp(look.eye * 0.24, 0.9, 1.8), look.line);
    }
    if (look.lateral.isValid())
        paintLateralLine(p, b.body, b.shape, gill - 0.02, look.lateralAt, look.lateral);
    paintPelvicPair(p, b.pelvic, look.pelvic, look.ray);
    paintPectoral(p, b.body, b.pectoral, look.pectoral, look.ray);
    paintNaturalEye(p, b.eye, look.eye, look.iris);
}

} // namespace fishkit
