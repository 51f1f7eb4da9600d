// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pigmentbands.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace fishart {

using namespace fishkit;

namespace {

// Which way the rays of `f` run where they grow from the body at `x`.
QPointF rayAt(const Fin &f, double x)
{
    const int count = int(f.tips.size());
    const double u = std::clamp((x - f.base.x1()) / (f.base.x2() - f.base.x1()), 0.0, 1.0);
    const double at = std::clamp(u * count - 0.5, 0.0, count - 1.0);
    const int i = std::min(int(at), count - 2);
    const QPointF tip = f.tips[size_t(i)] + (f.tips[size_t(i + 1)] - f.tips[size_t(i)]) * (at - i);
    const QPointF d = tip - f.base.pointAt(u);
    return d / std::max(1e-9, std::hypot(d.x(), d.y()));
}

} // namespace

// A band of pigment across the disc of `b` from where it meets the dorsal
// fin `top` of the length along to where it meets the anal fin at `bottom`:
// one smooth stripe that bows gently forward over the flank and runs on out
// along the fins' rays.
QPainterPath bandLine(const Build &b, double top, double bottom)
{
    const BodyShape &s = b.shape;
    const QPointF up = rimPoint(b.body, s.at(top, 0), -1);
    const QPointF down = rimPoint(b.body, s.at(bottom, 0), 1);
    // Between the rays and straight on, so the bend stays gentle.
    const auto lean = [](QPointF ray, double side) {
        const QPointF d = ray + QPointF(0, side * 1.6);
        return d / std::max(1e-9, std::hypot(d.x(), d.y()));
    };
    const QPointF upRay = lean(rayAt(b.dorsal, up.x()), -1);
    const QPointF downRay = lean(rayAt(b.anal, down.x()), 1);
    const double reach = s.depth * 0.45, span = (down.y() - up.y()) * 0.3;
    QPainterPath line(up + upRay * reach);
    line.lineTo(up);
    line.cubicTo(up - upRay * span, down - downRay * span, down);
    line.lineTo(down + downRay * reach);
    return line;
}

// `spine` painted as a band of pigment `widths` wide over `area`, its edge
// blurring over a scale's width; darkest above, a shade warmer low down.
void paintPigmentBand(QPainter &p, const QPainterPath &area, const QPainterPath &spine,
                      const std::vector<double> &widths, QColor top, QColor bottom)
{
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    const QRectF box = spine.boundingRect();
    for (const auto &[grow, share] :
         {std::pair{3.2, 0.22}, std::pair{1.6, 0.45}, std::pair{0.0, 1.0}}) {
        std::vector<double> w;
        for (const double v : widths)
            w.push_back(v + grow);
        QLinearGradient tone(box.topLeft(), box.bottomLeft());
        tone.setColorAt(0, withAlpha(top, int(top.alpha() * share)));
        tone.setColorAt(1, withAlpha(bottom, int(bottom.alpha() * share)));
        p.fillPath(ribbon(spine, w), tone);
    }
}

} // namespace fishart
