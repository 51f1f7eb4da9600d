// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ui {

// Lets screen readers and voice control see each screen's window as a frame
// named by its caption and the picture buttons as push buttons they can
// press. Installed once, at start-up.
void installAccessibility();

} // namespace ui
