// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pace.h"

namespace Simulation {

namespace {

constexpr qint64 Tick_Ns = 40'000'000; // 0.04 s of simulated time

qint64 Period_Ns(Pace pace)
{
    switch (pace) {
    case Pace::Real_Time:
        return Tick_Ns;
    case Pace::Slow_Motion:
        return 4 * Tick_Ns;
    case Pace::Fastest:
        break;
    }
    return 0;
}

} // namespace

Pace_Schedule::Pace_Schedule(Pace pace) : period_ns_(Period_Ns(pace)) {}

int Pace_Schedule::Interval_Ms() const
{
    return Paced() ? static_cast<int>(period_ns_ / 1'000'000) : Fastest_Interval_Ms;
}

void Pace_Schedule::Anchor(qint64 now_ns)
{
    anchor_ns_ = now_ns;
    ticks_ = 0;
}

int Pace_Schedule::Tick_Done(qint64 now_ns)
{
    if (!Paced())
        return Fastest_Interval_Ms;
    ++ticks_;
    const qint64 due = anchor_ns_ + (ticks_ + 1) * period_ns_;
    if (now_ns - due > Catch_Up_Limit_Ns) {
        // Anchored one period back, so that the next tick is due now.
        Anchor(now_ns - period_ns_);
        return 0;
    }
    // Rounded up: a tick never comes before its time.
    return due <= now_ns ? 0 : static_cast<int>((due - now_ns + 999'999) / 1'000'000);
}

} // namespace Simulation
