// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/exporting.h"

#include <QByteArray>

class QIODevice;
class frm_dalvo;

// The window's picture as a vector drawing and the run's numbers as CSV, as Export_To_File writes
// them.
namespace Exporting {

// The client area as shown (the graph strip with it when open) at 100 %: balls, lines and text
// as shapes and text, the buttons' and hands' pictures from their vector source, so the drawing
// is sharp at any size. A PDF is one page of the window's size. False when the device refused.
bool Write_Svg(frm_dalvo &window, QIODevice &device);
bool Write_Pdf(frm_dalvo &window, QIODevice &device);

// The CSV `content` asks for; none: the marked balls' history while a ball is marked, else all
// balls' positions now.
QByteArray Csv_Of(const frm_dalvo &window, std::optional<Csv_Content> content);

} // namespace Exporting
