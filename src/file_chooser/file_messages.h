// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The messages of the file operations, and the trap that shows them.
namespace Scenario {

inline const QString Not_A_Dalvo_File = QStringLiteral("This is not a dalvo.exe file");
inline const QString Opening_Problem = QStringLiteral("Problem during the opening");
inline const QString Saving_Problem = QStringLiteral("Problem during the saving");
inline const QString Disk_Problem = QStringLiteral("Problem on the chosen disk");
inline const QString File_Problem = QStringLiteral("File problem");

// A modal box titled "Sorry ..." with an exclamation mark and a single OK button.
void Sorry(QWidget *parent, const QString &message);

// Runs one step of a file operation: a failure shows the message once and the caller goes on
// with its next step.
template <class Step> void Trap(QWidget *parent, const QString &message, Step &&step)
{
    try {
        step();
    } catch (...) {
        Sorry(parent, message);
    }
}

} // namespace Scenario
