// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/image.h"

Image::Image(const QString &name, Picture picture, QWidget *parent)
    : QLabel(parent), picture_(std::move(picture))
{
    setObjectName(name);
    setScaledContents(true);
    if (picture_)
        setPixmap(*picture_);
}

void Image::Show_Picture()
{
    if (picture_)
        setPixmap(Picture_At(*picture_, size(), devicePixelRatioF()));
}
