// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"

#include <array>

namespace fishart {

void paintFish(int number, QPainter &p, double width, double height)
{
    using Painter = void (*)(QPainter &, double, double);
    // Catalogue order: painter i draws fish i + 1.
    static constexpr std::array<Painter, 47> painters = {
        paintYellowtailSnapper,      // 1
        paintCrevalleJack,           // 2
        paintNeonGoby,               // 3
        paintFrenchAngelfish,        // 4
        paintBlueTang,               // 5
        paintPorkfish,               // 6
        paintNeedlefish,             // 7
        paintGreatBarracuda,         // 8
        paintSilverside,             // 9
        paintSpotfinButterfly,       // 10
        paintBlueChromis,            // 11
        paintDoctorfish,             // 12
        paintAtlanticSpadefish,      // 13
        paintSpottedTrunkfish,       // 14
        paintNurseShark,             // 15
        paintBluegreenWrasse,        // 16
        paintSouthernStingray,       // 17
        paintFourEyeButterfly,       // 18
        paintQueenAngelfish,         // 19
        paintFrenchGrunt,            // 20
        paintSurgeonfish,            // 21
        paintBonnetheadShark,        // 22
        paintTrunkfish,              // 23
        paintGreenMoray,             // 24
        paintHogfish,                // 25
        paintYellowStingray,         // 26
        paintBlueParrotfish,         // 27
        paintQueenTriggerfish,       // 28
        paintSergeantMajor,          // 29
        paintPorcupinefish,          // 30
        paintRockAngelBeauty,        // 31
        paintSpottedEagleRay,        // 32
        paintBluestripedGrunt,       // 33
        paintGrayAngelfish,          // 34
        paintBeaugregory,            // 35
        paintYellowtailedDamselfish, // 36
        paintLongnosedSeahorse,      // 37
        paintStoplightParrotfish,    // 38
        paintBandedButterfly,        // 39
        paintCowfish,                // 40
        paintFlounder,               // 41
        paintTrumpetfish,            // 42
        paintSquirrelfish,           // 43
        paintNassauGrouper,          // 44
        paintSpottedJewfish,         // 45
        paintSpottedMoray,           // 46
        paintRainbowParrotfish,      // 47
    };
    if (number >= 1 && number <= int(painters.size()))
        painters[number - 1](p, width, height);
}

} // namespace fishart
