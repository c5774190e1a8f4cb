// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

// Colours are 32-bit values: 0x80000000 + n names system colour n, any other value is 0x00BBGGRR.
namespace Colours {

inline constexpr quint32 System = 0x80000000u;
inline constexpr quint32 Yellow = 0x0000FFFFu;
inline constexpr quint32 Red = 0x000000C0u;
inline constexpr quint32 Blue = 0x00C00000u;
inline constexpr quint32 White = 0x00FFFFFFu;

// System colours resolve through one fixed table of the classic desktop defaults, so the window
// looks the same whatever the desktop's theme.
QColor To_QColor(quint32 value);

} // namespace Colours
