// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

namespace Simulation {

// The states of a run, told apart by what the window shows: the timer, the clock mode, the
// picture and enabled state of the run buttons and whether the set-up is locked.
enum class Run_State
{
    Ready,
    Paused,
    Finished,
    Running,
    Stepping,
    Finishing,
};

struct Run_Observation
{
    bool timer_on = false;
    float clock_mode = 0;
    bool go_shows_start = true;
    bool go_enabled = true;
    bool clock_enabled = true;
    bool back_enabled = true;
    bool setup_locked = false;
};

// The states whose row of the state table fits the observation; empty when none does.
QList<Run_State> Matching_Run_States(const Run_Observation &seen);

} // namespace Simulation
