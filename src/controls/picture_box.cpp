// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture_box.h"

#include "controls/colours.h"
#include "controls/controls.h"
#include "controls/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

Shape::Shape(const QString &name, quint32 back_colour, quint32 second_colour, int pattern,
             PictureBox *panel)
    : QObject(panel), panel_(panel), back_colour_(back_colour), second_colour_(second_colour),
      pattern_(pattern)
{
    setObjectName(name);
    panel->Add_Item(this);
}

namespace {

float X_Of(const QTransform &mapping, double x)
{
    return static_cast<float>(mapping.map(QPointF(x, 0)).x());
}

float Y_Of(const QTransform &mapping, double y)
{
    return static_cast<float>(mapping.map(QPointF(0, y)).y());
}

} // namespace

float Shape::Left() const
{
    return X_Of(panel_->Twips_To_User(), x_);
}

float Shape::Top() const
{
    return Y_Of(panel_->Twips_To_User(), y_);
}

float Shape::Width() const
{
    return static_cast<float>(width_ * std::fabs(panel_->Twips_To_User().m11()));
}

float Shape::Height() const
{
    return static_cast<float>(height_ * std::fabs(panel_->Twips_To_User().m22()));
}

void Shape::Set_Left(float left)
{
    x_ = panel_->User_To_Twips().map(QPointF(left, 0)).x();
    panel_->Item_Changed();
}

void Shape::Set_Top(float top)
{
    y_ = panel_->User_To_Twips().map(QPointF(0, top)).y();
    panel_->Item_Changed();
}

void Shape::Set_Width(float width)
{
    width_ = width * std::fabs(panel_->User_To_Twips().m11());
    panel_->Item_Changed();
}

void Shape::Set_Height(float height)
{
    height_ = height * std::fabs(panel_->User_To_Twips().m22());
    panel_->Item_Changed();
}

void Shape::Set_BackColor(quint32 colour)
{
    back_colour_ = colour;
    panel_->Item_Changed();
}

void Shape::Set_Visible(bool visible)
{
    visible_ = visible;
    panel_->Item_Changed();
}

Line::Line(const QString &name, double x1, double y1, double x2, double y2, PictureBox *panel)
    : QObject(panel), panel_(panel), x1_(x1), y1_(y1), x2_(x2), y2_(y2)
{
    setObjectName(name);
    panel->Add_Item(this);
}

float Line::X1() const
{
    return X_Of(panel_->Twips_To_User(), x1_);
}

float Line::Y1() const
{
    return Y_Of(panel_->Twips_To_User(), y1_);
}

float Line::X2() const
{
    return X_Of(panel_->Twips_To_User(), x2_);
}

float Line::Y2() const
{
    return Y_Of(panel_->Twips_To_User(), y2_);
}

void Line::Set_X1(float x)
{
    x1_ = panel_->User_To_Twips().map(QPointF(x, 0)).x();
    panel_->Item_Changed();
}

void Line::Set_Y1(float y)
{
    y1_ = panel_->User_To_Twips().map(QPointF(0, y)).y();
    panel_->Item_Changed();
}

void Line::Set_X2(float x)
{
    x2_ = panel_->User_To_Twips().map(QPointF(x, 0)).x();
    panel_->Item_Changed();
}

void Line::Set_Y2(float y)
{
    y2_ = panel_->User_To_Twips().map(QPointF(0, y)).y();
    panel_->Item_Changed();
}

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
    if (!repaint_asked_) {
        repaint_asked_ = true;
        update();
    }
}

namespace {

// The component rows of panel 2 name desktop colours that do not read as red and blue; they are
// drawn in the same red and blue as panel 1's.
quint32 Drawn_Second_Colour(quint32 colour)
{
    if (colour == Colours::System + 1)
        return Colours::Red;
    if (colour == Colours::System + 2)
        return Colours::Blue;
    return colour;
}

// A ball `diameter` device pixels wide; its hatch and ring are `scale` times as wide as at 100 %.
QImage Draw_Ball(int diameter, double scale, quint32 body, quint32 second, int pattern)
{
    QImage image(diameter, diameter, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(0.5 * scale, 0.5 * scale, diameter - 1.0 * scale, diameter - 1.0 * scale);
    QPainterPath outline;
    outline.addEllipse(circle);
    painter.fillPath(outline, Colours::To_QColor(body));
    // The second colour as a dense diagonal hatch: style 5 falls to the right, style 4 rises.
    const QColor hatch = Colours::To_QColor(Drawn_Second_Colour(second));
    painter.setClipPath(outline);
    // At 100 % the antialiased one-pixel hatch shows about three quarters of its width; drawn
    // larger it keeps that share, so a zoomed or printed ball is as dark as at 100 %.
    painter.setPen(QPen(hatch, scale == 1.0 ? 1.0 : 0.75 * scale));
    const double step = 3 * scale;
    for (double offset = -diameter; offset < diameter; offset += step) {
        if (pattern == 4)
            painter.drawLine(QPointF(offset, diameter), QPointF(offset + diameter, 0));
        else
            painter.drawLine(QPointF(offset, 0), QPointF(offset + diameter, diameter));
    }
    painter.setClipping(false);
    painter.setPen(QPen(hatch, 1.5 * scale));
    const double inset = 0.25 * scale;
    painter.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
    return image;
}

// True when the painter puts a one-pixel pen line on the same pixels as a one-pixel rectangle:
// no antialiasing and no transform but a shift by whole pixels.
bool Maps_Whole_Pixels(const QPainter &painter)
{
    if (painter.testRenderHint(QPainter::Antialiasing) || !painter.device() ||
        painter.device()->devicePixelRatio() != 1)
        return false;
    const QTransform &to_device = painter.deviceTransform();
    return to_device.type() <= QTransform::TxTranslate &&
           to_device.dx() == std::floor(to_device.dx()) &&
           to_device.dy() == std::floor(to_device.dy());
}

} // namespace

const QImage &PictureBox::Ball_Image(const Shape &shape, int diameter, double scale)
{
    const Ball_Look key{shape.BackColor(), shape.Second_Colour(), shape.Pattern(), diameter,
                        qRound(scale * 100)};
    auto found = ball_images_.find(key);
    if (found == ball_images_.end())
        found = ball_images_.insert(key, Draw_Ball(diameter, scale, shape.BackColor(),
                                                   shape.Second_Colour(), shape.Pattern()));
    return found.value();
}

void PictureBox::Paint(QPainter &painter)
{
    repaint_asked_ = false;
    const double zoom = Zoom_Of(this);
    const QRect outer(0, 0, Twips::To_Pixels(width_, zoom), Twips::To_Pixels(height_, zoom));
    const int border = Twips::To_Pixels(Border, zoom);
    const QRect interior = outer.adjusted(border, border, -border, -border);
    painter.fillRect(outer, Colours::To_QColor(back_colour_));

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

    painter.save();
    painter.setClipRect(interior);
    painter.translate(interior.topLeft());
    // Far-off items (parked balls, or sizes no scroll bar gives) are not drawn.
    const double reach = 4 * (width_ + height_);
    // At 100 % a line is the one-pixel cosmetic line; at a zoom it is as many whole pixels wide
    // as the zoom, laid on the pixels the 100 % line covers, so it stays crisp.
    const double line_width = Line_Width(this);
    const bool cosmetic = zoom == 1.0 && line_width == 1.0;
    const QPointF line_offset = cosmetic ? QPointF() : QPointF(line_width, line_width) / 2;
    painter.setPen(cosmetic ? QPen(Qt::black, 0)
                            : QPen(Qt::black, line_width, Qt::SolidLine, Qt::SquareCap));
    const double to_pixels = Twips::To_Pixels_F(1, zoom);
    for (const Line *line : lines_) {
        const QLineF l = line->Twips_Line();
        if (std::fabs(l.x1()) + std::fabs(l.y1()) + std::fabs(l.x2()) + std::fabs(l.y2()) >
            4 * reach)
            continue;
        painter.drawLine(
            QLineF(l.p1() * to_pixels + line_offset, l.p2() * to_pixels + line_offset));
    }
    // Balls are drawn at the device's pixels, so a desktop that scales shows them sharp too.
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    for (const Shape *shape : shapes_) {
        if (!shape->Visible())
            continue;
        const QRectF box = shape->Box();
        const QPointF centre = box.center();
        if (!(std::fabs(centre.x()) < reach && std::fabs(centre.y()) < reach))
            continue;
        const int diameter = qRound(std::min(box.width(), box.height()) * to_pixels);
        if (diameter <= 0)
            continue;
        const QPointF top_left = centre * to_pixels - QPointF(diameter, diameter) / 2.0;
        const QPoint at(qRound(top_left.x()), qRound(top_left.y()));
        if (ratio == 1.0) {
            painter.drawImage(at, Ball_Image(*shape, diameter, zoom));
        } else {
            const int pixels = qRound(diameter * ratio);
            painter.drawImage(QRect(at, QSize(diameter, diameter)),
                              Ball_Image(*shape, pixels, zoom * ratio));
        }
    }
    painter.restore();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
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
