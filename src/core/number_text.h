// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace Simulation {

// The fixed text form in which handlers write numbers into captions: a leading blank (or a minus
// sign), a point as decimal separator whatever the locale, no digit before the point below 1, no
// trailing zeros; 7 significant digits for a single, 15 for a double.
QString Number_Text(float value);
QString Number_Text(double value);
QString Number_Text(int value);

// The number at the start of a caption, after leading blanks; 0 when the text does not start with
// one. Only decimal digits with an optional sign, point and exponent ("1E+07", "1.5e2", "1D3")
// are read, so "inf", "nan" and "0x10" never read as infinity, NaN or hexadecimal. Always finite:
// a number too large for a double reads as the largest one.
double Numeric_Reading(QStringView caption);

} // namespace Simulation
