// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platformchoice.h"

#include <xcb/xcb.h>

PlatformChoice choosePlatform(const Session &session,
                              const std::function<bool(const QByteArray &)> &x11Opens)
{
    if (!session.chosenPlatform.isEmpty())
        return {};
    if (!session.x11Display.isEmpty()) {
        if (x11Opens(session.x11Display))
            return {.platform = "xcb"};
        if (!session.waylandDisplay.isEmpty())
            return {.platform = "wayland"};
        return {.error = QStringLiteral("cannot open the X11 display %1; Reefwise needs a "
                                        "graphical session (X11 or Wayland)")
                             .arg(QString::fromLocal8Bit(session.x11Display))};
    }
    if (!session.waylandDisplay.isEmpty())
        return {.platform = "wayland"};
    return {.error = QStringLiteral("no display: neither DISPLAY nor WAYLAND_DISPLAY is set; "
                                    "Reefwise needs a graphical session (X11 or Wayland)")};
}

bool x11DisplayOpens(const QByteArray &display)
{
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const bool opens = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opens;
}
