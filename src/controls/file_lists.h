// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <chrono>
#include <functional>

// The file chooser's text box and its drive, directory and file lists. As on the main window,
// setting a value from code raises the control's event at once, and only when the value changes;
// the user's actions raise the same events. A path that cannot be listed is refused with an error
// and changes nothing.

namespace File_Lists {

// The drive (volume root) a path lies on: the longest listed root that holds it; empty when none.
QString Drive_Of(const QString &path, const QStringList &drives);

// The folder a drive stands for: the one shown when it lies on that drive, else the drive's root.
QString Directory_On_Drive(const QString &drive, const QString &shown, const QStringList &drives);

// An absolute, clean path of a folder that can be listed; throws otherwise.
QString Listable_Folder(const QString &path);

// The volume roots of a mount table (as /proc/self/mounts gives it), read without touching any
// volume: the root, then the real volumes. Pseudo file systems (a device that is no path, except
// tmpfs) and mounts under /dev, /proc, /sys, /var/run and /var/lock are left out.
QStringList Mounted_Roots(const QByteArray &mount_table);

// Whether a folder can be listed. On a dead network mount it may not return for minutes.
using Drive_Probe = std::function<bool(const QString &folder)>;
bool Folder_Answers(const QString &folder);

// Runs the probe on a thread of its own and waits for it at most `limit`: false when the probe
// fails or has not answered by then. A probe that never returns is left behind on its thread,
// so it holds neither the window nor the end of the program.
bool Answers_In_Time(const QString &folder, const Drive_Probe &probe,
                     std::chrono::milliseconds limit) noexcept;

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

    // Whether a folder of a picked drive answers within the time limit.
    bool Answers(const QString &folder) const;
    void Set_Probe(File_Lists::Drive_Probe probe, std::chrono::milliseconds limit);

signals:
    void Change();

protected:
    // The wheel over the closed list would change the drive, notch by notch.
    void wheelEvent(QWheelEvent *event) override;

private:
    QStringList drives_;
    bool filling_ = false;
    File_Lists::Drive_Probe probe_ = File_Lists::Folder_Answers;
    std::chrono::milliseconds limit_{3000};
};

class DirListBox : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Path READ Path WRITE Set_Path)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE Set_ListIndex)

public:
    DirListBox(const QString &name, const QString &path, QWidget *parent);

    QString Path() const { return path_; }
    void Set_Path(const QString &path);

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
    void Fill();
    void Enter(const QListWidgetItem *item);

    QString path_;
    int folder_row_ = 0; // the row of Path's own entry, below its parents
};

class FileListBox : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Path READ Path WRITE Set_Path)
    Q_PROPERTY(QString Pattern READ Pattern WRITE Set_Pattern)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE Set_ListIndex)

public:
    FileListBox(const QString &name, const QString &path, const QString &pattern, QWidget *parent);

    QString Path() const { return path_; }
    void Set_Path(const QString &path);
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
    void Fill();

    QString path_;
    QString pattern_;
    bool filling_ = false;
};
