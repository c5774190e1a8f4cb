// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>

// A picture object: buttons and images share one by identity, never by copy. A loaded picture
// keeps its vector source, so that it can be drawn afresh at any size.
using Picture = std::shared_ptr<const QPixmap>;
Picture Load_Picture(const QString &resource, QSize pixels);
// What a control shows of a picture at `size` logical pixels on a device of `ratio`: the picture
// itself at its own size, else drawn afresh from its vector source, so it never shows stretched.
QPixmap Picture_At(const QPixmap &picture, QSize size, qreal ratio);
class QPainter;
// Draws a picture into `target`: from its vector source when it has one (an SVG or PDF file stays
// sharp), else the pixmap stretched.
void Paint_Picture(QPainter &painter, const QRectF &target, const QPixmap &picture);
