// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/control_test_support.h"

#include "controls/image.h"
#include "controls/placement.h"

#include <QtTest>

// An image control on its own: it shows its picture at its own size, drawn afresh, never stretched.
class tst_image : public QObject
{
    Q_OBJECT

private slots:
    void shown_at_its_size_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("pixels"); // the picture's side as shown at the zoom; 0: no picture
        QTest::newRow("100 %") << 1.0 << 32;
        QTest::newRow("150 %") << 1.5 << 48;
        QTest::newRow("no picture, 200 %") << 2.0 << 0;
    }

    // Laid out at a zoom, an image shows its picture drawn afresh at the size it stands at; the
    // picture object it stores stays the same. Without a picture it shows nothing at any zoom.
    void shown_at_its_size()
    {
        QFETCH(double, zoom);
        QFETCH(int, pixels);
        QWidget window;
        const Picture picture = pixels ? Control_Test::Checkerboard(QSize(16, 16)) : nullptr;
        QVERIFY(picture || !pixels);
        Image image("img_hand(0)", picture, &window);
        QCOMPARE(Control_Test::Comparable(image.pixmap()),
                 Control_Test::Comparable(picture ? *picture : QPixmap()));
        Place(&image, 0, 0, 480, 480);
        Apply_Zoom(window, zoom);
        QCOMPARE(image.Shown_Picture(), picture);
        QCOMPARE(Control_Test::Comparable(image.pixmap()),
                 Control_Test::Comparable(
                     picture ? *Control_Test::Checkerboard(QSize(pixels, pixels)) : QPixmap()));
    }
};

QTEST_MAIN(tst_image)
#include "tst_image.moc"
