#include "simulation/number_text.h"
#include "simulation/wave_maths.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <limits>

using namespace Simulation;

Q_DECLARE_METATYPE(Simulation::Wave)

namespace {

constexpr Wave Default_Wave{1, 10, 5};
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

std::array<bool, Wave_Count> Ticked(const QString &flags)
{
    std::array<bool, Wave_Count> ticked{};
    for (int i = 0; i < Wave_Count; ++i)
        ticked[i] = flags.at(i) == QLatin1Char('1');
    return ticked;
}

// Fills a result with values no tick leaves behind, so a step the tick skips shows.
Tick_Positions Stale_Positions()
{
    Tick_Positions out;
    for (auto &row : out.Moved)
        row.fill(true);
    for (auto &row : out.Component)
        row.fill(99);
    for (auto &ball : out.Resultant)
        ball.fill(7);
    return out;
}

} // namespace

// The pure maths of one tick: phase, displacement, the six rows, and the time in hundredths.
class tst_wave_maths : public QObject
{
    Q_OBJECT

private slots:
    void phase_angle_data();
    void phase_angle();
    void moved_balls_data();
    void moved_balls();
    void displacement_data();
    void displacement();
    void broken_parameters_data();
    void broken_parameters();
    void elapsed_clock_data();
    void elapsed_clock();
};

void tst_wave_maths::phase_angle_data()
{
    QTest::addColumn<double>("wavelength");
    QTest::addColumn<float>("t");
    QTest::addColumn<float>("position");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("t 0, source ball: phase exactly 0") << 10.0 << 0.f << 0.f << 0.0 << 0.0;
    QTest::newRow("t 0.04, ball 0") << 10.0 << 0.04f << 0.f << 0.2512 << 1e-7;
    QTest::newRow("t 0.04, ball 1 not reached") << 10.0 << 0.04f << 1.f << 0.0 << 0.0;
    QTest::newRow("t 1, ball 10 at the front") << 10.0 << 1.f << 10.f << 0.0 << 0.0;
    QTest::newRow("t 1, ball 0: 6.28, not 2 pi") << 10.0 << 1.f << 0.f << 6.28 << 1e-12;
    QTest::newRow("t 1, ball 5: 3.14") << 10.0 << 1.f << 5.f << 3.14 << 1e-12;
    // 1 - 9/10 is 0.09999999999999998 in double; held as single it is 0.1f.
    QTest::newRow("t 1, ball 9: phase held as single")
        << 10.0 << 1.f << 9.f << 6.28 * static_cast<double>(0.1f) << 1e-15;
    QTest::newRow("wavelength 20, t 3, ball 29") << 20.0 << 3.f << 29.f << 9.734 << 1e-6;
    QTest::newRow("wavelength 0") << 0.0 << 5.f << 0.f << 0.0 << 0.0;
    QTest::newRow("wavelength inf") << HUGE_VAL << 5.f << 3.f << 0.0 << 0.0;
    QTest::newRow("wavelength -inf") << -HUGE_VAL << 5.f << 3.f << 0.0 << 0.0;
    QTest::newRow("wavelength NaN") << Nan << 5.f << 3.f << 0.0 << 0.0;
}

void tst_wave_maths::phase_angle()
{
    QFETCH(double, wavelength);
    QFETCH(float, t);
    QFETCH(float, position);
    QFETCH(double, angle);
    QFETCH(double, tolerance);
    const Wave wave{1, static_cast<float>(wavelength), 5};
    const double result = Phase_Angle(wave, t, position);
    QVERIFY2(std::fabs(result - angle) <= tolerance, qPrintable(QString::number(result, 'g', 17)));
}

// Which balls a tick moves, and that every resultant ball is the sum of its panel's moved ones.
void tst_wave_maths::moved_balls_data()
{
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<float>("t");
    // First and last moved ball of wave 0..3; an empty range is (1, 0).
    QTest::addColumn<QList<int>>("moved");
    QTest::newRow("t 0") << "1111" << 0.f << QList<int>{1, 0, 1, 0, 1, 0, 1, 0};
    QTest::newRow("t 0.04") << "1111" << 0.04f << QList<int>{0, 0, 50, 50, 0, 0, 50, 50};
    QTest::newRow("t 1, wave 0") << "1000" << 1.f << QList<int>{0, 9, 1, 0, 1, 0, 1, 0};
    QTest::newRow("t 1, wave 1") << "0100" << 1.f << QList<int>{1, 0, 41, 50, 1, 0, 1, 0};
    QTest::newRow("t 3, waves 0 and 1") << "1100" << 3.f << QList<int>{0, 29, 21, 50, 1, 0, 1, 0};
    QTest::newRow("t 3, waves 2 and 3") << "0011" << 3.f << QList<int>{1, 0, 1, 0, 0, 29, 21, 50};
    QTest::newRow("t 3, wave 3") << "0001" << 3.f << QList<int>{1, 0, 1, 0, 1, 0, 21, 50};
    QTest::newRow("t 10, all") << "1111" << 10.f << QList<int>{0, 50, 0, 50, 0, 50, 0, 50};
    QTest::newRow("t 10, none ticked") << "0000" << 10.f << QList<int>{1, 0, 1, 0, 1, 0, 1, 0};
}

void tst_wave_maths::moved_balls()
{
    QFETCH(QString, ticked);
    QFETCH(float, t);
    QFETCH(QList<int>, moved);
    const std::array<Wave, Wave_Count> waves{Default_Wave, Default_Wave, Default_Wave,
                                             Default_Wave};
    Tick_Positions out = Stale_Positions();
    Compute_Tick(waves, Ticked(ticked), t, out);
    for (int a = 0; a < Ball_Count; ++a) {
        for (int wave = 0; wave < Wave_Count; ++wave) {
            const bool expected = a >= moved[2 * wave] && a <= moved[2 * wave + 1];
            QVERIFY2(out.Moved[wave][a] == expected,
                     qPrintable(QStringLiteral("wave %1 ball %2").arg(wave).arg(a)));
        }
        for (int panel = 0; panel < 2; ++panel) {
            double sum = 0;
            for (int wave = 2 * panel; wave < 2 * panel + 2; ++wave)
                if (out.Moved[wave][a])
                    sum += static_cast<double>(out.Component[wave][a]);
            QVERIFY2(std::fabs(static_cast<double>(out.Resultant[a][panel]) - sum) <= 1e-5,
                     qPrintable(QStringLiteral("panel %1 ball %2").arg(panel).arg(a)));
        }
    }
}

void tst_wave_maths::displacement_data()
{
    QTest::addColumn<int>("wave");
    QTest::addColumn<Wave>("parameters");
    QTest::addColumn<int>("ball");
    QTest::addColumn<float>("t");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("tolerance");
    const Wave d = Default_Wave, slow{0.5f, 20, 3};
    const auto row = [](const char *name, int wave, Wave w, int ball, float t, double top,
                        double tolerance) {
        QTest::newRow(name) << wave << w << ball << t << top << tolerance;
    };
    // clang-format off
    row("about 1.24: wave 0, ball 0, t .04",  0, d, 0, 0.04f, 1.242832, 1e-5);
    row("about -0.016: wave 0, ball 0, t 1",  0, d, 0, 1.f, -0.0159265, 1e-6);
    row("about 0.008: wave 0, ball 5, t 1",   0, d, 5, 1.f, 0.0079633, 1e-6);
    row("wave 0, ball 0, t .96",              0, d, 0, 0.96f, -1.258253, 1e-5);
    row("wave 1, ball 50, t 1",               1, d, 50, 1.f, -0.0159265, 1e-6);
    row("wave 1, ball 45, t 1",               1, d, 45, 1.f, 0.0079633, 1e-6);
    row("wave 2, ball 0, t .04",              2, d, 0, 0.04f, 1.242832, 1e-5);
    row("wave 3, ball 50, t .04",             3, d, 50, 0.04f, 1.242832, 1e-5);
    row("slow wave 1, ball 50, t 3",          1, slow, 50, 3.f, 0.0143338, 1e-6);
    row("slow wave 1, ball 21, t 3",          1, slow, 21, 3.f, 0.926597, 1e-5);
    // clang-format on
}

void tst_wave_maths::displacement()
{
    QFETCH(int, wave);
    QFETCH(Wave, parameters);
    QFETCH(int, ball);
    QFETCH(float, t);
    QFETCH(double, top);
    QFETCH(double, tolerance);
    std::array<Wave, Wave_Count> waves{Default_Wave, Default_Wave, Default_Wave, Default_Wave};
    waves[wave] = parameters;
    Tick_Positions out = Stale_Positions();
    Compute_Tick(waves, Ticked(QStringLiteral("1111")), t, out);
    QVERIFY(out.Moved[wave][ball]);
    const double result = out.Component[wave][ball];
    QVERIFY2(std::fabs(result - top) <= tolerance, qPrintable(QString::number(result, 'g', 9)));
    QCOMPARE(
        Displacement(parameters.Amplitude,
                     Phase_Angle(parameters, t, static_cast<float>(wave % 2 ? 50 - ball : ball))),
        out.Component[wave][ball]);
}

// Parameters only a scenario file can give: every ball stays finite, and a wave whose wavelength
// is 0 or not finite moves nothing.
void tst_wave_maths::broken_parameters_data()
{
    QTest::addColumn<Wave>("odd");
    QTest::addColumn<bool>("moves");
    QTest::newRow("wavelength 0") << Wave{1, 0, 5} << false;
    QTest::newRow("wavelength inf") << Wave{1, HUGE_VALF, 5} << false;
    QTest::newRow("wavelength -inf") << Wave{1, -HUGE_VALF, 5} << false;
    QTest::newRow("wavelength NaN") << Wave{1, std::numeric_limits<float>::quiet_NaN(), 5} << false;
    QTest::newRow("largest amplitude") << Wave{1, 10, FLT_MAX} << true;
    QTest::newRow("largest frequency") << Wave{FLT_MAX, 10, 5} << true;
    QTest::newRow("smallest wavelength") << Wave{1, FLT_TRUE_MIN, 5} << true;
}

void tst_wave_maths::broken_parameters()
{
    QFETCH(Wave, odd);
    QFETCH(bool, moves);
    const Wave partner{1, 10, odd.Amplitude};
    // The odd wave in each panel, once from each end.
    const std::array<Wave, Wave_Count> waves{odd, partner, partner, odd};
    for (const float t : {0.04f, 1.f, 5.f, 20.f}) {
        Tick_Positions out = Stale_Positions();
        Compute_Tick(waves, Ticked(QStringLiteral("1111")), t, out);
        for (int a = 0; a < Ball_Count; ++a) {
            for (int wave = 0; wave < Wave_Count; ++wave)
                QVERIFY(!out.Moved[wave][a] || std::isfinite(out.Component[wave][a]));
            QVERIFY(std::isfinite(out.Resultant[a][0]));
            QVERIFY(std::isfinite(out.Resultant[a][1]));
            if (!moves) {
                QVERIFY(!out.Moved[0][a] && !out.Moved[3][a]);
                QVERIFY(out.Resultant[a][0] == (out.Moved[1][a] ? out.Component[1][a] : 0.f));
                QVERIFY(out.Resultant[a][1] == (out.Moved[2][a] ? out.Component[2][a] : 0.f));
            }
        }
        if (moves && t == 0.04f)
            QVERIFY(out.Moved[0][0] && out.Moved[3][50]);
    }
}

void tst_wave_maths::elapsed_clock_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<float>("seconds");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("whole");
    QTest::newRow("0") << 0 << 0.f << " 0" << true;
    QTest::newRow("1") << 1 << 0.04f << " .04" << false;
    QTest::newRow("24") << 24 << 0.96f << " .96" << false;
    QTest::newRow("25") << 25 << 1.f << " 1" << true;
    QTest::newRow("26") << 26 << 1.04f << " 1.04" << false;
    QTest::newRow("500") << 500 << 20.f << " 20" << true;
    QTest::newRow("501") << 501 << 20.04f << " 20.04" << false;
    QTest::newRow("525") << 525 << 21.f << " 21" << true;
    QTest::newRow("7777") << 7777 << 311.08f << " 311.08" << false;
}

void tst_wave_maths::elapsed_clock()
{
    QFETCH(int, ticks);
    QFETCH(float, seconds);
    QFETCH(QString, caption);
    QFETCH(bool, whole);
    Elapsed_Clock clock;
    for (int k = 0; k < ticks; ++k)
        clock.Advance();
    QCOMPARE(clock.Hundredths(), qint64{4} * ticks);
    QVERIFY(clock.Seconds() == seconds); // exact: the nearest single to 0.04 k
    QCOMPARE(Number_Text(clock.Seconds()), caption);
    QCOMPARE(clock.On_Whole_Second(), whole);
    clock.Reset();
    QCOMPARE(clock.Hundredths(), qint64{0});
    QVERIFY(clock.Seconds() == 0.f);
}

QTEST_APPLESS_MAIN(tst_wave_maths)
#include "tst_wave_maths.moc"
