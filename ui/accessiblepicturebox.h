// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace ui {

class PictureBox;

// A picture box as screen readers and voice control see it: a push button
// with a press action while its screen handles its Click, otherwise an image;
// hidden from them where a mouse click could not reach it.
class AccessiblePictureBox : public QAccessibleWidget
{
public:
    explicit AccessiblePictureBox(PictureBox *box);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    PictureBox *box() const;
};

} // namespace ui
