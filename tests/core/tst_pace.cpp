// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pace.h"

#include <QtTest>

using namespace Simulation;

Q_DECLARE_METATYPE(Simulation::Pace)

// The wall-clock schedule of a paced run.
class tst_pace : public QObject
{
    Q_OBJECT

private slots:
    // "done": when each tick ends, in ms after the schedule was anchored; "waits": what the
    // schedule answers after each.
    void schedule_data()
    {
        QTest::addColumn<Pace>("pace");
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("waits");
        const auto row = [](const char *name, Pace pace, const char *done, const char *waits) {
            QTest::newRow(name) << pace << QString(done) << QString(waits);
        };
        row("fastest: the 5 ms timer", Pace::Fastest, "3 9", "5 5");
        row("jitter does not add up", Pace::Real_Time, "41 81.5 121.2", "39 39 39");
        row("slow motion", Pace::Slow_Motion, "161 321", "159 159");
        // One tick at a time, never two: late, the next is asked for at once, then back on time.
        row("lag of .5 s made up", Pace::Real_Time, "40 620 621", "40 0 0");
        row("longer lag forgiven", Pace::Real_Time, "40 700 701 740", "40 0 39 40");
    }

    void schedule()
    {
        QFETCH(Pace, pace);
        QFETCH(QString, done);
        QFETCH(QString, waits);
        constexpr qint64 Anchor_Ns = 7'000'000'000; // any wall-clock time
        Pace_Schedule schedule(pace);
        schedule.Anchor(Anchor_Ns);
        QStringList answers;
        for (const QString &ms : done.split(' '))
            answers << QString::number(schedule.Tick_Done(Anchor_Ns + qint64(ms.toDouble() * 1e6)));
        QCOMPARE(answers.join(' '), waits);
    }
};

QTEST_APPLESS_MAIN(tst_pace)
#include "tst_pace.moc"
