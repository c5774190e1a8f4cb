// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture_box.h"

#include "controls/colours.h"
#include "controls/paint_cache.h"
#include "controls/placement.h"
#include "controls/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <cmath>

PictureBox::PictureBox(const QString &name, double left, double top, double width, double height,
                       quint32 back_colour, QWidget *parent)
    : QWidget(parent), left_(left), top_(top), width_(width), height_(height),
      back_colour_(back_colour)
{
    setObjectName(name);
    // The design scale: one user unit per twip, axis pointing down.
    scale_width_ = static_cast<float>(Interior_Width());
    scale_height_ = static_cast<float>(Interior_Height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    Place(this, left_, top_, width_, height_);
    Update_Mapping();
    window()->installEventFilter(this);
}

void PictureBox::Update_Mapping()
{
    const double x_scale = Interior_Width() / scale_width_;
    const double y_scale = Interior_Height() / scale_height_;
    to_twips_ = QTransform(x_scale, 0, 0, y_scale, -scale_left_ * x_scale, -scale_top_ * y_scale);
    to_user_ = to_twips_.inverted();
}

void PictureBox::Set_ScaleWidth(float width)
{
    scale_width_ = width;
    Update_Mapping();
}

void PictureBox::Set_ScaleHeight(float height)
{
    scale_height_ = height;
    Update_Mapping();
}

void PictureBox::Set_ScaleTop(float top)
{
    scale_top_ = top;
    Update_Mapping();
}

void PictureBox::Set_Height(double height)
{
    // The user scale keeps its numbers; the items keep their place on the screen.
    height_ = height;
    Place(this, left_, top_, width_, height_);
    Update_Mapping();
    Item_Changed();
}

void PictureBox::Item_Changed()
{
    Forget_Shown();
    Ball_Changed();
}

void PictureBox::Ball_Changed()
{
    if (!repaint_asked_) {
        repaint_asked_ = true;
        update();
    }
}

namespace {

// Where a ball with this box (twips in the interior) is drawn, `to_pixels` pixels a twip: its
// exact top left corner, that corner on whole pixels, and its diameter in pixels.
struct Ball_Place
{
    QPointF top_left;
    QPoint at;
    int diameter;
};

Ball_Place Place_Of(const QRectF &box, double to_pixels)
{
    const int diameter = qRound(std::min(box.width(), box.height()) * to_pixels);
    const QPointF top_left = box.center() * to_pixels - QPointF(diameter, diameter) / 2.0;
    return {top_left, QPoint(qRound(top_left.x()), qRound(top_left.y())), diameter};
}

} // namespace

void PictureBox::Paint(QPainter &painter)
{
    repaint_asked_ = false;
    const double zoom = Zoom_Of(this);
    const QRect outer = Outer(zoom);
    const int border = Twips::To_Pixels(Border, zoom);
    const QRect interior = outer.adjusted(border, border, -border, -border);
    painter.fillRect(outer, Colours::To_QColor(back_colour_));
    Paint_Border(painter, outer, border);
    painter.save();
    painter.setClipRect(interior);
    painter.translate(interior.topLeft());
    Paint_Lines(painter, Lines_At(painter, zoom));
    Paint_Balls(painter, zoom);
    painter.restore();
}

void PictureBox::Paint_Border(QPainter &painter, const QRect &outer, int border) const
{
    // A sunken border, as the classic desktop draws a picture box: an outer and an inner band on
    // each side, one pixel each at 100 %. The raster engine draws a pen's line pixel by pixel,
    // and these eight lines took half of the panel's painting time; where whole pixels stay whole
    // pixels (the screen, screenshots) the very same pixels are filled as rectangles instead. A
    // scaled painter still draws the lines.
    const bool whole_pixels = Maps_Whole_Pixels(painter);
    const int o = border / 2, i = border - o, w = outer.width(), h = outer.height();
    const auto band = [&painter, whole_pixels](const QRect &r, const QColor &colour,
                                               Qt::Orientation along) {
        if (whole_pixels) {
            painter.fillRect(r, colour);
            return;
        }
        const double across = along == Qt::Horizontal ? r.height() : r.width();
        painter.setPen(QPen(colour, across));
        const double middle = (across - 1) / 2;
        if (along == Qt::Horizontal)
            painter.drawLine(QPointF(r.left(), r.top() + middle),
                             QPointF(r.right(), r.top() + middle));
        else
            painter.drawLine(QPointF(r.left() + middle, r.top()),
                             QPointF(r.left() + middle, r.bottom()));
    };
    const QColor grey(0x80, 0x80, 0x80), light(0xC0, 0xC0, 0xC0);
    band(QRect(0, 0, w, o), grey, Qt::Horizontal);
    band(QRect(0, 0, o, h), grey, Qt::Vertical);
    band(QRect(o, o, w - 2 * o, i), Qt::black, Qt::Horizontal);
    band(QRect(o, o, i, h - 2 * o), Qt::black, Qt::Vertical);
    band(QRect(0, h - o, w, o), Qt::white, Qt::Horizontal);
    band(QRect(w - o, 0, o, h), Qt::white, Qt::Vertical);
    band(QRect(o, h - o - i, w - 2 * o, i), light, Qt::Horizontal);
    band(QRect(w - o - i, o, i, h - 2 * o), light, Qt::Vertical);
}

PictureBox::Line_Look PictureBox::Lines_At(const QPainter &painter, double zoom) const
{
    // At 100 % a line is the one-pixel cosmetic line; at a zoom it is as many whole pixels wide
    // as the zoom, laid on the pixels the 100 % line covers, so it stays crisp.
    const double line_width = Line_Width(this);
    const bool cosmetic = zoom == 1.0 && line_width == 1.0;
    const QPointF line_offset = cosmetic ? QPointF() : QPointF(line_width, line_width) / 2;
    Line_Look look{cosmetic ? QPen(Qt::black, 0)
                            : QPen(Qt::black, line_width, Qt::SolidLine, Qt::SquareCap),
                   {}};
    const double to_pixels = Twips::To_Pixels_F(1, zoom);
    // The raster engine draws a one-pixel line pixel by pixel. A level or upright one covers the
    // pixels from the one holding its first end to the one holding its last: where whole pixels
    // stay whole, those are filled as a rectangle, which costs a tenth.
    const bool whole_pixels = cosmetic && Maps_Whole_Pixels(painter);
    const int reach = qCeil(line_width) + 2; // how far a wide line's pixels lie from its ends
    for (const Line *line : lines_) {
        const QLineF l = line->Twips_Line();
        if (std::fabs(l.x1()) + std::fabs(l.y1()) + std::fabs(l.x2()) + std::fabs(l.y2()) >
            4 * Reach())
            continue;
        const QLineF drawn(l.p1() * to_pixels + line_offset, l.p2() * to_pixels + line_offset);
        const auto pixel = [](double a, double b) {
            return std::pair(static_cast<int>(std::floor(std::min(a, b))),
                             static_cast<int>(std::floor(std::max(a, b))));
        };
        const auto [left, right] = pixel(drawn.x1(), drawn.x2());
        const auto [top, bottom] = pixel(drawn.y1(), drawn.y2());
        const QRect pixels(QPoint(left, top), QPoint(right, bottom));
        const bool fill = whole_pixels && (drawn.dx() == 0 || drawn.dy() == 0);
        look.lines.push_back(
            {drawn, fill ? pixels : pixels.adjusted(-reach, -reach, reach, reach), fill});
    }
    return look;
}

void PictureBox::Paint_Lines(QPainter &painter, const Line_Look &look, const QRect &within) const
{
    painter.setPen(look.pen);
    for (const Drawn_Line &line : look.lines) {
        if (!within.isNull() && !line.pixels.intersects(within))
            continue;
        if (line.fill) {
            painter.fillRect(within.isNull() ? line.pixels : line.pixels & within, Qt::black);
        } else if (within.isNull()) {
            painter.drawLine(line.line);
        } else {
            painter.save();
            painter.setClipRect(within, Qt::IntersectClip);
            painter.drawLine(line.line);
            painter.restore();
        }
    }
}

void PictureBox::Paint_Balls(QPainter &painter, double zoom)
{
    // Balls are drawn at the device's pixels, so a desktop that scales shows them sharp too.
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double to_pixels = Twips::To_Pixels_F(1, zoom), reach = Reach();
    // A vector file may not keep the panel's clip (SVG does not): there balls are drawn directly,
    // and those out of the panel (the parked component balls) not at all.
    const bool vectors = Paints_Vectors(painter);
    const int border = 2 * Twips::To_Pixels(Border, zoom);
    const QRectF inside(0, 0, Twips::To_Pixels(width_, zoom) - border,
                        Twips::To_Pixels(height_, zoom) - border);
    for (const Shape *shape : shapes_) {
        if (!shape->Visible())
            continue;
        const QRectF box = shape->Box();
        if (!(std::fabs(box.center().x()) < reach && std::fabs(box.center().y()) < reach))
            continue;
        const auto [top_left, at, diameter] = Place_Of(box, to_pixels);
        if (diameter <= 0)
            continue;
        if (vectors) {
            const QRectF drawn(top_left, QSizeF(diameter, diameter));
            if (inside.intersects(drawn))
                Paint_Ball(painter, drawn, zoom, shape->BackColor(), shape->Second_Colour(),
                           shape->Pattern());
            continue;
        }
        const int pixels = ratio == 1.0 ? diameter : qRound(diameter * ratio);
        const QImage &ball = ball_images_.Image(shape->BackColor(), shape->Second_Colour(),
                                                shape->Pattern(), pixels, zoom * ratio);
        if (ratio == 1.0)
            painter.drawImage(at, ball);
        else
            painter.drawImage(QRect(at, QSize(diameter, diameter)), ball);
    }
}

QRect PictureBox::Ball_Pixels(const Shape &shape, double zoom) const
{
    const QRectF box = shape.Box();
    const double reach = Reach();
    if (!shape.Visible() ||
        !(std::fabs(box.center().x()) < reach && std::fabs(box.center().y()) < reach))
        return QRect();
    const Ball_Place place = Place_Of(box, Twips::To_Pixels_F(1, zoom));
    return QRect(place.at, QSize(place.diameter, place.diameter));
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    Paint_Screen(painter, event->region());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    int button = 0;
    if (event->button() == Qt::LeftButton)
        button = 1;
    else if (event->button() == Qt::RightButton)
        button = 2;
    else if (event->button() == Qt::MiddleButton)
        button = 4;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int shift = (modifiers & Qt::ShiftModifier ? 1 : 0) |
                      (modifiers & Qt::ControlModifier ? 2 : 0) |
                      (modifiers & Qt::AltModifier ? 4 : 0);
    const QPointF at = event->position();
    const double zoom = Zoom_Of(this);
    const QPointF user = to_user_.map(QPointF(Twips::From_Pixels(at.x(), zoom) - Border,
                                              Twips::From_Pixels(at.y(), zoom) - Border));
    emit MouseUp(button, shift, static_cast<float>(user.x()), static_cast<float>(user.y()));
}
