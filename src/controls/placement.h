// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

// Controls are placed from their geometry in twips at their window's zoom.

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
// The same drawn by any painter, from its origin: an SVG or PDF file gets shapes and text.
class QPainter;
void Paint_At_Zoom(QWidget &window, double zoom, QPainter &painter);
// The width of a panel's line at the window's zoom: it grows with the zoom, except in a
// Render_At_Zoom image.
double Line_Width(const QWidget *control);

// A control that shows a picture at its window's zoom: Apply_Zoom has it drawn afresh.
class Zoomed_Picture
{
public:
    virtual ~Zoomed_Picture() = default;
    virtual void Show_Picture() = 0;
};
