// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"
#include "morays.h"
#include "reefrock.h"

// The Spotted Moray, rising out of a hole under a ledge of reef rock.

namespace fishart {

using namespace fishkit;

// Pale, covered with dense dark purple-brown spots, rising out of a hole in
// the reef: spots where the Green Moray is one plain colour.
void paintSpottedMoray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3, Water::Lagoon);
    // A sand patch at the foot of the reef, a few yellow tube sponges far off in the
    // haze, and the moray's hole under a low ledge of reef rock.
    paintSand(p, Canvas::frame, 168);
    paintTubeSponges(p, QPointF(46, 170), 20, QColor(176, 150, 70), 4602, 0.55);

    const QPainterPath boulder = reefrock::lumpyOutline({{96, 250},
                                                         {102, 214},
                                                         {122, 192},
                                                         {158, 178},
                                                         {204, 170},
                                                         {250, 160},
                                                         {292, 150},
                                                         {336, 144},
                                                         {336, 250}},
                                                        4601);
    anatomy::paintSoftShadow(p, boulder, QPointF(6, 3), 90);
    reefrock::paintBoulder(p, boulder, 46);
    reefrock::paintCoralKnobs(p,
                              {{QPointF(140, 192), 16, QColor(150, 136, 84)},
                               {QPointF(306, 154), 15, QColor(156, 128, 92)}},
                              4603);
    paintTubeSponges(p, QPointF(180, 182), 15, QColor(176, 120, 60), 4604, 0.05);
    const QPainterPath crevice = smoothClosedPath(
        {{180, 238}, {184, 224}, {186, 212}, {196, 207}, {203, 199}, {216, 197}, {226, 191},
         {240, 192}, {252, 187}, {262, 191}, {272, 193}, {280, 202}, {290, 206}, {293, 218},
         {299, 226}, {292, 236}, {276, 242}, {250, 244}, {220, 244}, {196, 243}});
    reefrock::paintCrevice(p, crevice);

    reefrock::paintBrow(p, crevice,
                        curveThrough({{186, 212},
                                      {196, 206},
                                      {203, 199},
                                      {216, 196},
                                      {226, 191},
                                      {240, 191},
                                      {252, 187},
                                      {262, 190},
                                      {272, 193},
                                      {280, 201},
                                      {290, 206},
                                      {294, 218}}));
    QPainterPath neck(QPointF(244, 236));
    neck.cubicTo(QPointF(236, 160), QPointF(216, 104), QPointF(150, 98));
    paintMoray(p, Moray(neck, 50, QPointF(62, 98), 1.0, QColor(244, 236, 194),
                        QColor(228, 216, 160), QColor(64, 36, 38), 1.0, crevice, 1.0, 0.72));
    reefrock::paintLip(p, boulder, 46, crevice,
                       curveThrough({{172, 240},
                                     {186, 236},
                                     {202, 238},
                                     {220, 234},
                                     {238, 237},
                                     {256, 235},
                                     {272, 238},
                                     {290, 231},
                                     {306, 228}}));
}

} // namespace fishart
