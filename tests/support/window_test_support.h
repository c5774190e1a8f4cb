// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMetaProperty>
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

// Every property the window's own control classes declare (twips, values, panel units, items, ball
// colours ...) but those named, by object and name.
inline QStringList Held_Values(const frm_dalvo &form, const QStringList &left_out = {})
{
    QStringList values;
    for (const QObject *item : form.findChildren<QObject *>()) {
        const QMetaObject *meta = item->metaObject();
        if (QLatin1String(meta->className()).startsWith(u'Q')) // Qt's own, not a control's
            continue;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            if (!left_out.contains(QLatin1String(meta->property(i).name())))
                values << item->objectName() + '.' + meta->property(i).name() + '=' +
                              meta->property(i).read(item).toString();
    }
    return values;
}

// Shows the window and makes it the active one, as the window's keys need.
inline bool Activate(frm_dalvo &form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    return QTest::qWaitForWindowActive(&form);
}

// The same, with a run going when asked.
inline bool Activate(frm_dalvo &form, bool running)
{
    if (!Activate(form))
        return false;
    if (running)
        form.cmd_Go_Click();
    return true;
}

// Rows of a test that reaches a command by its button or by its key, at rest and during a run.
inline void Button_Or_Key_Data(const char *key)
{
    QTest::addColumn<bool>("key");
    QTest::addColumn<bool>("running");
    for (const bool running : {false, true})
        for (const bool by_key : {false, true})
            QTest::addRow("%s%s", by_key ? key : "button", running ? " during a run" : "")
                << by_key << running;
}

// How many pixels of the image's rectangle pass a test of their colour.
template <class Test> int Count(const QImage &image, const QRect &rect, Test test)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// Where a printed page is not paper white.
inline QRect Printed_Area(const QImage &page)
{
    QRect printed;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                printed |= QRect(x, y, 1, 1);
    return printed;
}

} // namespace Window_Test
