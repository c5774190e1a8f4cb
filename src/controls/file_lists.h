// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/volumes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <chrono>

// The file chooser's text box and its drive, directory and file lists. As on the main window,
// setting a value from code raises the control's event at once, and only when the value changes;
// the user's actions raise the same events. A path that cannot be listed is refused with an error
// and changes nothing.

namespace File_Lists {

// An absolute, clean path of a folder that can be listed; throws otherwise.
QString Listable_Folder(const QString &path);

} // namespace File_Lists

class TextBox : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE Set_Text)

public:
    TextBox(const QString &name, const QString &text, QWidget *parent);

    void Set_Text(const QString &text);
    // Selects that many characters from the start of the text.
    void Set_SelLength(int length);

signals:
    void Change();
    // The focus moved to another control of the same window; switching windows does not count.
    void LostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

class DriveListBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString Drive READ Drive WRITE Set_Drive)

public:
    // Lists the mounted volumes from the mount table and shows the drive of the current
    // directory. No volume is touched until the user picks one.
    DriveListBox(const QString &name, QWidget *parent);

    QString Drive() const;
    // Shows the drive of a path (a drive's root names itself).
    void Set_Drive(const QString &path);

    const QStringList &Drives() const { return drives_; }
    // Offers these volume roots instead; the drive shown stays when it is among them.
    void List_Drives(const QStringList &roots);

    // Asks whether a folder of a picked drive answers, while the window goes on: Probed follows,
    // at once for a drive that answers at once, else when it answers or the time limit passes.
    // One probe at a time: false, and nothing asked, while one is waited for.
    bool Probe(const QString &folder);
    bool Probing() const { return probe_->Waiting(); }
    void Set_Probe(Volumes::Drive_Probe probe, std::chrono::milliseconds limit);

signals:
    void Change();
    void Probed(const QString &folder, bool answers);

protected:
    // The wheel over the closed list would change the drive, notch by notch.
    void wheelEvent(QWheelEvent *event) override;

private:
    QStringList drives_;
    bool filling_ = false;
    Volumes::Probe_Wait *probe_;
};

// A list of a folder's entries: the directory list and the file list.
class Folder_List : public QListWidget
{
    Q_OBJECT

public:
    QString Path() const { return path_; }
    // Lists another folder and raises the list's path event; the folder shown changes nothing.
    void Set_Path(const QString &path);

protected:
    // Starts in the folder asked for, or in the root when that cannot be listed; the list fills
    // itself once made.
    Folder_List(const QString &name, const QString &path, QWidget *parent);

    virtual void Fill() = 0;
    virtual void Path_Changed() = 0;

private:
    QString path_;
};

class DirListBox : public Folder_List
{
    Q_OBJECT
    Q_PROPERTY(QString Path READ Path WRITE Set_Path)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE Set_ListIndex)

public:
    DirListBox(const QString &name, const QString &path, QWidget *parent);

    // -1 is the folder of Path, -2, -3, ... its parents upwards, 0 .. ListCount - 1 its subfolders.
    int ListIndex() const;
    void Set_ListIndex(int index);
    int ListCount() const;
    // The full path of the entry at a list index; empty outside the list.
    QString List(int index) const;

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Fill() override;
    void Path_Changed() override { emit Change(); }
    void Enter(const QListWidgetItem *item);

    int folder_row_ = 0; // the row of Path's own entry, below its parents
};

class FileListBox : public Folder_List
{
    Q_OBJECT
    Q_PROPERTY(QString Path READ Path WRITE Set_Path)
    Q_PROPERTY(QString Pattern READ Pattern WRITE Set_Pattern)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE Set_ListIndex)

public:
    FileListBox(const QString &name, const QString &path, const QString &pattern, QWidget *parent);

    QString Pattern() const { return pattern_; }
    // One or more name patterns separated by semicolons.
    void Set_Pattern(const QString &pattern);

    // -1 when no name is selected.
    int ListIndex() const;
    void Set_ListIndex(int index);
    int ListCount() const { return count(); }
    // The name at a list index; empty outside the list.
    QString List(int index) const;

signals:
    void PathChange();
    void PatternChange();
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    void Fill() override;
    void Path_Changed() override { emit PathChange(); }

    QString pattern_;
    bool filling_ = false;
};
