// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/classic_look.h"

#include "controls/colours.h"
#include "controls/frame.h"
#include "controls/placement.h"

#include <QProxyStyle>
#include <QStyleFactory>

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
