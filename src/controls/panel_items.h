// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QObject>
#include <QRectF>

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
