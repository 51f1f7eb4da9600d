#include "fishart.h"
#include "fishkit.h"

#include <QPainter>

// Snapper and jack: streamlined open-water fish with forked tails.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish2(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

using namespace fishkit;

// A bluish-silver snapper whose one yellow stripe runs from the snout into
// an all-yellow, deeply forked tail; yellow spots on the olive-blue back.
void paintYellowtailSnapper(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 208);
    paintSeaFan(p, QPointF(296, 236), 70, QColor(160, 80, 150));
    paintCoralHead(p, QPointF(40, 240), 56, QColor(160, 140, 90));
    paintCoralHead(p, QPointF(200, 244), 40, QColor(120, 140, 100));

    const QColor yellow(250, 214, 40);
    const BodyShape shape{.snout = {28, 124},
                          .length = 222,
                          .depth = 68,
                          .deepestAt = 0.53,
                          .bluntness = 0.75,
                          .stalk = 0.27,
                          .back = 0.57};
    paintFin(p, tail(TailKind::Forked, {238, 124}, 19, 72, 130, 0.58), withAlpha(yellow, 235),
             QColor(190, 150, 20, 120), 16);
    paintFin(p, fin({94, 93}, {{108, 78}, {126, 70}, {150, 72}, {196, 80}, {224, 106}}, {206, 100}),
             QColor(245, 215, 80, 215), QColor(160, 140, 60, 120), 20);
    paintFin(p, fin({168, 146}, {{186, 170}, {214, 160}}, {220, 134}), QColor(245, 220, 150, 170),
             QColor(180, 150, 90, 120), 9);

    const QPainterPath body = bodyOutline(shape);
    fillBody(p, body, QColor(70, 96, 130), QColor(176, 196, 214), QColor(238, 236, 240), 0.55);
    paintScales(p, body, 7.0, QColor(255, 255, 255, 40));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (int i = 0; i < 3; ++i) {
            const double y = 132 + i * 6;
            stroke(p, curveThrough({{60, y + 2}, {150, y + 4}, {240, y - 6}}),
                   QColor(245, 210, 90, 90), 1.4);
        }
        // The stripe: thin at the snout, widening until it runs into the tail.
        p.fillPath(smoothClosedPath({{24, 121},
                                     {60, 117},
                                     {110, 115},
                                     {170, 114},
                                     {225, 113},
                                     {262, 113},
                                     {262, 134},
                                     {225, 131},
                                     {170, 125},
                                     {110, 122},
                                     {60, 122},
                                     {24, 125}}),
                   yellow);
    }
    QPainterPath upperBack;
    upperBack.addRect(80, 86, 152, 26);
    paintSpots(p, body.intersected(upperBack), 8.5, 1.6, 1.9, QColor(250, 220, 60, 230), 1);
    shadeBody(p, body);
    // No outline where the stripe runs on into the tail: it is one sweep of yellow.
    QPainterPath stalk;
    stalk.addPolygon(QPolygonF({{226, 114}, {254, 113}, {254, 134}, {226, 130.5}}));
    p.fillPath(stalk, yellow);

    stroke(p, curve(shape.at(0.24, -0.9), shape.at(0.29, 0), shape.at(0.25, 0.9)),
           QColor(60, 70, 90, 150), 1.2);
    stroke(p, curve({28, 125}, {38, 129}, {50, 128}), QColor(60, 50, 60), 1.2);
    paintFin(p, fin({94, 124}, {{118, 126}, {138, 134}, {118, 134}}, {96, 131}),
             QColor(240, 220, 200, 150), QColor(170, 140, 120, 120), 7);
    paintFin(p, fin({108, 148}, {{116, 176}}, {130, 150}), QColor(245, 225, 170, 190),
             QColor(180, 150, 90, 120), 5);
    paintEye(p, QPointF(60, 113), 7.5, QColor(200, 70, 50));
}

void paintCrevalleJack(QPainter &p, double w, double h)
{
    legacy::paintFish2(p, w, h);
}

} // namespace fishart
