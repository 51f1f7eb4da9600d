// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>

class QWidget;

namespace ui {

// Asks the window manager which frame it will put around `window` once shown,
// where no window of the program is on screen to tell. The answer comes
// later, so asking as soon as the window's size is known lets the window
// manager answer while the rest of the window is built. True if it was asked.
bool askFrameMargins(QWidget *window);

// The frame the window manager will put around `window`, known before the
// window is first shown, so that the whole window can be placed at once:
// that of a window already shown, or the answer to askFrameMargins().
// Empty where there is no frame to learn of (no window manager, a Wayland
// compositor, or a window manager that does not tell).
QMargins expectedFrameMargins(QWidget *window, bool asked);

} // namespace ui
