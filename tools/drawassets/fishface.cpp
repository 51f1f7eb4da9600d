// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

// The face and the paired fins as a field guide draws them.
namespace fishkit {

namespace {

constexpr double pi = std::numbers::pi;

QPointF heading(double degrees)
{
    const double a = degrees * pi / 180.0;
    return {std::cos(a), std::sin(a)};
}

} // namespace

QColor colourUnder(const QPainter &p, QPointF at, QColor fallback)
{
    const auto *image = dynamic_cast<const QImage *>(p.device());
    if (image == nullptr || image->isNull())
        return fallback;
    // A point off the picture reads the nearest colour on its edge.
    const QPoint mapped = p.transform().map(at).toPoint();
    const QPoint c(std::clamp(mapped.x(), 0, image->width() - 1),
                   std::clamp(mapped.y(), 0, image->height() - 1));
    int r = 0;
    int g = 0;
    int b = 0;
    int n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q = c + QPoint(dx, dy);
            if (!image->valid(q))
                continue;
            const QColor k = image->pixelColor(q);
            r += k.red();
            g += k.green();
            b += k.blue();
            ++n;
        }
    return n == 0 ? fallback : QColor(r / n, g / n, b / n);
}

Fin fanFin(QPointF top, QPointF bottom, double length, double angle, double spread, double point,
           int rays)
{
    const int count = std::max(3, rays);
    const double k = std::clamp(point, 0.0, 1.0);
    std::vector<QPointF> tips;
    for (int i = 0; i < count; ++i) {
        const double u = double(i) / (count - 1);
        const double fan = 0.6 + 0.4 * std::sin(pi * (0.18 + 0.82 * u));
        const double wing = u < 0.15 ? 0.9 + u / 0.15 * 0.1 : 1.0 - 0.78 * (u - 0.15) / 0.85;
        const QPointF root = top + (bottom - top) * ((i + 0.5) / count);
        const QPointF reach =
            heading(angle - spread * (0.5 - u)) * length * (fan + (wing - fan) * k);
        // The fin lies back along the flank, turned a little away from the
        // viewer, so its fan shows narrower across than it really spreads.
        const QPointF axis = heading(angle);
        const double lengthwise = QPointF::dotProduct(reach, axis);
        tips.push_back(root + axis * lengthwise + (reach - axis * lengthwise) * 0.8);
    }
    // Through every other tip, so the free edge runs smooth past the rays.
    std::vector<QPointF> rim{top};
    for (int i = 0; i < count; i += 2)
        rim.push_back(tips[i]);
    if (count % 2 == 0)
        rim.push_back(tips.back());
    rim.push_back(bottom);
    Fin f = finAlong(rim);
    f.tips = tips;
    return f;
}

Fin pelvicFin(const QPainterPath &body, QPointF inside, double base, double length, double angle,
              double filament, int rays)
{
    // A triangle hinged on the belly: a stiff spine along its leading edge,
    // soft rays fanning back behind it, each shorter than the one before, so
    // that the trailing edge runs back up to the rear of a broad base. The
    // root reaches a little into the body, so the fin grows out of the belly.
    const double span = std::max(base, length * 0.3);
    const QPointF front = rimPoint(body, inside, 1) - QPointF(0, 0.6);
    const QPointF rear = rimPoint(body, inside + QPointF(span, 0), 1) - QPointF(0, 0.6);
    const QPointF along = heading(angle);
    const QPointF out(along.y(), -along.x());
    const QPointF tip = front + along * length;
    const QPointF inner = rear + heading(angle - 30) * length * 0.3;
    Fin f;
    f.base = QLineF(front, rear);
    f.spines = 1;
    f.tips.push_back(front + along * length * 0.86 - out * length * 0.03);
    const int count = std::max(3, rays);
    for (int i = 1; i < count; ++i) {
        const double u = double(i - 1) / (count - 2);
        // The first soft rays reach furthest, the last barely past the base.
        const QPointF a = tip + (inner - tip) * std::pow(u, 0.8);
        f.tips.push_back(a + out * length * 0.05 * std::sin(u * pi));
    }
    if (filament > 0)
        f.tips[1] = tip + heading(angle - 6) * filament;
    std::vector<QPointF> edge{front, front + along * length * 0.5 - out * length * 0.035};
    if (filament > 0) {
        edge.push_back(tip - out * length * 0.02);
        edge.push_back(f.tips[1]);
        edge.push_back(tip + along * length * 0.02 + out * length * 0.1);
    } else {
        edge.push_back(tip + out * length * 0.02);
    }
    // The trailing edge runs nearly straight, a little hollow, between the rays' ends.
    edge.push_back((tip + inner) / 2 + out * length * 0.01);
    edge.push_back(inner);
    edge.push_back(rear);
    f.edge = curveThrough(edge);
    f.shape = f.edge;
    f.shape.lineTo(rear - QPointF(0, 1.2));
    f.shape.lineTo(front - QPointF(0, 1.2));
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

void paintPectoral(QPainter &p, const QPainterPath &body, const Fin &f, QColor membrane, QColor ray)
{
    if (Silhouette::record(p, f.shape))
        return;
    std::vector<QPointF> tips = f.tips;
    if (tips.empty()) {
        const int rays = std::max(6, int(f.base.length() * 1.5));
        for (int i = 0; i < rays; ++i)
            tips.push_back(f.edge.pointAtPercent((i + 0.5) / rays));
    }
    const QPointF root = f.base.center();
    QPointF mean(0, 0);
    for (const QPointF &t : tips)
        mean += t / double(tips.size());
    const QPointF axis = mean - root;
    const double reach = std::max(1.0, std::hypot(axis.x(), axis.y()));
    const QPointF along = axis / reach;
    const double half = std::max(2.0, f.base.length() / 2);
    // The flank under the root.
    const QColor flank = colourUnder(p, root + along * half * 0.3, membrane);
    {
        // Where the fin hinges on the body the flank darkens a little into
        // the hollow behind the gill opening, with no edge of its own.
        const Saved shade(p);
        p.setClipPath(body, Qt::IntersectClip);
        QRadialGradient hollow(root + along * half * 0.2, half * 1.5);
        hollow.setColorAt(0, QColor(0, 8, 24, 34));
        hollow.setColorAt(1, QColor(0, 8, 24, 0));
        p.fillPath(body, hollow);
        // The fin lies close along the flank and shades it below and
        // behind, softly, darkest where it touches.
        for (int k = 3; k >= 1; --k) {
            const QPainterPath cast = QTransform::fromTranslate(0.35 * k, 0.6 * k).map(f.shape);
            p.fillPath(cast.subtracted(f.shape), QColor(0, 8, 24, 12));
        }
    }
    const Saved s(p);
    p.setClipPath(f.shape, Qt::IntersectClip);
    // The membrane carries the skin's colour out from the fleshy base, a
    // little darker than the flank it lies on, and thins towards its edge,
    // where the flank's markings show through. A fin given a near-opaque
    // colour is pigmented (the Queen Angelfish's yellow) and keeps more of
    // it out towards the edge.
    const double pigment = std::clamp((membrane.alpha() - 185) / 65.0, 0.0, 1.0);
    const QColor film = blend(flank.darker(118), membrane, 0.45 + 0.5 * pigment);
    const auto tint = [&](double clear, double pigmented) {
        return withAlpha(film, int(255 * (clear + (pigmented - clear) * pigment)));
    };
    // Spread over the whole fin, out to its longest ray.
    double farthest = reach;
    for (const QPointF &t : tips)
        farthest = std::max(farthest, std::hypot(t.x() - root.x(), t.y() - root.y()));
    QRadialGradient sheet(root - along * half * 0.2, farthest * 1.05);
    sheet.setColorAt(0, withAlpha(blend(flank, membrane.darker(125), 0.45), 240));
    sheet.setColorAt(0.16, withAlpha(blend(flank, membrane, 0.4 + 0.5 * pigment), 205));
    sheet.setColorAt(0.32, tint(0.36, 0.85));
    sheet.setColorAt(0.7, tint(0.2, 0.6));
    sheet.setColorAt(1, tint(0.08, 0.25));
    p.fillPath(f.shape, sheet);
    {
        // The fleshy base the fin swings on: skin over the girdle, lit along
        // its top and creased into shadow where it leaves the body.
        const QPointF across(-along.y(), along.x());
        QPainterPath lobe(f.base.p1() - along * half * 0.3);
        lobe.quadTo(root + along * reach * 0.26 - across * half * 0.5, root + along * reach * 0.3);
        lobe.quadTo(root + along * reach * 0.26 + across * half * 0.5,
                    f.base.p2() - along * half * 0.3);
        lobe.closeSubpath();
        QLinearGradient flesh(root - across * half, root + across * half);
        flesh.setColorAt(0, withAlpha(flank.lighter(112), 200));
        flesh.setColorAt(0.5, withAlpha(flank, 150));
        flesh.setColorAt(1, withAlpha(flank.darker(135), 190));
        const Saved lobeLayer(p);
        p.setOpacity(0.85);
        p.fillPath(lobe, flesh);
        p.setOpacity(1.0);
        const QPainterPath crease = curve(f.base.p1(), root - along * half * 0.15, f.base.p2());
        stroke(p, QTransform::fromTranslate(along.x() * 0.8, along.y() * 0.8).map(crease),
               QColor(0, 8, 24, 60), 1.1);
    }
    paintMembraneFolds(p, f, tips, 0.8);
    // The rays: fine, jointed, each set a little differently, seen mostly
    // near the base and lost in the water towards the edge, the leading
    // one stoutest. They, not an outline, give the fin its shape.
    const int count = int(tips.size());
    for (int i = 0; i < count; ++i) {
        const QPointF from = f.base.pointAt((i + 0.5) / count) - along * half * 0.1;
        const QPointF d = tips[i] - from;
        const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
        const QPointF side = QPointF(-d.y(), d.x()) / len;
        const double sway = len * 0.035 * std::sin(i * 2.3 + 0.7);
        const double strength = i == 0 ? 1.0 : 0.7 + 0.2 * std::sin(i * 1.9);
        QLinearGradient fade(from, tips[i]);
        fade.setColorAt(0, withAlpha(ray, int(ray.alpha() * 0.8 * strength)));
        fade.setColorAt(0.55, withAlpha(ray, int(ray.alpha() * 0.32 * strength)));
        fade.setColorAt(1, withAlpha(ray, 0));
        p.setPen(QPen(QBrush(fade), i == 0 ? 0.75 : 0.42, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve(from, from + d * 0.5 + side * sway, tips[i]));
    }
    // The leading edge alone catches a thread of light.
    if (count > 0) {
        const QPointF from = f.base.pointAt(0.5 / count);
        QLinearGradient glint(from, tips.front());
        glint.setColorAt(0, QColor(255, 255, 255, 50));
        glint.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(QPen(QBrush(glint), 0.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from - QPointF(0, 0.5), tips.front() - QPointF(0, 0.5));
    }
}

void paintPelvicPair(QPainter &p, const Fin &f, QColor membrane, QColor ray)
{
    if (!Silhouette::active(p)) {
        // The far fin of the pair hangs from the other side of the belly,
        // swung a little further back and foreshortened, so that only a
        // sliver of it shows behind the near one, in its shade.
        const QPointF root = f.base.p1();
        const QTransform far =
            QTransform::fromTranslate(-root.x(), -root.y()) *
            QTransform().rotate(-3).scale(0.95, 0.92) *
            QTransform::fromTranslate(root.x() + f.base.length() * 0.2 + 0.8, root.y() + 0.4);
        Fin other = f;
        other.shape = far.map(f.shape);
        other.edge = far.map(f.edge);
        other.base = far.map(f.base);
        for (QPointF &t : other.tips)
            t = far.map(t);
        paintSheerFin(p, other, withAlpha(membrane.darker(130), int(membrane.alpha() * 0.75)),
                      withAlpha(ray.darker(120), int(ray.alpha() * 0.7)), 0);
    }
    // The skin of the belly, read before the fin covers it.
    const QColor belly = Silhouette::active(p)
                             ? membrane
                             : colourUnder(p, f.base.center() - QPointF(0, 2.5), membrane);
    paintSheerFin(p, f, membrane, ray, 0);
    if (Silhouette::active(p) || f.tips.empty())
        return;
    {
        // The fin grows from a fleshy root in the belly's own colour, which
        // runs a little way out along it before the membrane takes over.
        const Saved root(p);
        p.setClipPath(f.shape, Qt::IntersectClip);
        const QPointF out = (f.tips.front() + f.tips.back()) / 2 - f.base.center();
        QLinearGradient flesh(f.base.center(), f.base.center() + out * 0.4);
        flesh.setColorAt(0, withAlpha(belly, 220));
        flesh.setColorAt(0.5, withAlpha(belly, 110));
        flesh.setColorAt(1, withAlpha(belly, 0));
        p.fillPath(f.shape, flesh);
    }
    // The stiff leading spine, pale and stout, catching the light.
    const QPointF root = f.base.p1();
    const QPointF tip = f.tips.front();
    const QPainterPath spine = curve(root, (root + tip) / 2 + QPointF(-0.4, 0), tip);
    stroke(p, spine, withAlpha(ray.darker(140), 170), 1.4);
    stroke(p, QTransform::fromTranslate(-0.35, -0.2).map(spine), QColor(255, 255, 255, 110), 0.55);
}

void modelBody(QPainter &p, const QPainterPath &body, double tailRoot, QColor outline,
               double strength)
{
    if (Silhouette::active(p))
        return;
    const QRectF r = body.boundingRect();
    const double depth = r.height();
    const auto shifted = [&body](double dy) { return QTransform::fromTranslate(0, dy).map(body); };
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The back turns away from the light, in bands that follow its line.
        // Fine steps, so that no step shows as a contour line.
        for (int i = 1; i <= 24; ++i)
            p.fillPath(body.subtracted(shifted(depth * 0.032 * i / 3.0)),
                       QColor(0, 8, 24, int(10 * strength / 3.0 + 0.5)));
        // The skin is never one flat tone: broad, faint clouds of lighter
        // and darker, placed by the body's own size so each fish has its own.
        const double seed = r.width() * 0.37 + r.height() * 1.91;
        for (int i = 0; i < 12; ++i) {
            const double u = 0.5 + 0.45 * std::sin(seed + i * 2.399);
            const double v = 0.5 + 0.4 * std::sin(seed * 1.7 + i * 1.618);
            const double size = depth * (0.18 + 0.12 * std::abs(std::sin(seed * 0.3 + i)));
            paintGlow(p, QPointF(r.left() + r.width() * u, r.top() + depth * v), size,
                      i % 2 == 0 ? QColor(255, 255, 255, int(12 * strength))
                                 : QColor(0, 8, 24, int(14 * strength)));
        }
        // The belly curves under into shadow.
        for (int i = 1; i <= 18; ++i)
            p.fillPath(body.subtracted(shifted(-depth * 0.03 * i / 3.0)),
                       QColor(0, 8, 24, int(9 * strength / 3.0 + 0.5)));
        // A sheen along the upper flank, shaped by the outline above it and
        // spread wide and thin, so that it lifts the flank without reading
        // as a pale band with edges of its own.
        const QPointF centre(r.center().x(), r.top() + depth * 0.38);
        for (int i = 0; i < 20; ++i) {
            QTransform band;
            band.translate(centre.x(), centre.y());
            band.scale(1.0 - 0.012 * i, 0.62 - 0.029 * i);
            band.translate(-centre.x(), -centre.y());
            p.fillPath(band.map(body), QColor(255, 255, 255, int(2.6 * strength + 0.5)));
        }
    }
    paintBodyEdge(p, body, outline, tailRoot);
}

std::vector<ScaleSite> scaleSites(const BodyShape &shape, double size, int rows)
{
    std::vector<ScaleSite> sites;
    // Rows run from the back to the belly, spaced by the body's depth, so
    // they close in on each other towards the snout and the tail; and as
    // the flank turns away towards back and belly they crowd together, as
    // rows round a drum do.
    const auto rowAt = [rows](double row) {
        const double u = std::clamp(-1.0 + 2.0 * row / rows, -1.0, 1.0);
        return 1.3 * (0.45 * u + 0.55 * std::sin(u * pi / 2));
    };
    for (int row = 0; row <= rows; ++row) {
        const double across = rowAt(row);
        const double step = std::max(0.02, rowAt(row + 1) - across);
        double t = 0.18 + (row % 2) * 0.5 * size / shape.length;
        int n = 0;
        while (t < 1.02) {
            ++n;
            // Each scale a little off the set of its neighbours.
            const double hash = std::sin(n * 12.99 + row * 78.23) * 43758.5;
            const double own = hash - std::floor(hash);
            const QPointF c = shape.at(t + (own - 0.5) * 0.2 * size / shape.length, across);
            // The row's own direction and the gap to the next row here: each
            // scale lies along its row and is no taller than the row allows.
            const QPointF ahead = shape.at(t + 0.01, across) - c;
            const QPointF below = shape.at(t, across + step) - c;
            const double gap = std::hypot(below.x(), below.y());
            // Largest over the middle of the flank, smaller towards the head,
            // towards the fins along back and belly and down the stalk.
            const double head = 0.55 + 0.45 * std::clamp((t - 0.16) / 0.3, 0.0, 1.0);
            const double stalk = 1.0 - 0.4 * std::clamp((t - 0.7) / 0.3, 0.0, 1.0);
            const double side = across > 0 ? 0.62 : 0.5;
            const double local = std::max(0.4, (1.0 - side * across * across) * head * stalk);
            // No two scales quite alike in size or set.
            const double vary = 1.0 + 0.08 * std::sin(n * 2.1 + row * 1.7) + 0.14 * (own - 0.5);
            const double d = std::min(size * local, gap * 1.75) * vary;
            sites.push_back({c + QPointF(0, gap * 0.08 * std::sin(n * 1.3 + row)),
                             std::atan2(ahead.y(), ahead.x()) * 180.0 / pi + (own - 0.5) * 9.0, d,
                             std::min(d, gap * 1.7), t, across, row, n});
            t += d / shape.length;
        }
    }
    return sites;
}

void paintScaleRows(QPainter &p, const QPainterPath &area, const BodyShape &shape, double size,
                    QColor rim, double width, ScaleStyle kind)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    // Counted from the whole body, not the area, so that the rows laid over
    // two parts of one body meet without a seam.
    const int rows = int(std::ceil(shape.depth / (size * 0.62)));
    for (const ScaleSite &site : scaleSites(shape, size, rows)) {
        const double t = site.along;
        const int row = site.row;
        const double d = site.length;
        const double h = site.height;
        // Lit from above, the scales show plainest over the upper flank,
        // a little less along the back as it turns away, and sink into the
        // shadow of the belly until they can hardly be seen.
        const double a = site.across;
        const double shade = a < 0 ? 1.0 - 0.35 * std::min(1.0, -a) * std::min(1.0, -a)
                                   : 1.0 - 0.92 * std::min(1.0, a / 1.05);
        // In the sheen along the upper flank the light washes them out too.
        const double washed = 1.0 - 0.45 * std::exp(-std::pow((a + 0.32) / 0.24, 2.0));
        const double fade = std::clamp((t - 0.18) / 0.16, 0.0, 1.0) * std::max(0.0, shade) *
                            washed * (1.0 - 0.35 * std::clamp((t - 0.85) / 0.15, 0.0, 1.0));
        // How much of the light from above the scale's free edge catches.
        const double lit = std::clamp(0.5 - a * 0.6, 0.0, 1.0);
        // No two scale edges catch the light alike, and each pocket has
        // a lit rim in front of the dark edge of the scale before it.
        const double catchLight = 0.6 + 0.4 * std::sin(t * 97.0 + row * 2.3);
        // Faint scale edges are texture that shows only where the light
        // catches the flank, in broad uneven patches, and sinks into the
        // shading between; strongly pigmented edges show everywhere.
        const double texture = 1.0 - rim.alpha() / 255.0;
        const double sheen =
            0.5 + 0.5 * std::sin(t * 6.3 + a * 2.9 + 0.7) * std::sin(t * 3.7 - a * 4.6 + 1.9);
        const double patchy = 1.0 - texture * 0.8 * (1.0 - sheen);
        // Nor are any two rims quite as strongly pigmented.
        const double hash = std::sin(site.index * 12.99 + row * 78.23 + 3.1) * 43758.5;
        const double own = 0.72 + 0.28 * (hash - std::floor(hash));
        int alpha = int(rim.alpha() * fade * catchLight * patchy * own);
        const int shine = int(std::min(255.0, rim.alpha() * fade * (0.3 + 0.7 * lit) * patchy));
        const Saved one(p);
        p.translate(site.centre);
        p.rotate(site.angle);
        {
            // Scales are grown, not printed: each sits a little off
            // its place in the row, a little larger or smaller and turned
            // its own way, and the margins' pigment gathers in broad
            // patches, strong in some and faint in others.
            const double first = std::sin(site.index * 12.99 + row * 78.23) * 43758.5;
            const double other = std::sin(site.index * 4.71 + row * 17.3 + 0.5) * 24634.6;
            const double own = first - std::floor(first);
            const double jig = other - std::floor(other);
            p.translate(d * 0.1 * (own - 0.5), h * 0.1 * (jig - 0.5));
            p.rotate(14.0 * (jig - 0.5));
            p.scale(0.9 + 0.2 * jig, 0.92 + 0.16 * own);
            const double cloud = 0.6 + 0.4 * (0.5 + 0.5 * std::sin(t * 11.0 + a * 3.7 + 0.4) *
                                                        std::cos(t * 5.3 - a * 2.1 + 1.2));
            alpha = int(alpha * cloud);
        }
        const QRectF edge(-d * 0.5, -h * 0.5, d, h);
        switch (kind) {
        case ScaleStyle::Crescent: {
            // Each scale edge is a soft shadow rather than an inked line:
            // a broad faint band under a fine core, and the lit scale beyond;
            // each shows a little more or less of its edge, a little off centre.
            const int span = int((86 + 34 * (own - 0.72) / 0.28) * 16);
            const int tilt = int(12 * std::sin(site.index * 2.9 + row * 1.3) * 16);
            p.setPen(QPen(withAlpha(rim, alpha / 4), width * 2.8, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(edge, tilt - span / 2 - 80, span + 160);
            p.setPen(QPen(withAlpha(rim, alpha * 3 / 5), width * 0.7, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(edge, tilt - span / 2, span);
            p.setPen(
                QPen(QColor(255, 255, 255, shine / 5), width * 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(-d * 0.68, -h * 0.5, d, h), -40 * 16, 80 * 16);
            break;
        }
        case ScaleStyle::Fine:
            // Small scales read only as a grain in the skin: one faint
            // short edge each, lit or shaded by turns.
            p.setPen(QPen(row % 3 == 0 ? QColor(255, 255, 255, alpha / 3)
                                       : withAlpha(rim, alpha * 2 / 5),
                          width * 0.55, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(edge, -40 * 16, 80 * 16);
            break;
        case ScaleStyle::Large: {
            // Large scales each show whole: a pigmented margin round the
            // free edge, a shadow where it overlaps the next, a lit centre.
            // Each lies at its own slight tilt and holds its own tone, so
            // no two repeat.
            const double hash = std::sin(site.index * 12.99 + row * 78.23) * 43758.5;
            const double own = hash - std::floor(hash);
            const int span = int((140 + 30 * own) * 16);
            p.fillPath(oval(QPointF(0, 0), d * 0.46, h * 0.46),
                       own < 0.5 ? QColor(0, 8, 24, int(alpha * (0.5 - own) * 0.25))
                                 : QColor(255, 255, 255, int(shine * (own - 0.5) * 0.22)));
            paintGlow(p, QPointF(-d * 0.12, -h * 0.1), d * 0.42, QColor(255, 255, 255, shine / 5));
            p.setPen(QPen(withAlpha(rim, alpha / 4), width * 3.0, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(edge.adjusted(d * 0.06, h * 0.06, -d * 0.06, -h * 0.06), -span / 2, span);
            p.setPen(QPen(withAlpha(rim, alpha * (7 + int(own * 3)) / 10), width * 0.9,
                          Qt::SolidLine, Qt::RoundCap));
            p.drawArc(edge, -span / 2 - 80, span + 160);
            p.setPen(QPen(QColor(0, 8, 24, alpha / 4), width * 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(edge.translated(d * 0.12, 0), -60 * 16, 120 * 16);
            break;
        }
        case ScaleStyle::Flat: {
            // Big scales pressed flat into a smooth skin: only a pigmented
            // margin along the free edge, its span varying from scale to
            // scale, and the light passing over them all alike.
            const double hash = std::sin(site.index * 12.99 + row * 78.23) * 43758.5;
            const double own = hash - std::floor(hash);
            const int span = int((100 + 40 * own) * 16);
            p.setPen(QPen(withAlpha(rim, alpha / 4), width * 2.6, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(edge.adjusted(d * 0.05, 0, -d * 0.05, 0), -span / 2, span);
            p.setPen(QPen(withAlpha(rim, alpha * (5 + int(own * 3)) / 10), width * 0.75,
                          Qt::SolidLine, Qt::RoundCap));
            p.drawArc(edge, -span / 2, span);
            break;
        }
        }
    }
}

void paintBeakPlates(QPainter &p, const QPainterPath &body, QPointF tip, double size, QColor colour,
                     QColor lips)
{
    if (Silhouette::active(p))
        return;
    // Two hard plates of fused teeth make the front of the snout itself:
    // the body's outline is their front, and behind it each plate ends in a
    // hard edge under a thin fold of lip. They meet in a straight cutting
    // edge with a small notch at the front, where the left and right halves
    // of each plate join.
    const double s = size * 1.05;
    const auto at = [tip, s](double x, double y) { return tip + QPointF((x + 0.02) * s, y * s); };
    // Only the edges of the plates show between the lips: a band along
    // each jaw, deepest at the front where the upper one hooks a little
    // over the lower, narrowing back to the corner of the mouth.
    QPainterPath upper(at(-0.44, 0.1));
    upper.cubicTo(at(-0.52, 0.0), at(-0.5, -0.2), at(-0.4, -0.3));
    upper.cubicTo(at(-0.2, -0.36), at(0.22, -0.26), at(0.6, 0.09));
    upper.quadTo(at(0.2, 0.08), at(-0.44, 0.1));
    upper.closeSubpath();
    QPainterPath lower(at(0.56, 0.12));
    lower.quadTo(at(0.1, 0.11), at(-0.42, 0.12));
    lower.cubicTo(at(-0.46, 0.26), at(-0.38, 0.4), at(-0.24, 0.44));
    lower.cubicTo(at(0.0, 0.46), at(0.36, 0.32), at(0.56, 0.12));
    lower.closeSubpath();
    const Saved saved(p);
    p.setClipPath(body, Qt::IntersectClip);
    const QColor enamel = colour;
    // Without a colour of their own the lips take the skin's behind them.
    const QColor flesh = lips.isValid() ? lips : colourUnder(p, at(1.1, -0.1), colour.darker(140));
    for (const auto &[plate, lit] : {std::pair{upper, true}, std::pair{lower, false}}) {
        const QRectF r = plate.boundingRect();
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        if (lit) {
            g.setColorAt(0, enamel.darker(118));
            g.setColorAt(0.6, enamel);
            g.setColorAt(1, enamel.lighter(116));
        } else {
            g.setColorAt(0, enamel.lighter(108));
            g.setColorAt(0.5, enamel.darker(104));
            g.setColorAt(1, enamel.darker(135));
        }
        p.fillPath(plate, g);
        {
            const Saved clip(p);
            p.setClipPath(plate, Qt::IntersectClip);
            // The fused teeth are a pavement of small rounded crowns set in
            // slanting rows, worn flat and largest along the cutting edge,
            // smaller and lost in the enamel further in.
            const double edgeY = lit ? 0.08 : 0.12;
            const double dir = lit ? -1 : 1;
            for (int row = 0; row < 3; ++row) {
                const double r2 = s * (0.045 - row * 0.008);
                const double y = edgeY + dir * (0.05 + row * 0.075);
                const int alpha = 120 - row * 34;
                for (int i = 0; i < 12; ++i) {
                    const double x = -0.44 + i * (0.09 - row * 0.004) + row * 0.045 +
                                     0.012 * std::sin(i * 2.3 + row * 1.7);
                    const QPointF c = at(x, y + 0.01 * std::sin(i * 1.9 + row));
                    const QRectF crown(c.x() - r2 * 1.1, c.y() - r2 * 0.8, r2 * 2.2, r2 * 1.6);
                    p.setPen(Qt::NoPen);
                    p.setBrush(withAlpha(enamel.lighter(122), alpha * 2 / 3));
                    p.drawEllipse(crown.translated(0, -dir * r2 * 0.2));
                    // The seam between one crown and the next row.
                    p.setPen(
                        QPen(withAlpha(enamel.darker(160), alpha / 2), std::max(0.3, s * 0.012)));
                    p.setBrush(Qt::NoBrush);
                    p.drawArc(crown, lit ? 200 * 16 : 20 * 16, 140 * 16);
                }
            }
            // Shaded towards the rear where it sinks under the lip.
            QLinearGradient sink(at(0.0, 0), at(0.62, 0));
            sink.setColorAt(0, QColor(0, 0, 0, 0));
            sink.setColorAt(1, QColor(0, 0, 0, 70));
            p.fillPath(plate, sink);
        }
    }
    // The cutting edges meet in a line, worn smooth and only gently uneven,
    // pale above the dark gap between the plates, which narrows towards
    // the corner. They end where the lips close over them, not out on the
    // cheek.
    std::vector<QPointF> bite;
    for (int i = 0; i <= 12; ++i) {
        const double u = i / 12.0;
        bite.push_back(at(-0.42 + 0.84 * u, 0.1 + 0.02 * u + 0.005 * std::sin(u * 9.0 + 0.6)));
    }
    p.fillPath(ribbon(curveThrough(bite), {s * 0.05, s * 0.04, s * 0.03, s * 0.015}),
               QColor(15, 12, 12, 170));
    stroke(p, QTransform::fromTranslate(0, -s * 0.03).map(curveThrough(bite)),
           withAlpha(enamel.lighter(160), 170), std::max(0.4, s * 0.022));
    // Thick fleshy lips roll over the rear of both plates, so that only the
    // front of the beak shows between them: skin-coloured, lit along the
    // top, with a crease where each meets the enamel.
    QPainterPath upperRear(at(-0.46, -0.38));
    upperRear.cubicTo(at(-0.1, -0.46), at(0.34, -0.3), at(0.6, 0.09));
    QPainterPath lowerRear(at(0.54, 0.13));
    lowerRear.cubicTo(at(0.36, 0.38), at(0.0, 0.54), at(-0.34, 0.52));
    for (const QPainterPath &rear : {upperRear, lowerRear}) {
        const QPainterPath spine = QTransform::fromTranslate(s * 0.04, 0).map(rear);
        const QPainterPath lip = ribbon(spine, {s * 0.1, s * 0.24, s * 0.24, s * 0.14});
        const QRectF r = lip.boundingRect();
        QLinearGradient fold(r.topLeft(), r.topRight());
        fold.setColorAt(0, flesh.lighter(112));
        fold.setColorAt(0.45, flesh);
        fold.setColorAt(1, withAlpha(flesh, 0));
        p.fillPath(lip, fold);
        stroke(p, QTransform::fromTranslate(-s * 0.07, 0).map(rear),
               withAlpha(enamel.darker(260), 140), std::max(0.45, s * 0.025));
        stroke(p, QTransform::fromTranslate(-s * 0.02, -s * 0.03).map(rear),
               withAlpha(flesh.lighter(140), 110), std::max(0.4, s * 0.03));
    }
}

} // namespace fishkit
