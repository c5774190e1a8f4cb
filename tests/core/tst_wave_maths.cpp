// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"
#include "core/wave_maths.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <limits>

using namespace Simulation;

Q_DECLARE_METATYPE(Simulation::Wave)

namespace {

constexpr Wave Default_Wave{1, 10, 5};
constexpr double Not_Moved = std::numeric_limits<double>::quiet_NaN();

} // namespace

// The pure maths of one tick: the displacements, the resultant rows and the time in hundredths.
class tst_wave_maths : public QObject
{
    Q_OBJECT

private slots:
    void displacement_data()
    {
        QTest::addColumn<int>("wave");
        QTest::addColumn<Wave>("parameters");
        QTest::addColumn<int>("ball");
        QTest::addColumn<float>("t");
        QTest::addColumn<double>("top");
        const Wave d = Default_Wave;
        QTest::newRow("about 1.24 at t .04") << 0 << d << 0 << 0.04f << 1.2428323;
        QTest::newRow("about 0.008 at t 1") << 0 << d << 5 << 1.f << 0.0079633;
        QTest::newRow("phase held as single, t 311.08") << 0 << d << 3 << 311.08f << -3.4783583;
        QTest::newRow("ball 10 not moved at t 1") << 0 << d << 10 << 1.f << Not_Moved;
        QTest::newRow("wave 1 mirrored, ball 45") << 1 << d << 45 << 1.f << 0.0079633;
        QTest::newRow("t 3, both waves on ball 21")
            << 1 << Wave{0.5f, 20, 3} << 21 << 3.f << 0.9265966;
        // Parameters only a scenario file can give move no ball and add nothing to the resultant.
        QTest::newRow("wavelength 0") << 0 << Wave{1, 0, 5} << 5 << 20.f << Not_Moved;
        QTest::newRow("wavelength inf") << 0 << Wave{1, HUGE_VALF, 5} << 5 << 20.f << Not_Moved;
        // Frequency x t beyond the single range: the phase would be infinite, the ball NaN.
        QTest::newRow("largest frequency") << 0 << Wave{FLT_MAX, 10, 5} << 5 << 20.f << Not_Moved;
    }

    void displacement()
    {
        QFETCH(int, wave);
        QFETCH(Wave, parameters);
        QFETCH(int, ball);
        QFETCH(float, t);
        QFETCH(double, top);
        std::array<Wave, Wave_Count> waves{Default_Wave, Default_Wave, Default_Wave, Default_Wave};
        waves[wave] = parameters;
        Tick_Positions out; // every ball said to have moved, so a ball left out shows
        for (auto &row : out.Moved)
            row.fill(true);
        Compute_Tick(waves, {true, true, true, true}, t, out);
        QCOMPARE(out.Moved[wave][ball], !std::isnan(top));
        const float result = out.Component[wave][ball];
        QVERIFY2(std::isnan(top) || std::fabs(result - top) <= 1e-6,
                 qPrintable(QString::number(result)));
        // The one-ball functions give the very value of the tick.
        const float position = static_cast<float>(wave % 2 ? Ball_Count - 1 - ball : ball);
        QVERIFY(std::isnan(top) ||
                Displacement(parameters.Amplitude, Phase_Angle(parameters, t, position)) == result);

        // The resultant ball is the (finite) sum of its panel's moved components.
        const int panel = wave / 2;
        double sum = 0;
        for (int w = 2 * panel; w < 2 * panel + 2; ++w)
            sum += out.Moved[w][ball] ? static_cast<double>(out.Component[w][ball]) : 0;
        QVERIFY(std::fabs(static_cast<double>(out.Resultant[ball][panel]) - sum) <= 1e-5);
    }

    void elapsed_clock_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << 1 << 0.04f << " .04";
        QTest::newRow("5") << 5 << 0.2f << " .2";
        QTest::newRow("25") << 25 << 1.f << " 1";
        QTest::newRow("7777") << 7777 << 311.08f << " 311.08";
    }

    void elapsed_clock()
    {
        QFETCH(int, ticks);
        QFETCH(float, seconds);
        QFETCH(QString, caption);
        Elapsed_Clock clock;
        for (int k = 0; k < ticks; ++k)
            clock.Advance();
        QCOMPARE(clock.Hundredths(), qint64{4} * ticks);
        QVERIFY(clock.Seconds() == seconds); // exact: the nearest single to 0.04 k
        QCOMPARE(Number_Text(clock.Seconds()), caption);
        QCOMPARE(clock.On_Whole_Second(), ticks % 25 == 0);
    }
};

QTEST_APPLESS_MAIN(tst_wave_maths)
#include "tst_wave_maths.moc"
