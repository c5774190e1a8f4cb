// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/exporting.h"

#include <memory>

class frm_dalvo;

// The export's own window: a hidden copy of a window's set-up, run from t = 0 with the window's
// own tick, so that what is exported never touches the window's run.
namespace Exporting {

// The frames an animation is shown at, and the frames a held tick lasts in slow motion.
inline constexpr int Frames_Per_Second = 25;
inline constexpr int Slow_Hold = 4;

// The ticks from t = 0 that bring the run to `until` seconds: 0.04 s each, at most until the run
// has finished.
int Ticks_To(const frm_dalvo &window, float until);

// A hidden window at t = 0 with the set-up `source` shows: the waves and their values, the
// ticked boxes, the shown rows, the speeds, the pace, the marked balls in their order and the
// graph strip, shown or not.
std::unique_ptr<frm_dalvo> Copy_Window(const frm_dalvo &source);

// That copy run to `until` seconds and paused there, as a user who paused it then would see it
// (finished, if the run has ended by then).
std::unique_ptr<frm_dalvo> Run_Copy(const frm_dalvo &source, float until);

// Writes the animation of the copy from t = 0 to options.Until (or the end of the run, 20 s),
// one frame per tick at options.Zoom, each held for Slow_Hold frames in slow motion. Progress is
// told after every frame; returning false cancels, leaving nothing written, and returns
// Cancelled_Text.
QString Write_Animation(const frm_dalvo &source, const QString &path, Format format,
                        const Options &options, const Progress &progress);
QString Cancelled_Text();

} // namespace Exporting
