// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/colours.h"

#include <array>

namespace Colours {

namespace {

constexpr std::array<QRgb, 25> Classic_System_Colours = {
    0xFFC0C0C0, // 0 scroll bar
    0xFF008080, // 1 desktop background
    0xFF000080, // 2 active caption
    0xFF808080, // 3 inactive caption
    0xFFC0C0C0, // 4 menu
    0xFFFFFFFF, // 5 window
    0xFF000000, // 6 window frame
    0xFF000000, // 7 menu text
    0xFF000000, // 8 window text
    0xFFFFFFFF, // 9 caption text
    0xFFC0C0C0, // 10 active border
    0xFFC0C0C0, // 11 inactive border
    0xFF808080, // 12 application workspace
    0xFF000080, // 13 highlight
    0xFFFFFFFF, // 14 highlight text
    0xFFC0C0C0, // 15 button face
    0xFF808080, // 16 button shadow
    0xFF808080, // 17 grey text
    0xFF000000, // 18 button text
    0xFFC0C0C0, // 19 inactive caption text
    0xFFFFFFFF, // 20 button highlight
    0xFF000000, // 21 3D dark shadow
    0xFFDFDFDF, // 22 3D light
    0xFF000000, // 23 tooltip text
    0xFFFFFFE1, // 24 tooltip background
};

} // namespace

QColor To_QColor(quint32 value)
{
    if (value & System) {
        const quint32 index = value & ~System;
        return index < Classic_System_Colours.size() ? QColor(Classic_System_Colours[index])
                                                     : QColor(Qt::black);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace Colours
