// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace ui {

class Label;

// A picture box, or a label laid out as a button, as screen readers and voice
// control see it: a push button with a press action where its layout makes it
// one, otherwise an image; hidden from them where a mouse click could not
// reach it.
class AccessibleLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLabel(Label *label);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    Label *label() const;
};

} // namespace ui
