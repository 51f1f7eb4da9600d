#include "backdrop.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace legacy {

namespace {

constexpr double pi = std::numbers::pi;
const QRectF frame(0, 0, 320, 240);

// Every painter here is laid out on a 320 x 240 grid and stretched to the
// canvas it is given, so fish 4's smaller canvas needs no separate layout.
void useLayoutGrid(QPainter &p, double w, double h)
{
    p.scale(w / frame.width(), h / frame.height());
}

QPainterPath smooth(const std::vector<QPointF> &points)
{
    return backdrop::smoothClosedPath(points.data(), int(points.size()));
}

// Control point that bows the segment a-b by `amount` to the left of travel;
// outlines here run clockwise on screen, so positive bows outward.
QPointF bow(QPointF a, QPointF b, double amount)
{
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len == 0.0)
        return a;
    return (a + b) / 2.0 + QPointF(d.y(), -d.x()) / len * amount;
}

// A closed outline of gently curved edges with crisp corners: each point is
// followed by the bow of the edge leaving it.
QPainterPath bowed(std::initializer_list<std::pair<QPointF, double>> corners)
{
    const std::vector<std::pair<QPointF, double>> v(corners);
    QPainterPath path(v.front().first);
    for (size_t i = 0; i < v.size(); ++i) {
        const QPointF a = v[i].first;
        const QPointF b = v[(i + 1) % v.size()].first;
        path.quadTo(bow(a, b, v[i].second), b);
    }
    path.closeSubpath();
    return path;
}

QPainterPath forkedTail(QPointF rootTop, QPointF upperTip, QPointF notch, QPointF lowerTip,
                        QPointF rootBottom, double outer, double inner)
{
    return bowed({{rootTop, outer},
                  {upperTip, inner},
                  {notch, inner},
                  {lowerTip, outer},
                  {rootBottom, 0.0}});
}

// Translucent fin membrane with rays fanning out from `origin`.
void paintFin(QPainter &p, const QPainterPath &fin, QColor fill, QColor ray, QPointF origin,
              double spacing = 4.5)
{
    p.save();
    const QRectF box = fin.boundingRect();
    double reach = 0.0;
    for (const QPointF &c : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        reach = std::max(reach, std::hypot(c.x() - origin.x(), c.y() - origin.y()));
    QRadialGradient membrane(origin, reach);
    membrane.setColorAt(0.0, fill);
    membrane.setColorAt(1.0, backdrop::withAlpha(fill.lighter(125), fill.alpha() * 3 / 4));
    p.fillPath(fin, membrane);

    p.setClipPath(fin, Qt::IntersectClip);
    const QPointF c = box.center();
    const double distance = std::max(10.0, std::hypot(c.x() - origin.x(), c.y() - origin.y()));
    const double step = spacing / distance;
    p.setPen(QPen(ray, 0.7));
    for (double a = 0; a < 2 * pi; a += step)
        p.drawLine(origin, origin + QPointF(std::cos(a), std::sin(a)) * reach);
    p.setClipping(false);
    p.setPen(QPen(backdrop::withAlpha(ray, std::min(255, ray.alpha() + 40)), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fin);
    p.restore();
}

// Countershaded body: dark back, `side` along the flank, pale belly.
void fillBody(QPainter &p, const QPainterPath &body, QColor back, QColor side, QColor belly,
              double sideAt = 0.5)
{
    const QRectF box = body.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, back);
    g.setColorAt(sideAt, side);
    g.setColorAt(1.0, belly);
    p.fillPath(body, g);
}

// Rounds the body off: light along the upper flank, shadow at the edges.
void shadeBody(QPainter &p, const QPainterPath &body, double strength = 1.0)
{
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    const QRectF box = body.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, QColor(0, 10, 30, int(70 * strength)));
    g.setColorAt(0.18, QColor(0, 10, 30, 0));
    g.setColorAt(0.33, QColor(255, 255, 255, int(55 * strength)));
    g.setColorAt(0.5, QColor(255, 255, 255, 0));
    g.setColorAt(0.85, QColor(0, 10, 30, 0));
    g.setColorAt(1.0, QColor(0, 10, 30, int(80 * strength)));
    p.fillRect(box, g);
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 20, 35, 130), 0.9));
    p.drawPath(body);
    p.restore();
}

using fishkit::paintScales;

// Scales as separate bright crescents on a dark ground, so the body reads
// as speckled rather than netted.
void paintSpeckledScales(QPainter &p, const QPainterPath &area, double size, QColor rim)
{
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, size * 0.17, Qt::SolidLine, Qt::RoundCap));
    const QRectF box = area.boundingRect();
    int row = 0;
    for (double y = box.top(); y < box.bottom() + size; y += size * 0.72, ++row) {
        const double shift = (row % 2) ? size * 0.5 : 0.0;
        for (double x = box.left() - size + shift; x < box.right() + size; x += size)
            p.drawArc(QRectF(x - size * 0.42, y - size * 0.42, size * 0.84, size * 0.84), -40 * 16,
                      80 * 16);
    }
    p.restore();
}

// Small deterministic scatter so that spot patterns are identical at 1x and 2x.
class Scatter
{
public:
    explicit Scatter(unsigned seed)
        : state(seed * 2654435761u + 12345u)
    {
    }
    double next(double lo, double hi)
    {
        state = state * 1664525u + 1013904223u;
        return lo + (hi - lo) * double(state >> 8) / double(1u << 24);
    }

private:
    unsigned state;
};



// ---------------------------------------------------------------- fish 4

void frenchAngelfish(QPainter &p)
{
    const QColor yellow(240, 200, 40);
    const QColor black(22, 22, 26);

    const QPainterPath dorsal = smooth({{108, 72},
                                        {122, 46},
                                        {150, 28},
                                        {186, 24},
                                        {218, 34},
                                        {242, 46},
                                        {270, 46},
                                        {296, 38},
                                        {272, 56},
                                        {246, 70},
                                        {232, 100},
                                        {200, 86},
                                        {160, 66}});
    const QPainterPath anal = smooth({{110, 174},
                                      {126, 198},
                                      {156, 214},
                                      {190, 218},
                                      {222, 208},
                                      {246, 198},
                                      {272, 200},
                                      {298, 212},
                                      {272, 188},
                                      {248, 176},
                                      {232, 144},
                                      {200, 166},
                                      {160, 182}});
    const QPainterPath tail =
        smooth({{226, 106}, {250, 92}, {270, 98}, {276, 122}, {270, 146}, {250, 152}, {226, 138}});

    auto scaledFin = [&](const QPainterPath &fin, QPointF origin) {
        paintFin(p, fin, backdrop::withAlpha(black, 245), QColor(60, 60, 60, 160), origin, 5);
        p.save();
        p.setClipPath(fin, Qt::IntersectClip);
        paintSpeckledScales(p, fin, 7.5, QColor(230, 190, 40, 140));
        p.restore();
    };
    scaledFin(dorsal, QPointF(170, 130));
    scaledFin(anal, QPointF(170, 120));
    paintFin(p, tail, backdrop::withAlpha(black, 245), QColor(70, 70, 70, 170), QPointF(226, 122),
             4);
    p.save();
    p.setClipPath(tail, Qt::IntersectClip);
    // The pale rim runs round the rounded edge of the tail.
    backdrop::stroke(p, tail, QColor(235, 225, 170), 5.0);
    p.restore();

    const QPainterPath body = smooth({{68, 128},
                                      {76, 112},
                                      {92, 88},
                                      {116, 68},
                                      {150, 58},
                                      {186, 64},
                                      {212, 82},
                                      {228, 104},
                                      {232, 122},
                                      {228, 140},
                                      {212, 162},
                                      {186, 180},
                                      {152, 186},
                                      {118, 178},
                                      {94, 162},
                                      {78, 146}});
    fillBody(p, body, QColor(30, 30, 34), QColor(18, 18, 22), QColor(34, 34, 38));
    paintSpeckledScales(p, body, 8.5, QColor(240, 200, 40, 225));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    // Scales stop at the face, which is plain dark with a pale muzzle.
    p.fillPath(smooth({{60, 128}, {80, 92}, {108, 78}, {118, 110}, {110, 150}, {86, 160}}),
               QColor(26, 26, 30));
    QRadialGradient muzzle(QPointF(70, 132), 17);
    muzzle.setColorAt(0.0, QColor(225, 225, 215));
    muzzle.setColorAt(0.5, QColor(190, 190, 180, 200));
    muzzle.setColorAt(1.0, QColor(190, 190, 180, 0));
    p.fillRect(frame, muzzle);
    backdrop::stroke(p, backdrop::curve(QPointF(118, 82), QPointF(130, 114), QPointF(120, 150)),
                     yellow, 3.5);
    p.restore();
    shadeBody(p, body, 0.6);

    const QPainterPath pelvic = bowed({{{116, 168}, 3}, {{122, 214}, 0}, {{134, 172}, 0}});
    paintFin(p, pelvic, backdrop::withAlpha(black, 240), QColor(230, 190, 40, 200),
             QPointF(122, 170), 3);
    const QPainterPath pectoral =
        smooth({{128, 124}, {150, 118}, {164, 128}, {150, 140}, {130, 134}});
    paintFin(p, pectoral, QColor(40, 40, 40, 200), QColor(120, 110, 80, 160), QPointF(128, 128), 3);
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    p.drawEllipse(QPointF(129, 129), 3.6, 6.0);

    backdrop::stroke(p, backdrop::curve(QPointF(68, 129), QPointF(73, 133), QPointF(80, 132)),
                     QColor(60, 60, 60), 1.3);
    p.setPen(QPen(yellow, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(100, 104), 8.5, 8.5);
    backdrop::paintEye(p, QPointF(100, 104), 7.0, QColor(180, 140, 40));
}

// ---------------------------------------------------------------- fish 5

void blueTang(QPainter &p)
{
    const QPainterPath tail = forkedTail(QPointF(238, 112), QPointF(298, 76), QPointF(278, 122),
                                         QPointF(298, 168), QPointF(238, 132), 10, -10);
    paintFin(p, tail, QColor(30, 70, 190, 235), QColor(10, 30, 90, 150), QPointF(238, 122), 4);
    p.save();
    p.setClipPath(tail, Qt::IntersectClip);
    backdrop::stroke(p, tail, QColor(110, 180, 255), 3.0);
    p.restore();

    const QPainterPath dorsal = smooth({{96, 78},
                                        {116, 56},
                                        {150, 44},
                                        {190, 48},
                                        {222, 66},
                                        {244, 98},
                                        {246, 112},
                                        {226, 96},
                                        {190, 70},
                                        {150, 62},
                                        {116, 72}});
    const QPainterPath anal = smooth({{118, 176},
                                      {150, 194},
                                      {192, 192},
                                      {226, 170},
                                      {246, 136},
                                      {240, 130},
                                      {222, 150},
                                      {190, 172},
                                      {150, 178}});
    for (const QPainterPath &fin : {dorsal, anal}) {
        paintFin(p, fin, QColor(30, 70, 190, 235), QColor(15, 30, 90, 150), QPointF(170, 122));
        p.save();
        p.setClipPath(fin, Qt::IntersectClip);
        backdrop::stroke(p, fin, QColor(15, 20, 60), 3.0);
        p.restore();
    }

    const QPainterPath body = smooth({{63, 125},
                                      {64, 110},
                                      {73, 92},
                                      {94, 75},
                                      {126, 63},
                                      {168, 62},
                                      {204, 74},
                                      {228, 96},
                                      {244, 114},
                                      {246, 124},
                                      {240, 132},
                                      {222, 150},
                                      {196, 170},
                                      {160, 180},
                                      {124, 176},
                                      {94, 160},
                                      {74, 140}});
    fillBody(p, body, QColor(36, 72, 190), QColor(70, 130, 225), QColor(120, 170, 240));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    for (int row = 0; row < 20; ++row) {
        const double y0 = 66 + row * 6.0;
        QPainterPath line;
        for (double x = 60; x <= 250; x += 4) {
            const double y =
                y0 + 1.8 * std::sin(x * 0.09 + row * 1.3) + (x - 150) * 0.04 * (row - 9) / 9;
            if (x == 60)
                line.moveTo(x, y);
            else
                line.lineTo(x, y);
        }
        backdrop::stroke(p, line, QColor(15, 35, 110, 75), 0.7);
    }
    p.restore();
    shadeBody(p, body, 0.8);

    // The scalpel at the tail base shows as a pale spot.
    p.setPen(QPen(QColor(20, 30, 70), 1.0));
    p.setBrush(QColor(250, 225, 90));
    p.drawEllipse(QPointF(236, 121), 7, 3.8);

    backdrop::stroke(p, backdrop::curve(QPointF(110, 78), QPointF(122, 110), QPointF(112, 150)),
                     QColor(20, 40, 120, 180), 1.4);
    const QPainterPath pectoral =
        smooth({{114, 120}, {140, 110}, {160, 116}, {146, 130}, {118, 130}});
    paintFin(p, pectoral, QColor(60, 110, 220, 200), QColor(20, 40, 120, 160), QPointF(114, 124),
             3);
    paintFin(p, bowed({{{108, 160}, 2}, {{114, 184}, 0}, {{124, 162}, 0}}),
             QColor(40, 80, 200, 220), QColor(20, 40, 120, 160), QPointF(114, 162), 3);
    backdrop::stroke(p, backdrop::curve(QPointF(63, 126), QPointF(66, 129), QPointF(71, 129)),
                     QColor(20, 30, 70), 1.4);
    backdrop::paintEye(p, QPointF(98, 102), 7.0, QColor(40, 70, 160));
}

// ---------------------------------------------------------------- fish 6

void porkfish(QPainter &p)
{
    const QColor yellow(252, 208, 30);
    const QPainterPath tail = forkedTail(QPointF(244, 106), QPointF(304, 70), QPointF(280, 116),
                                         QPointF(304, 162), QPointF(244, 126), 6, -6);
    paintFin(p, tail, backdrop::withAlpha(yellow, 235), QColor(170, 120, 20, 140),
             QPointF(244, 116), 4);
    const QPainterPath dorsal = smooth({{112, 68},
                                        {124, 46},
                                        {140, 40},
                                        {162, 46},
                                        {180, 52},
                                        {192, 56},
                                        {204, 52},
                                        {226, 66},
                                        {240, 96},
                                        {220, 86},
                                        {170, 66},
                                        {130, 70}});
    const QPainterPath anal = bowed({{{184, 164}, 4}, {{200, 192}, 4}, {{236, 128}, 0}});
    paintFin(p, dorsal, backdrop::withAlpha(yellow, 225), QColor(170, 120, 20, 140),
             QPointF(170, 130));
    paintFin(p, anal, backdrop::withAlpha(yellow, 225), QColor(170, 120, 20, 140),
             QPointF(200, 130));

    const QPainterPath body = smooth({{56, 140},
                                      {60, 120},
                                      {72, 96},
                                      {92, 76},
                                      {118, 63},
                                      {152, 59},
                                      {190, 66},
                                      {224, 84},
                                      {246, 106},
                                      {248, 116},
                                      {246, 126},
                                      {224, 140},
                                      {190, 160},
                                      {150, 176},
                                      {112, 180},
                                      {84, 172},
                                      {64, 156}});
    fillBody(p, body, QColor(140, 165, 185), QColor(200, 215, 228), QColor(240, 242, 245));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    paintScales(p, body, 6.0, QColor(255, 255, 255, 50), 0.6);
    // Lengthwise yellow stripes behind the rear bar, rising slightly towards
    // the back so they follow the body.
    for (int i = 0; i < 9; ++i) {
        const double y = 68 + i * 12.0;
        const double slope = -0.16 + i * 0.03;
        backdrop::stroke(p,
                         backdrop::curve(QPointF(110, y + 6), QPointF(190, y + 6 + 80 * slope),
                                         QPointF(262, y + 6 + 152 * slope * 0.8)),
                         yellow, 4.2);
    }
    // In front of the rear bar the stripes stop; the head is plain silver.
    QLinearGradient silver(QPointF(0, 59), QPointF(0, 180));
    silver.setColorAt(0.0, QColor(150, 172, 190));
    silver.setColorAt(0.5, QColor(212, 224, 234));
    silver.setColorAt(1.0, QColor(242, 244, 246));
    p.fillPath(bowed({{{30, 40}, 0},
                      {{146, 40}, 0},
                      {{146, 60}, -4},
                      {{126, 150}, 0},
                      {{120, 200}, 0},
                      {{30, 200}, 0}}),
               silver);
    // The snout in front of the eye bar is yellow-bronze.
    QRadialGradient snout(QPointF(62, 136), 28);
    snout.setColorAt(0.0, QColor(240, 196, 70, 230));
    snout.setColorAt(1.0, QColor(240, 196, 70, 0));
    p.fillRect(frame, snout);
    const QPainterPath eyeBar =
        bowed({{{100, 62}, 3}, {{115, 66}, 0}, {{79, 156}, 0}, {{63, 150}, 0}});
    const QPainterPath napeBar =
        bowed({{{131, 56}, 2}, {{150, 58}, -5}, {{135, 150}, 2}, {{116, 146}, 5}});
    p.fillPath(eyeBar, QColor(18, 18, 22));
    p.fillPath(napeBar, QColor(18, 18, 22));
    p.restore();
    shadeBody(p, body, 0.8);

    const QPainterPath pectoral =
        smooth({{130, 132}, {150, 128}, {168, 140}, {150, 144}, {132, 140}});
    paintFin(p, pectoral, backdrop::withAlpha(yellow, 200), QColor(170, 120, 20, 140),
             QPointF(130, 136), 3);
    paintFin(p, bowed({{{112, 174}, 3}, {{120, 200}, -1}, {{134, 176}, 0}}),
             backdrop::withAlpha(yellow, 230), QColor(170, 120, 20, 140), QPointF(118, 176), 3);
    backdrop::stroke(p, backdrop::curve(QPointF(55, 141), QPointF(62, 146), QPointF(70, 144)),
                     QColor(60, 40, 30), 1.6);
    backdrop::paintEye(p, QPointF(90, 104), 7.5, QColor(210, 190, 120));
}


// ---------------------------------------------------------------- fish 10

void spotfinButterfly(QPainter &p)
{
    const QColor yellow(250, 205, 40);
    const QPainterPath tail = smooth(
        {{232, 110}, {258, 100}, {272, 104}, {276, 124}, {272, 144}, {258, 148}, {232, 138}});
    paintFin(p, tail, backdrop::withAlpha(yellow, 220), QColor(170, 130, 20, 130),
             QPointF(232, 124), 3.5);
    p.save();
    p.setClipPath(tail, Qt::IntersectClip);
    backdrop::stroke(p, backdrop::curve(QPointF(262, 96), QPointF(276, 124), QPointF(262, 152)),
                     QColor(230, 240, 240, 200), 5);
    p.restore();

    const QPainterPath dorsal = smooth({{118, 76},
                                        {136, 58},
                                        {166, 48},
                                        {198, 48},
                                        {226, 60},
                                        {244, 82},
                                        {250, 104},
                                        {240, 116},
                                        {224, 100},
                                        {190, 70},
                                        {150, 66}});
    const QPainterPath anal = smooth({{140, 182},
                                      {168, 198},
                                      {202, 200},
                                      {230, 186},
                                      {248, 160},
                                      {240, 134},
                                      {224, 152},
                                      {190, 176},
                                      {160, 184}});
    for (const QPainterPath &fin : {dorsal, anal}) {
        paintFin(p, fin, backdrop::withAlpha(yellow, 230), QColor(170, 130, 20, 130),
                 QPointF(172, 124));
        p.save();
        p.setClipPath(fin, Qt::IntersectClip);
        backdrop::stroke(p, fin, QColor(240, 245, 240, 200), 3.0);
        p.restore();
    }

    const QPainterPath body =
        smooth({{70, 129},  {77, 125},  {86, 120},  {93, 111},  {99, 96},   {110, 82},  {130, 68},
                {158, 61},  {190, 62},  {218, 78},  {234, 102}, {237, 124}, {233, 144}, {218, 164},
                {192, 180}, {160, 186}, {132, 183}, {112, 172}, {98, 158},  {88, 144},  {76, 135}});
    fillBody(p, body, QColor(235, 232, 215), QColor(246, 246, 242), QColor(240, 240, 236));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    // Scale rows run in a shallow chevron: rising on the back, falling below.
    for (int i = -12; i < 20; ++i) {
        const double x = 80 + i * 10.0;
        backdrop::stroke(
            p, backdrop::curve(QPointF(x, 190), QPointF(x + 40, 124), QPointF(x + 92, 50)),
            QColor(150, 150, 140, 70), 0.8);
    }
    // The yellow of the fins bleeds onto the body along their bases.
    for (const QPointF c : {QPointF(200, 58), QPointF(200, 190)}) {
        QRadialGradient wash(c, 60);
        wash.setColorAt(0.0, QColor(245, 200, 60, 170));
        wash.setColorAt(1.0, QColor(245, 200, 60, 0));
        p.fillRect(frame, wash);
    }
    const QPainterPath eyeBar = bowed({{{118, 70}, 2},
                                       {{132, 66}, 0},
                                       {{118, 130}, 0},
                                       {{114, 182}, 1},
                                       {{100, 176}, 0},
                                       {{104, 120}, 0}});
    p.fillPath(eyeBar, QColor(20, 20, 24));
    p.restore();
    shadeBody(p, body, 0.7);

    // The spot sits on the base of the soft dorsal fin, half on the body.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 18));
    p.drawEllipse(QPointF(220, 84), 5.5, 5.0);

    backdrop::stroke(p, backdrop::curve(QPointF(136, 80), QPointF(144, 120), QPointF(134, 162)),
                     QColor(150, 150, 130, 150), 1.1);
    const QPainterPath pectoral =
        smooth({{140, 128}, {162, 122}, {178, 132}, {162, 142}, {142, 138}});
    paintFin(p, pectoral, QColor(240, 235, 200, 150), QColor(170, 160, 120, 130), QPointF(140, 132),
             3);
    paintFin(p, bowed({{{118, 174}, 3}, {{124, 206}, -1}, {{136, 178}, 0}}),
             backdrop::withAlpha(yellow, 235), QColor(170, 130, 20, 140), QPointF(124, 176), 3);
    backdrop::stroke(p, backdrop::curve(QPointF(70, 130), QPointF(73, 133), QPointF(78, 133)),
                     QColor(60, 60, 60), 1.2);
    backdrop::paintEye(p, QPointF(112, 110), 6.0, QColor(60, 50, 40));
}

// ---------------------------------------------------------------- fish 11

QPainterPath chromisBody()
{
    return smooth({{64, 124},
                   {74, 110},
                   {96, 94},
                   {130, 84},
                   {170, 86},
                   {204, 98},
                   {226, 110},
                   {232, 119},
                   {226, 127},
                   {204, 138},
                   {168, 152},
                   {128, 156},
                   {96, 150},
                   {74, 138}});
}

QPainterPath chromisTail()
{
    return forkedTail(QPointF(222, 110), QPointF(302, 66), QPointF(258, 120), QPointF(302, 176),
                      QPointF(222, 128), 6, -6);
}

void blueChromis(QPainter &p)
{
    // Others of the shoal hang above the reef further off.
    for (const auto &[dx, dy, s] : {std::tuple{20.0, 20.0, 0.26}, std::tuple{230.0, 10.0, 0.22},
                                    std::tuple{250.0, 170.0, 0.2}, std::tuple{0.0, 160.0, 0.22}}) {
        p.save();
        p.translate(dx, dy);
        p.scale(s, s);
        p.fillPath(chromisBody(), QColor(40, 110, 210, 120));
        p.fillPath(chromisTail(), QColor(40, 110, 210, 120));
        p.restore();
    }

    const QColor blue(30, 120, 245);
    const QColor black(16, 20, 30);
    const QPainterPath tail = chromisTail();
    paintFin(p, tail, backdrop::withAlpha(blue, 230), QColor(10, 50, 120, 140), QPointF(222, 119),
             4);
    p.save();
    p.setClipPath(tail, Qt::IntersectClip);
    // Black runs out along the outer edge of each tail lobe.
    backdrop::stroke(p, backdrop::curve(QPointF(222, 108), QPointF(262, 80), QPointF(304, 64)),
                     black, 8);
    backdrop::stroke(p, backdrop::curve(QPointF(222, 130), QPointF(262, 158), QPointF(304, 178)),
                     black, 8);
    p.restore();

    const QPainterPath dorsal = smooth({{98, 94},
                                        {112, 78},
                                        {136, 72},
                                        {168, 74},
                                        {198, 82},
                                        {218, 96},
                                        {228, 110},
                                        {206, 100},
                                        {170, 88},
                                        {130, 86}});
    paintFin(p, dorsal, backdrop::withAlpha(black, 230), QColor(60, 90, 150, 150),
             QPointF(170, 130));
    p.save();
    p.setClipPath(dorsal, Qt::IntersectClip);
    backdrop::stroke(p, dorsal, QColor(40, 140, 255, 200), 2.0);
    p.restore();
    const QPainterPath anal = bowed({{{150, 150}, 4}, {{176, 174}, 2}, {{226, 126}, 0}});
    paintFin(p, anal, backdrop::withAlpha(blue, 210), QColor(10, 50, 120, 140), QPointF(190, 120));

    const QPainterPath body = chromisBody();
    fillBody(p, body, QColor(20, 100, 230), QColor(40, 140, 255), QColor(110, 190, 255));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    paintScales(p, body, 6.0, QColor(150, 220, 255, 60), 0.7);
    const QPainterPath band = smooth({{60, 118},
                                      {80, 100},
                                      {110, 86},
                                      {160, 78},
                                      {210, 92},
                                      {236, 108},
                                      {226, 112},
                                      {200, 104},
                                      {160, 96},
                                      {118, 99},
                                      {88, 108},
                                      {70, 120}});
    p.fillPath(band, black);
    p.restore();
    shadeBody(p, body, 0.8);

    const QPainterPath pectoral =
        smooth({{118, 122}, {140, 116}, {156, 124}, {140, 134}, {120, 130}});
    paintFin(p, pectoral, QColor(120, 190, 255, 150), QColor(20, 70, 150, 140), QPointF(118, 126),
             3);
    paintFin(p, bowed({{{116, 150}, 2}, {{122, 176}, 0}, {{132, 152}, 0}}),
             backdrop::withAlpha(blue, 220), QColor(10, 50, 120, 140), QPointF(122, 152), 3);
    backdrop::stroke(p, backdrop::curve(QPointF(110, 98), QPointF(118, 124), QPointF(110, 146)),
                     QColor(10, 50, 140, 170), 1.2);
    backdrop::stroke(p, backdrop::curve(QPointF(63, 125), QPointF(67, 129), QPointF(73, 128)),
                     QColor(10, 30, 70), 1.3);
    backdrop::paintEye(p, QPointF(92, 114), 6.5, QColor(60, 100, 160));
}

} // namespace



void paintFish4(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.35);
    backdrop::paintReefRock(p, frame, 205);
    backdrop::paintSeaFan(p, QPointF(36, 230), 110, QColor(170, 70, 150));
    backdrop::paintCoralHead(p, QPointF(262, 236), 50, QColor(170, 130, 90));
    frenchAngelfish(p);
}

void paintFish5(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.3);
    backdrop::paintSand(p, frame, 214);
    backdrop::paintCoralHead(p, QPointF(60, 244), 60, QColor(190, 160, 100));
    backdrop::paintSeaFan(p, QPointF(290, 236), 80, QColor(200, 110, 60));
    blueTang(p);
}

void paintFish6(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.35);
    backdrop::paintReefRock(p, frame, 200);
    backdrop::paintSeaFan(p, QPointF(292, 230), 90, QColor(150, 80, 160));
    porkfish(p);
}


void paintFish10(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.3);
    backdrop::paintSand(p, frame, 212);
    backdrop::paintCoralHead(p, QPointF(272, 242), 62, QColor(180, 140, 100));
    backdrop::paintSeaFan(p, QPointF(30, 236), 96, QColor(180, 80, 140));
    spotfinButterfly(p);
}

void paintFish11(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.3);
    backdrop::paintSand(p, frame, 206);
    backdrop::paintCoralHead(p, QPointF(70, 242), 70, QColor(170, 150, 100));
    backdrop::paintCoralHead(p, QPointF(250, 246), 52, QColor(140, 120, 150));
    blueChromis(p);
}

} // namespace legacy
