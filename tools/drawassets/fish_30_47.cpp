#include "backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
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

QPainterPath curve(QPointF a, QPointF c1, QPointF c2, QPointF b)
{
    QPainterPath path(a);
    path.cubicTo(c1, c2, b);
    return path;
}


// Tapered outline around a centre line; used for the long bodies (seahorse tail, trumpetfish).
QPainterPath taperedBody(const std::vector<QPointF> &spine, const std::vector<double> &widths)
{
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    const size_t n = spine.size();
    for (size_t i = 0; i < n; ++i) {
        const QPointF a = spine[i == 0 ? 0 : i - 1];
        const QPointF b = spine[i + 1 < n ? i + 1 : n - 1];
        QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        d /= (len > 0 ? len : 1.0);
        const QPointF normal(-d.y(), d.x());
        left.push_back(spine[i] + normal * widths[i] / 2.0);
        right.push_back(spine[i] - normal * widths[i] / 2.0);
    }
    std::vector<QPointF> ring(left);
    ring.insert(ring.end(), right.rbegin(), right.rend());
    return backdrop::smoothClosedPath(ring.data(), int(ring.size()));
}

void paintGillCover(QPainter &p, QPointF top, QPointF bulge, QPointF bottom, const QColor &colour,
                    double width = 1.1)
{
    backdrop::stroke(p, curve(top, bulge, bottom), colour, width);
}


// Soft-coral sea rods: bendy, knobbly stems where a trumpetfish hides.
void paintSeaRods(QPainter &p, QPointF base, double height, const QColor &colour, quint32 seed)
{
    QRandomGenerator rng(seed);
    for (int stem = 0; stem < 4; ++stem) {
        const double lean = rng.bounded(70.0) - 35.0;
        const QPointF top = base + QPointF(lean, -height * (0.65 + rng.bounded(0.35)));
        QPainterPath rod(base);
        rod.cubicTo(base + QPointF(lean * 0.1 + rng.bounded(20.0) - 10, -height * 0.4),
                    top + QPointF(rng.bounded(24.0) - 12, height * 0.3), top);
        backdrop::stroke(p, rod, colour.darker(140), 6.5);
        backdrop::stroke(p, rod, colour, 4.8);
        for (int k = 2; k < 40; ++k) {
            const QPointF q = rod.pointAtPercent(k / 40.0) +
                              QPointF(rng.bounded(3.0) - 1.5, rng.bounded(3.0) - 1.5);
            fillPath(p, ellipsePath(q, 1.1, 1.1), colour.lighter(150));
        }
    }
}

} // namespace

namespace legacy {



// 32 Spotted Eagle Ray: seen from above, gliding; dark back covered with white spots and rings.
void paintFish32(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.25);

    p.save();
    p.translate(152, 104);
    p.rotate(-14);

    // The tail trails far behind: thin, whip-like and longer than the body.
    QPainterPath tailPath(QPointF(0, 50));
    tailPath.cubicTo(QPointF(4, 120), QPointF(-10, 190), QPointF(20, 260));
    backdrop::stroke(p, tailPath, QColor(18, 24, 40), 3.2);
    backdrop::stroke(p, tailPath, QColor(50, 60, 90), 1.0);
    fillPath(p, polygon({{-2, 60}, {0, 82}, {3, 60}}), QColor(80, 80, 90));

    // Wings begin behind the head, sweep out to sharp tips and have a hollow trailing edge.
    const QPainterPath disc = backdrop::smoothClosedPath(
        {{0, -50},   {20, -48},  {46, -34},  {92, -12},  {138, 10},  {156, 22}, {120, 22},
         {76, 26},   {40, 38},   {20, 54},   {0, 60},    {-20, 54},  {-40, 38}, {-76, 26},
         {-120, 22}, {-156, 22}, {-138, 10}, {-92, -12}, {-46, -34}, {-20, -48}});
    // The white belly shows along the banked lower wing edge.
    fillPath(p, disc.translated(0, 4), QColor(236, 240, 244));

    const QPainterPath pelvics = backdrop::smoothClosedPath(
        {{-12, 46}, {-18, 64}, {-6, 66}, {0, 56}, {6, 66}, {18, 64}, {12, 46}});
    fillPath(p, pelvics, QColor(20, 28, 48));

    QLinearGradient back(QPointF(0, -60), QPointF(0, 50));
    back.setColorAt(0, QColor(30, 44, 74));
    back.setColorAt(0.5, QColor(22, 32, 58));
    back.setColorAt(1, QColor(14, 20, 38));
    fillPath(p, disc, back);

    // Raised centre of the body between the wings.
    const QPainterPath ridge = backdrop::smoothClosedPath(
        {{0, -46}, {16, -30}, {22, 4}, {14, 40}, {0, 52}, {-14, 40}, {-22, 4}, {-16, -30}});
    QRadialGradient ridgeShade(QPointF(0, -10), 40);
    ridgeShade.setColorAt(0, QColor(60, 78, 112, 160));
    ridgeShade.setColorAt(1, QColor(60, 78, 112, 0));
    fillPath(p, ridge, ridgeShade);

    // White spots and rings, growing larger out on the wings.
    QRandomGenerator rng(32);
    p.save();
    clipTo(p, disc);
    for (const QPointF &pt : scatter(QRectF(-156, -60, 312, 120), 11, 3232)) {
        if (!disc.contains(pt))
            continue;
        const double r = 1.4 + rng.bounded(2.2) + std::min(std::abs(pt.x()), 80.0) / 80.0;
        if (rng.bounded(4) == 0 && r > 2.8) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(235, 240, 245), 1.3));
            p.drawEllipse(pt, r, r);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(235, 240, 245));
            p.drawEllipse(pt, r * 0.8, r * 0.8);
        }
    }
    p.restore();
    backdrop::stroke(p, disc, QColor(8, 12, 24, 200), 0.8);

    // The head stands out in front of the wings: wide at the eyes, then the flat rounded duck-bill
    // snout.
    const QPainterPath head = backdrop::smoothClosedPath({{0, -86},
                                                          {8, -85},
                                                          {12, -78},
                                                          {14, -66},
                                                          {19, -57},
                                                          {19, -47},
                                                          {10, -40},
                                                          {0, -39},
                                                          {-10, -40},
                                                          {-19, -47},
                                                          {-19, -57},
                                                          {-14, -66},
                                                          {-12, -78},
                                                          {-8, -85}});
    QLinearGradient headShade(QPointF(0, -90), QPointF(0, -38));
    headShade.setColorAt(0, QColor(40, 54, 86));
    headShade.setColorAt(1, QColor(28, 40, 68));
    fillPath(p, head, headShade);
    // A soft sheen along the top of the bill shows it is rounded, not flat.
    QRadialGradient billSheen(QPointF(0, -74), 12);
    billSheen.setColorAt(0, QColor(120, 140, 180, 90));
    billSheen.setColorAt(1, QColor(120, 140, 180, 0));
    fillPath(p, head, billSheen);
    backdrop::stroke(p, head, QColor(10, 14, 26), 0.8);
    for (int side : {-1, 1}) {
        const QPointF eye(side * 19, -53);
        fillPath(p, ellipsePath(eye, 4.4, 4.0), QColor(40, 52, 84));
        backdrop::paintEye(p, eye + QPointF(side * 1.0, 0), 2.8, QColor(150, 140, 90));
    }
    p.restore();
}





// 37 Longnosed Seahorse: upright, long tube snout, ringed trunk, tail curled round a sea whip.
void paintFish37(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.35);
    backdrop::paintSand(p, QRectF(0, 0, kW, kH), 222);
    backdrop::paintSeaFan(p, QPointF(40, 236), 160, QColor(150, 70, 130));
    backdrop::paintSeaFan(p, QPointF(286, 236), 120, QColor(120, 60, 150));

    // Drawn at a comfortable size, then enlarged so the seahorse fills the plate.
    p.save();
    p.translate(146, 120);
    p.scale(1.14, 1.14);
    p.translate(-146, -120);

    // The sea whip the tail holds on to.
    const QPainterPath whip =
        curve(QPointF(196, 240), QPointF(186, 160), QPointF(206, 80), QPointF(196, 12));
    backdrop::stroke(p, whip, QColor(120, 40, 60), 6.0);
    backdrop::stroke(p, whip, QColor(200, 80, 90), 3.6);

    const QColor yellow(250, 186, 50);
    const QColor orange(228, 120, 30);

    const std::vector<QPointF> spine = {{150, 72},  {146, 92},  {142, 114}, {144, 138},
                                        {150, 160}, {160, 178}, {172, 192}, {186, 200},
                                        {200, 200}, {208, 190}, {204, 180}, {194, 180}};
    const std::vector<double> widths = {28, 38, 44, 42, 34, 24, 17, 12, 9, 7, 5, 3};
    const QPainterPath trunk = taperedBody(spine, widths);

    // Dorsal fin on the lower back, fanned and translucent.
    const QPainterPath dorsal =
        backdrop::smoothClosedPath({{162, 124}, {180, 116}, {186, 134}, {178, 154}, {164, 152}});
    paintFin(p, dorsal, QColor(255, 220, 120, 170), QPointF(160, 138), 10,
             QColor(200, 120, 30, 160));

    QLinearGradient bodyShade(QPointF(120, 0), QPointF(180, 0));
    bodyShade.setColorAt(0, yellow.lighter(115));
    bodyShade.setColorAt(0.6, yellow);
    bodyShade.setColorAt(1, orange);
    fillPath(p, trunk, bodyShade);

    // Head: crown, snout tube and cheek, joined to the top of the trunk.
    const QPainterPath head = backdrop::smoothClosedPath({{152, 44},
                                                          {160, 52},
                                                          {162, 68},
                                                          {154, 80},
                                                          {140, 82},
                                                          {128, 74},
                                                          {108, 70},
                                                          {80, 70},
                                                          {74, 66},
                                                          {80, 61},
                                                          {106, 60},
                                                          {126, 52},
                                                          {138, 42}});
    QLinearGradient headShade(QPointF(0, 40), QPointF(0, 84));
    headShade.setColorAt(0, orange);
    headShade.setColorAt(0.5, yellow);
    headShade.setColorAt(1, yellow.lighter(110));
    fillPath(p, head, headShade);
    const QPainterPath coronet = polygon({{138, 46},
                                          {139, 33},
                                          {143, 38},
                                          {146, 26},
                                          {149, 36},
                                          {153, 29},
                                          {154, 40},
                                          {158, 36},
                                          {157, 50}});
    fillPath(p, coronet, verticalShade(coronet.boundingRect(), orange.darker(110), orange, yellow));
    backdrop::stroke(p, coronet, QColor(150, 70, 10), 0.7);

    // Bony rings across the trunk and tail.
    p.save();
    clipTo(p, trunk);
    for (size_t i = 0; i + 1 < spine.size(); ++i) {
        for (int k = 0; k < 3; ++k) {
            const double t = k / 3.0;
            const QPointF c = spine[i] * (1 - t) + spine[i + 1] * t;
            QPointF d = spine[i + 1] - spine[i];
            d /= std::hypot(d.x(), d.y());
            const QPointF n(-d.y(), d.x());
            const double half = (widths[i] * (1 - t) + widths[i + 1] * t) / 2 + 2;
            backdrop::stroke(p, curve(c + n * half, c + d * 2.0, c - n * half),
                             QColor(170, 90, 20, 150), 0.9);
        }
    }
    p.restore();
    paintSpots(p, trunk.united(head), 6, 0.5, 1.0, QColor(90, 40, 10), 37);
    roundOff(p, trunk, 70, 50);
    backdrop::stroke(p, trunk, QColor(160, 80, 10), 0.8);
    backdrop::stroke(p, head, QColor(160, 80, 10), 0.8);

    // Knobs along the back and belly edge.
    for (size_t i = 1; i + 2 < spine.size(); ++i) {
        QPointF d = spine[i + 1] - spine[i - 1];
        d /= std::hypot(d.x(), d.y());
        const QPointF n(-d.y(), d.x());
        for (int side : {-1, 1}) {
            const QPointF knob = spine[i] + n * (side * widths[i] / 2.0);
            fillPath(p, ellipsePath(knob, 1.8, 1.8), orange.darker(110));
        }
    }

    // Where the tail's lower coil passes behind the whip, the whip is drawn over it again.
    p.save();
    clipTo(p, polygon({{170, 190}, {215, 190}, {215, 208}, {170, 208}}));
    backdrop::stroke(p, whip, QColor(120, 40, 60), 6.0);
    backdrop::stroke(p, whip, QColor(200, 80, 90), 3.6);
    p.restore();

    const QPainterPath pectoral =
        backdrop::smoothClosedPath({{158, 70}, {170, 64}, {172, 78}, {162, 80}});
    paintFin(p, pectoral, QColor(255, 220, 120, 170), QPointF(156, 74), 5,
             QColor(200, 120, 30, 160));
    backdrop::stroke(p, curve(QPointF(148, 58), QPointF(152, 70), QPointF(144, 80)),
                     QColor(160, 80, 10, 180), 1.0);
    backdrop::stroke(p, curve(QPointF(75, 66), QPointF(78, 65), QPointF(80, 64)), QColor(60, 20, 0),
                     1.2);
    backdrop::paintEye(p, QPointF(134, 58), 5.5, QColor(230, 150, 40));
    p.restore();
}




// 41 Flounder: peacock flounder from above, lying on sand, covered with bright blue rings and
// spots.
void paintFish41(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    // Looking straight down: the sand's far edge is pushed out of the picture.
    backdrop::paintSand(p, QRectF(0, -170, kW, kH + 170), -170);

    p.save();
    p.translate(160, 124);
    p.rotate(-8);

    const QPainterPath outer = backdrop::smoothClosedPath({{-128, -4},
                                                           {-118, -40},
                                                           {-80, -72},
                                                           {-20, -86},
                                                           {40, -80},
                                                           {90, -54},
                                                           {112, -20},
                                                           {116, 0},
                                                           {112, 20},
                                                           {90, 54},
                                                           {40, 80},
                                                           {-20, 86},
                                                           {-80, 72},
                                                           {-118, 40}});
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{108, -14}, {130, -30}, {148, -26}, {152, 0}, {148, 26}, {130, 30}, {108, 14}});
    // Its shadow on the sand sells that it lies flat.
    fillPath(p, outer.united(tail).translated(4, 5), QColor(120, 100, 70, 70));

    const QColor sand(214, 196, 156);
    const QColor sandDark(168, 146, 108);
    const QColor ringDark(30, 90, 190);
    const QColor ringBright(80, 170, 255);

    paintFin(p, tail, QColor(200, 180, 140, 230), QPointF(104, 0), 14, QColor(120, 96, 60, 150));
    paintFin(p, outer, QColor(206, 186, 146, 235), QPointF(0, 0), 90, QColor(120, 96, 60, 110));
    const QPainterPath disc = backdrop::smoothClosedPath({{-116, -4},
                                                          {-104, -34},
                                                          {-70, -60},
                                                          {-20, -70},
                                                          {36, -64},
                                                          {80, -42},
                                                          {100, -14},
                                                          {104, 0},
                                                          {100, 14},
                                                          {80, 42},
                                                          {36, 64},
                                                          {-20, 70},
                                                          {-70, 60},
                                                          {-104, 34}});
    QRadialGradient discShade(QPointF(-10, -10), 120);
    discShade.setColorAt(0, sand.lighter(108));
    discShade.setColorAt(0.8, sand);
    discShade.setColorAt(1, sandDark);
    fillPath(p, disc, discShade);
    // Mottling that blends the fish with the sand, and the two dark smudges on its lateral line.
    paintSpots(p, disc, 14, 3, 7, QColor(150, 126, 88, 80), 4101);
    paintSpots(p, disc, 10, 1, 3, QColor(250, 240, 210, 90), 4102);
    for (const QPointF smudge : {QPointF(-6, 2), QPointF(56, 0)}) {
        QRadialGradient g(smudge, 11);
        g.setColorAt(0, QColor(70, 54, 36, 170));
        g.setColorAt(1, QColor(70, 54, 36, 0));
        fillPath(p, ellipsePath(smudge, 11, 9), g);
    }
    paintSpots(p, outer.subtracted(disc), 8, 1.0, 1.8, ringBright, 4103);

    // Bright blue rings of many sizes, some with a spot inside, and blue dots between.
    QRandomGenerator rng(41);
    p.save();
    clipTo(p, disc);
    for (const QPointF &pt : scatter(QRectF(-116, -70, 220, 140), 14, 4141)) {
        if (!disc.contains(pt) || (pt.x() < -70 && std::abs(pt.y()) < 24))
            continue;
        const double r = 2.0 + rng.bounded(4.5);
        const int kind = rng.bounded(5);
        if (kind < 3) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ringDark, 2.2));
            p.drawEllipse(pt, r, r * 0.85);
            p.setPen(QPen(ringBright, 1.2));
            p.drawEllipse(pt, r, r * 0.85);
            if (kind == 0 && r > 4) {
                p.setPen(Qt::NoPen);
                p.setBrush(ringBright);
                p.drawEllipse(pt, 1.2, 1.2);
            }
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(ringBright);
            p.drawEllipse(pt, 1.0 + r * 0.2, 1.0 + r * 0.2);
        }
    }
    p.restore();
    // Blue dots crowd the head around the eyes.
    paintSpots(p, disc.intersected(ellipsePath(QPointF(-92, 0), 26, 30)), 5, 0.8, 1.3, ringBright,
               4104);
    backdrop::stroke(p, disc, QColor(140, 116, 80, 140), 0.8);

    // The long pectoral fin, raised and laid back, with faint cross bands.
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{-62, -22}, {-40, -34}, {0, -50}, {34, -58}, {4, -40}, {-52, -14}});
    paintFin(p, pectoral, QColor(196, 176, 136, 225), QPointF(-64, -18), 8,
             QColor(90, 70, 40, 170));
    p.save();
    clipTo(p, pectoral);
    for (int i = 0; i < 5; ++i)
        backdrop::stroke(
            p,
            curve(QPointF(-40 + i * 15, -70), QPointF(-36 + i * 15, -40), QPointF(-46 + i * 15, 0)),
            QColor(100, 76, 46, 110), 2.4);
    p.restore();

    // Both eyes on the upper side, set close together on short stalks.
    for (const QPointF eye : {QPointF(-92, -14), QPointF(-80, 6)}) {
        fillPath(p, ellipsePath(eye, 7, 6), QColor(190, 170, 130));
        backdrop::stroke(p, ellipsePath(eye, 7, 6), QColor(110, 90, 60), 0.8);
        backdrop::paintEye(p, eye, 4.6, QColor(120, 110, 80));
    }
    backdrop::stroke(p, curve(QPointF(-114, 6), QPointF(-108, 14), QPointF(-100, 14)),
                     QColor(90, 70, 50), 1.2);
    p.restore();
}

// 42 Trumpetfish: long stick body hanging head down among soft corals; tube snout, small fan tail.
void paintFish42(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    backdrop::paintWater(p, QRectF(0, 0, kW, kH), 0.35);
    backdrop::paintReefRock(p, QRectF(0, 0, kW, kH), 216);
    backdrop::paintSeaFan(p, QPointF(30, 228), 120, QColor(120, 80, 130));
    paintSeaRods(p, QPointF(232, 240), 200, QColor(130, 70, 110), 4201);
    paintSeaRods(p, QPointF(120, 240), 150, QColor(150, 110, 70), 4202);

    p.save();
    // Laid out horizontally, snout at x = 0, then stood on its head.
    p.translate(86, 234);
    p.rotate(-56);
    p.scale(0.87, 0.87);

    const QColor brown(170, 84, 50);
    const QColor brownDark(112, 52, 34);

    const QPainterPath tail = backdrop::smoothClosedPath(
        {{276, -5}, {296, -18}, {310, -14}, {312, 0}, {310, 14}, {296, 18}, {276, 5}});
    paintFin(p, tail, QColor(150, 80, 50, 225), QPointF(270, 0), 11, QColor(70, 30, 20, 160));
    const QPainterPath dorsal =
        backdrop::smoothClosedPath({{222, -12}, {244, -26}, {260, -22}, {256, -9}});
    const QPainterPath anal =
        backdrop::smoothClosedPath({{222, 12}, {244, 26}, {260, 22}, {256, 9}});
    paintFin(p, dorsal, QColor(176, 100, 62, 225), QPointF(218, -4), 8, QColor(70, 30, 20, 160));
    paintFin(p, anal, QColor(176, 100, 62, 225), QPointF(218, 4), 8, QColor(70, 30, 20, 160));

    const std::vector<QPointF> spine = {{0, 0},   {30, 0},  {62, 0},  {84, 0},  {104, 0}, {134, 0},
                                        {174, 0}, {214, 0}, {244, 0}, {268, 0}, {280, 0}};
    const std::vector<double> widths = {8, 9, 10, 16, 23, 28, 30, 27, 19, 12, 10};
    const QPainterPath body = taperedBody(spine, widths);
    paintBody(p, body, brownDark, brown, QColor(210, 140, 96));

    // Pale lengthwise lines and small dark spots.
    p.save();
    clipTo(p, body);
    for (double y : {-7.0, 0.0, 7.0})
        backdrop::stroke(p,
                         curve(QPointF(74, y * 0.6), QPointF(170, y * 1.2), QPointF(282, y * 0.5)),
                         QColor(240, 210, 170, 170), 1.4);
    p.restore();
    paintSpots(p, body.intersected(ellipsePath(QPointF(196, 0), 96, 20)), 8, 0.8, 1.5,
               QColor(50, 20, 10), 42);
    for (const QPointF spot : {QPointF(270, -3), QPointF(274, 3)})
        fillPath(p, ellipsePath(spot, 2.0, 2.0), QColor(30, 10, 5));
    roundOff(p, body, 90, 50);
    // Dark streak along the snout and the tiny chin barbel.
    backdrop::stroke(p, curve(QPointF(2, -1.5), QPointF(40, -2), QPointF(82, -4)),
                     QColor(70, 30, 20, 180), 1.1);
    backdrop::stroke(p, curve(QPointF(5, 3), QPointF(1, 7), QPointF(-2, 10)), QColor(90, 40, 25),
                     0.9);
    paintGillCover(p, QPointF(108, -11), QPointF(116, 0), QPointF(108, 11), QColor(70, 30, 20, 180),
                   1.0);
    const QPainterPath pectoral =
        backdrop::smoothClosedPath({{116, 2}, {128, -3}, {138, 2}, {128, 7}});
    paintFin(p, pectoral, QColor(210, 140, 96, 180), QPointF(116, 2), 4, QColor(70, 30, 20, 150));
    backdrop::paintEye(p, QPointF(96, -2), 4.6, QColor(220, 170, 80));
    p.restore();
}




// 46 Spotted Moray: pale eel with dense dark spots, open mouth, peering from a hole in the reef.
void paintFish46(QPainter &p, double w, double h)
{
    Plate plate(p, w, h);
    const QRectF plateRect(0, 0, kW, kH);
    backdrop::paintWater(p, plateRect, 0.45);
    backdrop::paintReefRock(p, plateRect, 112);
    backdrop::paintCoralHead(p, QPointF(44, 124), 40, QColor(160, 150, 100));
    backdrop::paintSeaFan(p, QPointF(292, 120), 100, QColor(160, 80, 140));

    // The hole in the rock the moray lives in.
    const QPainterPath hole = backdrop::smoothClosedPath(
        {{168, 240}, {174, 186}, {204, 160}, {250, 156}, {284, 178}, {292, 240}});
    QRadialGradient holeShade(QPointF(232, 214), 80);
    holeShade.setColorAt(0, QColor(6, 6, 8));
    holeShade.setColorAt(0.8, QColor(30, 26, 24));
    holeShade.setColorAt(1, QColor(60, 50, 44));
    fillPath(p, hole, holeShade);
    backdrop::stroke(
        p, curve(QPointF(170, 214), QPointF(176, 168), QPointF(236, 156), QPointF(288, 196)),
        QColor(170, 150, 124, 200), 2.2);

    // Thick neck out of the hole, bending forward to the head.
    QPainterPath neckLine(QPointF(232, 250));
    neckLine.cubicTo(QPointF(230, 170), QPointF(212, 108), QPointF(148, 104));
    QPainterPathStroker stroker;
    stroker.setWidth(50);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath neck = stroker.createStroke(neckLine);
    const QPainterPath head = backdrop::smoothClosedPath({{152, 76},
                                                          {126, 70},
                                                          {102, 70},
                                                          {82, 76},
                                                          {68, 88},
                                                          {62, 98},
                                                          {70, 108},
                                                          {78, 122},
                                                          {90, 134},
                                                          {120, 138},
                                                          {150, 134}});
    const QPainterPath eel = neck.united(head);

    // Dorsal fin as a low ridge along the outside of the bend.
    stroker.setWidth(62);
    QPainterPath outside(neckLine);
    outside.lineTo(QPointF(148, 20));
    outside.lineTo(QPointF(320, 20));
    outside.lineTo(QPointF(320, 250));
    outside.closeSubpath();
    const QPainterPath finRidge =
        stroker.createStroke(neckLine).intersected(outside).subtracted(eel);
    fillPath(p, finRidge, QColor(232, 224, 192, 240));
    paintSpots(p, finRidge, 4.5, 0.8, 1.3, QColor(74, 36, 52), 4601);
    backdrop::stroke(p, finRidge, QColor(120, 100, 80, 150), 0.7);

    QLinearGradient eelShade(QPointF(120, 80), QPointF(250, 200));
    eelShade.setColorAt(0, QColor(248, 242, 214));
    eelShade.setColorAt(1, QColor(228, 218, 172));
    fillPath(p, eel, eelShade);

    // The open mouth: dark lining with rows of sharp teeth on both jaws.
    const QPointF corner(124, 111);
    const QPointF upperTip(66, 101);
    const QPointF lowerTip(80, 125);
    const QPainterPath gape = backdrop::smoothClosedPath(
        {upperTip, (upperTip + corner) / 2 + QPointF(0, 2), corner,
         (lowerTip + corner) / 2 + QPointF(0, 1), lowerTip, QPointF(70, 114)});
    fillPath(p, gape, QColor(110, 36, 50));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 244));
    for (int i = 0; i < 6; ++i) {
        const double t = 0.08 + i * 0.14;
        const QPointF up = upperTip + (corner - upperTip) * t + QPointF(0, 1.5);
        p.drawPolygon(QPolygonF(
            {up + QPointF(-2.4, 0), up + QPointF(0.6, 6.0 - i * 0.5), up + QPointF(2.6, 0)}));
        const QPointF low = lowerTip + (corner - lowerTip) * t + QPointF(0, -1);
        p.drawPolygon(QPolygonF(
            {low + QPointF(-2.2, 0), low + QPointF(0.8, -5.5 + i * 0.5), low + QPointF(2.6, 0)}));
    }
    p.restore();

    // Dense dark spots are what tell this moray from the uniform green one.
    const QPainterPath skin = eel.subtracted(gape);
    paintSpots(p, skin, 4.4, 0.9, 1.6, QColor(74, 36, 52), 46);
    paintSpots(p, skin, 6.5, 0.6, 1.0, QColor(110, 70, 70), 4646);
    roundOff(p, eel, 80, 50);
    backdrop::stroke(p, eel, QColor(120, 100, 80, 160), 0.8);
    backdrop::stroke(p, curve(QPointF(128, 108), QPointF(140, 116), QPointF(150, 120)),
                     QColor(120, 100, 80, 150), 1.0);

    // The front lip of the hole hides where the body goes in.
    const QPainterPath lip = backdrop::smoothClosedPath(
        {{150, 250}, {162, 228}, {196, 218}, {236, 216}, {274, 222}, {300, 250}});
    p.save();
    clipTo(p, lip);
    backdrop::paintReefRock(p, plateRect, 112);
    p.restore();
    backdrop::stroke(p, curve(QPointF(166, 226), QPointF(230, 208), QPointF(290, 230)),
                     QColor(40, 32, 28, 120), 2.0);

    // Tubular front nostril and the small eye high on the head.
    backdrop::stroke(p, curve(QPointF(70, 92), QPointF(68, 87), QPointF(65, 84)),
                     QColor(210, 200, 160), 2.6);
    backdrop::paintEye(p, QPointF(96, 88), 4.6, QColor(230, 200, 80));
}


} // namespace legacy
