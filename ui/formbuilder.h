// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout.h"

#include <QColor>
#include <QPalette>

#include <memory>

namespace ui {

class FormWindow;

QColor toQColor(Colour colour, const QPalette &palette);

// Gives a control the application's own colours in every role, rather than
// those it would inherit from the black window around it.
void applyStandardPalette(QWidget *widget);

// Builds a hidden window and its controls from a layout. Controls are named
// children (`QObject::objectName`, array elements carry an "index" property);
// timers are children of the window and already running.
std::unique_ptr<FormWindow> buildForm(const FormSpec &form);

} // namespace ui
