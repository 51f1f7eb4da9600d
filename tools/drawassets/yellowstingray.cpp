// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rays.h"

#include "fishart.h"
#include "fishkit.h"

#include <QImage>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

// The Yellow Stingray, seen from above resting on the sand.

namespace fishart {

using namespace fishkit;
using namespace rays;

namespace {

// The ray on the sand seen from above, head up, around the origin of a
// frame moved to `at` and turned by `turn` degrees.
struct Stingray
{
    QPointF at;
    double turn = 0.0;
    QPainterPath disc;
    QPainterPath tailLine;    // from under the disc to the tip
    std::vector<double> tail; // its width at even steps along tailLine
    QPainterPath hind;        // the fins out behind the disc
    double stingAt = 0.2;     // where the sting sits along the tail
    QColor colour;
    QPointF eye; // the right eye; the left one mirrors it
    double eyeSize = 3.0;
    double sting = 10.0; // length of the sting
    QRectF body;         // the raised head and trunk in the middle of the disc
};

// The Yellow Stingray's skin seen close: the golden ground crowded with
// round pale yellow spots, and between them only faint, thin, broken dark
// squiggles and small freckles that never close round a spot, so the skin
// reads as a fine mottle rather than a net. The marks are even on the skin
// laid flat, so foreshortened on the trunk's slopes; they shrink, fade and
// soften out on the thin rim and are a little darker over the raised middle.
void paintVermiculation(QPainter &p, const QPainterPath &area, const Stingray &ray, QColor dark,
                        QColor pale)
{
    constexpr double cell = 5.5, perUnit = 4.0;
    const QPointF trunk = ray.body.center(), middle(0, -6);
    const double hw = ray.body.width() / 2, hh = ray.body.height() / 2;
    const QRectF rim = ray.disc.boundingRect();
    const auto flatten = [&](QPointF c) {
        // Down the slopes round the trunk more skin lies under each step.
        const QPointF d = c - trunk;
        const double r = std::max(1e-6, std::hypot(d.x() / hw, d.y() / hh));
        const double slope = 0.35 * 0.25 * std::sqrt(std::numbers::pi) / 2 *
                             (std::erf((r - 0.9) / 0.25) + std::erf(0.9 / 0.25));
        c = trunk + d * ((r + slope) / r);
        // Towards the rim and down the tail the marks shrink a little.
        const QPointF m = c - middle;
        const double e = std::max(1e-6, std::hypot(m.x(), m.y())), knee = 90;
        const double s = e <= knee ? e + 0.25 * e * e * e / (3 * 60 * 60)
                                   : knee + 0.25 * knee * knee * knee / (3 * 60 * 60) +
                                         (1 + 0.25 * knee * knee / (60 * 60)) * (e - knee);
        return middle + m * (s / e);
    };
    const auto mix = [](int i, int j, quint32 salt) {
        quint32 h = quint32(i) * 73856093u ^ quint32(j) * 19349663u ^ salt * 83492791u;
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        return (h & 0xffffu) / 65535.0;
    };
    const QRectF box = area.boundingRect();
    QImage skin(int(box.width() * perUnit) + 1, int(box.height() * perUnit) + 1,
                QImage::Format_ARGB32_Premultiplied);
    skin.fill(Qt::transparent);
    // Smooth value noise: the squiggles run along its middle contour.
    const auto noise = [&](QPointF q, quint32 salt) {
        const int i = int(std::floor(q.x())), j = int(std::floor(q.y()));
        const double fx = q.x() - i, fy = q.y() - j;
        const double u = fx * fx * (3 - 2 * fx), v = fy * fy * (3 - 2 * fy);
        const double top = mix(i, j, salt) * (1 - u) + mix(i + 1, j, salt) * u;
        const double bottom = mix(i, j + 1, salt) * (1 - u) + mix(i + 1, j + 1, salt) * u;
        return top * (1 - v) + bottom * v;
    };
    const auto field = [&](QPointF q) {
        return noise(q / 3.2, 7) + 0.3 * noise(q / 1.6, 8) - 0.65;
    };
    const auto smooth = [](double a, double b, double x) {
        const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
        return t * t * (3 - 2 * t);
    };
    // The cell whose seed lies nearest to `q`, and how far it is.
    struct Near
    {
        double f1 = 1e9;
        int ni = 0, nj = 0;
    };
    const auto nearest = [&](QPointF q) {
        Near n;
        const int gi = int(std::floor(q.x())), gj = int(std::floor(q.y()));
        for (int j = gj - 1; j <= gj + 1; ++j)
            for (int i = gi - 1; i <= gi + 1; ++i) {
                const QPointF seed(i + 0.2 + 0.6 * mix(i, j, 1), j + 0.2 + 0.6 * mix(i, j, 2));
                const double f = std::hypot(q.x() - seed.x(), q.y() - seed.y());
                if (f < n.f1)
                    n.f1 = f, n.ni = i, n.nj = j;
            }
        return n;
    };
    for (int y = 0; y < skin.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(skin.scanLine(y));
        for (int x = 0; x < skin.width(); ++x) {
            const QPointF at = box.topLeft() + QPointF(x + 0.5, y + 0.5) / perUnit;
            const QPointF flat = flatten(at);
            const Near spots = nearest(flat / cell);
            // Out on the thin rim the marks fade and blur; over the raised
            // middle they darken a little. The tail keeps an even tone.
            const QPointF off = at - rim.center();
            const double reach =
                std::hypot(off.x() / (rim.width() / 2), off.y() / (rim.height() / 2));
            const double thin =
                smooth(0.72, 1.0, reach) * (1 - smooth(rim.bottom() - 8, rim.bottom() + 4, at.y()));
            const QPointF dome = at - trunk;
            const double raised =
                std::exp(-std::pow(dome.x() / hw, 2) - std::pow(dome.y() / hh, 2));
            const double tone = (1 - 0.55 * thin) * (0.85 + 0.25 * raised);
            const double aa = 0.35 + 0.3 * thin;
            // Down the tail and over its fin the lines and spots are finer.
            const double fine = 1 - 0.3 * smooth(rim.bottom() - 4, rim.bottom() + 24, at.y());
            // A squiggle is the noise's middle contour, shown only in short
            // stretches that taper out, so it never closes into a cell.
            const double f = field(flat), step = 0.25;
            const double gx = (field(flat + QPointF(step, 0)) - f) / step;
            const double gy = (field(flat + QPointF(0, step)) - f) / step;
            const double apart = std::abs(f) / std::max(1e-6, std::hypot(gx, gy));
            const double shown = smooth(0.46, 0.62, noise(flat / 4.5, 9));
            double ink =
                shown * (1 - smooth(0.32 * fine - aa * 0.6, 0.32 * fine + aa * 0.6, apart));
            // Small dark freckles sit in the gaps between the pale spots.
            const QPointF half = flat / cell + QPointF(0.5, 0.5);
            const Near gaps = nearest(half);
            if (mix(gaps.ni, gaps.nj, 6) < 0.55) {
                const double r = (0.6 + 0.35 * mix(gaps.ni, gaps.nj, 10)) * fine;
                ink = std::max(ink, 1.1 * (1 - smooth(r - aa, r + aa, gaps.f1 * cell)));
            }
            double light = 0.0;
            if (mix(spots.ni, spots.nj, 3) < 0.75) {
                const double spot = (1.05 + 0.4 * mix(spots.ni, spots.nj, 4)) * fine;
                light = 1 - smooth(spot - aa, spot + aa, spots.f1 * cell);
            }
            const double dye = ink * 0.34 * tone;
            light *= (1 - dye) * 0.8 * (1 - 0.4 * thin);
            const double a = std::min(1.0, dye + light);
            if (a <= 0)
                continue;
            const double w = dye / a;
            const auto channel = [&](int d, int l) { return int((d * w + l * (1 - w)) * a); };
            row[x] = qRgba(channel(dark.red(), pale.red()), channel(dark.green(), pale.green()),
                           channel(dark.blue(), pale.blue()), int(a * 255));
        }
    }
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(box.topLeft(), QSizeF(skin.size()) / perUnit), skin);
}

// The eye of a resting stingray seen from above: a small bump of the skin
// `skin` on top of the head, with only a slit of the dark eye showing on its
// outer side, and just behind it (towards +y) the spiracle, a rounded opening
// in the skin, darker inside, through which the ray breathes while it lies on
// the sand. `side` is -1 or 1.
void paintEye(QPainter &p, QPointF centre, double size, QColor skin, double side)
{
    const Saved s(p);
    p.setPen(Qt::NoPen);
    // The bump casts a little shadow down and to the right of the light.
    const QPointF dropped = centre + QPointF(size * 0.35, size * 0.45);
    QRadialGradient shade(dropped, size * 1.1);
    shade.setColorAt(0.0, QColor(20, 16, 8, 50));
    shade.setColorAt(1.0, QColor(20, 16, 8, 0));
    p.setBrush(shade);
    p.drawEllipse(dropped, size * 1.1, size * 1.1);
    // A swelling of the skin with no edge of its own, lit on its upper left.
    QRadialGradient dome(centre - QPointF(size * 0.3, size * 0.35), size * 1.2);
    dome.setColorAt(0.0, withAlpha(skin.lighter(114), 200));
    dome.setColorAt(0.6, withAlpha(skin, 150));
    dome.setColorAt(1.0, withAlpha(skin, 0));
    p.setBrush(dome);
    p.drawEllipse(centre, size * 1.0, size * 1.1);
    // The eye looks out sideways, so from above it shows as a narrow dark
    // slit along the outer flank of the bump, its ends sunk into the skin.
    const QPointF ball = centre + QPointF(side * size * 0.32, 0);
    const double half = size * 0.48, wide = size * 0.15;
    QPainterPath slit(ball - QPointF(-side * wide * 0.6, half));
    slit.quadTo(ball + QPointF(side * wide * 1.6, 0), ball + QPointF(side * wide * 0.6, half));
    slit.quadTo(ball - QPointF(side * wide * 1.0, 0), ball - QPointF(-side * wide * 0.6, half));
    stroke(p, slit, withAlpha(skin.darker(170), 70), wide * 1.2);
    p.setBrush(withAlpha(skin.darker(420), 235));
    p.drawPath(slit);
    // The spiracle: a hole a little larger than the eye, its front lip
    // shading the inside, so the dark lies forward and fades to the skin
    // behind.
    const QPointF hole = centre + QPointF(side * size * 0.2, size * 1.4);
    QRadialGradient inside(hole - QPointF(0, size * 0.12), size * 0.62);
    inside.setColorAt(0.0, withAlpha(skin.darker(280), 235));
    inside.setColorAt(0.65, withAlpha(skin.darker(190), 215));
    inside.setColorAt(0.85, withAlpha(skin.darker(130), 110));
    inside.setColorAt(1.0, withAlpha(skin.darker(120), 0));
    p.setBrush(inside);
    p.drawEllipse(hole, size * 0.58, size * 0.62);
}

// The ray's skin carries the vermiculation in `dark` and `pale`.
void paintStingray(QPainter &p, const Stingray &ray, QColor dark, QColor pale)
{
    const Saved s(p);
    p.translate(ray.at);
    p.rotate(ray.turn);
    const QPainterPath tail = ribbon(ray.tailLine, ray.tail);
    // It lies on the sand, so no drop shadow: only the sand darkening along its rim.
    paintContactShadow(p, ray.disc.united(ray.hind).united(tail), QPointF(1.0, 1.4));

    const QColor line = ray.colour.darker(170);
    // The tail is one skin with the disc: the same colour and one pattern
    // running over both.
    const QPainterPath hindParts = ray.hind.united(tail);
    const QPainterPath whole = ray.disc.united(hindParts);
    fillBody(p, hindParts, ray.colour.darker(106), ray.colour, ray.colour.darker(104));
    QRadialGradient g(QPointF(0, -6), ray.disc.boundingRect().width() * 0.55);
    g.setColorAt(0, ray.colour.darker(110));
    g.setColorAt(0.6, ray.colour);
    g.setColorAt(1, ray.colour.lighter(112));
    p.fillPath(ray.disc, g);
    paintVermiculation(p, whole, ray, dark, pale);
    {
        // Head and trunk rise as a low dome in the middle of the disc and
        // slope down to the thin wings: lit on the slope towards the light,
        // in soft shade on the far one, both lost out on the flat wings.
        const Saved c(p);
        p.setClipPath(whole, Qt::IntersectClip);
        const QPointF light = QTransform().rotate(-ray.turn).map(QPointF(-0.64, -0.77));
        const QPointF body = ray.body.center();
        const double sx = ray.body.width() / ray.body.height();
        p.scale(sx, 1.0);
        const auto squeezed = [&](QPointF at) { return QPointF(at.x() / sx, at.y()); };
        const double reach = ray.body.height() * 0.5;
        paintGlow(p, squeezed(body - light * reach * 0.3), reach * 1.0,
                  withAlpha(line.darker(110), 85));
        paintGlow(p, squeezed(body + light * reach * 0.3), reach * 0.95,
                  QColor(255, 238, 176, 105));
        paintGlow(p, squeezed(body + light * reach * 0.45), reach * 0.45,
                  QColor(255, 246, 210, 50));
        // Where the far slope meets the wing the shade gathers in a soft
        // crescent that marks the edge of the raised trunk.
        const QPointF across(-light.y(), light.x());
        QPolygonF far{body + across * 200, body + across * 200 - light * 200,
                      body - across * 200 - light * 200, body - across * 200};
        QPainterPath farSide;
        farSide.addPolygon(QTransform::fromScale(1 / sx, 1).map(far));
        p.setClipPath(farSide, Qt::IntersectClip);
        QRadialGradient slope(squeezed(body), reach * 1.05);
        slope.setColorAt(0.7, withAlpha(line, 0));
        slope.setColorAt(0.88, withAlpha(line, 55));
        slope.setColorAt(1.0, withAlpha(line, 0));
        p.fillRect(
            QRectF(squeezed(body) - QPointF(reach * 2, reach * 2), QSizeF(reach * 4, reach * 4)),
            slope);
    }
    {
        // Out at the rim the wings are thin enough for the light to come
        // through them, a pale margin round the disc.
        const Saved c(p);
        p.setClipPath(ray.disc, Qt::IntersectClip);
        stroke(p, ray.disc, withAlpha(ray.colour.lighter(135), 45), 6.0);
        stroke(p, ray.disc, withAlpha(ray.colour.lighter(140), 50), 2.4);
    }
    shadeBody(p, ray.disc, withAlpha(line, 150), 0.6);
    {
        // The tail and the pelvic fins go in under the disc's thin rear edge.
        const Saved c(p);
        p.setClipPath(hindParts.subtracted(ray.disc), Qt::IntersectClip);
        stroke(p, ray.disc.translated(0.4, 0.7), withAlpha(line, 40), 1.6);
        stroke(p, ray.disc.translated(-0.4, -0.7), withAlpha(ray.colour.lighter(130), 50), 1.0);
    }
    {
        // The faint edge of the tail, only where it lies free on the sand.
        const Saved c(p);
        QPainterPath free;
        free.addRect(whole.boundingRect().adjusted(-10, -10, 10, 10));
        p.setClipPath(free.subtracted(ray.disc), Qt::IntersectClip);
        stroke(p, hindParts, withAlpha(line, 110), 0.5);
    }
    {
        // The tail's stalk is round in section, so a soft light runs along
        // its side turned to the light and fades before the thin tip.
        const Saved c(p);
        p.setClipPath(tail.subtracted(ray.disc), Qt::IntersectClip);
        const QPointF light = QTransform().rotate(-ray.turn).map(QPointF(-0.64, -0.77));
        const double last = ray.tail.size() - 1.0;
        QPainterPath ridge;
        for (int i = 0; i <= 40; ++i) {
            const double t = 0.05 + 0.75 * i / 40.0;
            const QPointF a = ray.tailLine.pointAtPercent(std::max(0.0, t - 0.01));
            const QPointF b = ray.tailLine.pointAtPercent(t + 0.01);
            QPointF n(a.y() - b.y(), b.x() - a.x());
            n /= std::max(1e-9, std::hypot(n.x(), n.y()));
            if (QPointF::dotProduct(n, light) < 0)
                n = -n;
            const QPointF at =
                ray.tailLine.pointAtPercent(t) + n * ray.tail[size_t(t * last)] * 0.16;
            if (i == 0)
                ridge.moveTo(at);
            else
                ridge.lineTo(at);
        }
        for (int k = 4; k >= 1; --k)
            stroke(p, ridge, QColor(255, 238, 176, 16), 1.4 * k);
    }
    {
        // The pale horn sting lies along the tail's upper face, a little to
        // the lit side, ahead of the caudal fin.
        const double along = ray.stingAt;
        const QPointF root = ray.tailLine.pointAtPercent(along);
        const QPointF ahead = ray.tailLine.pointAtPercent(std::min(1.0, along + 0.12));
        const QPointF d = (ahead - root) / std::max(1e-6, QLineF(root, ahead).length());
        const QPointF lift = QPointF(-d.y(), d.x()) * ray.tail.front() * 0.06;
        paintSting(p, root + lift, ahead + lift, ray.sting, ray.colour, QColor(226, 204, 146));
    }

    for (const double x : {-1.0, 1.0})
        paintEye(p, QPointF(ray.eye.x() * x, ray.eye.y()), ray.eyeSize, ray.colour, x);
}

} // namespace

// A small round disc, yellow-brown under a fine mottle of dark and pale spots
// and squiggles, with a short thick tail ending in a fin.
void paintYellowStingray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A disc no wider than a dinner plate: ripples a hand apart look broad beside it.
    paintSeabed(p, Canvas::frame, 46);

    const QColor dark(70, 50, 22), pale(246, 226, 140);
    // The tail is supple and lies on the sand in a gentle curve to one side.
    QPainterPath stub(QPointF(0, 56));
    stub.cubicTo(QPointF(2, 92), QPointF(15, 118), QPointF(24, 150));
    // A short, stout, rounded stalk tapers back, and at its end sits a
    // distinct caudal fin: a thin rounded paddle of membrane above and below
    // the tail's last third, wider than the stalk just ahead of it and
    // closing in a rounded end just past the tip.
    const auto core = [](double t) { return 0.4 + 9.4 * std::pow(1 - t, 1.25); };
    std::vector<double> outer, inner;
    constexpr int samples = 40;
    for (int i = 0; i <= samples; ++i) {
        const double t = double(i) / samples;
        outer.push_back(2 * core(t));
        inner.push_back(2 * core(t) * std::min(1.0, (1 - t) * 5));
    }
    constexpr double finAt = 0.84, finLength = 19, finWidth = 8.8;
    const QPointF finCentre = stub.pointAtPercent(finAt);
    const double finAngle = stub.angleAtPercent(finAt);
    // Broadest a little behind its middle, like a paddle, not a leaf.
    std::vector<QPointF> blade;
    constexpr int around = 32;
    for (int i = 0; i < around; ++i) {
        const double t = 2 * std::numbers::pi * i / around, c = std::cos(t);
        blade.emplace_back(finLength * c, finWidth * std::sin(t) * (1 + 0.12 * c));
    }
    QPainterPath paddle = smoothClosedPath(blade.data(), around);
    paddle = QTransform().translate(finCentre.x(), finCentre.y()).rotate(-finAngle).map(paddle);
    // The pelvic fins lie under the disc's rear edge and peep out behind
    // it either side of the tail's thick root.
    const QPainterPath pelvics = mirroredOutline({{0, 48},
                                                  {15, 50},
                                                  {17.2, 53},
                                                  {16.4, 56.4},
                                                  {13.8, 59},
                                                  {10.2, 60.5},
                                                  {6.8, 60.7},
                                                  {4.6, 60.2},
                                                  {0, 59.8}});
    // A little longer than wide, not a coin: one smooth egg-shaped curve,
    // broadest a little ahead of the middle, the snout only a blunt swelling.
    std::vector<QPointF> rim;
    constexpr int steps = 48;
    for (int i = 0; i < steps; ++i) {
        const double t = 2 * std::numbers::pi * i / steps, c = std::cos(t), s = std::sin(t);
        const double snout = 1.5 * std::pow(std::max(0.0, -s), 12);
        rim.emplace_back(58 * c * (1 - 0.05 * s), -7.5 + 63.5 * s - snout);
    }
    const QPainterPath disc = smoothClosedPath(rim.data(), steps);
    const Stingray ray(QPointF(130, 92), -30, disc, stub, outer, pelvics.united(paddle), 0.3,
                       QColor(184, 146, 62), QPointF(12, -38), 4.6, 20, QRectF(-26, -60, 52, 108));
    paintStingray(p, ray, dark, blend(pale, ray.colour, 0.25));
    const Saved s(p);
    p.translate(ray.at);
    p.rotate(ray.turn);
    // The caudal fin is thin skin over fine rays: the pattern fades on it,
    // the rays show through and the light comes through its rim.
    const QPainterPath fin = paddle.subtracted(ribbon(stub, inner));
    p.setClipPath(fin, Qt::IntersectClip);
    QRadialGradient veil(finCentre, finLength);
    veil.setColorAt(0.0, QColor(190, 156, 76, 50));
    veil.setColorAt(1.0, QColor(206, 176, 104, 120));
    p.fillPath(fin, veil);
    stroke(p, paddle, QColor(226, 206, 150, 70), 4.0);
    stroke(p, paddle, QColor(232, 216, 172, 90), 1.6);
    // The rounded stalk stands up from the flat membrane along its sides.
    stroke(p, ribbon(stub, inner), withAlpha(dark, 25), 0.9);
    // Fine rays run out from the stalk to the rim, sloping back towards the
    // tip and fanning round the rounded end, a little uneven.
    const double length = stub.length();
    const QTransform onFin = QTransform().translate(finCentre.x(), finCentre.y()).rotate(-finAngle);
    constexpr int rays = 16;
    for (int i = 0; i < rays; ++i) {
        for (const double side : {-1.0, 1.0}) {
            const double a = std::numbers::pi * (0.06 + 0.74 * (i + (side > 0 ? 0.5 : 0)) / rays);
            const double from = finLength * 0.6 * std::cos(a) - 8;
            const double t = std::clamp(finAt + from / length, 0.0, 1.0);
            const double reach = 0.86 + 0.1 * std::abs(std::sin(i * 1.3 + side));
            const QPointF start = onFin.map(QPointF(from, side * core(t) * 0.8));
            const QPointF end = onFin.map(
                QPointF(finLength * std::cos(a) * reach, side * finWidth * std::sin(a) * reach));
            const QPointF bow = onFin.map(QPointF(0, side * 0.6)) - finCentre;
            stroke(p, curve(start, (start + end) / 2 + bow, end),
                   withAlpha(dark, 22 + int(18 * std::abs(std::sin(i * 0.9 + side)))), 0.35);
        }
    }
}

} // namespace fishart
