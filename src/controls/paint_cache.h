// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QPixmap>
#include <QWidget>
#include <functional>

class QPainter;
class QStylePainter;

// Whether a painter draws onto a vector device (an SVG or PDF file, a recorded picture): what is
// drawn there is kept as shapes and text, so it must not be drawn through a bitmap.
bool Paints_Vectors(const QPainter &painter);
// True when the painter puts a one-pixel pen line on the same pixels as a one-pixel rectangle:
// no antialiasing and no transform but a shift by whole pixels.
bool Maps_Whole_Pixels(const QPainter &painter);

// The picture of a control's last painting. A window repaints all its controls for a screenshot
// or a print, and copying a picture costs far less than drawing a control; the control forgets
// the picture at any event but a paint and whenever its value changes.
class Paint_Cache
{
public:
    void Forget() { stale_ = true; }
    // Draws the control through `draw` (given a painter on the picture) only when needed; onto a
    // vector device it draws directly.
    void Paint(QWidget &control, const std::function<void(QStylePainter &)> &draw);
    // Forgets the picture at any event that can change the look: all but paints.
    void Watch(const QEvent *event)
    {
        if (event->type() != QEvent::Paint)
            Forget();
    }

private:
    // The picture's memory is kept while the control keeps its size: a caption that changes at
    // every frame (the time) is drawn again into it.
    QPixmap drawn_;
    bool stale_ = true;
};

// A widget of kind `Base` that paints through a Paint_Cache: it draws itself with Draw() only
// when its picture was forgotten.
template <class Base> class Cached_Painting : public Base
{
public:
    using Base::Base;

protected:
    virtual void Draw(QStylePainter &painter) = 0;
    void paintEvent(QPaintEvent *) override
    {
        drawn_.Paint(*this, [this](QStylePainter &painter) { Draw(painter); });
    }
    bool event(QEvent *event) override
    {
        drawn_.Watch(event);
        return Base::event(event);
    }

    Paint_Cache drawn_;
};
