// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblepicturebox.h"

#include "picturebox.h"

namespace ui {

AccessiblePictureBox::AccessiblePictureBox(PictureBox *box)
    : QAccessibleWidget(box, QAccessible::Graphic)
{
}

QAccessible::Role AccessiblePictureBox::role() const
{
    return box()->isButton() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State AccessiblePictureBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!box()->isReachable())
        state.invisible = true;
    return state;
}

QStringList AccessiblePictureBox::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    // First, so that it is the default action of the button.
    if (box()->isButton() && box()->isReachable())
        names.prepend(pressAction());
    return names;
}

void AccessiblePictureBox::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !box()->isButton()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // After the call returns to the assistive technology: the Click may end
    // the run or open a message box, which must not hold its answer back.
    QMetaObject::invokeMethod(box(), &PictureBox::press, Qt::QueuedConnection);
}

PictureBox *AccessiblePictureBox::box() const
{
    return static_cast<PictureBox *>(widget());
}

} // namespace ui
