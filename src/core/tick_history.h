// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wave_maths.h"

#include <QtGlobal>
#include <array>
#include <vector>

namespace Simulation {

// Every tick of a run since t = 0, as the balls took it: the y-t graph draws what happened, so
// a ball marked late shows its whole past and a speed changed mid-run shows where it changed.
class Tick_History
{
public:
    // The six rows in the order Shape1, Shape11, Shape12, Shape2, Shape21, Shape22.
    static constexpr int Row_Count = 6;
    using Rows = std::array<std::array<float, Ball_Count>, Row_Count>;

    // The row a wave's component is kept in, and the resultant row of a panel (1 or 2).
    static constexpr int Component_Row(int wave) { return wave < 2 ? 1 + wave : 2 + wave; }
    static constexpr int Resultant_Row(int panel) { return panel == 1 ? 0 : 3; }

    void Clear();
    // One tick: the time it placed the balls for, and the Top each ball has after it. A
    // component row holds its wave's share of the resultant: 0 where the wave has not arrived.
    void Record(float time, const Rows &tops);
    // The same, with the waves the tick moved (its ticked check boxes).
    void Record(float time, const Rows &tops, const std::array<bool, Wave_Count> &ticked);

    int Size() const { return static_cast<int>(times_.size()); }
    float Time(int tick) const { return times_.at(static_cast<std::size_t>(tick)); }
    float Top(int tick, int row, int ball) const;
    bool Ticked(int tick, int wave) const;
    // Counts the clears, so a reader that keeps a drawing of the first ticks knows when they are
    // gone, even if as many ticks have come since.
    quint64 Clears() const { return clears_; }

private:
    std::vector<float> times_;
    std::vector<Rows> tops_;
    std::vector<std::array<bool, Wave_Count>> ticked_;
    quint64 clears_ = 0;
};

} // namespace Simulation
