// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QTransform>
#include <QWidget>
#include <vector>

class PictureBox;

// A circle of a ball row: a lightweight item of its panel, not a widget. Its place and size are
// held in twips inside the panel, so a change of the panel's scale moves nothing on the screen;
// the properties read and write them in the panel's current user units.
class Shape : public QObject
{
    Q_OBJECT
    Q_PROPERTY(float Left READ Left WRITE Set_Left)
    Q_PROPERTY(float Top READ Top WRITE Set_Top)
    Q_PROPERTY(float Width READ Width WRITE Set_Width)
    Q_PROPERTY(float Height READ Height WRITE Set_Height)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE Set_BackColor)
    Q_PROPERTY(bool Visible READ Visible WRITE Set_Visible)

public:
    Shape(const QString &name, quint32 back_colour, quint32 second_colour, int pattern,
          PictureBox *panel);

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    quint32 BackColor() const { return back_colour_; }
    bool Visible() const { return visible_; }
    quint32 Second_Colour() const { return second_colour_; }
    int Pattern() const { return pattern_; }
    void Set_Left(float left);
    void Set_Top(float top);
    void Set_Width(float width);
    void Set_Height(float height);
    void Set_BackColor(quint32 colour);
    void Set_Visible(bool visible);

    // The ball's box in twips inside the panel's interior.
    QRectF Box() const { return QRectF(x_, y_, width_, height_); }

private:
    PictureBox *panel_;
    double x_ = 0, y_ = 0, width_ = 240, height_ = 240;
    quint32 back_colour_;
    quint32 second_colour_;
    int pattern_;
    bool visible_ = true;
};

// A straight line of a panel, its end points held in twips like a ball's box.
class Line : public QObject
{
    Q_OBJECT
    Q_PROPERTY(float X1 READ X1 WRITE Set_X1)
    Q_PROPERTY(float Y1 READ Y1 WRITE Set_Y1)
    Q_PROPERTY(float X2 READ X2 WRITE Set_X2)
    Q_PROPERTY(float Y2 READ Y2 WRITE Set_Y2)

public:
    Line(const QString &name, double x1, double y1, double x2, double y2, PictureBox *panel);

    float X1() const;
    float Y1() const;
    float X2() const;
    float Y2() const;
    void Set_X1(float x);
    void Set_Y1(float y);
    void Set_X2(float x);
    void Set_Y2(float y);

    QLineF Twips_Line() const { return QLineF(x1_, y1_, x2_, y2_); }

private:
    PictureBox *panel_;
    double x1_, y1_, x2_, y2_;
};

// A panel: a picture box with a user coordinate system. Positions in user units map linearly onto
// the interior; a negative ScaleHeight turns the vertical axis upward.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float ScaleWidth READ ScaleWidth WRITE Set_ScaleWidth)
    Q_PROPERTY(float ScaleHeight READ ScaleHeight WRITE Set_ScaleHeight)
    Q_PROPERTY(float ScaleTop READ ScaleTop WRITE Set_ScaleTop)
    Q_PROPERTY(float ScaleLeft READ ScaleLeft)
    Q_PROPERTY(double Left READ Left)
    Q_PROPERTY(double Top READ Top)
    Q_PROPERTY(double Width READ Width)
    Q_PROPERTY(double Height READ Height WRITE Set_Height)
    Q_PROPERTY(quint32 BackColor READ BackColor)

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
    void Add_Item(Shape *shape) { shapes_.push_back(shape); }
    void Add_Item(Line *line) { lines_.push_back(line); }
    // An item changed: repaint once in this turn of the event loop, however many items change.
    void Item_Changed();

    // One painting routine for the screen, screenshots and printing; the painter's origin is the
    // panel's top left corner, in pixels.
    void Paint(QPainter &painter);

signals:
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    double Interior_Width() const { return width_ - 2 * Border; }
    double Interior_Height() const { return height_ - 2 * Border; }
    void Update_Mapping();

    // What a ball looks like at a size: one picture per key.
    struct Ball_Look
    {
        quint32 body, second;
        int pattern, diameter, scale_percent;
        bool operator==(const Ball_Look &) const = default;
    };
    friend size_t qHash(const Ball_Look &look, size_t seed = 0)
    {
        return qHashMulti(seed, look.body, look.second, look.pattern, look.diameter,
                          look.scale_percent);
    }
    const QImage &Ball_Image(const Shape &shape, int diameter, double scale);

    double left_, top_, width_, height_;
    float scale_width_, scale_height_, scale_top_ = 0, scale_left_ = 0;
    QTransform to_twips_, to_user_;
    quint32 back_colour_;
    std::vector<Shape *> shapes_;
    std::vector<Line *> lines_;
    bool repaint_asked_ = false;
    // Balls change size only with the zoom, so each look is drawn once and then copied.
    QHash<Ball_Look, QImage> ball_images_;
};
