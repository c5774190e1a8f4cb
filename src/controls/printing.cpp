// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

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

namespace {

void Turn_Page(QSize image, QPrinter &printer)
{
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
}

} // namespace

double Print_Zoom(QSize client, QPrinter &printer)
{
    if (client.isEmpty())
        return 1.0;
    Turn_Page(client, printer);
    const QRect fitted = Fit_On_Page(client, QRect(0, 0, printer.width(), printer.height()));
    const double dots = std::min(1.0, double(Finest_Dpi) / std::max(1, printer.resolution()));
    return std::max(1.0, fitted.width() * dots / client.width());
}

bool Print_Image(const QImage &image, QPrinter &printer)
{
    if (image.isNull())
        return false;
    Turn_Page(image.size(), printer);
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
