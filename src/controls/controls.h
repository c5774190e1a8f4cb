// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>
#include <QStyleOption>
#include <QStylePainter>
#include <QToolButton>
#include <memory>

// The window's controls: Qt widgets that keep the properties the program reads and writes, with
// geometry in twips. Setting a value from code raises the control's event at once, and only when
// the value changes.

// A picture object: buttons and images share one by identity, never by copy.
using Picture = std::shared_ptr<const QPixmap>;
Picture Load_Picture(const QString &resource, QSize pixels);
// What a control shows of a picture at `size` logical pixels on a device of `ratio`: the picture
// itself at its own size, else drawn afresh from its vector source, so it never shows stretched.
QPixmap Picture_At(const QPixmap &picture, QSize size, qreal ratio);

// Places a widget from its geometry in twips at its window's zoom. The twips are kept on the
// widget, so a new zoom places it again.
void Place(QWidget *control, double left, double top, double width, double height);
// A window's client size in twips, kept like a control's geometry; the window gets it as its fixed
// size at its zoom.
void Set_Client_Size(QWidget &window, double width, double height);
QSize Client_Size(const QWidget &window, double zoom);

// The zoom of the window a widget is on: twips become logical pixels times this factor.
double Zoom_Of(const QWidget *control);
// Lays a window out at a zoom: every control placed with Place() takes its place, every font set
// on a control its size and every picture its size at that zoom. The window's controls are moved
// by `origin` (pixels), which centres them on a window larger than its client area; the window's
// own size is left to the caller.
void Apply_Zoom(QWidget &window, double zoom, QPoint origin = QPoint());
// The window's client area drawn at a zoom into an image, as Render_Client_Area at that zoom, while
// the window keeps its size and its look on the screen. Lines drawn with Line_Width are one pixel
// wide in it, the finest the image can hold (printing).
QImage Render_At_Zoom(QWidget &window, double zoom);
// The width of a panel's line at the window's zoom: it grows with the zoom, except in a
// Render_At_Zoom image.
double Line_Width(const QWidget *control);

void Set_Text_Colour(QWidget *control, quint32 colour);
void Set_Background(QWidget *control, quint32 colour);
QFont Window_Font(bool bold);
// Gives a window and every control on it the classic desktop style, whatever the desktop's
// theme: the window looks the same everywhere, and its controls paint fast.
void Use_Classic_Style(QWidget &window);
// The classic desktop's colours for a window's face, its text and its disabled text.
QPalette Classic_Palette();

// The picture of a control's last painting. A window repaints all its controls for a screenshot
// or a print, and copying a picture costs far less than drawing a control; the control forgets
// the picture at any event but a paint and whenever its value changes.
class Paint_Cache
{
public:
    void Forget() { drawn_ = QPixmap(); }
    // Draws the control through `draw` (given a painter on the picture) only when needed.
    template <class Draw> void Paint(QWidget &control, Draw &&draw)
    {
        const qreal ratio = control.devicePixelRatioF();
        if (drawn_.isNull() || drawn_.devicePixelRatio() != ratio ||
            drawn_.deviceIndependentSize() != QSizeF(control.size())) {
            drawn_ = QPixmap(control.size() * ratio);
            drawn_.setDevicePixelRatio(ratio);
            drawn_.fill(Qt::transparent);
            QStylePainter painter(&drawn_, &control);
            // As a painter on the control itself starts out.
            painter.setFont(control.font());
            painter.setPen(control.palette().color(control.foregroundRole()));
            painter.setBackground(control.palette().brush(control.backgroundRole()));
            draw(painter);
        }
        QPainter(&control).drawPixmap(0, 0, drawn_);
    }
    // Forgets the picture at any event that can change the look: all but paints.
    void Watch(const QEvent *event)
    {
        if (event->type() != QEvent::Paint)
            Forget();
    }

private:
    QPixmap drawn_;
};

class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE Set_Caption)
    Q_PROPERTY(double Left READ Left WRITE Set_Left)
    Q_PROPERTY(double Top READ Top WRITE Set_Top)
    Q_PROPERTY(double Width READ Width)
    Q_PROPERTY(double Height READ Height)

public:
    Label(const QString &name, const QString &caption, QWidget *parent);

    QString Caption() const { return text(); }
    void Set_Caption(const QString &caption) { setText(caption); }
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Set_Left(double left);
    void Set_Top(double top);
    void Set_Geometry(double left, double top, double width, double height);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    // Laying out a text costs far more than copying its picture, and a window repaints some
    // sixty labels. A new caption or alignment sends the label no event, so they are compared.
    Paint_Cache drawn_;
    QString drawn_text_;
    Qt::Alignment drawn_alignment_;
};

class CheckBox : public QCheckBox
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE Set_Value)

public:
    CheckBox(const QString &name, const QString &caption, QWidget *parent);

    // 0 clear, 1 checked, 2 greyed; any other value is refused with an error.
    int Value() const;
    void Set_Value(int value);

protected:
    // A user's click toggles between clear and checked; only code sets the greyed value.
    void nextCheckState() override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Paint_Cache drawn_;
};

class ScrollBar : public QScrollBar
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE Set_Value)

public:
    ScrollBar(const QString &name, int min, int max, int value, QWidget *parent);

    // A value outside Min..Max is refused with an error instead of being clamped.
    void Set_Value(int value);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Paint_Cache drawn_;
    // While the mouse holds a part of the bar down, the bar draws itself as it goes.
    bool pressed_ = false;
};

class CommandButton : public QToolButton
{
    Q_OBJECT

public:
    CommandButton(const QString &name, QWidget *parent);

    const Picture &Shown_Picture() const { return picture_; }
    void Set_Picture(Picture picture);
    // Shows the picture at the window's zoom.
    void Show_Picture();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Picture picture_;
    Paint_Cache drawn_;
};

// An image control: shows its picture stretched, or, hidden, only stores it.
class Image : public QLabel
{
    Q_OBJECT

public:
    Image(const QString &name, Picture picture, QWidget *parent);

    const Picture &Shown_Picture() const { return picture_; }
    // Shows the picture at the control's size, drawn afresh when that is not the picture's own.
    void Show_Picture();

private:
    Picture picture_;
};

class Frame : public QGroupBox
{
    Q_OBJECT

public:
    Frame(const QString &name, QWidget *parent);

    // The colour of the frame's own caption. It is kept out of the palette, which the controls
    // inside the frame would inherit.
    void Set_Caption_Colour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Paint_Cache drawn_;
    QColor caption_colour_;
};
