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

// Evenly spread random points, for patterns that must not clump (spots).
template <typename Fn>
void jitteredGrid(const QPainterPath &area, double spacing, double jitter, quint32 seed, Fn &&fn)
{
    QRandomGenerator rng(seed);
    const QRectF r = area.boundingRect();
    int row = 0;
    for (double y = r.top(); y <= r.bottom(); y += spacing * 0.87, ++row) {
        for (double x = r.left() + (row % 2) * spacing * 0.5; x <= r.right(); x += spacing) {
            const QPointF pt(x + (rng.generateDouble() - 0.5) * 2 * jitter,
                             y + (rng.generateDouble() - 0.5) * 2 * jitter);
            if (area.contains(pt))
                fn(pt, rng);
        }
    }
}

using fishkit::castShadow;

// Mirror the fish so that not every picture faces the same way.
void faceRight(QPainter &p)
{
    p.translate(kFrame.width(), 0);
    p.scale(-1, 1);
}

// ---------------------------------------------------------------------------
// Surgeonfish family (Doctorfish, Surgeonfish): shared oval outline.

QPainterPath surgeonBody(double stretch)
{
    const double e = stretch;
    return backdrop::smoothClosedPath({{48, 126},
                                       {57, 101},
                                       {78, 77},
                                       {112, 61},
                                       {158, 57},
                                       {205 + e, 73},
                                       {232 + e, 101},
                                       {243 + e, 112},
                                       {243 + e, 130},
                                       {232 + e, 143},
                                       {205 + e, 166},
                                       {158, 182},
                                       {112, 179},
                                       {78, 165},
                                       {56, 147}});
}

struct SurgeonColours
{
    QColor back, flank, belly, fin, finEdge, tail;
};

// `margin` colours the free edge of the dorsal and anal fins; pass a fully
// transparent colour for none.
void paintSurgeonShape(QPainter &p, const QPainterPath &body, const SurgeonColours &c, double e,
                       QColor margin)
{
    const auto finEdge = [e](bool upper) {
        QPainterPath f;
        if (upper) {
            f.moveTo(90, 72);
            f.cubicTo(QPointF(112, 30), QPointF(200 + e, 30), QPointF(240 + e, 106));
        } else {
            f.moveTo(112, 176);
            f.cubicTo(QPointF(135, 215), QPointF(200 + e, 212), QPointF(240 + e, 134));
        }
        return f;
    };
    QPainterPath dorsal = finEdge(true);
    dorsal.lineTo(QPointF(200 + e, 100));
    dorsal.lineTo(QPointF(110, 92));
    dorsal.closeSubpath();
    paintFin(p, dorsal, c.fin, c.finEdge, QLineF(95, 78, 238 + e, 108),
             QLineF(108, 46, 236 + e, 96), 26);

    QPainterPath anal = finEdge(false);
    anal.lineTo(QPointF(200 + e, 140));
    anal.lineTo(QPointF(120, 160));
    anal.closeSubpath();
    paintFin(p, anal, c.fin, c.finEdge, QLineF(115, 170, 238 + e, 132),
             QLineF(125, 198, 236 + e, 142), 22);

    if (margin.alpha() > 0) {
        for (const bool upper : {true, false}) {
            const Saved s(p);
            p.setClipPath(upper ? dorsal : anal, Qt::IntersectClip);
            stroke(p, finEdge(upper), margin, 3.2);
        }
    }
    fillBody(p, body, c.back, c.flank, c.belly);
}

void paintSurgeonFace(QPainter &p, QColor eyeIris, QColor mark)
{
    stroke(p, curve({{101, 76}, {108, 100}, {108, 127}, {99, 154}}), backdrop::withAlpha(mark, 120),
           1.3);
    stroke(p, curve({{49, 126}, {54, 129}, {59, 128}}), mark, 1.3);
    backdrop::paintEye(p, QPointF(79, 98), 6.5, eyeIris);
}

void paintSurgeonPectoral(QPainter &p, QColor colour)
{
    QPainterPath pelvic(QPointF(98, 164));
    pelvic.quadTo(QPointF(98, 188), QPointF(112, 197));
    pelvic.quadTo(QPointF(112, 180), QPointF(118, 166));
    pelvic.closeSubpath();
    paintFin(p, pelvic, colour, colour.lighter(120), QLineF(98, 164, 118, 166),
             QLineF(104, 190, 114, 194), 4);

    QPainterPath pectoral(QPointF(108, 116));
    pectoral.quadTo(QPointF(132, 102), QPointF(156, 110));
    pectoral.quadTo(QPointF(154, 128), QPointF(148, 140));
    pectoral.quadTo(QPointF(126, 134), QPointF(108, 126));
    pectoral.closeSubpath();
    paintFin(p, pectoral, colour, colour.lighter(140), QLineF(108, 116, 108, 126),
             QLineF(156, 110, 148, 140), 9, 150);
}

// Spadefish outline pieces, reused for the school in the distance.
QPainterPath spadefishBody()
{
    return backdrop::smoothClosedPath({{60, 124},
                                       {64, 96},
                                       {82, 64},
                                       {118, 42},
                                       {165, 37},
                                       {206, 54},
                                       {232, 94},
                                       {243, 112},
                                       {243, 134},
                                       {232, 152},
                                       {206, 190},
                                       {165, 207},
                                       {118, 203},
                                       {82, 184},
                                       {64, 154}});
}

QPainterPath spadefishLobe(bool upper)
{
    const double s = upper ? 1 : -1;
    const auto y = [s](double v) { return 123 - s * (123 - v); };
    QPainterPath f(QPointF(140, y(44)));
    f.quadTo(QPointF(188, y(30)), QPointF(212, y(4)));
    f.quadTo(QPointF(214, y(76)), QPointF(245, y(110)));
    f.lineTo(QPointF(200, y(100)));
    f.closeSubpath();
    return f;
}

QPainterPath spadefishTail()
{
    QPainterPath t(QPointF(240, 112));
    t.lineTo(QPointF(292, 80));
    t.quadTo(QPointF(280, 123), QPointF(292, 166));
    t.lineTo(QPointF(240, 134));
    t.closeSubpath();
    return t;
}

} // namespace

namespace legacy {

// Atlantic Spadefish: a nearly round silver disc with black bars, the first
// through the eye, and tall pointed lobes on the rear dorsal and anal fins.
void paintFish13(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.35);

    // A school fades into the distance behind the main fish.
    const QPainterPath silhouette = spadefishBody()
                                        .united(spadefishLobe(true))
                                        .united(spadefishLobe(false))
                                        .united(spadefishTail());
    for (const auto &[dx, dy, sc, a] :
         {std::tuple{8.0, 18.0, 0.32, 70}, std::tuple{250.0, 150.0, 0.26, 60},
          std::tuple{228.0, 2.0, 0.22, 50}}) {
        QTransform t;
        t.translate(dx, dy);
        t.scale(sc, sc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 130, 150, a));
        p.drawPath(t.map(silhouette));
    }

    const QColor fin(126, 134, 146);
    const QPainterPath body = spadefishBody();
    const QPainterPath tail = spadefishTail();
    paintFin(p, tail, fin, fin.lighter(115), QLineF(242, 114, 242, 132), QLineF(292, 80, 292, 166),
             16);
    const QPainterPath upper = spadefishLobe(true);
    const QPainterPath lower = spadefishLobe(false);
    paintFin(p, upper, fin, fin.darker(130), QLineF(150, 52, 243, 112), QLineF(176, 32, 238, 100),
             20, 245);
    paintFin(p, lower, fin, fin.darker(130), QLineF(150, 194, 243, 134), QLineF(176, 214, 238, 146),
             20, 245);

    QPainterPath spiny(QPointF(100, 54));
    spiny.quadTo(QPointF(118, 26), QPointF(138, 36));
    spiny.lineTo(QPointF(145, 48));
    spiny.closeSubpath();
    paintFin(p, spiny, fin, fin, QLineF(102, 54, 145, 46), QLineF(112, 32, 140, 36), 8);

    fillBody(p, body, QColor(128, 138, 150), QColor(190, 198, 206), QColor(226, 229, 232));
    const auto bars = [&p](int alpha) {
        const QColor bar(28, 32, 40, alpha);
        stroke(p, curve({{104, 30}, {92, 105}, {96, 210}}), bar, 12);
        stroke(p, curve({{140, 28}, {133, 120}, {140, 215}}), bar, 11);
        stroke(p, curve({{178, 24}, {172, 120}, {178, 222}}), bar, 10);
        stroke(p, curve({{214, 20}, {207, 123}, {214, 226}}), bar, 9);
        stroke(p, curve({{238, 95}, {236, 123}, {238, 150}}),
               backdrop::withAlpha(bar, alpha * 3 / 4), 6);
    };
    {
        const Saved s(p);
        p.setClipPath(upper.united(lower).subtracted(body), Qt::IntersectClip);
        bars(70);
    }
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        bars(215);
    }
    paintScales(p, body, 7, QColor(255, 255, 255, 40), 0.6);
    shadeBody(p, body, QColor(60, 66, 76), QPointF(0.4, 0.3), 90);

    stroke(p, curve({{112, 70}, {120, 112}, {116, 150}, {104, 178}}), QColor(40, 44, 52, 110), 1.3);
    stroke(p, curve({{59, 128}, {64, 131}, {69, 130}}), QColor(30, 30, 35), 1.4);
    backdrop::paintEye(p, QPointF(92, 106), 7.5, QColor(170, 160, 120));

    QPainterPath pelvic(QPointF(108, 182));
    pelvic.quadTo(QPointF(104, 210), QPointF(118, 226));
    pelvic.quadTo(QPointF(122, 200), QPointF(128, 184));
    pelvic.closeSubpath();
    paintFin(p, pelvic, QColor(40, 44, 52), QColor(70, 74, 82), QLineF(108, 182, 128, 184),
             QLineF(110, 215, 120, 220), 4);
    QPainterPath pectoral(QPointF(128, 126));
    pectoral.quadTo(QPointF(150, 114), QPointF(168, 122));
    pectoral.quadTo(QPointF(160, 138), QPointF(146, 144));
    pectoral.quadTo(QPointF(134, 138), QPointF(128, 134));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(170, 176, 184), QColor(210, 214, 220), QLineF(128, 126, 128, 134),
             QLineF(168, 122, 146, 144), 8, 150);
}

// Spotted Trunkfish: a white triangular box covered with round black spots.
// Against the olive honeycomb Trunkfish (23) the spots must be obvious.
void paintFish14(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.4);
    backdrop::paintSand(p, kFrame, 200);
    backdrop::paintCoralHead(p, QPointF(282, 212), 58, QColor(150, 130, 170));
    backdrop::paintSeaFan(p, QPointF(30, 215), 130, QColor(170, 90, 60));

    QPainterPath body(QPointF(56, 140));
    body.lineTo(QPointF(57, 118));
    body.quadTo(QPointF(60, 100), QPointF(76, 88));
    body.lineTo(QPointF(120, 60));
    body.quadTo(QPointF(142, 48), QPointF(164, 58));
    body.lineTo(QPointF(224, 104));
    body.quadTo(QPointF(234, 112), QPointF(232, 124));
    body.quadTo(QPointF(230, 136), QPointF(216, 144));
    body.lineTo(QPointF(186, 162));
    body.quadTo(QPointF(158, 178), QPointF(120, 180));
    body.lineTo(QPointF(92, 178));
    body.quadTo(QPointF(62, 172), QPointF(56, 140));
    body.closeSubpath();
    const QPainterPath stalk =
        backdrop::smoothClosedPath({{214, 108}, {246, 112}, {246, 132}, {214, 138}});
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{242, 112}, {262, 96}, {284, 98}, {292, 122}, {284, 148}, {262, 150}, {242, 134}});
    const QColor finColour(225, 222, 210);
    paintFin(p, tail, finColour, finColour.lighter(105), QLineF(244, 114, 244, 132),
             QLineF(286, 96, 286, 150), 10, 200);

    QPainterPath dorsal(QPointF(192, 80));
    dorsal.quadTo(QPointF(206, 52), QPointF(226, 62));
    dorsal.quadTo(QPointF(222, 84), QPointF(214, 100));
    dorsal.closeSubpath();
    paintFin(p, dorsal, finColour, finColour, QLineF(192, 82, 214, 100), QLineF(206, 56, 226, 64),
             7, 200);
    QPainterPath anal(QPointF(192, 160));
    anal.quadTo(QPointF(208, 186), QPointF(226, 176));
    anal.quadTo(QPointF(222, 156), QPointF(214, 144));
    anal.closeSubpath();
    paintFin(p, anal, finColour, finColour, QLineF(192, 158, 214, 144), QLineF(206, 184, 226, 174),
             7, 200);

    fillBody(p, stalk, QColor(205, 208, 212), QColor(225, 226, 228), QColor(235, 235, 235));
    fillBody(p, body, QColor(212, 214, 220), QColor(238, 238, 240), QColor(226, 226, 230));

    // The flat belly of the box: a ridge runs from chin to tail stalk.
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const QPainterPath ridge = curve({{58, 152}, {110, 162}, {170, 154}, {224, 134}});
        QPainterPath belly = ridge;
        belly.lineTo(230, 200);
        belly.lineTo(40, 200);
        belly.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 140, 160, 70));
        p.drawPath(belly);
        stroke(p, ridge, QColor(255, 255, 255, 200), 1.8);
    }

    const auto spot = [&p](QPointF c, QRandomGenerator &rng) {
        const double r = 2.5 + rng.generateDouble() * 1.4;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(22, 22, 28));
        p.drawEllipse(c, r, r);
    };
    {
        const Saved s(p);
        const QPainterPath box = body.united(stalk);
        p.setClipPath(box, Qt::IntersectClip);
        QPainterPath clearAroundEye;
        clearAroundEye.addEllipse(QPointF(98, 100), 11, 11);
        QPainterPath clearLips;
        clearLips.addEllipse(QPointF(55, 134), 9, 9);
        jitteredGrid(box.subtracted(clearAroundEye).subtracted(clearLips), 12, 2.6, 14, spot);
    }
    {
        const Saved s(p);
        const QPainterPath fan = tail.subtracted(stalk);
        p.setClipPath(fan, Qt::IntersectClip);
        jitteredGrid(fan, 12, 2.5, 140, [&p](QPointF c, QRandomGenerator &rng) {
            const double r = 2.0 + rng.generateDouble();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(22, 22, 28, 220));
            p.drawEllipse(c, r, r);
        });
    }
    shadeBody(p, body, QColor(80, 82, 95), QPointF(0.45, 0.3), 70);

    p.setPen(QPen(QColor(150, 150, 155), 0.8));
    p.setBrush(QColor(250, 250, 248));
    p.drawEllipse(QPointF(54, 134), 6, 4.6);
    stroke(p, curve({{49, 134}, {54, 135}, {59, 134}}), QColor(90, 80, 80), 1.1);

    backdrop::paintEye(p, QPointF(98, 100), 7, QColor(120, 150, 110));

    QPainterPath pectoral(QPointF(124, 112));
    pectoral.quadTo(QPointF(142, 98), QPointF(156, 104));
    pectoral.quadTo(QPointF(152, 120), QPointF(140, 130));
    pectoral.quadTo(QPointF(130, 126), QPointF(124, 122));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(230, 228, 220), QColor(245, 245, 240), QLineF(124, 112, 124, 122),
             QLineF(156, 104, 140, 130), 8, 170);
}


// Bluegreen Wrasse: a slender cigar of a wrasse with pink-purple lines on
// the head and a dark edge to the long dorsal fin.
void paintFish16(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.3);
    backdrop::paintCoralHead(p, QPointF(70, 250), 80, QColor(190, 160, 90));
    backdrop::paintSeaFan(p, QPointF(270, 240), 120, QColor(120, 60, 140));
    faceRight(p);

    const QPainterPath body = backdrop::smoothClosedPath({{30, 122},
                                                          {42, 108},
                                                          {68, 97},
                                                          {120, 91},
                                                          {190, 96},
                                                          {236, 106},
                                                          {248, 111},
                                                          {248, 131},
                                                          {236, 137},
                                                          {190, 147},
                                                          {120, 153},
                                                          {68, 147},
                                                          {42, 136}});
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{244, 110}, {262, 100}, {280, 104}, {286, 121}, {280, 138}, {262, 143}, {244, 132}});
    const QColor fin(60, 160, 160);
    paintFin(p, tail, fin, fin.lighter(120), QLineF(246, 112, 246, 130), QLineF(284, 100, 284, 142),
             12);

    QPainterPath dorsal(QPointF(80, 98));
    dorsal.cubicTo(QPointF(90, 80), QPointF(200, 80), QPointF(244, 108));
    dorsal.lineTo(QPointF(200, 104));
    dorsal.closeSubpath();
    paintFin(p, dorsal, fin, fin.lighter(110), QLineF(82, 98, 242, 108), QLineF(90, 84, 238, 100),
             30);
    {
        const Saved s(p);
        p.setClipPath(dorsal, Qt::IntersectClip);
        QPainterPath edge(QPointF(80, 98));
        edge.cubicTo(QPointF(90, 80), QPointF(200, 80), QPointF(244, 108));
        stroke(p, edge, QColor(20, 50, 80), 5);
    }
    QPainterPath anal(QPointF(140, 150));
    anal.cubicTo(QPointF(160, 166), QPointF(220, 160), QPointF(244, 134));
    anal.lineTo(QPointF(200, 140));
    anal.closeSubpath();
    paintFin(p, anal, fin, fin.lighter(120), QLineF(142, 150, 242, 134), QLineF(150, 160, 238, 140),
             18);

    fillBody(p, body, QColor(24, 110, 122), QColor(56, 168, 158), QColor(150, 220, 200));
    paintScales(p, body, 6, QColor(20, 90, 100, 70), 0.6);
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const QColor pink(226, 120, 196);
        stroke(p, curve({{34, 117}, {50, 110}, {66, 111}, {82, 106}}), pink, 1.8);
        stroke(p, curve({{36, 127}, {52, 124}, {70, 126}, {90, 120}}), pink, 1.8);
        stroke(p, curve({{44, 135}, {62, 136}, {80, 136}, {96, 131}}), pink, 1.8);
        stroke(p, curve({{50, 102}, {62, 100}, {78, 98}, {92, 96}}), pink, 1.6);
        stroke(p, curve({{84, 111}, {90, 124}, {86, 140}}), backdrop::withAlpha(pink, 200), 1.5);
    }
    shadeBody(p, body, QColor(15, 70, 80), QPointF(0.4, 0.25), 70);

    stroke(p, curve({{88, 100}, {94, 116}, {92, 134}, {86, 144}}), QColor(20, 80, 90, 130), 1.2);
    stroke(p, curve({{30, 122}, {36, 124}, {41, 123}}), QColor(20, 50, 60), 1.2);
    backdrop::paintEye(p, QPointF(58, 112), 5.2, QColor(210, 90, 80));

    QPainterPath pectoral(QPointF(100, 120));
    pectoral.quadTo(QPointF(116, 110), QPointF(130, 116));
    pectoral.quadTo(QPointF(126, 128), QPointF(114, 132));
    pectoral.quadTo(QPointF(106, 128), QPointF(100, 126));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(120, 200, 190), QColor(190, 235, 225), QLineF(100, 120, 100, 126),
             QLineF(130, 116, 114, 132), 7, 150);
}


// Four Eye Butterfly: a pale disc with fine slanting lines, a black bar
// hiding the real eye and a big white-ringed false eye near the tail.
void paintFish18(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.35);
    backdrop::paintCoralHead(p, QPointF(282, 250), 72, QColor(200, 140, 90));
    backdrop::paintSeaFan(p, QPointF(26, 240), 140, QColor(170, 70, 110));

    const QPainterPath body = backdrop::smoothClosedPath({{56, 128},
                                                          {66, 114},
                                                          {88, 86},
                                                          {120, 64},
                                                          {160, 56},
                                                          {200, 66},
                                                          {226, 94},
                                                          {236, 112},
                                                          {236, 136},
                                                          {224, 156},
                                                          {196, 180},
                                                          {156, 190},
                                                          {116, 182},
                                                          {88, 162},
                                                          {68, 142}});
    const QPainterPath dorsal = backdrop::smoothClosedPath(
        {{112, 68}, {138, 44}, {180, 38}, {218, 52}, {240, 82}, {242, 110}, {212, 100}, {160, 80}});
    const QPainterPath anal = backdrop::smoothClosedPath(
        {{120, 180}, {150, 200}, {196, 200}, {230, 174}, {240, 140}, {214, 150}, {160, 170}});
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{234, 112}, {252, 104}, {266, 108}, {268, 124}, {266, 140}, {252, 144}, {234, 136}});

    const QColor fin(238, 214, 120);
    paintFin(p, tail, QColor(225, 225, 215), QColor(245, 245, 240), QLineF(236, 114, 236, 134),
             QLineF(268, 104, 268, 144), 12, 170);
    paintFin(p, dorsal, QColor(226, 226, 222), fin, QLineF(118, 78, 238, 112),
             QLineF(138, 46, 242, 92), 26, 255);
    paintFin(p, anal, QColor(226, 226, 222), fin, QLineF(124, 176, 238, 136),
             QLineF(150, 198, 238, 160), 20, 255);
    for (const QPainterPath *f : {&dorsal, &anal}) {
        const Saved s(p);
        p.setClipPath(*f, Qt::IntersectClip);
        stroke(p, *f, QColor(240, 200, 60, 220), 5);
        stroke(p, *f, QColor(60, 55, 50, 120), 1.2);
    }

    fillBody(p, body, QColor(206, 206, 210), QColor(236, 236, 238), QColor(242, 238, 226));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const QColor line(70, 70, 82, 150);
        // The lines meet in forward-pointing chevrons along the mid-side.
        for (int k = -6; k < 14; ++k) {
            const double x = 70 + k * 11;
            stroke(p, curve({{x, 124}, {x + 40, 84}, {x + 80, 40}}), line, 1.1);
            stroke(p, curve({{x, 124}, {x + 40, 164}, {x + 80, 208}}), line, 1.1);
        }
    }
    shadeBody(p, body, QColor(90, 90, 100), QPointF(0.45, 0.3), 60);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(204, 104), 15, 15);
    p.setBrush(QColor(15, 15, 20));
    p.drawEllipse(QPointF(204, 104), 11, 11);
    p.setPen(QPen(QColor(30, 30, 35), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(204, 104), 15, 15);

    // The real eye is hidden in a black bar.
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        stroke(p, curve({{98, 66}, {90, 112}, {86, 172}}), QColor(250, 250, 245), 14);
        stroke(p, curve({{98, 66}, {90, 112}, {86, 172}}), QColor(20, 20, 26), 10);
    }
    backdrop::paintEye(p, QPointF(90, 112), 6, QColor(60, 60, 60));

    stroke(p, curve({{56, 128}, {60, 130}, {64, 129}}), QColor(40, 40, 45), 1.2);
    QPainterPath pelvic(QPointF(112, 170));
    pelvic.quadTo(QPointF(110, 196), QPointF(120, 206));
    pelvic.quadTo(QPointF(124, 188), QPointF(132, 174));
    pelvic.closeSubpath();
    paintFin(p, pelvic, QColor(240, 200, 50), QColor(250, 225, 110), QLineF(112, 170, 132, 174),
             QLineF(116, 200, 122, 204), 4, 240);
    QPainterPath pectoral(QPointF(118, 130));
    pectoral.quadTo(QPointF(136, 118), QPointF(154, 124));
    pectoral.quadTo(QPointF(148, 140), QPointF(136, 146));
    pectoral.quadTo(QPointF(124, 140), QPointF(118, 136));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(230, 230, 220), QColor(250, 250, 245), QLineF(118, 130, 118, 136),
             QLineF(154, 124, 136, 146), 7, 140);
}

// Queen Angelfish: a tall blue-green disc with yellow-rimmed scales, the
// blue-ringed crown on the forehead, long trailing fin points and a bright
// yellow tail.
void paintFish19(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.4);
    backdrop::paintCoralHead(p, QPointF(40, 250), 70, QColor(190, 120, 90));
    backdrop::paintSeaFan(p, QPointF(300, 240), 120, QColor(130, 60, 150));

    const QPainterPath body = backdrop::smoothClosedPath({{58, 132},
                                                          {64, 112},
                                                          {80, 86},
                                                          {108, 66},
                                                          {148, 56},
                                                          {190, 64},
                                                          {218, 88},
                                                          {232, 108},
                                                          {232, 140},
                                                          {218, 160},
                                                          {190, 184},
                                                          {148, 194},
                                                          {108, 184},
                                                          {80, 164},
                                                          {64, 150}});
    const auto finLobe = [](bool upper) {
        const auto y = [upper](double v) { return upper ? v : 248 - v; };
        QPainterPath f(QPointF(98, y(74)));
        f.cubicTo(QPointF(128, y(42)), QPointF(200, y(36)), QPointF(292, y(18)));
        f.cubicTo(QPointF(266, y(32)), QPointF(246, y(64)), QPointF(236, y(110)));
        f.lineTo(QPointF(180, y(96)));
        f.closeSubpath();
        return f;
    };
    const QPainterPath dorsal = finLobe(true);
    const QPainterPath anal = finLobe(false);
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{228, 108}, {250, 98}, {268, 100}, {274, 124}, {268, 148}, {250, 150}, {228, 140}});

    paintFin(p, tail, QColor(250, 200, 20), QColor(255, 225, 70), QLineF(230, 110, 230, 138),
             QLineF(272, 98, 272, 150), 14, 250);
    const QColor finBase(40, 120, 130), finTip(240, 170, 40);
    paintFin(p, dorsal, finBase, finTip, QLineF(104, 80, 236, 112), QLineF(160, 30, 290, 20), 30,
             240);
    paintFin(p, anal, finBase, finTip, QLineF(104, 168, 236, 136), QLineF(160, 218, 290, 228), 30,
             240);
    for (const QPainterPath *f : {&dorsal, &anal}) {
        const Saved s(p);
        p.setClipPath(*f, Qt::IntersectClip);
        stroke(p, *f, QColor(60, 170, 255), 4);
    }

    fillBody(p, body, QColor(30, 100, 130), QColor(50, 140, 140), QColor(100, 160, 120));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QLinearGradient rims(0, 60, 0, 190);
        rims.setColorAt(0, QColor(230, 200, 50, 150));
        rims.setColorAt(1, QColor(250, 200, 40, 230));
        p.setPen(QPen(QBrush(rims), 1.3));
        p.setBrush(Qt::NoBrush);
        const QRectF r = body.boundingRect();
        int row = 0;
        for (double y = r.top(); y < r.bottom() + 8; y += 6.5, ++row) {
            for (double x = r.left() + (row % 2) * 4.5 + 40; x < r.right() + 8; x += 9)
                p.drawArc(QRectF(x - 4.5, y - 4.5, 9, 9), -70 * 16, 140 * 16);
        }
        // The face is plainer and bluer than the scaled body.
        QRadialGradient face(QPointF(82, 126), 40);
        face.setColorAt(0, QColor(70, 150, 200, 210));
        face.setColorAt(1, QColor(70, 150, 200, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawEllipse(QPointF(82, 126), 40, 40);
    }
    shadeBody(p, body, QColor(20, 60, 80), QPointF(0.45, 0.3), 60);

    stroke(p, curve({{110, 76}, {116, 110}, {112, 150}, {102, 176}}), QColor(60, 170, 255), 2.2);
    p.setPen(QPen(QColor(60, 170, 255), 2));
    p.setBrush(QColor(20, 40, 90));
    p.drawEllipse(QPointF(126, 130), 7, 9);

    p.setPen(QPen(QColor(60, 180, 255), 3));
    p.setBrush(QColor(15, 25, 60));
    p.drawEllipse(QPointF(112, 78), 10, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 190, 255));
    for (const QPointF &d :
         {QPointF(108, 76), QPointF(114, 74), QPointF(111, 81), QPointF(116, 80)})
        p.drawEllipse(d, 1.1, 1.1);

    stroke(p, curve({{58, 132}, {62, 135}, {67, 134}}), QColor(30, 40, 60), 1.3);
    backdrop::paintEye(p, QPointF(86, 110), 6.5, QColor(60, 150, 200));

    QPainterPath pectoral(QPointF(128, 124));
    pectoral.quadTo(QPointF(152, 110), QPointF(172, 118));
    pectoral.quadTo(QPointF(164, 138), QPointF(148, 146));
    pectoral.quadTo(QPointF(136, 140), QPointF(128, 136));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(250, 200, 20), QColor(255, 225, 80), QLineF(128, 124, 128, 136),
             QLineF(172, 118, 148, 146), 9, 235);
    QPainterPath pelvic(QPointF(104, 176));
    pelvic.quadTo(QPointF(100, 206), QPointF(116, 226));
    pelvic.quadTo(QPointF(120, 198), QPointF(126, 180));
    pelvic.closeSubpath();
    paintFin(p, pelvic, QColor(240, 180, 30), QColor(250, 220, 90), QLineF(104, 176, 126, 180),
             QLineF(108, 214, 118, 222), 4, 240);
    stroke(p, curve({{104, 178}, {102, 204}, {116, 226}}), QColor(60, 170, 255), 1.4);
}

// French Grunt: a small deep grunt, bright yellow stripes on blue-white;
// level above the lateral line, slanting below it.
void paintFish20(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.4);
    backdrop::paintCoralHead(p, QPointF(270, 250), 80, QColor(170, 150, 110));
    backdrop::paintSeaFan(p, QPointF(40, 240), 110, QColor(180, 90, 80));

    const QPainterPath body = backdrop::smoothClosedPath({{40, 134},
                                                          {52, 112},
                                                          {82, 86},
                                                          {130, 68},
                                                          {176, 72},
                                                          {216, 92},
                                                          {240, 112},
                                                          {240, 134},
                                                          {216, 150},
                                                          {176, 168},
                                                          {130, 178},
                                                          {88, 170},
                                                          {58, 154}});
    const QColor yellow(250, 205, 40);
    const QPainterPath tail = forkedTail({236, 112}, {236, 134}, {292, 76}, {292, 172}, {266, 123});
    paintFin(p, tail, yellow.darker(110), yellow, QLineF(238, 114, 238, 132),
             QLineF(292, 76, 292, 172), 16, 220);

    QPainterPath spiny(QPointF(96, 80));
    spiny.cubicTo(QPointF(110, 50), QPointF(150, 48), QPointF(172, 66));
    spiny.lineTo(QPointF(172, 80));
    spiny.closeSubpath();
    paintFin(p, spiny, yellow.darker(115), yellow, QLineF(98, 84, 172, 76),
             QLineF(110, 56, 170, 62), 11, 210);
    QPainterPath soft(QPointF(168, 70));
    soft.cubicTo(QPointF(190, 58), QPointF(220, 74), QPointF(240, 110));
    soft.lineTo(QPointF(200, 100));
    soft.closeSubpath();
    paintFin(p, soft, yellow.darker(115), yellow, QLineF(170, 74, 238, 110),
             QLineF(186, 62, 236, 100), 14, 210);
    QPainterPath anal(QPointF(170, 166));
    anal.cubicTo(QPointF(190, 196), QPointF(220, 180), QPointF(238, 136));
    anal.lineTo(QPointF(196, 150));
    anal.closeSubpath();
    paintFin(p, anal, yellow.darker(115), yellow, QLineF(172, 164, 236, 136),
             QLineF(188, 188, 236, 150), 12, 220);

    fillBody(p, body, QColor(150, 176, 214), QColor(200, 216, 236), QColor(232, 236, 242));

    // The lateral line separates the level stripes from the slanting ones.
    const QPainterPath lateral = curve({{96, 100}, {150, 96}, {200, 104}, {242, 120}});
    QPainterPath above = lateral;
    above.lineTo(300, 120);
    above.lineTo(300, 0);
    above.lineTo(0, 0);
    above.lineTo(0, 100);
    above.closeSubpath();
    const QPainterPath upper = body.intersected(above);
    const QPainterPath lower = body.subtracted(above);
    {
        const Saved s(p);
        p.setClipPath(upper, Qt::IntersectClip);
        for (double y : {70.0, 79.0, 88.0, 97.0})
            stroke(p, curve({{40, y + 12}, {140, y - 4}, {250, y + 18}}), yellow, 4.4);
    }
    {
        const Saved s(p);
        p.setClipPath(lower, Qt::IntersectClip);
        for (int i = -8; i < 14; ++i) {
            const double x = 40 + i * 15;
            stroke(p, curve({{x, 200}, {x + 60, 150}, {x + 130, 90}}), yellow, 4.4);
        }
    }
    stroke(p, lateral, QColor(120, 140, 170, 140), 0.8);
    shadeBody(p, body, QColor(60, 80, 110), QPointF(0.4, 0.3), 60);

    // Grunts show a red mouth lining.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 50));
    QPainterPath mouth(QPointF(44, 133));
    mouth.quadTo(QPointF(56, 132), QPointF(66, 138));
    mouth.quadTo(QPointF(56, 140), QPointF(46, 138));
    mouth.closeSubpath();
    p.drawPath(mouth);
    stroke(p, curve({{43, 133}, {56, 134}, {67, 138}}), QColor(60, 50, 60), 1.2);
    stroke(p, curve({{100, 86}, {108, 110}, {106, 140}, {96, 162}}), QColor(80, 100, 130, 140),
           1.3);
    backdrop::paintEye(p, QPointF(76, 110), 7, QColor(200, 170, 80));

    QPainterPath pelvic(QPointF(104, 166));
    pelvic.quadTo(QPointF(104, 192), QPointF(118, 200));
    pelvic.quadTo(QPointF(120, 184), QPointF(124, 170));
    pelvic.closeSubpath();
    paintFin(p, pelvic, yellow.darker(105), yellow, QLineF(104, 166, 124, 170),
             QLineF(110, 194, 118, 198), 4, 230);
    QPainterPath pectoral(QPointF(112, 122));
    pectoral.quadTo(QPointF(136, 108), QPointF(158, 116));
    pectoral.quadTo(QPointF(152, 132), QPointF(138, 140));
    pectoral.quadTo(QPointF(122, 134), QPointF(112, 130));
    pectoral.closeSubpath();
    paintFin(p, pectoral, yellow, yellow.lighter(120), QLineF(112, 122, 112, 130),
             QLineF(158, 116, 138, 140), 9, 180);
}

// Surgeonfish (Ocean Surgeon): the same oval as the Doctorfish but with no
// bars at all, a deep crescent tail with a pale margin and blue fin edges.
void paintFish21(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.4);
    backdrop::paintCoralHead(p, QPointF(60, 250), 76, QColor(150, 160, 110));
    backdrop::paintSeaFan(p, QPointF(250, 240), 100, QColor(170, 80, 110));
    faceRight(p);

    const double e = 4;
    const SurgeonColours c{QColor(96, 90, 86), QColor(130, 126, 126), QColor(170, 172, 178),
                           QColor(92, 88, 94), QColor(120, 118, 130), QColor(96, 92, 96)};
    const QPainterPath body = surgeonBody(e);

    const QPainterPath tail =
        lunateTail({238 + e, 110}, {238 + e, 132}, {304, 50}, {304, 192}, 268);
    paintFin(p, tail, c.tail, c.tail, QLineF(240 + e, 112, 240 + e, 130), QLineF(304, 50, 304, 192),
             18, 240);
    {
        const Saved s(p);
        p.setClipPath(tail, Qt::IntersectClip);
        QPainterPath margin(QPointF(304, 50));
        margin.quadTo(QPointF(268, 121), QPointF(304, 192));
        stroke(p, margin, QColor(235, 236, 228), 6);
    }

    paintSurgeonShape(p, body, c, e, QColor(90, 170, 240));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        // Faint lengthwise lines only; no bars.
        for (int i = 0; i < 9; ++i) {
            const double y = 72 + i * 12;
            stroke(p, curve({{60, y + 4}, {150, y}, {250, y + 2}}), QColor(80, 78, 80, 40), 1.6);
        }
    }
    shadeBody(p, body, QColor(50, 46, 48));

    p.setPen(QPen(QColor(150, 190, 230), 1.4));
    p.setBrush(QColor(40, 40, 48));
    p.drawEllipse(QPointF(236 + e, 121), 7, 2.6);

    paintSurgeonFace(p, QColor(190, 170, 90), QColor(40, 38, 40));
    paintSurgeonPectoral(p, QColor(130, 126, 132));
}


// Trunkfish: an olive box with a humped back and a pale honeycomb net; no
// round black spots, unlike the Spotted Trunkfish (14).
void paintFish23(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.45);
    backdrop::paintSand(p, kFrame, 200);
    backdrop::paintCoralHead(p, QPointF(40, 214), 56, QColor(160, 140, 100));
    faceRight(p);

    const QPainterPath body = backdrop::smoothClosedPath({{48, 130},
                                                          {54, 112},
                                                          {70, 98},
                                                          {94, 86},
                                                          {116, 70},
                                                          {140, 58},
                                                          {166, 62},
                                                          {198, 82},
                                                          {228, 106},
                                                          {232, 130},
                                                          {206, 148},
                                                          {160, 164},
                                                          {108, 172},
                                                          {70, 166},
                                                          {52, 150}});
    const QPainterPath stalk =
        backdrop::smoothClosedPath({{212, 106}, {246, 112}, {246, 132}, {212, 140}});
    const QPainterPath tail = backdrop::smoothClosedPath(
        {{242, 112}, {264, 94}, {288, 98}, {296, 122}, {288, 148}, {264, 152}, {242, 134}});
    const QColor fin(150, 140, 95);
    paintFin(p, tail, fin, fin.lighter(120), QLineF(244, 114, 244, 132), QLineF(290, 96, 290, 150),
             10, 210);
    QPainterPath dorsal(QPointF(188, 80));
    dorsal.quadTo(QPointF(204, 52), QPointF(224, 62));
    dorsal.quadTo(QPointF(222, 84), QPointF(214, 100));
    dorsal.closeSubpath();
    paintFin(p, dorsal, fin, fin.lighter(115), QLineF(190, 78, 214, 100), QLineF(204, 52, 224, 60),
             7, 210);
    QPainterPath anal(QPointF(192, 160));
    anal.quadTo(QPointF(208, 186), QPointF(226, 176));
    anal.quadTo(QPointF(222, 156), QPointF(214, 144));
    anal.closeSubpath();
    paintFin(p, anal, fin, fin.lighter(115), QLineF(192, 158, 214, 144), QLineF(206, 184, 226, 174),
             7, 210);

    fillBody(p, stalk, QColor(110, 104, 66), QColor(140, 132, 90), QColor(170, 160, 118));
    fillBody(p, body, QColor(96, 92, 56), QColor(128, 122, 78), QColor(176, 166, 120));

    // Pale net of hexagons with dark cells: the Trunkfish's honeycomb.
    {
        const Saved s(p);
        const QPainterPath carapace = body.united(stalk);
        p.setClipPath(carapace, Qt::IntersectClip);
        const double r = 6.2;
        const double dx = r * std::sqrt(3.0);
        int row = 0;
        for (double y = 30; y < 200; y += r * 1.5, ++row) {
            for (double x = 40 + (row % 2) * dx / 2; x < 260; x += dx) {
                QPolygonF hex;
                for (int k = 0; k < 6; ++k) {
                    const double a = (60.0 * k + 30.0) * std::numbers::pi / 180.0;
                    hex << QPointF(x + r * std::cos(a), y + r * std::sin(a));
                }
                p.setPen(QPen(QColor(230, 222, 170, 190), 2.0, Qt::SolidLine, Qt::RoundCap,
                              Qt::RoundJoin));
                p.setBrush(QColor(70, 66, 36, 60));
                p.drawPolygon(hex);
            }
        }
        // Ridge where the flat belly of the box begins.
        stroke(p, curve({{52, 150}, {110, 158}, {170, 150}, {226, 134}}),
               QColor(230, 222, 170, 170), 1.8);
    }
    shadeBody(p, body, QColor(50, 46, 24), QPointF(0.5, 0.2), 60);

    p.setPen(QPen(QColor(90, 80, 50), 0.8));
    p.setBrush(QColor(200, 186, 140));
    p.drawEllipse(QPointF(46, 138), 5.5, 4.2);
    stroke(p, curve({{41, 138}, {46, 139}, {51, 138}}), QColor(70, 60, 40), 1.1);
    backdrop::paintEye(p, QPointF(90, 104), 7, QColor(150, 140, 70));

    QPainterPath pectoral(QPointF(124, 112));
    pectoral.quadTo(QPointF(142, 98), QPointF(156, 104));
    pectoral.quadTo(QPointF(152, 120), QPointF(140, 130));
    pectoral.quadTo(QPointF(130, 126), QPointF(124, 122));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(170, 160, 110), QColor(210, 200, 150), QLineF(124, 112, 124, 122),
             QLineF(156, 104, 140, 130), 8, 170);
}


// Hogfish: a big wrasse with a long pig-like snout, the first three dorsal
// spines drawn out into filaments, a dark snout patch and a black spot at
// the rear of the dorsal fin.
void paintFish25(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.4);
    backdrop::paintSand(p, kFrame, 212);
    backdrop::paintCoralHead(p, QPointF(290, 222), 50, QColor(160, 130, 150));

    const QPainterPath body = backdrop::smoothClosedPath({{26, 138},
                                                          {40, 126},
                                                          {66, 106},
                                                          {98, 84},
                                                          {128, 70},
                                                          {168, 66},
                                                          {210, 80},
                                                          {238, 102},
                                                          {248, 112},
                                                          {248, 132},
                                                          {232, 146},
                                                          {200, 164},
                                                          {158, 178},
                                                          {112, 178},
                                                          {74, 166},
                                                          {44, 152},
                                                          {28, 146}});
    const QColor fin(220, 150, 150);
    const QPainterPath tail = lunateTail({242, 108}, {242, 134}, {304, 64}, {304, 178}, 278);
    paintFin(p, tail, fin, fin.lighter(110), QLineF(244, 110, 244, 132), QLineF(304, 64, 304, 178),
             16, 220);

    QPainterPath dorsal(QPointF(130, 72));
    dorsal.cubicTo(QPointF(150, 50), QPointF(210, 46), QPointF(246, 110));
    dorsal.lineTo(QPointF(200, 96));
    dorsal.closeSubpath();
    paintFin(p, dorsal, fin, fin.lighter(110), QLineF(134, 68, 244, 108), QLineF(150, 48, 240, 90),
             22, 210);
    QPainterPath anal(QPointF(150, 176));
    anal.cubicTo(QPointF(176, 200), QPointF(236, 192), QPointF(260, 150));
    anal.lineTo(QPointF(236, 136));
    anal.lineTo(QPointF(180, 160));
    anal.closeSubpath();
    paintFin(p, anal, fin, fin.lighter(110), QLineF(152, 182, 238, 138), QLineF(170, 200, 258, 152),
             18, 210);

    const struct
    {
        QPointF base, bend, tip;
    } spines[] = {{{114, 80}, {106, 46}, {108, 10}},
                  {{126, 74}, {122, 40}, {130, 6}},
                  {{139, 70}, {140, 40}, {154, 12}}};
    QPainterPath membrane(QPointF(110, 82));
    membrane.lineTo(QPointF(109, 58));
    membrane.quadTo(QPointF(120, 56), QPointF(123, 48));
    membrane.quadTo(QPointF(134, 54), QPointF(140, 50));
    membrane.lineTo(QPointF(146, 70));
    membrane.closeSubpath();
    paintFin(p, membrane, fin, fin.lighter(115), QLineF(112, 74, 146, 62), QLineF(111, 52, 140, 44),
             0, 180);
    for (const auto &sp : spines) {
        QPainterPath path(sp.base);
        path.quadTo(sp.bend, sp.tip);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 80, 80));
        p.drawPath(tube(path, 2.6, 0.6));
    }

    fillBody(p, body, QColor(214, 160, 156), QColor(236, 200, 194), QColor(248, 238, 232));
    paintScales(p, body, 8, QColor(180, 110, 110, 70), 0.7);
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The male's dark mask over the snout and forehead.
        QPainterPath mask(QPointF(20, 128));
        mask.cubicTo(QPointF(60, 94), QPointF(100, 62), QPointF(140, 48));
        mask.lineTo(QPointF(150, 72));
        mask.cubicTo(QPointF(130, 82), QPointF(112, 94), QPointF(100, 100));
        mask.cubicTo(QPointF(84, 116), QPointF(60, 130), QPointF(34, 142));
        mask.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 40, 45, 220));
        p.drawPath(mask);
        stroke(p, mask, QColor(90, 40, 45, 60), 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 15, 18));
        p.drawEllipse(QPointF(226, 99), 8, 7);
    }
    shadeBody(p, body, QColor(140, 80, 80), QPointF(0.45, 0.3), 70);

    p.setPen(QPen(QColor(150, 90, 90), 0.8));
    p.setBrush(QColor(240, 190, 180));
    p.drawEllipse(QPointF(28, 141), 5, 3.6);
    stroke(p, curve({{24, 141}, {30, 142}, {38, 141}}), QColor(110, 50, 50), 1.1);
    stroke(p, curve({{122, 78}, {130, 112}, {126, 146}, {114, 166}}), QColor(160, 100, 100, 130),
           1.3);
    backdrop::paintEye(p, QPointF(94, 104), 6, QColor(210, 80, 60));

    QPainterPath pelvic(QPointF(112, 172));
    pelvic.quadTo(QPointF(112, 198), QPointF(126, 208));
    pelvic.quadTo(QPointF(128, 190), QPointF(132, 176));
    pelvic.closeSubpath();
    paintFin(p, pelvic, fin, fin.lighter(110), QLineF(112, 172, 132, 176),
             QLineF(118, 200, 126, 206), 4, 220);
    QPainterPath pectoral(QPointF(132, 128));
    pectoral.quadTo(QPointF(156, 114), QPointF(178, 122));
    pectoral.quadTo(QPointF(170, 140), QPointF(154, 148));
    pectoral.quadTo(QPointF(140, 142), QPointF(132, 138));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(240, 190, 180), QColor(250, 220, 215), QLineF(132, 128, 132, 138),
             QLineF(178, 122, 154, 148), 9, 170);
}


// Blue Parrotfish: a big, heavy, uniformly powder-blue parrotfish with a
// rounded forehead hump, a white-blue beak and a crescent tail.
void paintFish27(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.35);
    backdrop::paintCoralHead(p, QPointF(240, 252), 80, QColor(180, 150, 90));
    backdrop::paintSeaFan(p, QPointF(20, 240), 110, QColor(150, 70, 130));

    const QPainterPath body = backdrop::smoothClosedPath({{20, 136},
                                                          {23, 114},
                                                          {34, 90},
                                                          {60, 70},
                                                          {104, 62},
                                                          {156, 64},
                                                          {204, 78},
                                                          {236, 100},
                                                          {252, 114},
                                                          {252, 138},
                                                          {234, 152},
                                                          {198, 170},
                                                          {148, 182},
                                                          {98, 180},
                                                          {56, 168},
                                                          {28, 154}});
    const QColor fin(110, 160, 220);
    const QPainterPath tail = lunateTail({246, 110}, {246, 138}, {306, 70}, {306, 182}, 280);
    paintFin(p, tail, fin, fin.lighter(115), QLineF(248, 112, 248, 136), QLineF(306, 70, 306, 182),
             16, 235);
    stroke(p, curve({{306, 70}, {284, 126}, {306, 182}}), QColor(190, 220, 250, 150), 2);

    QPainterPath dorsal(QPointF(92, 68));
    dorsal.cubicTo(QPointF(110, 46), QPointF(210, 46), QPointF(250, 112));
    dorsal.lineTo(QPointF(200, 100));
    dorsal.closeSubpath();
    paintFin(p, dorsal, fin, fin.lighter(120), QLineF(96, 64, 246, 110), QLineF(110, 44, 240, 96),
             24, 220);
    QPainterPath anal(QPointF(150, 178));
    anal.cubicTo(QPointF(176, 200), QPointF(226, 192), QPointF(250, 140));
    anal.lineTo(QPointF(196, 160));
    anal.closeSubpath();
    paintFin(p, anal, fin, fin.lighter(120), QLineF(152, 184, 246, 140), QLineF(170, 202, 240, 152),
             16, 220);

    fillBody(p, body, QColor(74, 132, 206), QColor(116, 170, 228), QColor(170, 206, 240));
    paintScales(p, body, 13, QColor(60, 110, 180, 90), 1.0);
    shadeBody(p, body, QColor(30, 70, 130), QPointF(0.4, 0.28), 80);

    // Beak: fused white-blue tooth plates.
    p.setPen(QPen(QColor(120, 150, 190), 0.8));
    p.setBrush(QColor(225, 240, 252));
    QPainterPath upperBeak(QPointF(18, 132));
    upperBeak.quadTo(QPointF(21, 122), QPointF(35, 124));
    upperBeak.lineTo(QPointF(37, 136));
    upperBeak.quadTo(QPointF(25, 138), QPointF(18, 134));
    upperBeak.closeSubpath();
    p.drawPath(upperBeak);
    QPainterPath lowerBeak(QPointF(19, 137));
    lowerBeak.quadTo(QPointF(27, 140), QPointF(37, 138));
    lowerBeak.lineTo(QPointF(37, 148));
    lowerBeak.quadTo(QPointF(25, 150), QPointF(21, 142));
    lowerBeak.closeSubpath();
    p.drawPath(lowerBeak);
    stroke(p, curve({{19, 136}, {28, 137.5}, {37, 137}}), QColor(70, 90, 120), 1.0);
    stroke(p, curve({{37, 122}, {43, 136}, {39, 150}}), QColor(150, 190, 235), 3);

    stroke(p, curve({{112, 70}, {122, 106}, {118, 148}, {104, 174}}), QColor(50, 90, 160, 140),
           1.4);
    backdrop::paintEye(p, QPointF(68, 98), 6.5, QColor(230, 200, 110));

    QPainterPath pelvic(QPointF(106, 174));
    pelvic.quadTo(QPointF(106, 198), QPointF(120, 208));
    pelvic.quadTo(QPointF(122, 192), QPointF(126, 178));
    pelvic.closeSubpath();
    paintFin(p, pelvic, fin, fin.lighter(115), QLineF(106, 174, 126, 178),
             QLineF(112, 200, 120, 206), 4, 230);
    QPainterPath pectoral(QPointF(126, 126));
    pectoral.quadTo(QPointF(152, 110), QPointF(176, 120));
    pectoral.quadTo(QPointF(168, 140), QPointF(150, 148));
    pectoral.quadTo(QPointF(136, 142), QPointF(126, 138));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(150, 195, 240), QColor(200, 225, 250), QLineF(126, 126, 126, 138),
             QLineF(176, 120, 150, 148), 9, 180);
}

// Queen Triggerfish: deep body with streaming tips on the dorsal, anal and
// both tail lobes, two bright blue lines across the face and dark lines
// radiating from the eye.
void paintFish28(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.35);
    backdrop::paintCoralHead(p, QPointF(36, 252), 66, QColor(170, 140, 100));
    backdrop::paintSeaFan(p, QPointF(296, 240), 90, QColor(170, 80, 100));

    const QPainterPath body = backdrop::smoothClosedPath({{40, 142},
                                                          {56, 122},
                                                          {84, 96},
                                                          {116, 72},
                                                          {146, 60},
                                                          {186, 64},
                                                          {224, 94},
                                                          {246, 114},
                                                          {246, 136},
                                                          {224, 158},
                                                          {186, 184},
                                                          {136, 194},
                                                          {96, 184},
                                                          {62, 164},
                                                          {44, 150}});
    const QColor blue(50, 170, 250);
    const QColor fin(90, 140, 120);

    QPainterPath tail(QPointF(244, 112));
    tail.quadTo(QPointF(268, 98), QPointF(316, 52));
    tail.quadTo(QPointF(290, 88), QPointF(282, 104));
    tail.quadTo(QPointF(276, 125), QPointF(282, 146));
    tail.quadTo(QPointF(290, 162), QPointF(316, 198));
    tail.quadTo(QPointF(268, 152), QPointF(244, 138));
    tail.closeSubpath();
    paintFin(p, tail, fin, QColor(130, 160, 110), QLineF(246, 114, 246, 136),
             QLineF(290, 86, 290, 164), 16, 230);
    {
        const Saved s(p);
        p.setClipPath(tail, Qt::IntersectClip);
        stroke(p, tail, blue, 3);
    }

    const auto softFin = [](bool upper) {
        const auto y = [upper](double v) { return upper ? v : 250 - v; };
        QPainterPath f(QPointF(184, y(66)));
        f.cubicTo(QPointF(200, y(50)), QPointF(230, y(36)), QPointF(270, y(10)));
        f.cubicTo(QPointF(250, y(40)), QPointF(244, y(80)), QPointF(244, y(114)));
        f.lineTo(QPointF(200, y(100)));
        f.closeSubpath();
        return f;
    };
    const QPainterPath dorsal = softFin(true);
    const QPainterPath anal = softFin(false);
    paintFin(p, dorsal, fin, QColor(120, 160, 110), QLineF(188, 70, 244, 112),
             QLineF(210, 46, 262, 20), 20, 225);
    paintFin(p, anal, fin, QColor(120, 160, 110), QLineF(188, 180, 244, 138),
             QLineF(210, 204, 262, 230), 20, 225);
    for (const QPainterPath *f : {&dorsal, &anal}) {
        const Saved s(p);
        p.setClipPath(*f, Qt::IntersectClip);
        stroke(p, *f, blue, 3);
    }
    // The stout first dorsal spine that locks upright and names the family.
    QPainterPath trigger(QPointF(136, 64));
    trigger.lineTo(QPointF(140, 30));
    trigger.quadTo(QPointF(156, 42), QPointF(166, 60));
    trigger.closeSubpath();
    paintFin(p, trigger, fin.darker(120), fin, QLineF(136, 64, 166, 60), QLineF(140, 30, 160, 54),
             3, 230);

    QLinearGradient g(0, 60, 0, 194);
    g.setColorAt(0, QColor(120, 136, 70));
    g.setColorAt(0.4, QColor(156, 160, 96));
    g.setColorAt(0.62, QColor(120, 160, 160));
    g.setColorAt(1, QColor(90, 150, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
    paintScales(p, body, 8, QColor(70, 90, 60, 60), 0.6);
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QRadialGradient cheek(QPointF(92, 138), 34);
        cheek.setColorAt(0, QColor(230, 200, 80, 170));
        cheek.setColorAt(1, QColor(230, 200, 80, 0));
        p.setBrush(cheek);
        p.drawEllipse(QPointF(92, 138), 34, 34);
        const QColor rim(200, 240, 255, 170);
        const QPainterPath first = curve({{44, 146}, {80, 142}, {120, 130}, {156, 112}});
        const QPainterPath second = curve({{52, 160}, {90, 164}, {130, 156}, {160, 146}});
        for (const QPainterPath *line : {&first, &second}) {
            stroke(p, *line, rim, 6);
            stroke(p, *line, blue, 4);
        }
        stroke(p, curve({{238, 108}, {234, 125}, {238, 140}}), blue, 3.5);
    }
    shadeBody(p, body, QColor(50, 70, 60), QPointF(0.45, 0.3), 60);

    const QPointF eye(118, 100);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 30.0 * std::numbers::pi / 180.0 + 0.2;
        const QPointF d(std::cos(a), std::sin(a));
        const double length = (i % 2 ? 15 : 20) + 4 * std::abs(std::cos(a));
        stroke(p, curve({eye + d * 9, eye + d * length}), QColor(50, 50, 40, 150), 1.1);
    }
    backdrop::paintEye(p, eye, 7.5, QColor(190, 150, 60));

    stroke(p, curve({{40, 142}, {44, 144}, {48, 143}}), QColor(40, 40, 40), 1.3);
    stroke(p, curve({{150, 110}, {146, 130}}), QColor(60, 70, 60, 140), 1.3);
    QPainterPath pectoral(QPointF(148, 118));
    pectoral.quadTo(QPointF(168, 108), QPointF(184, 116));
    pectoral.quadTo(QPointF(176, 130), QPointF(162, 136));
    pectoral.quadTo(QPointF(152, 130), QPointF(148, 126));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(160, 170, 120), QColor(200, 210, 160), QLineF(148, 118, 148, 126),
             QLineF(184, 116, 162, 136), 7, 180);
}

// Sergeant Major: an oval damselfish, white to silver with five black bars
// and a yellow upper back.
void paintFish29(QPainter &p, double w, double h)
{
    const DesignSpace design(p, w, h);
    backdrop::paintWater(p, kFrame, 0.3);
    backdrop::paintCoralHead(p, QPointF(280, 252), 76, QColor(180, 150, 100));
    backdrop::paintSeaFan(p, QPointF(30, 240), 120, QColor(160, 70, 140));

    const QPainterPath body = backdrop::smoothClosedPath({{52, 126},
                                                          {60, 102},
                                                          {84, 74},
                                                          {128, 58},
                                                          {178, 62},
                                                          {218, 88},
                                                          {238, 110},
                                                          {238, 134},
                                                          {218, 154},
                                                          {178, 180},
                                                          {128, 188},
                                                          {86, 174},
                                                          {60, 152}});
    const QColor fin(200, 200, 180);
    const QPainterPath tail = forkedTail({234, 110}, {234, 134}, {292, 70}, {292, 176}, {264, 122});
    paintFin(p, tail, fin, fin.lighter(110), QLineF(236, 112, 236, 132), QLineF(292, 70, 292, 176),
             16, 210);
    stroke(p, curve({{292, 70}, {270, 100}, {264, 122}}), QColor(40, 40, 45, 120), 1.6);
    stroke(p, curve({{264, 122}, {270, 146}, {292, 176}}), QColor(40, 40, 45, 120), 1.6);

    QPainterPath dorsal(QPointF(88, 74));
    dorsal.cubicTo(QPointF(110, 40), QPointF(210, 36), QPointF(238, 110));
    dorsal.lineTo(QPointF(190, 96));
    dorsal.closeSubpath();
    paintFin(p, dorsal, QColor(200, 190, 120), QColor(220, 215, 170), QLineF(92, 78, 236, 110),
             QLineF(110, 48, 230, 90), 22, 215);
    QPainterPath anal(QPointF(140, 184));
    anal.cubicTo(QPointF(170, 212), QPointF(222, 200), QPointF(238, 136));
    anal.lineTo(QPointF(190, 150));
    anal.closeSubpath();
    paintFin(p, anal, fin, fin.lighter(110), QLineF(142, 182, 236, 136), QLineF(160, 204, 234, 150),
             16, 215);

    fillBody(p, body, QColor(200, 206, 212), QColor(228, 232, 236), QColor(240, 242, 244));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QLinearGradient back(0, 56, 0, 118);
        back.setColorAt(0, QColor(240, 205, 50, 240));
        back.setColorAt(0.6, QColor(240, 215, 80, 170));
        back.setColorAt(1, QColor(240, 215, 80, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(back);
        p.drawRect(QRectF(0, 40, 320, 80));
        const QColor bar(20, 24, 32, 235);
        for (int i = 0; i < 5; ++i) {
            const double x = 106 + i * 32;
            QPainterPath b(QPointF(x - 8, 40));
            b.lineTo(QPointF(x + 8, 40));
            b.quadTo(QPointF(x + 3, 120), QPointF(x + 4, 200));
            b.lineTo(QPointF(x - 6, 200));
            b.quadTo(QPointF(x - 8, 120), QPointF(x - 8, 40));
            b.closeSubpath();
            p.setBrush(bar);
            p.drawPath(b);
        }
    }
    paintScales(p, body, 7, QColor(120, 120, 110, 50), 0.6);
    shadeBody(p, body, QColor(70, 72, 80), QPointF(0.45, 0.35), 60);

    stroke(p, curve({{96, 72}, {102, 104}, {100, 140}, {92, 166}}), QColor(90, 95, 110, 140), 1.3);
    stroke(p, curve({{52, 126}, {57, 129}, {62, 128}}), QColor(40, 40, 45), 1.3);
    backdrop::paintEye(p, QPointF(78, 106), 6.8, QColor(210, 190, 90));

    QPainterPath pelvic(QPointF(100, 172));
    pelvic.quadTo(QPointF(100, 198), QPointF(114, 206));
    pelvic.quadTo(QPointF(116, 190), QPointF(120, 176));
    pelvic.closeSubpath();
    paintFin(p, pelvic, QColor(60, 60, 70), QColor(110, 110, 120), QLineF(100, 172, 120, 176),
             QLineF(106, 200, 114, 204), 4, 230);
    QPainterPath pectoral(QPointF(112, 124));
    pectoral.quadTo(QPointF(136, 110), QPointF(158, 118));
    pectoral.quadTo(QPointF(150, 134), QPointF(136, 142));
    pectoral.quadTo(QPointF(122, 136), QPointF(112, 132));
    pectoral.closeSubpath();
    paintFin(p, pectoral, QColor(230, 230, 220), QColor(250, 250, 245), QLineF(112, 124, 112, 132),
             QLineF(158, 118, 136, 142), 9, 150);
}

} // namespace legacy
