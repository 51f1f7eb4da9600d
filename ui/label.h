// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace ui {

// A label that reports a click: a left-button release inside it. One that
// its layout makes a button also takes the focus, shows a focus mark, and is
// pressed from the keyboard with Space or Return as a click presses it.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    bool isButton() const { return m_button; }
    void setButton(bool button) { m_button = button; }

    // Whether a mouse click can reach some point of the label: it is shown,
    // and neither the edge of its window nor the controls in front of it hide
    // all of it (the reduced finale covers REVIEW with EXIT).
    bool isReachable() const;

    // What a mouse click does, for the keyboard and for assistive technology:
    // the focus moves to the label, then Click. Nothing happens where no
    // click could reach it.
    void press();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_button = false;
    bool m_focusMarked = false;
};

} // namespace ui
