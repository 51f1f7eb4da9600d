// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "boxfish.h"
#include "fishart.h"
#include "fishkit.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <vector>

// The Trunkfish: an olive box marked with a pale chain and two dark blotches.

namespace fishart {

using namespace fishkit;

namespace {

// A pale net of rounded, uneven links over `area` of the carapace `c`, like
// the chain marks of a Trunkfish: what is left between the rounded centres
// of its plates, not an even honeycomb.
void paintChain(QPainter &p, const Carapace &c, const QPainterPath &area, const QBrush &colour)
{
    // The links are the pale seams between the plates themselves, so they
    // crowd and narrow where the plates do; each plate keeps a dark centre
    // of its own size, so the links swell and thin from one to the next.
    QPainterPath cells;
    for (std::vector<QPointF> ring : plateCells(c, area, 1.0)) {
        QPointF centre;
        for (const QPointF &q : ring)
            centre += q / double(ring.size());
        const double keep = 0.63 + 0.15 * std::abs(std::sin(centre.x() * 0.31 + centre.y() * 0.17));
        for (QPointF &q : ring)
            q = centre + (q - centre) * keep;
        cells.addPath(smoothClosedPath(ring.data(), int(ring.size())));
    }
    p.fillPath(area.subtracted(cells), colour);
}

} // namespace

// An olive box with a humped back and no horns: small white spots all over, a
// pale chain-like mesh on the middle of the side only, and two ragged,
// soft-edged olive-brown blotches, one just behind the pectoral fin and one
// mid-side in the mesh.
void paintTrunkfish(QPainter &p, double w, double h)
{
    Canvas canvas(p, w, h);
    paintReef(p, 0.45, 200, 0, {40, 214}, 56, QColor(160, 140, 100));
    canvas.faceRight();
    const QColor pale(250, 248, 230);
    // Ragged, so that neither reads as a round spot or an eye.
    const std::vector<QPainterPath> blotches{
        smoothClosedPath(
            {{152, 104}, {163, 101}, {170, 108}, {170, 124}, {159, 123}, {152, 128}, {149, 115}}),
        smoothClosedPath(
            {{173, 129}, {184, 123}, {196, 126}, {204, 133}, {197, 141}, {186, 145}, {176, 140}})};
    // A box of straight sides with rounded corners: the back climbing to a
    // hump and falling to a narrow rear, the belly nearly straight.
    Carapace shell{{44, 146}, {64, 104}, {140, 60}, {216, 110}, {216, 140}, {136, 178}, {56, 170}};
    shell.swell = 0.4;
    shell.peakRound = 30;
    shell.corner = 10;
    const Boxfish look(shell, QColor(88, 78, 44), QColor(128, 114, 68), QColor(214, 204, 166),
                       QColor(170, 164, 118, 210), QColor(96, 92, 56, 140), QColor(190, 178, 128),
                       QColor(150, 140, 70));
    // The chain is densest round the two blotches and loosens outwards into
    // the spotted skin, its links thinning and fading rather than stopping
    // at an edge.
    const auto fading = [](QColor colour) {
        QRadialGradient g(QPointF(0, 0), 1.0);
        g.setColorAt(0.0, colour);
        g.setColorAt(0.4, withAlpha(colour, colour.alpha() * 3 / 4));
        g.setColorAt(0.75, withAlpha(colour, colour.alpha() / 4));
        g.setColorAt(1.0, withAlpha(colour, 0));
        QBrush brush(g);
        brush.setTransform(QTransform().translate(172, 124).rotate(-14).scale(70, 46));
        return brush;
    };
    paintCastShadow(p, carapace(shell), 216);
    paintBoxfish(p, look, [&](const QPainterPath &box, const QPainterPath &) {
        paintPlateRelief(p, shell, box, 0.3);
        anatomy::paintFreckles(p, box, 8.5, 0.6, 1.8, withAlpha(pale, 230), 23, {150, 110}, 70);
        // The skin under the chain is only a little darker, so the white
        // spots still show faintly through it towards its edge.
        p.fillPath(box, fading(QColor(98, 86, 46, 150)));
        paintChain(p, shell, box, fading(withAlpha(pale, 120)));
        // In the olive skin the ridge catches a warmer light than on the
        // Spotted Trunkfish's white.
        const QPainterPath ridge =
            curveThrough({shell.brow + QPointF(14, 2), shell.peak + QPointF(0, 15),
                          shell.back(0.55) + QPointF(-2, 13), shell.back(0.9) + QPointF(-4, 7)});
        paintBackRidge(p, box, ridge, QColor(255, 250, 220, 40), QColor(255, 250, 220, 60), 2.2,
                       QColor(40, 34, 14, 60), 3.4);
        // Along the keel low on the side the flat belly turns away from the
        // light at once, its pale skin greyed in shade under a sharp edge.
        paintKeelFace(
            p, box, curveThrough({{60, 161}, {100, 168}, {140, 168}, {180, 157}, {214, 137}}), 156,
            180, QColor(50, 44, 20, 90), QColor(40, 34, 14, 140), QColor(255, 250, 220, 50), 1.8);
        // The blotches are pigment in the skin, a deeper olive-brown than the
        // box and soft at the edge: the links and the white spots run on
        // into them, dimmed but not cut off, so they read as markings and
        // not as holes in the chain. Each is laid as thin washes, from a
        // little beyond its outline in to well inside it.
        const Saved s(p);
        p.setClipPath(box, Qt::IntersectClip);
        for (const QPainterPath &blotch : blotches) {
            const QPointF centre = blotch.boundingRect().center();
            for (int k = 0; k < 12; ++k) {
                const double scale = 1.3 - 0.05 * k;
                p.fillPath(QTransform()
                               .translate(centre.x(), centre.y())
                               .scale(scale, scale)
                               .translate(-centre.x(), -centre.y())
                               .map(blotch),
                           QColor(50, 38, 14, 40));
            }
        }
    });
}

} // namespace fishart
