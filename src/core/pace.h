// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace Simulation {

// How fast the animation runs: as fast as the 5 ms timer allows, in real time (one simulated
// second per second) or in slow motion (a quarter of real time). Every tick still advances the
// time by 0.04 s; only the wall-clock time between ticks differs.
enum class Pace
{
    Fastest,
    Real_Time,
    Slow_Motion,
};

// The wall-clock schedule of a paced run. Tick k after the schedule was anchored is due k tick
// periods after the anchor, so the timer's lateness never adds up over a run. A late tick is
// never made up by running two at once: the next one is asked for at once instead. A run that
// fell far behind (the machine was held up) starts afresh rather than racing to catch up.
class Pace_Schedule
{
public:
    static constexpr int Fastest_Interval_Ms = 5;
    // A lag up to this much is made up, one tick at a time; a longer one is forgiven.
    static constexpr qint64 Catch_Up_Limit_Ns = 500'000'000;

    explicit Pace_Schedule(Pace pace = Pace::Fastest);

    bool Paced() const { return period_ns_ > 0; }
    // The wall-clock time one tick stands for: 5, 40 or 160 ms.
    int Interval_Ms() const;
    // Starts the schedule at the wall-clock time `now_ns`, no tick done yet.
    void Anchor(qint64 now_ns);
    // Counts one tick done at `now_ns` and says how many milliseconds to wait for the next one
    // (0: it is due already). At the fastest pace the timer's own interval.
    int Tick_Done(qint64 now_ns);

private:
    qint64 period_ns_ = 0;
    qint64 anchor_ns_ = 0;
    qint64 ticks_ = 0;
};

} // namespace Simulation
