// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/paint_cache.h"

#include <QLabel>

// A label: its caption as plain text, its geometry in twips.
class Label : public Cached_Painting<QLabel>
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE Set_Caption)
    Q_PROPERTY(double Left READ Left WRITE Set_Left)
    Q_PROPERTY(double Top READ Top WRITE Set_Top)
    Q_PROPERTY(double Width READ Width)
    Q_PROPERTY(double Height READ Height)

public:
    Label(const QString &name, const QString &caption, QWidget *parent);

    QString Caption() const { return text(); }
    void Set_Caption(const QString &caption) { setText(caption); }
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Set_Left(double left);
    void Set_Top(double top);
    void Set_Geometry(double left, double top, double width, double height);

protected:
    void Draw(QStylePainter &painter) override;
    void paintEvent(QPaintEvent *event) override;

private:
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    // Laying out a text costs far more than copying its picture, and a window repaints some
    // sixty labels. A new caption or alignment sends the label no event, so they are compared.
    QString drawn_text_;
    Qt::Alignment drawn_alignment_;
};
