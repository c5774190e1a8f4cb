// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wave_numbers.h"
#include "core/number_text.h"

#include <cmath>

namespace Simulation {

namespace {

QString Quotient_Text(float numerator, float denominator)
{
    if (numerator == 0 || denominator == 0)
        return No_Number;
    const float quotient = numerator / denominator;
    return std::isfinite(quotient) ? Number_Text(quotient) : No_Number;
}

} // namespace

Wave_Numbers Wave_Numbers_Of(float frequency, float speed)
{
    return {Number_Text(frequency), Quotient_Text(1, frequency), Quotient_Text(speed, frequency)};
}

} // namespace Simulation
