// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/paint_cache.h"

#include <QColor>
#include <QGroupBox>

// A frame with a caption that groups controls.
class Frame : public Cached_Painting<QGroupBox>
{
    Q_OBJECT

public:
    Frame(const QString &name, QWidget *parent);

    // The colour of the frame's own caption. It is kept out of the palette, which the controls
    // inside the frame would inherit.
    void Set_Caption_Colour(const QColor &colour);

protected:
    void Draw(QStylePainter &painter) override;

private:
    QColor caption_colour_;
};
