// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "file_chooser/file_messages.h"
#include "file_chooser/frm_dalvo_files.h"
#include "main_window/frm_dalvo.h"
#include "support/message_box_watcher.h"
#include "support/start_up_scenario.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Helpers shared by the scenario file and file chooser tests.
namespace Scenario_Test {

// The start-up file with some lines replaced: {line number, new text}.
inline QByteArray Start_Up_With(std::initializer_list<std::pair<int, QString>> changes)
{
    QStringList lines = QString::fromLatin1(Start_Up_Bytes).split(QStringLiteral("\r\n"));
    for (const auto &[line, text] : changes)
        lines[line - 1] = text;
    return lines.join(QStringLiteral("\r\n")).toLatin1();
}

inline const QString Opening = Scenario::Opening_Problem;
inline const QString Not_Dalvo = Scenario::Not_A_Dalvo_File;

// A fresh temporary folder as the process's current folder while it lives.
class Working_Folder
{
public:
    Working_Folder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~Working_Folder() { QDir::setCurrent(previous_); }

    QString File(const QString &name) const { return folder_.filePath(name); }
    bool Write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(File(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QByteArray Read(const QString &name) const
    {
        QFile file(File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Entries() const
    {
        return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

private:
    QString previous_;
    QTemporaryDir folder_;
};

// The open or save flow: the button, a name typed into the box, confirm.
inline void Confirm_Typed(frm_dalvo &form, bool open, const QString &name)
{
    open ? form.cmd_Open_Click() : form.cmd_Save_Click();
    Dalvo_Files(form).txt_FName->Set_Text(name);
    Dalvo_Files(form).cmd_OK_Click();
}

// These texts in this order, each in a box "Sorry ..." with an exclamation mark and one OK button.
inline void Compare_Sorry_Boxes(const Message_Box_Watcher &watcher, const QStringList &texts)
{
    QCOMPARE(watcher.Texts(), texts);
    for (const Message_Box_Watcher::Box &box : watcher.Boxes()) {
        QCOMPARE(box.title, QStringLiteral("Sorry ..."));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::Ok);
    }
}

} // namespace Scenario_Test
