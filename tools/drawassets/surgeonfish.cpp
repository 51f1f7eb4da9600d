#include "fishart.h"
#include "fishkit.h"

#include <QPainter>

// Surgeonfish and spadefish: ovals and discs with crescent tails.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish5(QPainter &p, double w, double h);
void paintFish13(QPainter &p, double w, double h);
void paintFish21(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

using namespace fishkit;

void paintBlueTang(QPainter &p, double w, double h)
{
    legacy::paintFish5(p, w, h);
}

// The barred surgeonfish: about ten thin dark bars on blue-grey tell it from
// the plain Surgeonfish and the all-blue Blue Tang; a pale scalpel.
void paintDoctorfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.45);
    paintSeaFan(p, QPointF(292, 240), 150, QColor(150, 70, 130));
    paintCoralHead(p, QPointF(38, 246), 62, QColor(176, 150, 96));

    const QColor fins(70, 82, 120, 235);
    const QColor rays(48, 56, 84, 140);
    const BodyShape shape{.snout = {48, 126},
                          .length = 195,
                          .depth = 125,
                          .deepestAt = 0.56,
                          .bluntness = 0.8,
                          .stalk = 0.13,
                          .back = 0.55};
    paintFin(p, tail(TailKind::Lunate, {236, 121}, 26, 54, 102, 0.26), QColor(72, 84, 120, 235),
             rays, 16);
    paintFin(p, fin({90, 72}, {{112, 48}, {150, 38}, {200, 50}, {228, 80}}, {240, 106}), fins, rays,
             26);
    paintFin(p, fin({112, 176}, {{130, 200}, {170, 206}, {215, 180}}, {240, 134}), fins, rays, 22);

    const QPainterPath body = bodyOutline(shape);
    fillBody(p, body, QColor(78, 88, 122), QColor(112, 122, 152), QColor(158, 164, 182));
    paintBars(p, body, 104, 13.5, 10, 2.0, QColor(38, 42, 64, 165), 5);
    shadeBody(p, body, QColor(40, 45, 70));

    // A pale scalpel socket, where the Surgeonfish's is dark.
    p.setPen(QPen(QColor(60, 64, 80), 0.8));
    p.setBrush(QColor(228, 232, 238));
    p.drawEllipse(QPointF(234, 121), 8, 3.2);
    stroke(p, curve({228, 121}, {234, 121.5}, {240, 121}), QColor(70, 74, 90), 1.0);

    const QColor mark(35, 38, 55);
    stroke(p, curveThrough({{101, 76}, {108, 100}, {108, 127}, {99, 154}}), withAlpha(mark, 120),
           1.3);
    stroke(p, curve({49, 126}, {54, 129}, {59, 128}), mark, 1.3);
    paintFin(p, fin({98, 164}, {{100, 184}, {112, 197}}, {118, 166}), QColor(95, 108, 145, 235),
             rays, 4);
    paintFin(p, fin({108, 116}, {{132, 106}, {156, 110}, {150, 132}, {128, 134}}, {108, 126}),
             QColor(95, 108, 145, 150), rays, 9);
    paintEye(p, QPointF(79, 98), 6.5, QColor(150, 150, 110));
}

void paintAtlanticSpadefish(QPainter &p, double w, double h)
{
    legacy::paintFish13(p, w, h);
}

void paintSurgeonfish(QPainter &p, double w, double h)
{
    legacy::paintFish21(p, w, h);
}

} // namespace fishart
