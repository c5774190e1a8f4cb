// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/run_state.h"

namespace Simulation {

namespace {

// The columns of one state with the timer off; Stepping is any of them with the timer on.
bool Fits_Resting(Run_State state, const Run_Observation &s)
{
    switch (state) {
    case Run_State::Ready:
        return s.go_enabled && s.go_shows_start && s.clock_enabled && !s.setup_locked;
    case Run_State::Paused:
        return (s.clock_mode == 0 || s.clock_mode == 1) && s.go_enabled && s.go_shows_start &&
               s.clock_enabled && s.back_enabled && s.setup_locked;
    case Run_State::Finished:
        return s.clock_mode == 1 && !s.go_enabled && s.back_enabled;
    default:
        return false;
    }
}

} // namespace

QList<Run_State> Matching_Run_States(const Run_Observation &seen)
{
    QList<Run_State> states;
    const QList<Run_State> resting = {Run_State::Ready, Run_State::Paused, Run_State::Finished};
    if (!seen.timer_on) {
        for (Run_State state : resting)
            if (Fits_Resting(state, seen))
                states.append(state);
        return states;
    }
    if (seen.clock_mode == 0 && seen.go_enabled && !seen.go_shows_start && !seen.clock_enabled &&
        !seen.back_enabled && seen.setup_locked)
        states.append(Run_State::Running);
    if (seen.clock_mode == 1) {
        for (Run_State state : resting)
            if (Fits_Resting(state, seen)) {
                states.append(Run_State::Stepping);
                break;
            }
        if (!seen.go_enabled && seen.back_enabled)
            states.append(Run_State::Finishing);
    }
    return states;
}

} // namespace Simulation
