// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/panel_items.h"

#include "controls/picture_box.h"

#include <cmath>

namespace {

// What an item's value measures: a place along an axis, or a size, which maps by the scale's
// magnitude so that a turned axis gives no negative size.
enum class Measure
{
    X,
    Y,
    Width,
    Height
};

double Mapped(const QTransform &mapping, double value, Measure measure)
{
    switch (measure) {
    case Measure::X:
        return mapping.map(QPointF(value, 0)).x();
    case Measure::Y:
        return mapping.map(QPointF(0, value)).y();
    case Measure::Width:
        return value * std::fabs(mapping.m11());
    case Measure::Height:
        return value * std::fabs(mapping.m22());
    }
    return value;
}

float In_User_Units(const PictureBox &panel, double twips, Measure measure)
{
    return static_cast<float>(Mapped(panel.Twips_To_User(), twips, measure));
}

// Every setter of a place or size: the value is kept in twips, and the panel repaints once.
void Set_In_User_Units(PictureBox &panel, double &twips, float user, Measure measure,
                       void (PictureBox::*changed)())
{
    twips = Mapped(panel.User_To_Twips(), user, measure);
    (panel.*changed)();
}

} // namespace

Shape::Shape(const QString &name, quint32 back_colour, quint32 second_colour, int pattern,
             PictureBox *panel)
    : QObject(panel), panel_(panel), back_colour_(back_colour), second_colour_(second_colour),
      pattern_(pattern)
{
    setObjectName(name);
    panel->Add_Item(this);
}

float Shape::Left() const
{
    return In_User_Units(*panel_, x_, Measure::X);
}
float Shape::Top() const
{
    return In_User_Units(*panel_, y_, Measure::Y);
}
float Shape::Width() const
{
    return In_User_Units(*panel_, width_, Measure::Width);
}
float Shape::Height() const
{
    return In_User_Units(*panel_, height_, Measure::Height);
}
void Shape::Set_Left(float left)
{
    Set_In_User_Units(*panel_, x_, left, Measure::X, &PictureBox::Ball_Changed);
}
void Shape::Set_Top(float top)
{
    Set_In_User_Units(*panel_, y_, top, Measure::Y, &PictureBox::Ball_Changed);
}
void Shape::Set_Width(float width)
{
    Set_In_User_Units(*panel_, width_, width, Measure::Width, &PictureBox::Ball_Changed);
}
void Shape::Set_Height(float height)
{
    Set_In_User_Units(*panel_, height_, height, Measure::Height, &PictureBox::Ball_Changed);
}

void Shape::Set_BackColor(quint32 colour)
{
    back_colour_ = colour;
    panel_->Ball_Changed();
}

void Shape::Set_Visible(bool visible)
{
    visible_ = visible;
    panel_->Ball_Changed();
}

Line::Line(const QString &name, double x1, double y1, double x2, double y2, PictureBox *panel)
    : QObject(panel), panel_(panel), x1_(x1), y1_(y1), x2_(x2), y2_(y2)
{
    setObjectName(name);
    panel->Add_Item(this);
}

float Line::X1() const
{
    return In_User_Units(*panel_, x1_, Measure::X);
}
float Line::Y1() const
{
    return In_User_Units(*panel_, y1_, Measure::Y);
}
float Line::X2() const
{
    return In_User_Units(*panel_, x2_, Measure::X);
}
float Line::Y2() const
{
    return In_User_Units(*panel_, y2_, Measure::Y);
}
void Line::Set_X1(float x)
{
    Set_In_User_Units(*panel_, x1_, x, Measure::X, &PictureBox::Item_Changed);
}
void Line::Set_Y1(float y)
{
    Set_In_User_Units(*panel_, y1_, y, Measure::Y, &PictureBox::Item_Changed);
}
void Line::Set_X2(float x)
{
    Set_In_User_Units(*panel_, x2_, x, Measure::X, &PictureBox::Item_Changed);
}
void Line::Set_Y2(float y)
{
    Set_In_User_Units(*panel_, y2_, y, Measure::Y, &PictureBox::Item_Changed);
}
