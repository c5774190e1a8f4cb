// SPDX-License-Identifier: GPL-3.0-or-later
// Run control: the timer's tick, the go, clock and back buttons and the pace of the animation.
#include "controls/frame_clock.h"
#include "controls/handler_guard.h"
#include "core/number_text.h"
#include "main_window/dalvo_module.h"
#include "main_window/frm_dalvo.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

using Handler_Guard::Run_Handler;

namespace {

// Library code that runs in the event loop between two ticks can leave the upper halves of the
// AVX registers in use. Until they are cleared, every SSE instruction of the tick and each sine
// pays for it: the tick took ten times as long. Clearing them costs a few cycles.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
__attribute__((target("avx"))) void Zero_Upper_Avx()
{
    _mm256_zeroupper();
}

void Clear_Vector_Upper_State()
{
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx)
        Zero_Upper_Avx();
}
#else
void Clear_Vector_Upper_State() {}
#endif

} // namespace

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
    Clear_Vector_Upper_State();
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
            for (CommandButton *button :
                 {cmd_Clock, cmd_Back, cmd_Save, cmd_Open, cmd_Print, cmd_Info, cmd_Exit})
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
        cmd_Go->setEnabled(true);
        cmd_Go->Set_Picture(Image2->Shown_Picture());
        cmd_Clock->setEnabled(true);
        cmd_Back->setEnabled(false);
        for (CommandButton *button : {cmd_Save, cmd_Open, cmd_Print, cmd_Info, cmd_Exit})
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
