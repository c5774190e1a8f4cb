// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Simulation {

// Library code that runs in the event loop between two ticks (Qt's start-up, painting) can leave
// the upper halves of the AVX registers in use. Until they are cleared, every SSE instruction and
// each sine of a tick pays for it: a tick took ten times as long. Clearing them costs a few
// cycles; Compute_Tick does it first. Does nothing on a processor without AVX.
void Clear_Vector_Upper_State();

} // namespace Simulation
