// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Where the quiz's windows can go, from what the session offers.
struct Session
{
    QByteArray chosenPlatform; // QT_QPA_PLATFORM, or -platform on the command line
    QByteArray x11Display;     // DISPLAY, or -display on the command line
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
};

struct PlatformChoice
{
    QByteArray platform{}; // for QT_QPA_PLATFORM; empty: leave Qt's choice alone
    QString error{};       // set when no window can be opened at all
};

// Every screen is placed in the middle of the display, which only X11 lets a
// program do: where the session offers X11 (also through XWayland) the quiz
// runs there, on a pure Wayland session natively. A platform the user chose
// is kept as it is. `x11Opens` tells whether an X11 display can be opened.
PlatformChoice choosePlatform(const Session &session,
                              const std::function<bool(const QByteArray &)> &x11Opens);

// Whether an X server answers on `display`.
bool x11DisplayOpens(const QByteArray &display);
