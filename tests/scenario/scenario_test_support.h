#pragma once

#include "main_window/frm_dalvo.h"
#include "scenario/frm_dalvo_files.h"
#include "scenario/message_box_watcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

// Helpers shared by the scenario file and file chooser tests.
namespace Scenario_Test {

// The lines of the scenario the window holds at start-up, without their line ends.
inline QStringList Start_Up_Lines()
{
    QStringList lines{QStringLiteral("\"Dalvo.exe V 1.0\""),
                      QStringLiteral("\"10\""),
                      QStringLiteral("\"10\""),
                      QStringLiteral("1"),
                      QStringLiteral("0"),
                      QStringLiteral("1"),
                      QStringLiteral("0")};
    for (int wave = 0; wave < 4; ++wave)
        lines << QStringLiteral("\"5\"") << QStringLiteral("\"1\"") << QStringLiteral("1");
    return lines;
}

// Lines as the bytes of a file: the Greek code page, CR LF after each line.
inline QByteArray File_Bytes(const QStringList &lines, const char *line_end = "\r\n")
{
    QStringEncoder encoder("windows-1253");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encoder.encode(line) + line_end;
    return bytes;
}

// The start-up lines with some replaced: {line number, new text}.
inline QStringList Start_Up_With(std::initializer_list<std::pair<int, QString>> changes)
{
    QStringList lines = Start_Up_Lines();
    for (const auto &[line, text] : changes)
        lines[line - 1] = text;
    return lines;
}

// The ten captions and eight check-box values a scenario file holds, in file order.
struct Snapshot
{
    QStringList captions;
    QList<int> values;
};

inline Snapshot Take(const frm_dalvo &form)
{
    Snapshot s;
    s.captions << form.lbl_c1->Caption() << form.lbl_c2->Caption();
    for (int wave = 0; wave < 4; ++wave)
        s.values << form.chk_wave(wave)->Value();
    for (std::size_t i = 0; i < 4; ++i) {
        s.captions << form.lbl_AA[i]->Caption() << form.lbl_ff[i]->Caption();
        s.values << form.chk_balls[i]->Value();
    }
    return s;
}

// Makes a fresh temporary folder the process's current folder, and restores the old one after.
class Working_Folder
{
public:
    Working_Folder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~Working_Folder() { QDir::setCurrent(previous_); }
    Working_Folder(const Working_Folder &) = delete;
    Working_Folder &operator=(const Working_Folder &) = delete;

    QString Path() const { return QDir::cleanPath(folder_.path()); }
    QString File(const QString &name) const { return QDir(folder_.path()).filePath(name); }
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
    // Every entry, hidden ones too.
    QStringList Entries() const
    {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

private:
    QString previous_;
    QTemporaryDir folder_;
};

// The chooser of the window while it is loaded.
inline frm_Dalvo_Files *Loaded_Chooser(frm_dalvo &form)
{
    for (auto *files : form.findChildren<frm_Dalvo_Files *>(QString(), Qt::FindDirectChildrenOnly))
        if (!files->Unloaded())
            return files;
    return nullptr;
}

// Lets an unloaded chooser go.
inline void Finish_Unloading()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The open or save flow as a user runs it: the button, a name typed into the box, confirm.
inline void Confirm_Typed(frm_dalvo &form, bool open, const QString &name)
{
    open ? form.cmd_Open_Click() : form.cmd_Save_Click();
    frm_Dalvo_Files &files = Dalvo_Files(form);
    files.txt_FName->Set_Text(name);
    files.cmd_OK_Click();
    Finish_Unloading();
}

// Opening a file picked from the chooser's list; false when the list does not show it.
inline bool Open_Picked(frm_dalvo &form, const QString &name)
{
    form.cmd_Open_Click();
    frm_Dalvo_Files &files = Dalvo_Files(form);
    for (int i = 0; i < files.fil_list->ListCount(); ++i) {
        if (files.fil_list->List(i) == name) {
            files.fil_list->Set_ListIndex(i);
            files.cmd_OK_Click();
            Finish_Unloading();
            return true;
        }
    }
    files.cmd_Cancel_Click();
    Finish_Unloading();
    return false;
}

// Checks the boxes shown: these texts in this order, each "Sorry ..." with an exclamation mark
// and a single OK button.
inline void Compare_Sorry_Boxes(const Message_Box_Watcher &watcher, const QStringList &texts)
{
    QCOMPARE(watcher.Texts(), texts);
    for (const Message_Box_Watcher::Box &box : watcher.Boxes()) {
        QCOMPARE(box.title, QStringLiteral("Sorry ..."));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }
}

} // namespace Scenario_Test
