// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"
#include "core/tick_history.h"
#include "core/wave_numbers.h"

#include <QtTest>

using Simulation::Tick_History;

namespace {

// A value that names a tick, a row and a ball.
float Named(int tick, int row, int ball)
{
    return static_cast<float>(tick * 1000 + row * 100 + ball);
}

Tick_History::Rows Named_Rows(int tick)
{
    Tick_History::Rows rows;
    for (int row = 0; row < Tick_History::Row_Count; ++row)
        for (int ball = 0; ball < Simulation::Ball_Count; ++ball)
            rows[row][ball] = Named(tick, row, ball);
    return rows;
}

} // namespace

// The record of a run's ticks the y-t graph is drawn from, and the numbers beside it.
class tst_tick_history : public QObject
{
    Q_OBJECT

private slots:
    void records_every_tick()
    {
        Tick_History history;
        for (int tick = 0; tick < 600; ++tick)
            history.Record(0.04f * static_cast<float>(tick), Named_Rows(tick),
                           {tick % 2 == 0, true, false, tick < 10});
        QCOMPARE(history.Size(), 600);
        for (int tick : {0, 1, 299, 524, 599}) {
            QCOMPARE(history.Time(tick), 0.04f * static_cast<float>(tick));
            for (const auto &[row, ball] : {std::pair{0, 0}, {5, 50}, {3, 17}})
                QCOMPARE(history.Top(tick, row, ball), Named(tick, row, ball));
            QCOMPARE(history.Ticked(tick, 0), tick % 2 == 0);
            QCOMPARE(history.Ticked(tick, 1), true);
            QCOMPARE(history.Ticked(tick, 2), false);
            QCOMPARE(history.Ticked(tick, 3), tick < 10);
        }
        // Without the boxes every wave counts as ticked.
        history.Record(24, Named_Rows(600));
        for (int wave = 0; wave < 4; ++wave)
            QVERIFY(history.Ticked(600, wave));
        // A tick or place that was never recorded is refused, not read from elsewhere.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, history.Top(601, 0, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, history.Top(0, 6, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, history.Top(0, 0, 51));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, history.Time(-1));
    }

    void clear_starts_afresh()
    {
        Tick_History history;
        history.Record(0, Named_Rows(0), {});
        history.Record(0.04f, Named_Rows(1), {});
        history.Clear();
        QCOMPARE(history.Clears(), quint64(1));
        // As many ticks as before: only the count of clears tells the new ones from the old.
        history.Record(0, Named_Rows(7));
        history.Record(0.04f, Named_Rows(8));
        QCOMPARE(history.Size(), 2);
        QCOMPARE(history.Top(1, 1, 1), Named(8, 1, 1));
        QVERIFY(history.Ticked(0, 0));
    }

    // f as the caption gives it, T = 1/f and λ = c/f worked out by hand.
    void wave_numbers_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("c");
        QTest::addColumn<QString>("numbers"); // f | T | λ
        QTest::newRow("opening set-up") << 1.f << 10.f << " 1| 1| 10";
        QTest::newRow("2 Hz, slow medium") << 2.f << 5.f << " 2| .5| 2.5";
        QTest::newRow("thirds in single precision") << .3f << 10.f << " .3| 3.333333| 33.33333";
        QTest::newRow("no frequency") << 0.f << 10.f << " 0|–|–";
        QTest::newRow("no speed") << 1.f << 0.f << " 1| 1|–";
        QTest::newRow("a period past the single range")
            << 1e-39f << 10.f << Simulation::Number_Text(1e-39f) + "|–|–";
    }

    void wave_numbers()
    {
        QFETCH(float, f);
        QFETCH(float, c);
        const Simulation::Wave_Numbers numbers = Simulation::Wave_Numbers_Of(f, c);
        QTEST(numbers.Frequency + '|' + numbers.Period + '|' + numbers.Wavelength, "numbers");
    }
};

QTEST_MAIN(tst_tick_history)
#include "tst_tick_history.moc"
