// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "angelkit.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace fishart::angelkit {

// The angelfish: a tall disc whose steep, blunt forehead ends in a short snout
// with the small mouth low on it, a dorsal fin low and spiny in front and a
// tall soft lobe behind that sweeps back into a trailing point, an anal fin
// mirroring it, long pointed pelvic fins and a rounded pectoral.
Build angel(const AngelForm &f)
{
    const BodyShape &s = f.shape;
    const double d = s.depth;
    const auto out = [&s, d](double along, double side, double rise) {
        return s.at(along, side) + QPointF(0, side * d * rise);
    };
    const auto sweep = [&](double side, double from, int spines, int rays) {
        const auto behind = [&](double x, double height) {
            return QPointF(s.at(1, 0).x() + x, s.snout.y() + side * d * height);
        };
        std::vector<QPointF> edge{out(from + 0.05, side, 0.1), out(0.58, side, f.lobe * 0.8),
                                  out(0.8, side, f.lobe)};
        if (f.corner > 0)
            edge.push_back(behind(6, f.corner));
        edge.push_back(behind(f.trail.x(), f.trail.y()));
        // A point drawn out long and narrow: its trailing edge runs back
        // close under the leading one before it turns down to the stalk.
        if (f.slender > 0)
            edge.push_back(behind(f.trail.x() * 0.45, f.trail.y() - f.slender));
        if (f.corner > 0)
            edge.push_back(behind(2, f.corner - 0.1));
        return spinyFin(s.at(from, 0.9 * side), edge, s.at(0.96, 0.5 * side), spines, rays, 0.1);
    };
    const QPainterPath body = discOutline(s);
    const QPointF eye = s.at(0.2, -0.3);
    const double gill = gillAt(s, eye, 1.85);
    return Build(
        s, body, sweep(-1, 0.3, f.spines, 33 - f.spines), sweep(1, 0.56, 3, 19),
        tail(f.tail, s.at(0.98, 0), d * s.stalk * 1.1, f.tailSize.x(), f.tailSize.y(), f.notch),
        fanFin(s.at(gill + 0.04, -0.04), s.at(gill + 0.018, 0.26), d * 0.36, 2, 72, 0.0, 18),
        pelvicFin(body, s.at(gill - 0.01, 0), d * 0.09, d * 0.3, 66, f.filament, 7), eye, gill,
        Opercle::Angel, f.spine);
}

// A wash of `colour` fading out from `centre`, inside `area` only.
void glow(QPainter &p, const QPainterPath &area, QPointF centre, double radius, QColor colour)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(1, withAlpha(colour, 0));
    p.fillPath(area, g);
}

// The pale skin of an angelfish's muzzle and chin in `pale`, `scale` times
// the French Angelfish's: clouded rather than one smooth patch, and flecked
// with `fleck` more thickly towards its edge, where it breaks up into the
// darker head.
void paleMuzzle(QPainter &p, const Build &a, QColor pale, QColor fleck, double scale)
{
    const QPointF chin = a.shape.snout;
    const struct
    {
        double dx, dy, radius;
        int alpha;
    } clouds[] = {{5, 4, 15, 200},  {10, 10, 13, 170}, {3, -3, 9, 150},
                  {16, 15, 9, 120}, {12, 2, 8, 110},   {7, 16, 8, 130}};
    for (const auto &c : clouds)
        glow(p, a.body, chin + QPointF(c.dx, c.dy) * scale, c.radius * scale,
             withAlpha(pale, c.alpha));
    const Saved flecks(p);
    const QPainterPath area = oval(chin + QPointF(9, 7) * scale, 16 * scale, 14 * scale);
    p.setClipPath(a.body.intersected(area), Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    for (const QPointF &at : scatterPoints(area, int(26 * scale), 404)) {
        const double fade =
            std::hypot(at.x() - chin.x() - 6 * scale, at.y() - chin.y() - 5 * scale) / (16 * scale);
        p.setBrush(withAlpha(fleck, int(40 + 110 * std::clamp(fade, 0.0, 1.0))));
        p.drawEllipse(at, 0.7 + 0.5 * fade, 0.6 + 0.4 * fade);
    }
}

// Thin streamers trailing from the rear corners of the dorsal and anal fins
// of `a`, built from `form`, thinning to their ends.
void paintStreamers(QPainter &p, const Build &a, const AngelForm &form, QColor colour)
{
    for (const int side : {-1, 1}) {
        const auto behind = [&](double x, double height) {
            return QPointF(a.shape.at(1, 0).x() + x,
                           a.shape.snout.y() + side * a.shape.depth * height);
        };
        // The streamer is the fin's last soft rays drawn out: it starts
        // inside the fin in the fin's own colour, with no root of its own,
        // and darkens and thins to its end.
        const QPointF corner = (behind(6, form.corner) + behind(2, form.corner - 0.1)) / 2;
        const QPointF to = behind(form.trail.x(), form.trail.y());
        const QPointF from = corner - (to - corner) * 0.35;
        QLinearGradient grow(from, to);
        grow.setColorAt(0, withAlpha(colour, 0));
        grow.setColorAt(0.3, withAlpha(colour, colour.alpha() * 3 / 5));
        grow.setColorAt(0.5, colour);
        grow.setColorAt(1, withAlpha(colour.darker(115), colour.alpha()));
        const QPainterPath spine = curve(from, (from + to) / 2 + QPointF(0, side * 2.0), to);
        p.fillPath(ribbon(spine, {9.0, 6.0, 3.2, 1.8, 0.5}), grow);
        // The rays that make it up run out along it.
        stroke(p, spine, withAlpha(colour.darker(140), colour.alpha() / 3), 0.5);
    }
}

// The strip either side of the body's rim where the dorsal and anal fins of
// `a` grow out of it, `reach` wide on each side.
QPainterPath finRoots(const Build &a, double reach)
{
    QPainterPathStroker stroker;
    stroker.setWidth(reach * 2);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath fins = a.dorsal.shape.united(a.anal.shape);
    return stroker.createStroke(a.body)
        .intersected(stroker.createStroke(fins).united(fins))
        .intersected(fins.united(a.body));
}

// An angelfish's soft fins are the body drawn out thin: its colour runs on
// over the join and fades into the fin, so no edge shows where they meet.
void blendFinRoots(QPainter &p, const Build &a, QColor colour, double reach)
{
    if (Silhouette::active(p))
        return;
    const Saved saved(p);
    p.setClipPath(finRoots(a, reach), Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 7; ++i) {
        QPen pen(withAlpha(colour, 38), reach * 2 * i / 7.0);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(a.body);
    }
}

} // namespace fishart::angelkit
