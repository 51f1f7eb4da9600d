// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>

class QWidget;

namespace ui {

// The frame the window manager will put around `window`, known before the
// window is first shown, so that the whole window can be placed at once.
// Empty where there is no frame to learn of (no window manager, a Wayland
// compositor, or a window manager that does not tell).
QMargins expectedFrameMargins(QWidget *window);

} // namespace ui
