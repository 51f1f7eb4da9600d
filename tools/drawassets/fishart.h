// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPainter;
class QString;

// Every fish painter draws into a logical canvas of width x height pixels
// (320 x 240, or 250 x 188 for the French Angelfish). The painter is already
// scaled for the @2x variant, so painters work in logical pixels and must not
// assume a device size. The painters are named after their fish and live in
// one file per family, listed below; fishart.cpp maps catalogue numbers to them.
namespace fishart {

constexpr int fishCount = 47;

// Draws fish `number` of the catalogue; numbers outside 1-47 draw nothing.
void paintFish(int number, QPainter &p, double width, double height);

// The fish's name as the quiz spells it; empty outside 1-47.
QString fishName(int number);

using Painter = void(QPainter &p, double w, double h);

// One line per family file: angelfish, butterflyfish, damselfish, surgeonfish, parrotfish,
// boxfish, grunts, groupers, rays, morays, slenderfish, snappers and bottomdwellers.
Painter paintFrenchAngelfish, paintQueenAngelfish, paintRockAngelBeauty, paintGrayAngelfish;
Painter paintSpotfinButterfly, paintFourEyeButterfly, paintBandedButterfly;
Painter paintBlueChromis, paintSergeantMajor, paintBeaugregory, paintYellowtailedDamselfish;
Painter paintBlueTang, paintDoctorfish, paintAtlanticSpadefish, paintSurgeonfish;
Painter paintBluegreenWrasse, paintHogfish, paintBlueParrotfish, paintStoplightParrotfish,
    paintRainbowParrotfish;
Painter paintSpottedTrunkfish, paintTrunkfish, paintQueenTriggerfish, paintPorcupinefish,
    paintCowfish;
Painter paintPorkfish, paintFrenchGrunt, paintBluestripedGrunt;
Painter paintSquirrelfish, paintNassauGrouper, paintSpottedJewfish;
Painter paintNurseShark, paintSouthernStingray, paintBonnetheadShark, paintYellowStingray,
    paintSpottedEagleRay;
Painter paintGreenMoray, paintSpottedMoray;
Painter paintNeedlefish, paintGreatBarracuda, paintSilverside, paintTrumpetfish;
Painter paintYellowtailSnapper, paintCrevalleJack;
Painter paintNeonGoby, paintLongnosedSeahorse, paintFlounder;

} // namespace fishart
