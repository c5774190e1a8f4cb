// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/check_box.h"

#include "controls/handler_guard.h"
#include "core/dalvo_error.h"

#include <QStyleOptionButton>
#include <QStylePainter>

using Simulation::Dalvo_Error;
using Simulation::Error_Code;

CheckBox::CheckBox(const QString &name, const QString &caption, QWidget *parent)
    : Cached_Painting(caption, parent)
{
    setObjectName(name);
    setTristate(true);
    connect(this, &QCheckBox::stateChanged, this, [this] { drawn_.Forget(); });
}

int CheckBox::Value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void CheckBox::Set_Value(int value)
{
    static constexpr Qt::CheckState States[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value < 0 || value > 2)
        throw Dalvo_Error(Error_Code::Invalid_Property_Value,
                          QStringLiteral("Invalid property value"));
    Handler_Guard::Raise_Events([&] { setCheckState(States[value]); });
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void CheckBox::Draw(QStylePainter &painter)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_CheckBox, option);
}
