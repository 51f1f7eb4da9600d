// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QRegion>

namespace ui {

PictureBox::PictureBox(QWidget *parent)
    : Label(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    const QSize natural = picture.deviceIndependentSize().toSize();
    const int frame = 2 * frameWidth();
    setFixedSize(natural.width() + frame, natural.height() + frame);
}

bool PictureBox::isReachable() const
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

void PictureBox::press()
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

} // namespace ui
