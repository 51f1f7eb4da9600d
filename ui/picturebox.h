#pragma once

#include "label.h"

namespace ui {

// A picture at its natural size that acts as a button on a mouse click only.
// It takes the focus on a press, so whatever had the focus loses it before
// the click arrives; keys do nothing and no focus mark is drawn.
class PictureBox : public Label
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Sizes the box to the picture plus its frame, keeping its top-left corner.
    void setPicture(const QPixmap &picture);
};

} // namespace ui
