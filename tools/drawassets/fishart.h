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

// angelfish.cpp: angelfish: tall discs with trailing fin points.
Painter paintFrenchAngelfish, paintQueenAngelfish, paintRockAngelBeauty, paintGrayAngelfish;
// butterflyfish.cpp: butterflyfish: round, compressed, pointed snouts, eye bars.
Painter paintSpotfinButterfly, paintFourEyeButterfly, paintBandedButterfly;
// damselfish.cpp: damselfish: small oval reef fish.
Painter paintBlueChromis, paintSergeantMajor, paintBeaugregory, paintYellowtailedDamselfish;
// surgeonfish.cpp: surgeonfish and spadefish: ovals and discs with crescent tails.
Painter paintBlueTang, paintDoctorfish, paintAtlanticSpadefish, paintSurgeonfish;
// parrotfish.cpp: parrotfish and wrasses: heavy or cigar-shaped, beaks and crescent tails.
Painter paintBluegreenWrasse, paintHogfish, paintBlueParrotfish, paintStoplightParrotfish,
    paintRainbowParrotfish;
// boxfish.cpp: boxfish, puffers and triggerfish: rigid boxes, spiny balls, deep triggers.
Painter paintSpottedTrunkfish, paintTrunkfish, paintQueenTriggerfish, paintPorcupinefish,
    paintCowfish;
// grunts.cpp: grunts and the Porkfish: deep, striped, sloping heads.
Painter paintPorkfish, paintFrenchGrunt, paintBluestripedGrunt;
// groupers.cpp: groupers and squirrelfish: heavy heads, big mouths or big eyes.
Painter paintSquirrelfish, paintNassauGrouper, paintSpottedJewfish;
// rays.cpp: rays and sharks, mostly seen from above or resting on the sand.
Painter paintNurseShark, paintSouthernStingray, paintBonnetheadShark, paintYellowStingray,
    paintSpottedEagleRay;
// morays.cpp: morays peering out of the reef.
Painter paintGreenMoray, paintSpottedMoray;
// slenderfish.cpp: slender fish: needlefish, barracuda, silversides, trumpetfish.
Painter paintNeedlefish, paintGreatBarracuda, paintSilverside, paintTrumpetfish;
// snappers.cpp: snapper and jack: streamlined open-water fish with forked tails.
Painter paintYellowtailSnapper, paintCrevalleJack;
// bottomdwellers.cpp: goby, seahorse and flounder: small fish of coral, sea whips or sand.
Painter paintNeonGoby, paintLongnosedSeahorse, paintFlounder;

} // namespace fishart
