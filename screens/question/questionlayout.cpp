// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questionlayout.h"

#include <catalogue.h>
#include <fishdescriptions.h>
#include <quizstate.h>

namespace screens {

using namespace ui;

QString photoBoxName(int number)
{
    const bool ownName =
        number == 4 || (number >= 11 && number <= 16) || (number >= 18 && number <= 20);
    return ownName ? QStringLiteral("pic%1").arg(number) : QStringLiteral("imgFish");
}

FormSpec questionLayout(int number)
{
    const core::FishRow &row = core::fishRow(number);
    FormSpec form{
        .name = row.screen,
        .caption = QStringLiteral("Reefwise!"),
        .clientWidth = 4875,
        .clientHeight = 5565,
        .backColour = colours::Black,
    };

    form.controls = {
        {.name = photoBoxName(number),
         .kind = ControlKind::PictureBox,
         .left = 0,
         .top = 0,
         .width = 4800,
         .height = 3600,
         .tabIndex = 0,
         .picture = QStringLiteral("FishPhoto%1").arg(number),
         .accessibleName = QStringLiteral("Fish photo %1 of %2").arg(number).arg(core::FishCount),
         .accessibleDescription = core::fishDescription(number)},
        {.name = QStringLiteral("FISH"),
         .kind = ControlKind::TextBox,
         .left = 570,
         .top = 3750,
         .width = 3735,
         .height = 375,
         .tabIndex = 4,
         .text = core::QuizState::Prompt,
         .foreColour = colours::White,
         .backColour = colours::Black,
         .accessibleName = QStringLiteral("Fish name")},
        {.name = QStringLiteral("BackButton"),
         .kind = ControlKind::PictureBox,
         .left = 690,
         .top = 4320,
         .width = 750,
         .height = 900,
         .tabIndex = 3,
         .picture = QStringLiteral("BackButtonImage"),
         // Screen 1 has nowhere to go back to.
         .button = number != 1,
         .visible = number != 1,
         .accessibleName = QStringLiteral("Back")},
        {.name = QStringLiteral("NextButton"),
         .kind = ControlKind::PictureBox,
         .left = 3450,
         .top = 4320,
         .width = 750,
         .height = 900,
         .tabIndex = 2,
         .picture = QStringLiteral("NextButtonImage"),
         .button = true,
         .toolTip = QStringLiteral("Next Fish"),
         .accessibleName = QStringLiteral("Next")},
        {.name = QStringLiteral("ExitButton"),
         .kind = ControlKind::PictureBox,
         .left = 2070,
         .top = 4395,
         .width = 750,
         .height = 750,
         .tabIndex = 1,
         .picture = QStringLiteral("ExitButtonImage"),
         .button = true,
         .accessibleName = QStringLiteral("Exit")},
    };

    if (number == 4) {
        ControlSpec &photo = form.controls[0];
        photo.left = 562;
        photo.top = 352;
        photo.width = 3750;
        photo.height = 2820;
        const auto tabIndexOf = [](const QString &name) {
            static const QStringList reversed{"BackButton", "NextButton", "ExitButton", "FISH",
                                              "pic4"};
            return int(reversed.indexOf(name));
        };
        for (ControlSpec &c : form.controls)
            c.tabIndex = tabIndexOf(c.name);
    }

    if (number == core::FishCount) {
        form.menu = {
            {.name = QStringLiteral("File"),
             .caption = QStringLiteral("&File"),
             .items = {{.name = QStringLiteral("Help"), .caption = QStringLiteral("&Help")},
                       {.name = QStringLiteral("Exit"), .caption = QStringLiteral("&Exit")}}},
            {.name = QStringLiteral("PrevFish"), .caption = QStringLiteral("&Previous Fish")},
            {.name = QStringLiteral("NextFish"), .caption = QStringLiteral("&Next Fish")},
        };
    }
    return form;
}

} // namespace screens
