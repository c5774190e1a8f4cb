// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tick_history.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <array>
#include <utility>

class QPainter;

// The y-t graph drawn on any painter (the screen, an image, a page): time from 0 to the end of a
// run across, displacement up, one trace per marked ball with its two components. Each part is
// drawn on its own, so a picture kept from earlier frames needs only the ticks that came since.
namespace Graph {

// The marked balls drawn, (panel 1 or 2, ball 0..50), in the order they were marked.
using Marks = QList<std::pair<int, int>>;
inline constexpr int Max_Traces = 4;

// The panels' vertical scale: displacement from -Half_Range up to Half_Range, with guide lines at
// the values their labels show.
struct Scale
{
    float Half_Range = 12.5f;
    std::array<float, 5> Guides{10, 5, 0, -5, -10};
    float End_Time = 20;
    bool operator==(const Scale &) const = default;
};

QColor Trace_Colour(int index);
// The colour of a component row: red for waves 0 and 2, blue for waves 1 and 3.
QColor Component_Colour(int wave);
QString Legend_Text(int panel, int ball);

// Where a tick's time and a displacement lie in the plot.
QPointF Plot_Point(const QRectF &plot, const Scale &scale, double time, double top);

// The plot's paper, its guide lines with their values and the axis captions around it.
void Draw_Axes(QPainter &painter, const QRectF &plot, const Scale &scale);
// A sample of each trace's line with its name, along the top of `area`.
void Draw_Legend(QPainter &painter, const QRectF &area, const Marks &marks, double line_width);
// The traces of the marked balls from tick `from` (joined to the tick before it) up to, not
// including, tick `to`: each component while its wave was ticked, then the resultant over them.
void Draw_Traces(QPainter &painter, const QRectF &plot, const Scale &scale,
                 const Simulation::Tick_History &history, const Marks &marks, int from, int to,
                 double line_width);
// The vertical line at the present time.
void Draw_Present(QPainter &painter, const QRectF &plot, const Scale &scale, double time,
                  double line_width);

} // namespace Graph
