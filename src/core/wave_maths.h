// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>

namespace Simulation {

inline constexpr int Ball_Count = 51;
inline constexpr int Wave_Count = 4;
// The program's value of pi: an angle is 2 x 3.14 x the phase.
inline constexpr double Pi = 3.14;

struct Wave
{
    float Frequency = 0;
    float Wavelength = 0;
    float Amplitude = 0;
};

// Phase angle of the ball at `position` (in ball spacings from the wave's source) at time t, or
// 0 while the wave front has not passed the ball. A wave whose wavelength is 0 or not finite moves
// no ball, nor does a phase beyond the single range.
double Phase_Angle(const Wave &wave, float t, float position);

// The vertical position of one ball: a single amplitude times the double sine, stored as single.
// A resultant ball is the sum of two such products, stored as single.
float Displacement(float amplitude, double angle);

// Everything one tick computes for the six rows of both panels. Waves 0 and 2 start at the left
// end (ball 0), waves 1 and 3 at the right end (ball 50).
struct Tick_Positions
{
    std::array<std::array<float, Ball_Count>, Wave_Count> Component{};
    std::array<std::array<bool, Ball_Count>, Wave_Count> Moved{};
    std::array<std::array<float, 2>, Ball_Count> Resultant{}; // [ball][panel]
};

// One tick at time t; it starts from a clean vector state (vector_state.h), whatever ran before.
void Compute_Tick(const std::array<Wave, Wave_Count> &waves,
                  const std::array<bool, Wave_Count> &ticked, float t, Tick_Positions &out);

// Elapsed simulated time, held as whole hundredths so that k ticks from 0 give exactly 0.04 k.
class Elapsed_Clock
{
public:
    static constexpr qint64 Tick_Hundredths = 4;

    float Seconds() const { return static_cast<float>(static_cast<double>(hundredths_) / 100.0); }
    qint64 Hundredths() const { return hundredths_; }
    bool On_Whole_Second() const { return hundredths_ % 100 == 0; }
    void Advance() { hundredths_ += Tick_Hundredths; }
    void Reset() { hundredths_ = 0; }

private:
    qint64 hundredths_ = 0;
};

} // namespace Simulation
