// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/paint_cache.h"

#include <QPaintEngine>
#include <QStylePainter>
#include <cmath>

bool Paints_Vectors(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine)
        return false;
    switch (engine->type()) {
    case QPaintEngine::SVG:
    case QPaintEngine::Pdf:
    case QPaintEngine::Picture:
        return true;
    default:
        return false;
    }
}

bool Maps_Whole_Pixels(const QPainter &painter)
{
    if (painter.testRenderHint(QPainter::Antialiasing) || !painter.device() ||
        painter.device()->devicePixelRatio() != 1)
        return false;
    const QTransform &to_device = painter.deviceTransform();
    return to_device.type() <= QTransform::TxTranslate &&
           to_device.dx() == std::floor(to_device.dx()) &&
           to_device.dy() == std::floor(to_device.dy());
}

void Paint_Cache::Paint(QWidget &control, const std::function<void(QStylePainter &)> &draw)
{
    QStylePainter on_control(&control);
    if (Paints_Vectors(on_control)) {
        draw(on_control);
        return;
    }
    const qreal ratio = control.devicePixelRatioF();
    if (drawn_.isNull() || drawn_.devicePixelRatio() != ratio ||
        drawn_.deviceIndependentSize() != QSizeF(control.size())) {
        drawn_ = QPixmap(control.size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        stale_ = true;
    }
    if (stale_) {
        stale_ = false;
        drawn_.fill(Qt::transparent);
        QStylePainter painter(&drawn_, &control);
        // As a painter on the control itself starts out.
        painter.setFont(control.font());
        painter.setPen(control.palette().color(control.foregroundRole()));
        painter.setBackground(control.palette().brush(control.backgroundRole()));
        draw(painter);
    }
    on_control.drawPixmap(0, 0, drawn_);
}
