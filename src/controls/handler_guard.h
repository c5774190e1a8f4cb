// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <utility>

// Event handlers run either because the user did something (the event loop called them) or
// because code set a control's value and the control raised its event at once. An error in a
// handler must never reach the event loop, yet it must reach the procedure whose setting raised
// the event, as if the handler had been called directly.
namespace Handler_Guard {

void Hold_Or_Report(std::exception_ptr error) noexcept;
void Enter_Setting() noexcept;
// Leaves a setting and rethrows an error that a handler raised during it.
void Leave_Setting();

template <class Body> void Run_Handler(Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
    } catch (...) {
        Hold_Or_Report(std::current_exception());
    }
}

// Runs a setting that may raise events synchronously.
template <class Setting> void Raise_Events(Setting &&setting)
{
    Enter_Setting();
    try {
        std::forward<Setting>(setting)();
    } catch (...) {
        Leave_Setting();
        throw;
    }
    Leave_Setting();
}

} // namespace Handler_Guard
