// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

// Damselfish, angelfish, butterflyfish and surgeonfish.
namespace fishkit {

Canvas reef(QPainter &p, double width, double height, double light, Floor floor, QPointF coral,
            double coralRadius, QColor coralColour, QPointF fan, double fanHeight, QColor fanColour)
{
    if (!Silhouette::active(p)) {
        const Canvas scenery(p, width, height);
        paintWater(p, Canvas::frame, light);
        // The bottom's line, and with it the kind of ground and its lay,
        // follows from the scene's own layout, so that no two pictures share
        // one bed of seagrass or one bank of boulders.
        const long layout = std::lround(coral.x()) + 4 * std::lround(coralRadius) +
                            std::lround(fanHeight) + 3 * std::lround(light * 100);
        const double top = 206 + double(layout % 8);
        if (floor == Floor::Sand)
            paintSand(p, Canvas::frame, top);
        else if (floor == Floor::Rock)
            paintReefRock(p, Canvas::frame, top);
        if (fanHeight > 0)
            paintSeaFan(p, fan, fanHeight, fanColour);
        if (coralRadius > 0)
            paintCoralHead(p, coral, coralRadius, coralColour);
    }
    return Canvas(p, width, height);
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

void growFinRoots(QPainter &p, const Build &b, double reach)
{
    growFinRoots(p, b.body, {&b.dorsal, &b.anal, &b.caudal}, reach);
}

void growFinRoots(QPainter &p, const QPainterPath &body, std::initializer_list<const Fin *> fins,
                  double reach)
{
    if (Silhouette::active(p))
        return;
    QPainterPathStroker stroker;
    stroker.setWidth(reach * 2);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath rim = stroker.createStroke(body);
    const QPointF middle = body.boundingRect().center();
    for (const Fin *fin : fins) {
        if (fin->shape.isEmpty())
            continue;
        // The skin's own colour just inside the body, where the fin grows:
        // below a dorsal fin, above an anal fin, ahead of the tail.
        const QPointF base = fin->base.center();
        const QPointF toward =
            std::abs(base.y() - middle.y()) > std::abs(base.x() - middle.x()) * 0.3
                ? QPointF(0, base.y() < middle.y() ? 1.0 : -1.0)
                : QPointF(base.x() < middle.x() ? 1.0 : -1.0, 0);
        // Taken every few scales along the base and blended from one to the
        // next, so a bar or a spot at the fin's base runs on into it and the
        // skin's colour follows the body's own changes without seams.
        // It runs in over the body's own edge too, so that no line is left
        // along the base where the fin grows out of the skin.
        const QPainterPath root = rim.intersected(fin->shape);
        const int samples = std::max(4, int(fin->base.length() / 6.0));
        QLinearGradient along(fin->base.p1(), fin->base.p2());
        int found = 0;
        for (int k = 0; k <= samples; ++k) {
            const double t = double(k) / samples;
            const QColor skin =
                colourUnder(p, fin->base.pointAt(t) + toward * reach * 1.2, QColor());
            if (skin.isValid()) {
                along.setColorAt(t, skin);
                ++found;
            }
        }
        if (found == 0)
            continue;
        const Saved s(p);
        p.setClipPath(root, Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        for (int i = 1; i <= 10; ++i) {
            p.setOpacity((8 + 3 * (10 - i)) / 255.0);
            QPen pen(QBrush(along), reach * 2 * i / 10.0);
            pen.setJoinStyle(Qt::RoundJoin);
            p.setPen(pen);
            p.drawPath(body);
        }
    }
}

void paintFront(QPainter &p, const Build &b, const Livery &look)
{
    // Angels and butterflies carry their skin out over the fins their own way.
    if (b.cover != Opercle::Angel && b.cover != Opercle::Butterfly)
        growFinRoots(p, b, 5.0);
    const double gill = b.gill > 0 ? b.gill : gillAt(b.shape, b.eye);
    paintGillCover(p, b.body, b.shape, b.eye, gill, b.cover, look.line, b.spine);
    {
        const Saved s(p);
        p.setClipPath(b.body, Qt::IntersectClip);
        paintMouth(p, b.shape, b.shape.depth * look.mouth, look.line, {}, b.cover);
        paintNostril(p, b.shape, b.eye, std::clamp(look.eye * 0.24, 0.9, 1.8), look.line);
    }
    if (look.lateral.isValid())
        paintLateralLine(p, b.body, b.shape, gill - 0.02, look.lateralAt, look.lateral);
    paintPelvicPair(p, b.pelvic, look.pelvic, look.ray);
    paintPectoral(p, b.body, b.pectoral, look.pectoral, look.ray);
    paintNaturalEye(p, b.eye, look.eye, look.iris, look.eyeLook.value_or(familyEye(b.cover)));
}

} // namespace fishkit
