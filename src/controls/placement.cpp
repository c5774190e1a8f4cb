// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/placement.h"

#include "controls/twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace {

// What a widget keeps for its zoom: a control its twips, a window its client size in twips, its
// zoom, the origin of its controls and whether lines are drawn at their finest; a control with a
// font of its own the font's size at 100 %.
constexpr char Twips_Key[] = "dalvo_twips";
constexpr char Client_Key[] = "dalvo_client_twips";
constexpr char Zoom_Key[] = "dalvo_zoom";
constexpr char Origin_Key[] = "dalvo_origin";
constexpr char Fine_Lines_Key[] = "dalvo_fine_lines";
constexpr char Points_Key[] = "dalvo_points";
constexpr char Icon_Key[] = "dalvo_icon_size";

QRect Placed(const QWidget &control, const QRectF &twips)
{
    QRect rect =
        Twips::To_Pixels(twips.x(), twips.y(), twips.width(), twips.height(), Zoom_Of(&control));
    const QWidget *window = control.window();
    if (control.parentWidget() == window)
        rect.translate(window->property(Origin_Key).toPoint());
    return rect;
}

// A font set on the control itself takes its size at the zoom; inherited fonts follow their
// container.
void Scale_Font(QWidget &control, double zoom)
{
    if (!control.testAttribute(Qt::WA_SetFont))
        return;
    QVariant points = control.property(Points_Key);
    if (!points.isValid()) {
        if (zoom == 1.0)
            return;
        points = control.font().pointSizeF();
        control.setProperty(Points_Key, points);
    }
    QFont font = control.font();
    font.setPointSizeF(points.toDouble() * zoom);
    control.setFont(font);
}

// Lists and drop-down boxes show their items' icons at a size of their own, which grows with the
// zoom like the items' text.
void Scale_Icons(QWidget &control, double zoom)
{
    auto *view = qobject_cast<QAbstractItemView *>(&control);
    auto *combo = qobject_cast<QComboBox *>(&control);
    if (!view && !combo)
        return;
    QVariant kept = control.property(Icon_Key);
    if (!kept.isValid()) {
        if (zoom == 1.0)
            return;
        QSize size = view ? view->iconSize() : combo->iconSize();
        if (!size.isValid()) {
            const int small =
                control.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &control);
            size = QSize(small, small);
        }
        kept = size;
        control.setProperty(Icon_Key, kept);
    }
    const QSize size = kept.toSize() * zoom;
    if (view)
        view->setIconSize(size);
    else
        combo->setIconSize(size);
}

} // namespace

void Place(QWidget *control, double left, double top, double width, double height)
{
    const QRectF twips(left, top, width, height);
    if (control->property(Twips_Key).toRectF() != twips)
        control->setProperty(Twips_Key, twips);
    control->setGeometry(Placed(*control, twips));
}

void Set_Client_Size(QWidget &window, double width, double height)
{
    window.setProperty(Client_Key, QSizeF(width, height));
    window.setFixedSize(Client_Size(window, Zoom_Of(&window)));
}

QSize Client_Size(const QWidget &window, double zoom)
{
    const QVariant twips = window.property(Client_Key);
    if (!twips.isValid())
        return window.size();
    const QSizeF size = twips.toSizeF();
    return QSize(Twips::To_Pixels(size.width(), zoom), Twips::To_Pixels(size.height(), zoom));
}

double Zoom_Of(const QWidget *control)
{
    if (!control)
        return 1.0;
    const QVariant zoom = control->window()->property(Zoom_Key);
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

void Apply_Zoom(QWidget &window, double zoom, QPoint origin)
{
    window.setProperty(Zoom_Key, zoom);
    window.setProperty(Origin_Key, origin);
    Scale_Font(window, zoom);
    // Every control, whatever its kind or whoever made it; a child window (the file chooser, a
    // message box) keeps the zoom it was made with.
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (control->window() != &window)
            continue;
        const QVariant twips = control->property(Twips_Key);
        if (twips.isValid())
            control->setGeometry(Placed(*control, twips.toRectF()));
        Scale_Font(*control, zoom);
        Scale_Icons(*control, zoom);
        if (auto *picture = dynamic_cast<Zoomed_Picture *>(control))
            picture->Show_Picture();
    }
}

void Paint_At_Zoom(QWidget &window, double zoom, QPainter &painter)
{
    // The window's own size stays, so the desktop sees no change; its controls are laid out at
    // the zoom for the time of the drawing and put back before any of them is painted again.
    struct Restore
    {
        QWidget &window;
        double zoom;
        QPoint origin;
        ~Restore()
        {
            window.setProperty(Fine_Lines_Key, QVariant());
            Apply_Zoom(window, zoom, origin);
        }
    } restore{window, Zoom_Of(&window), window.property(Origin_Key).toPoint()};
    window.setProperty(Fine_Lines_Key, true);
    Apply_Zoom(window, zoom);
    painter.fillRect(QRect(QPoint(), Client_Size(window, zoom)),
                     window.palette().color(window.backgroundRole()));
    for (QObject *child : window.children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && control->isVisibleTo(&window))
            control->render(&painter, control->pos());
    }
}

QImage Render_At_Zoom(QWidget &window, double zoom)
{
    QImage image(Client_Size(window, zoom), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    Paint_At_Zoom(window, zoom, painter);
    painter.end();
    return image;
}

double Line_Width(const QWidget *control)
{
    if (!control || control->window()->property(Fine_Lines_Key).toBool())
        return 1.0;
    return std::max(1.0, std::round(Zoom_Of(control)));
}
