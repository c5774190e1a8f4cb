// SPDX-License-Identifier: GPL-3.0-or-later
// Ball marking: a click on a resultant ball marks it yellow, a second one unmarks it.
#include "controls/colours.h"
#include "controls/handler_guard.h"
#include "main_window/frm_dalvo.h"

#include <cmath>

using Handler_Guard::Run_Handler;

void frm_dalvo::Picture1_MouseUp(int, int, float X, float)
{
    Run_Handler([this, X] { Change_Ball_colour(Clicked_Ball(X), 1); });
}

void frm_dalvo::Picture2_MouseUp(int, int, float X, float)
{
    Run_Handler([this, X] { Change_Ball_colour(Clicked_Ball(X), 2); });
}

double frm_dalvo::Clicked_Ball(const float &x) const
{
    // Divided in single precision, as x and W are: a click exactly on k W is ball k.
    const float W = Picture1->ScaleWidth() / Balls;
    return std::floor(static_cast<double>(x / W));
}

void frm_dalvo::Change_Ball_colour(double b, int p)
{
    // A release outside the panel names no ball: it is ignored.
    if (!(b > -0.5 && b < Balls - 0.5))
        return;
    const auto ball = static_cast<std::size_t>(std::nearbyint(b));
    // The marks are kept in the order they were made as well: the graph draws the first ones.
    const auto toggle = [this, ball, p](Shape *shape, quint32 unmarked) {
        const bool mark = shape->BackColor() == unmarked;
        shape->Set_BackColor(mark ? Colours::Yellow : unmarked);
        const std::pair<int, int> marked(p, static_cast<int>(ball));
        marks_.removeOne(marked);
        if (mark)
            marks_.append(marked);
        pic_Graph->Set_Marks(marks_);
    };
    if (p == 1)
        toggle(Shape1[ball], Colours::System + 6);
    else if (p == 2)
        toggle(Shape2[ball], Colours::System + 12);
}
