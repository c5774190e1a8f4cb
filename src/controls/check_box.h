// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/paint_cache.h"

#include <QCheckBox>

// A three-state check box whose Value code sets and reads.
class CheckBox : public Cached_Painting<QCheckBox>
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE Set_Value)

public:
    CheckBox(const QString &name, const QString &caption, QWidget *parent);

    // 0 clear, 1 checked, 2 greyed; any other value is refused with an error.
    int Value() const;
    void Set_Value(int value);

protected:
    // A user's click toggles between clear and checked; only code sets the greyed value.
    void nextCheckState() override;
    void Draw(QStylePainter &painter) override;
};
