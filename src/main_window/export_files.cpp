// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/export_files.h"

#include "controls/placement.h"
#include "core/csv_export.h"
#include "main_window/frm_dalvo.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace Exporting {

namespace {

// Draws the client area at 100 % on a device whose units are the screen's pixels, so fonts,
// given in points, take the size they have on the screen.
bool Paint_Window(frm_dalvo &window, QPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    Paint_At_Zoom(window, 1.0, painter);
    return painter.end();
}

} // namespace

bool Write_Svg(frm_dalvo &window, QIODevice &device)
{
    const QSize size = Client_Size(window, 1.0);
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setResolution(window.logicalDpiY());
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(window.windowTitle());
    return Paint_Window(window, svg);
}

bool Write_Pdf(frm_dalvo &window, QIODevice &device)
{
    const QSize size = Client_Size(window, 1.0);
    const int dpi = window.logicalDpiY();
    QPdfWriter pdf(&device);
    pdf.setResolution(dpi);
    pdf.setTitle(window.windowTitle());
    pdf.setCreator(QStringLiteral("Dalvo"));
    pdf.setPageSize(
        QPageSize(QSizeF(size) * 72.0 / dpi, QPageSize::Point, {}, QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    return Paint_Window(window, pdf);
}

QByteArray Csv_Of(const frm_dalvo &window, std::optional<Csv_Content> content)
{
    if (!content)
        content =
            window.Marked_Balls().isEmpty() ? Csv_Content::Positions : Csv_Content::Marked_History;
    return *content == Csv_Content::Positions
               ? Csv_Export::Positions(window.History())
               : Csv_Export::Marked_History(window.History(), window.Marked_Balls());
}

} // namespace Exporting
