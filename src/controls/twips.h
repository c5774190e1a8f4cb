#pragma once

#include <QRect>
#include <QtGlobal>

// The window's tables give geometry in twips; the screen has 15 twips to the logical pixel.
namespace Twips {

inline constexpr double Per_Pixel = 15.0;

inline int To_Pixels(double twips)
{
    return qRound(twips / Per_Pixel);
}

// Edges are rounded, not sizes, so neighbours given in twips stay neighbours on the screen.
inline QRect To_Pixels(double left, double top, double width, double height)
{
    const int x = To_Pixels(left), y = To_Pixels(top);
    return QRect(x, y, To_Pixels(left + width) - x, To_Pixels(top + height) - y);
}

inline double From_Pixels(double pixels)
{
    return pixels * Per_Pixel;
}

} // namespace Twips
