// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ball_images.h"
#include "controls/panel_items.h"
#include "controls/twips.h"

#include <QPen>
#include <QTransform>
#include <QWidget>
#include <vector>

// A panel: a picture box with a user coordinate system. Positions in user units map linearly onto
// the interior; a negative ScaleHeight turns the vertical axis upward.
class PictureBox : public QWidget
{
    Q_OBJECT
    // Its place in twips and its colour, then its user scale.
    Q_PROPERTY(double Left READ Left)
    Q_PROPERTY(double Top READ Top)
    Q_PROPERTY(double Width READ Width)
    Q_PROPERTY(double Height READ Height WRITE Set_Height)
    Q_PROPERTY(quint32 BackColor READ BackColor)
    Q_PROPERTY(float ScaleWidth READ ScaleWidth WRITE Set_ScaleWidth)
    Q_PROPERTY(float ScaleHeight READ ScaleHeight WRITE Set_ScaleHeight)
    Q_PROPERTY(float ScaleTop READ ScaleTop WRITE Set_ScaleTop)
    Q_PROPERTY(float ScaleLeft READ ScaleLeft)

public:
    // The sunken border, two pixels on each side.
    static constexpr double Border = 30;

    PictureBox(const QString &name, double left, double top, double width, double height,
               quint32 back_colour, QWidget *parent);

    float ScaleWidth() const { return scale_width_; }
    float ScaleHeight() const { return scale_height_; }
    float ScaleTop() const { return scale_top_; }
    float ScaleLeft() const { return scale_left_; }
    void Set_ScaleWidth(float width);
    void Set_ScaleHeight(float height);
    void Set_ScaleTop(float top);
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Set_Height(double height);
    quint32 BackColor() const { return back_colour_; }

    // User units to twips inside the interior, and back; rebuilt when the scale or the size
    // changes. Sizes map by the scale's magnitude, so a turned axis gives no negative size.
    const QTransform &User_To_Twips() const { return to_twips_; }
    const QTransform &Twips_To_User() const { return to_user_; }

    // Items are painted in the order they were made.
    void Add_Item(Shape *shape)
    {
        shapes_.push_back(shape);
        Item_Changed();
    }
    void Add_Item(Line *line)
    {
        lines_.push_back(line);
        Item_Changed();
    }
    // An item changed: repaint once in this turn of the event loop, however many items change.
    void Item_Changed();
    // A ball moved, or changed its size, colour or visibility: the same, but on the screen only
    // where balls were and are now is painted again.
    void Ball_Changed();

    // One painting routine for the screen, screenshots and printing; the painter's origin is the
    // panel's top left corner, in pixels.
    void Paint(QPainter &painter);

signals:
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The panel as painted at a zoom, its border included: its size rounded as a whole, which
    // can be a pixel less than the widget's, whose edges are rounded.
    QRect Outer(double zoom) const
    {
        return QRect(0, 0, Twips::To_Pixels(width_, zoom), Twips::To_Pixels(height_, zoom));
    }
    double Interior_Width() const { return width_ - 2 * Border; }
    double Interior_Height() const { return height_ - 2 * Border; }
    void Update_Mapping();
    // The steps of Paint, each in pixels at `zoom`; lines and balls with the painter's origin at
    // the interior's top left corner.
    void Paint_Border(QPainter &painter, const QRect &outer, int border) const;
    // The lines as drawn at `zoom`: the pen, and each line's ends in pixels with the pixels it
    // covers (filled as a rectangle where `fill`) or at least reaches.
    struct Drawn_Line
    {
        QLineF line;
        QRect pixels;
        bool fill;
    };
    struct Line_Look
    {
        QPen pen;
        std::vector<Drawn_Line> lines;
    };
    Line_Look Lines_At(const QPainter &painter, double zoom) const;
    // Only inside `within`, when given: a ball's background is put back with them.
    void Paint_Lines(QPainter &painter, const Line_Look &look, const QRect &within = QRect()) const;
    void Paint_Balls(QPainter &painter, double zoom);
    // Where a ball is drawn, in pixels from the interior's top left corner; empty if it is not.
    QRect Ball_Pixels(const Shape &shape, double zoom) const;

    // Painting on the screen, frame by frame (picture_box_screen.cpp).
    void Paint_Screen(QPainter &painter, const QRegion &region);
    void Paint_Moved(QPainter &painter, double zoom);
    void Forget_Shown() { shown_zoom_ = 0; }
    // Far-off items (parked balls, or sizes no scroll bar gives) are not drawn.
    double Reach() const { return 4 * (width_ + height_); }

    double left_, top_, width_, height_;
    float scale_width_, scale_height_, scale_top_ = 0, scale_left_ = 0;
    QTransform to_twips_, to_user_;
    quint32 back_colour_;
    std::vector<Shape *> shapes_;
    std::vector<Line *> lines_;
    bool repaint_asked_ = false;
    // Where each ball (in the order of shapes_) was drawn by the last painting on the screen, and
    // at which zoom; 0 when the screen may no longer hold that painting.
    std::vector<QRect> shown_;
    double shown_zoom_ = 0;
    Ball_Images ball_images_;
};
