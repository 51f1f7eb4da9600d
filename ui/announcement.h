// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace ui {

// Words said to screen readers as they happen, whatever has the focus: a
// notification of no size, which they read out each time it appears. Screen
// readers take no notice of a change to a name or description that Qt 6.4
// reports, so a notification is how a window speaks up by itself.
class Announcement : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *parent = nullptr);

    void say(const QString &text);
};

} // namespace ui
