// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

// Building and painting the fins: tails, spiny and soft fins, paired fins.
namespace fishkit {

namespace {

constexpr double pi = std::numbers::pi;

// Control point bowing the segment a-b outwards by `amount`, for outlines
// that run clockwise on screen.
QPointF bow(QPointF a, QPointF b, double amount)
{
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len == 0.0)
        return a;
    return (a + b) / 2.0 + QPointF(d.y(), -d.x()) / len * amount;
}

// One soft ray from `root` to `tip`: jointed and flexible, it tapers from a
// stout root, fades into the membrane and splits in two towards its end,
// with a glint of `fold` beside it where the membrane folds over the ray
// (none if invalid). Its middle is carried `bow` off the straight line.
void paintRay(QPainter &p, QPointF root, QPointF tip, QColor colour, double width, QColor fold,
              QPointF bow)
{
    const QPointF d = tip - root;
    const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
    const QPointF side = QPointF(-d.y(), d.x()) / len;
    const QPointF split = root + d * 0.62 + bow * 0.7;
    // No ray runs quite true to its neighbours: each bends a little its own way too.
    const QPointF sway = bow + side * len * 0.02 * std::sin(root.x() * 0.37 + root.y() * 0.11);
    QLinearGradient fade(root, tip);
    fade.setColorAt(0, colour);
    fade.setColorAt(0.6, withAlpha(colour, colour.alpha() * 3 / 4));
    fade.setColorAt(1, withAlpha(colour, colour.alpha() / 5));
    QPainterPath stem(root - side * width * 0.55);
    stem.quadTo(root + d * 0.3 + sway - side * width * 0.4, split - side * width * 0.22);
    stem.lineTo(split + side * width * 0.22);
    stem.quadTo(root + d * 0.3 + sway + side * width * 0.4, root + side * width * 0.55);
    stem.closeSubpath();
    p.fillPath(stem, fade);
    // A soft ray is jointed: short pale joints, closer together towards its tip.
    if (len > 14) {
        p.setPen(QPen(withAlpha(fold.isValid() ? fold : colour.lighter(160), 45), width * 0.3));
        for (double u = 0.2; u < 0.9; u += 0.16 * (1.0 - u * 0.6)) {
            const QPointF at = root + d * u + sway * (2.0 * u * (1.0 - u)) * 2.0;
            p.drawLine(at - side * width * 0.45, at + side * width * 0.45);
        }
    }
    const double apart = std::min(len * 0.05, width * 1.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(fade), width * 0.32, Qt::SolidLine, Qt::RoundCap));
    for (const double k : {-1.0, 1.0})
        p.drawPath(curve(split, split + d * 0.2 + side * apart * 0.4 * k, tip + side * apart * k));
    if (fold.isValid()) {
        p.setPen(QPen(withAlpha(fold, 60), width * 0.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(root + side * width * 1.1, root + d * 0.8 + side * width * 1.1);
    }
}

// Where the `i`th of `count` rays of `f` grows from its base: spaced along
// it, but not ruled, each a little off the even spacing.
QPointF rayRoot(const Fin &f, int i, int count)
{
    const double off = i == 0 || i + 1 == count ? 0.0 : 0.2 * std::sin(i * 2.7 + 0.4);
    return f.base.pointAt(std::clamp((i + 0.5 + off) / count, 0.0, 1.0));
}

} // namespace

Fin tail(TailKind kind, QPointF root, double rootDepth, double length, double span, double notch)
{
    const double x = root.x();
    const double y = root.y();
    const QPointF rootTop(x, y - rootDepth / 2);
    const QPointF rootBottom(x, y + rootDepth / 2);
    const QPointF upper(x + length, y - span / 2);
    const QPointF lower(x + length, y + span / 2);
    const QPointF cut(x + length * (1.0 - notch), y);

    Fin f;
    f.base = QLineF(rootTop, rootBottom);
    QPointF start = upper;
    QPointF end = lower;
    switch (kind) {
    case TailKind::Forked:
        f.edge = QPainterPath(upper);
        f.edge.quadTo(bow(upper, cut, -3), cut);
        f.edge.quadTo(bow(cut, lower, -3), lower);
        break;
    case TailKind::Lunate:
        f.edge = QPainterPath(upper);
        f.edge.quadTo(QPointF(x + length * (1.0 - 2.0 * notch), y), lower);
        break;
    case TailKind::Rounded:
        start = QPointF(x + length * 0.55, y - span / 2);
        end = QPointF(x + length * 0.55, y + span / 2);
        f.edge =
            curveThrough({start, QPointF(x + length * 0.92, y - span * 0.3), QPointF(x + length, y),
                          QPointF(x + length * 0.92, y + span * 0.3), end});
        break;
    case TailKind::Truncate:
        f.edge = QPainterPath(upper);
        f.edge.quadTo(QPointF(x + length * 1.06, y), lower);
        break;
    case TailKind::Pointed:
        start = QPointF(x + length * 0.4, y - span / 2);
        end = QPointF(x + length * 0.4, y + span / 2);
        f.edge = QPainterPath(start);
        f.edge.quadTo(QPointF(x + length * 0.8, y - span * 0.3), QPointF(x + length, y));
        f.edge.quadTo(QPointF(x + length * 0.8, y + span * 0.3), end);
        break;
    }

    // The lobes sweep back from the stalk, so their leading edges curve in.
    const double sweep = (span - rootDepth) * 0.1;
    f.shape = QPainterPath(rootTop);
    f.shape.quadTo(
        QPointF(x + (start.x() - x) * 0.45, rootTop.y() + (start.y() - rootTop.y()) * 0.2 - sweep),
        start);
    f.shape.connectPath(f.edge);
    f.shape.quadTo(QPointF(x + (end.x() - x) * 0.45,
                           rootBottom.y() + (end.y() - rootBottom.y()) * 0.2 + sweep),
                   rootBottom);
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

QTransform tailSwing(const BodyShape &shape, QPointF pivot)
{
    const QLineF stalk(shape.at(0.96, 0), shape.at(1.0, 0));
    QTransform swing;
    swing.translate(pivot.x(), pivot.y());
    swing.rotate(-stalk.angle());
    swing.translate(-pivot.x(), -pivot.y());
    return swing;
}

Fin followBend(const BodyShape &shape, Fin f)
{
    const QTransform swing = tailSwing(shape, f.base.center());
    f.shape = swing.map(f.shape);
    f.edge = swing.map(f.edge);
    f.base = swing.map(f.base);
    for (QPointF &tip : f.tips)
        tip = swing.map(tip);
    return f;
}

void paintMembraneFolds(QPainter &p, const Fin &f, const std::vector<QPointF> &tips,
                        double strength)
{
    // Between two soft rays the membrane is not flat: it dips into a
    // shallow fold, shaded behind one ray and lit before the next, each
    // fold a little deeper or flatter than its neighbours.
    const int count = int(tips.size());
    for (int i = f.spines; i + 1 < count; ++i) {
        const QPointF root = rayRoot(f, i, count);
        const QPointF next = rayRoot(f, i + 1, count);
        const QPointF a = tips[size_t(i)];
        const QPointF b = tips[size_t(i) + 1];
        QPainterPath panel(root);
        panel.lineTo(a + (a - root) * 0.1);
        panel.lineTo(b + (b - next) * 0.1);
        panel.lineTo(next);
        panel.closeSubpath();
        const double slack = strength * (0.35 + 0.65 * std::pow(std::sin(i * 2.3 + 1.1), 2));
        QLinearGradient fold((root + a) / 2, (next + b) / 2);
        fold.setColorAt(0, QColor(0, 10, 30, int(30 * slack)));
        fold.setColorAt(0.5, QColor(0, 10, 30, 0));
        fold.setColorAt(0.9, QColor(255, 255, 255, int(16 * slack)));
        fold.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(panel, fold);
    }
}

namespace {

// A fin membrane, `sheer` 0 thinning a little towards its free edge and 1
// letting the water show through there, then its rays and free edge.
void paintMembrane(QPainter &p, const Fin &f, QColor membrane, QColor ray, int rays, double sheer)
{
    if (Silhouette::record(p, f.shape))
        return;
    const Saved s(p);
    const QPointF from = f.base.center();
    const QPointF baseAlong = f.base.p2() - f.base.p1();
    const QPointF baseDir = baseAlong / std::max(1e-9, std::hypot(baseAlong.x(), baseAlong.y()));
    // Straight out of the body, towards the free edge.
    QPointF outward(-baseDir.y(), baseDir.x());
    if (QPointF::dotProduct(f.edge.pointAtPercent(0.5) - from, outward) < 0)
        outward = -outward;
    double reach = 1.0;
    for (int i = 0; i <= 16; ++i)
        reach =
            std::max(reach, QPointF::dotProduct(f.edge.pointAtPercent(i / 16.0) - from, outward));

    std::vector<QPointF> tips = f.tips;
    if (tips.empty()) {
        // Spread along the edge, but not ruled.
        for (int i = 0; i < rays; ++i)
            tips.push_back(f.edge.pointAtPercent(
                std::clamp((i + 0.5 + 0.15 * std::sin(i * 2.3 + 1.7)) / rays, 0.0, 1.0)));
    }
    const int count = int(tips.size());
    // A soft fin's edge is held out by its rays: between two ray tips the
    // membrane falls back a little, more where the rays stand further apart.
    QPainterPath sheet = f.shape;
    for (int i = std::max(0, f.spines); i + 1 < count; ++i) {
        const QPointF a = tips[size_t(i)];
        const QPointF b = tips[size_t(i) + 1];
        const QPointF gap = b - a;
        const double apart = std::hypot(gap.x(), gap.y());
        if (apart < 2.5 || apart > 14)
            continue;
        const QPointF mid = (a + b) / 2.0;
        // Square to the edge between the two tips, towards the fin's base.
        QPointF in = QPointF(-gap.y(), gap.x()) / apart;
        if (QPointF::dotProduct(in, f.base.pointAt((i + 1.0) / count) - mid) < 0)
            in = -in;
        // Only where the two tips are neighbours on the free edge.
        if (!f.shape.contains(mid + in * 2.5) || f.shape.contains(mid - in * 1.5))
            continue;
        const double dip = std::min(0.8, apart * (0.05 + 0.025 * std::sin(i * 2.1 + 0.4)));
        // How far the edge bows out past the chord between the tips, so that
        // a rounded edge keeps its curve and only dips between them.
        double bulge = 0.0;
        for (double step = 0.75; step > 0.02; step /= 2)
            if (f.shape.contains(mid - in * (bulge + step)))
                bulge += step;
        QPainterPath cut(a - in * 3.0);
        cut.quadTo(mid - in * (bulge * 2 + 6.0), b - in * 3.0);
        cut.lineTo(b + in * 0.05);
        cut.quadTo(mid - in * (bulge - dip) * 2.0, a + in * 0.05);
        cut.closeSubpath();
        sheet = sheet.subtracted(cut);
    }

    // The membrane is thick and carries the skin's colour where it grows
    // from the body, thinning out towards its free edge.
    QLinearGradient g(from, from + outward * reach);
    g.setColorAt(0.0, withAlpha(membrane.darker(108), std::min(255, membrane.alpha() + 25)));
    g.setColorAt(0.25, membrane);
    if (sheer > 0)
        g.setColorAt(0.55, withAlpha(membrane, int(membrane.alpha() * (1.0 - 0.25 * sheer))));
    g.setColorAt(1.0,
                 withAlpha(membrane.lighter(125), int(membrane.alpha() * (0.7 - 0.4 * sheer))));
    p.fillPath(sheet, g);

    {
        const Saved clipped(p);
        p.setClipPath(sheet, Qt::IntersectClip);
        paintMembraneFolds(p, f, tips, 1.0);
        const bool upright = std::abs(baseDir.x()) > std::abs(baseDir.y());
        for (int i = f.spines; i < count; ++i) {
            const QPointF root = rayRoot(f, i, count);
            const QPointF d = tips[size_t(i)] - root;
            const double len = std::hypot(d.x(), d.y());
            // The rays of a dorsal or anal fin sweep back and bend as they go;
            // those of a tail curve out towards the tips of its lobes.
            const double lean = QPointF::dotProduct(d, baseDir);
            const QPointF bow = -baseDir * (lean * 0.1 + (upright ? len * 0.035 : 0.0));
            // The leading soft rays, or a tail's outermost, are the stoutest.
            const double u =
                count - f.spines > 1 ? double(i - f.spines) / (count - f.spines - 1) : 0;
            const double weight = (upright ? 1.3 - 0.55 * u : 0.8 + 0.5 * std::abs(2 * u - 1)) *
                                  (1.0 + 0.12 * std::sin(i * 2.9 + 0.5));
            // Rays run on a little past the edge so the clip, not the ray, ends them.
            paintRay(p, root, tips[size_t(i)] + d * 0.1, ray, 0.95 * weight, membrane.lighter(150),
                     bow);
        }
    }
    {
        // The membrane hangs slack between two spines: it folds into shadow
        // just behind each spine and catches the light before the next.
        const Saved clipped(p);
        p.setClipPath(sheet, Qt::IntersectClip);
        for (int i = 0; i + 1 < std::min(f.spines, count); ++i) {
            const QPointF root = rayRoot(f, i, count);
            const QPointF next = rayRoot(f, i + 1, count);
            QPainterPath pleat(root);
            pleat.lineTo(tips[i]);
            pleat.lineTo(tips[i + 1]);
            pleat.lineTo(next);
            pleat.closeSubpath();
            // No two folds hang alike: some deep, some nearly flat.
            const double slack = 0.45 + 0.55 * std::pow(std::sin(i * 2.7 + 0.9), 2);
            QLinearGradient fold((root + tips[i]) / 2, (next + tips[i + 1]) / 2);
            fold.setColorAt(0, QColor(0, 10, 30, int(50 * slack)));
            fold.setColorAt(0.45, QColor(0, 10, 30, 0));
            fold.setColorAt(0.85, QColor(255, 255, 255, int(28 * slack)));
            fold.setColorAt(1, QColor(255, 255, 255, 0));
            p.fillPath(pleat, fold);
        }
    }
    // Each spine tapers from a stout root to a fine point; the membrane
    // clings to it almost to the end, so only a short tip stands free.
    for (int i = 0; i < std::min(f.spines, count); ++i) {
        const QPointF root = rayRoot(f, i, count);
        const QPointF d = tips[i] - root;
        const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
        // Each spine a little stouter or slighter than the next.
        const double stout = 0.85 + 0.3 * std::pow(std::sin(i * 1.9 + 0.6), 2);
        const QPointF side =
            QPointF(-d.y(), d.x()) / len * std::clamp(len * 0.045, 0.6, 1.2) * stout;
        QPainterPath spine(root - side);
        spine.quadTo(root + d * 0.6 - side * 0.55, tips[i]);
        spine.quadTo(root + d * 0.6 + side * 0.55, root + side);
        spine.closeSubpath();
        QLinearGradient stiff(root, tips[i]);
        stiff.setColorAt(0, withAlpha(ray.darker(115), std::min(255, ray.alpha() + 60)));
        stiff.setColorAt(1, withAlpha(ray.darker(140), std::min(255, ray.alpha() + 90)));
        p.fillPath(spine, stiff);
        stroke(p, curve(root - side * 0.6, root + d * 0.5 - side * 0.5, tips[i] - d * 0.12),
               withAlpha(membrane.lighter(170), 90), 0.45);
    }

    // Along its base the fin grows out of the body, so only the free edge is drawn.
    const QPointF along = f.base.p2() - f.base.p1();
    const QPointF across =
        QPointF(-along.y(), along.x()) / std::max(1e-9, std::hypot(along.x(), along.y())) * 1.6;
    const QPointF over = along * 0.04;
    QPainterPath base;
    base.addPolygon(QPolygonF({f.base.p1() - over - across, f.base.p2() + over - across,
                               f.base.p2() + over + across, f.base.p1() - over + across}));
    QPainterPath free;
    free.addRect(sheet.boundingRect().adjusted(-4, -4, 4, 4));
    // The edge is the membrane's own rim, thickened where the rays end: a
    // little darker than the fin, not an inked line round it, and fainter
    // on the side the light comes from.
    p.setClipPath(free.subtracted(base), Qt::IntersectClip);
    const QRectF box = sheet.boundingRect();
    QLinearGradient rim(box.topLeft(), box.bottomLeft());
    rim.setColorAt(0, withAlpha(ray, ray.alpha() * 2 / 5));
    rim.setColorAt(1, withAlpha(ray, std::min(255, ray.alpha() * 4 / 5)));
    p.setPen(QPen(QBrush(rim), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sheet);
}

} // namespace

void paintFin(QPainter &p, const Fin &f, QColor membrane, QColor ray, int rays)
{
    paintMembrane(p, f, membrane, ray, rays, 0);
}

void paintSheerFin(QPainter &p, const Fin &f, QColor membrane, QColor ray, int rays)
{
    paintMembrane(p, f, membrane, ray, rays, 1);
}

Fin spinyFin(QPointF front, std::initializer_list<QPointF> edge, QPointF rear, int spines,
             int softRays, double notch)
{
    return spinyFin(front, std::vector<QPointF>(edge), rear, spines, softRays, notch);
}

Fin spinyFin(QPointF front, const std::vector<QPointF> &edge, QPointF rear, int spines,
             int softRays, double notch)
{
    std::vector<QPointF> guidePoints{front};
    guidePoints.insert(guidePoints.end(), edge.begin(), edge.end());
    guidePoints.push_back(rear);
    const QPainterPath guide = curveThrough(guidePoints);
    const int count = std::max(1, spines + softRays);
    const int stiff = std::min(spines, count);
    Fin f;
    f.base = QLineF(front, rear);
    f.spines = spines;
    // Each spine stands over its own root, so that where the edge rises
    // steeply at the front the spines do not crowd into a saw-toothed crest.
    const QPointF along = rear - front;
    const double span = std::max(1e-9, QPointF::dotProduct(along, along));
    constexpr int samples = 400;
    int sample = 0;
    double reached = 0.0;
    for (int i = 0; i < stiff; ++i) {
        const double wanted = (i + 0.5) / count;
        while (sample < samples &&
               QPointF::dotProduct(guide.pointAtPercent(double(sample) / samples) - front, along) /
                       span <
                   wanted)
            ++sample;
        reached = double(sample) / samples;
        // Spines grow unevenly: some stand a little short of the fin's line.
        const QPointF tip = guide.pointAtPercent(reached);
        const QPointF root = f.base.pointAt(wanted);
        const double shortfall = i == 0 ? 0.0 : 0.09 * std::pow(std::sin(i * 2.7 + 1.3), 2);
        f.tips.push_back(tip + (root - tip) * shortfall);
    }
    // The soft rays share out what is left of the edge, not quite evenly.
    for (int i = stiff; i < count; ++i) {
        const double even =
            stiff > 0 ? double(i - stiff + 1) / (count - stiff + 0.6) : (i + 0.5) / count;
        const double share = std::clamp(even + 0.22 / count * std::sin(i * 2.3 + 0.8), 0.0, 1.0);
        f.tips.push_back(guide.pointAtPercent(reached + (1.0 - reached) * share));
    }

    // The membrane ends a little below each spine's tip, which stands free,
    // and dips only shallowly between two spines.
    const auto held = [&](int i) {
        const QPointF root = f.base.pointAt((i + 0.5) / count);
        return f.tips[size_t(i)] + (root - f.tips[size_t(i)]) * notch * 0.3;
    };
    f.edge = QPainterPath(front);
    f.edge.lineTo(stiff > 0 ? held(0) : f.tips.front());
    for (int i = 0; i + 1 < stiff; ++i) {
        const QPointF a = held(i);
        const QPointF b = held(i + 1);
        const QPointF root = f.base.pointAt((i + 1.0) / count);
        const QPointF mid = (a + b) / 2.0;
        f.edge.quadTo(mid + (root - mid) * notch * 1.4 + (a - b) * 0.15, b);
    }
    std::vector<QPointF> soft{stiff > 0 ? held(stiff - 1) : f.tips.front()};
    soft.insert(soft.end(), f.tips.begin() + std::max(1, stiff), f.tips.end());
    soft.push_back(rear);
    f.edge.connectPath(curveThrough(soft));
    // The root reaches a little into the body, behind which it is drawn, so
    // that no water shows where the back curves away under the base line.
    const QPointF middle = guide.pointAtPercent(0.5);
    const QPointF toward = f.base.center() - middle;
    const double reach = std::hypot(toward.x(), toward.y());
    f.shape = f.edge;
    f.shape.quadTo(f.base.center() + toward / std::max(1e-9, reach) * f.base.length() * 0.15,
                   front);
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

QPointF rimPoint(const QPainterPath &outline, QPointF inside, int side)
{
    double in = 0.0;
    double out = outline.boundingRect().height() + 1.0;
    for (int i = 0; i < 20; ++i) {
        const double mid = (in + out) / 2.0;
        (outline.contains(inside + QPointF(0, side * mid)) ? in : out) = mid;
    }
    return inside + QPointF(0, side * in);
}

QPointF farthestFrom(const QPainterPath &shape, QPointF from)
{
    QPointF far = from;
    for (int i = 0; i <= 24; ++i) {
        const QPointF q = shape.pointAtPercent(i / 24.0);
        if (QLineF(from, q).length() > QLineF(from, far).length())
            far = q;
    }
    return far;
}

namespace {

void paintMarginBand(QPainter &p, const Fin &f, QColor colour, const std::vector<double> &widths)
{
    const Saved s(p);
    p.setClipPath(f.shape, Qt::IntersectClip);
    // Half of the band lies outside the fin and is clipped away, so the
    // margin shows at half the widths given, its inner edge softened by a
    // faint hairline of the same colour just inside it.
    p.fillPath(ribbon(f.edge, widths), colour);
    stroke(p, f.edge, withAlpha(colour, colour.alpha() / 3), 0.6);
}

} // namespace

void paintFinMargin(QPainter &p, const Fin &f, QColor colour, std::initializer_list<double> widths)
{
    if (Silhouette::active(p))
        return;
    paintMarginBand(p, f, colour, std::vector<double>(widths));
}

void paintSoftMargin(QPainter &p, const Fin &f, QColor colour, std::initializer_list<double> widths)
{
    if (Silhouette::active(p))
        return;
    // Pigment densest at the rim and thinning inward: a broad faint band
    // under narrower, denser ones.
    for (const auto &[scale, share] :
         {std::pair{1.65, 0.35}, std::pair{1.12, 0.58}, std::pair{0.65, 1.0}}) {
        std::vector<double> scaled;
        for (const double w : widths)
            scaled.push_back(w * scale);
        paintMarginBand(p, f, withAlpha(colour, int(colour.alpha() * share)), scaled);
    }
}

} // namespace fishkit
