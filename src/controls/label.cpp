// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/label.h"

#include "controls/placement.h"

#include <QStylePainter>

Label::Label(const QString &name, const QString &caption, QWidget *parent)
    : Cached_Painting(caption, parent)
{
    setObjectName(name);
    // A caption from a scenario file is shown as it stands, never as markup.
    setTextFormat(Qt::PlainText);
}

void Label::paintEvent(QPaintEvent *event)
{
    if (drawn_text_ != text() || drawn_alignment_ != alignment()) {
        drawn_.Forget();
        drawn_text_ = text();
        drawn_alignment_ = alignment();
    }
    Cached_Painting::paintEvent(event);
}

void Label::Draw(QStylePainter &painter)
{
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), text(), foregroundRole());
}

void Label::Set_Geometry(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Place(this, left_, top_, width_, height_);
}

void Label::Set_Left(double left)
{
    Set_Geometry(left, top_, width_, height_);
}

void Label::Set_Top(double top)
{
    Set_Geometry(left_, top, width_, height_);
}
