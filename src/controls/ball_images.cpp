// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ball_images.h"

#include "controls/colours.h"
#include "controls/paint_cache.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <optional>

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

// The part of a line inside a circle, if any.
std::optional<QLineF> Chord(const QLineF &line, const QRectF &circle)
{
    const QPointF d = line.p2() - line.p1(), f = line.p1() - circle.center();
    const double r = circle.width() / 2, a = QPointF::dotProduct(d, d),
                 b = 2 * QPointF::dotProduct(f, d), c = QPointF::dotProduct(f, f) - r * r;
    const double discriminant = b * b - 4 * a * c;
    if (a == 0 || discriminant <= 0)
        return std::nullopt;
    const double root = std::sqrt(discriminant);
    const double t1 = std::max(0.0, (-b - root) / (2 * a)),
                 t2 = std::min(1.0, (-b + root) / (2 * a));
    if (t1 >= t2)
        return std::nullopt;
    return QLineF(line.pointAt(t1), line.pointAt(t2));
}

} // namespace

void Paint_Ball(QPainter &painter, const QRectF &box, double scale, quint32 body, quint32 second,
                int pattern)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    const double diameter = box.width();
    const QRectF circle(0.5 * scale, 0.5 * scale, diameter - 1.0 * scale, diameter - 1.0 * scale);
    QPainterPath outline;
    outline.addEllipse(circle);
    painter.fillPath(outline, Colours::To_QColor(body));
    // The second colour as a dense diagonal hatch: style 5 falls to the right, style 4 rises.
    const QColor hatch = Colours::To_QColor(Drawn_Second_Colour(second));
    // A vector file may not keep a clip path (SVG does not): there each line is cut to the ball.
    const bool cut = Paints_Vectors(painter);
    painter.save();
    if (!cut)
        painter.setClipPath(outline, Qt::IntersectClip);
    // At 100 % the antialiased one-pixel hatch shows about three quarters of its width; drawn
    // larger it keeps that share, so a zoomed or printed ball is as dark as at 100 %.
    painter.setPen(QPen(hatch, scale == 1.0 ? 1.0 : 0.75 * scale));
    const double step = 3 * scale;
    for (double offset = -diameter; offset < diameter; offset += step) {
        const QLineF line = pattern == 4 ? QLineF(offset, diameter, offset + diameter, 0)
                                         : QLineF(offset, 0, offset + diameter, diameter);
        if (!cut)
            painter.drawLine(line);
        else if (const auto chord = Chord(line, circle))
            painter.drawLine(*chord);
    }
    painter.restore();
    painter.setPen(QPen(hatch, 1.5 * scale));
    const double inset = 0.25 * scale;
    painter.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

namespace {

QImage Draw_Ball(int diameter, double scale, quint32 body, quint32 second, int pattern)
{
    QImage image(diameter, diameter, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Paint_Ball(painter, QRectF(0, 0, diameter, diameter), scale, body, second, pattern);
    return image;
}

} // namespace

const QImage &Ball_Images::Image(quint32 body, quint32 second, int pattern, int diameter,
                                 double scale)
{
    const Look key{body, second, pattern, diameter, qRound(scale * 100)};
    auto found = images_.find(key);
    if (found == images_.end())
        found = images_.insert(key, Draw_Ball(diameter, scale, body, second, pattern));
    return found.value();
}
