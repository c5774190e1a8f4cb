#include "support/run_state.h"

#include <QtTest>

using Simulation::Matching_Run_States;
using Simulation::Run_Observation;
using Simulation::Run_State;

Q_DECLARE_METATYPE(Run_Observation)

class tst_run_state : public QObject
{
    Q_OBJECT

private slots:
    void states_data();
    void states();
};

void tst_run_state::states_data()
{
    QTest::addColumn<Run_Observation>("seen");
    QTest::addColumn<QList<Run_State>>("expected");
    using S = Run_State;
    // timer, clock mode, start picture, go, clock, back, locked
    QTest::addRow("after load") << Run_Observation{false, 1, true, true, true, true, false}
                                << QList<S>{S::Ready};
    QTest::addRow("after back") << Run_Observation{false, 1, true, true, true, false, false}
                                << QList<S>{S::Ready};
    QTest::addRow("paused") << Run_Observation{false, 0, true, true, true, true, true}
                            << QList<S>{S::Paused};
    QTest::addRow("paused after a step")
        << Run_Observation{false, 1, true, true, true, true, true} << QList<S>{S::Paused};
    QTest::addRow("finished after a run")
        << Run_Observation{false, 1, false, false, false, true, true} << QList<S>{S::Finished};
    QTest::addRow("finished after steps")
        << Run_Observation{false, 1, true, false, true, true, false} << QList<S>{S::Finished};
    QTest::addRow("running") << Run_Observation{true, 0, false, true, false, false, true}
                             << QList<S>{S::Running};
    QTest::addRow("stepping from ready")
        << Run_Observation{true, 1, true, true, true, true, false} << QList<S>{S::Stepping};
    QTest::addRow("stepping from paused")
        << Run_Observation{true, 1, true, true, true, true, true} << QList<S>{S::Stepping};
    QTest::addRow("finishing a run") << Run_Observation{true, 1, false, false, false, true, true}
                                     << QList<S>{S::Stepping, S::Finishing};
    QTest::addRow("back pressed while finishing")
        << Run_Observation{true, 1, true, true, true, false, false} << QList<S>{S::Stepping};
    QTest::addRow("running without the lock")
        << Run_Observation{true, 0, false, true, false, false, false} << QList<S>{};
    QTest::addRow("stop picture while resting")
        << Run_Observation{false, 0, false, true, true, true, true} << QList<S>{};
    QTest::addRow("running in clock mode with go showing stop")
        << Run_Observation{true, 1, false, true, false, false, true} << QList<S>{};
    QTest::addRow("paused with back disabled")
        << Run_Observation{false, 0, true, true, true, false, true} << QList<S>{};
}

void tst_run_state::states()
{
    QFETCH(Run_Observation, seen);
    QFETCH(QList<Run_State>, expected);
    QCOMPARE(Matching_Run_States(seen), expected);
}

QTEST_APPLESS_MAIN(tst_run_state)
#include "tst_run_state.moc"
