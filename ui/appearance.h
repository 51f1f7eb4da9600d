#pragma once

class QApplication;

namespace ui {

// One look on every machine: the Fusion style and a small sans-serif GUI font
// that fits the 25-pixel answer box, as the layouts were designed for.
void applyAppearance(QApplication &app);

} // namespace ui
