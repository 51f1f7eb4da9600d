// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label.h"

namespace ui {

// A picture at its natural size that acts as a button on a mouse click only.
// It takes the focus on a press, so whatever had the focus loses it before
// the click arrives; keys do nothing and no focus mark is drawn.
class PictureBox : public Label
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Sizes the box to the picture plus its frame, keeping its top-left corner.
    void setPicture(const QPixmap &picture);

    // A box is a button when its layout says so; otherwise it is only a
    // picture, such as a fish photo or the intro's mock-ups.
    bool isButton() const { return m_button; }
    void setButton(bool button) { m_button = button; }

    // Whether a mouse click can reach some point of the box: it is shown,
    // and neither the edge of its window nor the controls in front of it hide
    // all of it (the reduced finale covers REVIEW with EXIT).
    bool isReachable() const;

    // What a mouse click does, for assistive technology that presses the box
    // without a mouse: the focus moves to it, then Click. Nothing happens
    // where no click could reach it.
    void press();

private:
    bool m_button = false;
};

} // namespace ui
