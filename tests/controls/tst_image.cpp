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
    void initTestCase()
    {
        svg_ = Control_Test::Write_Checkerboard(folder_);
        QVERIFY(!svg_.isEmpty());
    }

    void shown_at_its_size_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("pixels"); // the side of a 480-twip image at the zoom
        QTest::newRow("100 %") << 1.0 << 32;
        QTest::newRow("150 %") << 1.5 << 48;
        QTest::newRow("50 %") << 0.5 << 16;
    }

    // Laid out at a zoom, an image shows its picture drawn afresh at the size it stands at; the
    // picture object it stores stays the same.
    void shown_at_its_size()
    {
        QFETCH(double, zoom);
        QFETCH(int, pixels);
        QWidget window;
        const Picture picture = Load_Picture(svg_, QSize(16, 16));
        Image image("img_hand(0)", picture, &window);
        QCOMPARE(Control_Test::Comparable(image.pixmap()), Control_Test::Comparable(*picture));
        Place(&image, 0, 0, 480, 480);
        Apply_Zoom(window, zoom);
        QCOMPARE(image.size(), QSize(pixels, pixels));
        QCOMPARE(image.Shown_Picture(), picture);
        QCOMPARE(Control_Test::Comparable(image.pixmap()),
                 Control_Test::Comparable(*Load_Picture(svg_, QSize(pixels, pixels))));
    }

    // An image without a picture shows nothing at any zoom.
    void no_picture()
    {
        QWidget window;
        Image image("Image1", nullptr, &window);
        Place(&image, 0, 0, 480, 480);
        Apply_Zoom(window, 2.0);
        QVERIFY(image.pixmap().isNull());
        QVERIFY(!image.Shown_Picture());
    }

private:
    QTemporaryDir folder_;
    QString svg_;
};

QTEST_MAIN(tst_image)
#include "tst_image.moc"
