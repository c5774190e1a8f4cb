// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/paint_cache.h"
#include "controls/picture.h"
#include "controls/placement.h"

#include <QToolButton>

// A push button that shows a picture object.
class CommandButton : public Cached_Painting<QToolButton>, public Zoomed_Picture
{
    Q_OBJECT

public:
    CommandButton(const QString &name, QWidget *parent);

    const Picture &Shown_Picture() const { return picture_; }
    void Set_Picture(Picture picture);
    // Shows the picture at the window's zoom.
    void Show_Picture() override;

protected:
    void Draw(QStylePainter &painter) override;

private:
    Picture picture_;
};
