// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>

#include <functional>

class QWidget;

namespace ui {

// Learns the frame the window manager will put around `window` once shown,
// so that the whole window can be placed before it appears, and calls `told`
// with it. At once where it is known without asking: no frame for a frameless
// window, nor where no X11 window manager is known to answer the question
// (another platform, none running, or one that does not take it); the frame
// of a window of the program already shown. Otherwise the window manager is
// asked, and `told` comes with its answer, or with no frame if none came
// within a few milliseconds; an answer that comes later still follows as a
// second call. Nothing blocks meanwhile: the answer arrives as an X event.
void learnFrameMargins(QWidget *window, std::function<void(QMargins)> told);

} // namespace ui
