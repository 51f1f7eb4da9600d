// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout.h"

#include <QLineEdit>

namespace ui {

// A single-line text box that reports GotFocus and LostFocus only when the
// focus moves between controls of its own window. Activation changes of the
// window and popups opening or closing are neither. Return is a click.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    void setForeColour(Colour colour);
    void setBackColour(Colour colour);
    Colour foreColour() const { return m_foreColour; }
    // Between a GotFocus and the LostFocus that ends it.
    bool holdsFocus() const { return m_holdsFocus; }

signals:
    void gotFocus();
    void lostFocus();
    void clicked();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Colour m_foreColour = colours::White;
    bool m_holdsFocus = false;
};

} // namespace ui
