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

// ---------------------------------------------------------------- fish 2

QPainterPath jackBody()
{
    return smooth({{38, 124},  {42, 108},  {52, 90},   {68, 74},   {92, 63},
                   {124, 58},  {158, 62},  {190, 74},  {220, 92},  {244, 110},
                   {258, 118}, {258, 127}, {242, 133}, {214, 146}, {184, 160},
                   {150, 172}, {116, 176}, {86, 170},  {62, 156},  {46, 140}});
}

void crevalleJack(QPainter &p)
{
    // A few more jacks further off, as they are seldom alone.
    for (const auto &[dx, dy, s] : {std::tuple{200.0, 18.0, 0.28}, std::tuple{250.0, 40.0, 0.22},
                                    std::tuple{20.0, 190.0, 0.25}}) {
        p.save();
        p.translate(dx, dy);
        p.scale(s, s);
        p.fillPath(jackBody(), QColor(40, 80, 110, 70));
        p.fillPath(forkedTail(QPointF(250, 114), QPointF(312, 58), QPointF(282, 123),
                              QPointF(312, 190), QPointF(250, 132), 8, -6),
                   QColor(40, 80, 110, 70));
        p.restore();
    }

    const QPainterPath tail = forkedTail(QPointF(250, 114), QPointF(314, 56), QPointF(280, 123),
                                         QPointF(314, 192), QPointF(250, 132), 8, -7);
    paintFin(p, tail, QColor(215, 190, 90, 225), QColor(130, 110, 50, 130), QPointF(250, 123), 4);

    const QPainterPath spiny = bowed({{{124, 64}, 2}, {{134, 46}, 3}, {{152, 62}, 0}});
    const QPainterPath dorsal = bowed({{{160, 64}, 4}, {{172, 36}, -6}, {{238, 104}, 0}});
    const QPainterPath anal = bowed({{{238, 138}, -6}, {{182, 194}, 4}, {{166, 170}, 0}});
    paintFin(p, spiny, QColor(80, 95, 80, 190), QColor(40, 50, 40, 150), QPointF(138, 90));
    paintFin(p, dorsal, QColor(90, 105, 80, 200), QColor(40, 50, 40, 150), QPointF(200, 120));
    paintFin(p, anal, QColor(220, 190, 90, 210), QColor(130, 110, 50, 150), QPointF(200, 120));

    const QPainterPath body = jackBody();
    fillBody(p, body, QColor(78, 100, 66), QColor(200, 206, 200), QColor(232, 214, 140), 0.45);
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    QRadialGradient bronze(QPointF(150, 95), 90);
    bronze.setColorAt(0.0, QColor(200, 170, 90, 90));
    bronze.setColorAt(1.0, QColor(200, 170, 90, 0));
    p.fillRect(frame, bronze);
    paintScales(p, body, 6.0, QColor(255, 255, 255, 30), 0.6);
    p.restore();
    shadeBody(p, body);

    // The keel of scutes before the tail is what marks a jack.
    backdrop::stroke(
        p,
        [] {
            QPainterPath l(QPointF(98, 86));
            l.cubicTo(QPointF(140, 78), QPointF(180, 96), QPointF(206, 123));
            l.lineTo(QPointF(254, 123));
            return l;
        }(),
        QColor(70, 80, 70, 170), 1.0);
    for (int i = 0; i < 12; ++i) {
        const double x = 206 + i * 4.2;
        const double half = 2.2 + 1.2 * std::sin(pi * i / 11.0);
        p.setPen(QPen(QColor(70, 75, 60, 190), 0.6));
        p.setBrush(QColor(190, 190, 170, 200));
        p.drawPolygon(QPolygonF({QPointF(x, 122.5 - half), QPointF(x + 5, 122.5),
                                 QPointF(x, 122.5 + half), QPointF(x + 1.2, 122.5)}));
    }

    backdrop::stroke(p, backdrop::curve(QPointF(92, 68), QPointF(106, 112), QPointF(90, 156)),
                     QColor(50, 60, 50, 170), 1.4);
    // The gill-cover spot sits on the upper rear edge of the cover.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 15));
    p.drawEllipse(QPointF(96, 84), 5.0, 4.2);

    // Gape and the upper jawbone reaching back below the eye.
    backdrop::stroke(p, backdrop::curve(QPointF(39, 125), QPointF(50, 128), QPointF(62, 124)),
                     QColor(50, 50, 45), 1.5);
    backdrop::stroke(p, backdrop::curve(QPointF(44, 119), QPointF(58, 113), QPointF(64, 123)),
                     QColor(80, 80, 70, 170), 0.9);

    const QPainterPath pectoral = bowed(
        {{{102, 122}, 8}, {{134, 128}, 4}, {{196, 152}, -2}, {{130, 140}, -2}, {{102, 138}, 0}});
    paintFin(p, pectoral, QColor(225, 200, 110, 190), QColor(130, 110, 50, 140), QPointF(104, 131));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 15));
    p.drawEllipse(QPointF(106, 131), 4.2, 5.0);
    paintFin(p, bowed({{{112, 172}, 2}, {{126, 194}, 0}, {{128, 173}, 0}}),
             QColor(230, 210, 150, 200), QColor(130, 110, 50, 140), QPointF(118, 180));

    backdrop::paintEye(p, QPointF(66, 98), 9.0, QColor(210, 180, 80));
}

// ---------------------------------------------------------------- fish 3

// Top of the coral head the goby lies on.
double coralSurface(double x)
{
    const double u = (x - 160.0) / 190.0;
    return 320.0 - 156.0 * std::sqrt(std::max(0.0, 1.0 - u * u));
}

void neonGoby(QPainter &p)
{
    // Close in on the goby: it is tiny, and the picture is about it.
    p.translate(160, 132);
    p.scale(1.14, 1.14);
    p.translate(-164, -150);
    backdrop::paintSeaFan(p, QPointF(282, 190), 120, QColor(150, 70, 160));
    backdrop::paintSeaFan(p, QPointF(30, 200), 90, QColor(200, 110, 60));
    backdrop::paintCoralHead(p, QPointF(160, 322), 190, QColor(150, 134, 92));

    // Sample the body along its length, lying on the curve of the coral.
    constexpr int samples = 24;
    const double snout = 40.0;
    const double root = 256.0;
    std::vector<QPointF> top;
    std::vector<QPointF> bottom;
    std::vector<QPointF> centre;
    std::vector<double> half;
    for (int i = 0; i <= samples; ++i) {
        const double t = double(i) / samples;
        const double x = snout + (root - snout) * t;
        const double nose = std::max(0.0, 1.0 - t / 0.12);
        const double hh = 17.0 * std::sqrt(1.0 - nose * nose) * (1.0 - 0.5 * t);
        // Gobies perch with the head a little raised, so the body curves less than the coral.
        const double cy = 0.65 * coralSurface(x) + 0.35 * coralSurface(160) - 1.5 - hh;
        centre.emplace_back(x, cy);
        half.push_back(hh);
    }
    for (int i = 0; i <= samples; ++i)
        top.emplace_back(centre[i].x(), centre[i].y() - half[i]);
    for (int i = samples; i >= 0; --i)
        bottom.emplace_back(centre[i].x(), centre[i].y() + half[i]);

    auto band = [&](double from, double to, int firstSample) {
        std::vector<QPointF> pts;
        for (int i = firstSample; i <= samples; ++i)
            pts.emplace_back(centre[i].x(), centre[i].y() + half[i] * from);
        pts.emplace_back(centre[samples].x() + 30, centre[samples].y() + half[samples] * from);
        pts.emplace_back(centre[samples].x() + 30, centre[samples].y() + half[samples] * to);
        for (int i = samples; i >= firstSample; --i)
            pts.emplace_back(centre[i].x(), centre[i].y() + half[i] * to);
        return smooth(pts);
    };

    const QPointF tailRoot = centre[samples];
    const double rootHalf = half[samples];
    const QPainterPath tail = smooth({{tailRoot.x() - 4, tailRoot.y() - rootHalf},
                                      {tailRoot.x() + 18, tailRoot.y() - 15},
                                      {tailRoot.x() + 34, tailRoot.y() - 6},
                                      {tailRoot.x() + 36, tailRoot.y() + 4},
                                      {tailRoot.x() + 20, tailRoot.y() + 12},
                                      {tailRoot.x() - 4, tailRoot.y() + rootHalf}});
    paintFin(p, tail, QColor(25, 30, 40, 220), QColor(80, 110, 140, 140), tailRoot, 3);

    auto finOnBack = [&](int from, int to, double height) {
        std::vector<QPointF> pts;
        for (int i = from; i <= to; ++i) {
            const double t = double(i - from) / (to - from);
            const double rise = height * std::sin(pi * std::pow(t, 0.7)) + (t > 0.8 ? 0 : 2);
            pts.emplace_back(top[i].x(), top[i].y() - rise);
        }
        for (int i = to; i >= from; --i)
            pts.emplace_back(top[i].x(), top[i].y() + 3);
        return smooth(pts);
    };
    paintFin(p, finOnBack(6, 10, 9), QColor(30, 35, 45, 200), QColor(90, 110, 130, 130),
             QPointF(top[9].x(), top[9].y() + 30), 3);
    paintFin(p, finOnBack(12, 22, 8), QColor(30, 35, 45, 200), QColor(90, 110, 130, 130),
             QPointF(top[17].x(), top[17].y() + 40), 3);

    std::vector<QPointF> outline = top;
    outline.insert(outline.end(), bottom.begin(), bottom.end());
    const QPainterPath body = smooth(outline);
    p.fillPath(body, QColor(16, 18, 24));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    QLinearGradient belly(QPointF(0, 130), QPointF(0, 170));
    belly.setColorAt(0.0, QColor(120, 130, 140));
    belly.setColorAt(1.0, QColor(200, 205, 208));
    p.fillPath(band(0.5, 1.2, 1), belly);
    const QPainterPath stripe = band(-0.64, -0.18, 1);
    // The glow makes the stripe read as the luminous blue it is underwater.
    p.fillPath(band(-0.8, -0.02, 1), QColor(40, 170, 255, 90));
    QLinearGradient neon(QPointF(0, 120), QPointF(0, 160));
    neon.setColorAt(0.0, QColor(120, 230, 255));
    neon.setColorAt(1.0, QColor(20, 150, 255));
    p.fillPath(stripe, neon);
    p.restore();
    shadeBody(p, body, 0.6);

    const QPointF eye(centre[2].x() + 1, centre[2].y() - half[2] * 0.3);
    const QPainterPath pectoral = smooth({{eye.x() + 20, eye.y() + 6},
                                          {eye.x() + 34, eye.y() + 4},
                                          {eye.x() + 42, eye.y() + 12},
                                          {eye.x() + 34, eye.y() + 18},
                                          {eye.x() + 20, eye.y() + 14}});
    paintFin(p, pectoral, QColor(200, 215, 225, 120), QColor(120, 140, 160, 120),
             QPointF(eye.x() + 20, eye.y() + 10), 3);
    backdrop::stroke(p,
                     backdrop::curve(QPointF(snout + 3, centre[0].y() + 3),
                                     QPointF(snout + 6, centre[0].y() + 5.5),
                                     QPointF(snout + 11, centre[0].y() + 5)),
                     QColor(120, 130, 140), 1.0);
    backdrop::paintEye(p, eye, 7.5, QColor(70, 110, 140));
}




// ---------------------------------------------------------------- fish 7

void needlefishBody(QPainter &p)
{
    const QPainterPath tail = forkedTail(QPointF(268, 115), QPointF(300, 102), QPointF(290, 121),
                                         QPointF(310, 140), QPointF(268, 125), 3, -2);
    paintFin(p, tail, QColor(90, 150, 160, 210), QColor(40, 80, 90, 140), QPointF(268, 120), 3);
    const QPainterPath dorsal = bowed({{{224, 113}, 4}, {{236, 100}, 2}, {{262, 114}, 0}});
    const QPainterPath anal = bowed({{{214, 126}, 0}, {{256, 125}, 2}, {{228, 140}, 4}});
    paintFin(p, dorsal, QColor(70, 140, 150, 210), QColor(30, 70, 80, 140), QPointF(240, 130), 3);
    paintFin(p, anal, QColor(170, 200, 205, 200), QColor(60, 90, 100, 140), QPointF(236, 112), 3);

    const QPainterPath jaws =
        bowed({{{10, 120}, 0}, {{84, 114}, 0}, {{86, 126}, 0}, {{6, 122}, 0}});
    fillBody(p, jaws, QColor(40, 100, 110), QColor(120, 160, 165), QColor(200, 215, 215));
    backdrop::stroke(p, jaws, QColor(20, 50, 60, 180), 0.6);
    backdrop::stroke(p, backdrop::curve(QPointF(9, 121), QPointF(50, 119.5), QPointF(88, 121)),
                     QColor(20, 30, 35), 0.9);
    p.setPen(QPen(QColor(240, 240, 235), 0.6));
    for (double x = 16; x < 80; x += 4.5) {
        const double y = 121 - (x - 9) * 0.02;
        p.drawLine(QPointF(x, y - 1.3), QPointF(x + 0.8, y + 1.3));
    }

    const QPainterPath body = smooth({{80, 114},
                                      {100, 109},
                                      {140, 107},
                                      {200, 108},
                                      {250, 112},
                                      {272, 116},
                                      {272, 124},
                                      {250, 127},
                                      {200, 130},
                                      {140, 131},
                                      {100, 129},
                                      {80, 126}});
    fillBody(p, body, QColor(20, 95, 95), QColor(190, 212, 215), QColor(245, 248, 248), 0.5);
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    backdrop::stroke(p, backdrop::curve(QPointF(90, 118), QPointF(180, 117), QPointF(272, 120)),
                     QColor(60, 110, 170, 160), 2.2);
    backdrop::stroke(p, backdrop::curve(QPointF(90, 122), QPointF(180, 122), QPointF(272, 122)),
                     QColor(255, 255, 255, 170), 1.2);
    p.restore();
    shadeBody(p, body, 0.8);
    paintFin(p, bowed({{{104, 121}, 2}, {{124, 124}, 0}, {{106, 126}, 0}}),
             QColor(160, 200, 205, 180), QColor(60, 90, 100, 140), QPointF(104, 123), 2);
    backdrop::paintEye(p, QPointF(92, 117), 5.0, QColor(190, 200, 170));
}

void needlefish(QPainter &p)
{
    // Needlefish cruise just below the surface, so its bright underside is in view.
    QLinearGradient surface(QPointF(0, 0), QPointF(0, 34));
    surface.setColorAt(0.0, QColor(230, 255, 255, 230));
    surface.setColorAt(0.4, QColor(170, 235, 245, 120));
    surface.setColorAt(1.0, QColor(170, 235, 245, 0));
    p.fillRect(QRectF(0, 0, 320, 34), surface);
    for (int i = 0; i < 5; ++i) {
        QPainterPath wave;
        const double y0 = 4 + i * 5.0;
        for (double x = 0; x <= 324; x += 4) {
            const double y = y0 + 1.8 * std::sin(x * 0.08 + i * 2.1) + std::sin(x * 0.21 + i);
            if (x == 0)
                wave.moveTo(x, y);
            else
                wave.lineTo(x, y);
        }
        backdrop::stroke(p, wave, QColor(255, 255, 255, 150 - i * 25), 1.3);
    }

    p.save();
    p.setOpacity(0.45);
    p.translate(130, 110);
    p.scale(0.55, 0.55);
    p.rotate(2);
    needlefishBody(p);
    p.restore();

    p.save();
    p.translate(160, 74);
    p.rotate(-4);
    p.scale(1.02, 1.1);
    p.translate(-160, -120);
    needlefishBody(p);
    p.restore();
}

// ---------------------------------------------------------------- fish 8

void greatBarracuda(QPainter &p)
{
    const QPainterPath tail = smooth({{258, 116},
                                      {280, 100},
                                      {304, 78},
                                      {310, 82},
                                      {296, 112},
                                      {288, 122},
                                      {296, 134},
                                      {310, 164},
                                      {304, 168},
                                      {280, 144},
                                      {258, 130}});
    paintFin(p, tail, QColor(50, 60, 70, 235), QColor(20, 25, 30, 150), QPointF(258, 123), 4);
    p.save();
    p.setClipPath(tail, Qt::IntersectClip);
    for (const QPointF tip : {QPointF(308, 80), QPointF(308, 166)}) {
        QRadialGradient pale(tip, 14);
        pale.setColorAt(0.0, QColor(235, 240, 240));
        pale.setColorAt(0.6, QColor(235, 240, 240, 200));
        pale.setColorAt(1.0, QColor(235, 240, 240, 0));
        p.fillRect(frame, pale);
    }
    p.restore();

    const QPainterPath dorsal1 = bowed({{{118, 101}, 2}, {{132, 76}, 4}, {{154, 99}, 0}});
    const QPainterPath dorsal2 = bowed({{{206, 104}, 2}, {{214, 88}, 2}, {{232, 108}, 0}});
    const QPainterPath anal = bowed({{{210, 140}, 0}, {{236, 136}, 3}, {{218, 156}, 2}});
    for (const QPainterPath &fin : {dorsal1, dorsal2})
        paintFin(p, fin, QColor(70, 85, 95, 220), QColor(30, 40, 45, 150), QPointF(180, 140), 3.5);
    paintFin(p, anal, QColor(170, 180, 185, 220), QColor(60, 70, 75, 150), QPointF(220, 110), 3.5);

    const QPainterPath body = smooth({{24, 123},
                                      {40, 113},
                                      {64, 105},
                                      {100, 99},
                                      {150, 97},
                                      {200, 101},
                                      {240, 109},
                                      {260, 116},
                                      {262, 123},
                                      {260, 130},
                                      {240, 135},
                                      {200, 142},
                                      {150, 146},
                                      {100, 146},
                                      {62, 143},
                                      {34, 138},
                                      {10, 133},
                                      {9, 129},
                                      {16, 129}});
    fillBody(p, body, QColor(72, 88, 100), QColor(196, 206, 212), QColor(242, 244, 245), 0.45);
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    paintScales(p, body, 5.0, QColor(255, 255, 255, 35), 0.5);
    for (int i = 0; i < 18; ++i) {
        const double x = 74 + i * 10.0;
        const QPainterPath bar =
            bowed({{{x, 96}, 0}, {{x + 6, 96}, 0}, {{x - 2, 121}, 0}, {{x - 7, 121}, 0}});
        p.fillPath(bar, QColor(40, 50, 60, 110));
    }
    Scatter blotches(8);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double x = blotches.next(150, 252);
        const double y = blotches.next(126, 140);
        p.setBrush(QColor(15, 15, 20, 220));
        p.drawEllipse(QPointF(x, y), blotches.next(1.6, 3.2), blotches.next(1.4, 2.4));
    }
    p.restore();
    shadeBody(p, body);

    // The gape, with fangs in both jaws; the lower jaw juts past the upper.
    const QPainterPath gape = bowed({{{12, 130}, -1}, {{62, 126}, 0}, {{56, 131}, 0}});
    p.fillPath(gape, QColor(40, 20, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(248, 248, 240));
    for (int i = 0; i < 6; ++i) {
        const double x = 22 + i * 6.5;
        const double y = 130 - (x - 16) * 0.1;
        const double fang = (i == 1 || i == 3) ? 5.5 : 3.2;
        p.drawPolygon(QPolygonF({QPointF(x - 1.2, y - 1.5), QPointF(x + 1.2, y - 1.5),
                                 QPointF(x + 0.2, y + fang - 1.5)}));
        p.drawPolygon(QPolygonF({QPointF(x + 2, y + 2.2), QPointF(x + 4.2, y + 2.2),
                                 QPointF(x + 3.2, y - fang + 2.6)}));
    }
    backdrop::stroke(p, backdrop::curve(QPointF(84, 104), QPointF(94, 124), QPointF(82, 142)),
                     QColor(50, 60, 70, 160), 1.2);
    paintFin(p, bowed({{{90, 127}, 3}, {{116, 132}, 0}, {{92, 133}, 0}}),
             QColor(160, 170, 175, 200), QColor(60, 70, 75, 150), QPointF(90, 130), 2.5);
    paintFin(p, bowed({{{132, 145}, 2}, {{140, 160}, 0}, {{148, 145}, 0}}),
             QColor(170, 180, 185, 210), QColor(60, 70, 75, 150), QPointF(138, 146), 2.5);
    backdrop::paintEye(p, QPointF(56, 116), 6.5, QColor(200, 190, 140));
}

// ---------------------------------------------------------------- fish 9

// One silverside, snout at the origin heading left, 100 units long.
void silverside(QPainter &p)
{
    const QPainterPath tail = forkedTail(QPointF(84, -3), QPointF(104, -12), QPointF(95, 0),
                                         QPointF(104, 12), QPointF(84, 3), 1.5, -1.5);
    paintFin(p, tail, QColor(170, 200, 190, 130), QColor(90, 120, 110, 120), QPointF(84, 0), 2);
    paintFin(p, bowed({{{44, -7}, 2}, {{48, -13}, 1}, {{54, -7}, 0}}), QColor(170, 200, 190, 120),
             QColor(90, 120, 110, 120), QPointF(50, 0), 2);
    paintFin(p, bowed({{{62, -6}, 2}, {{66, -12}, 1}, {{74, -5}, 0}}), QColor(170, 200, 190, 120),
             QColor(90, 120, 110, 120), QPointF(68, 0), 2);
    paintFin(p, bowed({{{58, 6}, 0}, {{74, 5}, 1}, {{64, 11}, 1}}), QColor(190, 210, 200, 120),
             QColor(90, 120, 110, 120), QPointF(66, 0), 2);

    const QPainterPath body = smooth({{-2, 0},
                                      {4, -4},
                                      {16, -7.5},
                                      {40, -8},
                                      {70, -5},
                                      {86, -2.5},
                                      {86, 2.5},
                                      {70, 5},
                                      {40, 7.5},
                                      {16, 6.5},
                                      {4, 3}});
    fillBody(p, body, QColor(90, 135, 115, 140), QColor(160, 195, 180, 60),
             QColor(220, 235, 230, 90));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    // Gut and spine show faintly through the clear body.
    backdrop::stroke(p, backdrop::curve(QPointF(16, 1), QPointF(50, 0), QPointF(86, 0)),
                     QColor(80, 110, 100, 100), 0.8);
    QLinearGradient silver(QPointF(0, -2), QPointF(0, 3));
    silver.setColorAt(0.0, QColor(255, 255, 255));
    silver.setColorAt(0.45, QColor(225, 235, 245));
    silver.setColorAt(1.0, QColor(120, 140, 190));
    p.fillPath(bowed({{{14, -1.5}, 0}, {{86, -1.2}, 0}, {{86, 1.6}, 0}, {{14, 2.4}, 0}}), silver);
    p.fillPath(smooth({{2, 0}, {8, -4}, {16, -3}, {18, 3}, {8, 4}}), QColor(200, 215, 215, 160));
    p.restore();
    backdrop::stroke(p, body, QColor(60, 90, 80, 120), 0.5);
    backdrop::paintEye(p, QPointF(8, -1), 2.9, QColor(140, 150, 160));
}

void silversideSchool(QPainter &p)
{
    struct Member
    {
        double x, y, scale, angle, opacity;
    };
    // Far members first, small and hazy; near ones large and clear.
    const Member school[] = {
        {200, 40, 0.45, 3, 0.45},  {248, 60, 0.42, -2, 0.45}, {150, 26, 0.4, 4, 0.4},
        {276, 150, 0.44, 2, 0.45}, {110, 70, 0.5, 1, 0.5},    {250, 196, 0.48, -3, 0.45},
        {14, 196, 0.5, 2, 0.5},    {176, 210, 0.55, 4, 0.55}, {190, 100, 0.75, 2, 0.75},
        {96, 146, 0.78, -2, 0.75}, {214, 160, 0.8, 3, 0.8},   {26, 98, 0.8, 1, 0.8},
        {120, 40, 0.85, -4, 0.85}, {64, 190, 1.1, 3, 1.0},    {150, 128, 1.25, -2, 1.0},
        {20, 130, 1.15, 1, 1.0},   {200, 64, 1.15, 4, 1.0},
    };
    for (const Member &m : school) {
        p.save();
        p.setOpacity(m.opacity);
        p.translate(m.x, m.y);
        p.rotate(m.angle);
        p.scale(m.scale, m.scale);
        silverside(p);
        p.restore();
    }
}





} // namespace

void paintFish2(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.5);
    crevalleJack(p);
}

void paintFish3(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.35);
    neonGoby(p);
}




void paintFish7(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.1);
    needlefish(p);
}

void paintFish8(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.45);
    backdrop::paintSand(p, frame, 220);
    greatBarracuda(p);
}

void paintFish9(QPainter &p, double w, double h)
{
    useLayoutGrid(p, w, h);
    backdrop::paintWater(p, frame, 0.15);
    silversideSchool(p);
}



} // namespace legacy
