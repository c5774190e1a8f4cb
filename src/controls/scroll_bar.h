// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/paint_cache.h"

#include <QScrollBar>

// A horizontal scroll bar whose value moves in whole steps between Min and Max.
class ScrollBar : public Cached_Painting<QScrollBar>
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE Set_Value)

public:
    ScrollBar(const QString &name, int min, int max, int value, QWidget *parent);

    // A value outside Min..Max is refused with an error instead of being clamped.
    void Set_Value(int value);

protected:
    void sliderChange(SliderChange change) override;
    void Draw(QStylePainter &painter) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // While the mouse holds a part of the bar down, the bar draws itself as it goes.
    bool pressed_ = false;
};
