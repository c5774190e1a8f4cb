#include "commands/print_window.h"

#include "main_window/frm_dalvo.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Printing {

namespace {

const char *const Source_Name = "dalvo_printer_source";

// Holds a window's printer factory as a child of the window, so that it lives and dies with it.
class Printer_Source : public QObject
{
public:
    Printer_Source(Printer_Factory factory, QObject *window)
        : QObject(window), factory_(std::move(factory))
    {
        setObjectName(QLatin1String(Source_Name));
    }

    std::unique_ptr<QPrinter> Make() const { return factory_(); }
    void Replace(Printer_Factory factory) { factory_ = std::move(factory); }

private:
    Printer_Factory factory_;
};

Printer_Source *Source_Of(const QWidget &window)
{
    return dynamic_cast<Printer_Source *>(
        window.findChild<QObject *>(QLatin1String(Source_Name), Qt::FindDirectChildrenOnly));
}

} // namespace

std::unique_ptr<QPrinter> Printer_For(const QWidget &window)
{
    if (const Printer_Source *source = Source_Of(window))
        return source->Make();
    const QPrinterInfo default_printer = QPrinterInfo::defaultPrinter();
    if (default_printer.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(default_printer, QPrinter::HighResolution);
    printer->setDocName(window.windowTitle());
    return printer;
}

void Set_Printer_Factory(QWidget &window, Printer_Factory factory)
{
    Printer_Source *source = Source_Of(window);
    if (!factory) {
        delete source;
        return;
    }
    if (source)
        source->Replace(std::move(factory));
    else
        new Printer_Source(std::move(factory), &window);
}

QRect Fit_On_Page(QSize image, const QRect &page)
{
    if (image.isEmpty() || page.isEmpty())
        return {};
    const QSize fitted = image.scaled(page.size(), Qt::KeepAspectRatio);
    return QRect(page.left() + (page.width() - fitted.width()) / 2,
                 page.top() + (page.height() - fitted.height()) / 2, fitted.width(),
                 fitted.height());
}

bool Print_Image(const QImage &image, QPrinter &printer)
{
    if (image.isNull())
        return false;
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(Fit_On_Page(image.size(), painter.viewport()), image);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error &&
           printer.printerState() != QPrinter::Aborted;
}

bool Print_Window(frm_dalvo &window, QPrinter &printer)
{
    return Print_Image(window.Render_Client_Area(), printer);
}

} // namespace Printing
