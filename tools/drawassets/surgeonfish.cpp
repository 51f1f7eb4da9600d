// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

// Surgeonfish and spadefish: ovals and discs with crescent tails, the
// surgeons with a scalpel at the tail base.

namespace fishart {

using namespace fishkit;

namespace {

// What sets one surgeonfish's outline apart: the body, how tall its fins
// stand and how deep the crescent of its tail is cut.
struct SurgeonForm
{
    BodyShape shape;
    bool disc = false;     // full behind the deepest point, as the Blue Tang
    double fins = 0.14;    // height of the dorsal and anal fins, share of the depth
    QPointF tail{56, 100}; // length and span
    double notch = 0.25;
};

// The surgeons: one long even dorsal fin from the nape to the tail stalk, a
// long anal fin, a small mouth low on a short snout, the eye set high, a
// pointed pectoral fin and small spined pelvic fins.
Build surgeon(const SurgeonForm &f)
{
    const BodyShape &s = f.shape;
    const QPainterPath body = f.disc ? discOutline(s) : bodyOutline(s);
    const double rise = s.depth * f.fins;
    // A point `share` of the fins' height out from the rim, or inside it if negative.
    const auto out = [&](double along, int side, double share) {
        return rimPoint(body, s.at(along, 0), side) + QPointF(0, side * rise * share);
    };
    return Build(
        s, body,
        spinyFin(out(0.2, -1, -0.3),
                 {out(0.24, -1, 0.7), out(0.45, -1, 1), out(0.75, -1, 1.05), out(0.9, -1, 0.9)},
                 out(0.95, -1, -0.6), 9, 26, 0.1),
        spinyFin(out(0.46, 1, -0.3), {out(0.5, 1, 0.8), out(0.75, 1, 1.05), out(0.9, 1, 0.9)},
                 out(0.95, 1, -0.6), 3, 23, 0.1),
        tail(TailKind::Lunate, s.at(0.98, 0), s.depth * s.stalk * 1.3, f.tail.x(), f.tail.y(),
             f.notch),
        pairedFin(s.at(0.29, 0.02), s.depth * 0.34, 18, s.depth * 0.18, 0.8, 12),
        pairedFin(out(0.3, 1, -0.9), s.depth * 0.2, 70, s.depth * 0.09, 0.9, 5, 1),
        s.at(0.17, -0.4));
}

} // namespace

// All powder-blue to royal blue with fine darker wavy lines, dark-edged fins,
// a moderate crescent tail and a pale yellow scalpel spot at the tail base.
void paintBlueTang(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {60, 244}, 60, QColor(190, 160, 100),
                               {290, 236}, 80, QColor(200, 110, 60));
    const Build s =
        surgeon({{{60, 124}, 180, 128, 0.44, 0.85, 0.13, 0.53}, true, 0.13, {46, 86}, 0.14});
    const QColor blue(30, 70, 200, 235);
    const Livery look(blue, blue, QColor(15, 30, 90, 150), QColor(60, 110, 225, 150),
                      QColor(50, 100, 215, 230), QColor(40, 70, 160), 6.5);
    paintBackFins(p, s, look);
    edgeFin(p, s.caudal, QColor(110, 180, 255), 3);
    for (const Fin *f : {&s.dorsal, &s.anal})
        edgeFin(p, *f, QColor(15, 20, 60), 3);
    fillBody(p, s.body, QColor(34, 70, 196), QColor(70, 134, 232), QColor(126, 178, 246));
    for (double y = 62; y < 188; y += 6)
        strokeInside(p, s.body,
                     curveThrough({{44, y + 2}, {90, y - 2}, {140, y + 2}, {190, y - 2}, {250, y}}),
                     QColor(15, 35, 110, 95), 0.7);
    shadeBody(p, s.body, QColor(20, 30, 70), 0.8);
    paintDisc(p, s.shape.at(0.93, 0), 8, 3.2, QColor(250, 225, 90), QColor(20, 30, 70), 1.0);
    paintFront(p, s, look);
}

// The barred surgeonfish: olive brown-grey with about ten dark bars, neither
// the Blue Tang's blue nor the Surgeonfish's plain grey-brown; a pale scalpel.
void paintDoctorfish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.45, Floor::Open, {38, 246}, 62, QColor(176, 150, 96),
                               {292, 240}, 150, QColor(150, 70, 130));
    const QColor fins(96, 88, 70, 240);
    const Livery look(fins, fins, QColor(60, 54, 40, 150), QColor(150, 140, 116, 150),
                      QColor(130, 120, 98, 235), QColor(170, 150, 90), 6.5);
    const Build s =
        surgeon({{{50, 124}, 196, 114, 0.47, 0.7, 0.12, 0.54}, false, 0.14, {52, 98}, 0.24});
    paintBackFins(p, s, look);
    fillBody(p, s.body, QColor(104, 96, 76), QColor(146, 138, 114), QColor(188, 182, 162));
    paintBars(p, s.body, 98, 14, 10, 3.0, QColor(40, 34, 24, 215), 5);
    shadeBody(p, s.body, QColor(50, 44, 32));
    paintDisc(p, s.shape.at(0.93, 0), 8, 3.2, QColor(236, 234, 226), QColor(70, 62, 48), 0.8);
    paintFront(p, s, look);
}

// A nearly round silver disc with four black bars, the first through the eye,
// tall pointed rear dorsal and anal lobes; a school fades into the distance.
void paintAtlanticSpadefish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.35);
    const BodyShape shape{{60, 124}, 182, 170, 0.5, 0.9, 0.14, 0.51};
    const auto lobe = [](double y, double side) {
        return fin({140, y + 48 * side},
                   {{176, y + 26 * side}, {212, y + 4 * side}, {226, y + 62 * side}},
                   {245, y + 112 * side});
    };
    const Build s(shape, discOutline(shape), lobe(0, 1), lobe(246, -1),
                  tail(TailKind::Lunate, {240, 123}, 24, 52, 86, 0.12),
                  pairedFin({128, 128}, 40, 16, 24, 0.5, 12),
                  pairedFin({112, 184}, 42, 74, 16, 1, 6, 1), QPointF(87, 106));
    paintShoal(p, s.body.united(s.dorsal.shape).united(s.anal.shape).united(s.caudal.shape),
               QColor(90, 130, 150, 60), {{8, 18, 0.32}, {250, 150, 0.26}, {228, 2, 0.22}});
    const QColor silver(126, 134, 146, 245);
    const Livery look(silver, silver, QColor(80, 86, 100, 150), QColor(170, 176, 184, 150),
                      QColor(40, 44, 52, 240), QColor(170, 160, 120), 7.5);
    paintBackFins(p, s, look);
    paintFin(p, spinyFin({98, 56}, {{108, 30}, {126, 26}, {140, 36}}, {146, 50}, 9, 0, 0.3), silver,
             look.ray, 0);
    paintBars(p, s.dorsal.shape.united(s.anal.shape), 86, 40, 4, 11, QColor(28, 32, 40, 70), 6);
    fillBody(p, s.body, QColor(128, 138, 150), QColor(190, 198, 206), QColor(226, 229, 232));
    paintBars(p, s.body, 86, 40, 4, 11, QColor(28, 32, 40, 215), 6);
    paintScales(p, s.body, 7, QColor(255, 255, 255, 40));
    shadeBody(p, s.body, QColor(60, 66, 76));
    paintFront(p, s, look);
}

// Plain grey-brown with no bars, greyer than the olive Doctorfish and nothing
// like the Blue Tang's blue; thin bluish fin edges, a deep crescent tail with
// a pale margin, and a dark scalpel in a pale socket.
void paintSurgeonfish(QPainter &p, double w, double h)
{
    Canvas canvas = reef(p, w, h, 0.4, Floor::Open, {60, 250}, 76, QColor(150, 160, 110),
                         {250, 240}, 100, QColor(170, 80, 110));
    canvas.faceRight();
    const Build s =
        surgeon({{{40, 122}, 206, 102, 0.44, 0.85, 0.14, 0.52}, false, 0.12, {58, 124}, 0.42});
    const QColor fins(104, 98, 90, 240);
    const Livery look(fins, fins, QColor(60, 56, 50, 150), QColor(170, 164, 152, 150),
                      QColor(130, 124, 114, 235), QColor(200, 170, 80), 6.5);
    paintBackFins(p, s, look);
    edgeFin(p, s.caudal, QColor(236, 234, 222), 4);
    edgeFin(p, s.dorsal, QColor(120, 190, 255), 3);
    edgeFin(p, s.anal, QColor(120, 190, 255), 3);
    fillBody(p, s.body, QColor(100, 94, 86), QColor(148, 142, 134), QColor(200, 196, 188));
    shadeBody(p, s.body, QColor(48, 44, 40));
    paintDisc(p, s.shape.at(0.93, 0), 8, 3.2, QColor(30, 28, 34), QColor(220, 226, 230), 1.4);
    paintFront(p, s, look);
}

} // namespace fishart
