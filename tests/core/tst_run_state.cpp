// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/run_state.h"

#include <QtTest>

using namespace Simulation;

namespace {

QString Names(const QList<Run_State> &states)
{
    static const char *const Name[] = {"Ready",   "Paused",   "Finished",
                                       "Running", "Stepping", "Finishing"};
    QStringList names;
    for (Run_State state : states)
        names << QString::fromLatin1(Name[static_cast<int>(state)]);
    return names.join(u' ');
}

} // namespace

// The states of a run told apart by what the window shows.
class tst_run_state : public QObject
{
    Q_OBJECT

private slots:
    // A row is what the window shows: the timer, the clock mode, cmd_Go's picture, which of
    // cmd_Go, cmd_Clock and cmd_Back are enabled ("GCB", "G--", ...) and whether the set-up is
    // locked; then the states that fit it, in the table's order.
    void matching_states_data()
    {
        QTest::addColumn<bool>("timer_on");
        QTest::addColumn<float>("clock_mode");
        QTest::addColumn<bool>("go_shows_start");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<bool>("setup_locked");
        QTest::addColumn<QString>("states");
        const bool on = true, off = false, start = true, stop = false, locked = true, free = false;
        const auto row = [](const char *name, bool timer, float mode, bool picture,
                            const char *enabled, bool lock, const char *states) {
            QTest::newRow(name) << timer << mode << picture << QString(enabled) << lock
                                << QString(states);
        };
        row("at start-up", off, 0, start, "GC-", free, "Ready");
        row("after a clock step", off, 1, start, "GCB", free, "Ready");
        row("paused", off, 0, start, "GCB", locked, "Paused");
        row("paused after a clock step", off, 1, start, "GCB", locked, "Paused");
        row("finished after the run", off, 1, stop, "--B", locked, "Finished");
        row("finished after clock steps", off, 1, start, "-CB", free, "Finished");
        row("running", on, 0, stop, "G--", locked, "Running");
        row("stepping from ready", on, 1, start, "GCB", free, "Stepping");
        row("stepping from paused", on, 1, start, "GCB", locked, "Stepping");
        // A run past its end with the timer still on shows what a finished run stepping on shows.
        row("finishing", on, 1, stop, "--B", locked, "Stepping Finishing");
        row("stepping when finished", on, 1, start, "-CB", free, "Stepping Finishing");
        // What no state shows.
        row("paused with cmd_Back off", off, 0, start, "GC-", locked, "");
        row("cmd_Go off, clock mode 0", off, 0, stop, "--B", locked, "");
        row("running, start picture", on, 0, start, "G--", locked, "");
        row("running, set-up free", on, 0, stop, "G--", free, "");
        row("running, cmd_Back on", on, 0, stop, "G-B", locked, "");
        row("finishing, cmd_Back off", on, 1, stop, "---", locked, "");
    }

    void matching_states()
    {
        QFETCH(bool, timer_on);
        QFETCH(float, clock_mode);
        QFETCH(bool, go_shows_start);
        QFETCH(QString, enabled);
        QFETCH(bool, setup_locked);
        QFETCH(QString, states);
        const Run_Observation seen{timer_on,          clock_mode,        go_shows_start,
                                   enabled[0] != '-', enabled[1] != '-', enabled[2] != '-',
                                   setup_locked};
        QCOMPARE(Names(Matching_Run_States(seen)), states);
    }
};

QTEST_APPLESS_MAIN(tst_run_state)
#include "tst_run_state.moc"
