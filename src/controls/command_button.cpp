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
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
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
