// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/scroll_bar.h"
#include "core/dalvo_error.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {

// The centre of a part of the bar, where the style draws it.
QPoint Centre_Of(const ScrollBar &bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar).center();
}

} // namespace

// The scroll bar on its own: its Change (valueChanged) and Scroll (sliderMoved) from code, keys,
// arrows, the track and a drag.
class tst_scroll_bar : public QObject
{
    Q_OBJECT

private slots:
    void user_steps_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");  // a key pressed, or 0
        QTest::addColumn<int>("part"); // else the part of the bar clicked
        QTest::addColumn<int>("to");
        QTest::newRow("right key") << 5 << int(Qt::Key_Right) << 0 << 6;
        QTest::newRow("left arrow") << 5 << 0 << int(QStyle::SC_ScrollBarSubLine) << 4;
        QTest::newRow("track right of the thumb")
            << 5 << 0 << int(QStyle::SC_ScrollBarAddPage) << 6;
    }

    // Keys, arrows and the track move the value one step at once, raising Change once.
    void user_steps()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, part);
        QFETCH(int, to);
        ScrollBar bar("hsc_A(0)", 1, 15, from, nullptr);
        QVERIFY(bar.focusPolicy() & Qt::TabFocus);
        bar.resize(300, 17);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changes(&bar, &QScrollBar::valueChanged);
        if (key)
            QTest::keyClick(&bar, Qt::Key(key));
        else
            QTest::mouseClick(&bar, Qt::LeftButton, {}, Centre_Of(bar, QStyle::SubControl(part)));
        QCOMPARE(bar.value(), to);
        QCOMPARE(changes.size(), 1);
    }

    // A drag moves the thumb and raises Scroll, but the value and Change only move when it is let
    // go; a right click opens no menu.
    void drag_and_right_click()
    {
        ScrollBar bar("hsc_c1", 1, 20, 4, nullptr);
        bar.resize(300, 17);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changes(&bar, &QScrollBar::valueChanged);
        QSignalSpy scrolls(&bar, &QScrollBar::sliderMoved);
        const QPoint thumb = Centre_Of(bar, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(&bar, thumb + QPoint(40, 0));
        QVERIFY(bar.sliderPosition() > 4);
        QVERIFY(scrolls.size() > 0);
        QCOMPARE(bar.value(), 4);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb + QPoint(40, 0));
        QCOMPARE(changes.size(), 1);
        QVERIFY(bar.value() > 4);

        bool menu = false;
        QTimer::singleShot(0, &bar, [&menu] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                menu = true;
                popup->close();
            }
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, thumb, bar.mapToGlobal(thumb));
        QApplication::sendEvent(&bar, &click);
        QCoreApplication::processEvents();
        QVERIFY(!menu);
    }

    void set_value_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("raised"); // Change raised, or -1 for a refusal
        QTest::newRow("Min") << 1 << 1;
        QTest::newRow("Max") << 15 << 1;
        QTest::newRow("unchanged") << 5 << 0;
        QTest::newRow("Max + 1") << 16 << -1;
        QTest::newRow("Min - 1") << 0 << -1;
    }

    // Code sets a value inside Min..Max and raises Change at once; Qt would clamp a value outside,
    // the bar refuses it with error 380.
    void set_value()
    {
        QFETCH(int, value);
        QFETCH(int, raised);
        ScrollBar bar("hsc_A(0)", 1, 15, 5, nullptr);
        bar.resize(300, 17);
        bar.show(); // hidden, every grab would draw it afresh
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const QImage before = bar.grab().toImage();
        QSignalSpy changes(&bar, &QScrollBar::valueChanged);
        try {
            bar.Set_Value(value);
            QVERIFY(raised >= 0);
            QCOMPARE(bar.value(), value);
            QCOMPARE(changes.size(), raised);
            QCOMPARE(bar.grab().toImage() != before, raised > 0); // a new value shows
        } catch (const Simulation::Dalvo_Error &e) {
            QCOMPARE(raised, -1);
            QCOMPARE(int(e.code()), 380);
            QCOMPARE(bar.value(), 5);
            QCOMPARE(changes.size(), 0);
        }
    }
};

QTEST_MAIN(tst_scroll_bar)
#include "tst_scroll_bar.moc"
