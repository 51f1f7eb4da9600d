// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "accessiblelabel.h"
#include "announcement.h"
#include "formwindow.h"
#include "picturebox.h"

#include <QAccessible>

namespace ui {

namespace {

// Asked for each class of an object from the most derived up, so these
// classes come before the plain widget and label that Qt knows. Qt's cache of
// accessible interfaces owns what this returns.
QAccessibleInterface *accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(FormWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new AccessibleLabel(static_cast<Label *>(object));
    // A label that is no button reads as its text, as Qt has it.
    if (className == QLatin1String(Label::staticMetaObject.className()) &&
        static_cast<Label *>(object)->isButton())
        return new AccessibleLabel(static_cast<Label *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(&accessibleInterface);
}

} // namespace ui
