#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

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
    // Lists the mounted volumes and shows the drive of the current directory.
    DriveListBox(const QString &name, QWidget *parent);

    QString Drive() const;
    // Shows the drive of a path (a drive's root names itself).
    void Set_Drive(const QString &path);

    const QStringList &Drives() const { return drives_; }
    // Offers these volume roots instead; the drive shown stays when it is among them.
    void List_Drives(const QStringList &roots);

signals:
    void Change();

private:
    QStringList drives_;
    bool filling_ = false;
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
