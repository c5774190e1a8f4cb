// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/frame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

Frame::Frame(const QString &name, QWidget *parent) : Cached_Painting(parent)
{
    setObjectName(name);
}

void Frame::Set_Caption_Colour(const QColor &colour)
{
    caption_colour_ = colour;
    drawn_.Forget();
    update();
}

void Frame::Draw(QStylePainter &painter)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // A disabled frame's caption keeps the desktop's grey.
    if (caption_colour_.isValid() && isEnabled())
        option.textColor = caption_colour_;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
