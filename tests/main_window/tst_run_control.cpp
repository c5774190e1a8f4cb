// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QtTest>

namespace {

// The columns of the state table as the window shows them: the time, whether the timer runs, the
// clock mode, cmd_Go's picture ("start", "stop" or "other"), which of cmd_Go, cmd_Clock and
// cmd_Back are enabled ("GCB", "G--", ...), and the buttons and wave boxes a run locks ("free" or
// "locked"), and cmd_Go's tooltip, which says what its next click does, as its accessible name
// does.
using Look = std::tuple<QString, bool, float, QString, QString, QString, QString>;

Look Look_Of(const frm_dalvo &form)
{
    const Picture &shown = form.cmd_Go->Shown_Picture();
    QString enabled;
    for (const CommandButton *button : {form.cmd_Go, form.cmd_Clock, form.cmd_Back})
        enabled += button->isEnabled() ? button->objectName()[4] : u'-';
    int free = 0;
    for (const QWidget *w : std::array<const QWidget *, 10>{
             form.cmd_Save, form.cmd_Open, form.cmd_Print, form.cmd_Export, form.cmd_Info,
             form.cmd_Exit, form.chk_wave1, form.chk_wave2, form.chk_wave3, form.chk_wave4})
        free += w->isEnabled();
    QString set_up = free == 0 ? "locked" : free == 10 ? "free" : "mixed";
    // The attribute controls follow the lock and the wave selection.
    for (int i = 0; i < 4; ++i)
        for (const QWidget *w : form.Wave_Attr(i))
            if (w->testAttribute(Qt::WA_ForceDisabled) == (free && form.chk_wave(i)->Value() == 1))
                set_up = "attribute controls out of step";
    return {form.lbl_time->Caption().trimmed(),
            form.Timer1->isActive(),
            form.Clock_Mode(),
            shown == form.Image1->Shown_Picture()   ? "stop"
            : shown == form.Image2->Shown_Picture() ? "start"
                                                    : "other",
            enabled,
            set_up,
            form.cmd_Go->toolTip()};
}

// One step: a click on a run button or a wave box (which must be enabled, as for a user), ticks
// of the running timer, a look-alike of the start picture put on cmd_Go, or a key pressed where the
// focus is put.
enum class Act
{
    Go,
    Clock,
    Back,
    Wave_Box,   // n: the wave
    Ticks,      // n ticks while the timer runs; it must run for all of them
    Until_Stop, // ticks until the timer stops, which must take n
    Steps,      // n clock steps of 25 ticks each
    Look_Alike,
    Pace,     // n: the entry of cbo_Pace
    Key,      // n: the key; focus: the control that has the focus
    List_Key, // n: the key, pressed in cbo_Pace's open list, which it must close
};

struct Step
{
    Act act;
    int n = 0;
    const char *focus = nullptr;
};
using Script = QList<Step>;

// Plays the steps; returns what went wrong.
QString Play(frm_dalvo &form, const Script &steps)
{
    for (const Step &step : steps) {
        const std::array<QAbstractButton *, 4> buttons = {
            form.cmd_Go, form.cmd_Clock, form.cmd_Back,
            step.act == Act::Wave_Box ? form.chk_wave(step.n) : nullptr};
        QAbstractButton *button =
            step.act <= Act::Wave_Box ? buttons[static_cast<std::size_t>(step.act)] : nullptr;
        if (button && !button->isEnabled())
            return button->objectName() + " is disabled";
        if (button)
            button->click();
        if (step.act == Act::Key) {
            auto *focused = form.findChild<QWidget *>(QLatin1String(step.focus));
            focused->setFocus();
            if (!focused->hasFocus())
                return focused->objectName() + " has no focus";
            QTest::keyClick(focused, Qt::Key(step.n));
        }
        if (step.act == Act::List_Key) {
            const int pace = form.cbo_Pace->currentIndex();
            QWidget *list = form.cbo_Pace->view();
            form.cbo_Pace->showPopup();
            if (!QTest::qWaitForWindowExposed(list->window()))
                return QStringLiteral("the pace list did not open");
            QTest::keyClick(list, Qt::Key(step.n));
            if (list->window()->isVisible())
                return QStringLiteral("the pace list stayed open");
            if (form.cbo_Pace->currentIndex() != pace)
                return QStringLiteral("the pace changed");
        }
        if (step.act == Act::Pace)
            form.cbo_Pace->setCurrentIndex(step.n);
        if (step.act == Act::Look_Alike)
            form.cmd_Go->Set_Picture(
                std::make_shared<const QPixmap>(*form.Image2->Shown_Picture()));
        for (int i = 0; step.act == Act::Steps && i < step.n; ++i)
            if (const QString failed = Play(form, {{Act::Clock}, {Act::Until_Stop, 25}});
                !failed.isEmpty())
                return failed;
        const int limit = step.act == Act::Ticks ? step.n : step.act == Act::Until_Stop ? 5000 : 0;
        int ticks = 0;
        for (; ticks < limit && form.Timer1->isActive(); ++ticks)
            form.Timer1_Timer();
        if (limit && ticks != step.n)
            return QStringLiteral("%1 ticks instead of %2").arg(ticks).arg(step.n);
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)
Q_DECLARE_METATYPE(Look)

// cmd_Go, cmd_Clock and cmd_Back as a state machine: each row plays steps of clicks and ticks on
// a fresh window, at each pace, and checks the columns of the state table.
class tst_run_control : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data()
    {
        QTest::addColumn<Script>("steps");
        QTest::addColumn<Look>("look");
        using enum Act;
        const bool on = true, off = false;
        const QString start = "Έναρξη (F5)", pause = "Παύση (F5)", resume = "Συνέχεια (F5)";
        const QString over = "Η κίνηση τελείωσε (F7: επαναφορά)";
        const auto row = [](const char *name, const Script &steps, const Look &look) {
            QTest::newRow(name) << steps << look;
        };
        row("Ready, Paused -> Running", {{Go}, {Ticks, 10}, {Go}, {Go}, {Ticks, 5}},
            {".6", on, 0, "stop", "G--", "locked", pause});
        row("Ready -> Stepping -> Ready", {{Steps, 2}},
            {"2", off, 1, "start", "GCB", "free", start});
        row("Paused 3.4 -> Stepping", {{Go}, {Ticks, 85}, {Go}, {Clock}, {Until_Stop, 15}},
            {"4", off, 1, "start", "GCB", "locked", resume});
        row("Finished -> Stepping", {{Steps, 21}, {Clock}, {Until_Stop, 25}},
            {"22", off, 1, "start", "-CB", "free", over});
        row("Stepping -> Running", {{Clock}, {Ticks, 5}, {Go}, {Ticks, 30}},
            {"1.4", on, 0, "stop", "G--", "locked", pause});
        // A run left alone: finishing at tick 501, stopped at tick 525.
        row("Running -> Finishing", {{Go}, {Ticks, 501}},
            {"20.04", on, 1, "stop", "--B", "locked", over});
        row("Finishing -> Finished", {{Go}, {Until_Stop, 525}},
            {"21", off, 1, "stop", "--B", "locked", over});
        row("Paused past 20", {{Go}, {Ticks, 500}, {Go}, {Clock}, {Until_Stop, 25}},
            {"21", off, 1, "start", "-CB", "locked", over});
        row("Paused -> Ready by Back", {{Go}, {Ticks, 10}, {Go}, {Back}},
            {"0.00", off, 0, "start", "GC-", "free", start});
        // The timer runs on from 0 to 1 s.
        row("Finishing -> Ready by Back", {{Go}, {Ticks, 510}, {Back}, {Until_Stop, 25}},
            {"1", off, 1, "start", "GC-", "free", start});
        // A wave box refreshes the display but keeps the time reached by the steps.
        row("Ready: wave box", {{Steps, 1}, {Wave_Box, 1}, {Clock}, {Until_Stop, 25}},
            {"2", off, 1, "start", "GCB", "free", start});
        // cmd_Go compares pictures by identity: it takes a look-alike for the stop picture.
        row("Ready, look-alike picture", {{Look_Alike}, {Go}},
            {"0.00", off, 1, "start", "GCB", "free", start});
        // A new pace neither starts, stops nor resets anything.
        row("Running: new paces",
            {{Go}, {Pace, 1}, {Ticks, 5}, {Pace, 2}, {Ticks, 5}, {Pace, 0}, {Ticks, 10}},
            {".8", on, 0, "stop", "G--", "locked", pause});
        row("Paused: new pace", {{Go}, {Ticks, 10}, {Go}, {Pace, 2}},
            {".4", off, 0, "start", "GCB", "locked", resume});
        // A key acts as a click on its button wherever the focus is, and only while the button is
        // enabled; a focused button keeps its own Space.
        row("F5 starts", {{Key, Qt::Key_F5, "cbo_Pace"}},
            {"0.00", on, 0, "stop", "G--", "locked", pause});
        row("F5, cmd_Go disabled", {{Go}, {Ticks, 501}, {Key, Qt::Key_F5, "hsc_c2"}},
            {"20.04", on, 1, "stop", "--B", "locked", over});
        row("F6 steps", {{Key, Qt::Key_F6, "chk_wave1"}},
            {"0.00", on, 1, "start", "GCB", "free", start});
        row("F7 resets", {{Go}, {Ticks, 10}, {Go}, {Key, Qt::Key_F7, "cmd_Go"}},
            {"0.00", off, 0, "start", "GC-", "free", start});
        // In the open pace list a key closes the list and acts.
        row("F5 in the pace list", {{List_Key, Qt::Key_F5}},
            {"0.00", on, 0, "stop", "G--", "locked", pause});
        row("Space on cmd_Go", {{Key, Qt::Key_Space, "cmd_Go"}},
            {"0.00", on, 0, "stop", "G--", "locked", pause});
    }

    void transitions()
    {
        QFETCH(Script, steps);
        QFETCH(Look, look);
        for (int pace = 0; pace < 3; ++pace) {
            frm_dalvo form;
            QVERIFY(Window_Test::Activate(form)); // for the keys
            form.cbo_Pace->setCurrentIndex(pace);
            QCOMPARE(Play(form, steps), QString()); // no step went wrong
            QCOMPARE(Look_Of(form), look);
            // A screen reader says the tooltip's words without the key.
            QCOMPARE(QAccessible::queryAccessibleInterface(form.cmd_Go)->text(QAccessible::Name),
                     std::get<6>(look).section(" (", 0, 0));
            // The default pace is the 5 ms timer, as always.
            QVERIFY(form.cbo_Pace->currentIndex() ||
                    (form.Timer1->interval() == 5 && !form.Timer1->isSingleShot()));
        }
    }

    void paced_run_follows_the_wall_clock_data()
    {
        QTest::addColumn<int>("pace");
        QTest::addColumn<double>("rate"); // simulated seconds per second
        QTest::newRow("real time") << 1 << 1.0;
        QTest::newRow("slow motion") << 2 << 0.25;
    }

    // Some 3 s of the real timer: the time shown keeps within 2 % of the wall clock's, and every
    // tick advanced it by 0.04 s.
    void paced_run_follows_the_wall_clock()
    {
        QFETCH(int, pace);
        QFETCH(double, rate);
        QElapsedTimer wall;
        double wall_at_tick = 0;
        int ticks = 0;
        frm_dalvo form;
        form.cbo_Pace->setCurrentIndex(pace);
        connect(form.Timer1, &QTimer::timeout, &form, [&] {
            wall_at_tick = static_cast<double>(wall.nsecsElapsed()) / 1e9;
            ++ticks;
        });
        wall.start();
        form.cmd_Go->click();
        QTRY_VERIFY_WITH_TIMEOUT(wall_at_tick >= 3, 10000);
        form.cmd_Go->click();
        const double simulated = static_cast<double>(form.Elapsed_Time());
        QCOMPARE(qRound(simulated / 0.04), ticks);
        QVERIFY2(qAbs(simulated / rate - wall_at_tick) <= 0.02 * wall_at_tick,
                 qPrintable(QStringLiteral("%1 s at %2 s").arg(simulated).arg(wall_at_tick)));
    }
};

QTEST_MAIN(tst_run_control)
#include "tst_run_control.moc"
