// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <memory>

class QPrinter;

// Printing a window's picture on one page.
namespace Printing {

// Makes the printer for one print job; null when there is none.
using Printer_Factory = std::function<std::unique_ptr<QPrinter>()>;

// The default printer, the job named after the document; null when there is no default printer.
std::unique_ptr<QPrinter> Default_Printer(const QString &document);

// The largest rectangle of the image's aspect ratio that fits in the page, centred on it.
QRect Fit_On_Page(QSize image, const QRect &page);

// The zoom at which a window of `client` logical pixels at 100 % fills the printer's page at the
// printer's resolution, up to Finest_Dpi: drawn at it, text and lines print sharp. Turns the page
// to landscape for a wide window, as Print_Image does.
inline constexpr int Finest_Dpi = 300;
double Print_Zoom(QSize client, QPrinter &printer);

// Prints the image as one page, as large as the page allows with its aspect ratio kept, turning
// the page to landscape for a wide image. False when the printer cannot be opened or fails.
bool Print_Image(const QImage &image, QPrinter &printer);

} // namespace Printing
