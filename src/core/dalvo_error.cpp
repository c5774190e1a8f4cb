// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dalvo_error.h"

#include <cfloat>
#include <cmath>

namespace Simulation {

Dalvo_Error::Dalvo_Error(Error_Code code, const QString &what)
    : std::runtime_error(what.toStdString()), code_(code)
{
}

float To_Single(double value)
{
    if (std::isnan(value))
        throw Dalvo_Error(Error_Code::Overflow, QStringLiteral("Invalid floating-point operation"));
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        throw Dalvo_Error(Error_Code::Overflow, QStringLiteral("Overflow"));
    return static_cast<float>(value);
}

double Checked_Divide(double numerator, double denominator)
{
    if (denominator == 0.0) {
        if (numerator == 0.0)
            throw Dalvo_Error(Error_Code::Overflow, QStringLiteral("Overflow"));
        throw Dalvo_Error(Error_Code::Division_By_Zero, QStringLiteral("Division by zero"));
    }
    const double quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        throw Dalvo_Error(Error_Code::Overflow, QStringLiteral("Overflow"));
    return quotient;
}

qint16 Nearest_Integer(double value)
{
    if (!std::isfinite(value))
        throw Dalvo_Error(Error_Code::Overflow, QStringLiteral("Overflow"));
    const double rounded = std::nearbyint(value); // the default rounding mode sends halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw Dalvo_Error(Error_Code::Overflow, QStringLiteral("Overflow"));
    return static_cast<qint16>(rounded);
}

} // namespace Simulation
