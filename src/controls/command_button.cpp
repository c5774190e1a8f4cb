// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/command_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString &name, QWidget *parent) : Cached_Painting(parent)
{
    setObjectName(name);
    setAutoRaise(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::Draw(QStylePainter &painter)
{
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // Onto a vector device the picture is drawn from its source, not as the icon's bitmap.
    const bool from_source = picture_ && Paints_Vectors(painter);
    if (from_source)
        option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (!from_source)
        return;
    QRectF target(QPointF(), QSizeF(option.iconSize));
    target.moveCenter(QRectF(rect()).center());
    // As the disabled icon is drawn greyed.
    if (!isEnabled())
        painter.setOpacity(0.5);
    Paint_Picture(painter, target, *picture_);
}

void CommandButton::Set_Picture(Picture picture)
{
    picture_ = std::move(picture);
    Show_Picture();
}

void CommandButton::Show_Picture()
{
    drawn_.Forget();
    if (!picture_) {
        setIcon(QIcon());
        return;
    }
    // The picture object stays the button's; only what is shown is drawn at the zoom.
    const double zoom = Zoom_Of(this);
    const QSize size(qRound(picture_->deviceIndependentSize().width() * zoom),
                     qRound(picture_->deviceIndependentSize().height() * zoom));
    setIcon(QIcon(Picture_At(*picture_, size, devicePixelRatioF())));
    setIconSize(size);
}
