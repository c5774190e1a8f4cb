// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

// A picture that remembers its vector source, so that it can be drawn afresh at any size.
class Drawn_Picture : public QPixmap
{
public:
    Drawn_Picture(const QPixmap &pixmap, const QString &source) : QPixmap(pixmap), source_(source)
    {
    }
    const QString &Source() const { return source_; }

private:
    QString source_;
};

QPixmap Draw_Svg(const QString &resource, QSize pixels)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    return pixmap;
}

} // namespace

Picture Load_Picture(const QString &resource, QSize pixels)
{
    return std::make_shared<const Drawn_Picture>(Draw_Svg(resource, pixels), resource);
}

void Paint_Picture(QPainter &painter, const QRectF &target, const QPixmap &picture)
{
    if (const auto *drawn = dynamic_cast<const Drawn_Picture *>(&picture)) {
        QSvgRenderer(drawn->Source()).render(&painter, target);
        return;
    }
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
}

QPixmap Picture_At(const QPixmap &picture, QSize size, qreal ratio)
{
    if (picture.isNull() ||
        (picture.deviceIndependentSize() == QSizeF(size) && picture.devicePixelRatio() == ratio))
        return picture;
    const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
    const auto *drawn = dynamic_cast<const Drawn_Picture *>(&picture);
    QPixmap shown = drawn ? Draw_Svg(drawn->Source(), pixels)
                          : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    return shown;
}
