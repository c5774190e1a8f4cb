// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/scroll_bar.h"

#include "controls/handler_guard.h"
#include "core/dalvo_error.h"

#include <QStyleOptionSlider>
#include <QStylePainter>

using Simulation::Dalvo_Error;
using Simulation::Error_Code;

ScrollBar::ScrollBar(const QString &name, int min, int max, int value, QWidget *parent)
    : Cached_Painting(Qt::Horizontal, parent)
{
    setObjectName(name);
    setRange(min, max);
    setSingleStep(1);
    setPageStep(1);
    setValue(value);
    // A tab stop whose right arrow key and wheel-up raise the value, as on a classic desktop.
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
    // The thumb follows a drag, but the value (and so the Change handler) only moves when it is
    // let go; arrows, clicks in the track and keys change it at once.
    setTracking(false);
    // Qt's menu ("Scroll here", ...) would move the bar; a classic scroll bar has none.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ScrollBar::sliderChange(SliderChange change)
{
    drawn_.Forget();
    QScrollBar::sliderChange(change);
}

void ScrollBar::paintEvent(QPaintEvent *event)
{
    if (pressed_)
        QScrollBar::paintEvent(event);
    else
        Cached_Painting::paintEvent(event);
}

void ScrollBar::Draw(QStylePainter &painter)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    painter.drawComplexControl(QStyle::CC_ScrollBar, option);
}

bool ScrollBar::event(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        pressed_ = true;
    else if (event->type() == QEvent::MouseButtonRelease)
        pressed_ = false;
    return Cached_Painting::event(event);
}

void ScrollBar::Set_Value(int value)
{
    if (value < minimum() || value > maximum())
        throw Dalvo_Error(Error_Code::Invalid_Property_Value,
                          QStringLiteral("Invalid property value"));
    Handler_Guard::Raise_Events([&] { setValue(value); });
}
