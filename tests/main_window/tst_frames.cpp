// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/frame_clock.h"
#include "support/window_test_support.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QtTest>

namespace {

// Counts the events of one type an object receives.
class Event_Count : public QObject
{
public:
    Event_Count(QObject *watched, QEvent::Type type) : type_(type)
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type_)
            ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

// What the screen shows of a control (the window's painted pixels) and what the control looks like
// now, drawn directly.
QImage On_Screen(const QWidget &control)
{
    const QWidget &window = *control.window();
    const QRect at(control.mapTo(&window, QPoint()), control.size());
    return window.screen()
        ->grabWindow(window.winId(), at.x(), at.y(), at.width(), at.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Drawn_Now(QWidget &control)
{
    return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Screen_Shows_State(frm_dalvo &form)
{
    return On_Screen(*form.Picture1) == Drawn_Now(*form.Picture1) &&
           On_Screen(*form.Picture2) == Drawn_Now(*form.Picture2) &&
           On_Screen(*form.lbl_time) == Drawn_Now(*form.lbl_time);
}

// One tick, and then the posted events (a repaint the window lets through) but no timer: a frame
// held back for the next refresh stays held.
void Tick_Without_Timers(frm_dalvo &form)
{
    form.Timer1_Timer();
    QCoreApplication::sendPostedEvents();
}

enum class Stop
{
    Pause,
    Clock_Step,
    Back,
};

// What happens between two frames of a run, besides its ticks.
enum class Between
{
    Nothing,
    Mark,
    Graph,
    Zoom,
};

} // namespace

Q_DECLARE_METATYPE(Stop)
Q_DECLARE_METATYPE(Between)

// The window paints what changes with each tick at most once per refresh of its screen, and shows
// the last tick at once when the run stops.
class tst_frames : public QObject
{
    Q_OBJECT

private slots:
    // About a second of the fastest pace with the real timer: 200 ticks a second, but no more
    // frames than the screen refreshes.
    void a_run_paints_no_more_than_the_screen_shows()
    {
        frm_dalvo form;
        for (int wave = 0; wave < 4; ++wave)
            form.chk_wave(wave)->Set_Value(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const double refresh = form.screen()->refreshRate() > 0 ? form.screen()->refreshRate() : 60;
        Event_Count paints(form.Picture1, QEvent::Paint);
        Event_Count time_paints(form.lbl_time, QEvent::Paint);
        int ticks = 0;
        connect(form.Timer1, &QTimer::timeout, &form, [&ticks] { ++ticks; });
        QElapsedTimer wall;
        wall.start();
        form.cmd_Go->click();
        QTRY_VERIFY_WITH_TIMEOUT(wall.elapsed() >= 1000, 5000);
        form.cmd_Go->click();
        const double seconds = static_cast<double>(wall.elapsed()) / 1000;
        const int allowed = static_cast<int>(std::ceil(seconds * refresh)) + 1;
        // A machine too busy to tick faster than the screen refreshes leaves nothing to coalesce.
        if (ticks <= allowed)
            qWarning("only %d ticks in %.2f s", ticks, seconds);
        QVERIFY2(paints.count <= allowed && time_paints.count <= allowed,
                 qPrintable(QStringLiteral("%1 and %2 frames in %3 s, %4 ticks")
                                .arg(paints.count)
                                .arg(time_paints.count)
                                .arg(seconds)
                                .arg(ticks)));
        // Frames still follow the run.
        QVERIFY2(paints.count >= 5, qPrintable(QString::number(paints.count)));
        QTRY_VERIFY(Screen_Shows_State(form));
    }

    void a_stop_shows_its_last_tick_at_once_data()
    {
        QTest::addColumn<Stop>("stop");
        QTest::addRow("pause by cmd_Go") << Stop::Pause;
        // The end of a run stops it as a clock step does, at its whole second.
        QTest::addRow("clock step at its whole second") << Stop::Clock_Step;
        QTest::addRow("cmd_Back") << Stop::Back;
    }

    // The ticks are driven by hand between event-loop turns without timers, and the window's
    // frames come ten seconds apart, so a frame held back for the next refresh stays held, however
    // slow the machine: right after the stop the screen must show the state the stop left.
    void a_stop_shows_its_last_tick_at_once()
    {
        QFETCH(Stop, stop);
        frm_dalvo form;
        Frame_Clock::Of(form)->Set_Frame_Interval_Ns(10'000'000'000);
        for (int wave = 0; wave < 4; ++wave)
            form.chk_wave(wave)->Set_Value(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(Screen_Shows_State(form));
        if (stop == Stop::Clock_Step)
            form.cmd_Clock->click();
        else
            form.cmd_Go->click();
        // Up to the tick before the stop's: 0.96 s, or a run at 20.40 s that goes on.
        const int before = stop == Stop::Clock_Step ? 24 : stop == Stop::Back ? 510 : 100;
        for (int i = 0; i < before; ++i)
            Tick_Without_Timers(form);
        QVERIFY(form.Timer1->isActive());
        // A frame goes out now (something to paint is asked for, so the frame asked for at once is
        // this one); the stop follows, long before the next refresh.
        form.lbl_time->update();
        Frame_Clock::Show_Now(form);
        QCoreApplication::sendPostedEvents();
        switch (stop) {
        case Stop::Pause:
            form.Timer1_Timer();
            form.cmd_Go->click();
            break;
        case Stop::Clock_Step:
            form.Timer1_Timer();
            break;
        case Stop::Back:
            form.cmd_Back->click();
            break;
        }
        QCoreApplication::sendPostedEvents();
        QVERIFY(Screen_Shows_State(form));
    }

    void every_frame_is_the_whole_picture_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<Between>("between");
        QTest::newRow("100 %") << 100 << Between::Nothing;
        QTest::newRow("150 %") << 150 << Between::Nothing;
        QTest::newRow("300 %") << 300 << Between::Nothing;
        // The panels' edges and sizes round apart: the widget is a pixel wider than the panel.
        QTest::newRow("137 %") << 137 << Between::Nothing;
        QTest::addRow("a ball marked") << 100 << Between::Mark;
        QTest::addRow("the graph strip opened") << 150 << Between::Graph;
        QTest::addRow("zoomed in") << 100 << Between::Zoom;
    }

    // A frame of a run paints the panels again only where balls were and are; whatever happens
    // between frames, the screen shows at every frame what a whole painting of the window shows.
    void every_frame_is_the_whole_picture()
    {
        QFETCH(int, zoom);
        QFETCH(Between, between);
        frm_dalvo form;
        Frame_Clock::Of(form)->Set_Frame_Interval_Ns(10'000'000'000);
        form.Set_Zoom(zoom);
        for (int wave = 0; wave < 4; ++wave)
            form.chk_wave(wave)->Set_Value(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(Screen_Shows_State(form));
        form.cmd_Go->click();
        for (int frame = 0; frame < 8; ++frame) {
            for (int tick = 0; tick < 3 + frame; ++tick)
                Tick_Without_Timers(form);
            if (frame == 4) {
                const float ball = form.Picture1->ScaleWidth() / frm_dalvo::Balls;
                switch (between) {
                case Between::Nothing:
                    break;
                case Between::Mark:
                    form.Picture1_MouseUp(1, 0, 20.5f * ball, 0);
                    break;
                case Between::Graph:
                    form.cmd_Graph_Click();
                    break;
                case Between::Zoom:
                    form.Set_Zoom(150);
                    break;
                }
            }
            form.lbl_time->update();
            Frame_Clock::Show_Now(form);
            QCoreApplication::sendPostedEvents();
            QVERIFY2(Screen_Shows_State(form), qPrintable(QStringLiteral("frame %1").arg(frame)));
        }
    }

    // A window left alone sets no timer going: it is not woken while nothing changes.
    void an_idle_window_sleeps()
    {
        frm_dalvo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.cmd_Go->click();
        Window_Test::Ticks(form, 3);
        form.cmd_Go->click();
        QTest::qWait(100);
        // A filter on the application sees every object's events.
        Event_Count timers(QCoreApplication::instance(), QEvent::Timer);
        QTest::qWait(1000);
        QVERIFY2(timers.count <= 3, qPrintable(QString::number(timers.count)));
    }
};

QTEST_MAIN(tst_frames)
#include "tst_frames.moc"
