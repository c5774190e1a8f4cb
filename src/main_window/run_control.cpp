// SPDX-License-Identifier: GPL-3.0-or-later
// Run control: the timer's tick, the go, clock and back buttons with their keys and cmd_Go's
// tooltip, and the pace of the animation.
#include "controls/frame_clock.h"
#include "controls/handler_guard.h"
#include "core/number_text.h"
#include "main_window/dalvo_module.h"
#include "main_window/frm_dalvo.h"

#include <QAbstractItemView>
#include <QShortcut>

using Handler_Guard::Run_Handler;

void frm_dalvo::Timer1_Timer()
{
    Run_Handler([this] {
        Time_Loop();
        // A paced run waits for its next tick by the wall clock; Timer1 keeps running meanwhile.
        if (pace_.Paced() && Timer1->isActive())
            Timer1->start(pace_.Tick_Done(wall_clock_.nsecsElapsed()));
    });
}

void frm_dalvo::Time_Loop()
{
    std::array<Simulation::Wave, 4> waves;
    std::array<bool, 4> ticked;
    for (int i = 0; i < 4; ++i) {
        waves[i] = {module_.Frequency[i], module_.Wavelength[i], module_.Amplitude[i]};
        ticked[i] = chk_wave(i)->Value() != 0;
    }
    Simulation::Compute_Tick(waves, ticked, elapsed_.Seconds(), tick_);
    const std::array<const Array<Shape, Balls> *, 4> component = {&Shape11, &Shape12, &Shape21,
                                                                  &Shape22};
    for (int a = 0; a < Balls; ++a) {
        for (int wave = 0; wave < 4; ++wave)
            if (tick_.Moved[wave][a])
                (*component[wave])[a]->Set_Top(tick_.Component[wave][a]);
        Shape1[a]->Set_Top(tick_.Resultant[a][0]);
        Shape2[a]->Set_Top(tick_.Resultant[a][1]);
    }
    Record_Tick(elapsed_.Seconds(), ticked);

    elapsed_.Advance();
    lbl_time->Set_Caption(Simulation::Number_Text(Elapsed_Time()));
    if (elapsed_.On_Whole_Second() && clock_mode_ != 0) {
        Timer1->stop();
        // The last tick is shown now, not one refresh later.
        Frame_Clock::Show_Now(*this);
        Update_Go_Tip(); // a clock step can leave a paused run at a new time
    }
    if (Elapsed_Time() > end_time_) {
        clock_mode_ = 1;
        cmd_Go->setEnabled(false);
        cmd_Back->setEnabled(true);
        Update_Go_Tip();
    }
}

// Run control.

void frm_dalvo::cmd_Go_Click()
{
    Run_Handler([this] {
        if (cmd_Go->Shown_Picture() == Image2->Shown_Picture()) {
            cmd_Go->Set_Picture(Image1->Shown_Picture());
            Dalvo_module::Disable_Wave_Attr(*this);
            for (CheckBox *box : {chk_wave1, chk_wave2, chk_wave3, chk_wave4})
                box->setEnabled(false);
            for (CommandButton *button : {cmd_Clock, cmd_Back, cmd_Save, cmd_Open, cmd_Print,
                                          cmd_Export, cmd_Info, cmd_Exit})
                button->setEnabled(false);
            clock_mode_ = 0;
            if (!Timer1->isActive())
                Start_Timer1();
        } else {
            cmd_Go->Set_Picture(Image2->Shown_Picture());
            cmd_Clock->setEnabled(true);
            cmd_Back->setEnabled(true);
            Timer1->stop();
            Frame_Clock::Show_Now(*this);
        }
        Update_Go_Tip();
    });
}

void frm_dalvo::cmd_Clock_Click()
{
    Run_Handler([this] {
        clock_mode_ = 1;
        if (!Timer1->isActive())
            Start_Timer1();
    });
}

void frm_dalvo::cmd_Back_Click()
{
    Run_Handler([this] {
        elapsed_.Reset();
        history_.Clear();
        pic_Graph->update();
        cmd_Go->setEnabled(true);
        cmd_Go->Set_Picture(Image2->Shown_Picture());
        cmd_Clock->setEnabled(true);
        cmd_Back->setEnabled(false);
        for (CommandButton *button :
             {cmd_Save, cmd_Open, cmd_Print, cmd_Export, cmd_Info, cmd_Exit})
            button->setEnabled(true);
        for (CheckBox *box : {chk_wave1, chk_wave2, chk_wave3, chk_wave4})
            box->setEnabled(true);
        Dalvo_module::Refresh_All(*this);
        Frame_Clock::Show_Now(*this);
        Update_Go_Tip();
    });
}

// The pace takes effect at once and neither starts, stops nor resets a run: a running timer goes
// on with the new schedule from now.
void frm_dalvo::cbo_Pace_Click()
{
    Run_Handler([this] {
        pace_ = Simulation::Pace_Schedule(static_cast<Simulation::Pace>(cbo_Pace->currentIndex()));
        if (Timer1->isActive())
            Start_Timer1();
        else
            Timer1->setInterval(pace_.Interval_Ms());
    });
}

void frm_dalvo::Start_Timer1()
{
    pace_.Anchor(wall_clock_.nsecsElapsed());
    Timer1->start(pace_.Interval_Ms());
}

// F5, F6, F7, F8 and Ctrl+E act as a click on cmd_Go, cmd_Clock, cmd_Back, cmd_Graph and cmd_Export
// wherever the focus is in the window, and only while the button itself could be clicked. Held
// down, a key acts once.
// The open pace list is a window of its own that takes the keys: there a key closes the list, then
// acts.
void frm_dalvo::Connect_Keys()
{
    const std::pair<QKeySequence, CommandButton *> keys[] = {
        {QKeySequence(Qt::Key_F5), cmd_Go},
        {QKeySequence(Qt::Key_F6), cmd_Clock},
        {QKeySequence(Qt::Key_F7), cmd_Back},
        {QKeySequence(Qt::Key_F8), cmd_Graph},
        {QKeySequence(Qt::CTRL | Qt::Key_E), cmd_Export}};
    QWidget *pace_list = cbo_Pace->view()->window();
    for (const auto &[key, button] : keys)
        for (QWidget *scope : {static_cast<QWidget *>(this), pace_list}) {
            auto *shortcut = new QShortcut(key, scope);
            shortcut->setObjectName(QStringLiteral("key_") + key.toString());
            shortcut->setContext(Qt::WindowShortcut);
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, button, [this, pace_list, button] {
                if (pace_list->isVisible())
                    cbo_Pace->hidePopup();
                if (button->isEnabled())
                    button->click();
            });
        }
}

// Start, pause or continue, as the next click will do in the run's present state; a finished run
// leads on only through cmd_Back.
void frm_dalvo::Update_Go_Tip()
{
    using Simulation::Run_State;
    const Simulation::Run_Observation seen = Run_Observed();
    const QList<Run_State> states = Simulation::Matching_Run_States(seen);
    const auto in = [&states](Run_State state) { return states.contains(state); };
    const QString name =
        in(Run_State::Finished) || in(Run_State::Finishing) ? tr("Η κίνηση τελείωσε")
        : in(Run_State::Running)                            ? tr("Παύση")
        : in(Run_State::Paused) || (in(Run_State::Stepping) && seen.setup_locked) ? tr("Συνέχεια")
                                                                                  : tr("Έναρξη");
    const QString tip =
        cmd_Go->isEnabled() ? name + QStringLiteral(" (F5)") : tr("%1 (F7: επαναφορά)").arg(name);
    // Set only when it changes: a control draws itself afresh after any event.
    if (cmd_Go->toolTip() != tip) {
        cmd_Go->setToolTip(tip);
        cmd_Go->setAccessibleName(name);
    }
}

Simulation::Run_Observation frm_dalvo::Run_Observed() const
{
    Simulation::Run_Observation seen{Timer1->isActive(),
                                     clock_mode_,
                                     cmd_Go->Shown_Picture() == Image2->Shown_Picture(),
                                     cmd_Go->isEnabled(),
                                     cmd_Clock->isEnabled(),
                                     cmd_Back->isEnabled(),
                                     false};
    for (const QWidget *control : std::initializer_list<const QWidget *>{
             chk_wave1, chk_wave2, chk_wave3, chk_wave4, cmd_Save, cmd_Open, cmd_Print, cmd_Export,
             cmd_Info, cmd_Exit})
        seen.setup_locked = seen.setup_locked || !control->isEnabled();
    return seen;
}
