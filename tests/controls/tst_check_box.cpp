// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/check_box.h"
#include "controls/handler_guard.h"
#include "core/dalvo_error.h"

#include <QtTest>

using Simulation::Dalvo_Error;
using Simulation::Error_Code;

// The three-state check box on its own: the values code sets, the user's click, and its event.
class tst_check_box : public QObject
{
    Q_OBJECT

private slots:
    void set_value_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("raised"); // the events raised, or -1 for a refusal
        QTest::newRow("clear to checked") << 0 << 1 << 1;
        QTest::newRow("clear to greyed") << 0 << 2 << 1;
        QTest::newRow("checked to checked") << 1 << 1 << 0;
        QTest::newRow("3 refused") << 2 << 3 << -1;
        QTest::newRow("-1 refused") << 1 << -1 << -1;
    }

    // The event is raised at once, and only when the value changes. Any value but 0, 1 and 2 is
    // refused with error 380 and leaves the box as it was.
    void set_value()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, raised);
        CheckBox box("chk_wave1", "Κύμα 1", nullptr);
        QCOMPARE(box.Value(), 0);
        box.Set_Value(from);
        box.show(); // hidden, every grab would draw it afresh
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage before = box.grab().toImage();
        QSignalSpy changes(&box, &QCheckBox::stateChanged);
        try {
            box.setProperty("Value", to);
            QVERIFY2(raised >= 0, "the value was taken");
        } catch (const Dalvo_Error &e) {
            QCOMPARE(int(e.code()), 380);
        }
        QCOMPARE(box.Value(), raised < 0 ? from : to);
        QCOMPARE(changes.size(), qMax(raised, 0));
        QCOMPARE(box.grab().toImage() != before, raised > 0); // a new value shows
    }

    void user_click_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("mouse"); // a click on the box, else the space bar
        QTest::addColumn<int>("to");
        QTest::newRow("clear, mouse") << 0 << true << 1;
        QTest::newRow("checked, mouse") << 1 << true << 0;
        QTest::newRow("greyed, mouse") << 2 << true << 1;
    }

    // A user's click toggles between clear and checked, never to greyed, and raises the event once.
    void user_click()
    {
        QFETCH(int, from);
        QFETCH(bool, mouse);
        QFETCH(int, to);
        CheckBox box("chk_balls(0)", "Red balls", nullptr);
        box.adjustSize();
        box.Set_Value(from);
        QSignalSpy changes(&box, &QCheckBox::stateChanged);
        if (mouse)
            QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.height() / 2, box.height() / 2));
        else
            QTest::keyClick(&box, Qt::Key_Space);
        QCOMPARE(box.Value(), to);
        QCOMPARE(changes.size(), 1);
        QTest::keyClick(&box, Qt::Key_Space);
        QCOMPARE(box.Value(), 1 - to);
    }

    // An error in the event's handler reaches the code that set the value.
    void handler_error_reaches_the_setter()
    {
        CheckBox box("chk_wave2", "Κύμα 2", nullptr);
        connect(&box, &QCheckBox::stateChanged, &box, [] {
            Handler_Guard::Run_Handler(
                [] { throw Dalvo_Error(Error_Code::Overflow, QStringLiteral("Overflow")); });
        });
        QVERIFY_THROWS_EXCEPTION(Dalvo_Error, box.Set_Value(1));
        QCOMPARE(box.Value(), 1);
    }
};

QTEST_MAIN(tst_check_box)
#include "tst_check_box.moc"
