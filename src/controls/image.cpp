// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/image.h"

#include "controls/paint_cache.h"

#include <QPainter>

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

void Image::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (picture_ && Paints_Vectors(painter)) {
        Paint_Picture(painter, QRectF(contentsRect()), *picture_);
        return;
    }
    painter.end();
    QLabel::paintEvent(event);
}
