// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/control_test_support.h"

#include "controls/command_button.h"
#include "controls/placement.h"

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
    void picture_at_a_zoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("pixels");        // the picture's side as shown, 16 at 100 %
        QTest::addColumn<bool>("zoomed_first"); // the picture set while the window is zoomed
        QTest::newRow("200 %") << 2.0 << 32 << false;
        QTest::newRow("150 %") << 1.5 << 24 << false;
        QTest::newRow("200 %, set while zoomed") << 2.0 << 32 << true;
    }

    // At a zoom the button shows its picture drawn afresh at the zoomed size, never stretched; the
    // picture object it holds stays the same, and back at 100 % it shows that picture itself. A
    // picture set while zoomed is shown at the zoom at once; no picture, nothing.
    void picture_at_a_zoom()
    {
        QFETCH(double, zoom);
        QFETCH(int, pixels);
        QFETCH(bool, zoomed_first);
        QWidget window;
        CommandButton button("cmd_Go", &window);
        const Picture picture = Control_Test::Checkerboard(QSize(16, 16));
        QVERIFY(picture);
        if (zoomed_first)
            Apply_Zoom(window, zoom);
        button.Set_Picture(picture);
        QCOMPARE(button.iconSize(), QSize(16, 16) * (zoomed_first ? zoom : 1));
        Apply_Zoom(window, zoom);
        QCOMPARE(button.Shown_Picture(), picture);
        QCOMPARE(button.iconSize(), QSize(pixels, pixels));
        QCOMPARE(Shown(button),
                 Control_Test::Comparable(*Control_Test::Checkerboard(QSize(pixels, pixels))));
        Apply_Zoom(window, 1.0);
        QCOMPARE(button.iconSize(), QSize(16, 16));
        QCOMPARE(Shown(button), Control_Test::Comparable(*picture));
        button.Set_Picture(nullptr);
        QVERIFY(button.icon().isNull() && !button.Shown_Picture());
    }
};

QTEST_MAIN(tst_command_button)
#include "tst_command_button.moc"
