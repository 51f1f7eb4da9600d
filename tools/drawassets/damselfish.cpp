// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

// Damselfish: small oval reef fish.

namespace fishart {

using namespace fishkit;

namespace {

// The proportions that set one damsel's outline apart from another's.
struct DamselForm
{
    BodyShape shape;
    double spiny = 0.16;   // height of the spiny dorsal, as a share of the depth
    double soft = 0.34;    // height of the soft dorsal and anal lobes
    double trail = 0.08;   // how far those lobes reach behind the tail root, share of length
    QPointF tail{60, 100}; // tail length and span
    double notch = 0.45;
    double pelvic = 0.3;     // pelvic fin length, share of depth
    int spines = 12;         // dorsal spines; the rest of its 25 rays are soft
    double head = 2.05;      // where the gill cover ends, as a multiple of the eye's distance back
    bool broadLobes = false; // a chromis tail: the fork between broad, tapering lobes
};

// The outer edge of one lobe of a broad forked tail rooted at `root`,
// `rootDepth` deep there, `length` long and `span` from tip to tip; `side`
// is -1 for the upper lobe and 1 for the lower. It spreads fast off the
// stalk, so that each lobe is broad at its base, and then runs nearly
// straight out to a pointed tip.
QPainterPath lobeEdge(QPointF root, double rootDepth, double length, double span, double side)
{
    QPainterPath edge(root + QPointF(0, side * rootDepth / 2));
    edge.cubicTo(root + QPointF(length * 0.1, side * span * 0.32),
                 root + QPointF(length * 0.45, side * span * 0.44),
                 root + QPointF(length, side * span / 2));
    return edge;
}

// A forked tail of two broad, tapering lobes rather than thin spikes, the
// fork cut in to `notch` of the length; its rays fan out to the free edge
// from the tip of one lobe round the fork to the tip of the other.
Fin broadFork(QPointF root, double rootDepth, double length, double span, double notch)
{
    const QPointF upper = root + QPointF(length, -span / 2);
    const QPointF lower = root + QPointF(length, span / 2);
    const QPointF cut = root + QPointF(length * (1.0 - notch), 0);
    // The lobes' inner edges swell a little into the fork.
    const QPointF swell((upper.x() - cut.x()) * 0.12, 0);
    Fin f;
    f.base = QLineF(root - QPointF(0, rootDepth / 2), root + QPointF(0, rootDepth / 2));
    f.edge = QPainterPath(upper);
    f.edge.quadTo((upper + cut) / 2 + swell + QPointF(0, span * 0.04), cut);
    f.edge.quadTo((lower + cut) / 2 + swell - QPointF(0, span * 0.04), lower);
    f.shape = lobeEdge(root, rootDepth, length, span, -1);
    f.shape.connectPath(f.edge);
    f.shape.connectPath(lobeEdge(root, rootDepth, length, span, 1).toReversed());
    f.shape.closeSubpath();
    return f;
}

// All four damsels: one long dorsal fin, low and spiny in front and rising to
// a soft lobe over the tail stalk, a short anal fin mirroring that lobe, a
// forked tail and pelvic fins that lead with a spine.
Build damsel(const DamselForm &f)
{
    const BodyShape &s = f.shape;
    const double d = s.depth;
    const auto out = [&s, d](double along, double side, double rise) {
        return s.at(along, side) + QPointF(0, side * d * rise);
    };
    const QPointF lobe(s.snout.x() + s.length * (0.94 + f.trail), 0);
    const QPainterPath body = bodyOutline(s);
    const QPointF eye = s.at(0.15, -0.3);
    const double gill = gillAt(s, eye, f.head);
    const QPointF root = s.at(0.97, 0);
    const double stalk = d * s.stalk * 1.1;
    return Build(
        s, body,
        spinyFin(s.at(0.27, -0.92),
                 {out(0.31, -1, f.spiny * 0.7), out(0.4, -1, f.spiny), out(0.6, -1, f.spiny * 0.95),
                  out(0.74, -1, f.soft * 0.9),
                  lobe + QPointF(0, s.at(0.9, -0.7).y() - d * f.soft * 0.4)},
                 s.at(0.93, -0.55), f.spines, 25 - f.spines),
        spinyFin(s.at(0.6, 0.9),
                 {out(0.63, 1, f.spiny), out(0.76, 1, f.soft * 0.9),
                  lobe + QPointF(0, s.at(0.9, 0.7).y() + d * f.soft * 0.4)},
                 s.at(0.93, 0.55), 2, 11),
        followBend(s, f.broadLobes
                          ? broadFork(root, stalk, f.tail.x(), f.tail.y(), f.notch)
                          : tail(TailKind::Forked, root, stalk, f.tail.x(), f.tail.y(), f.notch)),
        fanFin(s.at(gill + 0.035, 0.02), s.at(gill + 0.012, 0.36), d * 0.4, 14, 64, 0.05, 14),
        pelvicFin(body, s.at(gill + 0.02, 0), d * 0.07, d * f.pelvic, 62), eye, gill);
}

} // namespace

// Slim and electric blue, a deeply forked tail, and a black band along the back
// running out onto both edges of the tail; a shoal behind.
void paintBlueChromis(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {70, 242}, 70, QColor(170, 150, 100));
    paintCoralHead(p, QPointF(250, 246), 52, QColor(140, 120, 150));
    // Small and slim: an oval with a short rounded snout and a small head,
    // not a snapper's long one, and a deeply forked tail on broad lobes.
    // It hangs in the current picking at plankton, nose a little up and
    // the tail flexed, never held level and stiff.
    canvas.tilt({150, 124}, -5);
    const DamselForm form{
        {{80, 124}, 150, 58, 0.43, 0.84, 0.18, 0.52, 0.0, 0.02, 0.85, 0, 0, 0.035},
        0.13,
        0.28,
        0.1,
        {50, 80},
        0.62,
        0.34,
        12,
        1.85,
        true};
    const Build d = damsel(form);
    const QColor blue(30, 120, 245, 230);
    const QColor black(16, 20, 30);
    // The soft fins are thin, the water showing through them.
    const Livery look(blue, withAlpha(blue, 175), QColor(10, 50, 120, 140),
                      QColor(120, 190, 255, 150), blue, QColor(44, 70, 116), 6.2, 0.06);
    paintBackFins(p, d, look);
    {
        // The dark of the back runs out along each lobe's outer rays,
        // broad at the root and thinning to the tip, its inner edge soft.
        const Saved saved(p);
        p.setClipPath(d.caudal.shape, Qt::IntersectClip);
        p.setTransform(tailSwing(d.shape, d.caudal.base.center()), true);
        for (const double s : {-1.0, 1.0}) {
            const QPainterPath lobe = lobeEdge(d.caudal.base.center(), d.caudal.base.length(),
                                               form.tail.x(), form.tail.y(), s);
            for (const auto &[k, alpha] : {std::pair{1.0, 50}, {0.78, 90}, {0.6, 140}, {0.44, 200}})
                p.fillPath(ribbon(lobe, {15 * k, 13 * k, 10.5 * k, 7 * k, 3 * k}),
                           QColor(12, 20, 44, alpha));
        }
    }
    // Soft, flexible membrane: dark at its base and thinning out between
    // the rays towards the edge, where the blue of the water shows.
    paintSheerFin(p, d.dorsal, QColor(22, 40, 86, 205), QColor(60, 90, 150, 120), 20);
    fillBody(p, d.body, QColor(20, 100, 230), QColor(40, 140, 255), QColor(110, 190, 255));
    paintScaleRows(p, d.body, d.shape, 5.6, QColor(150, 220, 255, 50), 0.6);
    const BodyShape &s = d.shape;
    {
        // The dark band lies along the top of the back, from the nape to
        // the tail, where it runs on out along the lobes' edges; the head
        // below and in front of it stays blue. It follows the dorsal
        // profile, densest at the edge and blurring a little into the blue.
        const Saved saved(p);
        p.setClipPath(d.body, Qt::IntersectClip);
        std::vector<QPointF> ridge;
        for (int k = 0; k <= 12; ++k)
            ridge.push_back(s.at(0.2 + 0.82 * k / 12.0, -1));
        const QPainterPath spine = curveThrough(ridge);
        p.fillPath(ribbon(spine, {2, 12, 17, 18, 17, 15.5, 14, 12}), QColor(12, 26, 70, 60));
        p.fillPath(ribbon(spine, {1.5, 10, 14, 15, 14, 13, 12, 10.5}), QColor(12, 24, 60, 110));
        p.fillPath(ribbon(spine, {1, 7.5, 11, 12, 11.5, 10.5, 9.5, 8.5}), withAlpha(black, 235));
    }
    modelBody(p, d.body, d.caudal.base.x1(), QColor(10, 30, 70, 150), 0.8);
    paintFront(p, d, look);
}

// White to silver with five black bars and a yellow upper back.
void paintSergeantMajor(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Open, {280, 252}, 76, QColor(180, 150, 100),
                               {30, 240}, 120, QColor(160, 70, 140));
    // The deepest of the damsels and flattest side to side, its snout
    // comparatively pointed under a straight sloping forehead; the soft
    // dorsal and anal fins run back into pointed lobes and the tail is
    // forked into pointed lobes.
    const Build d = damsel({{{54, 130}, 184, 116, 0.44, 0.7, 0.19, 0.56, 0.04, 0.03, 0.85},
                            0.13,
                            0.32,
                            0.13,
                            {60, 112},
                            0.56,
                            0.32,
                            13});
    // Dusky grey fins, only faintly yellow where the back is.
    const Livery look(QColor(176, 180, 176, 205), QColor(168, 168, 150, 235),
                      QColor(96, 98, 96, 150), QColor(230, 230, 220, 150), QColor(60, 60, 70, 230),
                      QColor(200, 184, 100), 6.4);
    paintBackFins(p, d, look);
    if (!Silhouette::active(p)) {
        // The yellow of the back runs on up into the base of the spiny
        // dorsal fin and fades out towards its edge and its soft rear.
        const Saved onFin(p);
        p.setClipPath(d.dorsal.shape, Qt::IntersectClip);
        const QRectF r = d.dorsal.shape.boundingRect();
        QRadialGradient spread(d.dorsal.base.pointAt(0.2), r.width() * 0.55);
        spread.setColorAt(0, QColor(236, 200, 60, 150));
        spread.setColorAt(0.5, QColor(236, 200, 60, 60));
        spread.setColorAt(1, QColor(236, 200, 60, 0));
        p.fillRect(r, spread);
    }
    paintSoftMargin(p, d.caudal, QColor(40, 40, 45, 120), {2.6, 2.0, 1.2, 0.6, 1.2, 2.0, 2.6});
    fillBody(p, d.body, QColor(240, 205, 50), QColor(232, 234, 236), QColor(242, 244, 246), 0.45);
    // The bars wrap round the body, broad on the back and narrowing towards
    // the belly, each a little different: the first bends back round the
    // gill cover, the middle ones lean back, the last stands upright.
    const struct
    {
        double along;
        std::array<double, 5> shift; // from the back down to the belly
        double width;
    } bars[] = {{0.29, {0.04, 0.0, -0.02, 0.0, 0.035}, 1.0},
                {0.445, {0.03, 0.012, 0.0, -0.01, -0.018}, 1.08},
                {0.6, {0.025, 0.01, 0.0, -0.006, -0.02}, 0.95},
                {0.75, {0.015, 0.006, 0.0, -0.01, -0.012}, 0.9},
                {0.895, {0.006, 0.0, 0.0, 0.0, -0.006}, 0.78}};
    // Each bar is pigment with a dense core and an edge that softens over a
    // pixel or two.
    QPainterPath dark;
    QPainterPath fringe;
    QPainterPath halo;
    for (const auto &b : bars) {
        // Between the set points the bar drifts a little as it crosses the
        // scale rows, and swells and pinches unevenly on its way down.
        std::vector<QPointF> spine;
        for (int k = 0; k <= 8; ++k) {
            const double u = k / 2.0;
            const size_t i = std::min<size_t>(3, size_t(u));
            const double f = u - double(i);
            const double shift = b.shift[i] * (1.0 - f) + b.shift[i + 1] * f;
            const double drift = 0.004 * std::sin(k * 1.9 + b.along * 40.0);
            spine.push_back(d.shape.at(b.along + shift + drift, -1.3 + 0.325 * k));
        }
        const QPainterPath line = curveThrough(spine);
        std::vector<double> taper;
        for (int j = 0; j < 9; ++j) {
            const double base = 18.0 - 1.9 * j * (j > 1 ? 1.0 : 0.3);
            taper.push_back(std::max(2.5, base) * (1.0 + 0.07 * std::sin(j * 2.3 + b.along * 30.0) +
                                                   0.04 * std::sin(j * 5.1 + b.along * 11.0)));
        }
        const auto band = [&](double w) {
            std::vector<double> scaled;
            for (const double v : taper)
                scaled.push_back(v * w);
            return ribbon(line, scaled);
        };
        dark.addPath(band(b.width));
        fringe.addPath(band(b.width * 1.09));
        halo.addPath(band(b.width * 1.2));
    }
    dark = dark.intersected(d.body);
    p.fillPath(halo.intersected(d.body), QColor(20, 24, 32, 45));
    p.fillPath(fringe.intersected(d.body), QColor(20, 24, 32, 110));
    p.fillPath(dark, QColor(20, 24, 32, 235));
    // Grey scale edges on the pale skin; on the black bars only the sheen
    // of a scale's free edge shows.
    paintScaleRows(p, d.body.subtracted(dark), d.shape, 7.0, QColor(110, 110, 100, 110), 0.7);
    paintScaleRows(p, dark, d.shape, 7.0, QColor(150, 160, 180, 26), 0.6);
    modelBody(p, d.body, d.caudal.base.x1(), QColor(70, 72, 80), 0.7);
    paintFront(p, d, look);
}

// The bright juvenile: lemon-yellow under a sharply edged, blue-dotted blue
// saddle over the head and back, and one blue-ringed black spot where the
// spiny dorsal fin meets the soft one, running from the fin onto the back;
// yellow where the Yellowtailed is dark.
void paintBeaugregory(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {270, 236}, 70, QColor(170, 150, 90),
                               {34, 240}, 100, QColor(170, 80, 140));
    // A small, deep oval juvenile, about half as deep as long, with a gently
    // curved forehead over a short, blunt snout and a thick stalk; its soft fins end in short
    // rounded lobes and the tail is only notched.
    const Build d = damsel({{{72, 128}, 160, 78, 0.42, 0.86, 0.28, 0.53, 0.03, 0.02, 0.5, 0, 0.3},
                            0.2,
                            0.26,
                            0.04,
                            {44, 74},
                            0.16,
                            0.3});
    const QColor yellow(255, 224, 0, 250);
    const Livery look(yellow, QColor(255, 222, 70, 200), QColor(190, 120, 0, 170),
                      QColor(255, 240, 150, 150), yellow, QColor(230, 190, 60), 6.6);
    paintBackFins(p, d, look);
    const BodyShape &s = d.shape;
    // The saddle's blue reaches a little way up the spines, fading out.
    {
        const Saved saved(p);
        p.setClipPath(d.dorsal.shape, Qt::IntersectClip);
        QLinearGradient up(0, s.at(0.4, -1).y() + 2, 0, s.at(0.4, -1).y() - 16);
        up.setColorAt(0, QColor(50, 80, 200, 170));
        up.setColorAt(1, QColor(50, 80, 200, 0));
        QPainterPath front;
        front.addRect(QRectF(0, 0, s.at(0.6, 0).x(), 240));
        p.fillPath(front, up);
    }
    fillBody(p, d.body, QColor(255, 220, 0), QColor(255, 230, 20), QColor(255, 240, 100));
    // A band along the back from the snout, deepest over the nape; its
    // lower edge is sharp but wanders a little, as a boundary of pigment in
    // scaled skin does, never one smooth sweep.
    const QPainterPath band =
        smoothClosedPath({s.at(-0.02, -0.05) - QPointF(8, 0), s.at(0.06, -0.15), s.at(0.12, -0.22),
                          s.at(0.185, -0.29), s.at(0.25, -0.4), s.at(0.325, -0.5), s.at(0.4, -0.55),
                          s.at(0.465, -0.6), s.at(0.52, -0.68), s.at(0.575, -0.8), s.at(0.62, -0.9),
                          s.at(0.66, -1.8), s.at(0.2, -2), s.snout - QPointF(12, 30)});
    // The pigment ends scale by scale: along the edge some scales of the
    // next row are blue too, so the edge steps along the rows instead of
    // running as one smooth cut.
    QPainterPath scales;
    {
        for (const ScaleSite &site : scaleSites(s, 6.5, int(std::ceil(s.depth / (6.5 * 0.62))))) {
            const QPointF above = site.centre - QPointF(0, site.height * 0.5);
            const double hash = std::sin(site.index * 7.31 + site.row * 19.7 + 0.3) * 24634.6;
            if (band.contains(site.centre) || !band.contains(above) ||
                hash - std::floor(hash) < 0.4)
                continue;
            scales.addPath(QTransform()
                               .translate(site.centre.x(), site.centre.y() - site.height * 0.3)
                               .rotate(site.angle)
                               .map(oval({0, 0}, site.length * 0.5, site.height * 0.45)));
        }
    }
    const QPainterPath saddle = band.intersected(d.body);
    // The saddle's lower edge is sharp, as in life, with only a hair of
    // blending so that it does not look cut out.
    for (int i = 2; i >= 1; --i)
        p.fillPath(QTransform::fromTranslate(i * 0.3, i * 0.7).map(band).intersected(d.body),
                   QColor(60, 96, 200, 60));
    // Layered upwards, so that the blue deepens from its lower edge to the back.
    for (int i = 0; i < 14; ++i)
        p.fillPath(QTransform::fromTranslate(-i * 0.15, -i * 0.8).map(band).intersected(d.body),
                   QColor(44, 72, 192, 33));
    p.fillPath(scales.subtracted(band).intersected(d.body), QColor(58, 90, 198, 190));
    const QPainterPath core = QTransform::fromTranslate(-3, -12).map(band).intersected(d.body);
    fillBody(p, core, QColor(36, 60, 180), QColor(50, 88, 205, 200), QColor(70, 110, 215, 90));
    if (!Silhouette::active(p)) {
        // The bright dots sit on scales, so they follow the scale rows over
        // the saddle, a scale here and there, smaller where the rows crowd.
        const Saved dots(p);
        p.setClipPath(saddle, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        for (const ScaleSite &site : scaleSites(s, 6.5, int(std::ceil(s.depth / (6.5 * 0.62))))) {
            const double hash = std::sin(site.index * 12.99 + site.row * 78.23 + 0.9) * 43758.5;
            const double own = hash - std::floor(hash);
            if (own < 0.62 || !saddle.contains(site.centre))
                continue;
            const double r = (0.45 + 0.6 * (own - 0.62)) * site.height / 4.0;
            const Saved one(p);
            p.translate(site.centre);
            p.rotate(site.angle);
            p.setBrush(QColor(120, 220, 255, int(140 + 100 * (own - 0.62) / 0.38)));
            p.drawEllipse(QPointF(0, 0), r * 1.3, r);
        }
    }
    paintScaleRows(p, d.body, s, 6.5, QColor(200, 140, 0, 80));
    modelBody(p, d.body, d.caudal.base.x1(), QColor(150, 100, 0, 200), 0.6);
    paintFront(p, d, look);
    // The spot: black, ringed in blue, at the base of the soft dorsal fin
    // about halfway along it, well behind the last spine, centred on the
    // line where the fin grows from the back, so that half lies on the fin
    // and half on the body; laid after the fin has grown from the body, so
    // that the skin there does not veil it.
    const double rays = double(d.dorsal.tips.size());
    const double soft = d.dorsal.spines + (rays - d.dorsal.spines) * 0.5;
    const QPointF centre = rimPoint(d.body, d.dorsal.base.pointAt((soft + 0.5) / rays), -1);
    {
        const Saved saved(p);
        p.setClipPath(d.body.united(d.dorsal.shape), Qt::IntersectClip);
        // An ocellus is pigment, not paint: a blot with an uneven edge, the
        // black deepening to its centre, and its blue ring brightest just
        // outside the black, thinning out into the yellow, broader below
        // than on the fin and all but broken in one place.
        const Saved ring(p);
        p.translate(centre);
        p.rotate(-12);
        std::vector<QPointF> rim;
        for (int i = 0; i < 11; ++i) {
            const double a = 2.0 * std::numbers::pi * i / 11.0;
            const double r = 5.2 * (1.0 + 0.09 * std::sin(i * 2.7 + 0.4) +
                                    0.06 * std::cos(i * 4.3) + 0.08 * std::max(0.0, std::sin(a)));
            rim.push_back(QPointF(std::cos(a) * r * 1.06, std::sin(a) * r * 0.94));
        }
        const QPainterPath blot = smoothClosedPath(rim.data(), int(rim.size()));
        const QTransform grow = QTransform::fromScale(1.32, 1.36);
        QLinearGradient round(QPointF(0, -7), QPointF(0, 7));
        round.setColorAt(0, QColor(60, 140, 230, 120));
        round.setColorAt(0.3, QColor(70, 160, 240, 60));
        round.setColorAt(0.7, QColor(80, 170, 245, 210));
        round.setColorAt(1, QColor(90, 175, 245, 170));
        p.fillPath(grow.map(blot), round);
        p.setPen(QPen(QColor(90, 170, 240, 60), 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(QTransform::fromScale(1.5, 1.52).map(blot));
        p.setPen(Qt::NoPen);
        QRadialGradient black(QPointF(0.3, 0.4), 6.2);
        black.setColorAt(0, QColor(2, 2, 8));
        black.setColorAt(0.8, QColor(12, 12, 26));
        black.setColorAt(1, QColor(24, 34, 80));
        p.fillPath(blot, black);
    }
}

// The adult: dark navy to blue-brown with a few electric-blue
// spots on the upper front only, and a bright yellow tail; deep and blunt.
void paintYellowtailedDamselfish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Rock, {40, 224}, 56, QColor(190, 130, 90),
                               {300, 214}, 150, QColor(200, 120, 60));
    // Longer and heavier than the Sergeant Major, its forehead climbing
    // steep and straight from a thick-lipped snout to a rounded nape; the
    // spiny dorsal is long and low, the soft dorsal and anal fins drawn out
    // into long pointed lobes, and the tail only shallowly forked.
    const Build d = damsel({{{40, 134}, 208, 104, 0.38, 0.8, 0.23, 0.6, 0.13, 0.0, 0.75, 0.0, 0.65},
                            0.12,
                            0.33,
                            0.11,
                            {52, 90},
                            0.22,
                            0.34});
    const QColor dark(32, 34, 60, 250);
    const Livery look(QColor(255, 218, 30, 245), dark, QColor(70, 70, 110, 140),
                      QColor(120, 110, 120, 150), dark, QColor(96, 78, 54), 7.6);
    paintBackFins(p, d, look);
    // The adult's soft fins are as dark as its body, not see-through.
    paintFin(p, d.dorsal, dark, look.ray, 0);
    paintFin(p, d.anal, dark, look.ray, 0);
    fillBody(p, d.body, QColor(28, 30, 60), QColor(44, 40, 72), QColor(62, 50, 66));
    paintScaleRows(p, d.body, d.shape, 6.5, QColor(90, 90, 140, 100));
    {
        // Electric-blue spots of uneven size over the upper front of the
        // body behind the head, thickest below the spiny dorsal and thinning
        // out towards the tail and the midline; none on the face. Each is
        // iridescence in the centre of one scale, so they lie in the scale
        // rows, drawn out along them and smaller where the rows crowd.
        const Saved saved(p);
        p.setClipPath(d.body, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        const BodyShape &b = d.shape;
        const QPointF centre = b.at(0.4, -0.55);
        std::uint32_t seed = 0x5eed1234u;
        const auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return double(seed >> 8) / double(1u << 24);
        };
        for (const ScaleSite &site : scaleSites(b, 6.5, int(std::ceil(b.depth / (6.5 * 0.62))))) {
            // Not every spot sits square in its scale: some lie towards its
            // edge, so the rows show only loosely through them.
            const double driftX = next() - 0.5, driftY = next() - 0.5;
            const QPointF c = site.centre + QPointF(site.length * (0.1 + 0.5 * driftX),
                                                    site.height * 0.55 * driftY);
            const double dx = (c.x() - centre.x()) / (b.length * 0.2);
            const double dy = (c.y() - centre.y()) / (b.depth * 0.32);
            const double chance = std::exp(-(dx * dx + dy * dy) * 1.1) * 0.8;
            const double roll = next(), size = next(), tint = next();
            if (roll > chance || site.along < 0.25)
                continue;
            const double r = (0.3 + 0.95 * size * size * size + 0.3 * chance) * site.height / 3.3;
            const Saved one(p);
            p.translate(c);
            p.rotate(site.angle + 30 * (tint - 0.5));
            // Iridescence, not paint: a bright core in a faint blue haze.
            paintGlow(p, {0, 0}, r * 2.2, QColor(40, 140, 255, int(40 + 50 * chance)));
            p.setBrush(
                QColor(50 + int(40 * tint), 160 + int(50 * tint), 255, int(150 + 100 * chance)));
            p.drawEllipse(QPointF(0, 0), r * (1.0 + 0.5 * tint), r * (0.7 + 0.2 * size));
        }
    }
    modelBody(p, d.body, d.caudal.base.x1(), QColor(10, 10, 30, 150), 0.6);
    paintFront(p, d, look);
}

} // namespace fishart
