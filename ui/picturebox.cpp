// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

namespace ui {

PictureBox::PictureBox(QWidget *parent)
    : Label(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    const QSize natural = picture.deviceIndependentSize().toSize();
    const int frame = 2 * frameWidth();
    setFixedSize(natural.width() + frame, natural.height() + frame);
}

} // namespace ui
