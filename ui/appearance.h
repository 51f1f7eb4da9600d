// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;
class QPalette;

namespace ui {

// The colours the screens were designed against: the classic light system
// colours, in which window text and button text are black. The layouts use
// those two as label grounds, so they must not follow a desktop's theme.
QPalette designPalette();

// One look on every machine: the Fusion style, the design's palette, a
// small sans-serif GUI font that fits the 25-pixel answer box, as the layouts
// were designed for, and the quiz's icon on every window.
void applyAppearance(QApplication &app);

} // namespace ui
