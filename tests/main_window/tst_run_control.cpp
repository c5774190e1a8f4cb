#include "window_test_support.h"

#include <QtTest>

// cmd_Go, cmd_Clock and cmd_Back as a state machine: each row of the transitions table plays a
// short script of clicks and ticks on a fresh window and checks every column of the state.
class tst_run_control : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void uninterrupted_run();
    void go_compares_pictures_by_identity();
    void real_timer_runs_a_clock_step();
};

namespace {

// Ticks while the timer is on, as the event loop would deliver them; a runaway is cut off.
int Run_Out(frm_dalvo &form)
{
    int ticks = 0;
    while (form.Timer1->isActive() && ticks < 5000) {
        form.Timer1_Timer();
        ++ticks;
    }
    return ticks;
}

bool Click(CommandButton *button, QString &error)
{
    if (!button->isEnabled()) {
        error = button->objectName() + QStringLiteral(" is disabled");
        return false;
    }
    button->click();
    return true;
}

// A script is a list of steps: G, C, B click cmd_Go, cmd_Clock, cmd_Back (which must be
// enabled, as for a user); Tn gives n ticks of a running timer; R ticks until the timer stops;
// Sn makes n clock steps of 25 ticks each; Kn toggles the check box of wave n.
bool Play(frm_dalvo &form, const QString &script, int &last_run, QString &error)
{
    for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
        const QChar kind = step.front();
        const int n = step.size() > 1 ? step.mid(1).toInt() : 0;
        if (kind == u'G' && !Click(form.cmd_Go, error))
            return false;
        if (kind == u'C' && !Click(form.cmd_Clock, error))
            return false;
        if (kind == u'B' && !Click(form.cmd_Back, error))
            return false;
        if (kind == u'K') {
            CheckBox *box = form.chk_wave(n);
            if (!box->isEnabled()) {
                error = box->objectName() + QStringLiteral(" is disabled");
                return false;
            }
            box->Set_Value(1 - box->Value());
        }
        for (int i = 0; kind == u'T' && i < n; ++i) {
            if (!form.Timer1->isActive()) {
                error = QStringLiteral("the timer stopped after %1 of %2 ticks").arg(i).arg(n);
                return false;
            }
            form.Timer1_Timer();
        }
        if (kind == u'R')
            last_run = Run_Out(form);
        for (int i = 0; kind == u'S' && i < n; ++i) {
            if (!Click(form.cmd_Clock, error))
                return false;
            last_run = Run_Out(form);
            if (last_run != 25) {
                error = QStringLiteral("clock step %1 took %2 ticks").arg(i + 1).arg(last_run);
                return false;
            }
        }
    }
    return true;
}

struct State
{
    bool timer;
    float clock_mode;
    bool stop_picture;
    bool go, clock, back;
    bool locked;
};

// Every column of the state table, plus the set-up lock in detail; returns what differs.
QStringList Differences(const frm_dalvo &form, const State &want)
{
    QStringList diff;
    const auto check = [&diff](bool ok, const QString &what) {
        if (!ok)
            diff << what;
    };
    check(form.Timer1->isActive() == want.timer, QStringLiteral("Timer1 active"));
    check(form.Clock_Mode() == want.clock_mode,
          QStringLiteral("Clock_Mode %1").arg(form.Clock_Mode()));
    const Picture &shown = form.cmd_Go->Shown_Picture();
    const Picture &expected =
        want.stop_picture ? form.Image1->Shown_Picture() : form.Image2->Shown_Picture();
    check(shown == expected, QStringLiteral("cmd_Go picture"));
    check(form.cmd_Go->isEnabled() == want.go, QStringLiteral("cmd_Go enabled"));
    check(form.cmd_Clock->isEnabled() == want.clock, QStringLiteral("cmd_Clock enabled"));
    check(form.cmd_Back->isEnabled() == want.back, QStringLiteral("cmd_Back enabled"));
    const std::array<QWidget *, 5> file_buttons = {form.cmd_Save, form.cmd_Open, form.cmd_Print,
                                                   form.cmd_Info, form.cmd_Exit};
    for (const QWidget *w : file_buttons)
        check(w->isEnabled() == !want.locked, w->objectName() + QStringLiteral(" enabled"));
    for (int wave = 0; wave < 4; ++wave) {
        const CheckBox *box = form.chk_wave(wave);
        check(box->isEnabled() == !want.locked, box->objectName() + QStringLiteral(" enabled"));
        // Unlocked, the attribute controls follow the wave selection.
        const bool usable = !want.locked && box->Value() == 1;
        const std::array<QWidget *, 10> attributes = {
            form.frm_WaveAttr[wave], form.lbl_syxnot[wave], form.lbl_f[wave],  form.lbl_Hz[wave],
            form.lbl_Platos[wave],   form.lbl_A[wave],      form.lbl_ff[wave], form.hsc_f[wave],
            form.lbl_AA[wave],       form.hsc_A[wave]};
        for (const QWidget *w : attributes)
            check(!w->testAttribute(Qt::WA_ForceDisabled) == usable,
                  w->objectName() + QStringLiteral(" enabled"));
    }
    check(form.hsc_c1->isEnabled() && form.hsc_c2->isEnabled(),
          QStringLiteral("speed scroll bars enabled"));
    return diff;
}

} // namespace

void tst_run_control::transitions_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("ticks"); // of the last R or S step; -1 when there is none
    QTest::addColumn<float>("time");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("timer");
    QTest::addColumn<float>("clock_mode");
    QTest::addColumn<bool>("stop_picture");
    QTest::addColumn<bool>("go");
    QTest::addColumn<bool>("clock");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("locked");
    // clang-format off
    //                                         script                  ticks  time      caption     timer    mode     stop     go       clock    back     locked
    QTest::addRow("load: Ready")            << ""                   <<  -1 << 0.f    << "0.00"   << false << 1.f   << false << true  << true  << true  << false;
    QTest::addRow("Ready -> Running")       << "G"                  <<  -1 << 0.f    << "0.00"   << true  << 0.f   << true  << true  << false << false << true;
    QTest::addRow("Running -> Paused")      << "G T10 G"            <<  -1 << 0.4f   << " .4"    << false << 0.f   << false << true  << true  << true  << true;
    QTest::addRow("Paused -> Running")      << "G T10 G G"          <<  -1 << 0.4f   << " .4"    << true  << 0.f   << true  << true  << false << false << true;
    QTest::addRow("Paused run goes on")     << "G T10 G G T5"       <<  -1 << 0.6f   << " .6"    << true  << 0.f   << true  << true  << false << false << true;
    QTest::addRow("Ready -> Stepping")      << "C"                  <<  -1 << 0.f    << "0.00"   << true  << 1.f   << false << true  << true  << true  << false;
    QTest::addRow("step from Ready")        << "C R"                <<  25 << 1.f    << " 1"     << false << 1.f   << false << true  << true  << true  << false;
    QTest::addRow("second step")            << "C R C R"            <<  25 << 2.f    << " 2"     << false << 1.f   << false << true  << true  << true  << false;
    QTest::addRow("refresh keeps the time") << "C T5 K1"            <<  -1 << 0.2f   << "0.00"   << true  << 1.f   << false << true  << true  << true  << false;
    QTest::addRow("wave box while step")    << "C T5 K1 R"          <<  20 << 1.f    << " 1"     << false << 1.f   << false << true  << true  << true  << false;
    QTest::addRow("wave box keeps time")    << "S1 K1 C R"          <<  25 << 2.f    << " 2"     << false << 1.f   << false << true  << true  << true  << false;
    QTest::addRow("Paused -> Stepping")     << "G T85 G C"          <<  -1 << 3.4f   << " 3.4"   << true  << 1.f   << false << true  << true  << true  << true;
    QTest::addRow("step from Paused 3.4")   << "G T85 G C R"        <<  15 << 4.f    << " 4"     << false << 1.f   << false << true  << true  << true  << true;
    QTest::addRow("Stepping -> Running")    << "C T5 G"             <<  -1 << 0.2f   << " .2"    << true  << 0.f   << true  << true  << false << false << true;
    QTest::addRow("no stop at 1 s then")    << "C T5 G T30"         <<  -1 << 1.4f   << " 1.4"   << true  << 0.f   << true  << true  << false << false << true;
    QTest::addRow("Go in a Paused step")    << "G T10 G C T5 G"     <<  -1 << 0.6f   << " .6"    << true  << 0.f   << true  << true  << false << false << true;
    QTest::addRow("Running at 20")          << "G T500"             <<  -1 << 20.f   << " 20"    << true  << 0.f   << true  << true  << false << false << true;
    QTest::addRow("Running -> Finishing")   << "G T501"             <<  -1 << 20.04f << " 20.04" << true  << 1.f   << true  << false << false << true  << true;
    QTest::addRow("Finishing -> Finished")  << "G R"                << 525 << 21.f   << " 21"    << false << 1.f   << true  << false << false << true  << true;
    QTest::addRow("Ready steps past 20")    << "S20 C T1"           <<  25 << 20.04f << " 20.04" << true  << 1.f   << false << false << true  << true  << false;
    QTest::addRow("Ready steps to 21")      << "S20 C R"            <<  25 << 21.f   << " 21"    << false << 1.f   << false << false << true  << true  << false;
    QTest::addRow("steps beyond 21")        << "S20 C R C R"        <<  25 << 22.f   << " 22"    << false << 1.f   << false << false << true  << true  << false;
    QTest::addRow("Paused steps past 20")   << "G T500 G C T1"      <<  -1 << 20.04f << " 20.04" << true  << 1.f   << false << false << true  << true  << true;
    QTest::addRow("Paused steps to 21")     << "G T500 G C R"       <<  25 << 21.f   << " 21"    << false << 1.f   << false << false << true  << true  << true;
    QTest::addRow("Back at load")           << "B"                  <<  -1 << 0.f    << "0.00"   << false << 1.f   << false << true  << true  << false << false;
    QTest::addRow("Back when Paused")       << "G T10 G B"          <<  -1 << 0.f    << "0.00"   << false << 0.f   << false << true  << true  << false << false;
    QTest::addRow("Back when Finished")     << "G R B"              << 525 << 0.f    << "0.00"   << false << 1.f   << false << true  << true  << false << false;
    QTest::addRow("Back in Finishing")      << "G T510 B"           <<  -1 << 0.f    << "0.00"   << true  << 1.f   << false << true  << true  << false << false;
    QTest::addRow("Finishing Back to 1 s")  << "G T510 B R"         <<  25 << 1.f    << " 1"     << false << 1.f   << false << true  << true  << false << false;
    QTest::addRow("Back in Paused step")    << "G T10 G C T5 B"     <<  -1 << 0.f    << "0.00"   << true  << 1.f   << false << true  << true  << false << false;
    QTest::addRow("Paused step Back to 1")  << "G T10 G C T5 B R"   <<  25 << 1.f    << " 1"     << false << 1.f   << false << true  << true  << false << false;
    QTest::addRow("Back, then run again")   << "G R B G T3"         << 525 << 0.12f  << " .12"   << true  << 0.f   << true  << true  << false << false << true;
    // clang-format on
}

void tst_run_control::transitions()
{
    QFETCH(QString, script);
    QFETCH(int, ticks);
    QFETCH(float, time);
    QFETCH(QString, caption);
    QFETCH(bool, timer);
    QFETCH(float, clock_mode);
    QFETCH(bool, stop_picture);
    QFETCH(bool, go);
    QFETCH(bool, clock);
    QFETCH(bool, back);
    QFETCH(bool, locked);

    frm_dalvo form;
    int last_run = -1;
    QString error;
    QVERIFY2(Play(form, script, last_run, error), qPrintable(error));
    QCOMPARE(last_run, ticks);
    QCOMPARE(form.lbl_time->Caption(), caption);
    QCOMPARE(form.Elapsed_Time(), time);
    const QStringList diff =
        Differences(form, {timer, clock_mode, stop_picture, go, clock, back, locked});
    QVERIFY2(diff.isEmpty(), qPrintable(diff.join(QStringLiteral(", "))));
}

void tst_run_control::uninterrupted_run()
{
    frm_dalvo form;
    form.cmd_Go->click();
    int finished_at = 0, tick = 0;
    while (form.Timer1->isActive() && tick < 1000) {
        form.Timer1_Timer();
        ++tick;
        if (!finished_at && !form.cmd_Go->isEnabled()) {
            finished_at = tick;
            QCOMPARE(form.lbl_time->Caption(), QStringLiteral(" 20.04"));
            QCOMPARE(form.Clock_Mode(), 1.0f);
            QVERIFY(form.cmd_Back->isEnabled());
        }
        if (!finished_at) {
            QCOMPARE(form.Clock_Mode(), 0.0f);
            QVERIFY(!form.cmd_Back->isEnabled());
        }
    }
    QCOMPARE(finished_at, 501);
    QCOMPARE(tick, 525);
    QCOMPARE(form.Elapsed_Time(), 21.0f);
    QCOMPARE(form.lbl_time->Caption(), QStringLiteral(" 21"));
    // Only cmd_Back leads on.
    const QStringList diff = Differences(form, {false, 1, true, false, false, true, true});
    QVERIFY2(diff.isEmpty(), qPrintable(diff.join(QStringLiteral(", "))));
}

void tst_run_control::go_compares_pictures_by_identity()
{
    frm_dalvo form;
    QVERIFY(form.cmd_Go->Shown_Picture());
    QCOMPARE(form.cmd_Go->Shown_Picture(), form.Image2->Shown_Picture());
    QVERIFY(form.Image1->Shown_Picture() != form.Image2->Shown_Picture());

    // A picture that looks the same but is another object does not mean "start": Go pauses.
    form.cmd_Go->Set_Picture(std::make_shared<const QPixmap>(*form.Image2->Shown_Picture()));
    form.cmd_Go->click();
    QCOMPARE(form.cmd_Go->Shown_Picture(), form.Image2->Shown_Picture());
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(form.chk_wave1->isEnabled());
    form.cmd_Go->click();
    QCOMPARE(form.cmd_Go->Shown_Picture(), form.Image1->Shown_Picture());
    QVERIFY(form.Timer1->isActive());
}

void tst_run_control::real_timer_runs_a_clock_step()
{
    frm_dalvo form;
    form.cmd_Clock->click();
    QVERIFY(form.Timer1->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!form.Timer1->isActive(), 30000);
    QCOMPARE(form.Elapsed_Time(), 1.0f);
    QCOMPARE(form.lbl_time->Caption(), QStringLiteral(" 1"));
    QCOMPARE(form.Clock_Mode(), 1.0f);
}

QTEST_MAIN(tst_run_control)
#include "tst_run_control.moc"
