#include "backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

constexpr double kW = 320.0;
constexpr double kH = 240.0;
constexpr double kPi = std::numbers::pi;

// Every plate in this file is laid out on 320 x 240 and stretched to the
// canvas it is given, so coordinates below are plate pixels.
class Plate
{
public:
    Plate(QPainter &p, double w, double h)
        : m_p(p)
    {
        m_p.save();
        m_p.scale(w / kW, h / kH);
    }
    ~Plate() { m_p.restore(); }
    Plate(const Plate &) = delete;
    Plate &operator=(const Plate &) = delete;

private:
    QPainter &m_p;
};

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// Nested clips must intersect, but intersecting with "no clip" would clip everything away.
void clipTo(QPainter &p, const QPainterPath &path)
{
    p.setClipPath(path, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &brush)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
    p.restore();
}

QLinearGradient verticalShade(const QRectF &r, const QColor &back, const QColor &side,
                              const QColor &belly)
{
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, back);
    g.setColorAt(0.5, side);
    g.setColorAt(1.0, belly);
    return g;
}

void paintBody(QPainter &p, const QPainterPath &body, const QColor &back, const QColor &side,
               const QColor &belly)
{
    fillPath(p, body, verticalShade(body.boundingRect(), back, side, belly));
}

// A soft sheen near the top and a darker rim make a flat outline read as a rounded body.
void roundOff(QPainter &p, const QPainterPath &body, int rim = 90, int sheen = 45)
{
    const QRectF r = body.boundingRect();
    QRadialGradient g(QPointF(0, 0), 1.0, QPointF(-0.15, -0.35));
    g.setColorAt(0.0, QColor(255, 255, 255, sheen));
    g.setColorAt(0.55, QColor(255, 255, 255, 0));
    g.setColorAt(0.8, QColor(0, 0, 0, rim / 4));
    g.setColorAt(1.0, QColor(0, 0, 0, rim));
    QBrush brush(g);
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.scale(r.width() * 0.56, r.height() * 0.56);
    brush.setTransform(t);
    fillPath(p, body, brush);
}

// Fin rays fan out from `focus` across the whole fin; the fin itself is translucent.
void paintFin(QPainter &p, const QPainterPath &fin, const QBrush &fill, QPointF focus, int rays,
              const QColor &rayColour, double rayWidth = 0.7)
{
    fillPath(p, fin, fill);
    const QPointF centre = fin.boundingRect().center();
    const double mid = std::atan2(centre.y() - focus.y(), centre.x() - focus.x());
    double lo = 0.0;
    double hi = 0.0;
    for (int i = 0; i <= 96; ++i) {
        const QPointF q = fin.pointAtPercent(i / 96.0);
        const double a =
            std::remainder(std::atan2(q.y() - focus.y(), q.x() - focus.x()) - mid, 2 * kPi);
        lo = std::min(lo, a);
        hi = std::max(hi, a);
    }
    p.save();
    clipTo(p, fin);
    p.setPen(QPen(rayColour, rayWidth, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= rays; ++i) {
        const double a = mid + lo + (hi - lo) * i / (rays + 1);
        p.drawLine(focus, focus + QPointF(std::cos(a), std::sin(a)) * 600.0);
    }
    p.restore();
    backdrop::stroke(p, fin, backdrop::withAlpha(rayColour, std::min(255, rayColour.alpha() + 40)),
                     0.6);
}

// Overlapping scale edges, opening towards the tail (which is to the right unless mirrored).
void paintScales(QPainter &p, const QPainterPath &body, double size, const QColor &colour,
                 double width = 0.6, bool tailLeft = false)
{
    const QRectF r = body.boundingRect().adjusted(-size, -size, size, size);
    p.save();
    clipTo(p, body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width));
    int row = 0;
    for (double y = r.top(); y < r.bottom(); y += size * 0.62, ++row) {
        const double shift = (row % 2) * size * 0.5;
        for (double x = r.left() + shift; x < r.right(); x += size)
            p.drawArc(QRectF(x - size / 2, y - size / 2, size, size), (tailLeft ? 110 : -70) * 16,
                      140 * 16);
    }
    p.restore();
}

// Jittered grid: spots spread evenly like a real pattern instead of clumping.
std::vector<QPointF> scatter(const QRectF &r, double spacing, quint32 seed)
{
    QRandomGenerator rng(seed);
    std::vector<QPointF> pts;
    for (double y = r.top(); y < r.bottom(); y += spacing) {
        for (double x = r.left(); x < r.right(); x += spacing)
            pts.emplace_back(x + rng.bounded(spacing), y + rng.bounded(spacing));
    }
    return pts;
}

void paintSpots(QPainter &p, const QPainterPath &area, double spacing, double rMin, double rMax,
                const QBrush &brush, quint32 seed)
{
    QRandomGenerator rng(seed ^ 0x5bd1e995u);
    p.save();
    clipTo(p, area);
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    for (const QPointF &pt : scatter(area.boundingRect(), spacing, seed)) {
        if (!area.contains(pt))
            continue;
        const double r = rMin + rng.bounded(rMax - rMin);
        const double squash = 0.8 + rng.bounded(0.4);
        p.drawEllipse(pt, r * squash, r / squash);
    }
    p.restore();
}

QPainterPath ellipsePath(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

using backdrop::curve;

// A beak of fused teeth, the parrotfish hallmark, drawn at the snout tip.
void paintBeak(QPainter &p, QPointF tip, double size, const QColor &colour)
{
    const QPainterPath upper = backdrop::smoothClosedPath(
        {tip + QPointF(0.5, -0.2) * size, tip + QPointF(0.2, -0.55) * size,
         tip + QPointF(0.9, -0.75) * size, tip + QPointF(1.3, -0.3) * size,
         tip + QPointF(1.0, -0.02) * size});
    const QPainterPath lower = backdrop::smoothClosedPath(
        {tip + QPointF(0.45, 0.05) * size, tip + QPointF(1.05, 0.08) * size,
         tip + QPointF(1.25, 0.45) * size, tip + QPointF(0.75, 0.6) * size,
         tip + QPointF(0.35, 0.35) * size});
    for (const QPainterPath &jaw : {upper, lower}) {
        QLinearGradient g(jaw.boundingRect().topLeft(), jaw.boundingRect().bottomRight());
        g.setColorAt(0, colour.lighter(140));
        g.setColorAt(1, colour.darker(115));
        fillPath(p, jaw, g);
        backdrop::stroke(p, jaw, colour.darker(170), 0.6);
    }
    backdrop::stroke(p,
                     curve(tip + QPointF(0.45, 0.0) * size, tip + QPointF(0.8, 0.08) * size,
                           tip + QPointF(1.15, 0.02) * size),
                     QColor(40, 40, 40, 180), 0.8);
}


void paintGillCover(QPainter &p, QPointF top, QPointF bulge, QPointF bottom, const QColor &colour,
                    double width = 1.1)
{
    backdrop::stroke(p, curve(top, bulge, bottom), colour, width);
}

// Straight sides joined by rounded corners, for the rigid carapace of a boxfish.
QPainterPath roundedPolygon(std::initializer_list<QPointF> points, double radius)
{
    const std::vector<QPointF> v(points);
    const size_t n = v.size();
    const auto towards = [radius](QPointF from, QPointF to) {
        const QPointF d = to - from;
        const double len = std::hypot(d.x(), d.y());
        return from + d * (std::min(radius, len / 2) / len);
    };
    QPainterPath path;
    for (size_t i = 0; i < n; ++i) {
        const QPointF corner = v[i];
        const QPointF in = towards(corner, v[(i + n - 1) % n]);
        const QPointF out = towards(corner, v[(i + 1) % n]);
        if (i == 0)
            path.moveTo(in);
        else
            path.lineTo(in);
        path.quadTo(corner, out);
    }
    path.closeSubpath();
    return path;
}


} // namespace

namespace legacy {

// 30 Porcupinefish: puffed into a spiny ball, big eyes, tan with small black spots.
void paintFish30(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.35);
    backdrop::paintSand(p, QRectF(0, 0, kW, kH), 214);
    backdrop::paintSeaFan(p, QPointF(296, 232), 150, QColor(140, 70, 130));
    backdrop::paintCoralHead(p, QPointF(30, 232), 48, QColor(176, 150, 96));
    backdrop::paintCoralHead(p, QPointF(286, 238), 34, QColor(140, 150, 96));

    const QPointF c(158, 116);
    const double rx = 76;
    const double ry = 72;
    const QColor spineColour(210, 190, 140);
    const QColor spineShade(110, 90, 55);

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{224, 108}, {252, 92}, {276, 84}, {270, 118}, {278, 152}, {252, 142}, {224, 128}});
    paintFin(p, tail, QColor(150, 128, 78, 225), QPointF(218, 118), 10, QColor(80, 62, 36, 150));
    paintSpots(p, tail, 8, 0.9, 1.6, QColor(30, 25, 20), 301);
    const QPainterPath dorsal =
        backdrop::smoothClosedPath({{198, 62}, {214, 38}, {234, 44}, {230, 70}});
    const QPainterPath anal =
        backdrop::smoothClosedPath({{198, 170}, {214, 194}, {234, 188}, {230, 162}});
    paintFin(p, dorsal, QColor(160, 140, 90, 220), QPointF(206, 76), 6, QColor(80, 62, 36, 150));
    paintFin(p, anal, QColor(200, 185, 140, 220), QPointF(206, 160), 6, QColor(80, 62, 36, 150));

    // Spines standing off the rim, drawn first so the ball sits in front of their roots.
    p.save();
    p.setPen(QPen(spineShade, 0.6));
    for (int k = 0; k < 44; ++k) {
        const double a = 2 * kPi * (k + 0.5) / 44;
        const double deg = std::remainder(a * 180 / kPi, 360.0);
        if (std::abs(deg) < 14 || std::abs(std::abs(deg) - 180) < 16)
            continue;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        const QPointF root(c.x() + dir.x() * (rx - 6), c.y() + dir.y() * (ry - 6));
        const QPointF tip = root + dir * 22.0;
        const bool lower = dir.y() > 0.3;
        p.setBrush(lower ? QColor(232, 222, 196) : spineColour);
        p.drawPolygon(QPolygonF({root + side * 3.2, tip, root - side * 3.2}));
    }
    p.restore();

    const QPainterPath body = ellipsePath(c, rx, ry);
    paintBody(p, body, QColor(122, 104, 62), QColor(192, 168, 112), QColor(244, 236, 214));
    paintSpots(p, body.intersected(ellipsePath(c + QPointF(0, -28), rx + 4, ry - 12)), 10, 1.3, 2.6,
               QColor(28, 22, 16), 30);

    // Spines lying on the ball, foreshortened towards the middle where they point at the viewer.
    const int count = 150;
    p.save();
    clipTo(p, body.united(ellipsePath(c, rx + 10, ry + 10)));
    for (int i = 6; i < count; ++i) {
        const double t = std::sqrt(double(i) / count);
        const double ang = i * 2.39996;
        const QPointF dir(std::cos(ang), std::sin(ang));
        const QPointF root(c.x() + dir.x() * rx * t * 0.93, c.y() + dir.y() * ry * t * 0.93);
        const double len = 2.5 + 12.0 * std::pow(t, 1.3);
        const QPointF side(-dir.y(), dir.x());
        const QPointF tip = root + dir * len;
        const bool lower = root.y() > c.y() + 20;
        p.setPen(QPen(backdrop::withAlpha(spineShade, 170), 0.5));
        p.setBrush(lower ? QColor(236, 228, 206) : QColor(214, 194, 146));
        p.drawPolygon(QPolygonF({root + side * 2.2, tip, root - side * 2.2}));
    }
    p.restore();
    roundOff(p, body, 80, 55);

    // Small pectoral fin behind the eye, whirring.
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{132, 118}, {150, 100}, {166, 98}, {170, 118}, {160, 138}, {146, 138}});
    paintFin(p, pectoral, QColor(215, 190, 120, 180), QPointF(132, 118), 8,
             QColor(120, 90, 40, 160));

    // Mouth: a pale fused beak at the front of the ball.
    const QPainterPath mouth = backdrop::smoothClosedPath(
        {{80, 122}, {86, 114}, {94, 116}, {96, 126}, {90, 134}, {82, 132}});
    fillPath(p, mouth, QColor(236, 226, 200));
    backdrop::stroke(p, curve(QPointF(82, 124), QPointF(88, 126), QPointF(95, 124)),
                     QColor(90, 70, 50), 1.0);
    backdrop::stroke(p, mouth, QColor(130, 110, 80), 0.7);

    // Porcupinefish eyes are large and bulge out of the ball.
    fillPath(p, ellipsePath(QPointF(108, 96), 18, 17), QColor(150, 130, 82));
    backdrop::stroke(p, ellipsePath(QPointF(108, 96), 18, 17), QColor(90, 72, 40, 160), 0.8);
    backdrop::paintEye(p, QPointF(108, 96), 14, QColor(120, 170, 90));
}

// 31 Rock Beauty: yellow head, front and tail, the big rear of the body black, blue over the eye.
void paintFish31(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.4);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 206);
    backdrop::paintSeaFan(p, QPointF(34, 222), 170, QColor(170, 80, 150));
    backdrop::paintCoralHead(p, QPointF(290, 226), 44, QColor(160, 140, 90));

    const QColor yellow(255, 204, 20);
    const QColor yellowDeep(236, 160, 0);

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{246, 110}, {270, 94}, {296, 86}, {290, 120}, {296, 156}, {270, 148}, {246, 134}});
    paintFin(p, tail, verticalShade(tail.boundingRect(), yellow, QColor(255, 220, 60), yellowDeep),
             QPointF(238, 122), 12, QColor(200, 130, 0, 170));

    // Dorsal and anal fins end in short points that trail past the body.
    const QPainterPath dorsal = backdrop::smoothClosedPath({{112, 66},
                                                            {138, 44},
                                                            {178, 34},
                                                            {220, 38},
                                                            {252, 50},
                                                            {272, 66},
                                                            {258, 84},
                                                            {248, 106},
                                                            {226, 86},
                                                            {190, 66},
                                                            {150, 60}});
    const QPainterPath anal = backdrop::smoothClosedPath({{112, 178},
                                                          {138, 200},
                                                          {178, 210},
                                                          {220, 206},
                                                          {252, 194},
                                                          {272, 178},
                                                          {258, 160},
                                                          {248, 138},
                                                          {226, 158},
                                                          {190, 178},
                                                          {150, 184}});
    const QPainterPath body = backdrop::smoothClosedPath({{58, 124},
                                                          {64, 108},
                                                          {80, 90},
                                                          {104, 74},
                                                          {136, 62},
                                                          {172, 58},
                                                          {206, 66},
                                                          {232, 88},
                                                          {246, 110},
                                                          {252, 122},
                                                          {246, 134},
                                                          {232, 156},
                                                          {206, 178},
                                                          {172, 186},
                                                          {136, 182},
                                                          {104, 170},
                                                          {80, 154},
                                                          {64, 140}});
    const QPainterPath all = body.united(dorsal).united(anal);

    fillPath(p, dorsal, verticalShade(dorsal.boundingRect(), yellowDeep, yellow, yellow));
    fillPath(p, anal, verticalShade(anal.boundingRect(), yellow, yellow, yellowDeep));
    paintBody(p, body, QColor(250, 196, 10), yellow, QColor(255, 226, 90));

    // The black rear starts just behind the gill cover and takes in most of both fins.
    const QPainterPath blackPatch =
        backdrop::smoothClosedPath(
            {{146, 16}, {128, 70}, {120, 122}, {128, 174}, {146, 228}, {310, 228}, {310, 16}})
            .intersected(all);
    QRadialGradient blackShade(QPointF(196, 104), 110);
    blackShade.setColorAt(0, QColor(52, 52, 66));
    blackShade.setColorAt(0.6, QColor(26, 26, 36));
    blackShade.setColorAt(1, QColor(12, 12, 18));
    fillPath(p, blackPatch, blackShade);
    paintScales(p, blackPatch.intersected(body), 8, QColor(80, 80, 100, 110), 0.6);
    paintScales(p, body.subtracted(blackPatch), 8, QColor(210, 150, 0, 110), 0.6);

    for (const QPainterPath *fin : {&dorsal, &anal}) {
        const QPainterPath outer = fin->subtracted(body);
        p.save();
        clipTo(p, outer);
        p.setPen(QPen(QColor(255, 255, 255, 28), 0.7));
        const double edge = fin == &dorsal ? 0 : 244;
        for (int i = 0; i < 18; ++i) {
            const QPointF root(120 + i * 8.0, 122);
            p.drawLine(root, QPointF(root.x() + 30 + i * 3.0, edge));
        }
        // Thin orange rim on the black soft fin, blue-grey on the yellow front spines.
        clipTo(p, polygon({{176, 0}, {320, 0}, {320, 244}, {176, 244}}));
        backdrop::stroke(p, *fin, QColor(250, 110, 30), 3.0);
        p.restore();
        p.save();
        clipTo(p, outer.intersected(polygon({{100, 0}, {176, 0}, {176, 244}, {100, 244}})));
        backdrop::stroke(p, *fin, QColor(60, 100, 200), 2.4);
        p.restore();
    }
    roundOff(p, body, 70, 50);

    paintGillCover(p, QPointF(104, 82), QPointF(122, 118), QPointF(104, 160),
                   QColor(200, 130, 0, 200), 1.2);
    // Cheek spine of the angelfish, tinged blue.
    fillPath(p, polygon({{98, 150}, {124, 154}, {100, 158}}), QColor(90, 120, 210));

    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{112, 128}, {130, 114}, {152, 116}, {158, 130}, {140, 140}, {120, 140}});
    paintFin(p, pectoral, QColor(255, 230, 110, 200), QPointF(112, 130), 8,
             QColor(210, 150, 20, 170));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{104, 172}, {112, 196}, {122, 204}, {124, 190}, {116, 176}});
    paintFin(p, pelvic, QColor(255, 214, 60, 230), QPointF(106, 172), 5, QColor(200, 130, 0, 170));

    // Blue lips and the blue patch over the eye.
    fillPath(p,
             backdrop::smoothClosedPath(
                 {{58, 122}, {62, 116}, {70, 116}, {72, 124}, {66, 130}, {60, 129}}),
             QColor(80, 110, 190));
    backdrop::stroke(p, curve(QPointF(59, 123), QPointF(65, 124), QPointF(71, 122)),
                     QColor(30, 40, 80), 0.8);
    const QPointF eye(90, 102);
    fillPath(
        p,
        backdrop::smoothClosedPath({{78, 98}, {82, 86}, {92, 82}, {102, 88}, {104, 98}, {91, 93}}),
        QColor(40, 110, 240));
    backdrop::paintEye(p, eye, 8, QColor(60, 120, 230));
}


// 33 Bluestriped Grunt: long sloping head; yellow with many blue lengthwise stripes; dark dorsal
// and tail.
void paintFish33(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.35);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 200);
    backdrop::paintSeaFan(p, QPointF(300, 220), 140, QColor(160, 90, 140));
    backdrop::paintCoralHead(p, QPointF(60, 224), 40, QColor(170, 150, 100));

    const QPainterPath tail = backdrop::smoothClosedPath({{248, 114},
                                                          {272, 98},
                                                          {302, 74},
                                                          {290, 104},
                                                          {282, 124},
                                                          {290, 146},
                                                          {304, 174},
                                                          {272, 150},
                                                          {248, 132}});
    paintFin(p, tail,
             verticalShade(tail.boundingRect(), QColor(60, 56, 50, 235), QColor(90, 84, 70, 235),
                           QColor(60, 56, 50, 235)),
             QPointF(244, 123), 14, QColor(20, 20, 20, 150));

    const QPainterPath dorsal = backdrop::smoothClosedPath({{104, 66},
                                                            {120, 48},
                                                            {146, 44},
                                                            {170, 52},
                                                            {188, 64},
                                                            {206, 58},
                                                            {226, 66},
                                                            {240, 92},
                                                            {228, 92},
                                                            {190, 76},
                                                            {150, 68}});
    paintFin(p, dorsal, QColor(55, 52, 48, 235), QPointF(170, 110), 18, QColor(20, 20, 20, 160));
    const QPainterPath anal =
        backdrop::smoothClosedPath({{190, 160}, {210, 176}, {232, 166}, {238, 144}, {214, 152}});
    paintFin(p, anal, QColor(210, 180, 60, 220), QPointF(200, 150), 8, QColor(140, 100, 20, 170));

    const QPainterPath body = backdrop::smoothClosedPath({{26, 130},
                                                          {34, 116},
                                                          {60, 92},
                                                          {96, 72},
                                                          {140, 64},
                                                          {190, 72},
                                                          {226, 88},
                                                          {250, 108},
                                                          {256, 122},
                                                          {250, 136},
                                                          {226, 150},
                                                          {190, 162},
                                                          {140, 168},
                                                          {96, 162},
                                                          {60, 150},
                                                          {36, 140}});
    paintBody(p, body, QColor(232, 180, 20), QColor(252, 210, 40), QColor(255, 232, 120));

    // Blue stripes follow the body, converging gently towards the snout.
    p.save();
    clipTo(p, body);
    for (int i = 0; i < 10; ++i) {
        const double y0 = 70 + i * 10.5;
        QPainterPath stripe;
        for (int x = 20; x <= 262; x += 6) {
            const double head = std::clamp((110.0 - x) / 90.0, 0.0, 1.0);
            const double back = std::clamp((x - 150.0) / 110.0, 0.0, 1.0);
            const double y = y0 + (128 - y0) * (0.45 * head) + (122 - y0) * 0.35 * back * back;
            if (x == 20)
                stripe.moveTo(x, y);
            else
                stripe.lineTo(x, y);
        }
        backdrop::stroke(p, stripe, QColor(20, 50, 120), 5.0);
        backdrop::stroke(p, stripe, QColor(40, 120, 230), 3.2);
        backdrop::stroke(p, stripe, QColor(110, 180, 255, 170), 1.0);
    }
    p.restore();
    paintScales(p, body, 7, QColor(160, 110, 0, 70), 0.5);
    roundOff(p, body, 80, 40);

    paintGillCover(p, QPointF(86, 82), QPointF(104, 120), QPointF(82, 156), QColor(120, 80, 0, 200),
                   1.2);
    const QPainterPath pectoral =
        backdrop::smoothClosedPath({{96, 128}, {116, 116}, {142, 118}, {150, 128}, {126, 136}});
    paintFin(p, pectoral, QColor(240, 220, 120, 180), QPointF(96, 128), 8,
             QColor(150, 110, 20, 170));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{96, 160}, {110, 182}, {120, 186}, {116, 168}});
    paintFin(p, pelvic, QColor(230, 200, 80, 210), QPointF(98, 160), 5, QColor(150, 110, 20, 170));

    // Grunts show a red mouth lining at the corner of the jaw.
    backdrop::stroke(p, curve(QPointF(27, 132), QPointF(40, 134), QPointF(54, 130)),
                     QColor(110, 40, 30), 1.6);
    fillPath(p, ellipsePath(QPointF(52, 131), 3, 2), QColor(200, 60, 50));
    backdrop::paintEye(p, QPointF(70, 104), 7.5, QColor(230, 200, 80));
}

// 34 Gray Angelfish: tall grey disc freckled by dark scale centres, pale mouth, squared tail with
// pale rim.
void paintFish34(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.45);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 210);
    backdrop::paintSeaFan(p, QPointF(300, 226), 170, QColor(120, 60, 140));
    backdrop::paintCoralHead(p, QPointF(24, 230), 40, QColor(150, 150, 100));

    const QColor grey(128, 132, 138);
    const QColor greyDark(70, 74, 82);

    // The tail ends in a straight vertical edge: the squared tail of this angelfish.
    const QPainterPath tail =
        polygon({{236, 112}, {260, 88}, {288, 80}, {288, 164}, {260, 156}, {236, 130}});
    paintFin(p, tail, verticalShade(tail.boundingRect(), greyDark, grey, greyDark),
             QPointF(232, 121), 14, QColor(40, 40, 46, 160));
    p.save();
    clipTo(p, tail);
    p.setPen(QPen(QColor(236, 238, 240), 7));
    p.drawLine(QPointF(289, 70), QPointF(289, 174));
    p.restore();

    // Dorsal and anal fins sweep back to points; the dorsal point runs out into a filament.
    const QPainterPath dorsal = backdrop::smoothClosedPath({{112, 62},
                                                            {136, 38},
                                                            {176, 26},
                                                            {214, 26},
                                                            {244, 34},
                                                            {268, 38},
                                                            {250, 56},
                                                            {256, 96},
                                                            {242, 104},
                                                            {224, 80},
                                                            {190, 62},
                                                            {150, 56}});
    const QPainterPath anal = backdrop::smoothClosedPath({{112, 180},
                                                          {136, 204},
                                                          {176, 216},
                                                          {214, 216},
                                                          {244, 208},
                                                          {268, 204},
                                                          {250, 186},
                                                          {256, 146},
                                                          {242, 138},
                                                          {224, 162},
                                                          {190, 180},
                                                          {150, 186}});
    backdrop::stroke(p, curve(QPointF(262, 38), QPointF(280, 36), QPointF(296, 48)),
                     QColor(200, 190, 150), 1.8);
    for (const QPainterPath *fin : {&dorsal, &anal})
        paintFin(p, *fin, verticalShade(fin->boundingRect(), greyDark, grey, greyDark),
                 QPointF(170, 121), 22, QColor(40, 40, 46, 120));

    const QPainterPath body = backdrop::smoothClosedPath({{54, 124},
                                                          {58, 108},
                                                          {74, 86},
                                                          {100, 68},
                                                          {134, 58},
                                                          {172, 54},
                                                          {206, 62},
                                                          {230, 84},
                                                          {244, 108},
                                                          {248, 121},
                                                          {244, 134},
                                                          {230, 158},
                                                          {206, 180},
                                                          {172, 188},
                                                          {134, 184},
                                                          {100, 174},
                                                          {74, 158},
                                                          {58, 140}});
    paintBody(p, body, QColor(104, 108, 116), QColor(146, 150, 156), QColor(158, 162, 166));

    // Each scale has a dark centre and a pale edge: a grey body freckled all over.
    QRandomGenerator rng(34);
    p.save();
    clipTo(p, body.united(dorsal).united(anal));
    p.setPen(Qt::NoPen);
    int row = 0;
    for (double y = 20; y < 224; y += 6.2, ++row) {
        for (double x = 60 + (row % 2) * 4.0; x < 262; x += 8.0) {
            const double fade = std::clamp((x - 70) / 50.0, 0.0, 1.0);
            p.setBrush(QColor(44, 48, 56, int((130 + rng.bounded(50)) * fade)));
            p.drawEllipse(QPointF(x + rng.bounded(1.2), y + rng.bounded(1.2)), 2.3, 1.9);
        }
    }
    p.restore();
    roundOff(p, body, 80, 50);

    // The pale mouth and chin are a field mark of the grey angel.
    const QPainterPath mouth = backdrop::smoothClosedPath(
        {{52, 122}, {58, 110}, {72, 106}, {82, 118}, {78, 134}, {62, 140}});
    fillPath(p, mouth, QColor(226, 228, 226));
    backdrop::stroke(p, curve(QPointF(53, 123), QPointF(62, 125), QPointF(70, 122)),
                     QColor(70, 70, 74), 0.9);

    paintGillCover(p, QPointF(102, 78), QPointF(120, 120), QPointF(102, 164),
                   QColor(50, 52, 60, 200), 1.2);
    fillPath(p, polygon({{96, 156}, {122, 160}, {98, 164}}), QColor(90, 94, 100));
    // The pectoral fin's yellowish base is a second field mark of the grey angel.
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{112, 126}, {132, 110}, {156, 112}, {164, 128}, {144, 138}, {120, 140}});
    QLinearGradient pecShade(QPointF(112, 126), QPointF(164, 126));
    pecShade.setColorAt(0, QColor(230, 200, 90, 230));
    pecShade.setColorAt(0.4, QColor(150, 150, 140, 190));
    pecShade.setColorAt(1, QColor(120, 124, 130, 160));
    paintFin(p, pectoral, pecShade, QPointF(112, 128), 9, QColor(50, 50, 56, 150));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{100, 172}, {108, 198}, {118, 210}, {120, 192}, {112, 176}});
    paintFin(p, pelvic, QColor(90, 94, 100, 220), QPointF(102, 172), 5, QColor(40, 40, 46, 160));

    backdrop::paintEye(p, QPointF(86, 100), 8, QColor(190, 170, 90));
}

// 35 Beaugregory: small oval damselfish, blue-grey above, yellow below and behind, blue dots on
// head and back.
void paintFish35(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.3);
    backdrop::paintSand(p, QRectF(0, 0, kW, kH), 216);
    backdrop::paintCoralHead(p, QPointF(270, 236), 70, QColor(170, 150, 90));
    backdrop::paintCoralHead(p, QPointF(40, 240), 50, QColor(130, 150, 100));

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{232, 112}, {258, 92}, {286, 84}, {276, 116}, {286, 152}, {258, 146}, {232, 130}});
    paintFin(p, tail, QColor(255, 214, 50, 235), QPointF(228, 121), 12, QColor(180, 130, 10, 170));

    const QPainterPath dorsal = backdrop::smoothClosedPath({{92, 72},
                                                            {118, 56},
                                                            {168, 50},
                                                            {212, 56},
                                                            {240, 80},
                                                            {244, 102},
                                                            {228, 98},
                                                            {200, 78},
                                                            {150, 70}});
    QLinearGradient dorsalShade(QPointF(100, 60), QPointF(246, 90));
    dorsalShade.setColorAt(0, QColor(50, 64, 100, 235));
    dorsalShade.setColorAt(0.7, QColor(70, 80, 100, 235));
    dorsalShade.setColorAt(1, QColor(230, 190, 40, 235));
    paintFin(p, dorsal, dorsalShade, QPointF(160, 110), 18, QColor(20, 30, 50, 130));
    const QPainterPath anal = backdrop::smoothClosedPath(
        {{164, 170}, {190, 188}, {222, 182}, {240, 150}, {220, 156}, {194, 166}});
    paintFin(p, anal, QColor(250, 200, 40, 235), QPointF(190, 150), 9, QColor(180, 130, 10, 170));

    // Longer and lower than the yellowtail damsel, with a more pointed face.
    const QPainterPath body = backdrop::smoothClosedPath({{40, 124},
                                                          {48, 106},
                                                          {68, 86},
                                                          {100, 70},
                                                          {146, 64},
                                                          {190, 68},
                                                          {222, 86},
                                                          {238, 106},
                                                          {242, 121},
                                                          {238, 134},
                                                          {220, 152},
                                                          {188, 168},
                                                          {146, 176},
                                                          {100, 172},
                                                          {68, 160},
                                                          {48, 142}});
    // Dark blue-grey upper front grading into yellow on the lower rear.
    QLinearGradient shade(QPointF(110, 70), QPointF(210, 178));
    shade.setColorAt(0.0, QColor(46, 60, 96));
    shade.setColorAt(0.45, QColor(70, 80, 104));
    shade.setColorAt(0.7, QColor(190, 170, 70));
    shade.setColorAt(1.0, QColor(255, 214, 40));
    fillPath(p, body, shade);
    paintScales(p, body, 8, QColor(20, 30, 50, 90), 0.6);

    // Small electric-blue dots scattered over the head and back only.
    const QPainterPath dotted = body.intersected(backdrop::smoothClosedPath(
        {{40, 120}, {60, 60}, {150, 40}, {230, 70}, {190, 100}, {120, 120}, {80, 150}}));
    paintSpots(p, dotted, 9, 0.9, 1.5, QColor(90, 190, 255), 35);
    roundOff(p, body, 70, 45);

    paintGillCover(p, QPointF(92, 76), QPointF(110, 118), QPointF(90, 160), QColor(20, 30, 50, 190),
                   1.2);
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{104, 128}, {124, 114}, {150, 116}, {158, 130}, {134, 140}, {112, 140}});
    paintFin(p, pectoral, QColor(210, 200, 170, 150), QPointF(104, 128), 9,
             QColor(70, 70, 60, 150));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{98, 168}, {108, 192}, {120, 198}, {118, 180}, {108, 170}});
    paintFin(p, pelvic, QColor(240, 190, 40, 230), QPointF(100, 168), 5, QColor(160, 110, 10, 170));

    backdrop::stroke(p, curve(QPointF(41, 124), QPointF(49, 127), QPointF(57, 123)),
                     QColor(20, 24, 40), 1.2);
    backdrop::paintEye(p, QPointF(72, 104), 8.5, QColor(230, 190, 60));
}

// 36 Yellowtailed Damselfish: dark blue-brown oval with bright blue spots and a bright yellow tail.
void paintFish36(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.3);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 206);
    backdrop::paintCoralHead(p, QPointF(40, 224), 56, QColor(190, 130, 90));
    backdrop::paintSeaFan(p, QPointF(300, 214), 150, QColor(200, 120, 60));

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{230, 108}, {258, 84}, {296, 66}, {284, 120}, {296, 174}, {258, 158}, {230, 134}});
    paintFin(p, tail,
             verticalShade(tail.boundingRect(), QColor(255, 220, 30), QColor(255, 236, 80),
                           QColor(255, 210, 20)),
             QPointF(226, 121), 14, QColor(200, 150, 0, 170));

    const QPainterPath dorsal = backdrop::smoothClosedPath({{84, 58},
                                                            {110, 38},
                                                            {160, 30},
                                                            {210, 40},
                                                            {242, 70},
                                                            {248, 104},
                                                            {232, 98},
                                                            {202, 66},
                                                            {150, 52}});
    const QPainterPath anal = backdrop::smoothClosedPath(
        {{164, 180}, {194, 204}, {230, 194}, {246, 150}, {226, 156}, {196, 174}});
    const QColor dark(34, 34, 62);
    paintFin(p, dorsal, backdrop::withAlpha(dark, 240), QPointF(160, 110), 18,
             QColor(70, 70, 110, 140));
    paintFin(p, anal, backdrop::withAlpha(dark, 240), QPointF(190, 150), 9,
             QColor(70, 70, 110, 140));

    // Deep-bodied, with a steep blunt forehead.
    const QPainterPath body = backdrop::smoothClosedPath({{46, 128},
                                                          {48, 104},
                                                          {60, 80},
                                                          {90, 58},
                                                          {140, 48},
                                                          {192, 54},
                                                          {224, 76},
                                                          {240, 104},
                                                          {244, 121},
                                                          {240, 138},
                                                          {222, 162},
                                                          {190, 182},
                                                          {140, 192},
                                                          {96, 186},
                                                          {64, 168},
                                                          {50, 150}});
    paintBody(p, body, QColor(28, 30, 60), QColor(44, 40, 72), QColor(60, 48, 66));
    paintScales(p, body, 8, QColor(90, 90, 140, 80), 0.6);

    // The bright blue spots are scattered, largest and thickest on the upper body.
    const QPainterPath spotted =
        body.united(dorsal).intersected(ellipsePath(QPointF(150, 80), 120, 70));
    paintSpots(p, spotted, 12, 1.4, 2.6, QColor(40, 170, 255), 36);
    paintSpots(p, body, 20, 1.0, 1.8, QColor(60, 160, 240), 3636);
    roundOff(p, body, 80, 40);

    paintGillCover(p, QPointF(86, 66), QPointF(108, 118), QPointF(84, 170), QColor(10, 10, 30, 200),
                   1.2);
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{100, 128}, {122, 114}, {148, 116}, {156, 130}, {132, 140}, {110, 140}});
    paintFin(p, pectoral, QColor(120, 110, 120, 150), QPointF(100, 128), 9,
             QColor(30, 30, 50, 150));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{94, 178}, {104, 202}, {116, 208}, {114, 190}, {104, 180}});
    paintFin(p, pelvic, backdrop::withAlpha(dark, 230), QPointF(96, 178), 5,
             QColor(70, 70, 110, 150));

    backdrop::stroke(p, curve(QPointF(47, 128), QPointF(54, 131), QPointF(62, 127)),
                     QColor(10, 10, 20), 1.2);
    backdrop::paintEye(p, QPointF(72, 102), 8.5, QColor(80, 110, 170));
}


// 38 Stoplight Parrotfish: green, pink-orange head marks, yellow spot on the gill cover, orange
// tail crescent.
void paintFish38(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.3);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 206);
    backdrop::paintCoralHead(p, QPointF(286, 226), 50, QColor(160, 150, 100));
    backdrop::paintSeaFan(p, QPointF(20, 220), 120, QColor(150, 70, 140));

    const QColor green(30, 160, 110);
    const QColor greenDark(14, 104, 84);
    const QColor finGreen(40, 150, 130, 235);
    const QColor finRay(10, 70, 60, 150);
    const QColor salmon(250, 130, 110);

    // Crescent tail: green with an orange band inside the trailing edge.
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{248, 112}, {272, 90}, {298, 72}, {290, 122}, {298, 172}, {272, 154}, {248, 134}});
    paintFin(p, tail, verticalShade(tail.boundingRect(), greenDark, green, greenDark),
             QPointF(244, 123), 14, finRay);
    p.save();
    clipTo(p, tail);
    QPainterPath band(QPointF(300, 70));
    band.cubicTo(QPointF(262, 98), QPointF(262, 148), QPointF(300, 176));
    backdrop::stroke(p, band, QColor(250, 140, 40), 9);
    p.restore();

    const QPainterPath dorsal = backdrop::smoothClosedPath({{92, 66},
                                                            {110, 52},
                                                            {150, 47},
                                                            {196, 53},
                                                            {234, 72},
                                                            {250, 96},
                                                            {238, 94},
                                                            {206, 74},
                                                            {160, 62},
                                                            {120, 62}});
    const QPainterPath anal = backdrop::smoothClosedPath(
        {{160, 176}, {190, 184}, {222, 176}, {244, 150}, {232, 152}, {206, 164}, {180, 172}});
    paintFin(p, dorsal, finGreen, QPointF(160, 110), 20, finRay);
    backdrop::stroke(p, curve(QPointF(94, 64), QPointF(170, 38), QPointF(250, 96)),
                     backdrop::withAlpha(salmon, 200), 1.4);
    paintFin(p, anal, finGreen, QPointF(200, 150), 9, finRay);
    backdrop::stroke(p, curve(QPointF(162, 178), QPointF(226, 182), QPointF(244, 150)),
                     backdrop::withAlpha(salmon, 200), 1.4);

    // Heavy parrotfish body with a rounded head.
    const QPainterPath body = backdrop::smoothClosedPath({{36, 130},
                                                          {40, 108},
                                                          {56, 86},
                                                          {84, 68},
                                                          {124, 58},
                                                          {170, 60},
                                                          {210, 72},
                                                          {238, 92},
                                                          {252, 108},
                                                          {256, 122},
                                                          {252, 136},
                                                          {236, 150},
                                                          {206, 166},
                                                          {164, 178},
                                                          {118, 180},
                                                          {80, 170},
                                                          {52, 154}});
    paintBody(p, body, greenDark, green, QColor(70, 190, 130));
    paintScales(p, body, 12, QColor(8, 70, 60, 160), 1.0);
    paintScales(p, body, 12, QColor(120, 230, 170, 60), 0.6);

    // Pink-orange bands slant across the cheek, one above and two below the eye.
    p.save();
    clipTo(p, body);
    for (const QPainterPath &mark : {curve(QPointF(40, 100), QPointF(70, 80), QPointF(104, 74)),
                                     curve(QPointF(44, 126), QPointF(78, 114), QPointF(112, 102)),
                                     curve(QPointF(50, 146), QPointF(84, 138), QPointF(114, 132))})
        backdrop::stroke(p, mark, salmon, 5);
    p.restore();
    roundOff(p, body, 80, 45);

    paintGillCover(p, QPointF(108, 72), QPointF(124, 116), QPointF(104, 162),
                   QColor(8, 70, 60, 210), 1.4);
    // The bright yellow spot at the upper corner of the gill cover.
    QRadialGradient spot(QPointF(116, 82), 8);
    spot.setColorAt(0, QColor(255, 250, 120));
    spot.setColorAt(0.7, QColor(255, 226, 30));
    spot.setColorAt(1, QColor(240, 200, 20));
    fillPath(p, ellipsePath(QPointF(116, 82), 7.5, 6), spot);

    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{108, 128}, {126, 114}, {150, 112}, {164, 120}, {148, 130}, {126, 136}});
    paintFin(p, pectoral, QColor(60, 170, 150, 180), QPointF(108, 126), 9, finRay);
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{112, 170}, {124, 190}, {134, 198}, {136, 184}, {128, 172}});
    paintFin(p, pelvic, QColor(240, 130, 90, 220), QPointF(112, 170), 5, QColor(150, 60, 30, 170));

    paintBeak(p, QPointF(34, 128), 15, QColor(110, 210, 190));
    backdrop::paintEye(p, QPointF(84, 98), 7.5, QColor(240, 170, 60));
}

// 39 Banded Butterfly: white disc with three broad dark bands, the first through the eye;
// dark-edged fins.
void paintFish39(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.35);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 208);
    backdrop::paintCoralHead(p, QPointF(284, 228), 50, QColor(180, 140, 80));
    backdrop::paintSeaFan(p, QPointF(24, 224), 130, QColor(170, 80, 150));

    const QColor band(36, 30, 30);

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{234, 110}, {256, 96}, {280, 94}, {284, 122}, {280, 150}, {256, 148}, {234, 134}});
    paintFin(p, tail, QColor(236, 236, 230, 230), QPointF(230, 122), 12,
             QColor(120, 120, 120, 150));
    p.save();
    clipTo(p, tail);
    backdrop::stroke(p, curve(QPointF(264, 90), QPointF(272, 122), QPointF(264, 156)), band, 5.0);
    p.restore();

    const QPainterPath dorsal = backdrop::smoothClosedPath({{98, 80},
                                                            {120, 48},
                                                            {164, 32},
                                                            {206, 40},
                                                            {236, 62},
                                                            {246, 96},
                                                            {230, 100},
                                                            {212, 76},
                                                            {180, 62},
                                                            {130, 66}});
    const QPainterPath anal = backdrop::smoothClosedPath({{150, 180},
                                                          {180, 202},
                                                          {214, 200},
                                                          {238, 176},
                                                          {244, 144},
                                                          {228, 140},
                                                          {206, 164},
                                                          {178, 178}});
    paintFin(p, dorsal, QColor(238, 236, 230, 240), QPointF(170, 120), 18,
             QColor(110, 110, 110, 150));
    paintFin(p, anal, QColor(238, 236, 230, 240), QPointF(190, 130), 11,
             QColor(110, 110, 110, 150));

    const QPainterPath body = backdrop::smoothClosedPath({{52, 124},
                                                          {58, 116},
                                                          {72, 102},
                                                          {96, 78},
                                                          {130, 62},
                                                          {170, 58},
                                                          {204, 68},
                                                          {226, 88},
                                                          {240, 110},
                                                          {242, 122},
                                                          {238, 136},
                                                          {222, 158},
                                                          {198, 176},
                                                          {166, 184},
                                                          {132, 180},
                                                          {104, 166},
                                                          {80, 150},
                                                          {64, 136}});
    paintBody(p, body, QColor(224, 224, 220), QColor(250, 250, 246), QColor(236, 236, 232));
    // Fine chevron lines give the white body its texture.
    p.save();
    clipTo(p, body);
    for (int i = 0; i < 16; ++i) {
        const double x = 84 + i * 10.0;
        backdrop::stroke(p, curve(QPointF(x - 10, 50), QPointF(x + 10, 122), QPointF(x - 10, 194)),
                         QColor(150, 150, 150, 90), 0.7);
    }
    p.restore();

    // The three broad bands: through the eye, mid-body, and over the rear body into the soft fins.
    const QPainterPath all = body.united(dorsal).united(anal);
    p.save();
    clipTo(p, all);
    const QPainterPath eyeBand = backdrop::smoothClosedPath(
        {{80, 70}, {98, 66}, {102, 120}, {96, 170}, {78, 170}, {82, 120}});
    const QPainterPath midBand = backdrop::smoothClosedPath(
        {{132, 40}, {160, 38}, {156, 120}, {150, 200}, {124, 196}, {130, 120}});
    const QPainterPath rearBand = backdrop::smoothClosedPath(
        {{192, 30}, {220, 36}, {208, 120}, {214, 210}, {186, 206}, {182, 120}});
    for (const QPainterPath &b : {eyeBand, midBand, rearBand})
        fillPath(p, b, band);
    p.restore();
    // Dark submarginal line on the soft fins, white rim outside it.
    p.save();
    clipTo(p, dorsal.united(anal));
    backdrop::stroke(p, curve(QPointF(150, 32), QPointF(234, 30), QPointF(250, 100)), band, 4.0);
    backdrop::stroke(p, curve(QPointF(170, 206), QPointF(236, 200), QPointF(248, 140)), band, 4.0);
    p.restore();
    // A light rim only: a dark one would cut the fins off from this white body.
    roundOff(p, body, 25, 40);

    paintGillCover(p, QPointF(112, 80), QPointF(124, 122), QPointF(110, 166),
                   QColor(150, 150, 150, 180), 1.0);
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{114, 128}, {132, 116}, {154, 118}, {160, 130}, {140, 138}, {122, 140}});
    paintFin(p, pectoral, QColor(240, 240, 230, 150), QPointF(114, 128), 9,
             QColor(140, 140, 130, 150));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{106, 168}, {112, 192}, {124, 200}, {124, 184}, {116, 170}});
    paintFin(p, pelvic, QColor(240, 240, 230, 230), QPointF(108, 168), 5,
             QColor(140, 140, 130, 150));

    backdrop::stroke(p, curve(QPointF(53, 124), QPointF(56, 125), QPointF(60, 123)),
                     QColor(40, 40, 40), 1.2);
    backdrop::paintEye(p, QPointF(90, 102), 6.5, QColor(60, 50, 40));
}

// 40 Cowfish: box body with two horns over the eyes, orange-yellow scrawled with bright blue.
void paintFish40(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.3);
    backdrop::paintSand(p, QRectF(0, 0, kW, kH), 206);
    backdrop::paintSeaFan(p, QPointF(300, 226), 130, QColor(170, 80, 140));
    backdrop::paintCoralHead(p, QPointF(20, 226), 40, QColor(150, 140, 100));

    const QColor orange(250, 170, 40);
    const QColor orangeDeep(220, 120, 20);
    const QColor blue(50, 140, 250);

    // Only the tail stalk behind the rigid box can move.
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{242, 116}, {262, 96}, {290, 88}, {298, 124}, {290, 160}, {262, 152}, {242, 132}});
    paintFin(p, tail, QColor(250, 190, 80, 210), QPointF(238, 124), 12, QColor(180, 100, 20, 160));
    const QPainterPath stalk = backdrop::smoothClosedPath(
        {{204, 104}, {230, 112}, {248, 114}, {248, 134}, {230, 136}, {204, 146}});
    paintBody(p, stalk, orangeDeep, orange, QColor(255, 200, 100));
    paintSpots(p, stalk, 9, 1.0, 1.6, blue, 4042);
    const QPainterPath dorsal =
        backdrop::smoothClosedPath({{202, 100}, {212, 72}, {228, 74}, {226, 104}});
    paintFin(p, dorsal, QColor(250, 200, 90, 200), QPointF(206, 104), 6, QColor(180, 100, 20, 160));
    const QPainterPath anal =
        backdrop::smoothClosedPath({{202, 148}, {212, 174}, {228, 172}, {226, 142}});
    paintFin(p, anal, QColor(250, 200, 90, 200), QPointF(206, 144), 6, QColor(180, 100, 20, 160));

    // The far horn and the spine at the rear of the belly ridge stick out from behind the box.
    QPainterPath farHorn(QPointF(98, 76));
    farHorn.quadTo(QPointF(82, 62), QPointF(64, 46));
    farHorn.quadTo(QPointF(90, 62), QPointF(110, 74));
    farHorn.closeSubpath();
    fillPath(p, farHorn, orangeDeep.darker(120));
    QPainterPath rearSpine(QPointF(186, 162));
    rearSpine.quadTo(QPointF(212, 174), QPointF(236, 180));
    rearSpine.quadTo(QPointF(214, 168), QPointF(196, 156));
    rearSpine.closeSubpath();
    fillPath(p, rearSpine, orangeDeep);

    // A rigid box: steep face, straight back rising to a hump, flat belly, cut-off rear.
    const QPainterPath box = roundedPolygon({{46, 136},
                                             {56, 104},
                                             {80, 84},
                                             {148, 56},
                                             {214, 98},
                                             {218, 146},
                                             {188, 170},
                                             {74, 172},
                                             {50, 156}},
                                            16);
    paintBody(p, box, orangeDeep, orange, QColor(255, 212, 110));

    // Hexagonal plates of the carapace, faint.
    p.save();
    clipTo(p, box);
    p.setPen(QPen(QColor(170, 90, 10, 70), 0.8));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 14; ++row) {
        for (int col = 0; col < 18; ++col) {
            const QPointF c(44 + col * 12.0 + (row % 2) * 6.0, 50 + row * 10.4);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k)
                hex << c + QPointF(std::cos(kPi / 3 * k + kPi / 6),
                                   std::sin(kPi / 3 * k + kPi / 6)) *
                               7.0;
            p.drawPolygon(hex);
        }
    }
    p.restore();

    // Bright blue scrawls: wandering lines and spots, as on the scrawled cowfish.
    QRandomGenerator rng(40);
    p.save();
    clipTo(p, box);
    for (const QPointF &start : scatter(QRectF(40, 50, 184, 125), 24, 4040)) {
        if (!box.contains(start))
            continue;
        QPainterPath scrawl(start);
        QPointF at = start;
        double heading = rng.bounded(2 * kPi);
        double turn = rng.bounded(0.8) - 0.4;
        const int steps = 4 + rng.bounded(4);
        for (int k = 0; k < steps; ++k) {
            turn = std::clamp(turn + rng.bounded(0.5) - 0.25, -0.6, 0.6);
            heading += turn;
            const QPointF ctrl = at + QPointF(std::cos(heading), std::sin(heading)) * 5.0;
            heading += turn;
            at = ctrl + QPointF(std::cos(heading), std::sin(heading)) * 5.0;
            scrawl.quadTo(ctrl, at);
        }
        backdrop::stroke(p, scrawl, QColor(20, 90, 200), 2.6);
        backdrop::stroke(p, scrawl, QColor(70, 160, 255), 1.4);
    }
    paintSpots(p, box, 13, 1.1, 1.9, blue, 4041);
    p.restore();
    roundOff(p, box, 70, 50);
    // The ridges of the box catch the light.
    backdrop::stroke(p, curve(QPointF(84, 84), QPointF(120, 68), QPointF(148, 58)),
                     QColor(255, 230, 170, 120), 1.4);
    backdrop::stroke(p, curve(QPointF(80, 164), QPointF(130, 166), QPointF(186, 162)),
                     QColor(170, 80, 10, 120), 1.4);
    backdrop::stroke(p, box, QColor(160, 80, 10, 200), 0.9);

    // The near horn: a stout spine over the eye pointing forward.
    QPainterPath nearHorn(QPointF(78, 92));
    nearHorn.quadTo(QPointF(62, 74), QPointF(44, 58));
    nearHorn.quadTo(QPointF(74, 70), QPointF(100, 84));
    nearHorn.closeSubpath();
    fillPath(p, nearHorn,
             verticalShade(nearHorn.boundingRect(), orange.lighter(110), orange, orangeDeep));
    backdrop::stroke(p, nearHorn, QColor(150, 70, 10), 0.9);

    const QPainterPath pectoral =
        backdrop::smoothClosedPath({{122, 120}, {136, 108}, {154, 110}, {158, 124}, {140, 132}});
    paintFin(p, pectoral, QColor(255, 220, 140, 170), QPointF(122, 122), 8,
             QColor(180, 100, 20, 160));
    // Pursed little mouth at the front of the box.
    fillPath(p, ellipsePath(QPointF(46, 138), 4.5, 4), QColor(230, 120, 60));
    backdrop::stroke(p, curve(QPointF(43, 138), QPointF(46, 139), QPointF(49, 138)),
                     QColor(100, 40, 20), 1.0);
    backdrop::paintEye(p, QPointF(94, 102), 8, QColor(80, 150, 230));
}



// 43 Squirrelfish: red with silvery-white stripes, huge dark eye, spiny dorsal with yellow tips,
// forked tail.
void paintFish43(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.45);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 200);
    backdrop::paintCoralHead(p, QPointF(270, 222), 60, QColor(150, 130, 90));
    backdrop::paintSeaFan(p, QPointF(24, 214), 140, QColor(160, 80, 140));

    const QColor red(214, 50, 40);
    const QColor redDark(150, 24, 24);

    // Deeply forked tail, the upper lobe the longer.
    const QPainterPath tail = backdrop::smoothClosedPath({{236, 112},
                                                          {262, 90},
                                                          {302, 58},
                                                          {286, 100},
                                                          {272, 122},
                                                          {286, 144},
                                                          {298, 178},
                                                          {262, 150},
                                                          {236, 130}});
    paintFin(p, tail, QColor(220, 60, 50, 230), QPointF(232, 121), 14, QColor(110, 10, 10, 150));

    // Spiny dorsal: red membranes between stiff spines, each tipped yellow.
    const std::vector<QPointF> spineTips = {{104, 50}, {118, 38}, {132, 34}, {146, 34}, {160, 38},
                                            {172, 44}, {184, 52}, {194, 60}, {202, 70}};
    QPainterPath spiny(QPointF(100, 74));
    for (const QPointF &tip : spineTips) {
        spiny.lineTo(tip);
        spiny.lineTo(tip + QPointF(5, 10));
    }
    spiny.lineTo(QPointF(206, 80));
    spiny.closeSubpath();
    fillPath(p, spiny, QColor(200, 40, 36, 230));
    for (size_t i = 0; i < spineTips.size(); ++i) {
        const QPointF root(100 + i * 13.0, 78);
        backdrop::stroke(p,
                         QPainterPath(root) + curve(root, (root + spineTips[i]) / 2, spineTips[i]),
                         QColor(240, 200, 190), 1.0);
        fillPath(p, ellipsePath(spineTips[i] + QPointF(1.5, 3), 3.0, 3.5), QColor(255, 220, 40));
    }
    const QPainterPath softDorsal =
        backdrop::smoothClosedPath({{204, 80}, {214, 60}, {230, 62}, {240, 96}, {226, 100}});
    paintFin(p, softDorsal, QColor(220, 70, 60, 220), QPointF(206, 96), 8,
             QColor(110, 10, 10, 150));
    const QPainterPath anal =
        backdrop::smoothClosedPath({{196, 158}, {214, 176}, {232, 176}, {240, 146}, {218, 150}});
    paintFin(p, anal, QColor(220, 70, 60, 220), QPointF(200, 150), 8, QColor(110, 10, 10, 150));
    backdrop::stroke(p, curve(QPointF(198, 158), QPointF(208, 170), QPointF(220, 178)),
                     QColor(250, 220, 210), 1.6);

    const QPainterPath body = backdrop::smoothClosedPath({{40, 122},
                                                          {46, 104},
                                                          {64, 86},
                                                          {96, 74},
                                                          {140, 70},
                                                          {186, 76},
                                                          {220, 92},
                                                          {244, 110},
                                                          {248, 121},
                                                          {244, 132},
                                                          {220, 148},
                                                          {186, 160},
                                                          {140, 166},
                                                          {96, 160},
                                                          {64, 150},
                                                          {46, 138}});
    paintBody(p, body, redDark, red, QColor(240, 150, 140));

    // Silvery-white stripes along the sides, bowing with the body.
    p.save();
    clipTo(p, body);
    for (int i = 0; i < 7; ++i) {
        const double y = 88 + i * 10.0;
        const QPainterPath stripe = curve(QPointF(70, y + (122 - y) * 0.35), QPointF(150, y - 2),
                                          QPointF(250, y + (121 - y) * 0.6));
        backdrop::stroke(p, stripe, QColor(250, 236, 236, 190), 3.0);
    }
    p.restore();
    paintScales(p, body, 9, QColor(120, 10, 10, 110), 0.8);
    roundOff(p, body, 80, 50);

    paintGillCover(p, QPointF(92, 80), QPointF(112, 120), QPointF(90, 156),
                   QColor(110, 10, 10, 220), 1.4);
    // The sharp spine at the corner of the cheek.
    fillPath(p, polygon({{86, 148}, {112, 152}, {88, 156}}), QColor(250, 220, 210));

    const QPainterPath pectoral =
        backdrop::smoothClosedPath({{104, 126}, {124, 114}, {146, 116}, {152, 128}, {130, 136}});
    paintFin(p, pectoral, QColor(240, 120, 100, 180), QPointF(104, 126), 9,
             QColor(110, 10, 10, 150));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{100, 160}, {112, 182}, {124, 186}, {120, 168}});
    paintFin(p, pelvic, QColor(230, 90, 80, 220), QPointF(102, 160), 5, QColor(110, 10, 10, 150));

    backdrop::stroke(p, curve(QPointF(41, 124), QPointF(50, 128), QPointF(60, 126)),
                     QColor(100, 10, 10), 1.3);
    // The very large night eye: dark and red-rimmed.
    fillPath(p, ellipsePath(QPointF(78, 106), 17, 16), QColor(180, 30, 30));
    backdrop::paintEye(p, QPointF(78, 106), 14.5, QColor(120, 30, 30));
}

// 44 Nassau Grouper: heavy, big mouth, rounded tail; tan with five bars, eye bar, tuning fork,
// black saddle.
void paintFish44(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.45);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 196);
    backdrop::paintCoralHead(p, QPointF(296, 210), 46, QColor(150, 140, 100));
    backdrop::paintSeaFan(p, QPointF(16, 206), 140, QColor(150, 70, 140));

    const QColor tan(218, 196, 156);
    const QColor bar(96, 64, 42);

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{238, 108}, {262, 94}, {288, 94}, {298, 124}, {288, 154}, {262, 152}, {238, 136}});
    paintFin(p, tail, QColor(196, 168, 128, 235), QPointF(234, 122), 14, QColor(90, 60, 40, 160));
    const QPainterPath dorsal = backdrop::smoothClosedPath({{96, 64},
                                                            {112, 50},
                                                            {140, 48},
                                                            {160, 56},
                                                            {182, 52},
                                                            {214, 58},
                                                            {236, 78},
                                                            {242, 100},
                                                            {226, 96},
                                                            {190, 78},
                                                            {140, 68}});
    paintFin(p, dorsal, QColor(196, 168, 128, 235), QPointF(170, 120), 20, QColor(90, 60, 40, 160));
    const QPainterPath anal =
        backdrop::smoothClosedPath({{180, 168}, {204, 188}, {230, 178}, {240, 148}, {216, 156}});
    paintFin(p, anal, QColor(196, 168, 128, 235), QPointF(196, 156), 8, QColor(90, 60, 40, 160));

    const QPainterPath body = backdrop::smoothClosedPath({{22, 134},
                                                          {30, 112},
                                                          {54, 88},
                                                          {90, 70},
                                                          {140, 64},
                                                          {190, 72},
                                                          {226, 90},
                                                          {244, 110},
                                                          {248, 122},
                                                          {244, 136},
                                                          {224, 152},
                                                          {188, 168},
                                                          {140, 178},
                                                          {90, 178},
                                                          {52, 166},
                                                          {30, 150}});
    const QPainterPath all = body.united(dorsal).united(anal);
    paintBody(p, body, QColor(180, 154, 114), tan, QColor(238, 226, 200));

    // Five dark bars with ragged edges, slanting slightly and running up into the dorsal fin.
    QRandomGenerator rng(44);
    p.save();
    clipTo(p, all);
    const double xs[] = {108, 142, 174, 204, 230};
    const double widths[] = {15, 14, 13, 11, 9};
    for (int i = 0; i < 5; ++i) {
        std::vector<QPointF> ring;
        const double half = widths[i] / 2;
        for (double y = 40; y <= 190; y += 15)
            ring.emplace_back(xs[i] + half + rng.bounded(4.0) - 2 - (y - 120) * 0.08, y);
        for (double y = 190; y >= 40; y -= 15)
            ring.emplace_back(xs[i] - half + rng.bounded(4.0) - 2 - (y - 120) * 0.08, y);
        fillPath(p, backdrop::smoothClosedPath(ring.data(), int(ring.size())),
                 backdrop::withAlpha(bar, 200));
    }
    // Bar through the eye, from the corner of the mouth up to the nape.
    fillPath(p,
             backdrop::smoothClosedPath({{34, 126},
                                         {52, 110},
                                         {74, 94},
                                         {100, 76},
                                         {108, 84},
                                         {80, 104},
                                         {58, 118},
                                         {40, 130}}),
             backdrop::withAlpha(bar, 225));
    // The "tuning fork": a stripe up the snout that splits into two prongs on the forehead.
    backdrop::stroke(p, curve(QPointF(30, 114), QPointF(38, 102), QPointF(50, 92)),
                     backdrop::withAlpha(bar, 235), 4.2);
    backdrop::stroke(p, curve(QPointF(50, 92), QPointF(66, 76), QPointF(92, 68)),
                     backdrop::withAlpha(bar, 235), 3.4);
    backdrop::stroke(p, curve(QPointF(50, 92), QPointF(70, 88), QPointF(94, 80)),
                     backdrop::withAlpha(bar, 235), 3.4);
    p.restore();

    // Black saddle on top of the narrow part before the tail.
    p.save();
    clipTo(p, body);
    fillPath(p, ellipsePath(QPointF(238, 106), 11, 9), QColor(14, 10, 8));
    p.restore();
    paintScales(p, body, 6, QColor(120, 90, 60, 70), 0.5);
    // Pale spots break up the bars, and fine dark dots sit round the eye.
    paintSpots(p, body, 11, 0.8, 1.4, QColor(250, 240, 220, 110), 4401);
    paintSpots(p, body.intersected(ellipsePath(QPointF(72, 116), 30, 20)), 6, 0.6, 1.1,
               QColor(60, 40, 25), 44);
    roundOff(p, body, 80, 45);

    // A big mouth with the lower jaw jutting.
    backdrop::stroke(p, curve(QPointF(22, 134), QPointF(44, 140), QPointF(66, 134)),
                     QColor(70, 40, 30), 1.8);
    fillPath(p,
             backdrop::smoothClosedPath(
                 {{20, 136}, {30, 140}, {50, 146}, {64, 140}, {48, 150}, {26, 146}}),
             QColor(206, 178, 146));
    paintGillCover(p, QPointF(96, 78), QPointF(118, 124), QPointF(90, 170), QColor(90, 60, 40, 200),
                   1.4);
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{108, 130}, {130, 114}, {158, 116}, {168, 134}, {146, 146}, {118, 146}});
    paintFin(p, pectoral, QColor(214, 190, 154, 200), QPointF(108, 130), 10,
             QColor(90, 60, 40, 160));
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{100, 172}, {112, 194}, {128, 200}, {124, 180}});
    paintFin(p, pelvic, QColor(140, 100, 70, 220), QPointF(102, 172), 6, QColor(60, 40, 25, 160));

    backdrop::paintEye(p, QPointF(68, 100), 7.5, QColor(180, 140, 70));
}

// 45 Spotted Jewfish: a massive grouper, broad flat head, small eyes, rounded fins, small black
// spots everywhere.
void paintFish45(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.55);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 210);

    // A few tiny reef fish behind show how big the giant is.
    for (const QPointF at :
         {QPointF(252, 28), QPointF(270, 36), QPointF(262, 18), QPointF(284, 26)}) {
        const QPainterPath minnow = backdrop::smoothClosedPath(
            {at + QPointF(-6, 0), at + QPointF(0, -2), at + QPointF(6, 0), at + QPointF(9, -2),
             at + QPointF(9, 2), at + QPointF(6, 0), at + QPointF(0, 2)});
        fillPath(p, minnow, QColor(170, 200, 220, 170));
    }

    const QColor olive(150, 130, 78);

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{262, 104}, {286, 86}, {310, 90}, {316, 128}, {310, 166}, {286, 168}, {262, 150}});
    paintFin(p, tail, QColor(130, 112, 70, 240), QPointF(256, 127), 14, QColor(60, 50, 30, 160));
    const QPainterPath dorsal = backdrop::smoothClosedPath({{96, 56},
                                                            {120, 44},
                                                            {160, 40},
                                                            {190, 44},
                                                            {220, 40},
                                                            {250, 56},
                                                            {266, 86},
                                                            {262, 106},
                                                            {240, 94},
                                                            {200, 70},
                                                            {150, 60}});
    paintFin(p, dorsal, QColor(134, 116, 72, 240), QPointF(190, 130), 22, QColor(60, 50, 30, 150));
    const QPainterPath anal = backdrop::smoothClosedPath(
        {{196, 176}, {216, 204}, {244, 204}, {262, 170}, {250, 156}, {222, 168}});
    paintFin(p, anal, QColor(134, 116, 72, 240), QPointF(214, 164), 9, QColor(60, 50, 30, 150));

    // Broad, flat-topped head and a deep, heavy body that nearly fills the plate.
    const QPainterPath body = backdrop::smoothClosedPath({{8, 130},
                                                          {12, 110},
                                                          {24, 96},
                                                          {70, 78},
                                                          {120, 62},
                                                          {180, 62},
                                                          {230, 78},
                                                          {260, 100},
                                                          {268, 126},
                                                          {260, 152},
                                                          {232, 170},
                                                          {184, 186},
                                                          {130, 192},
                                                          {74, 188},
                                                          {36, 174},
                                                          {14, 154}});
    paintBody(p, body, QColor(112, 96, 56), olive, QColor(196, 180, 130));

    // Faint dark blotches slanting across the side.
    p.save();
    clipTo(p, body.united(dorsal).united(anal));
    for (int i = 0; i < 5; ++i) {
        const double x = 96 + i * 36.0;
        fillPath(p,
                 backdrop::smoothClosedPath({{x - 6, 50},
                                             {x + 12, 50},
                                             {x + 6, 130},
                                             {x - 2, 200},
                                             {x - 20, 200},
                                             {x - 12, 130}}),
                 QColor(70, 56, 30, 60));
    }
    p.restore();
    paintScales(p, body, 6, QColor(80, 66, 36, 60), 0.5);

    // Small black spots over head, body and fins alike.
    const QPainterPath spotted = body.united(dorsal).united(anal).united(tail);
    paintSpots(p, spotted, 8, 0.9, 1.6, QColor(24, 20, 14), 45);
    roundOff(p, body, 90, 40);

    // A wide, heavy mouth.
    backdrop::stroke(p, curve(QPointF(9, 134), QPointF(36, 142), QPointF(70, 136)),
                     QColor(50, 40, 25), 2.0);
    fillPath(p,
             backdrop::smoothClosedPath(
                 {{8, 136}, {20, 144}, {50, 150}, {70, 140}, {54, 156}, {22, 154}}),
             QColor(170, 150, 100));
    paintGillCover(p, QPointF(98, 72), QPointF(122, 128), QPointF(94, 182), QColor(60, 50, 30, 200),
                   1.6);

    // Rounded pectoral and pelvic fins, spotted like the rest.
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{114, 136}, {136, 118}, {166, 118}, {180, 138}, {164, 158}, {130, 156}});
    paintFin(p, pectoral, QColor(150, 130, 84, 220), QPointF(114, 136), 11,
             QColor(60, 50, 30, 160));
    paintSpots(p, pectoral, 8, 0.8, 1.3, QColor(24, 20, 14), 4545);
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{100, 184}, {110, 210}, {132, 216}, {136, 196}, {120, 186}});
    paintFin(p, pelvic, QColor(130, 110, 66, 230), QPointF(102, 184), 7, QColor(60, 50, 30, 160));
    paintSpots(p, pelvic, 7, 0.8, 1.3, QColor(24, 20, 14), 4546);

    // Small eye set high on the broad head.
    backdrop::paintEye(p, QPointF(60, 96), 5.0, QColor(160, 130, 60));
}


// 47 Rainbow Parrotfish: bronze-orange front, green rear, green beak and fins, long tail lobes.
void paintFish47(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.3);
    backdrop::paintSand(p, QRectF(0, 0, kW, kH), 214);
    backdrop::paintCoralHead(p, QPointF(36, 230), 40, QColor(160, 150, 100));
    backdrop::paintSeaFan(p, QPointF(300, 230), 110, QColor(160, 80, 140));

    const QColor green(40, 166, 84);
    const QColor greenDark(18, 112, 60);
    const QColor bronze(214, 118, 38);
    const QColor finRay(10, 70, 40, 150);

    // Lunate tail whose upper and lower lobes stream out into long points.
    const QPainterPath tail = backdrop::smoothClosedPath({{246, 112},
                                                          {270, 90},
                                                          {292, 58},
                                                          {316, 34},
                                                          {292, 90},
                                                          {282, 123},
                                                          {292, 156},
                                                          {316, 212},
                                                          {292, 188},
                                                          {270, 156},
                                                          {246, 134}});
    paintFin(p, tail, verticalShade(tail.boundingRect(), greenDark, green, greenDark),
             QPointF(242, 123), 16, finRay);

    const QPainterPath dorsal = backdrop::smoothClosedPath({{84, 62},
                                                            {104, 46},
                                                            {150, 40},
                                                            {200, 46},
                                                            {236, 68},
                                                            {250, 98},
                                                            {236, 94},
                                                            {204, 72},
                                                            {156, 58},
                                                            {110, 58}});
    const QPainterPath anal = backdrop::smoothClosedPath(
        {{156, 182}, {190, 192}, {226, 182}, {246, 150}, {232, 152}, {204, 168}, {176, 178}});
    paintFin(p, dorsal, QColor(50, 176, 96, 235), QPointF(160, 110), 22, finRay);
    paintFin(p, anal, QColor(50, 176, 96, 235), QPointF(200, 150), 10, finRay);

    // Bigger and blunter than the stoplight: the forehead rises steeply from the beak.
    const QPainterPath body = backdrop::smoothClosedPath({{32, 134},
                                                          {34, 110},
                                                          {44, 86},
                                                          {64, 66},
                                                          {100, 54},
                                                          {150, 50},
                                                          {200, 58},
                                                          {234, 80},
                                                          {252, 104},
                                                          {256, 122},
                                                          {252, 138},
                                                          {234, 156},
                                                          {200, 174},
                                                          {156, 186},
                                                          {110, 188},
                                                          {70, 178},
                                                          {44, 160}});

    // Bronze-orange head and front half, green rear half.
    QLinearGradient colour(QPointF(40, 0), QPointF(256, 0));
    colour.setColorAt(0.0, bronze.darker(108));
    colour.setColorAt(0.42, bronze);
    colour.setColorAt(0.56, QColor(160, 136, 56));
    colour.setColorAt(0.68, green);
    colour.setColorAt(1.0, greenDark);
    fillPath(p, body, colour);
    QLinearGradient depth(QPointF(0, 50), QPointF(0, 188));
    depth.setColorAt(0, QColor(40, 20, 0, 90));
    depth.setColorAt(0.5, QColor(0, 0, 0, 0));
    depth.setColorAt(1, QColor(255, 230, 180, 60));
    fillPath(p, body, depth);
    paintScales(p, body, 13, QColor(60, 40, 10, 140), 1.0);
    paintScales(p, body, 13, QColor(255, 230, 170, 50), 0.6);
    roundOff(p, body, 80, 45);

    paintGillCover(p, QPointF(104, 66), QPointF(122, 116), QPointF(100, 168),
                   QColor(120, 60, 10, 200), 1.4);
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{106, 128}, {126, 112}, {152, 110}, {168, 120}, {150, 132}, {126, 138}});
    paintFin(p, pectoral, QColor(60, 176, 100, 210), QPointF(106, 126), 9, finRay);
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{108, 178}, {120, 200}, {132, 208}, {134, 192}, {124, 180}});
    paintFin(p, pelvic, QColor(60, 176, 100, 230), QPointF(108, 178), 5, finRay);

    paintBeak(p, QPointF(30, 132), 16, QColor(50, 180, 110));
    backdrop::paintEye(p, QPointF(78, 96), 7.5, QColor(240, 170, 60));
}

} // namespace legacy
