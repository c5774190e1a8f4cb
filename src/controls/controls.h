// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's controls: Qt widgets that keep the properties the program reads and writes, with
// geometry in twips. Setting a value from code raises the control's event at once, and only when
// the value changes. This header brings the whole kit along.

#include "controls/check_box.h"
#include "controls/classic_look.h"
#include "controls/command_button.h"
#include "controls/frame.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/placement.h"
#include "controls/scroll_bar.h"
