// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcement.h"

namespace ui {

Announcement::Announcement(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Announcement::say(const QString &text)
{
    hide();
    setAccessibleName(text);
    show();
}

} // namespace ui
