// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command_line/command_line.h"

#include <memory>

class frm_dalvo;

// The program from its arguments to its exit code: --help and --version answer without a display,
// an export runs on the offscreen platform without showing a window, anything else starts the
// window. The exit code is 0 on success, 1 when an export fails, 2 for arguments it cannot use.
namespace Command_Line {

int Launch(int argc, char *argv[]);

// The window a request starts with (needs a QApplication): shown at the zoom asked for, the
// scenario opened through the chooser's own open (its message boxes included), the balls marked.
std::unique_ptr<frm_dalvo> Start_Window(const Request &request);

// Writes the export a request asks for (needs a QApplication): the scenario opened into a window
// that is never shown, the balls marked, then the file. The load's messages are not shown but
// make the export fail. Returns an empty string on success, else what went wrong; a failure writes
// nothing and leaves an existing file as it was.
QString Run_Export(const Request &request);

} // namespace Command_Line
