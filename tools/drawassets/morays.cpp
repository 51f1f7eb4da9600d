// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "morays.h"
#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"
#include "reefrock.h"

#include <QImage>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

// The moray both morays are built from, and the Green Moray in its cleft.

namespace fishart {

using namespace fishkit;

namespace {

// The long head of a moray, snout at the origin: low over the snout, rising
// behind the small eye into the bulging jaw muscles, running on flush into
// the neck at the neck's own depth, so the outline runs on without a step
// (`r` is half the neck's depth), the throat swollen by `jowl`. The mouth
// stands open as a moray breathes, the lower jaw dropped at its tip. A
// rounder `brow` domes the snout and forehead into one smooth rise.
QPainterPath morayHead(double r, double jowl, double brow)
{
    return smoothClosedPath({{0, -1 - brow * 0.1 * r},
                             {7 - brow * 2, -(0.4 + brow * 0.12) * r},
                             {22, -(0.62 + brow * 0.16) * r},
                             {44, -(1.06 + brow * 0.08) * r},
                             {68, -1.3 * r - (jowl - 1) * 0.3 * r},
                             {90, -1.2 * r},
                             {100, -1.14 * r},
                             {108, -0.8 * r},
                             {108, 0.8 * r},
                             {100, 1.14 * r},
                             {90, 1.14 * r * jowl},
                             {74, 1.16 * r * jowl},
                             {50, 1.02 * r * jowl},
                             {26, 0.8 * r},
                             {9, 0.7 * r},
                             {3.5, 0.6 * r},
                             {4, 0.42 * r},
                             {1, 0.14 * r}});
}

// A point `across` (a share of the girth) off the middle of `neck` at `t`,
// towards the light from the upper left when `across` is negative.
QPointF besideNeck(const QPainterPath &neck, double t, double across)
{
    const QPointF d =
        neck.pointAtPercent(std::min(1.0, t + 0.01)) - neck.pointAtPercent(std::max(0.0, t - 0.01));
    QPointF n = QPointF(-d.y(), d.x()) / std::max(1e-9, std::hypot(d.x(), d.y()));
    if (n.x() * 0.5 + n.y() > 0)
        n = -n;
    return neck.pointAtPercent(t) - n * across;
}

// The neck as a thick, muscled body rather than a flat band: a broad
// highlight along the lit side swelling over each muscle block, and the far
// side falling into shadow.
void paintMuscle(QPainter &p, const QPainterPath &neck, double girth, QColor skin)
{
    const auto side = [&neck](double across) {
        QPainterPath path(besideNeck(neck, 0.25, across));
        for (int i = 1; i <= 24; ++i)
            path.lineTo(besideNeck(neck, 0.25 + 0.75 * i / 24, across));
        return path;
    };
    // Fading out at both ends, so that neither the hole nor the head shows a seam;
    // light and shade blend into the skin so spots stay as dark as they are.
    const QPointF from = neck.pointAtPercent(0.25), to = neck.pointAtPercent(1);
    // Each band fades over its own stretch: faint bands fading together would
    // stack their few alpha steps into creases across the neck.
    const auto band = [&](const QPainterPath &path, QColor colour, double width, int i) {
        QLinearGradient fade(from, to);
        fade.setColorAt(0.0, withAlpha(colour, 0));
        fade.setColorAt(0.2 + i * 0.018, colour);
        fade.setColorAt(0.3 + i * 0.02, colour);
        fade.setColorAt(1.0, withAlpha(colour, 0));
        p.strokePath(path, QPen(fade, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    };
    const Saved s(p);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    // Many faint bands rather than a few strong ones, so that no step shows.
    for (int i = 0; i < 12; ++i)
        band(side(0.36), withAlpha(skin.darker(170), 14), girth * (0.36 - i * 0.027), i);
    p.setCompositionMode(QPainter::CompositionMode_SoftLight);
    for (int i = 0; i < 12; ++i)
        band(side(-0.22), QColor(255, 255, 255, 11), girth * (0.42 - i * 0.03), i);
    for (int i = 0; i < 6; ++i)
        paintGlow(p, besideNeck(neck, 0.35 + i * 0.11, -0.18), girth * 0.26,
                  QColor(255, 255, 255, 90));
}

// The top and bottom of the body in each column of a grid `scale` times finer
// than the picture, smoothed so that the outline's pixel steps do not show.
struct Depth
{
    QRectF area;
    double scale = 2.0;
    std::vector<double> top, bottom;

    // How far down the body `pt` lies, from 0 on the back to 1 on the belly.
    double at(QPointF pt) const
    {
        const int x = std::clamp(int((pt.x() - area.left()) * scale), 0, int(top.size()) - 1);
        const double y = (pt.y() - area.top()) * scale;
        return std::clamp((y - top[x]) / std::max(1.0, bottom[x] - top[x]), 0.0, 1.0);
    }
};

Depth depthOf(const QPainterPath &body, double scale)
{
    Depth d{body.boundingRect(), scale, {}, {}};
    QImage mask((d.area.size() * scale).toSize() + QSize(1, 1), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter mp(&mask);
        mp.scale(scale, scale);
        mp.translate(-d.area.topLeft());
        mp.fillPath(body, Qt::black);
    }
    std::vector<double> top(mask.width(), -1), bottom(mask.width(), -1);
    for (int y = 0; y < mask.height(); ++y) {
        const uchar *row = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x)
            if (row[x] > 127) {
                if (top[x] < 0)
                    top[x] = y;
                bottom[x] = y + 1;
            }
    }
    d.top.assign(mask.width(), 0);
    d.bottom.assign(mask.width(), 0);
    for (int x = 0; x < mask.width(); ++x) {
        double t = 0, b = 0;
        int n = 0;
        for (int i = std::max(0, x - 4); i <= std::min(mask.width() - 1, x + 4); ++i)
            if (top[i] >= 0) {
                t += top[i];
                b += bottom[i];
                ++n;
            }
        if (n > 0) {
            d.top[x] = t / n;
            d.bottom[x] = b / n;
        }
    }
    return d;
}

// A green moray's colour is a yellow mucus over dark blue skin, never quite
// even: soft patches, more yellow where the back catches the light and
// olive-dark towards the belly.
void paintMottle(QPainter &p, const QPainterPath &body, const Depth &depth, QColor back)
{
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    QRandomGenerator rng(2424);
    for (const QPointF &pt : spreadPoints(body, 5.5, 2.4, 2425)) {
        const double u = depth.at(pt);
        const bool lit = rng.generateDouble() > 0.25 + u * 0.6;
        const QColor tint = lit ? QColor(196, 184, 62) : back.darker(190);
        paintGlow(p, pt, 2.5 + rng.generateDouble() * 4.5,
                  withAlpha(tint, 10 + int(rng.generateDouble() * 18)));
    }
}

// The thick, rounded body in one light: lit along the back with a soft
// yellow-tinged highlight band, darkening over the flank into the belly.
void paintRoundness(QPainter &p, const QPainterPath &body, const Depth &depth)
{
    QImage layer(int(depth.top.size()), int(depth.area.height() * depth.scale) + 1,
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        for (size_t x = 0; x < depth.top.size(); ++x) {
            const double top = depth.top[x], bottom = depth.bottom[x];
            if (bottom - top < 2)
                continue;
            QLinearGradient g(QPointF(0, top), QPointF(0, bottom));
            g.setColorAt(0.0, QColor(255, 236, 150, 40));
            g.setColorAt(0.2, QColor(255, 236, 150, 150));
            g.setColorAt(0.38, QColor(255, 236, 150, 40));
            g.setColorAt(0.55, QColor(128, 128, 128, 0));
            g.setColorAt(0.8, QColor(20, 28, 10, 110));
            g.setColorAt(1.0, QColor(8, 12, 4, 170));
            lp.fillRect(QRectF(double(x), top, 1, bottom - top), g);
        }
    }
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    p.setCompositionMode(QPainter::CompositionMode_SoftLight);
    p.drawImage(QRectF(depth.area.topLeft(), QSizeF(layer.size()) / depth.scale), layer);
}

} // namespace

void paintMoray(QPainter &p, const Moray &m)
{
    const double r = m.girth / 2 / m.size;
    const auto at = [&m](double x, double y) {
        return m.snout + QPointF(x * m.length, y) * m.size;
    };
    QTransform place;
    place.translate(m.snout.x(), m.snout.y());
    place.scale(m.size * m.length, m.size);
    const QPainterPath head = place.map(morayHead(r, m.jowl, m.brow));
    const QPainterPath eel = ribbon(m.neck, {m.girth * 0.96, m.girth, m.girth * 1.14}).united(head);
    const bool spotted = m.spots.alpha() > 0;
    const QColor line = m.belly.darker(180);

    // The dorsal fin, a thick fold of the body's own skin, rises low just
    // behind the head over the gill opening and runs along the whole back
    // into the hole, about a fifth of the body's depth, its free edge
    // gently wavy. The body, painted after it, hides its root.
    const double g = m.girth;
    const auto half = [g](double t) {
        return g / 2 * (t < 0.5 ? 0.96 + 0.08 * t : 1.0 + 0.28 * (t - 0.5));
    };
    const auto outward = [&m](double t) {
        const QPointF d = m.neck.pointAtPercent(std::min(1.0, t + 0.01)) -
                          m.neck.pointAtPercent(std::max(0.0, t - 0.01));
        return QPointF(-d.y(), d.x()) / std::max(1e-9, std::hypot(d.x(), d.y()));
    };
    const double finStart = m.neck.percentAtLength(
        m.neck.length() - QLineF(m.neck.pointAtPercent(1), at(102, 0)).length());
    const double finLength = m.neck.length() * finStart;
    const auto finHeight = [&](double u) {
        const double rise = std::min(1.0, u / 0.4), first = std::min(1.0, u / 0.16);
        const double deep = std::clamp((1 - u) / 0.25, 0.0, 1.0);
        const double s = u * finLength;
        return g * 0.2 * (0.6 + 0.4 * rise * rise * (3 - 2 * rise)) * first * (2 - first) * deep *
               (2 - deep) * (1 + 0.07 * std::sin(s / 7.0) + 0.04 * std::sin(s / 3.1 + 1.3));
    };
    QPolygonF finOutline, finBase;
    std::vector<QPointF> finEdge, finRoot;
    for (int i = 0; i <= 96; ++i) {
        const double u = i / 96.0, t = finStart * (1 - u);
        const QPointF c = m.neck.pointAtPercent(t), n = outward(t);
        finEdge.push_back(c + n * (half(t) + finHeight(u)));
        finRoot.push_back(c + n * half(t));
        finOutline << finEdge.back();
        finBase.prepend(c + n * (half(t) - 0.08 * g));
    }
    QPainterPath fin;
    fin.addPolygon(finOutline << finBase);
    fin.closeSubpath();
    const QPainterPath dorsal = fin.subtracted(eel);
    QPainterPath finMargin(finEdge.front()), finJoin(finRoot.front());
    for (size_t i = 1; i < finEdge.size(); ++i) {
        finMargin.lineTo(finEdge[i]);
        finJoin.lineTo(finRoot[i]);
    }
    // The fin takes the body's own colours, graded down the body as it is.
    const QRectF bodyBox = eel.boundingRect();
    QLinearGradient bodyShade(bodyBox.topLeft(), bodyBox.bottomLeft());
    bodyShade.setColorAt(0.0, m.back.lighter(112));
    bodyShade.setColorAt(0.4, m.back);
    bodyShade.setColorAt(1.0, m.belly);
    {
        // Shaded at its root, and lighter along the thin edge where the
        // light comes through; a green eel's fin edge turns a little yellow.
        const Saved s(p);
        p.fillPath(dorsal, bodyShade);
        // Lit from above like the top of the back.
        p.setCompositionMode(QPainter::CompositionMode_SoftLight);
        p.fillPath(dorsal, QColor(255, 255, 255, 70));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setClipPath(dorsal, Qt::IntersectClip);
        QColor edge = m.back.lighter(spotted ? 106 : 128);
        if (!spotted)
            edge.setHsv(std::max(0, edge.hsvHue() - 12), std::min(255, edge.hsvSaturation() + 25),
                        edge.value());
        for (int i = 0; i < 6; ++i)
            p.strokePath(finMargin, QPen(withAlpha(edge, 28), g * (0.1 - i * 0.015), Qt::SolidLine,
                                         Qt::RoundCap, Qt::RoundJoin));
        if (spotted) {
            // The body's spots run on into the fin, smaller and crowding
            // closer towards its margin.
            QRandomGenerator rng(4605);
            for (double d = 0; d < finLength; d += 0.8) {
                const double u = (d + rng.generateDouble() * 0.8) / finLength;
                const double t = finStart * (1 - u);
                const double across = std::sqrt(rng.generateDouble());
                const QPointF c =
                    m.neck.pointAtPercent(t) + outward(t) * (half(t) + finHeight(u) * across);
                const double rad = (1.5 - 1.0 * across) * (0.7 + 0.6 * rng.generateDouble());
                paintDisc(p, c, rad * (1.0 + 0.3 * rng.generateDouble()), rad, m.spots);
            }
        }
    }
    anatomy::paintShadedEdge(p, dorsal, withAlpha(line, 70), 1.0);

    fillBody(p, eel, m.back.lighter(112), m.back, m.belly, 0.4);
    const QPointF hole = m.neck.pointAtPercent(0);
    const Depth depth = spotted ? Depth{} : depthOf(eel, 2.0);
    if (!spotted)
        paintMottle(p, eel, depth, m.back);
    if (spotted) {
        // Fine freckles on the snout grow into larger, uneven blotches along
        // the body, with small ones crowded between them.
        const Saved c(p);
        p.setClipPath(eel, Qt::IntersectClip);
        QRandomGenerator rng(46);
        const double reach = QLineF(m.snout, hole).length();
        for (const QPointF &pt : spreadPoints(eel, 4.4, 1.8, 4646)) {
            const double t = std::min(1.0, QLineF(m.snout, pt).length() / reach);
            const double big = rng.generateDouble();
            const double rad = (0.4 + t * 1.25) * (big > 0.85  ? 1.9
                                                   : big > 0.6 ? 1.15
                                                               : 0.45 + big * 0.55);
            const double stretch = 1.0 + rng.generateDouble() * 0.35;
            paintDisc(p, pt, rad * stretch, rad, m.spots);
            // The larger spots run together with a neighbour into blotches.
            if (big > 0.7) {
                const double a = rng.generateDouble() * 2 * std::numbers::pi;
                paintDisc(p, pt + QPointF(std::cos(a), std::sin(a)) * rad * 1.15, rad * 0.75,
                          rad * 0.65, m.spots);
            }
        }
        // On the head the freckles crowd closer still, finest on the snout.
        for (const QPointF &pt : spreadPoints(head, 2.7, 1.1, 4647)) {
            const double t = std::min(1.0, QLineF(m.snout, pt).length() / reach);
            const double rad = (0.3 + t * 0.9) * (0.5 + 0.6 * rng.generateDouble());
            paintDisc(p, pt, rad * (1.0 + 0.3 * rng.generateDouble()), rad, m.spots);
        }
    }
    {
        const Saved s(p);
        p.setClipPath(eel, Qt::IntersectClip);
        // Loose skin folds lengthwise under the heavy throat.
        for (int i = 0; i < 3; ++i)
            stroke(p,
                   curveThrough({at(46 + i * 6, (0.7 + i * 0.14) * r * m.jowl),
                                 at(70 + i * 4, (0.8 + i * 0.13) * r * m.jowl),
                                 at(92, (0.74 + i * 0.12) * r)}),
                   withAlpha(line, 55 - i * 10), 1.0);
        // The bulge of the jaw muscles behind the eye.
        paintGlow(p, at(66, -0.45 * r), 18 * m.size, withAlpha(m.back.lighter(140), 110));
        shadeBody(p, eel, withAlpha(line, 170), 0.9);
        paintMuscle(p, m.neck, g, m.back);
        {
            // The head rounded too, the crown lit and the throat in shade,
            // fading out along the neck so that no seam shows where they meet.
            const QRectF area = head.boundingRect().adjusted(0, 0, 60 * m.size, 0);
            QLinearGradient round(at(0, -1.1 * r), at(0, 1.1 * r));
            round.setColorAt(0.0, QColor(255, 255, 255, 110));
            round.setColorAt(0.35, QColor(255, 255, 255, 0));
            round.setColorAt(0.6, QColor(128, 128, 128, 0));
            round.setColorAt(1.0, QColor(0, 0, 0, 120));
            QLinearGradient fade(QPointF(at(80, 0).x(), 0), QPointF(area.right(), 0));
            fade.setColorAt(0, Qt::black);
            fade.setColorAt(1, Qt::transparent);
            QImage layer((area.size() * 2).toSize() + QSize(1, 1),
                         QImage::Format_ARGB32_Premultiplied);
            layer.fill(Qt::transparent);
            {
                QPainter lp(&layer);
                lp.scale(2, 2);
                lp.translate(-area.topLeft());
                lp.fillRect(area, round);
                lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
                lp.fillRect(area, fade);
            }
            const Saved h(p);
            p.setCompositionMode(QPainter::CompositionMode_SoftLight);
            p.drawImage(area, layer);
        }
        if (!spotted) {
            paintRoundness(p, eel, depth);
            // The throat swells out below the jaw muscles.
            p.setCompositionMode(QPainter::CompositionMode_SoftLight);
            paintGlow(p, at(78, 0.72 * r * m.jowl), 13 * m.size, QColor(255, 255, 255, 80));
            // Soft wrinkles across the neck where it bends behind the head.
            for (int i = 0; i < 3; ++i) {
                const QPainterPath fold =
                    curveThrough({at(106 + i * 9, -1.05 * r), at(110 + i * 9, -0.7 * r),
                                  at(109 + i * 8, -0.3 * r)});
                p.setCompositionMode(QPainter::CompositionMode_Multiply);
                for (int k = 0; k < 3; ++k)
                    p.strokePath(fold, QPen(withAlpha(line, 9 - i * 2), (3.6 - k) * m.size,
                                            Qt::SolidLine, Qt::RoundCap));
                p.setCompositionMode(QPainter::CompositionMode_SoftLight);
                for (int k = 0; k < 3; ++k)
                    p.strokePath(fold.translated(2.2 * m.size, 0),
                                 QPen(QColor(255, 255, 255, 16), (3.2 - k) * m.size, Qt::SolidLine,
                                      Qt::RoundCap));
            }
        }
    }
    {
        // A soft crease where the fin's skin joins the back, fading in
        // behind the head.
        const Saved s(p);
        p.setClipPath(eel.united(dorsal), Qt::IntersectClip);
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        QLinearGradient crease(finRoot.front(), finRoot[finRoot.size() / 6]);
        crease.setColorAt(0, withAlpha(m.back.darker(150), 0));
        crease.setColorAt(1, withAlpha(m.back.darker(150), 22));
        for (int i = 0; i < 5; ++i)
            p.strokePath(finJoin, QPen(crease, g * (0.13 - i * 0.022), Qt::SolidLine, Qt::FlatCap,
                                       Qt::RoundJoin));
    }
    if (m.bend > 0) {
        // On the inside of the bend the skin of the muscular body bunches
        // into a few soft folds across it.
        const Saved s(p);
        p.setClipPath(eel, Qt::IntersectClip);
        for (int i = 0; i < 4; ++i) {
            const double t = m.bend + (i - 1.5) * 0.045;
            const QPointF c = m.neck.pointAtPercent(t);
            const QPointF chord =
                (m.neck.pointAtPercent(t - 0.05) + m.neck.pointAtPercent(t + 0.05)) / 2 - c;
            QPointF inside = outward(t);
            if (QPointF::dotProduct(inside, chord) < 0)
                inside = -inside;
            const QPointF along(inside.y(), -inside.x());
            const QPointF edge = c + inside * half(t) * 1.02;
            const QPointF deep = c + inside * half(t) * (0.35 + 0.15 * (i % 2));
            const QPainterPath fold = curve(edge, (edge + deep) / 2 + along * 2.4, deep);
            p.setCompositionMode(QPainter::CompositionMode_Multiply);
            p.strokePath(fold, QPen(withAlpha(line, 85), 2.4, Qt::SolidLine, Qt::RoundCap));
            p.setCompositionMode(QPainter::CompositionMode_SoftLight);
            p.strokePath(fold.translated(along * 2.0),
                         QPen(QColor(255, 255, 255, 170), 2.0, Qt::SolidLine, Qt::RoundCap));
        }
    }
    {
        // Where the body goes back into the hole it stays solid: its own
        // colour sinks into shade along its length, multiplied down rather
        // than laid over with black, so the cave never shows through it and
        // the rock of the rim, painted later, hides where it goes in.
        const Saved s(p);
        p.setClipPath(eel.united(dorsal), Qt::IntersectClip);
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        // Out in the open the body is in full light: the shade begins only
        // where the body passes the rim of the hole.
        double rim = 0.34;
        for (double t = 0.98; t > 0.02; t -= 0.01)
            if (m.den.contains(m.neck.pointAtPercent(t))) {
                rim = std::min(0.98, t + 0.02);
                break;
            }
        const QPointF out = m.neck.pointAtPercent(rim), deep = m.neck.pointAtPercent(0.02);
        QLinearGradient dark(out, deep);
        dark.setColorAt(0.0, QColor(255, 255, 255));
        dark.setColorAt(0.15, QColor(170, 168, 160));
        dark.setColorAt(0.45, QColor(72, 69, 64));
        dark.setColorAt(0.8, QColor(30, 28, 26));
        dark.setColorAt(1.0, QColor(18, 17, 16));
        p.fillRect(m.den.boundingRect().adjusted(-g * 2, -g * 2, g, g), dark);
    }

    // The gape stands open as the moray breathes, running from the snout to
    // well behind the eye, both jaws curved and the lower one hooked up a
    // little at its tip: a dark mouth lined with teeth rooted inside the
    // lips, which hide their bases; the lower lip pale where it catches the
    // light.
    const QPointF corner = at(58, 0.3 * r);
    const QPointF upper = at(2, 0.15 * r), lower = at(4.5, 0.36 * r);
    const QPainterPath mouth =
        smoothClosedPath({upper, at(20, 0.19 * r), at(40, 0.25 * r), corner, at(42, 0.46 * r),
                          at(24, 0.6 * r), at(11, 0.58 * r), lower});
    {
        QLinearGradient inside(upper, corner);
        inside.setColorAt(0, QColor(70, 44, 44));
        inside.setColorAt(0.35, QColor(34, 22, 22));
        inside.setColorAt(1, QColor(12, 9, 9));
        p.fillPath(mouth, inside);
    }
    // Many small sharp teeth along each jaw, and a few long fangs at the
    // front of the upper one standing inside the row; those further back
    // are lost in the shadow of the gape.
    anatomy::paintFangRow(p, at(6, 0.17 * r), at(22, 0.2 * r), 1, 8, 3.2 * m.size);
    anatomy::paintFangRow(p, at(23, 0.2 * r), at(46, 0.26 * r), 1, 9, 2.6 * m.size);
    anatomy::paintFangRow(p, at(8, 0.56 * r), at(24, 0.58 * r), -1, 8, 2.9 * m.size);
    anatomy::paintFangRow(p, at(25, 0.57 * r), at(44, 0.46 * r), -1, 8, 2.3 * m.size);
    anatomy::paintFang(p, at(4.6, 0.17 * r), 1, 6.2 * m.size);
    anatomy::paintFang(p, at(9.5, 0.19 * r), 1, 4.8 * m.size);
    anatomy::paintFang(p, at(6.5, 0.5 * r), -1, 4.2 * m.size);
    {
        const Saved s(p);
        p.setClipPath(mouth, Qt::IntersectClip);
        QLinearGradient gloom(at(12, 0), corner);
        gloom.setColorAt(0, QColor(12, 9, 9, 0));
        gloom.setColorAt(1, QColor(12, 9, 9, 210));
        p.fillRect(mouth.boundingRect().adjusted(-6, -6, 6, 6), gloom);
        // The lips overhang the teeth and shade them.
        stroke(p, curveThrough({upper, at(20, 0.19 * r), at(40, 0.25 * r), corner}),
               QColor(12, 9, 9, 120), 2.0 * m.size);
        stroke(p, curveThrough({lower, at(11, 0.58 * r), at(24, 0.6 * r), at(42, 0.46 * r)}),
               QColor(12, 9, 9, 110), 1.6 * m.size);
    }
    // Fleshy lips, thickest at the snout and thinning into the corner.
    const QPainterPath upperLip = curveThrough({upper, at(20, 0.16 * r), at(40, 0.22 * r), corner});
    const QPainterPath lowerLip =
        curveThrough({lower, at(11, 0.6 * r), at(24, 0.62 * r), at(42, 0.48 * r), corner});
    const QPainterPath lowerFlesh = ribbon(lowerLip, {3.6 * m.size, 1.2 * m.size});
    const QPainterPath upperFlesh = ribbon(upperLip, {4.2 * m.size, 1.4 * m.size});
    fillBody(p, lowerFlesh, withAlpha(m.belly, 190), withAlpha(m.belly.darker(108), 190),
             withAlpha(m.belly.darker(125), 190));
    stroke(p, lowerFlesh, withAlpha(line, 80), 0.5);
    // Translucent, so a spotted eel's spots run on over its lips.
    fillBody(p, upperFlesh, withAlpha(m.back.lighter(108), 190), withAlpha(m.back, 190),
             withAlpha(m.back.darker(125), 190));
    stroke(p, upperFlesh, withAlpha(line, 90), 0.5);
    {
        // The jaw muscle bulges behind the eye over the corner of the mouth,
        // its lower edge falling into a soft shadow.
        const Saved s(p);
        p.setClipPath(head, Qt::IntersectClip);
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        for (int i = 0; i < 4; ++i)
            stroke(p,
                   curveThrough(
                       {at(44, -0.1 * r), at(60, 0.12 * r), at(78, 0.1 * r), at(90, -0.2 * r)}),
                   withAlpha(line, 9), (14 - i * 3) * m.size);
        p.setCompositionMode(QPainter::CompositionMode_SoftLight);
        paintGlow(p, at(64, -0.3 * r), 14 * m.size, QColor(255, 255, 255, 70));
    }
    // A groove marks the lower jaw's heavy underside.
    stroke(p, curveThrough({at(8, 0.66 * r), at(36, 0.78 * r), at(62, 0.86 * r * m.jowl)}),
           withAlpha(line, 90), 1.0);
    // The gill opening is only a small hole behind the head.
    paintDisc(p, at(104, 0.35 * r), 1.3 * m.size, 0.9 * m.size, withAlpha(line.darker(150), 100));
    if (!spotted) {
        // On the plain green skin its pale rim shows it as an opening.
        stroke(p, curve(at(102, 0.46 * r), at(104.5, 0.5 * r), at(106.5, 0.42 * r)),
               QColor(214, 210, 120, 80), 0.7 * m.size);
        paintDisc(p, at(104, 0.37 * r), 1.7 * m.size, 1.1 * m.size,
                  withAlpha(line.darker(170), 110));
    }
    // A pair of short front nostril tubes near the tip of the snout, low
    // over the lip and pointing forward, the far one half hidden behind the
    // snout; the rear nostrils are plain pores above the eyes.
    const double nose = (0.3 + m.brow * 0.12) * r;
    for (const auto &[base, end, far] : {std::tuple{at(6.5, -nose), at(4, -nose - 0.08 * r), true},
                                         std::tuple{at(5, -0.06 * r), at(2.2, -0.1 * r), false}}) {
        const QPainterPath nostril =
            ribbon(curve(base, (base + end) / 2 + QPointF(0.2, -0.3) * m.size, end),
                   {1.8 * m.size, 1.3 * m.size});
        const QColor skin = far ? m.back.darker(110) : m.back.lighter(106);
        fillBody(p, nostril, skin, skin.darker(106), skin.darker(116));
        stroke(p, nostril, withAlpha(line, far ? 70 : 100), 0.4);
        paintDisc(p, end, 0.45 * m.size, 0.4 * m.size, withAlpha(line.darker(160), 200));
    }
    // The eye small and high on the long head, just under its upper profile.
    paintDisc(p, at(27, -0.72 * r), 0.8 * m.size, 0.6 * m.size, withAlpha(line.darker(140), 120));
    anatomy::paintNaturalEye(p, at(30, -0.5 * r), 3.8 * m.size / m.length, QColor(150, 134, 70),
                             0.54);
}

// Uniform green, peering from a hole in a boulder of the reef.
void paintGreenMoray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.45, Water::Blue);
    paintReefRock(p, Canvas::frame, 176);

    // Not a lone boulder but the foot of a reef wall rising out of the
    // picture, so the hole is a cleft in the reef, not the end of a pipe.
    const QPainterPath boulder = reefrock::lumpyOutline({{128, 250},
                                                         {138, 190},
                                                         {156, 146},
                                                         {190, 114},
                                                         {228, 88},
                                                         {256, 50},
                                                         {292, 18},
                                                         {336, 0},
                                                         {336, 250}},
                                                        2401);
    reefrock::paintBoulder(p, boulder, 24);
    reefrock::paintCoralKnobs(p,
                              {{QPointF(240, 80), 17, QColor(150, 136, 84)},
                               {QPointF(302, 20), 14, QColor(120, 126, 80)},
                               {QPointF(158, 240), 15, QColor(156, 128, 92)}},
                              2402);
    paintTubeSponges(p, QPointF(276, 42), 16, QColor(140, 86, 140), 2403, 0.05);
    // An uneven cleft, wider than tall, its edges notched by broken stone.
    const QPainterPath crevice =
        smoothClosedPath({{192, 194}, {186, 176}, {190, 158}, {186, 140}, {194, 124}, {196, 112},
                          {210, 104}, {220, 97},  {232, 100}, {246, 100}, {254, 109}, {264, 113},
                          {270, 126}, {282, 131}, {290, 138}, {298, 152}, {294, 168}, {302, 186},
                          {287, 199}, {268, 203}, {252, 199}, {236, 206}, {215, 207}, {201, 204}});
    reefrock::paintCrevice(p, crevice);

    // The brow of the hole is behind the eel, which comes out towards us
    // through the whole depth of the cleft, its body never crossing the
    // rock beside it.
    reefrock::paintBrow(p, crevice,
                        curveThrough({{194, 122},
                                      {198, 110},
                                      {210, 103},
                                      {220, 97},
                                      {232, 100},
                                      {246, 100},
                                      {254, 108},
                                      {264, 113},
                                      {270, 125},
                                      {282, 131},
                                      {290, 138},
                                      {299, 156}}));
    QPainterPath neck(QPointF(292, 168));
    neck.cubicTo(QPointF(240, 168), QPointF(208, 138), QPointF(150, 136));
    // A long, heavy-jawed head, its depth no greater than the neck's.
    paintMoray(p, Moray(neck, 62, QPointF(14, 136), 1.1, QColor(112, 124, 48), QColor(74, 86, 36),
                        Qt::transparent, 1.1, crevice, 1.3, 0.0, 1.0));
    reefrock::paintLip(p, boulder, 24, crevice,
                       curveThrough({{180, 205},
                                     {194, 199},
                                     {208, 200},
                                     {222, 194},
                                     {238, 197},
                                     {252, 195},
                                     {268, 199},
                                     {284, 190},
                                     {298, 191},
                                     {310, 185}}));
    // The cleft's right-hand wall stands in front of the body, which passes
    // behind it into the reef instead of fading out in the open.
    reefrock::paintLip(p, boulder, 24, crevice,
                       curveThrough({{268, 112},
                                     {263, 124},
                                     {259, 134},
                                     {261, 146},
                                     {255, 158},
                                     {259, 170},
                                     {262, 184},
                                     {268, 196},
                                     {274, 210}}),
                       QPointF(80, 0));
}

} // namespace fishart
