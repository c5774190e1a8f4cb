#include "controls/printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Printing {

std::unique_ptr<QPrinter> Default_Printer(const QString &document)
{
    const QPrinterInfo default_printer = QPrinterInfo::defaultPrinter();
    if (default_printer.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(default_printer, QPrinter::HighResolution);
    printer->setDocName(document);
    return printer;
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

} // namespace Printing
