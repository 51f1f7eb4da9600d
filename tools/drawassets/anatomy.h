// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>
#include <QtGlobal>

#include <initializer_list>

class QPainterPath;

class QPainter;
class QRandomGenerator;

// Details the boxfish, groupers, rays, eels, slender fish and bottom dwellers
// draw their own way.
namespace anatomy {

// An eye as a field guide paints it: a rim of skin, a flecked iris of `iris`
// round a pupil `pupil` of the radius, shaded under the brow, and only a
// pinpoint of light.
void paintNaturalEye(QPainter &p, QPointF centre, double radius, QColor iris, double pupil = 0.5);

// One curved fang from its root on the gum, pointing down (`down` 1) from
// the upper jaw or up (-1) from the lower.
void paintFang(QPainter &p, QPointF root, double down, double length);

// A row of `count` fine fangs set along the jaw from `from` to `to`: slender
// cones, long and short ones alternating, the longest `length`, leaning back.
void paintFangRow(QPainter &p, QPointF from, QPointF to, double down, int count, double length);

// A pectoral fin that grows out of the flank just behind the gill opening:
// its fleshy base from `upper` to `lower` in the body's `skin`, the fin
// running out through `edge` into translucent `membrane` with fine `ray`s,
// shading the body beneath and with no drawn outline. Returns the fin's shape.
QPainterPath paintGrownPectoral(QPainter &p, QPointF upper, QPointF lower,
                                std::initializer_list<QPointF> edge, QColor skin, QColor membrane,
                                QColor ray);

// The small, almost clear pectoral of a boxfish, rooted in a notch of the
// carapace from `upper` to `lower` and running out through `edge` into a
// rounded rim: a faint `tint` of membrane over fine pale rays that fade
// before the rim, no outline, and only the notch's shadow at its base.
void paintClearPectoral(QPainter &p, QPointF upper, QPointF lower,
                        std::initializer_list<QPointF> edge, QColor tint, QColor shell);

// A shark's eye, `rx` by `ry`: a small, dark almond under a heavy lid, the
// pupil a vertical slit in a deep iris, one dull glint.
void paintSharkEye(QPainter &p, QPointF centre, double rx, double ry, QColor skin);

// The free edge of a bony plate of the gill cover along `edge`: a fine dark
// seam, the plate's rim catching the light in front of it, and its shadow
// falling on the skin `behind` it.
void paintPlateEdge(QPainter &p, const QPainterPath &edge, QPointF behind, QColor skin, QColor line,
                    double weight);

// The surface of a star coral seen close up, as a small fish sees it: polyp
// cups `cup` across (about a centimetre on the real coral, so they tell the
// fish's size), each with its ring of septa and a mouth in the middle,
// foreshortened towards the top of `dome` where it curves away.
void paintStarCoral(QPainter &p, const QPainterPath &dome, double cup, QColor colour);

// Sparse life on bare reef stone: crusts of pink coralline algae, low
// sponges in dull ochres and browns, tufts of turf algae, patches about
// `size` across, crowding onto the lit upper faces of `rock`.
void paintEncrusting(QPainter &p, const QPainterPath &rock, double size, quint32 seed);

// The meandering valleys and ridges of a brain coral over `dome`, valleys
// about `groove` apart, wandering side by side without crossing.
void paintBrainGrooves(QPainter &p, const QPainterPath &dome, double groove, QColor colour,
                       quint32 seed);

// The separate raised polyp cups of a star coral seen from a distance, about
// `cup` apart and of varied size, each a lit mound round a dark mouth.
void paintStarCups(QPainter &p, const QPainterPath &dome, double cup, QColor colour, quint32 seed);

// A cloudy mottling of tone over `area`: soft-edged patches about `size`
// across, each its own shape, slant and strength, some darker (`dark`) and
// some paler (`light`), with no outline; the alphas are the strongest.
void paintMottle(QPainter &p, const QPainterPath &area, double size, QColor dark, QColor light,
                 quint32 seed);

// One stem of a sea rod along `rod`, `width` thick at its foot and tapering
// to a blunt tip: round, lit from the upper left, its skin pitted with the
// pores of the polyps in no order, crowding and thinning along the stem, with
// a few polyps open as pale tufts standing off its silhouette.
void paintRodStem(QPainter &p, const QPainterPath &rod, double width, QColor colour,
                  QRandomGenerator &rng);

// Spots over `area` about `spacing` apart and never evenly, each a little out
// of round: largest (up to `rMax`) near `largest` and smaller (down to
// `rMin`) over `reach` from it, narrowed across the outline where the body
// turns away; with no `reach`, middling everywhere.
void paintFreckles(QPainter &p, const QPainterPath &area, double spacing, double rMin, double rMax,
                   QColor colour, quint32 seed, QPointF largest = {}, double reach = 0);

// The edge of `shape` against the water as a field guide paints it: no line,
// only `colour` deepening the body along its shaded lower and far side,
// about `width` in, and lost where the body turns to the light.
void paintShadedEdge(QPainter &p, const QPainterPath &shape, QColor colour, double width);

// The shadow of `shape` on the bottom just under it, moved by `offset`: its
// core `alpha` dark, its edge falling off smoothly with the light the water scatters.
void paintSoftShadow(QPainter &p, const QPainterPath &shape, QPointF offset, int alpha);

} // namespace anatomy
