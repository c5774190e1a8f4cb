// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace Simulation {

// The run-time errors a procedure can raise for its caller to trap, numbered as the users of the
// original program knew them.
enum class Error_Code
{
    Overflow = 6,
    Division_By_Zero = 11,
    Type_Mismatch = 13,
    Invalid_Property_Value = 380,
};

class Dalvo_Error : public std::runtime_error
{
public:
    Dalvo_Error(Error_Code code, const QString &what);
    Error_Code code() const { return code_; }

private:
    Error_Code code_;
};

// Floating-point steps that raise an error instead of producing an infinity or a NaN.
float To_Single(double value);
double Checked_Divide(double numerator, double denominator);
// Nearest 16-bit integer, a half going to the even neighbour.
qint16 Nearest_Integer(double value);

} // namespace Simulation
