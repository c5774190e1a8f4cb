// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ball_images.h"

#include "controls/colours.h"

#include <QPainter>
#include <QPainterPath>

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

QImage Draw_Ball(int diameter, double scale, quint32 body, quint32 second, int pattern)
{
    QImage image(diameter, diameter, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(0.5 * scale, 0.5 * scale, diameter - 1.0 * scale, diameter - 1.0 * scale);
    QPainterPath outline;
    outline.addEllipse(circle);
    painter.fillPath(outline, Colours::To_QColor(body));
    // The second colour as a dense diagonal hatch: style 5 falls to the right, style 4 rises.
    const QColor hatch = Colours::To_QColor(Drawn_Second_Colour(second));
    painter.setClipPath(outline);
    // At 100 % the antialiased one-pixel hatch shows about three quarters of its width; drawn
    // larger it keeps that share, so a zoomed or printed ball is as dark as at 100 %.
    painter.setPen(QPen(hatch, scale == 1.0 ? 1.0 : 0.75 * scale));
    const double step = 3 * scale;
    for (double offset = -diameter; offset < diameter; offset += step) {
        if (pattern == 4)
            painter.drawLine(QPointF(offset, diameter), QPointF(offset + diameter, 0));
        else
            painter.drawLine(QPointF(offset, 0), QPointF(offset + diameter, diameter));
    }
    painter.setClipping(false);
    painter.setPen(QPen(hatch, 1.5 * scale));
    const double inset = 0.25 * scale;
    painter.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
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
