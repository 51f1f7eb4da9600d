// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>
#include <QTransform>

#include <tuple>

// Surgeonfish and spadefish: ovals and discs with crescent tails.

namespace fishart {

using namespace fishkit;

namespace {

// The oval build of the Doctorfish, the Surgeonfish and the Blue Tang: long
// low dorsal and anal fins reaching back to a crescent tail.
struct Surgeon
{
    BodyShape shape{.snout = {48, 126},
                    .length = 195,
                    .depth = 125,
                    .deepestAt = 0.56,
                    .bluntness = 0.8,
                    .stalk = 0.13,
                    .back = 0.55};
    QPainterPath body = bodyOutline(shape);
    Fin dorsal = fin({90, 72}, {{112, 48}, {150, 38}, {200, 50}, {228, 80}}, {240, 106});
    Fin anal = fin({112, 176}, {{130, 200}, {170, 206}, {215, 180}}, {240, 134});
    Fin pelvic = fin({98, 164}, {{100, 184}, {112, 197}}, {118, 166});
    Fin pectoral = fin({108, 116}, {{132, 106}, {156, 110}, {150, 132}, {128, 134}}, {108, 126});
};

// The scalpel in its socket at the tail base, the family's mark.
void paintScalpel(QPainter &p, QColor fill, QColor rim, double rimWidth)
{
    p.setPen(QPen(rim, rimWidth));
    p.setBrush(fill);
    p.drawEllipse(QPointF(234, 121), 8, 3.2);
}

// Gill cover, mouth, the fins in front of the body and the eye.
void paintFace(QPainter &p, const Surgeon &s, QColor fins, QColor rays, QColor mark, QColor iris)
{
    stroke(p, curveThrough({{101, 76}, {108, 100}, {108, 127}, {99, 154}}), withAlpha(mark, 120),
           1.3);
    stroke(p, curve({49, 126}, {54, 129}, {59, 128}), mark, 1.3);
    paintFin(p, s.pelvic, fins, rays, 4);
    paintFin(p, s.pectoral, withAlpha(fins, 150), rays, 9);
    paintEye(p, QPointF(79, 98), 6.5, iris);
}

// The Atlantic Spadefish's rear dorsal lobe, or mirrored its anal lobe.
Fin spadefishLobe(bool upper)
{
    const auto y = [upper](double v) { return upper ? v : 246 - v; };
    return fin({140, y(48)}, {{176, y(26)}, {212, y(4)}, {226, y(62)}}, {245, y(112)});
}

} // namespace

// All powder-blue to royal blue with fine darker wavy lines, dark-edged
// fins and a yellow scalpel spot at the tail base.
void paintBlueTang(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 214);
    paintCoralHead(p, QPointF(60, 244), 60, QColor(190, 160, 100));
    paintSeaFan(p, QPointF(290, 236), 80, QColor(200, 110, 60));

    const Surgeon s;
    const QColor blue(30, 70, 190, 235);
    const QColor rays(15, 30, 90, 150);
    const Fin caudal = tail(TailKind::Lunate, {236, 122}, 26, 62, 96, 0.3);
    paintFin(p, caudal, blue, rays, 16);
    edgeFin(p, caudal, QColor(110, 180, 255), 3);
    for (const Fin *f : {&s.dorsal, &s.anal}) {
        paintFin(p, *f, blue, rays, 24);
        edgeFin(p, *f, QColor(15, 20, 60), 3);
    }

    fillBody(p, s.body, QColor(36, 72, 190), QColor(70, 130, 225), QColor(120, 170, 240));
    {
        const Saved saved(p);
        p.setClipPath(s.body, Qt::IntersectClip);
        for (int row = 0; row < 21; ++row) {
            const double y = 62 + row * 6.0;
            stroke(p,
                   curveThrough({{44, y + 2}, {90, y - 2}, {140, y + 2}, {190, y - 2}, {250, y}}),
                   QColor(15, 35, 110, 75), 0.7);
        }
    }
    shadeBody(p, s.body, QColor(20, 30, 70), 0.8);
    paintScalpel(p, QColor(250, 225, 90), QColor(20, 30, 70), 1.0);
    paintFace(p, s, QColor(50, 100, 215, 230), rays, QColor(20, 30, 70), QColor(40, 70, 160));
}

// The barred surgeonfish: about ten thin dark bars on blue-grey tell it from
// the plain Surgeonfish and the all-blue Blue Tang; a pale scalpel.
void paintDoctorfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.45);
    paintSeaFan(p, QPointF(292, 240), 150, QColor(150, 70, 130));
    paintCoralHead(p, QPointF(38, 246), 62, QColor(176, 150, 96));

    const Surgeon s;
    const QColor fins(70, 82, 120, 235);
    const QColor rays(48, 56, 84, 140);
    paintFin(p, tail(TailKind::Lunate, {236, 121}, 26, 54, 102, 0.26), QColor(72, 84, 120, 235),
             rays, 16);
    paintFin(p, s.dorsal, fins, rays, 26);
    paintFin(p, s.anal, fins, rays, 22);

    fillBody(p, s.body, QColor(78, 88, 122), QColor(112, 122, 152), QColor(158, 164, 182));
    paintBars(p, s.body, 104, 13.5, 10, 2.0, QColor(38, 42, 64, 165), 5);
    shadeBody(p, s.body, QColor(40, 45, 70));

    // A pale scalpel socket, where the Surgeonfish's is dark.
    paintScalpel(p, QColor(228, 232, 238), QColor(60, 64, 80), 0.8);
    stroke(p, curve({228, 121}, {234, 121.5}, {240, 121}), QColor(70, 74, 90), 1.0);
    paintFace(p, s, QColor(95, 108, 145, 235), rays, QColor(35, 38, 55), QColor(150, 150, 110));
}

// A nearly round silver disc with four black bars, the first through the
// eye, and tall pointed lobes on the rear dorsal and anal fins; a school
// fades into the distance behind it.
void paintAtlanticSpadefish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);

    const BodyShape shape{.snout = {60, 124},
                          .length = 182,
                          .depth = 170,
                          .deepestAt = 0.5,
                          .bluntness = 0.9,
                          .stalk = 0.14,
                          .back = 0.51};
    const QPainterPath body = discOutline(shape);
    const Fin upper = spadefishLobe(true);
    const Fin lower = spadefishLobe(false);
    const Fin caudal = tail(TailKind::Lunate, {240, 123}, 24, 52, 86, 0.12);
    const QPainterPath silhouette =
        body.united(upper.shape).united(lower.shape).united(caudal.shape);
    for (const auto &[dx, dy, size, alpha] :
         {std::tuple{8.0, 18.0, 0.32, 70}, std::tuple{250.0, 150.0, 0.26, 60},
          std::tuple{228.0, 2.0, 0.22, 50}}) {
        QTransform far;
        far.translate(dx, dy);
        far.scale(size, size);
        p.fillPath(far.map(silhouette), QColor(90, 130, 150, alpha));
    }

    const QColor silver(126, 134, 146, 245);
    const QColor rays(80, 86, 100, 150);
    paintFin(p, caudal, silver, rays, 16);
    paintFin(p, upper, silver, rays, 20);
    paintFin(p, lower, silver, rays, 20);
    paintFin(p, fin({100, 54}, {{116, 28}, {138, 34}}, {145, 48}), silver, rays, 8);

    const QColor bar(28, 32, 40);
    paintBars(p, upper.shape.united(lower.shape), 86, 40, 4, 11, withAlpha(bar, 70), 6);
    fillBody(p, body, QColor(128, 138, 150), QColor(190, 198, 206), QColor(226, 229, 232));
    paintBars(p, body, 86, 40, 4, 11, withAlpha(bar, 215), 6);
    paintScales(p, body, 7, QColor(255, 255, 255, 40));
    shadeBody(p, body, QColor(60, 66, 76));

    stroke(p, curveThrough({{112, 70}, {120, 112}, {116, 150}, {104, 178}}),
           QColor(40, 44, 52, 110), 1.3);
    stroke(p, curve({59, 125}, {64, 128}, {69, 127}), QColor(30, 30, 35), 1.4);
    paintFin(p, fin({108, 182}, {{104, 210}, {118, 226}}, {128, 184}), QColor(40, 44, 52, 240),
             QColor(70, 74, 82), 4);
    paintFin(p, fin({128, 126}, {{150, 114}, {168, 122}, {146, 144}}, {128, 134}),
             QColor(170, 176, 184, 150), QColor(210, 214, 220), 8);
    paintEye(p, QPointF(87, 106), 7.5, QColor(170, 160, 120));
}

// The same oval as the Doctorfish but with no bars at all: grey-brown, a
// deep crescent tail with a pale margin, bluish fin edges and a dark scalpel.
void paintSurgeonfish(QPainter &p, double w, double h)
{
    Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.4);
    paintCoralHead(p, QPointF(60, 250), 76, QColor(150, 160, 110));
    paintSeaFan(p, QPointF(250, 240), 100, QColor(170, 80, 110));
    canvas.faceRight();

    const Surgeon s;
    const QColor fins(92, 88, 94, 240);
    const QColor rays(120, 118, 130, 150);
    const Fin caudal = tail(TailKind::Lunate, {236, 121}, 26, 66, 142, 0.34);
    paintFin(p, caudal, fins, rays, 18);
    edgeFin(p, caudal, QColor(235, 236, 228), 6);
    for (const Fin *f : {&s.dorsal, &s.anal}) {
        paintFin(p, *f, fins, rays, 24);
        edgeFin(p, *f, QColor(90, 170, 240), 3.2);
    }

    fillBody(p, s.body, QColor(96, 90, 86), QColor(130, 126, 126), QColor(170, 172, 178));
    paintStripes(p, s.body, 76, 12, 9, 1.6, QColor(80, 78, 80, 40), 0.1);
    shadeBody(p, s.body, QColor(50, 46, 48));
    paintScalpel(p, QColor(40, 40, 48), QColor(150, 190, 230), 1.4);
    paintFace(p, s, QColor(130, 126, 132, 235), rays, QColor(40, 38, 40), QColor(190, 170, 90));
}

} // namespace fishart
