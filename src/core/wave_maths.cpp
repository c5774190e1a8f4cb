// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wave_maths.h"
#include "core/vector_state.h"

#include <cfloat>
#include <cmath>

namespace Simulation {

namespace {

// A sum of two products can leave the single range only with amplitudes that no scroll bar
// gives; hold it at the largest single instead of drawing an infinity.
float Saturated_Single(double value)
{
    if (value > static_cast<double>(FLT_MAX))
        return FLT_MAX;
    if (value < -static_cast<double>(FLT_MAX))
        return -FLT_MAX;
    return static_cast<float>(value);
}

} // namespace

double Phase_Angle(const Wave &wave, float t, float position)
{
    if (wave.Wavelength == 0 || !std::isfinite(wave.Wavelength))
        return 0;
    const double exact =
        static_cast<double>(wave.Frequency) * t - static_cast<double>(position) / wave.Wavelength;
    // A phase no single can hold (only from a scenario file's numbers) would turn into an
    // infinite angle and a NaN position: such a ball is not moved.
    if (!(std::fabs(exact) <= static_cast<double>(FLT_MAX)))
        return 0;
    const auto phase = static_cast<float>(exact);
    if (!(phase > 0))
        return 0;
    return 2 * Pi * static_cast<double>(phase);
}

float Displacement(float amplitude, double angle)
{
    return Saturated_Single(static_cast<double>(amplitude) * std::sin(angle));
}

void Compute_Tick(const std::array<Wave, Wave_Count> &waves,
                  const std::array<bool, Wave_Count> &ticked, float t, Tick_Positions &out)
{
    Clear_Vector_Upper_State();
    for (int a = 0; a < Ball_Count; ++a) {
        // amplitude x sine per wave; a wave not ticked or not yet arrived contributes 0
        std::array<double, Wave_Count> product{};
        for (int wave = 0; wave < Wave_Count; ++wave) {
            out.Moved[wave][a] = false;
            if (!ticked[wave])
                continue;
            const int position = wave % 2 == 0 ? a : Ball_Count - 1 - a;
            const double angle = Phase_Angle(waves[wave], t, static_cast<float>(position));
            if (angle == 0)
                continue;
            product[wave] = static_cast<double>(waves[wave].Amplitude) * std::sin(angle);
            out.Component[wave][a] = Saturated_Single(product[wave]);
            out.Moved[wave][a] = true;
        }
        out.Resultant[a][0] = Saturated_Single(product[1] + product[0]);
        out.Resultant[a][1] = Saturated_Single(product[3] + product[2]);
    }
}

} // namespace Simulation
