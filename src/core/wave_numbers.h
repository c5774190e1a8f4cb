// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Simulation {

// A wave's numbers beside its graph, in the captions' text form: its frequency f, its period
// T = 1/f and its wavelength λ = c/f in ball spacings, all in single precision as the tick
// holds them. A number that cannot be worked out (f or c is 0, as a scenario file can give)
// is a dash.
struct Wave_Numbers
{
    QString Frequency, Period, Wavelength;
};

inline const QString No_Number = QStringLiteral("–");

Wave_Numbers Wave_Numbers_Of(float frequency, float speed);

} // namespace Simulation
