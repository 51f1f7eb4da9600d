// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblelabel.h"

#include "label.h"

namespace ui {

AccessibleLabel::AccessibleLabel(Label *label)
    : QAccessibleWidget(label, QAccessible::Graphic)
{
}

QAccessible::Role AccessibleLabel::role() const
{
    return label()->isButton() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State AccessibleLabel::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!label()->isReachable())
        state.invisible = true;
    return state;
}

QStringList AccessibleLabel::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    // First, so that it is the default action of the button.
    if (label()->isButton() && label()->isReachable())
        names.prepend(pressAction());
    return names;
}

void AccessibleLabel::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !label()->isButton()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // After the call returns to the assistive technology: the Click may end
    // the run or open a message box, which must not hold its answer back.
    QMetaObject::invokeMethod(label(), &Label::press, Qt::QueuedConnection);
}

Label *AccessibleLabel::label() const
{
    return static_cast<Label *>(widget());
}

} // namespace ui
