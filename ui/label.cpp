// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace ui {

Label::Label(QWidget *parent)
    : QLabel(parent)
{
}

bool Label::isReachable() const
{
    const QWidget *parent = parentWidget();
    if (!isVisible() || !parent)
        return isVisible();
    QRegion open = QRegion(geometry()).intersected(parent->rect());
    // Siblings later in the list are stacked in front.
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        const auto *sibling = qobject_cast<const QWidget *>(siblings.at(i));
        if (sibling && !sibling->isWindow() && sibling->isVisibleTo(parent))
            open -= sibling->geometry();
    }
    return !open.isEmpty();
}

void Label::press()
{
    if (!isReachable())
        return;
    QWidget *previous = window()->focusWidget();
    setFocus(Qt::OtherFocusReason);
    // In a window that is not active, setFocus only records the new focus.
    // A click would activate the window first, and the control that held the
    // focus would lose it before the click: tell it so here.
    if (QApplication::focusWidget() != this && previous && previous != this) {
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(previous, &out);
    }
    emit clicked();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
    if (!m_button || !pressKey) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down presses once, not once a repeat.
    if (event->isAutoRepeat())
        return;
    m_focusMarked = true;
    update();
    press();
}

void Label::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    // As on the classic desktop, the mark shows once the keyboard is in use:
    // not where a screen opens with the focus on a button, nor on a press
    // of the mouse that is about to click it.
    const Qt::FocusReason reason = event->reason();
    m_focusMarked = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                    reason == Qt::ShortcutFocusReason;
    update();
}

void Label::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_button || !m_focusMarked || !hasFocus())
        return;
    // The dotted rectangle of a focused push button, in white so that it
    // shows on the black of every screen.
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace ui
