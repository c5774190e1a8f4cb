// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tick_history.h"

namespace Simulation {

namespace {

// A run to its end and on to the next whole second: 525 ticks, some 0.6 MB. Held from the
// first tick on, so that no tick of a run pays for moving the history.
constexpr std::size_t Run_Ticks = 525;

} // namespace

void Tick_History::Clear()
{
    times_.clear();
    tops_.clear();
    ticked_.clear();
    ++clears_;
}

void Tick_History::Record(float time, const Rows &tops)
{
    Record(time, tops, {true, true, true, true});
}

void Tick_History::Record(float time, const Rows &tops, const std::array<bool, Wave_Count> &ticked)
{
    if (times_.capacity() == 0) {
        times_.reserve(Run_Ticks);
        tops_.reserve(Run_Ticks);
        ticked_.reserve(Run_Ticks);
    }
    times_.push_back(time);
    tops_.push_back(tops);
    ticked_.push_back(ticked);
}

float Tick_History::Top(int tick, int row, int ball) const
{
    return tops_.at(static_cast<std::size_t>(tick))
        .at(static_cast<std::size_t>(row))
        .at(static_cast<std::size_t>(ball));
}

bool Tick_History::Ticked(int tick, int wave) const
{
    return ticked_.at(static_cast<std::size_t>(tick)).at(static_cast<std::size_t>(wave));
}

} // namespace Simulation
