// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/control_test_support.h"

#include "controls/command_button.h"
#include "controls/placement.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage Shown(const CommandButton &button)
{
    return Control_Test::Comparable(button.icon().pixmap(button.iconSize()));
}

} // namespace

// A command button on its own: it keeps its picture object and shows it at its window's zoom.
class tst_command_button : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        svg_ = Control_Test::Write_Checkerboard(folder_);
        QVERIFY(!svg_.isEmpty());
    }

    void picture_at_a_zoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("pixels"); // the picture's side as shown, 16 at 100 %
        QTest::newRow("100 %") << 1.0 << 16;
        QTest::newRow("200 %") << 2.0 << 32;
        QTest::newRow("150 %") << 1.5 << 24;
        QTest::newRow("75 %") << 0.75 << 12;
    }

    // At a zoom the button shows its picture drawn afresh at the zoomed size, never stretched; the
    // picture object it holds stays the same, and back at 100 % it shows that picture itself.
    void picture_at_a_zoom()
    {
        QFETCH(double, zoom);
        QFETCH(int, pixels);
        QWidget window;
        CommandButton button("cmd_Go", &window);
        const Picture picture = Load_Picture(svg_, QSize(16, 16));
        button.Set_Picture(picture);
        QCOMPARE(button.iconSize(), QSize(16, 16));
        Apply_Zoom(window, zoom);
        QCOMPARE(button.Shown_Picture(), picture);
        QCOMPARE(button.iconSize(), QSize(pixels, pixels));
        QCOMPARE(Shown(button),
                 Control_Test::Comparable(*Load_Picture(svg_, QSize(pixels, pixels))));
        Apply_Zoom(window, 1.0);
        QCOMPARE(button.iconSize(), QSize(16, 16));
        QCOMPARE(Shown(button), Control_Test::Comparable(*picture));
    }

    // A picture set while the window is zoomed is shown at the zoom at once; no picture, nothing.
    void set_while_zoomed()
    {
        QWidget window;
        Apply_Zoom(window, 2.0);
        CommandButton button("cmd_Open", &window);
        button.Set_Picture(Load_Picture(svg_, QSize(20, 20)));
        QCOMPARE(button.iconSize(), QSize(40, 40));
        button.Set_Picture(nullptr);
        QVERIFY(button.icon().isNull());
        QVERIFY(!button.Shown_Picture());
    }

private:
    QTemporaryDir folder_;
    QString svg_;
};

QTEST_MAIN(tst_command_button)
#include "tst_command_button.moc"
