// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/picture.h"
#include "controls/placement.h"

#include <QLabel>

// An image control: shows its picture stretched, or, hidden, only stores it.
class Image : public QLabel, public Zoomed_Picture
{
    Q_OBJECT

public:
    Image(const QString &name, Picture picture, QWidget *parent);

    const Picture &Shown_Picture() const { return picture_; }
    // Shows the picture at the control's size, drawn afresh when that is not the picture's own.
    void Show_Picture() override;

protected:
    // Onto a vector device the picture is drawn from its source.
    void paintEvent(QPaintEvent *event) override;

private:
    Picture picture_;
};
