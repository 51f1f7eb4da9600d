#include "backdrop.h"
#include "fishkit.h"

#include <QBrush>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <tuple>
#include <vector>

namespace {

constexpr QRectF kFrame(0, 0, 320, 240);

// Every fish in this file is laid out on the standard 320 x 240 canvas; the
// painter is scaled once so the numbers below stay readable.
class DesignSpace
{
public:
    DesignSpace(QPainter &p, double w, double h)
        : m_p(p)
    {
        m_p.save();
        m_p.scale(w / kFrame.width(), h / kFrame.height());
    }
    ~DesignSpace() { m_p.restore(); }
    DesignSpace(const DesignSpace &) = delete;
    DesignSpace &operator=(const DesignSpace &) = delete;

private:
    QPainter &m_p;
};

// Restores the painter state at scope exit, so clipping and transforms used
// for one detail never leak into the next.
class Saved
{
public:
    explicit Saved(QPainter &p)
        : m_p(p)
    {
        m_p.save();
    }
    ~Saved() { m_p.restore(); }
    Saved(const Saved &) = delete;
    Saved &operator=(const Saved &) = delete;

private:
    QPainter &m_p;
};

// Open Catmull-Rom curve, for stripes, gill covers and other strokes.
QPainterPath curve(std::initializer_list<QPointF> points)
{
    const std::vector<QPointF> v(points);
    QPainterPath path(v.front());
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        const QPointF p0 = v[i == 0 ? 0 : i - 1];
        const QPointF p1 = v[i];
        const QPointF p2 = v[i + 1];
        const QPointF p3 = v[std::min(i + 2, v.size() - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

void stroke(QPainter &p, const QPainterPath &path, QColor colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// A line running at `offset` (varying linearly along it) to the side of a
// spine curve; the building block of eel bodies and ray tails.
std::vector<QPointF> offsetLine(const QPainterPath &spine, double offsetStart, double offsetEnd)
{
    constexpr int steps = 72;
    std::vector<QPointF> line;
    line.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPointF a = spine.pointAtPercent(std::max(0.0, t - 0.01));
        const QPointF b = spine.pointAtPercent(std::min(1.0, t + 0.01));
        QPointF normal(a.y() - b.y(), b.x() - a.x());
        normal /= std::hypot(normal.x(), normal.y());
        line.push_back(spine.pointAtPercent(t) +
                       normal * (offsetStart + (offsetEnd - offsetStart) * t));
    }
    return line;
}

QPainterPath tube(const QPainterPath &spine, double startWidth, double endWidth)
{
    const std::vector<QPointF> left = offsetLine(spine, startWidth / 2, endWidth / 2);
    const std::vector<QPointF> right = offsetLine(spine, -startWidth / 2, -endWidth / 2);
    QPainterPath out(left.front());
    for (const QPointF &pt : left)
        out.lineTo(pt);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        out.lineTo(*it);
    out.closeSubpath();
    return out;
}

QPainterPath polyline(const std::vector<QPointF> &points)
{
    QPainterPath path(points.front());
    for (const QPointF &pt : points)
        path.lineTo(pt);
    return path;
}

// Back-to-belly countershading: every fish here is darker above.
void fillBody(QPainter &p, const QPainterPath &body, QColor back, QColor flank, QColor belly)
{
    const QRectF r = body.boundingRect();
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, back);
    g.setColorAt(0.5, flank);
    g.setColorAt(1.0, belly);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
}

// Rounds the body off: darker rim, a soft sheen high on the flank where the
// light from the surface falls, and a crisp outline.
void shadeBody(QPainter &p, const QPainterPath &body, QColor rim,
               QPointF sheenAt = QPointF(0.38, 0.3), int sheenAlpha = 80)
{
    const QRectF r = body.boundingRect();
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(backdrop::withAlpha(rim, 45), 10));
        p.drawPath(body);
        p.setPen(QPen(backdrop::withAlpha(rim, 60), 4));
        p.drawPath(body);
        const QPointF centre(r.left() + r.width() * sheenAt.x(),
                             r.top() + r.height() * sheenAt.y());
        p.translate(centre);
        p.scale(1.0, r.height() / r.width() * 1.2);
        const double radius = r.width() * 0.42;
        QRadialGradient sheen(QPointF(0, 0), radius);
        sheen.setColorAt(0, QColor(255, 255, 255, sheenAlpha));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawEllipse(QPointF(0, 0), radius, radius);
    }
    p.setPen(QPen(rim, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

// Fins are thin membranes, so a little of the water shows through them.
void paintFin(QPainter &p, const QPainterPath &fin, QColor base, QColor edge, QLineF root,
              QLineF tip, int rays, int alpha = 235)
{
    QLinearGradient g(root.center(), tip.center());
    g.setColorAt(0, backdrop::withAlpha(base, alpha));
    g.setColorAt(1, backdrop::withAlpha(edge, alpha * 7 / 8));
    p.setPen(QPen(backdrop::withAlpha(base.darker(150), 200), 0.8));
    p.setBrush(g);
    p.drawPath(fin);
    if (rays <= 0)
        return;
    const Saved s(p);
    p.setClipPath(fin, Qt::IntersectClip);
    p.setPen(QPen(backdrop::withAlpha(base.darker(165), 140), 0.7));
    for (int i = 0; i < rays; ++i) {
        const double t = (i + 0.5) / rays;
        p.drawLine(root.pointAt(t), tip.pointAt(t));
    }
}

// Crescent tail: lobes sweep back from the tail stalk to two pointed tips.
QPainterPath lunateTail(QPointF rootTop, QPointF rootBottom, QPointF upperTip, QPointF lowerTip,
                        double notchX)
{
    QPainterPath t(rootTop);
    t.quadTo(QPointF(rootTop.x() + (upperTip.x() - rootTop.x()) * 0.45,
                     rootTop.y() + (upperTip.y() - rootTop.y()) * 0.2),
             upperTip);
    t.quadTo(QPointF(notchX, (upperTip.y() + lowerTip.y()) / 2), lowerTip);
    t.quadTo(QPointF(rootBottom.x() + (lowerTip.x() - rootBottom.x()) * 0.45,
                     rootBottom.y() + (lowerTip.y() - rootBottom.y()) * 0.2),
             rootBottom);
    t.closeSubpath();
    return t;
}

// Forked tail: two lobes with straight-ish trailing edges meeting in a notch.
QPainterPath forkedTail(QPointF rootTop, QPointF rootBottom, QPointF upperTip, QPointF lowerTip,
                        QPointF notch)
{
    QPainterPath t(rootTop);
    t.quadTo(QPointF((rootTop.x() + upperTip.x()) / 2, rootTop.y() - 2), upperTip);
    t.quadTo(QPointF((upperTip.x() + notch.x()) / 2 + 2, (upperTip.y() + notch.y()) / 2), notch);
    t.quadTo(QPointF((lowerTip.x() + notch.x()) / 2 + 2, (lowerTip.y() + notch.y()) / 2), lowerTip);
    t.quadTo(QPointF((rootBottom.x() + lowerTip.x()) / 2, rootBottom.y() + 2), rootBottom);
    t.closeSubpath();
    return t;
}

// Overlapping scale edges: arcs open towards the head, in staggered rows.
void paintScales(QPainter &p, const QPainterPath &body, double size, QColor colour, double width)
{
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    const QRectF r = body.boundingRect();
    int row = 0;
    for (double y = r.top(); y < r.bottom() + size; y += size * 0.75, ++row) {
        const double shift = (row % 2) * size * 0.5;
        for (double x = r.left() - size + shift; x < r.right() + size; x += size)
            p.drawArc(QRectF(x - size / 2, y - size / 2, size, size), -70 * 16, 140 * 16);
    }
}

// Places `count` points at random inside `area`, the same ones on every run.
template <typename Fn> void scatter(const QPainterPath &area, int count, quint32 seed, Fn &&fn)
{
    QRandomGenerator rng(seed);
    const QRectF r = area.boundingRect();
    for (int placed = 0, tries = 0; placed < count && tries < count * 30; ++tries) {
        const QPointF pt(r.left() + rng.bounded(r.width()), r.top() + rng.bounded(r.height()));
        if (!area.contains(pt))
            continue;
        fn(pt, rng);
        ++placed;
    }
}


using fishkit::castShadow;

// Mirror the fish so that not every picture faces the same way.
void faceRight(QPainter &p)
{
    p.translate(kFrame.width(), 0);
    p.scale(-1, 1);
}


} // namespace

namespace legacy {



// Nurse Shark: a heavy tan shark resting on the sand, barbels at the
// nostrils, two rounded dorsals far back and a long upper tail lobe.
void paintFish15(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.55);
    backdrop::paintCoralHead(p, QPointF(262, 160), 48, QColor(130, 120, 100));
    backdrop::paintSeaFan(p, QPointF(40, 150), 110, QColor(150, 80, 120));
    backdrop::paintSand(p, kFrame, 148);

    const QPainterPath body = backdrop::smoothClosedPath({{12, 186},
                                                          {20, 170},
                                                          {46, 157},
                                                          {95, 147},
                                                          {150, 145},
                                                          {200, 151},
                                                          {240, 164},
                                                          {264, 175},
                                                          {264, 194},
                                                          {232, 203},
                                                          {170, 212},
                                                          {100, 214},
                                                          {48, 210},
                                                          {20, 202}});
    const QPainterPath tail = backdrop::smoothClosedPath({{252, 172},
                                                          {290, 176},
                                                          {316, 186},
                                                          {318, 196},
                                                          {300, 200},
                                                          {284, 210},
                                                          {270, 204},
                                                          {256, 196}});
    QPainterPath firstDorsal(QPointF(164, 152));
    firstDorsal.cubicTo(QPointF(166, 126), QPointF(178, 112), QPointF(192, 116));
    firstDorsal.cubicTo(QPointF(204, 120), QPointF(206, 140), QPointF(212, 158));
    firstDorsal.closeSubpath();
    QPainterPath secondDorsal(QPointF(220, 162));
    secondDorsal.cubicTo(QPointF(222, 144), QPointF(232, 134), QPointF(242, 138));
    secondDorsal.cubicTo(QPointF(250, 142), QPointF(250, 156), QPointF(254, 170));
    secondDorsal.closeSubpath();
    const QPainterPath pectoral = backdrop::smoothClosedPath(
        {{72, 200}, {98, 204}, {118, 214}, {112, 228}, {84, 232}, {62, 224}});
    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{176, 206}, {198, 206}, {214, 220}, {196, 226}, {178, 218}});
    const QPainterPath anal =
        backdrop::smoothClosedPath({{222, 200}, {238, 196}, {250, 206}, {236, 212}});

    QPainterPath whole = body.united(tail).united(pectoral).united(pelvic);
    castShadow(p, whole, QPointF(6, 12), 70);

    const QColor back(150, 115, 62), flank(186, 150, 96), belly(210, 182, 132);
    const auto finFill = [&](const QPainterPath &f) {
        fillBody(p, f, back.darker(105), flank, flank.darker(110));
        stroke(p, f, QColor(110, 80, 40), 0.8);
    };
    finFill(anal);
    finFill(pelvic);
    finFill(firstDorsal);
    finFill(secondDorsal);
    const QPainterPath shark = body.united(tail);
    fillBody(p, shark, back, flank, belly);
    shadeBody(p, shark, QColor(95, 70, 35), QPointF(0.3, 0.1), 70);

    // Skin texture: fine darker freckles, faint so the colour reads uniform.
    {
        const Saved s(p);
        p.setClipPath(shark, Qt::IntersectClip);
        scatter(shark, 160, 15, [&p](QPointF c, QRandomGenerator &rng) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 90, 45, 40));
            p.drawEllipse(c, 0.8 + rng.generateDouble(), 0.8 + rng.generateDouble());
        });
    }

    for (int i = 0; i < 5; ++i) {
        const double x = 66 + i * 5.5;
        stroke(p, curve({{x, 170 + i * 0.6}, {x - 2.5, 182}, {x, 194 - i * 0.4}}),
               QColor(105, 75, 40, 170), 1.1);
    }

    stroke(p, curve({{18, 200}, {28, 203}, {38, 201}}), QColor(90, 60, 30), 1.4);
    stroke(p, curve({{16, 191}, {13, 198}, {10, 206}}), QColor(140, 105, 60), 2.0);
    stroke(p, curve({{21, 193}, {20, 200}, {19, 209}}), QColor(140, 105, 60), 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 55, 30));
    p.drawEllipse(QPointF(16, 189), 1.6, 1.2);
    p.drawEllipse(QPointF(21, 191), 1.6, 1.2);
    backdrop::paintEye(p, QPointF(44, 176), 3.0, QColor(190, 150, 60));

    paintFin(p, pectoral, flank.darker(108), flank, QLineF(75, 202, 118, 214),
             QLineF(62, 224, 100, 232), 0, 255);
    stroke(p, curve({{76, 206}, {94, 214}, {108, 222}}), QColor(120, 90, 50, 120), 1.0);
}


// Southern Stingray seen from above: a diamond with sharp outer corners,
// lying on the sand, with a long whip tail carrying a spine.
void paintFish17(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.3);
    backdrop::paintSand(p, kFrame, 30);

    const Saved s(p);
    p.translate(146, 98);
    p.rotate(-6);

    QPainterPath disc(QPointF(0, -80));
    disc.cubicTo(QPointF(8, -74), QPointF(66, -34), QPointF(114, 0));
    disc.cubicTo(QPointF(84, 26), QPointF(40, 54), QPointF(8, 62));
    disc.lineTo(QPointF(-8, 62));
    disc.cubicTo(QPointF(-40, 54), QPointF(-84, 26), QPointF(-114, 0));
    disc.cubicTo(QPointF(-66, -34), QPointF(-8, -74), QPointF(0, -80));
    disc.closeSubpath();

    const QPainterPath pelvic =
        backdrop::smoothClosedPath({{-15, 50}, {-19, 68}, {-8, 76}, {8, 76}, {19, 68}, {15, 50}});

    QPainterPath spine(QPointF(0, 64));
    spine.cubicTo(QPointF(2, 120), QPointF(60, 128), QPointF(160, 150));
    const QPainterPath tail = tube(spine, 10, 1);

    castShadow(p, disc.united(pelvic), QPointF(5, 7), 60);
    castShadow(p, tail, QPointF(4, 5), 40);

    const QColor top(118, 108, 80), edge(150, 140, 108);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 100, 75));
    p.drawPath(tail);
    stroke(p, polyline(offsetLine(spine, 1.5, 0)), QColor(80, 70, 50, 180), 1.2);

    {
        const QPointF a = spine.pointAtPercent(0.2);
        const QPointF b = spine.pointAtPercent(0.3);
        const QPointF n(-(b.y() - a.y()) * 0.12, (b.x() - a.x()) * 0.12);
        QPolygonF barb;
        barb << a + n << b + n * 1.6 << a - n * 0.2;
        p.setPen(QPen(QColor(70, 62, 45), 0.6));
        p.setBrush(QColor(205, 195, 165));
        p.drawPolygon(barb);
    }

    fillBody(p, pelvic, top.darker(105), top, edge);
    stroke(p, pelvic, QColor(70, 62, 45), 0.8);

    QRadialGradient g(QPointF(0, -4), 120);
    g.setColorAt(0, top.darker(112));
    g.setColorAt(0.55, top);
    g.setColorAt(1, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(disc);
    {
        const Saved c(p);
        p.setClipPath(disc, Qt::IntersectClip);
        // The raised body in the middle of the disc.
        QRadialGradient ridge(QPointF(0, -6), 60);
        ridge.setColorAt(0, QColor(180, 170, 135, 90));
        ridge.setColorAt(1, QColor(180, 170, 135, 0));
        p.save();
        p.scale(0.55, 1.0);
        p.setBrush(ridge);
        p.drawEllipse(QPointF(0, -6), 60, 60);
        p.restore();
        scatter(disc, 90, 17, [&p](QPointF c, QRandomGenerator &rng) {
            p.setBrush(QColor(90, 80, 58, 35));
            const double r = 3 + rng.generateDouble() * 6;
            p.drawEllipse(c, r, r * 0.8);
        });
        // Sand grains dusted over the edges, as on a ray that has just settled.
        scatter(disc, 500, 170, [&p](QPointF c, QRandomGenerator &rng) {
            if (std::hypot(c.x() / 114, (c.y() + 8) / 72) < 0.72)
                return;
            p.setBrush(QColor(225, 210, 170, 90 + rng.bounded(100)));
            p.drawEllipse(c, 0.8, 0.8);
        });
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 52, 36, 70), 6));
        p.drawPath(disc);
    }
    stroke(p, disc, QColor(70, 62, 45), 0.9);

    for (const double side : {-1.0, 1.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 130, 100));
        p.drawEllipse(QPointF(side * 14, -46), 5.5, 4.6);
        backdrop::paintEye(p, QPointF(side * 14, -46), 3.0, QColor(170, 150, 90));
        p.setBrush(QColor(50, 42, 30));
        p.setPen(QPen(QColor(150, 140, 110), 0.8));
        QPainterPath spiracle;
        spiracle.addEllipse(QPointF(side * 16, -35), 3.2, 2.2);
        p.drawPath(spiracle);
    }
}





// Bonnethead: a small grey shark seen from slightly above, so that the
// rounded shovel of its head is plain; the white belly shows along one side.
void paintFish22(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.3);
    backdrop::paintSand(p, kFrame, 70);

    const Saved s(p);
    p.translate(168, 128);
    p.rotate(-16);

    const auto bodyOutline = [](double belly) {
        const double b = belly;
        return backdrop::smoothClosedPath(
            {{-154, 0},     {-151, -14},          {-142, -25},          {-128, -31},  {-116, -29},
             {-102, -22},   {-78, -19},           {-40, -18},           {10, -12},    {60, -7},
             {102, -3.5},   {102, 3.5 + b * 0.3}, {60, 7 + b * 0.6},    {10, 12 + b}, {-40, 18 + b},
             {-78, 19 + b}, {-102, 22 + b * 0.6}, {-116, 29 + b * 0.3}, {-128, 31},   {-142, 25},
             {-151, 14}});
    };
    const QPainterPath back = bodyOutline(0);
    const QPainterPath underside = bodyOutline(5);

    const auto pectoral = [](double s) {
        return backdrop::smoothClosedPath({{-86, 14 * s},
                                           {-70, 30 * s},
                                           {-50, 54 * s},
                                           {-42, 52 * s},
                                           {-48, 30 * s},
                                           {-56, 14 * s}});
    };
    const QPainterPath pectoralA = pectoral(-1);
    const QPainterPath pectoralB = pectoral(1);
    const QPainterPath pelvicA =
        backdrop::smoothClosedPath({{22, -9}, {38, -22}, {46, -20}, {44, -8}});
    const QPainterPath pelvicB = backdrop::smoothClosedPath({{22, 9}, {38, 22}, {46, 20}, {44, 8}});
    QPainterPath upperLobe(QPointF(98, -3));
    upperLobe.cubicTo(QPointF(116, -6), QPointF(136, -12), QPointF(156, -20));
    upperLobe.cubicTo(QPointF(150, -10), QPointF(140, -2), QPointF(128, 2));
    upperLobe.lineTo(QPointF(100, 3));
    upperLobe.closeSubpath();
    QPainterPath lowerLobe(QPointF(104, 2));
    lowerLobe.cubicTo(QPointF(112, 6), QPointF(122, 12), QPointF(130, 18));
    lowerLobe.cubicTo(QPointF(128, 10), QPointF(124, 5), QPointF(120, 2));
    lowerLobe.closeSubpath();

    const QPainterPath whole =
        underside.united(pectoralA).united(pectoralB).united(upperLobe).united(lowerLobe);
    castShadow(p, whole, QPointF(14, 26), 55);

    const QColor grey(105, 116, 126), pale(150, 160, 170), white(236, 238, 240);
    const auto greyFin = [&](const QPainterPath &f) {
        fillBody(p, f, grey, pale, pale);
        stroke(p, f, QColor(60, 66, 74), 0.8);
    };
    greyFin(pelvicA);
    fillBody(p, pelvicB, pale, white, white);
    stroke(p, pelvicB, QColor(60, 66, 74), 0.8);
    greyFin(lowerLobe);
    greyFin(upperLobe);
    greyFin(pectoralA);
    fillBody(p, pectoralB, grey, pale, white);
    stroke(p, pectoralB, QColor(60, 66, 74), 0.8);

    p.setPen(QPen(QColor(120, 126, 134), 0.8));
    p.setBrush(white);
    p.drawPath(underside);

    QLinearGradient g(0, -30, 0, 24);
    g.setColorAt(0, pale);
    g.setColorAt(0.45, grey);
    g.setColorAt(0.8, pale);
    g.setColorAt(1, pale.lighter(115));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(back);
    shadeBody(p, back, QColor(50, 56, 64), QPointF(0.3, 0.3), 60);

    // Gill slits on the near side, where the flank turns under.
    for (int i = 0; i < 5; ++i) {
        const double x = -100 + i * 5;
        stroke(p, curve({{x, 14.0}, {x + 1, 18.5}, {x + 0.5, 22}}), QColor(60, 66, 74, 180), 1.0);
    }
    for (const double sd : {-1.0, 1.0})
        stroke(p, curve({{-149, 9 * sd}, {-147, 12 * sd}, {-144, 14 * sd}}), QColor(45, 50, 56),
               1.1);
    backdrop::paintEye(p, QPointF(-127, -29), 2.8, QColor(200, 170, 80));
    backdrop::paintEye(p, QPointF(-127, 29), 2.8, QColor(200, 170, 80));

    // Dorsal fins stand up towards the viewer and lean back.
    QPainterPath dorsal(QPointF(-48, -2));
    dorsal.cubicTo(QPointF(-36, -10), QPointF(-20, -26), QPointF(-6, -34));
    dorsal.cubicTo(QPointF(-8, -22), QPointF(-10, -10), QPointF(-8, 2));
    dorsal.closeSubpath();
    fillBody(p, dorsal, grey.darker(110), grey, pale);
    stroke(p, dorsal, QColor(50, 56, 64), 0.9);
    QPainterPath second(QPointF(52, -1));
    second.cubicTo(QPointF(58, -5), QPointF(64, -9), QPointF(70, -12));
    second.cubicTo(QPointF(68, -6), QPointF(68, -2), QPointF(68, 1));
    second.closeSubpath();
    fillBody(p, second, grey.darker(110), grey, pale);
    stroke(p, second, QColor(50, 56, 64), 0.9);
}


// Green Moray: a uniformly green eel with a heavy head and open mouth,
// peering out of a hole in the reef.
void paintFish24(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.55);
    backdrop::paintSeaFan(p, QPointF(34, 196), 120, QColor(160, 70, 120));
    backdrop::paintReefRock(p, kFrame, 176);

    // The boulder that holds the moray's hole, in the reef's stone colours.
    const QPainterPath boulder = backdrop::smoothClosedPath(
        {{136, 250}, {146, 184}, {172, 128}, {220, 98}, {282, 90}, {332, 102}, {336, 250}});
    QLinearGradient stone(0, 90, 0, 240);
    stone.setColorAt(0, QColor(140, 130, 108));
    stone.setColorAt(0.5, QColor(100, 92, 78));
    stone.setColorAt(1, QColor(56, 52, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(stone);
    p.drawPath(boulder);
    {
        const Saved s(p);
        p.setClipPath(boulder, Qt::IntersectClip);
        scatter(boulder, 26, 24, [&p](QPointF c, QRandomGenerator &rng) {
            const double r = 8 + rng.generateDouble() * 14;
            const int shade = 100 + int(rng.bounded(50));
            QRadialGradient lump(c - QPointF(r * 0.3, r * 0.4), r * 1.2);
            lump.setColorAt(0, QColor(shade + 30, shade + 22, shade + 4, 150));
            lump.setColorAt(1, QColor(shade - 30, shade - 34, shade - 40, 0));
            p.setBrush(lump);
            p.drawEllipse(c, r, r * 0.7);
        });
        // Encrusting sponges and algae on the stone.
        const QColor tints[] = {{200, 120, 140}, {220, 170, 90}, {140, 170, 110}};
        scatter(boulder, 70, 240, [&p, &tints](QPointF c, QRandomGenerator &rng) {
            p.setBrush(backdrop::withAlpha(tints[rng.bounded(3)], 170));
            p.drawEllipse(c, 1.5 + rng.generateDouble() * 2, 1.2 + rng.generateDouble() * 1.5);
        });
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 36, 32, 90), 8));
        p.drawPath(boulder);
    }
    stroke(p, boulder, QColor(60, 54, 46), 1.0);

    const QPointF holeCentre(244, 170);
    const QRectF holeRect(holeCentre.x() - 50, holeCentre.y() - 40, 100, 80);
    QRadialGradient hole(holeCentre, 50);
    hole.setColorAt(0, QColor(4, 8, 10));
    hole.setColorAt(0.75, QColor(16, 20, 22));
    hole.setColorAt(1, QColor(44, 40, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(hole);
    p.drawEllipse(holeRect);
    // Light catches the lower lip of the hole.
    QPainterPath lip;
    lip.arcMoveTo(holeRect, 195);
    lip.arcTo(holeRect, 195, 150);
    stroke(p, lip, QColor(176, 164, 132, 170), 2.5);

    QPainterPath spine(QPointF(252, 178));
    spine.cubicTo(QPointF(226, 168), QPointF(212, 110), QPointF(150, 112));
    const QPainterPath neck = tube(spine, 54, 50);

    QPainterPath head(QPointF(36, 112));
    head.cubicTo(QPointF(46, 92), QPointF(96, 76), QPointF(140, 84));
    head.cubicTo(QPointF(158, 88), QPointF(168, 94), QPointF(172, 100));
    head.lineTo(QPointF(172, 134));
    head.cubicTo(QPointF(152, 150), QPointF(112, 156), QPointF(78, 152));
    head.cubicTo(QPointF(62, 149), QPointF(50, 147), QPointF(44, 142));
    head.cubicTo(QPointF(52, 136), QPointF(76, 130), QPointF(98, 124));
    head.cubicTo(QPointF(78, 122), QPointF(56, 121), QPointF(40, 119));
    head.closeSubpath();
    const QPainterPath eel = neck.united(head);

    QPolygonF inside;
    inside << QPointF(38, 117) << QPointF(100, 124) << QPointF(44, 144);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 22, 30));
    p.drawPolygon(inside);

    const QColor top(124, 164, 66), mid(94, 138, 50), under(62, 100, 40);
    QLinearGradient g(0, 80, 0, 200);
    g.setColorAt(0, top);
    g.setColorAt(0.4, mid);
    g.setColorAt(1, under);
    p.setBrush(g);
    p.drawPath(eel);
    {
        const Saved s(p);
        p.setClipPath(eel, Qt::IntersectClip);
        // Dorsal fin fold along the top of the body.
        stroke(p, polyline(offsetLine(spine, -25, -23)), QColor(156, 186, 84, 170), 3.0);
        // Skin folds on the neck.
        for (int i = 0; i < 5; ++i) {
            const QPointF c = spine.pointAtPercent(0.45 + i * 0.1);
            stroke(p, curve({{c.x() - 6, c.y() - 18}, {c.x() - 2, c.y()}, {c.x() - 6, c.y() + 18}}),
                   QColor(50, 80, 30, 80), 1.2);
        }
    }
    shadeBody(p, eel, QColor(40, 70, 25), QPointF(0.3, 0.2), 70);
    {
        // Where the body goes back into the hole it falls into shadow.
        const Saved s(p);
        p.setClipPath(eel, Qt::IntersectClip);
        QRadialGradient dark(spine.pointAtPercent(0), 62);
        dark.setColorAt(0, QColor(0, 0, 0, 235));
        dark.setColorAt(0.5, QColor(0, 0, 0, 160));
        dark.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(dark);
        p.drawEllipse(spine.pointAtPercent(0), 62, 62);
    }

    p.setBrush(QColor(245, 245, 230));
    for (int i = 0; i < 6; ++i) {
        const double x = 48 + i * 8;
        const double y = 119.4 + i * 0.6;
        QPolygonF t;
        t << QPointF(x, y) << QPointF(x + 3, y) << QPointF(x + 1.6, y + 4);
        p.drawPolygon(t);
        const double ly = 140 - i * 2.6;
        QPolygonF b;
        b << QPointF(x + 2, ly) << QPointF(x + 5, ly - 0.8) << QPointF(x + 3, ly - 4.2);
        p.drawPolygon(b);
    }

    stroke(p, curve({{42, 109}, {40, 104}}), QColor(70, 110, 45), 3);
    backdrop::paintEye(p, QPointF(76, 101), 4.6, QColor(210, 200, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 15));
    p.drawEllipse(QPointF(150, 132), 4.5, 3);
    stroke(p, curve({{110, 140}, {130, 144}, {150, 142}}), QColor(40, 70, 25, 110), 1.2);
    stroke(p, curve({{120, 90}, {126, 110}, {122, 132}}), QColor(40, 70, 25, 80), 1.2);
}


// Yellow Stingray from above: a small round disc, finely spotted and
// squiggled, with a short thick tail ending in a small fin.
void paintFish26(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.3);
    backdrop::paintSand(p, kFrame, 26);

    const Saved s(p);
    p.translate(130, 92);
    p.rotate(-30);

    const QPainterPath disc = backdrop::smoothClosedPath({{0, -70},
                                                          {34, -63},
                                                          {61, -37},
                                                          {71, 0},
                                                          {61, 37},
                                                          {34, 61},
                                                          {0, 68},
                                                          {-34, 61},
                                                          {-61, 37},
                                                          {-71, 0},
                                                          {-61, -37},
                                                          {-34, -63}});
    QPainterPath spine(QPointF(0, 62));
    spine.cubicTo(QPointF(2, 84), QPointF(3, 104), QPointF(2, 122));
    const QPainterPath tail = tube(spine, 15, 7);
    const QPainterPath caudal =
        backdrop::smoothClosedPath({{1, 114}, {9, 126}, {9, 146}, {1, 158}, {-7, 146}, {-7, 126}});

    castShadow(p, disc.united(tail).united(caudal), QPointF(5, 7), 60);

    const QColor base(184, 146, 62), dark(70, 50, 22), pale(246, 226, 140);
    const auto pattern = [&](const QPainterPath &area, quint32 seed, int density) {
        const Saved c(p);
        p.setClipPath(area, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        scatter(area, density / 2, seed + 2, [&p, dark](QPointF pt, QRandomGenerator &rng) {
            const double a = rng.generateDouble() * 2 * std::numbers::pi;
            const double l = 2 + rng.generateDouble() * 3;
            const QPointF d(std::cos(a) * l, std::sin(a) * l);
            const QPointF n(-d.y() * 0.7, d.x() * 0.7);
            stroke(p, curve({pt - d, pt + n * (rng.generateDouble() - 0.5) * 2, pt + d}),
                   backdrop::withAlpha(dark, 190), 1.0);
        });
        scatter(area, density / 2, seed, [&p, dark](QPointF pt, QRandomGenerator &rng) {
            p.setBrush(backdrop::withAlpha(dark, 170 + int(rng.bounded(70))));
            const double r = 0.7 + rng.generateDouble() * 1.0;
            p.drawEllipse(pt, r, r);
        });
        scatter(area, density / 4, seed + 1, [&p, pale, dark](QPointF pt, QRandomGenerator &rng) {
            const double r = 1.0 + rng.generateDouble() * 1.1;
            p.setPen(QPen(backdrop::withAlpha(dark, 150), 0.7));
            p.setBrush(backdrop::withAlpha(pale, 220));
            p.drawEllipse(pt, r, r);
            p.setPen(Qt::NoPen);
        });
    };

    fillBody(p, caudal, base.darker(110), base, base.lighter(110));
    pattern(caudal, 261, 60);
    stroke(p, caudal, QColor(90, 70, 40), 0.8);
    fillBody(p, tail, base.darker(110), base, base.darker(105));
    pattern(tail, 262, 80);
    stroke(p, tail, QColor(90, 70, 40), 0.8);
    // The sting sits on top of the tail just in front of the fin.
    QPolygonF barb;
    barb << QPointF(-1, 96) << QPointF(2, 120) << QPointF(4, 97);
    p.setPen(QPen(QColor(80, 62, 36), 0.6));
    p.setBrush(QColor(225, 210, 165));
    p.drawPolygon(barb);

    QRadialGradient g(QPointF(0, -6), 74);
    g.setColorAt(0, base.darker(108));
    g.setColorAt(0.7, base);
    g.setColorAt(1, base.lighter(108));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(disc);
    pattern(disc, 26, 900);
    {
        const Saved c(p);
        p.setClipPath(disc, Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(70, 52, 26, 70), 6));
        p.drawPath(disc);
        QRadialGradient ridge(QPointF(0, 0), 44);
        ridge.setColorAt(0, QColor(255, 240, 190, 70));
        ridge.setColorAt(1, QColor(255, 240, 190, 0));
        p.scale(0.6, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(ridge);
        p.drawEllipse(QPointF(0, -4), 44, 44);
    }
    stroke(p, disc, QColor(90, 70, 40), 0.9);

    for (const double side : {-1.0, 1.0}) {
        p.setPen(QPen(base.darker(140), 0.6));
        p.setBrush(base.darker(104));
        p.drawEllipse(QPointF(side * 12, -36), 6.5, 5.6);
        backdrop::paintEye(p, QPointF(side * 12, -36), 4, QColor(200, 170, 80));
        p.setPen(QPen(base.lighter(125), 0.8));
        p.setBrush(QColor(50, 38, 20));
        p.drawEllipse(QPointF(side * 14, -25), 3, 2.2);
    }
}




} // namespace legacy
