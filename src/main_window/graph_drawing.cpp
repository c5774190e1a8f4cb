// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/graph_drawing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace Graph {

namespace {

constexpr double Time_Step_Labelled = 2; // seconds between the time axis's values

const QColor Paper(255, 255, 255);
const QColor Guide(200, 200, 200);
const QColor Rest_Line(120, 120, 120);
const QColor Ink(0, 0, 0);

// One line through the ticks of [from, to) for which `take` is true; a tick it refuses breaks
// the line.
template <class Take, class Value>
void Draw_Runs(QPainter &painter, const QRectF &plot, const Scale &scale,
               const Simulation::Tick_History &history, int from, int to, Take take, Value value)
{
    QPolygonF run;
    const auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };
    for (int tick = std::max(0, from - 1); tick < to; ++tick) {
        if (!take(tick)) {
            flush();
            continue;
        }
        run.append(Plot_Point(plot, scale, history.Time(tick), value(tick)));
    }
    flush();
}

} // namespace

QColor Trace_Colour(int index)
{
    // Clear of the component rows' red and blue and of the marks' yellow.
    static const std::array<QColor, Max_Traces> colours = {QColor(0, 128, 0), QColor(144, 0, 160),
                                                           QColor(224, 112, 0), QColor(0, 0, 0)};
    return colours.at(static_cast<std::size_t>(index % Max_Traces));
}

QColor Component_Colour(int wave)
{
    return wave % 2 == 0 ? QColor(192, 0, 0) : QColor(0, 0, 192);
}

QString Legend_Text(int panel, int ball)
{
    return QCoreApplication::translate("Graph", "Μέσο %1, σφαιρίδιο %2").arg(panel).arg(ball);
}

QPointF Plot_Point(const QRectF &plot, const Scale &scale, double time, double top)
{
    return {plot.left() + plot.width() * time / scale.End_Time,
            plot.center().y() - plot.height() / 2 * top / scale.Half_Range};
}

void Draw_Axes(QPainter &painter, const QRectF &plot, const Scale &scale)
{
    painter.save();
    painter.fillRect(plot, Paper);
    const QFontMetricsF metrics(painter.font());
    const double gap = metrics.averageCharWidth() / 2;
    painter.setPen(QPen(Guide, 0));
    for (double t = Time_Step_Labelled; t < scale.End_Time; t += Time_Step_Labelled) {
        const double x = Plot_Point(plot, scale, t, 0).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (const float guide : scale.Guides) {
        const double y = Plot_Point(plot, scale, 0, guide).y();
        painter.setPen(QPen(guide == 0 ? Rest_Line : Guide, 0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Ink);
        const QRectF label(0, y - metrics.height() / 2, plot.left() - gap, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(guide));
    }
    painter.setPen(Ink);
    for (double t = 0; t <= scale.End_Time; t += Time_Step_Labelled) {
        const double x = Plot_Point(plot, scale, t, 0).x();
        const QRectF label(x - metrics.horizontalAdvance(QStringLiteral("00")), plot.bottom(),
                           2 * metrics.horizontalAdvance(QStringLiteral("00")), metrics.height());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(t));
    }
    painter.setPen(QPen(Ink, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    // Past the last time value, which is centred on the plot's right edge.
    painter.drawText(QPointF(plot.right() + metrics.horizontalAdvance(QStringLiteral("00")),
                             plot.bottom() + metrics.ascent()),
                     QStringLiteral("t (s)"));
    painter.drawText(QRectF(0, plot.top() - metrics.height(), plot.left() - gap, metrics.height()),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("y"));
    painter.restore();
}

void Draw_Legend(QPainter &painter, const QRectF &area, const Marks &marks, double line_width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const double sample = 3 * metrics.averageCharWidth();
    double x = area.left();
    const double y = area.center().y();
    for (int i = 0; i < std::min(Max_Traces, static_cast<int>(marks.size())); ++i) {
        painter.setPen(QPen(Trace_Colour(i), 2 * line_width));
        painter.drawLine(QPointF(x, y), QPointF(x + sample, y));
        x += sample + metrics.averageCharWidth();
        const QString text = Legend_Text(marks[i].first, marks[i].second);
        painter.setPen(Ink);
        painter.drawText(QRectF(x, area.top(), area.right() - x, area.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        x += metrics.horizontalAdvance(text) + 3 * metrics.averageCharWidth();
    }
    painter.restore();
}

void Draw_Traces(QPainter &painter, const QRectF &plot, const Scale &scale,
                 const Simulation::Tick_History &history, const Marks &marks, int from, int to,
                 double line_width)
{
    using Simulation::Tick_History;
    to = std::min(to, history.Size());
    if (to - std::max(0, from - 1) < 2)
        return;
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const auto always = [](int) { return true; };
    for (int i = 0; i < std::min(Max_Traces, static_cast<int>(marks.size())); ++i) {
        const auto [panel, ball] = marks[i];
        const int first_wave = panel == 1 ? 0 : 2;
        for (int wave = first_wave; wave < first_wave + 2; ++wave) {
            painter.setPen(QPen(Component_Colour(wave), line_width));
            Draw_Runs(
                painter, plot, scale, history, from, to,
                [&](int tick) { return history.Ticked(tick, wave); },
                [&](int tick) {
                    return history.Top(tick, Tick_History::Component_Row(wave), ball);
                });
        }
        painter.setPen(QPen(Trace_Colour(i), 2 * line_width));
        Draw_Runs(painter, plot, scale, history, from, to, always, [&](int tick) {
            return history.Top(tick, Tick_History::Resultant_Row(panel), ball);
        });
    }
    painter.restore();
}

void Draw_Present(QPainter &painter, const QRectF &plot, const Scale &scale, double time,
                  double line_width)
{
    if (time < 0 || time > scale.End_Time)
        return;
    painter.save();
    painter.setPen(QPen(Ink, line_width, Qt::DashLine));
    const double x = Plot_Point(plot, scale, time, 0).x();
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.restore();
}

} // namespace Graph
