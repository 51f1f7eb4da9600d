// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPainter;

// Every fish painter draws into a logical canvas of width x height pixels
// (320 x 240, or 250 x 188 for the French Angelfish). The painter is already
// scaled for the @2x variant, so painters work in logical pixels and must not
// assume a device size. The painters are named after their fish and live in
// one file per family, listed below; the catalogue maps the quiz's numbers to them.
namespace fishart {

constexpr int fishCount = 47;

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

struct Fish
{
    const char *name; // as the quiz spells it
    Painter *paint;
};

// Catalogue order: entry i is fish i + 1.
inline constexpr Fish catalogue[fishCount] = {
    {"Yellowtail Snapper", paintYellowtailSnapper},
    {"Crevalle Jack", paintCrevalleJack},
    {"Neon Goby", paintNeonGoby},
    {"French Angelfish", paintFrenchAngelfish},
    {"Blue Tang", paintBlueTang},
    {"Porkfish", paintPorkfish},
    {"Needlefish", paintNeedlefish},
    {"Great Barracuda", paintGreatBarracuda},
    {"Silverside", paintSilverside},
    {"Spotfin Butterfly", paintSpotfinButterfly},
    {"Blue Chromis", paintBlueChromis},
    {"Doctorfish", paintDoctorfish},
    {"Atlantic Spadefish", paintAtlanticSpadefish},
    {"Spotted Trunkfish", paintSpottedTrunkfish},
    {"Nurse Shark", paintNurseShark},
    {"Bluegreen Wrasse", paintBluegreenWrasse},
    {"Southern Stingray", paintSouthernStingray},
    {"Four Eye Butterfly", paintFourEyeButterfly},
    {"Queen Angelfish", paintQueenAngelfish},
    {"French Grunt", paintFrenchGrunt},
    {"Surgeonfish", paintSurgeonfish},
    {"Bonnethead Shark", paintBonnetheadShark},
    {"Trunkfish", paintTrunkfish},
    {"Green Moray", paintGreenMoray},
    {"Hogfish", paintHogfish},
    {"Yellow Stingray", paintYellowStingray},
    {"Blue Parrotfish", paintBlueParrotfish},
    {"Queen Triggerfish", paintQueenTriggerfish},
    {"Sergeant Major", paintSergeantMajor},
    {"Porcupinefish", paintPorcupinefish},
    {"Rock Angel Beauty", paintRockAngelBeauty},
    {"Spotted Eagle Ray", paintSpottedEagleRay},
    {"Bluestriped Grunt", paintBluestripedGrunt},
    {"Gray Angelfish", paintGrayAngelfish},
    {"Beaugregory", paintBeaugregory},
    {"Yellowtailed Damselfish", paintYellowtailedDamselfish},
    {"Longnosed Seahorse", paintLongnosedSeahorse},
    {"Stoplight Parrotfish", paintStoplightParrotfish},
    {"Banded Butterfly", paintBandedButterfly},
    {"Cowfish", paintCowfish},
    {"Flounder", paintFlounder},
    {"Trumpetfish", paintTrumpetfish},
    {"Squirrelfish", paintSquirrelfish},
    {"Nassau Grouper", paintNassauGrouper},
    {"Spotted Jewfish", paintSpottedJewfish},
    {"Spotted Moray", paintSpottedMoray},
    {"Rainbow Parrotfish", paintRainbowParrotfish},
};

} // namespace fishart
