// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label.h"

namespace ui {

// A picture at its natural size. Laid out as a button, it takes the focus on
// a press, so whatever had the focus loses it before the click arrives.
class PictureBox : public Label
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Sizes the box to the picture plus its frame, keeping its top-left corner.
    void setPicture(const QPixmap &picture);
};

} // namespace ui
