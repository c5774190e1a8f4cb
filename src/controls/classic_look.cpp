// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/classic_look.h"

#include "controls/colours.h"
#include "controls/frame.h"
#include "controls/paint_cache.h"
#include "controls/placement.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// The classic style, with the few sizes it gives in fixed pixels (a check box's box) grown with
// the zoom of the control's window.
class Zoomed_Style : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
            return widget ? qRound(size * Zoom_Of(widget)) : size;
        default:
            return size;
        }
    }
    // The style draws its arrows through a bitmap; a vector file gets them as the same triangles.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const bool arrow = element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown ||
                           element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight;
        if (arrow && option && painter && Paints_Vectors(*painter))
            Draw_Arrow(element, *option, *painter);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    // A scroll bar's trough is a pattern of two colours, which SVG readers do not show alike; a
    // vector file gets the colour the pattern reads as.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const bool trough = element == CE_ScrollBarAddPage || element == CE_ScrollBarSubPage;
        if (!trough || !option || !painter || !Paints_Vectors(*painter) ||
            (option->state & State_Sunken)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QColor light = option->palette.light().color(),
                     face = option->palette.window().color();
        painter->fillRect(option->rect,
                          QColor((light.red() + face.red()) / 2, (light.green() + face.green()) / 2,
                                 (light.blue() + face.blue()) / 2));
    }

private:
    static void Draw_Arrow(PrimitiveElement element, const QStyleOption &option, QPainter &painter)
    {
        const QRect r = option.rect;
        const int size = std::min(r.width(), r.height());
        if (size <= 1)
            return;
        const int border = size / 5, square = 2 * (size / 2), half = square / 2;
        QPolygon a;
        if (element == PE_IndicatorArrowUp)
            a.setPoints(3, border, half, half, border, square - border, half);
        else if (element == PE_IndicatorArrowDown)
            a.setPoints(3, border, half, half, square - border, square - border, half);
        else if (element == PE_IndicatorArrowRight)
            a.setPoints(3, square - border, half, half, border, half, square - border);
        else
            a.setPoints(3, border, half, half, border, half, square - border);
        const QPoint centre = a.boundingRect().center();
        painter.save();
        painter.translate(r.x() + (r.width() - size) / 2 + half - centre.x() - 1,
                          r.y() + (r.height() - size) / 2 + half - centre.y() - 1);
        QColor colour = option.palette.buttonText().color();
        if (!(option.state & State_Enabled)) {
            // Engraved: a light copy one pixel down and right.
            painter.setPen(option.palette.light().color());
            painter.setBrush(option.palette.light().color());
            painter.drawPolygon(a.translated(1, 1));
            colour = option.palette.mid().color();
        }
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawPolygon(a);
        painter.restore();
    }
};

} // namespace

void Set_Text_Colour(QWidget *control, quint32 colour)
{
    if (auto *frame = qobject_cast<Frame *>(control)) {
        frame->Set_Caption_Colour(Colours::To_QColor(colour));
        return;
    }
    // Disabled text keeps the desktop's grey, so a disabled label reads as disabled.
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Colours::To_QColor(colour));
        palette.setColor(group, QPalette::ButtonText, Colours::To_QColor(colour));
    }
    control->setPalette(palette);
}

void Set_Background(QWidget *control, quint32 colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Button, Colours::To_QColor(colour));
    palette.setColor(QPalette::Window, Colours::To_QColor(colour));
    control->setPalette(palette);
}

QFont Window_Font(bool bold)
{
    // A sans-serif font of the classic dialog font's proportions, with Greek letters.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

void Use_Classic_Style(QWidget &window)
{
    // Made after the controls, so the window deletes it after them.
    QStyle *windows = QStyleFactory::create(QStringLiteral("Windows"));
    if (!windows)
        return;
    auto *classic = new Zoomed_Style(windows);
    classic->setParent(&window);
    window.setStyle(classic);
    for (QWidget *control : window.findChildren<QWidget *>())
        control->setStyle(classic);
}

QPalette Classic_Palette()
{
    QPalette face;
    face.setColor(QPalette::Window, Colours::To_QColor(Colours::System + 15));
    face.setColor(QPalette::Button, Colours::To_QColor(Colours::System + 15));
    face.setColor(QPalette::WindowText, Qt::black);
    face.setColor(QPalette::ButtonText, Qt::black);
    face.setColor(QPalette::Base, Qt::white);
    face.setColor(QPalette::Text, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        face.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return face;
}
