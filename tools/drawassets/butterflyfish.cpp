// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "butterflyfish.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

// Butterflyfish: round, compressed, short pointed snouts, eye bars.

namespace fishart {

using namespace fishkit;

namespace {

// A butterflyfish's dorsal, anal or tail fin `f` as a field guide shows it:
// an opaque membrane of `membrane` with a whole, smooth margin, fine rays of
// `ray` running evenly out to it and the stiff spines in front standing in
// it. A tail built without ray tips has `rays` spread along its edge.
void paintPlateFin(QPainter &p, const Fin &f, QColor membrane, QColor ray, int rays)
{
    if (Silhouette::record(p, f.shape))
        return;
    const std::vector<QPointF> tips = rayTips(f, rays);
    const int count = int(tips.size());
    const QPointF from = f.base.center();
    QPointF reach;
    for (const QPointF &tip : tips)
        reach += (tip - from) / count;
    // The membrane is thicker, a shade deeper, where it grows from the body.
    QLinearGradient sheet(from, from + reach * 1.3);
    sheet.setColorAt(0, membrane.darker(110));
    sheet.setColorAt(0.4, membrane);
    sheet.setColorAt(1, membrane.lighter(104));
    p.fillPath(f.shape, sheet);
    const Saved saved(p);
    p.setClipPath(f.shape, Qt::IntersectClip);
    for (int i = 0; i < count; ++i) {
        const QPointF root = f.base.pointAt((i + 0.5) / count);
        const QPointF tip = tips[size_t(i)];
        const QPointF d = tip - root;
        const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
        const QPointF side = QPointF(-d.y(), d.x()) / len;
        if (i < f.spines) {
            // A spine: stout at its root and tapering to its point.
            QPainterPath spine(root - side * 0.8);
            spine.quadTo(root + d * 0.55 - side * 0.45, tip);
            spine.quadTo(root + d * 0.55 + side * 0.45, root + side * 0.8);
            spine.closeSubpath();
            p.fillPath(spine, withAlpha(ray, std::min(255, ray.alpha() + 50)));
            continue;
        }
        // A soft ray: a fine line that runs out to the rim, bowing back a
        // little as the rays of a swept-back fin do.
        QLinearGradient fade(root, tip);
        fade.setColorAt(0, ray);
        fade.setColorAt(1, withAlpha(ray, ray.alpha() / 3));
        p.setPen(QPen(QBrush(fade), 0.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve(root, root + d * 0.5 - side * len * 0.03, tip + d * 0.05));
    }
    // Only the free edge is drawn: along its base the fin grows out of the body.
    p.setPen(QPen(membrane.darker(135), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(f.edge);
}

// The tail, dorsal and anal fins of `b` as plates, behind its body.
void paintPlateFins(QPainter &p, const Build &b, const Livery &look)
{
    paintPlateFin(p, b.caudal, look.tail, look.ray,
                  12 + int(b.caudal.shape.boundingRect().height() / 24));
    for (const Fin *f : {&b.dorsal, &b.anal})
        paintPlateFin(p, *f, look.fins, look.ray, 0);
}

// That bar, which hides the eye, narrowing at both ends, `width` wide.
void paintEyeBar(QPainter &p, const QPainterPath &area, QPointF eye, QColor colour, double width)
{
    const QPainterPath spine = eyeBarLine(eye);
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    // Pigment in the skin thins out over a few scale rows on each side, so
    // the bar is laid down as a stack of ever narrower, denser bands, each a
    // little uneven along its length as the scales under it are.
    constexpr int layers = 6;
    for (int i = 0; i < layers; ++i) {
        const double f = 1.3 - 0.1 * i;
        const double wob = 0.05 * std::sin(i * 1.7);
        p.fillPath(
            ribbon(spine, {width * 0.2 * f, width * (0.78 + wob) * f, width * (1.0 - wob) * f,
                           width * (0.96 + wob) * f, width * (0.72 - wob) * f, width * 0.2 * f}),
            withAlpha(colour, i == layers - 1 ? colour.alpha() : colour.alpha() * (i + 2) / 12));
    }
}

// A compressed disc seen side-on is flat: lit almost evenly from above and
// in front, darkening only where it turns at its edge. Where the soft fins
// grow from it, the scaled skin runs on into them and their `colour` climbs
// back over the join, so that body and fins are one.
void paintFlatSide(QPainter &p, const Build &b, QColor colour)
{
    if (Silhouette::active(p))
        return;
    const QRectF r = b.body.boundingRect();
    {
        const Saved s(p);
        p.setClipPath(b.body, Qt::IntersectClip);
        QLinearGradient light(r.topLeft(), r.bottomRight());
        light.setColorAt(0, QColor(255, 255, 255, 46));
        light.setColorAt(0.45, QColor(255, 255, 255, 0));
        light.setColorAt(1, QColor(0, 10, 30, 34));
        p.fillRect(r, light);
    }
    const QPainterPath fins = b.dorsal.shape.united(b.anal.shape);
    QPainterPathStroker near;
    near.setWidth(30);
    // Only behind the spines: the spiny dorsal stands off the back on its own.
    QPainterPath soft;
    soft.addRect(
        QRectF(QPointF(b.shape.at(0.42, 0).x(), r.top() - 40), r.bottomRight() + QPointF(4, 40)));
    const Saved s(p);
    p.setClipPath(b.body.intersected(near.createStroke(fins).united(fins)).intersected(soft),
                  Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    for (int i = 6; i >= 1; --i) {
        p.setPen(QPen(withAlpha(colour, colour.alpha() * (7 - i) / 16), 2.2 * i));
        p.drawPath(b.body);
    }
}

// A butterflyfish's pectoral fin: small and clear, lying flat against the
// side just behind the gill cover. The flank shows through the membrane;
// its fine rays, darkest where they leave the body, give it its shape.
void paintClearPectoral(QPainter &p, const QPainterPath &body, const Fin &f, QColor ray)
{
    if (Silhouette::record(p, f.shape))
        return;
    const QPointF root = f.base.center();
    const QPointF far = farthestFrom(f.shape, root);
    const double reach = std::max(1.0, std::hypot(far.x() - root.x(), far.y() - root.y()));
    {
        // Lying so close, it shades the flank only faintly, below and behind.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        p.fillPath(QTransform::fromTranslate(0.7, 1.1).map(f.shape).subtracted(f.shape),
                   QColor(0, 8, 24, 22));
    }
    const Saved s(p);
    p.setClipPath(f.shape, Qt::IntersectClip);
    QRadialGradient film(root, reach);
    film.setColorAt(0, withAlpha(ray, 60));
    film.setColorAt(0.5, withAlpha(ray, 22));
    film.setColorAt(1, withAlpha(ray, 10));
    p.fillPath(f.shape, film);
    const int count = int(f.tips.size());
    for (int i = 0; i < count; ++i) {
        const QPointF from = f.base.pointAt((i + 0.5) / count);
        QLinearGradient fade(from, f.tips[size_t(i)]);
        fade.setColorAt(0, withAlpha(ray, 170));
        fade.setColorAt(1, withAlpha(ray, 60));
        p.setPen(QPen(QBrush(fade), i == 0 ? 0.7 : 0.42, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, f.tips[size_t(i)]);
    }
    stroke(p, f.edge, withAlpha(ray, 45), 0.4);
    stroke(p, curve(f.base.p1(), root + QPointF(-0.6, 0), f.base.p2()), withAlpha(ray, 110), 0.8);
}

// The dorsal and anal fins of the Spotfin and Four Eye, each of its own
// shape: the dorsal starts low over the nape as a row of short stout spines,
// the membrane notched between their tips, and rises along the back to a
// rounded soft lobe at the rear top, its widest part; the anal fin leads
// with three short spines and ends in a rounded, slightly angular lobe. Both
// narrow to almost nothing at the tail stalk, which stands clear of them.
// `spiny` is the height where the spines end, `lobe` and `analLobe` those of
// the soft lobes, as shares of the depth.
void shapeLobedFins(Build &b, double spiny, double lobe, double analLobe, int spines)
{
    const BodyShape &s = b.shape;
    const double d = s.depth;
    const auto out = [&](double along, int side, double rise) {
        return rimPoint(b.body, s.at(along, 0), side) + QPointF(0, side * d * rise);
    };
    const auto rear = [&](double along, int side, double rise, double back) {
        return out(along, side, rise) + QPointF(back, 0);
    };
    b.dorsal = spinyFin(out(0.27, -1, -0.03),
                        {out(0.3, -1, spiny * 0.5), out(0.4, -1, spiny * 0.8), out(0.52, -1, spiny),
                         out(0.66, -1, lobe * 0.78), out(0.78, -1, lobe),
                         rear(0.87, -1, lobe * 0.82, 6), rear(0.92, -1, lobe * 0.36, 5)},
                        out(0.95, -1, -0.02), spines, 34 - spines, 0.18);
    b.anal = spinyFin(out(0.5, 1, -0.03),
                      {out(0.53, 1, analLobe * 0.25), out(0.58, 1, analLobe * 0.45),
                       out(0.7, 1, analLobe * 0.85), out(0.8, 1, analLobe),
                       rear(0.88, 1, analLobe * 0.72, 7), rear(0.93, 1, analLobe * 0.26, 3)},
                      out(0.95, 1, -0.02), 3, 18, 0.3);
}

// A compressed disc is flat, not a ball: lit over the upper flank and
// darkening gently towards the belly, and towards its edges only in a
// narrow band where the side turns away.
void shadeDisc(QPainter &p, const QPainterPath &body, QColor shadow)
{
    if (Silhouette::active(p))
        return;
    const QRectF r = body.boundingRect();
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    QLinearGradient fall(r.topLeft(), r.bottomLeft());
    fall.setColorAt(0, withAlpha(shadow, 10));
    fall.setColorAt(0.3, withAlpha(shadow, 0));
    fall.setColorAt(0.6, withAlpha(shadow, 14));
    fall.setColorAt(1, withAlpha(shadow, 60));
    p.fillRect(r, fall);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 5; ++i) {
        p.setPen(QPen(withAlpha(shadow, 9), 3.0 * i));
        p.drawPath(body);
    }
}

// The Four Eye's lines: thin and dark, running diagonally up and back over
// the front of the body and turning, further back, to slant down and back
// towards the false eye. Traced through one smooth field of directions, so
// that neighbours never cross; where they crowd together they fade.
void paintDiagonals(QPainter &p, const Build &b, QColor colour, double width)
{
    if (Silhouette::active(p))
        return;
    const BodyShape &s = b.shape;
    const QRectF box = b.body.boundingRect();
    const double start = s.at(b.gill + 0.02, 0).x(), end = s.at(1, 0).x();
    const double turnFrom = s.at(0.58, 0).x(), turnTo = s.at(0.95, 0).x();
    // How far back a line runs for each step up.
    const auto lean = [&](double x) {
        const double t = std::clamp((x - turnFrom) / (turnTo - turnFrom), 0.0, 1.0);
        return 1.1 - 1.9 * t * t * (3 - 2 * t);
    };
    const Saved saved(p);
    p.setClipPath(b.body, Qt::IntersectClip);
    constexpr double step = 1.5;
    int k = 0;
    for (double seed = start - 0.2 * s.length; seed < end; seed += 0.052 * s.length, ++k) {
        for (const int dir : {-1, 1}) {
            double x = seed, y = s.at((seed - s.snout.x()) / s.length, 0).y(), crowd = 1.0;
            QPointF last(x, y);
            for (int n = 0; y > box.top() - 2 && y < box.bottom() + 2 && n < 400; ++n) {
                const double dx = lean(x) * step * -dir;
                crowd *= 1.0 + (lean(x + 0.5) - lean(x - 0.5)) * -dir * step;
                x += dx;
                y += dir * step;
                const double a = colour.alpha() * std::pow(std::clamp(crowd, 0.0, 1.0), 2) *
                                 std::clamp((x - start) / (0.1 * s.length), 0.0, 1.0) *
                                 std::clamp((end - x) / (0.08 * s.length), 0.0, 1.0) *
                                 (0.8 + 0.2 * std::sin(n * 0.09 + k * 1.7));
                if (a >= 1) {
                    p.setPen(QPen(withAlpha(colour, int(a * 0.3)), width * 2.2, Qt::SolidLine,
                                  Qt::FlatCap));
                    p.drawLine(last, QPointF(x, y));
                    p.setPen(QPen(withAlpha(colour, int(a)), width, Qt::SolidLine, Qt::FlatCap));
                    p.drawLine(last, QPointF(x, y));
                }
                last = QPointF(x, y);
            }
        }
    }
}
} // namespace

Fin wholeFin(const std::vector<QPointF> &points, int spines, int softRays)
{
    Fin f = spinyFin(points.front(), std::vector<QPointF>(points.begin() + 1, points.end() - 1),
                     points.back(), spines, softRays, 0);
    f.edge = curveThrough(points);
    // The root reaches a little into the body, behind which it is drawn.
    const QPointF toward = f.base.center() - f.edge.pointAtPercent(0.5);
    f.shape = f.edge;
    f.shape.quadTo(f.base.center() + toward / std::max(1e-9, std::hypot(toward.x(), toward.y())) *
                                         f.base.length() * 0.15,
                   points.front());
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

Build butterfly(const ButterflyForm &f)
{
    const BodyShape &s = f.shape;
    const double d = s.depth;
    const QPainterPath body = discOutline(s);
    // A point `rise` of the depth out from the rim, or inside it if negative.
    const auto out = [&](double along, int side, double rise) {
        return rimPoint(body, s.at(along, 0), side) + QPointF(0, side * d * rise);
    };
    const QPointF eye = s.at(f.eyeAt, -0.22);
    const double gill = gillAt(s, eye, 1.95);
    const auto corner = [&](int side) {
        return QPointF(s.at(1, 0).x() + 6, s.snout.y() + side * d * f.wrap);
    };
    return Build(
        s, body,
        wholeFin({out(0.3, -1, -0.04), out(0.34, -1, f.spiny * 0.7), out(0.44, -1, f.spiny),
                  out(0.58, -1, f.spiny + (f.soft - f.spiny) * 0.4), out(f.shoulder, -1, f.soft),
                  corner(-1), s.at(0.97, -0.45)},
                 f.spines, 34 - f.spines),
        wholeFin({out(0.5, 1, -0.04), out(0.56, 1, f.soft * 0.45), out(0.66, 1, f.soft * 0.85),
                  out(f.shoulder + 0.04, 1, f.soft), corner(1), s.at(0.97, 0.45)},
                 3, 18),
        tail(f.tail, s.at(0.98, 0), d * s.stalk * 1.1, f.tailSize.x(), f.tailSize.y(), 0),
        fanFin(s.at(gill + 0.03, 0.05), s.at(gill + 0.02, 0.17), d * 0.26, 8, 36, 0.25, 13),
        pelvicFin(body, s.at(gill + 0.03, 0), d * 0.08, d * 0.27, 60), eye, gill,
        Opercle::Butterfly);
}

void paintSlants(QPainter &p, const Build &b, QColor colour, double width, bool chevron,
                 const QPainterPath &within)
{
    if (Silhouette::active(p))
        return;
    const BodyShape &s = b.shape;
    const Saved saved(p);
    p.setClipPath(within.isEmpty() ? b.body : b.body.intersected(within), Qt::IntersectClip);
    // They start at the gill cover's rounded rear edge.
    const QRectF box = b.body.boundingRect();
    QPainterPath behind(QPointF(box.right() + 4, box.top() - 4));
    for (int i = 0; i <= 12; ++i) {
        const double across = -1.6 + i * 0.2667;
        behind.lineTo(s.at(b.gill - 0.005 - 0.05 * across * across, across));
    }
    behind.lineTo(QPointF(box.right() + 4, box.bottom() + 4));
    behind.closeSubpath();
    p.setClipPath(behind, Qt::IntersectClip);
    const double start = s.at(b.gill, 0).x(), end = s.at(1, 0).x();
    const double lean = 0.3 * s.length, turn = 1.15;
    constexpr int pieces = 48;
    int k = 0;
    for (double at = start - lean; at < end + (chevron ? 0.0 : lean); ++k) {
        // Behind the deepest part the rows lean less, as the body narrows.
        const QPointF centre(at, s.at((at - s.snout.x()) / s.length, 0).y());
        const double high =
            at < s.at(s.deepestAt, 0).x()
                ? 1.0
                : std::clamp((rimPoint(b.body, centre, 1) - rimPoint(b.body, centre, -1)).y() /
                                 s.depth,
                             0.45, 1.0);
        QPointF last;
        for (int j = 0; j <= pieces; ++j) {
            const double v = -1.0 + 2.0 * j / pieces;
            const double x = at + lean * high * (chevron ? std::sqrt(v * v + 0.01) : -v) +
                             0.015 * s.length * (1 - v * v);
            const QPointF mid(x, s.at((x - s.snout.x()) / s.length, 0).y());
            const QPointF rim = rimPoint(b.body, mid, v < 0 ? -1 : 1);
            const QPointF pt = mid + (rim - mid) * std::abs(std::sin(v * turn) / std::sin(turn));
            const double fade = std::clamp((0.95 - std::abs(v)) / 0.4, 0.0, 1.0) *
                                std::clamp((x - start) / (0.14 * s.length), 0.0, 1.0) *
                                std::clamp((end - x) / (0.2 * s.length), 0.0, 1.0);
            const double whole = std::clamp(0.66 + 0.26 * std::sin(v * 5.3 + k * 1.7) +
                                                0.2 * std::sin(v * 11.9 + k * k * 0.37),
                                            0.0, 1.0);
            const double a = colour.alpha() * fade * whole;
            if (j > 0 && a >= 1) {
                // A faint blur round a finer core keeps the edge soft.
                p.setPen(
                    QPen(withAlpha(colour, int(a * 0.3)), width * 2.4, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(last, pt);
                p.setPen(QPen(withAlpha(colour, int(a)), width, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(last, pt);
            }
            last = pt;
        }
        // The rows lie a little closer towards the tail, and not quite evenly.
        const double u = std::clamp((at - start) / (end - start), 0.0, 1.0);
        at += 0.056 * s.length * (1.0 - 0.2 * u) * (1.0 + 0.14 * std::sin(k * 2.39 + 0.6));
    }
}

std::vector<QPointF> rayTips(const Fin &f, int rays)
{
    std::vector<QPointF> tips = f.tips;
    if (tips.empty())
        for (int i = 0; i < rays; ++i)
            tips.push_back(f.edge.pointAtPercent((i + 0.5) / rays));
    return tips;
}

QPainterPath eyeBarLine(QPointF eye)
{
    return curveThrough({eye + QPointF(12, -54), eye + QPointF(5, -28), eye, eye + QPointF(-1, 32),
                         eye + QPointF(3, 64)});
}

void paintSpineRow(QPainter &p, const Fin &f, const QPainterPath &body, QColor spine)
{
    if (Silhouette::active(p) || f.spines < 2)
        return;
    const QPointF last = f.tips[size_t(f.spines - 1)];
    QPainterPath front;
    front.addRect(QRectF(QPointF(f.base.x1() - 40, last.y() - 60), QPointF(last.x() + 1.5, 240)));
    const QPainterPath spiny = f.shape.intersected(front).subtracted(body);
    // Each spine leans back from a root well ahead of its tip, as the spines
    // fold back along the body; the membrane slung between two spines sags
    // into a fold shaded behind each one.
    const double middle = body.boundingRect().center().y();
    std::vector<QPointF> roots;
    for (int i = 0; i < f.spines; ++i) {
        const QPointF tip = f.tips[size_t(i)];
        const double rise = std::max(4.0, rimPoint(body, {tip.x(), middle}, -1).y() - tip.y());
        roots.push_back(rimPoint(body, {tip.x() - rise * 0.45, middle}, -1) + QPointF(0, 2));
    }
    {
        const Saved s(p);
        p.setClipPath(spiny, Qt::IntersectClip);
        for (int i = 0; i + 1 < f.spines; ++i) {
            const QPointF tip = f.tips[size_t(i)];
            QPainterPath pleat(roots[size_t(i)]);
            pleat.lineTo(tip);
            pleat.lineTo(roots[size_t(i + 1)]);
            pleat.closeSubpath();
            const QPointF mid = (roots[size_t(i)] + tip) / 2;
            QLinearGradient fold(mid, (roots[size_t(i + 1)] + f.tips[size_t(i + 1)]) / 2);
            fold.setColorAt(0, QColor(0, 10, 30, 55));
            fold.setColorAt(0.5, QColor(0, 10, 30, 0));
            fold.setColorAt(1, QColor(255, 255, 255, 30));
            p.fillPath(pleat, fold);
        }
    }
    for (int i = 0; i < f.spines; ++i) {
        const QPointF tip = f.tips[size_t(i)];
        const QPointF root = roots[size_t(i)];
        const QPointF across = QPointF(tip.y() - root.y(), root.x() - tip.x()) /
                               std::max(1.0, std::hypot(tip.x() - root.x(), tip.y() - root.y()));
        // Stout at the root, narrowing to a sharp point, lit along its front.
        const double w = 0.7 + 0.15 * std::min(i, 4);
        QPainterPath blade(root + across * w);
        blade.quadTo((root + tip) / 2 + across * w * 0.55, tip);
        blade.quadTo((root + tip) / 2 - across * w * 0.55, root - across * w);
        blade.closeSubpath();
        p.fillPath(blade, spine);
        stroke(p, curve(root - across * w * 0.4, (root + tip) / 2 - across * w * 0.25, tip),
               QColor(255, 255, 255, 90), 0.45);
    }
}

void paintButterflyFront(QPainter &p, const Build &b, const Livery &look)
{
    const BodyShape &s = b.shape;
    if (!Silhouette::active(p)) {
        const Saved clip(p);
        p.setClipPath(b.body, Qt::IntersectClip);
        const QPainterPath edge = curveThrough(
            {s.at(b.gill - 0.07, -0.4), s.at(b.gill - 0.014, -0.16), s.at(b.gill, 0.06),
             s.at(b.gill - 0.02, 0.28), s.at(b.gill - 0.09, 0.48)});
        stroke(p, QTransform::fromTranslate(1.3, 0).map(edge), QColor(0, 8, 24, 16), 3.0);
        stroke(p, QTransform::fromTranslate(-0.7, 0).map(edge), QColor(255, 255, 255, 70), 0.9);
        stroke(p, edge, withAlpha(look.line, 120), 0.65);
        paintMouth(p, s, s.depth * look.mouth, look.line, {}, b.cover);
        paintNostril(p, s, b.eye, std::clamp(look.eye * 0.24, 0.9, 1.8), look.line);
    }
    paintPelvicPair(p, b.pelvic, look.pelvic, look.ray);
    paintClearPectoral(p, b.body, b.pectoral, look.pectoral);
    paintNaturalEye(p, b.eye, look.eye, look.iris, look.eyeLook.value_or(familyEye(b.cover)));
}

// A white disc with faint slanting lines, broad bright yellow dorsal, anal and
// pelvic fins, a black bar through the eye, and one solid black spot the size
// of an eye on the soft dorsal fin at its base: unringed and off the body,
// unlike the Four Eye's false eye.
void paintSpotfinButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {272, 242}, 62, QColor(180, 140, 100),
                               {30, 236}, 96, QColor(180, 80, 140));
    // Deeper than long behind a short pointed snout, the forehead climbing
    // straight from it to the high shoulder under the dorsal fin.
    const BodyShape shape{{44, 130}, 192, 126, 0.5, 0.26, 0.22, 0.55, 0.04, 0, 0.7, 0};
    Build b = butterfly({shape, 0.13, 0.26, 0.38, TailKind::Truncate, {36, 62}, 0.86, 0.2});
    shapeLobedFins(b, 0.16, 0.3, 0.26, 13);
    const QColor yellow(255, 212, 0, 250);
    const Livery look(yellow, yellow, QColor(200, 150, 0, 120), QColor(112, 104, 86), yellow,
                      QColor(60, 50, 40), 6);
    paintPlateFins(p, b, look);
    paintSoftMargin(p, b.caudal, QColor(236, 242, 240, 210), {2.0, 5.0, 6.6, 7.4, 6.2, 4.4, 2.0});
    fillBody(p, b.body, QColor(222, 220, 204), QColor(248, 248, 242), QColor(240, 238, 230));
    // The thin lines along the scale rows are faint, yet plain at a glance.
    paintSlants(p, b, QColor(118, 114, 100, 90), 0.75, false);
    paintEyeBar(p, b.body, b.eye, QColor(20, 20, 24), 14);
    shadeDisc(p, b.body, QColor(60, 56, 40));
    paintFlatSide(p, b, QColor(255, 206, 0, 210));
    // On the soft dorsal fin just above its base, not on the body.
    QPointF spot = b.shape.at(0.83, 0);
    while (b.body.contains(spot))
        spot.ry() -= 1;
    // It sits down on the fin's base, its lower edge in the yellow where the
    // membrane runs on over the join. Pigment in the membrane: a solid blot
    // with a slightly uneven edge.
    const QPointF at = spot - QPointF(0, 9);
    QPolygonF rim;
    for (int i = 0; i < 36; ++i) {
        const double a = 2.0 * std::numbers::pi * i / 36.0;
        const double r = 1.0 + 0.05 * std::sin(a * 3.0 + 0.3) + 0.03 * std::cos(a * 5.0);
        rim << at + QPointF(std::cos(a) * 7.6 * r, std::sin(a) * 7.0 * r);
    }
    QPainterPath blot;
    blot.addPolygon(rim);
    blot.closeSubpath();
    paintGlow(p, at, 9.8, QColor(14, 14, 16, 80));
    p.fillPath(blot, QColor(16, 16, 18, 245));
    paintButterflyFront(p, b, look);
}

// A pale disc of fine chevron lines, the real eye hidden in a black bar and
// a big white-ringed false eye on the body near the tail.
void paintFourEyeButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.35, Floor::Open, {282, 250}, 72, QColor(200, 140, 90),
                               {26, 240}, 140, QColor(170, 70, 110));
    // Round, with a short snout and low, rounded soft fins.
    Build b = butterfly({{{68, 128}, 160, 118, 0.46, 0.28, 0.26, 0.52, 0.0, 0.03, 0.7},
                         0.15,
                         0.38,
                         0.42,
                         TailKind::Rounded,
                         {46, 68},
                         0.76,
                         0.17,
                         13});
    shapeLobedFins(b, 0.17, 0.34, 0.3, 13);
    const Livery look(QColor(225, 228, 222, 220), QColor(236, 222, 150, 240),
                      QColor(200, 180, 120, 150), QColor(112, 104, 86), QColor(240, 200, 50, 240),
                      QColor(60, 50, 40), 6);
    paintPlateFins(p, b, look);
    // A dark line runs just inside the yellow margin of the soft fins; over
    // the spines in front there is none, and the spine tips stand pale.
    // Behind them the yellow is pigment in the membrane, deepest at the
    // edge and blurring inward.
    for (const Fin *f : {&b.dorsal, &b.anal}) {
        paintFinMargin(p, *f, QColor(80, 66, 40, 60), {0.0, 0.0, 0.0, 5.0, 7.6, 7.6, 7.0, 4.0});
        paintSoftMargin(p, *f, QColor(236, 190, 40, 135), {0.0, 0.0, 0.0, 4.0, 5.6, 5.6, 5.0, 2.6});
    }
    fillBody(p, b.body, QColor(206, 206, 210), QColor(236, 236, 238), QColor(242, 238, 226));
    paintDiagonals(p, b, QColor(60, 60, 72, 115), 0.75);
    paintEyeBar(p, b.body, b.eye, QColor(20, 20, 26), 12.5);
    shadeDisc(p, b.body, QColor(40, 44, 60));
    // The soft fins are the flank drawn out thin: its grey-white runs on
    // well out into them before the yellow of the margin takes over.
    growFinRoots(p, b.body, {&b.dorsal, &b.anal}, 9);
    paintFlatSide(p, b, QColor(236, 232, 210, 190));
    // High on the rear of the body, just under the base of the soft dorsal
    // fin and close ahead of the tail stalk: a round black spot in a thin
    // white ring, about twice the size of the real eye it mimics. It is
    // pigment in the skin, so it lies wholly within the body's outline.
    constexpr double spot = 9.5, ring = spot / 6;
    QPointF falseEye = rimPoint(b.body, b.shape.at(0.88, 0), -1) + QPointF(0, 14);
    const QPointF centre = b.body.boundingRect().center();
    while (!b.body.contains(oval(falseEye, spot + ring + 3, spot + ring + 3)))
        falseEye +=
            (centre - falseEye) / std::hypot(centre.x() - falseEye.x(), centre.y() - falseEye.y());
    if (!Silhouette::active(p)) {
        // Matt black, crisp against the ring; the white fades softly out
        // through a faint grey into the pale flank.
        const double outer = spot + ring, reach = outer + 2.4;
        QRadialGradient white(falseEye, reach);
        white.setColorAt(0, QColor(252, 252, 250));
        white.setColorAt((outer - 0.5) / reach, QColor(252, 252, 250));
        white.setColorAt((outer + 0.7) / reach, QColor(150, 150, 160, 70));
        white.setColorAt(1, QColor(150, 150, 160, 0));
        p.fillPath(oval(falseEye, reach, reach), white);
        p.fillPath(oval(falseEye, spot, spot), QColor(18, 16, 19));
    }
    paintButterflyFront(p, b, look);
}

} // namespace fishart
