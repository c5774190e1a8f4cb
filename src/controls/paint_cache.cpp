// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/paint_cache.h"

#include <QStylePainter>

void Paint_Cache::Paint(QWidget &control, const std::function<void(QStylePainter &)> &draw)
{
    const qreal ratio = control.devicePixelRatioF();
    if (drawn_.isNull() || drawn_.devicePixelRatio() != ratio ||
        drawn_.deviceIndependentSize() != QSizeF(control.size())) {
        drawn_ = QPixmap(control.size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QStylePainter painter(&drawn_, &control);
        // As a painter on the control itself starts out.
        painter.setFont(control.font());
        painter.setPen(control.palette().color(control.foregroundRole()));
        painter.setBackground(control.palette().brush(control.backgroundRole()));
        draw(painter);
    }
    QPainter(&control).drawPixmap(0, 0, drawn_);
}
