// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/graph_drawing.h"

#include <QPixmap>
#include <QWidget>

// The strip under the panels that draws the y-t graph of the marked balls from the run's
// history. The traces drawn so far are kept as a picture: a frame draws only the ticks that came
// since, and the picture is drawn afresh only when the marks, the scale, the size or the zoom
// change or the history was cleared.
class Graph_Strip : public QWidget
{
    Q_OBJECT

public:
    // The strip's design geometry in twips, inside the strip.
    static constexpr double Width = 15240, Height = 3600;
    static constexpr QRectF Plot_Twips{900, 480, 9000, 2580};
    static constexpr QRectF Legend_Twips{900, 60, 9000, 360};

    Graph_Strip(const Simulation::Tick_History &history, QWidget *parent);

    // The first Graph::Max_Traces of the marks are drawn.
    void Set_Marks(const Graph::Marks &marks);
    void Set_Scale(const Graph::Scale &scale);
    const Graph::Marks &Drawn_Marks() const { return marks_; }
    const Graph::Scale &Shown_Scale() const { return scale_; }
    // The plot's rectangle in the strip's pixels at its zoom.
    QRectF Plot_Rect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the kept picture was drawn for: when any of it changes, it is drawn afresh.
    struct Drawn_For
    {
        QSize size;
        qreal pixel_ratio = 0;
        double line_width = 0;
        QFont font;
        Graph::Scale scale;
        Graph::Marks marks;
        quint64 clears = 0;
        bool operator==(const Drawn_For &) const = default;
    };
    Drawn_For Wanted() const;
    void Draw_Afresh(const Drawn_For &wanted);
    // The line of the present time, over the traces.
    void Draw_Present_Of(QPainter &painter, const QRectF &plot, double line_width) const;

    const Simulation::Tick_History &history_;
    Graph::Marks marks_;
    Graph::Scale scale_;
    QPixmap drawn_;
    Drawn_For drawn_for_;
    int drawn_ticks_ = 0;
};
