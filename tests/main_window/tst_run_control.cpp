#include "support/window_test_support.h"

#include <QAccessible>
#include <QtTest>

// cmd_Go, cmd_Clock and cmd_Back as a state machine: each row plays a script of clicks and ticks
// on a fresh window, at each pace, and checks the columns of the state table.
class tst_run_control : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void real_timer_runs_a_clock_step();
    void paced_run_follows_the_wall_clock_data();
    void paced_run_follows_the_wall_clock();
    void keys_data();
    void keys();
};

namespace {

// "<lbl_time> <timer> <Clock_Mode> <cmd_Go's picture> <enabled of cmd_Go, cmd_Clock, cmd_Back>
// <set-up>", then any attribute control that does not follow the lock and the wave selection.
QString State_Of(const frm_dalvo &form)
{
    const Picture &shown = form.cmd_Go->Shown_Picture();
    QStringList state = {form.lbl_time->Caption().trimmed(), form.Timer1->isActive() ? "on" : "off",
                         QString::number(form.Clock_Mode()),
                         shown == form.Image1->Shown_Picture()   ? "stop"
                         : shown == form.Image2->Shown_Picture() ? "start"
                                                                 : "other"};
    QString buttons;
    for (const CommandButton *button : {form.cmd_Go, form.cmd_Clock, form.cmd_Back})
        buttons += button->isEnabled() ? button->objectName()[4] : u'-';
    int enabled = 0;
    for (const QWidget *w : std::array<const QWidget *, 9>{
             form.cmd_Save, form.cmd_Open, form.cmd_Print, form.cmd_Info, form.cmd_Exit,
             form.chk_wave1, form.chk_wave2, form.chk_wave3, form.chk_wave4})
        enabled += w->isEnabled();
    state << buttons << (enabled == 0 ? "locked" : enabled == 9 ? "free" : "mixed");
    for (int i = 0; i < 4; ++i)
        for (const QWidget *w : std::array<const QWidget *, 10>{
                 form.frm_WaveAttr[i], form.lbl_syxnot[i], form.lbl_f[i], form.lbl_Hz[i],
                 form.lbl_Platos[i], form.lbl_A[i], form.lbl_ff[i], form.hsc_f[i], form.lbl_AA[i],
                 form.hsc_A[i]})
            if (w->testAttribute(Qt::WA_ForceDisabled) ==
                (enabled && form.chk_wave(i)->Value() == 1))
                state << w->objectName();
    return state.join(u' ');
}

// Steps: G, C, B click cmd_Go, cmd_Clock, cmd_Back and Kn the box of wave n, which must be enabled
// as for a user; Tn gives n ticks of a running timer; Rn ticks until the timer stops, which must
// take n ticks; Sn makes n clock steps of 25 ticks each; P puts a copy of the start picture on
// cmd_Go; Mn chooses pace n. Returns what went wrong.
QString Play(frm_dalvo &form, const QString &script)
{
    const std::array<QAbstractButton *, 3> run = {form.cmd_Go, form.cmd_Clock, form.cmd_Back};
    for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
        const QChar kind = step[0];
        const int n = step.mid(1).toInt();
        const QString error = kind == u'S' ? Play(form, QStringLiteral("C R25 ").repeated(n)) : "";
        const qsizetype which = QStringView(u"GCB").indexOf(kind);
        QAbstractButton *button = which >= 0     ? run[which]
                                  : kind == u'K' ? form.chk_wave(n)
                                                 : nullptr;
        if (!error.isEmpty() || (button && !button->isEnabled()))
            return error.isEmpty() ? button->objectName() + " is disabled" : error;
        if (button)
            button->click();
        if (kind == u'M')
            form.cbo_Pace->setCurrentIndex(n);
        if (kind == u'P') // a copy of the start picture is another object
            form.cmd_Go->Set_Picture(
                std::make_shared<const QPixmap>(*form.Image2->Shown_Picture()));
        const int limit = kind == u'T' ? n : kind == u'R' ? 5000 : 0;
        int ticks = 0;
        for (; ticks < limit && form.Timer1->isActive(); ++ticks)
            form.Timer1_Timer();
        if (limit && ticks != n)
            return QStringLiteral("%1 gave %2 ticks").arg(step).arg(ticks);
    }
    return {};
}

void Row(const char *name, const char *script, const char *state)
{
    QTest::newRow(name) << QString(script) << QString(state);
}

} // namespace

void tst_run_control::transitions_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("state");
    Row("Ready, Paused -> Running", "G T10 G G T5", ".6 on 0 stop G-- locked");
    Row("Running -> Paused", "G T10 G", ".4 off 0 start GCB locked");
    Row("Ready -> Stepping -> Ready", "S2", "2 off 1 start GCB free");
    Row("Paused 3.4 -> Stepping", "G T85 G C R15", "4 off 1 start GCB locked");
    Row("Finished -> Stepping", "S21 C R25", "22 off 1 start -CB free");
    Row("Stepping -> Running", "C T5 G T30", "1.4 on 0 stop G-- locked");
    // A run left alone: finishing at tick 501, stopped at tick 525.
    Row("Running at 20", "G T500", "20 on 0 stop G-- locked");
    Row("Running -> Finishing", "G T501", "20.04 on 1 stop --B locked");
    Row("Finishing -> Finished", "G R525", "21 off 1 stop --B locked");
    Row("Paused past 20", "G T500 G C R25", "21 off 1 start -CB locked");
    Row("Ready -> Ready by Back", "B", "0.00 off 1 start GC- free");
    Row("Paused -> Ready by Back", "G T10 G B", "0.00 off 0 start GC- free");
    // The timer runs on from 0 to 1 s.
    Row("Finishing -> Ready by Back", "G T510 B R25", "1 off 1 start GC- free");
    // A wave box refreshes the display but keeps the time reached by the steps.
    Row("Ready: wave box", "S1 K1 C R25", "2 off 1 start GCB free");
    // cmd_Go compares pictures by identity: it takes a look-alike for the stop picture.
    Row("Ready, look-alike picture", "P G", "0.00 off 1 start GCB free");
    Row("then Running", "P G G", "0.00 on 0 stop G-- locked");
    // A new pace neither starts, stops nor resets anything.
    Row("Running: new paces", "G T10 M1 T5 M2 T5 M0 T5", "1 on 0 stop G-- locked");
    Row("Paused: new pace", "G T10 G M2", ".4 off 0 start GCB locked");
    Row("Stepping: new pace", "C T5 M1 R20", "1 off 1 start GCB free");
}

void tst_run_control::transitions()
{
    QFETCH(QString, script);
    QFETCH(QString, state);
    for (int pace = 0; pace < 3; ++pace) {
        frm_dalvo form;
        form.cbo_Pace->setCurrentIndex(pace);
        QCOMPARE(Play(form, script), QString()); // no step went wrong
        QCOMPARE(QString::number(pace) + ": " + State_Of(form),
                 QString::number(pace) + ": " + state);
        // The default pace is the 5 ms timer, as always.
        QVERIFY(form.cbo_Pace->currentIndex() ||
                (form.Timer1->interval() == 5 && !form.Timer1->isSingleShot()));
    }
}

void tst_run_control::real_timer_runs_a_clock_step()
{
    frm_dalvo form;
    form.cmd_Clock->click();
    QTRY_VERIFY_WITH_TIMEOUT(!form.Timer1->isActive(), 30000);
    QCOMPARE(State_Of(form), "1 off 1 start GCB free");
}

void tst_run_control::paced_run_follows_the_wall_clock_data()
{
    QTest::addColumn<int>("pace");
    QTest::addColumn<double>("rate"); // simulated seconds per second
    QTest::newRow("real time") << 1 << 1.0;
    QTest::newRow("slow motion") << 2 << 0.25;
}

// Some 3 s of the real timer: the time shown keeps within 2 % of the wall clock's, and every
// tick advanced it by 0.04 s.
void tst_run_control::paced_run_follows_the_wall_clock()
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

// A key acts as a click on its button wherever the focus is, and only while the button is
// enabled; a focused button keeps its own Space. cmd_Go's tooltip and accessible name say what its
// next click does.
void tst_run_control::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("state"); // and cmd_Go's tooltip
    const auto row = [](const char *name, Qt::Key key, const char *focus, const char *script,
                        const char *state) {
        QTest::newRow(name) << int(key) << QString(focus) << QString(script) << QString(state);
    };
    row("F5 starts", Qt::Key_F5, "cbo_Pace", "", "0.00 on 0 stop G-- locked: Παύση (F5)");
    row("F5 pauses", Qt::Key_F5, "hsc_c1", "G T10", ".4 off 0 start GCB locked: Συνέχεια (F5)");
    row("F5, cmd_Go disabled", Qt::Key_F5, "hsc_c2", "G T501",
        "20.04 on 1 stop --B locked: Η κίνηση τελείωσε (F7: επαναφορά)");
    row("F6 steps", Qt::Key_F6, "chk_wave1", "", "0.00 on 1 start GCB free: Έναρξη (F5)");
    row("F6, cmd_Clock disabled", Qt::Key_F6, "hsc_c1", "G T10",
        ".4 on 0 stop G-- locked: Παύση (F5)");
    row("F7 resets", Qt::Key_F7, "cmd_Go", "G T10 G", "0.00 off 0 start GC- free: Έναρξη (F5)");
    row("F7, cmd_Back disabled", Qt::Key_F7, "cbo_Pace", "G T10",
        ".4 on 0 stop G-- locked: Παύση (F5)");
    row("Space on cmd_Go", Qt::Key_Space, "cmd_Go", "", "0.00 on 0 stop G-- locked: Παύση (F5)");
}

void tst_run_control::keys()
{
    QFETCH(int, key);
    QFETCH(QString, focus);
    QFETCH(QString, script);
    QFETCH(QString, state);
    frm_dalvo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(Play(form, script), QString());
    auto *focused = form.findChild<QWidget *>(focus);
    focused->setFocus();
    QVERIFY(focused->hasFocus());
    QTest::keyClick(focused, Qt::Key(key));
    const QString tip = form.cmd_Go->toolTip();
    QCOMPARE(State_Of(form) + ": " + tip, state);
    QCOMPARE(QAccessible::queryAccessibleInterface(form.cmd_Go)->text(QAccessible::Name),
             tip.section(" (", 0, 0));
}

QTEST_MAIN(tst_run_control)
#include "tst_run_control.moc"
