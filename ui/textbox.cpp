// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textbox.h"

#include "formbuilder.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <limits>

namespace ui {

namespace {

bool movesBetweenControls(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    // The sunken border is drawn from the standard palette: inherited from a
    // black window it would vanish into the black.
    applyStandardPalette(this);
}

void TextBox::setForeColour(Colour colour)
{
    m_foreColour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Text, toQColor(colour, p));
    setPalette(p);
}

void TextBox::setBackColour(Colour colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(colour, p));
    setPalette(p);
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    // GotFocus runs before the line edit takes the focus in: screen readers
    // take a caret that moves in a focused box for the focus itself moving
    // there, and then no longer announce the box when Qt reports the focus.
    if (movesBetweenControls(event->reason())) {
        m_holdsFocus = true;
        emit gotFocus();
    }
    QLineEdit::focusInEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!movesBetweenControls(event->reason()))
        return;
    m_holdsFocus = false;
    emit lostFocus();
    // The caret back at the start, where the box has it when its screen
    // opens: the text shows from its beginning, and clearing the prompt on
    // the way back in moves no caret.
    setCursorPosition(0);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    QLineEdit::keyPressEvent(event);
    // Return acts on the box as a click into it does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat())
        emit clicked();
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
