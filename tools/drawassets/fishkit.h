// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "backdrop.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <initializer_list>
#include <optional>
#include <vector>

// The one vocabulary every fish painter is written in. A painter is a short
// description of its fish, always in this order:
//
//   1. const Canvas canvas(p, w, h);  then the backdrop: paintWater, and sand,
//      reef rock, coral heads or sea fans where the fish lives;
//   2. the fins behind the body: tail(), fin() for dorsal and anal, paintFin();
//   3. the body: bodyOutline() from a BodyShape, fillBody();
//   4. patterns clipped to the body: paintStripes,
//      anatomy::paintFreckles for spots, or scatterPoints/spreadPoints for
//      anything else; then shadeBody() to round the body off and darken its
//      edge on the shaded side;
//   5. the fins in front of the body (pectoral, pelvic), gill cover and mouth
//      as stroke(curveThrough(...)), and paintNaturalEye() last.
//
// Coordinates are design units on the 320 x 240 canvas with the head to the
// left; Canvas::faceRight() turns a fish that should look the other way.
// Anything random is seeded, so the 1x and 2x pictures match and every run
// of the tool writes the same files.
namespace fishkit {

// The scenery and the drawing primitives belong to the vocabulary too.
using namespace backdrop;

// Lets a painter draw on the 320 x 240 design canvas whatever size the
// picture is (250 x 188 for the French Angelfish), and restores the painter.
class Canvas
{
public:
    static constexpr QRectF frame{0, 0, 320, 240};

    Canvas(QPainter &p, double width, double height)
        : m_p(p)
    {
        m_p.save();
        m_p.scale(width / frame.width(), height / frame.height());
    }
    ~Canvas() { m_p.restore(); }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    // Mirrors what follows, so that not every fish swims the same way.
    void faceRight()
    {
        m_p.translate(frame.width(), 0);
        m_p.scale(-1, 1);
    }

    // Tips what follows `degrees` about `centre`, positive nose-down for a
    // fish facing left: a fish grazing or rising is seldom held level.
    void tilt(QPointF centre, double degrees) const
    {
        m_p.translate(centre);
        m_p.rotate(-degrees);
        m_p.translate(-centre);
    }

private:
    QPainter &m_p;
};

// Restores the painter at the end of the scope, so the clip or transform of
// one detail never leaks into the next.
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

// The side view of a fish body, head to the left, from a few proportions.
struct BodyShape
{
    QPointF snout;           // tip of the snout; its height is the body's midline
    double length = 200.0;   // snout to the root of the tail
    double depth = 70.0;     // greatest depth, back to belly
    double deepestAt = 0.45; // where the body is deepest, as a share of the length
    double bluntness = 0.5;  // 0 a pointed snout, 1 a steep round forehead
    double stalk = 0.2;      // depth of the tail stalk, as a share of the depth
    double back = 0.5;       // share of the depth that lies above the midline
    double hump = 0.0;       // extra rise of the forehead, as a share of the depth
    double belly = 0.0;      // extra sag of the belly, as a share of the depth
    double taper = 0.0;      // 0 a stalk that runs on level to the tail, 1 one that
                             // narrows all the way to the tail's root
    double tube = 0.0;       // a short snout drawn out ahead of the forehead, as a
                             // share of the length; the profile dips in behind it
    double brow = 0.0;       // 0 a head rounded alike above and below, 1 a forehead
                             // that climbs steep and straight from a small blunt snout
    double bend = 0.0;       // how far the midline arches up between snout and tail,
                             // as a share of the length: a fish flexing as it swims

    // A point `along` the length (0 snout, 1 tail root) and `across` the body
    // (-1 on the back, 0 on the midline, 1 on the belly), to place fins,
    // eyes and marks on the body without measuring the outline.
    QPointF at(double along, double across) const;
};

// The closed body outline for `shape`.
QPainterPath bodyOutline(const BodyShape &shape);

// Countershading: `back` along the top, `flank` at `flankAt` of the depth and
// `belly` along the bottom.
void fillBody(QPainter &p, const QPainterPath &body, QColor back, QColor flank, QColor belly,
              double flankAt = 0.5);

// Rounds a flat body off with a darker rim and a sheen high on the flank where
// the light falls, then outlines it.
void shadeBody(QPainter &p, const QPainterPath &body, QColor outline = QColor(10, 20, 35, 130),
               double strength = 1.0);

// The edge of `body` where it meets the water: the skin darkened a little
// towards the shaded belly, by as much as `outline`'s alpha says, and lost
// along the lit back; none behind `tailRoot`, where the stalk runs on into
// the tail.
void paintBodyEdge(QPainter &p, const QPainterPath &body, QColor outline, double tailRoot);

// A fin: its outline, the line where it joins the body and its free edge; rays
// run from the base to the free edge.
struct Fin
{
    QPainterPath shape;
    QLineF base;
    QPainterPath edge;
    // Where each ray ends, for fins built ray by ray; empty, paintFin spreads
    // its rays evenly along the edge.
    std::vector<QPointF> tips{};
    int spines = 0; // how many of the tips end stiff spines rather than soft rays
};

// A dorsal, anal, pelvic or pectoral fin joined to the body from `front` to
// `rear`, its free edge passing through `edge` in that order.
Fin fin(QPointF front, std::initializer_list<QPointF> edge, QPointF rear);

enum class TailKind {
    Forked,   // two pointed lobes, V notch (snappers, jacks, chromis)
    Lunate,   // a crescent (surgeonfish, parrotfish, wrasses)
    Rounded,  // a fan (groupers, gobies, angelfish)
    Truncate, // squared off (Gray Angelfish, grunts at rest)
    Pointed,  // a spear or the end of an eel
};

// A tail fin growing to the right from the tail stalk centred on `root`,
// `rootDepth` deep there, reaching `length` back and `span` from tip to tip.
// `notch` is how far the fork or crescent cuts in, as a share of the length.
Fin tail(TailKind kind, QPointF root, double rootDepth, double length, double span,
         double notch = 0.5);

// `f` swung about the middle of its base to follow the midline of `shape`
// where it meets the tail root, so that the tail of a fish flexing as it
// swims carries on the bend of the stalk instead of standing level.
Fin followBend(const BodyShape &shape, Fin f);

// The swing followBend gives a tail whose base is centred on `pivot`, for
// marks laid on that tail.
QTransform tailSwing(const BodyShape &shape, QPointF pivot);

// A translucent membrane, solid at the base and thinner at the free edge,
// with `rays` rays across it (a fin built ray by ray has its own). Only the
// free edge is outlined: along its base the fin grows out of the body.
void paintFin(QPainter &p, const Fin &f, QColor membrane, QColor ray, int rays);

// A dorsal or anal fin of `spines` stiff spines followed by `softRays` soft
// rays, joined to the body from `front` to `rear`, its free edge following
// `edge`: the membrane is cut in between the spines and runs smoothly over
// the soft rays, as on a snapper, grunt or damselfish.
Fin spinyFin(QPointF front, std::initializer_list<QPointF> edge, QPointF rear, int spines,
             int softRays, double notch = 0.16);
Fin spinyFin(QPointF front, const std::vector<QPointF> &edge, QPointF rear, int spines,
             int softRays, double notch = 0.16);

// Where a line straight up (`side` -1) or down (1) from `inside` leaves
// `outline`: fins of a disc-shaped body stand on its rim, not on `at`.
QPointF rimPoint(const QPainterPath &outline, QPointF inside, int side);

// The point of a fin's outline farthest from `from`, the middle of its root:
// where the fin thins to its free edge.
QPointF farthestFrom(const QPainterPath &shape, QPointF from);

// A picture that comes out as the outline of its fish alone, black on white.
// The painters draw into it as into any picture; the kit leaves the scenery
// and the shading out and fills each body and fin black, so that the fish of
// one family can be told apart by their shapes alone.
class Silhouette : public QImage
{
public:
    explicit Silhouette(QSize size);

    // Whether `p` draws a silhouette, where scenery and shading are left out.
    static bool active(QPainter &p);
    // Fills `part` of the fish black and keeps it for the finished outline;
    // false, doing nothing, when `p` draws an ordinary picture.
    static bool record(QPainter &p, const QPainterPath &part);

    // Black where the fish is, white elsewhere: the parts recorded, and any
    // other ink laid after the first of them (filaments, marks, the eye).
    QImage outline() const;

private:
    std::vector<QPainterPath> m_parts; // in device pixels
};

// Like paintFin, but the membrane thins out towards the free edge until the
// water shows through it between the rays.
void paintSheerFin(QPainter &p, const Fin &f, QColor membrane, QColor ray, int rays);

// The shallow folds of the membrane between the soft rays of `f` ending at
// `tips`, shaded behind one ray and lit before the next; `strength` 1 as a
// dorsal fin has them. Clip to the fin first.
void paintMembraneFolds(QPainter &p, const Fin &f, const std::vector<QPointF> &tips,
                        double strength);

// A pigmented margin along the free edge of `f` that swells and thins from
// front to rear through `widths`, as real fin margins do.
void paintFinMargin(QPainter &p, const Fin &f, QColor colour, std::initializer_list<double> widths);

// Like paintFinMargin, but the pigment is densest at the rim and blurs
// inward over about the width of the band, with no edge of its own.
void paintSoftMargin(QPainter &p, const Fin &f, QColor colour,
                     std::initializer_list<double> widths);

// `count` lengthwise stripes across `area`, `spacing` apart from `firstY`,
// drawn together towards the midline at snout and tail by `converge` (0-1).
void paintStripes(QPainter &p, const QPainterPath &area, double firstY, double spacing, int count,
                  double width, QColor colour, double converge = 0.3);

// `count` points anywhere inside `area`; they may clump, like real scatter.
std::vector<QPointF> scatterPoints(const QPainterPath &area, int count, quint32 seed);

// Points inside `area` about `spacing` apart, moved by up to `jitter`; they
// never clump, like the spots of a pattern.
std::vector<QPointF> spreadPoints(const QPainterPath &area, double spacing, double jitter,
                                  quint32 seed);

// An open smooth curve through `points`, for gill covers, mouths and lines.
QPainterPath curveThrough(std::initializer_list<QPointF> points);
QPainterPath curveThrough(const std::vector<QPointF> &points);

// A band along `spine`, as wide as `widths` spread evenly along its length
// (eel necks, whip tails, tube snouts, seahorse trunks).
QPainterPath ribbon(const QPainterPath &spine, std::initializer_list<double> widths);
QPainterPath ribbon(const QPainterPath &spine, const std::vector<double> &widths);

// `band` with its edges set wandering gently sideways, each edge in its own
// way, as the edge of a patch of pigment does; `amount` scales the wander.
QPainterPath wanderingEdges(QPainterPath band, double seed, double amount = 1.0);

// The closed outline of a disc-shaped body: like bodyOutline, but behind its
// deepest point the body stays full and rounds off into the tail stalk
// instead of tapering; `at` still places marks inside it.
QPainterPath discOutline(const BodyShape &shape);

// The bones of the gill cover as each family has them.
enum class Opercle {
    Perch,     // a rounded preopercle corner and a bluntly angled opercle
    Angel,     // a strong spine at the preopercle's lower corner
    Butterfly, // a small rounded opercle close behind the eye
    Surgeon,   // a short, steep gill opening in front of the pectoral fin
    Serrate,   // a sharp-cornered preopercle with a finely toothed edge (grunts, snappers)
    Jack,      // a big rounded opercle bulging back over the pectoral fin
    Parrot,    // one large smooth plate, large scales on the cheek
};

// A body with its fins laid out, as a family's builder returns it, so that
// the fish of one build share one description.
struct Build
{
    BodyShape shape;
    QPainterPath body;
    Fin dorsal, anal, caudal, pectoral, pelvic;
    QPointF eye;
    double gill = 0; // where the gill cover ends, as a share of the length; 0 by the eye
    Opercle cover = Opercle::Perch;
    QColor spine{}; // the angelfish's preopercle spine; the cover's line if invalid
};

// Water `depth` deep over a bottom of sand or of reef rock from the given top
// down (neither at 0), with a coral head and a sea fan on it (none at size 0).
void paintReef(QPainter &p, double depth, double sand, double rock, QPointF coral, double coralSize,
               QColor coralColour, QPointF fan = {}, double fanHeight = 0, QColor fanColour = {});

// A fin whose outline runs through `points`: the first and last are its base
// on the body, those between its free edge.
Fin finAlong(const std::vector<QPointF> &points);

// A fin whose outline runs through `origin` + each of `offsets`: the first
// and last are its base on the body, those between its free edge.
Fin finAt(QPointF origin, std::initializer_list<QPointF> offsets);

// A closed outline through `half`, which runs down the right-hand side from
// the axis x = 0, and through its mirror image on the left: rays and heads
// seen from above are the same on both sides.
QPainterPath mirroredOutline(std::initializer_list<QPointF> half);

// A soft round patch of `colour` at `centre` that fades out by `radius`: the
// light on a ridge, the shadow down a hole, a pale fin tip.
void paintGlow(QPainter &p, QPointF centre, double radius, QColor colour);

} // namespace fishkit

// Damselfish, angelfish, butterflyfish and surgeonfish.
namespace fishkit {

enum class Floor { Open, Sand, Rock };

// Starts a picture `width` x `height` with its scenery: water `light` deep, the
// floor, then a sea fan and a coral head in front of it, each left out while
// its size is 0. The fish is then drawn on the canvas it returns.
Canvas reef(QPainter &p, double width, double height, double light, Floor floor = Floor::Open,
            QPointF coral = {}, double coralRadius = 0, QColor coralColour = {}, QPointF fan = {},
            double fanHeight = 0, QColor fanColour = {});

// An ellipse `rx` by `ry` filled with `fill`, ringed by `rim` `rimWidth` wide
// (eye spots, false eyes, scalpels, rings round the eye).
void paintDisc(QPainter &p, QPointF centre, double rx, double ry, QColor fill,
               QColor rim = Qt::transparent, double rimWidth = 0);

// An ellipse `rx` by `ry` round `centre`, for the areas marks are clipped to.
QPainterPath oval(QPointF centre, double rx, double ry);

// `line` stroked only where it crosses `area` (bands, eye bars, fine lines).
void strokeInside(QPainter &p, const QPainterPath &area, const QPainterPath &line, QColor colour,
                  double width);

// A band painted across `shape` at `along` of its length, from `from` to `to`
// across it (see BodyShape::at), as wide as `widths` spread from top to
// bottom: it follows the body's curve, leaning back by `lean` of the length
// per unit across and bowing back by `bow` at the midline.
QPainterPath bandAcross(const BodyShape &shape, double along, std::initializer_list<double> widths,
                        double lean = 0, double bow = 0.02, double from = -1.4, double to = 1.4);

// A stripe painted along `shape` at `across`, from `from` to `to` of its
// length, as wide as `widths`: it closes in on the midline as the body
// narrows towards snout and tail, and wavers by `wave` across.
QPainterPath stripeAlong(const BodyShape &shape, double across, double from, double to,
                         std::initializer_list<double> widths, double wave = 0);

// What sets one family's eye apart from another's, beyond its size and iris.
struct EyeLook
{
    double pupil = 0.55;        // pupil radius, as a share of the eye's
    QColor ring{};              // a narrow ring of its own round the pupil; none if invalid
    QColor bar{};               // a pigment bar running down through the eye; none if invalid
    double rim = 0.0;           // how thick the fleshy rim of the orbit stands, 0 none
    QPointF glint{-0.28, -0.3}; // where the soft catch-light falls, in eye radii
    double glintSize = 0.2;     // how large it is, in eye radii
    double glintAlpha = 120;    // and how bright
    double notch = 0;           // how far the pupil draws out to a point in front, 0 round
    QColor spokes{};            // bold streaks of colour radiating in the iris; none if invalid
};

// The fin and face colours of a Build; the body's own colours go to fillBody.
struct Livery
{
    QColor tail;                      // tail fin membrane
    QColor fins;                      // dorsal and anal fin membranes
    QColor ray;                       // fin rays and the gill cover's line
    QColor pectoral;                  // pectoral fin membrane
    QColor pelvic;                    // pelvic fin membrane
    QColor iris;                      // ring round the pupil
    double eye = 6.5;                 // eye radius
    double mouth = 0.07;              // length of the closed mouth, as a share of the depth
    QColor line{25, 30, 40};          // the lines of the mouth and gill cover
    QColor lateral{};                 // the lateral line; none if invalid
    double lateralAt = -0.5;          // where it leaves the gill cover, across the body
    std::optional<EyeLook> eyeLook{}; // the family's eye if unset
};

// The tail, dorsal and anal fins of `b`, behind its body, their rays spaced
// by the fins' size.
void paintBackFins(QPainter &p, const Build &b, const Livery &look);

// The scaled skin of `b` running on over the base of its dorsal and anal
// fins for `reach`, fading into the membrane, so that no seam shows where
// they grow from the body.
void growFinRoots(QPainter &p, const Build &b, double reach);
void growFinRoots(QPainter &p, const QPainterPath &body, std::initializer_list<const Fin *> fins,
                  double reach);

// Gill cover, mouth, pelvic and pectoral fins and eye, in front of the body.
void paintFront(QPainter &p, const Build &b, const Livery &look);

} // namespace fishkit

// The face and the paired fins as a field guide draws them.
namespace fishkit {

// The colour already painted round `at`, so that skin laid over a fin's root
// or a lip matches what it grows out of; `fallback` where nothing can be read.
QColor colourUnder(const QPainter &p, QPointF at, QColor fallback);

// The eye as a family with gill covers of `kind` has it: the jack's and the
// grunt's golden ring, the parrotfish's small ringed eye, the butterflyfish's
// dark eye behind its bar, the damselfish's large dark pupil.
EyeLook familyEye(Opercle kind);

// A fish eye in its orbit: a soft socket of skin round it, the iris coloured
// as the species has it, the pupil, and a soft catch-light, as `look` says.
void paintNaturalEye(QPainter &p, QPointF centre, double radius, QColor iris,
                     const EyeLook &look = {});

// Where the gill cover of `shape` ends, as a share of its length, for an eye
// at `eye`: about twice as far behind the snout, `factor` times.
double gillAt(const BodyShape &shape, QPointF eye, double factor = 2.0);

// The head of `shape` with the eye at `eye`: the preopercle and opercle edges
// ending at `gill` with a soft shadow behind each, and a closed mouth `mouth`
// long at the snout tip with the jaw bone behind it, in `line`, its corner
// showing a `lining` if valid; clipped to `body`. The cover's bones are
// shaped as `kind` has them.
void paintHead(QPainter &p, const QPainterPath &body, const BodyShape &shape, QPointF eye,
               double gill, double mouth, QColor line, QColor lining = {},
               Opercle kind = Opercle::Serrate);

// The gill cover of `shape` as its family has it, ending at `gill`, in
// `line`; an angelfish's spine is filled with `spine`. Clipped to `body`.
void paintGillCover(QPainter &p, const QPainterPath &body, const BodyShape &shape, QPointF eye,
                    double gill, Opercle kind, QColor line, QColor spine = {});

// A closed mouth `mouth` long at the snout tip of `shape`: the gape, and on a
// large mouth the upper jaw bone behind it; a valid `lining` shows between
// the lips at the corner.
void paintMouth(QPainter &p, const BodyShape &shape, double mouth, QColor line, QColor lining = {},
                Opercle kind = Opercle::Perch);

// The nostril of `shape` on the snout ahead of the eye at `eye`, `size` across.
void paintNostril(QPainter &p, const BodyShape &shape, QPointF eye, double size, QColor line);

// The lateral line of `shape`, clipped to `body`: from `from` of the length,
// `across` the body (negative above the midline), following the back in an
// arch `arch` high to the middle of the tail stalk, in `colour`.
void paintLateralLine(QPainter &p, const QPainterPath &body, const BodyShape &shape, double from,
                      double across, QColor colour, double arch = 0.3);

// A pectoral fin fanning back from its base, which runs from `top` down to
// `bottom`: `rays` rays `length` long at most, spread `spread` degrees round
// `angle` degrees below straight back; `point` 0 gives a rounded fan, 1 a
// pointed wing whose upper rays are longest.
Fin fanFin(QPointF top, QPointF bottom, double length, double angle, double spread, double point,
           int rays);

// A pelvic fin joined to the belly of `body` below `inside`, its base `base`
// long on the outline, a spine leading and the fin pointing `angle` degrees
// below straight back, `length` long; a `filament` draws its first soft ray
// out into a tapering streamer.
Fin pelvicFin(const QPainterPath &body, QPointF inside, double base, double length, double angle,
              double filament = 0, int rays = 6);

// A pectoral fin standing off the flank: the shadow it casts there, its base
// shaded, the fin itself.
void paintPectoral(QPainter &p, const QPainterPath &body, const Fin &f, QColor membrane,
                   QColor ray);

// A pelvic fin `f` and, just behind it, the far fin of the pair; the near
// one leads with a stiff spine.
void paintPelvicPair(QPainter &p, const Fin &f, QColor membrane, QColor ray);

// Shading that follows the body: the back darker and the belly in shadow
// along their own outline, a soft sheen along the upper flank, the outline;
// none behind `tailRoot`, where the stalk runs on into the tail.
void modelBody(QPainter &p, const QPainterPath &body, double tailRoot,
               QColor outline = QColor(10, 20, 35, 130), double strength = 1.0);

// How the scales of a species show at the size they are drawn.
enum class ScaleStyle {
    Crescent, // the soft shadowed edge of each scale
    Fine,     // small scales that read as a faint grain (grunts, snappers, jacks)
    Large,    // large scales each outlined whole (parrotfish, Sergeant Major)
    Flat,     // large scales lying flat: a low margin, no lit centre
};

// One scale in the rows laid over a body: where it lies, the direction of
// its row in degrees, its length along the row and its height, where it
// lies on the body (see BodyShape::at), its row and its place in the row.
struct ScaleSite
{
    QPointF centre;
    double angle = 0;
    double length = 0;
    double height = 0;
    double along = 0;
    double across = 0;
    int row = 0;
    int index = 0;
};

// The scales of `shape` in `rows` rows from back to belly, `size` long over
// the middle of the flank and smaller towards the head, tail, back and
// belly, each row following the body's curve.
std::vector<ScaleSite> scaleSites(const BodyShape &shape, double size, int rows);

// Scale edges in rows that follow `shape`, smaller towards the head, tail
// and belly, fading out over the head and towards the back and belly.
void paintScaleRows(QPainter &p, const QPainterPath &area, const BodyShape &shape, double size,
                    QColor rim, double width = 0.7, ScaleStyle kind = ScaleStyle::Crescent);

// Fused tooth plates of a parrotfish at the snout tip `tip` of `body`, `size`
// deep, partly hidden under fleshy `lips` (a darker `colour` if invalid).
void paintBeakPlates(QPainter &p, const QPainterPath &body, QPointF tip, double size, QColor colour,
                     QColor lips = {});

} // namespace fishkit
