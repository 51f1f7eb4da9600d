#include "picturebox.h"

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

} // namespace ui
