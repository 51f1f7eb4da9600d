// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textbox.h"

#include "formbuilder.h"

#include <QFocusEvent>
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

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
