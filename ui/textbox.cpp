// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textbox.h"

#include "formbuilder.h"

#include <QAccessible>
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
    QLineEdit::focusInEvent(event);
    if (!movesBetweenControls(event->reason()))
        return;
    m_holdsFocus = true;
    // Qt tells screen readers of the new focus only once this event is
    // handled; GotFocus changing the text first would make them take the
    // focus as moved along with the text change, without announcing the box.
    QAccessibleEvent focus(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!movesBetweenControls(event->reason()))
        return;
    m_holdsFocus = false;
    emit lostFocus();
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
