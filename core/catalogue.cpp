// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue.h"

#include <array>
#include <stdexcept>

namespace core {

namespace {

const std::array<FishRow, FishCount> &rows()
{
    static const std::array<FishRow, FishCount> table{{
        {1,
         "frm1YellowtailSnapper",
         "Yellowtail Snapper",
         {"yellowtailsnapper", "yellowtailedsnapper"}},
        {2, "frm2CrevalleJack", "Crevalle Jack", {"crevallejack", "jackcrevalle"}},
        {3, "frm3NeonGoby", "Neon Goby", {"neongoby", "gobyneon"}},
        {4, "frm4FrenchAngelfish", "French Angelfish", {"frenchangelfish", "frenchangel"}},
        {5, "frm5BlueTang2", "Blue Tang", {"bluetang"}},
        {6, "frm6Porkfish", "Porkfish", {"porkfish"}},
        {7, "frm7Needlefish", "Needlefish", {"needlefish"}},
        {8, "frm8GreatBarracuda", "Great Barracuda", {"greatbarracuda"}},
        {9, "frm9Silverside", "Silverside", {"silverside"}},
        {10, "frm10SpotfinButterfly", "Spotfin Butterfly", {"spotfinbutterfly"}},
        {11, "frm11BlueChromis", "Blue Chromis", {"bluechromis"}},
        {12, "frm12Doctorfish", "Doctorfish", {"doctorfish"}},
        {13, "frm13AtlanticSpadefish", "Atlantic Spadefish", {"atlanticspadefish"}},
        {14, "frm14SpottedTrunkfish", "Spotted Trunkfish", {"spottedtrunkfish"}},
        {15, "frm15NurseShark", "Nurse Shark", {"nurseshark"}},
        {16, "frm16BluegreenWrasse", "Bluegreen Wrasse", {"bluegreenwrasse", "blue-greenwrasse"}},
        {17, "frm17SouthernStingray", "Southern Stingray", {"southernstingray"}},
        {18, "frm18FourEyeButterfly", "Four Eye Butterfly", {"foureyebutterfly", "4eyebutterfly"}},
        {19, "frm19QueenAngelfish", "Queen Angelfish", {"queenangelfish", "queenangel"}},
        {20, "frm20FrenchGrunt", "French Grunt", {"frenchgrunt"}},
        {21, "frm21Surgeonfish", "Surgeonfish", {"surgeonfish"}},
        {22, "frm22BonnetheadShark", "Bonnethead Shark", {"bonnetheadshark"}},
        {23, "frm23Trunkfish", "Trunkfish", {"trunkfish"}},
        {24, "frm24GreenMoray", "Green Moray", {"greenmoray"}},
        {25, "frm25Hogfish", "Hogfish", {"hogfish"}},
        {26, "frm26YellowStingray", "Yellow Stingray", {"yellowstingray"}},
        {27, "frm27BlueParrotfish", "Blue Parrotfish", {"blueparrotfish"}},
        {28, "frm28QueenTriggerfish", "Queen Triggerfish", {"queentriggerfish"}},
        {29, "frm29SergeantMajor", "Sergeant Major", {"sergeantmajor"}},
        {30, "frm30Porcupinefish", "Porcupinefish", {"porcupinefish"}},
        {31,
         "frm31RockBeautyAngelfish",
         "Rock Angel Beauty",
         {"rockbeautyangelfish", "rockbeautyangel", "rockangelbeauty"}},
        {32, "frm32EagleRay", "Spotted Eagle Ray", {"eagleray", "spottedeagleray"}},
        {33, "frm33BluestripedGrunt", "Bluestriped Grunt", {"bluestripedgrunt"}},
        {34,
         "frm34GrayAngelfish",
         "Gray Angelfish",
         {"gray angelfish", "grayangelfish", "angelfish gray", "angelfishgray", "gray angel",
          "angel gray"}},
        {35, "frm35Beaugregory", "Beaugregory", {"beaugregory"}},
        {36,
         "frm36YellowtailedDamselfish",
         "Yellowtailed Damselfish",
         {"yellowtaileddamselfish", "yellowtaildamselfish"}},
        {37, "frm37LongnosedSeahorse", "Longnosed Seahorse", {"longnosedseahorse"}},
        {38, "frm38StoplightParrotfish", "Stoplight Parrotfish", {"stoplightparrotfish"}},
        {39, "frm39BandedButterfly", "Banded Butterfly", {"bandedbutterfly"}},
        {40, "frm40Cowfish", "Cowfish", {"cowfish"}},
        {41, "frm41Flounder", "Flounder", {"flounder", "peacock flounder"}},
        {42, "frm42Trumpetfish", "Trumpetfish", {"trumpetfish"}},
        {43, "frm43Squirrelfish", "Squirrelfish", {"squirrelfish"}},
        {44, "frm44NassauGrouper", "Nassau Grouper", {"nassaugrouper"}},
        {45, "frm45SpottedJewfish", "Spotted Jewfish", {"spottedjewfish"}},
        {46, "frm46SpottedMoray", "Spotted Moray", {"spottedmoray"}},
        {47, "frm47RainbowParrotfish", "Rainbow Parrotfish", {"rainbowparrotfish"}},
    }};
    return table;
}

} // namespace

const FishRow &fishRow(int number)
{
    if (number < 1 || number > FishCount)
        throw std::out_of_range("no fish numbered " + std::to_string(number));
    return rows()[number - 1];
}

} // namespace core
