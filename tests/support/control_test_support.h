// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/picture.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

// Helpers shared by the tests of single controls.
namespace Control_Test {

// How many pixels of a control's picture, as it paints itself, have exactly this colour.
inline int Pixels_Of(QWidget &control, const QColor &colour)
{
    const QImage image = control.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// A checkerboard of four by four squares, loaded from an SVG file as the kit loads pictures (none
// when the file cannot be written). Drawn afresh at any multiple of four pixels it has only its
// two colours, while a stretched copy blends them at the squares' edges.
inline Picture Checkerboard(QSize pixels)
{
    static constexpr char Checkerboard[] =
        R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 4 4" width="4" height="4">)"
        R"(<rect width="4" height="4" fill="#0000ff"/><path fill="#ffff00" d="M0 0h1v1H0z)"
        R"(M2 0h1v1H2zM1 1h1v1H1zM3 1h1v1H3zM0 2h1v1H0zM2 2h1v1H2zM1 3h1v1H1zM3 3h1v1H3z"/></svg>)";
    static const QTemporaryDir folder; // removed when the test ends
    const QString path = folder.filePath(QStringLiteral("checkerboard.svg"));
    QFile file(path);
    if (!file.exists() &&
        (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(Checkerboard) <= 0))
        return nullptr;
    file.close();
    return Load_Picture(path, pixels);
}

// A picture's pixels in one format, so that two pictures compare by their pixels alone.
inline QImage Comparable(const QPixmap &picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace Control_Test
