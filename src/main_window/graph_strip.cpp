// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/graph_strip.h"

#include "controls/paint_cache.h"
#include "controls/placement.h"
#include "controls/twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

QRectF In_Pixels(const QRectF &twips, double zoom)
{
    return {Twips::To_Pixels_F(twips.x(), zoom), Twips::To_Pixels_F(twips.y(), zoom),
            Twips::To_Pixels_F(twips.width(), zoom), Twips::To_Pixels_F(twips.height(), zoom)};
}

} // namespace

Graph_Strip::Graph_Strip(const Simulation::Tick_History &history, QWidget *parent)
    : QWidget(parent), history_(history)
{
    setObjectName(QStringLiteral("pic_Graph"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Graph_Strip::Set_Marks(const Graph::Marks &marks)
{
    const Graph::Marks drawn = marks.first(std::min<qsizetype>(Graph::Max_Traces, marks.size()));
    if (drawn == marks_)
        return;
    marks_ = drawn;
    update();
}

void Graph_Strip::Set_Scale(const Graph::Scale &scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    update();
}

QRectF Graph_Strip::Plot_Rect() const
{
    return In_Pixels(Plot_Twips, Zoom_Of(this));
}

Graph_Strip::Drawn_For Graph_Strip::Wanted() const
{
    return {size(), devicePixelRatioF(), Line_Width(this), font(), scale_,
            marks_, history_.Clears()};
}

void Graph_Strip::Draw_Afresh(const Drawn_For &wanted)
{
    drawn_ = QPixmap(wanted.size * wanted.pixel_ratio);
    drawn_.setDevicePixelRatio(wanted.pixel_ratio);
    drawn_.fill(palette().color(QPalette::Window));
    QPainter painter(&drawn_);
    painter.setFont(wanted.font);
    Graph::Draw_Axes(painter, Plot_Rect(), scale_);
    Graph::Draw_Legend(painter, In_Pixels(Legend_Twips, Zoom_Of(this)), marks_, wanted.line_width);
    drawn_for_ = wanted;
    drawn_ticks_ = 0;
}

void Graph_Strip::paintEvent(QPaintEvent *)
{
    const Drawn_For wanted = Wanted();
    QPainter painter(this);
    if (Paints_Vectors(painter)) {
        // A vector file gets the strip drawn whole, as shapes and text.
        const QRectF plot = Plot_Rect();
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setFont(wanted.font);
        Graph::Draw_Axes(painter, plot, scale_);
        Graph::Draw_Legend(painter, In_Pixels(Legend_Twips, Zoom_Of(this)), marks_,
                           wanted.line_width);
        Graph::Draw_Traces(painter, plot, scale_, history_, marks_, 0, history_.Size(),
                           wanted.line_width);
        Draw_Present_Of(painter, plot, wanted.line_width);
        return;
    }
    if (drawn_.isNull() || !(wanted == drawn_for_))
        Draw_Afresh(wanted);
    const QRectF plot = Plot_Rect();
    if (drawn_ticks_ < history_.Size()) {
        QPainter on_picture(&drawn_);
        Graph::Draw_Traces(on_picture, plot, scale_, history_, marks_, drawn_ticks_,
                           history_.Size(), wanted.line_width);
        drawn_ticks_ = history_.Size();
    }
    painter.drawPixmap(0, 0, drawn_);
    Draw_Present_Of(painter, plot, wanted.line_width);
}

void Graph_Strip::Draw_Present_Of(QPainter &painter, const QRectF &plot, double line_width) const
{
    const double now = history_.Size() > 0 ? history_.Time(history_.Size() - 1) : 0;
    Graph::Draw_Present(painter, plot, scale_, now, line_width);
}
