// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_chooser/file_messages.h"

#include "controls/message_box.h"

namespace Scenario {

void Sorry(QWidget *parent, const QString &message)
{
    Message_Boxes::Message_Box(parent, message, QStringLiteral("Sorry ..."),
                               Message_Boxes::Ok_Only + Message_Boxes::Exclamation_Icon);
}

} // namespace Scenario
