// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>

class QPainter;

// Draws a ball filling `box` in colour `body`, hatched in `second` (pattern 4 rises, any other
// falls to the right); its hatch and ring are `scale` times as wide as at 100 %.
void Paint_Ball(QPainter &painter, const QRectF &box, double scale, quint32 body, quint32 second,
                int pattern);

// The pictures of a panel's balls. Balls change size only with the zoom, so each look is drawn
// once and then copied.
class Ball_Images
{
public:
    // A ball `diameter` device pixels wide in colour `body`, hatched in `second` (pattern 4 rises,
    // any other falls to the right); its hatch and ring are `scale` times as wide as at 100 %.
    const QImage &Image(quint32 body, quint32 second, int pattern, int diameter, double scale);

private:
    struct Look
    {
        quint32 body, second;
        int pattern, diameter, scale_percent;
        bool operator==(const Look &) const = default;
    };
    friend size_t qHash(const Look &look, size_t seed = 0)
    {
        return qHashMulti(seed, look.body, look.second, look.pattern, look.diameter,
                          look.scale_percent);
    }

    QHash<Look, QImage> images_;
};
