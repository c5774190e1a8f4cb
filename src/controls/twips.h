// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtGlobal>

// The window's tables give geometry in twips; the screen has 15 twips to the logical pixel at
// 100 %. A window's zoom multiplies the pixels here and nowhere else.
namespace Twips {

inline constexpr double Per_Pixel = 15.0;

inline int To_Pixels(double twips, double zoom = 1.0)
{
    return qRound(twips * zoom / Per_Pixel);
}

// Edges are rounded, not sizes, so neighbours given in twips stay neighbours on the screen.
inline QRect To_Pixels(double left, double top, double width, double height, double zoom = 1.0)
{
    const int x = To_Pixels(left, zoom), y = To_Pixels(top, zoom);
    return QRect(x, y, To_Pixels(left + width, zoom) - x, To_Pixels(top + height, zoom) - y);
}

inline double To_Pixels_F(double twips, double zoom = 1.0)
{
    return twips * zoom / Per_Pixel;
}

inline double From_Pixels(double pixels, double zoom = 1.0)
{
    return pixels * Per_Pixel / zoom;
}

} // namespace Twips
