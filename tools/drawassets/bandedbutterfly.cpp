// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "butterflyfish.h"
#include "fishart.h"
#include "fishkit.h"
#include "pigmentbands.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>

#include <cmath>
#include <utility>
#include <vector>

// The Banded Butterfly: a white disc crossed by three broad dark bands.

namespace fishart {

using namespace fishkit;

namespace {

// A soft fin's membrane of `colour`: a shade deeper where it grows from the
// body, thinner and more of the water showing through it towards its edge.
void paintMembrane(QPainter &p, const Fin &f, QColor colour)
{
    if (Silhouette::record(p, f.shape))
        return;
    const QPointF from = f.base.center();
    QLinearGradient sheet(from, farthestFrom(f.shape, from));
    sheet.setColorAt(0, colour.darker(110));
    sheet.setColorAt(0.5, colour);
    sheet.setColorAt(1, withAlpha(colour.lighter(103), colour.alpha() * 3 / 4));
    p.fillPath(f.shape, sheet);
}

// A band across the flat side of `b`, from where it meets the dorsal fin
// `top` of the length along to where it meets the anal fin at `bottom`: one
// straight stripe that runs on out over both fins.
QPainterPath straightBand(const Build &b, double top, double bottom)
{
    const QPointF up = rimPoint(b.body, b.shape.at(top, 0), -1);
    const QPointF down = rimPoint(b.body, b.shape.at(bottom, 0), 1);
    const QPointF d = (down - up) / std::hypot(down.x() - up.x(), down.y() - up.y());
    QPainterPath line(up - d * b.shape.depth * 0.45);
    line.lineTo(down + d * b.shape.depth * 0.45);
    return line;
}

// The soft rays of `f` where it stands clear of `body`, fine and evenly
// spaced: each a low ridge, shaded on one side and lit on the other, so that
// it shows on white membrane and dark pigment alike. A fin built without
// ray tips has `rays` spread along its edge. With `spines`, the stiff spines
// in front are drawn too, as stouter ridges.
void paintSoftRays(QPainter &p, const Fin &f, const QPainterPath &body, int rays,
                   bool spines = false)
{
    if (Silhouette::active(p))
        return;
    const std::vector<QPointF> tips = rayTips(f, rays);
    const Saved s(p);
    p.setClipPath(f.shape.subtracted(body), Qt::IntersectClip);
    const int count = int(tips.size());
    for (int i = spines ? 0 : f.spines; i < count; ++i) {
        const double w = i < f.spines ? 2.2 : 1.0;
        const QPointF root = f.base.pointAt((i + 0.5) / count);
        const QPointF d = tips[size_t(i)] - root;
        const QPainterPath ray =
            curve(root, root + d * 0.5 + QPointF(d.y(), -d.x()) * 0.03, tips[size_t(i)] + d * 0.05);
        stroke(p, QTransform::fromTranslate(0.3, 0.3).map(ray), QColor(0, 8, 24, 46), 0.45 * w);
        stroke(p, ray, QColor(255, 255, 255, 60), 0.35 * w);
    }
}
} // namespace

// White with three broad dark bands, the first through the eye and the last
// running out over the soft fins; dark-edged fins and a dark band on the tail.
// As a field guide draws it: a rounded, shaded disc of scaled body with thin
// rayed fins round it, the bands running on over the join onto the fins.
void paintBandedButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.35, Floor::Rock, {284, 228}, 50, QColor(180, 140, 80),
                               {24, 224}, 130, QColor(170, 80, 150));
    // A nearly round disc, as deep as three quarters of its length, the
    // back and belly curving alike to a short pointed snout at mid-height.
    const BodyShape shape{{58, 128}, 170, 128, 0.47, 0.15, 0.26, 0.5, 0, 0, 0.7};
    Build b = butterfly({shape, 0.16, 0.24, 0.42, TailKind::Truncate, {32, 56}, 0.74, 0.18});
    // Fins of their own shape: the dorsal starts low over the nape as a row
    // of short spines, the membrane notched between their tips, and rises to
    // a rounded soft lobe at the rear top; the anal fin leads with three short
    // spines and ends in a rounded lobe. Both narrow to almost nothing at the
    // tail stalk, which stands clear of them, so the fish is no plain circle.
    const auto out = [&](double along, int side, double rise) {
        return rimPoint(b.body, shape.at(along, 0), side) + QPointF(0, side * shape.depth * rise);
    };
    const auto back = [&](double along, int side, double rise, double by) {
        return out(along, side, rise) + QPointF(by, 0);
    };
    b.dorsal =
        spinyFin(out(0.27, -1, -0.03),
                 {out(0.3, -1, 0.07), out(0.4, -1, 0.11), out(0.52, -1, 0.14), out(0.66, -1, 0.23),
                  out(0.78, -1, 0.28), back(0.87, -1, 0.23, 6), back(0.92, -1, 0.1, 5)},
                 out(0.95, -1, -0.02), 12, 22, 0.18);
    b.anal = spinyFin(out(0.5, 1, -0.03),
                      {out(0.53, 1, 0.06), out(0.58, 1, 0.11), out(0.7, 1, 0.21), out(0.8, 1, 0.25),
                       back(0.88, 1, 0.18, 7), back(0.93, 1, 0.065, 3)},
                      out(0.95, 1, -0.02), 3, 18, 0.12);
    const QColor band(36, 30, 30);
    const QColor belly(50, 40, 36); // the bands a shade warmer low down
    const QColor white(240, 238, 232);
    const Livery look(white, white, QColor(110, 110, 110, 150), QColor(112, 104, 86), white,
                      QColor(60, 50, 40), 6);
    // The fins are thinner than the body: a little of the water shows
    // through them everywhere.
    const QColor membrane(222, 224, 224, 226);
    paintMembrane(p, b.caudal, membrane);
    const QPointF root = b.caudal.base.center();
    // The tail's band is pigment across the rays, its edges blurred.
    const QPainterPath across =
        curve(root + QPointF(20, -34), root + QPointF(16, 0), root + QPointF(20, 34));
    for (const auto &[width, alpha] : {std::pair{7.6, 60}, std::pair{5.2, 225}})
        strokeInside(p, b.caudal.shape, across, withAlpha(band, alpha), width);
    paintSoftRays(p, b.caudal, b.body, 12 + int(b.caudal.shape.boundingRect().height() / 24));
    for (const Fin *f : {&b.dorsal, &b.anal})
        paintMembrane(p, *f, membrane);
    // The scaled body is lit along the back and falls into shade towards
    // the belly and the rear, under the bands as round the white.
    fillBody(p, b.body, QColor(250, 250, 247), QColor(242, 242, 238), QColor(222, 222, 220));
    paintSlants(p, b, QColor(150, 150, 150, 70), 0.7, false);
    const QPainterPath bar = eyeBarLine(b.eye);
    const QPainterPath middle = straightBand(b, 0.48, 0.49);
    const QPainterPath rear = straightBand(b, 0.78, 0.79);
    // All three over `area`, shading from `top` down to `low`.
    const auto paintBands = [&](const QPainterPath &area, QColor top, QColor low) {
        paintPigmentBand(p, area, bar, {3, 10.5, 13, 12.5, 10, 3}, top, low);
        paintPigmentBand(p, area, middle, {24, 26, 27, 27, 27, 27, 27, 26, 24}, top, low);
        paintPigmentBand(p, area, rear, {22, 24, 25, 25, 25, 25, 25, 24, 22}, top, low);
    };
    const QPainterPath fins = b.dorsal.shape.united(b.anal.shape).subtracted(b.body);
    if (!Silhouette::active(p)) {
        // The bands hide the rows of scales beneath them.
        paintBands(b.body, band, belly);
        // The disc is thin and flat-sided: it turns away only in a narrow
        // strip along its outline, so the shade there is gentle and close.
        const Saved s(p);
        p.setClipPath(b.body, Qt::IntersectClip);
        for (const double width : {20.0, 12.0, 6.0})
            stroke(p, b.body, QColor(0, 8, 24, 9), width);
    }
    modelBody(p, b.body, b.caudal.base.x1(), QColor(30, 36, 50, 60), 0.5);
    // The skin's own tone runs on out over the join into the tail.
    growFinRoots(p, b.body, {&b.caudal}, 9);
    if (!Silhouette::active(p)) {
        // The bands run on unbroken over the join and out across the fins.
        QPainterPathStroker join;
        join.setWidth(18);
        paintBands(
            fins.united(join.createStroke(b.body).intersected(b.dorsal.shape.united(b.anal.shape))),
            band, belly);
        // The soft fins have a narrow dark edge, crisp at the rim and
        // blurring a little inwards; the spiny fin in front has none.
        for (const Fin *f : {&b.dorsal, &b.anal}) {
            const double from = f->spines > 0 ? f->tips[size_t(f->spines - 1)].x() : f->base.x1();
            QLinearGradient fade(from, 0, from + 24, 0);
            fade.setColorAt(0, withAlpha(band, 0));
            fade.setColorAt(1, withAlpha(band, 150));
            const Saved inside(p);
            p.setClipPath(f->shape.subtracted(b.body), Qt::IntersectClip);
            for (const double reach : {2.8, 1.3}) {
                p.setPen(QPen(QBrush(fade), 2 * reach, Qt::SolidLine, Qt::FlatCap));
                p.drawPath(f->edge);
            }
        }
    }
    // The anal fin's three short spines stand in the membrane like its rays.
    paintSoftRays(p, b.dorsal, b.body, 0);
    paintSoftRays(p, b.anal, b.body, 0, true);
    paintSpineRow(p, b.dorsal, b.body, QColor(150, 146, 140, 200));
    paintButterflyFront(p, b, look);
}

} // namespace fishart
