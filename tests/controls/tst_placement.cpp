// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/classic_look.h"
#include "controls/placement.h"
#include "controls/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

// Twips to pixels at a zoom, and a window laid out at a zoom.
class tst_placement : public QObject
{
    Q_OBJECT

private slots:
    void twips_at_a_zoom_data()
    {
        QTest::addColumn<QRectF>("twips");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("100 %, whole pixels")
            << QRectF(150, 300, 1500, 285) << 1.0 << QRect(10, 20, 100, 19);
        // Edges 1.33 and 2.67 round to 1 and 3: two pixels wide, where the size alone gives one.
        QTest::newRow("edges, not sizes") << QRectF(20, 0, 20, 15) << 1.0 << QRect(1, 0, 2, 1);
        // 175.5 and 1360.5 round up.
        QTest::newRow("150 %, halves")
            << QRectF(1755, 5895, 11850, 4110) << 1.5 << QRect(176, 590, 1185, 411);
    }

    // A control placed in twips stands on the pixels its rounded edges give at the zoom; its twips
    // stay, so a new zoom places it afresh and 100 % puts it back.
    void twips_at_a_zoom()
    {
        QFETCH(QRectF, twips);
        QFETCH(double, zoom);
        QFETCH(QRect, pixels);
        QWidget window;
        QLabel control(&window);
        Place(&control, twips.x(), twips.y(), twips.width(), twips.height());
        Apply_Zoom(window, zoom);
        QCOMPARE(Zoom_Of(&control), zoom);
        QCOMPARE(control.geometry(), pixels);
        Apply_Zoom(window, 1.0);
        QCOMPARE(control.geometry(),
                 Twips::To_Pixels(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    // The origin moves the window's own controls; controls inside them move with their container.
    void origin()
    {
        QWidget window;
        QWidget frame(&window);
        QLabel inside(&frame);
        Place(&frame, 150, 150, 3000, 1500);
        Place(&inside, 150, 300, 1500, 300);
        Apply_Zoom(window, 2.0, QPoint(7, 11));
        QCOMPARE(frame.geometry(), QRect(27, 31, 400, 200));
        QCOMPARE(inside.geometry(), QRect(20, 40, 200, 40));
    }

    // A window's client size follows its zoom; a font set on a control or on the window grows
    // from its size at 100 %, an inherited one follows its container, and a list's icons grow.
    void client_size_fonts_and_icons()
    {
        QWidget window;
        window.setFont(Window_Font(false)); // 8.25 points
        Set_Client_Size(window, 15240, 11040);
        QCOMPARE(window.size(), QSize(1016, 736));
        QLabel own(&window), inherited(&window);
        own.setFont(QFont("Liberation Sans", 10));
        QListWidget list(&window);
        list.setIconSize(QSize(16, 16));
        for (const double zoom : {1.5, 3.0, 1.0}) {
            Apply_Zoom(window, zoom);
            QCOMPARE(Client_Size(window, zoom), QSize(qRound(1016 * zoom), qRound(736 * zoom)));
            QCOMPARE(own.font().pointSizeF(), 10 * zoom);
            QCOMPARE(inherited.font().pointSizeF(), 8.25 * zoom);
            QCOMPARE(list.iconSize(), QSize(16, 16) * zoom);
        }
    }
};

QTEST_MAIN(tst_placement)
#include "tst_placement.moc"
