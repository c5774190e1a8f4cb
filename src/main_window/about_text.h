// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Commands {

// The blanks that set the contact line of the about box in from the left.
inline constexpr int Contact_Indent = 19;

// The text of the about box: a one-line description of the program, a carriage return, then
// the contact line set in by Contact_Indent blanks.
QString About_Text();

} // namespace Commands
