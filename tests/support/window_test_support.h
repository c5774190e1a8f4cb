// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTest>

// Helpers shared by the window's tests.
namespace Window_Test {

inline void Ticks(frm_dalvo &form, int count)
{
    for (int i = 0; i < count; ++i)
        form.Timer1_Timer();
}

// Where a test leaves its pictures: the build folder when CTest runs it.
inline QString Output_Path(const QString &file_name)
{
    const QString folder = qEnvironmentVariable("DALVO_TEST_OUTPUT", QDir::tempPath());
    return QDir(folder).filePath(file_name);
}

// The pixel at a point given in twips of the window's client area.
inline QColor Pixel_At_Twips(const QImage &image, double x, double y)
{
    return image.pixelColor(qRound(x / 15.0), qRound(y / 15.0));
}

// Shows the window and makes it the active one, as the window's keys need.
inline bool Activate(frm_dalvo &form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    return QTest::qWaitForWindowActive(&form);
}

} // namespace Window_Test
