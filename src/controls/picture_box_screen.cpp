// SPDX-License-Identifier: GPL-3.0-or-later
// A panel on the screen, frame by frame. At the fastest pace every ball of a row moves at every
// frame, yet the balls cover a small part of the panel: filling the whole panel again took most
// of a frame's time at a high zoom. The screen keeps what was painted last, so when only balls
// have moved, their background is put back where they were and are, and the balls are drawn
// again over it, in their order; every pixel comes out as a whole painting would leave it.
#include "controls/colours.h"
#include "controls/paint_cache.h"
#include "controls/picture_box.h"
#include "controls/placement.h"
#include "controls/twips.h"

#include <QBackingStore>
#include <QEvent>
#include <QPaintEngine>
#include <QPainter>

void PictureBox::Paint_Screen(QPainter &painter, const QRegion &region)
{
    // A grab or a render draws the panel whole, elsewhere: what the screen holds stays as it is.
    QBackingStore *surface = window()->backingStore();
    if (!surface || !painter.paintEngine() ||
        painter.paintEngine()->paintDevice() != surface->paintDevice()) {
        Paint(painter);
        return;
    }
    // Only a painting of the whole panel at whole pixels can be built on; anything else (a
    // sibling over part of the panel, a scaled desktop) paints it whole, as Paint always does.
    const bool whole = region == QRegion(rect()) && Maps_Whole_Pixels(painter);
    const double zoom = Zoom_Of(this);
    if (whole && shown_zoom_ == zoom && shown_.size() == shapes_.size()) {
        Paint_Moved(painter, zoom);
        return;
    }
    Paint(painter);
    shown_.resize(shapes_.size());
    for (std::size_t i = 0; i < shapes_.size(); ++i)
        shown_[i] = Ball_Pixels(*shapes_[i], zoom);
    shown_zoom_ = whole ? zoom : 0;
}

void PictureBox::Paint_Moved(QPainter &painter, double zoom)
{
    repaint_asked_ = false;
    const int border = Twips::To_Pixels(Border, zoom);
    const QRect interior = Outer(zoom).adjusted(border, border, -border, -border);
    painter.save();
    painter.setClipRect(interior);
    painter.translate(interior.topLeft());
    const QColor back = Colours::To_QColor(back_colour_);
    const Line_Look lines = Lines_At(painter, zoom);
    const auto put_back = [&](const QRect &pixels) {
        if (pixels.isEmpty())
            return;
        painter.fillRect(pixels, back);
        Paint_Lines(painter, lines, pixels);
    };
    // Every ball is drawn again, so each one's pixels must be background first: a ball drawn
    // over itself would darken its smoothed edge.
    for (std::size_t i = 0; i < shapes_.size(); ++i) {
        const QRect now = Ball_Pixels(*shapes_[i], zoom);
        if (shown_[i].intersects(now)) {
            put_back(shown_[i] | now);
        } else {
            put_back(shown_[i]);
            put_back(now);
        }
        shown_[i] = now;
    }
    Paint_Balls(painter, zoom);
    painter.restore();
}

bool PictureBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        Forget_Shown();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// The window's own painting surface is made anew when the window changes size or screen, or is
// hidden: what the screen held of the panel is gone.
bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window()) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
        case QEvent::ScreenChangeInternal:
        case QEvent::PlatformSurface:
            Forget_Shown();
            break;
        default:
            break;
        }
    }
    return false;
}
