// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPainter;

// Every fish painter draws into a logical canvas of width x height pixels
// (320 x 240, or 250 x 188 for the French Angelfish). The painter is already
// scaled for the @2x variant, so painters work in logical pixels and must not
// assume a device size. The painters are named after their fish and live in
// one file per family, listed below; fishart.cpp maps catalogue numbers to them.
namespace fishart {

// Draws fish `number` of the catalogue; numbers outside 1-47 draw nothing.
void paintFish(int number, QPainter &p, double width, double height);

// angelfish.cpp: angelfish: tall discs with trailing fin points.
void paintFrenchAngelfish(QPainter &p, double w, double h);
void paintQueenAngelfish(QPainter &p, double w, double h);
void paintRockAngelBeauty(QPainter &p, double w, double h);
void paintGrayAngelfish(QPainter &p, double w, double h);

// butterflyfish.cpp: butterflyfish: round, compressed, pointed snouts, eye bars.
void paintSpotfinButterfly(QPainter &p, double w, double h);
void paintFourEyeButterfly(QPainter &p, double w, double h);
void paintBandedButterfly(QPainter &p, double w, double h);

// damselfish.cpp: damselfish: small oval reef fish.
void paintBlueChromis(QPainter &p, double w, double h);
void paintSergeantMajor(QPainter &p, double w, double h);
void paintBeaugregory(QPainter &p, double w, double h);
void paintYellowtailedDamselfish(QPainter &p, double w, double h);

// surgeonfish.cpp: surgeonfish and spadefish: ovals and discs with crescent tails.
void paintBlueTang(QPainter &p, double w, double h);
void paintDoctorfish(QPainter &p, double w, double h);
void paintAtlanticSpadefish(QPainter &p, double w, double h);
void paintSurgeonfish(QPainter &p, double w, double h);

// parrotfish.cpp: parrotfish and wrasses: heavy or cigar-shaped, beaks and crescent tails.
void paintBluegreenWrasse(QPainter &p, double w, double h);
void paintHogfish(QPainter &p, double w, double h);
void paintBlueParrotfish(QPainter &p, double w, double h);
void paintStoplightParrotfish(QPainter &p, double w, double h);
void paintRainbowParrotfish(QPainter &p, double w, double h);

// boxfish.cpp: boxfish, puffers and triggerfish: rigid boxes, spiny balls, deep triggers.
void paintSpottedTrunkfish(QPainter &p, double w, double h);
void paintTrunkfish(QPainter &p, double w, double h);
void paintQueenTriggerfish(QPainter &p, double w, double h);
void paintPorcupinefish(QPainter &p, double w, double h);
void paintCowfish(QPainter &p, double w, double h);

// grunts.cpp: grunts and the Porkfish: deep, striped, sloping heads.
void paintPorkfish(QPainter &p, double w, double h);
void paintFrenchGrunt(QPainter &p, double w, double h);
void paintBluestripedGrunt(QPainter &p, double w, double h);

// groupers.cpp: groupers and squirrelfish: heavy heads, big mouths or big eyes.
void paintSquirrelfish(QPainter &p, double w, double h);
void paintNassauGrouper(QPainter &p, double w, double h);
void paintSpottedJewfish(QPainter &p, double w, double h);

// rays.cpp: rays and sharks, mostly seen from above or resting on the sand.
void paintNurseShark(QPainter &p, double w, double h);
void paintSouthernStingray(QPainter &p, double w, double h);
void paintBonnetheadShark(QPainter &p, double w, double h);
void paintYellowStingray(QPainter &p, double w, double h);
void paintSpottedEagleRay(QPainter &p, double w, double h);

// morays.cpp: morays peering out of the reef.
void paintGreenMoray(QPainter &p, double w, double h);
void paintSpottedMoray(QPainter &p, double w, double h);

// slenderfish.cpp: slender fish: needlefish, barracuda, silversides, trumpetfish.
void paintNeedlefish(QPainter &p, double w, double h);
void paintGreatBarracuda(QPainter &p, double w, double h);
void paintSilverside(QPainter &p, double w, double h);
void paintTrumpetfish(QPainter &p, double w, double h);

// snappers.cpp: snapper and jack: streamlined open-water fish with forked tails.
void paintYellowtailSnapper(QPainter &p, double w, double h);
void paintCrevalleJack(QPainter &p, double w, double h);

// bottomdwellers.cpp: goby, seahorse and flounder: small fish that keep to coral, sea whips or
// sand.
void paintNeonGoby(QPainter &p, double w, double h);
void paintLongnosedSeahorse(QPainter &p, double w, double h);
void paintFlounder(QPainter &p, double w, double h);

} // namespace fishart
