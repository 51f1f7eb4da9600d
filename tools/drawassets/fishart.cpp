// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"

#include <QString>

namespace fishart {

namespace {

struct Fish
{
    const char *name;
    Painter *paint;
};

// Catalogue order: entry i is fish i + 1.
constexpr Fish catalogue[fishCount] = {
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

} // namespace

void paintFish(int number, QPainter &p, double width, double height)
{
    if (number >= 1 && number <= fishCount)
        catalogue[number - 1].paint(p, width, height);
}

QString fishName(int number)
{
    return number >= 1 && number <= fishCount ? QString::fromLatin1(catalogue[number - 1].name)
                                              : QString();
}

} // namespace fishart
