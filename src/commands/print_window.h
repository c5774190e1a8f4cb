#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class frm_dalvo;

namespace Printing {

// Makes the printer for one print job; null when there is none.
using Printer_Factory = std::function<std::unique_ptr<QPrinter>()>;

// The printer a print from `window` goes to: the default printer, or, when a factory was set on
// that window, the factory's printer. Null when there is no default printer.
std::unique_ptr<QPrinter> Printer_For(const QWidget &window);

// Sends the prints of `window` to the factory's printer instead of the default printer (tests
// print into PDF files this way); an empty factory restores the default printer. The factory
// belongs to the window and goes with it.
void Set_Printer_Factory(QWidget &window, Printer_Factory factory);

// The largest rectangle of the image's aspect ratio that fits in the page, centred on it.
QRect Fit_On_Page(QSize image, const QRect &page);

// Prints the image as one page, as large as the page allows with its aspect ratio kept, turning
// the page to landscape for a wide image. False when the printer cannot be opened or fails.
bool Print_Image(const QImage &image, QPrinter &printer);

// Prints the window's client area as it is shown now. The window is rendered at screen
// resolution and the image scaled onto the page: rendering the widgets straight onto a
// high-resolution printer would rasterise them into a huge page.
bool Print_Window(frm_dalvo &window, QPrinter &printer);

} // namespace Printing
