// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/handler_guard.h"

#include <QtDebug>
#include <stdexcept>

namespace Handler_Guard {

namespace {

// The settings in progress on this call stack, and the first error a handler raised inside the
// innermost one.
thread_local int setting_depth = 0;
thread_local std::exception_ptr held_error;

void Report(std::exception_ptr error) noexcept
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        qWarning("Dalvo: untrapped error: %s", e.what());
    } catch (...) {
        qWarning("Dalvo: untrapped error");
    }
}

} // namespace

void Hold_Or_Report(std::exception_ptr error) noexcept
{
    if (setting_depth > 0) {
        if (!held_error)
            held_error = error;
        return;
    }
    Report(error);
}

void Enter_Setting() noexcept
{
    ++setting_depth;
}

void Leave_Setting()
{
    --setting_depth;
    if (held_error) {
        std::exception_ptr error = std::exchange(held_error, nullptr);
        std::rethrow_exception(error);
    }
}

} // namespace Handler_Guard
