// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/file_lists.h"

#include "controls/handler_guard.h"
#include "core/dalvo_error.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QWheelEvent>

#include <future>
#include <memory>
#include <thread>

using Simulation::Dalvo_Error;
using Simulation::Error_Code;

namespace File_Lists {

namespace {

const QString Root = QStringLiteral("/");

[[noreturn]] void Refuse(const char *what)
{
    throw Dalvo_Error(Error_Code::Invalid_Property_Value, QString::fromLatin1(what));
}

// The folder holding a path; the root has none.
QString Parent_Of(const QString &path)
{
    const auto slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? Root : path.left(slash);
}

QString Indent(qsizetype depth)
{
    return QString(2 * depth, QLatin1Char(' '));
}

} // namespace

QString Drive_Of(const QString &path, const QStringList &drives)
{
    QString best;
    for (const QString &root : drives) {
        const bool holds = root == Root || path == root || path.startsWith(root + QLatin1Char('/'));
        if (holds && path.startsWith(QLatin1Char('/')) && root.size() > best.size())
            best = root;
    }
    return best;
}

QString Directory_On_Drive(const QString &drive, const QString &shown, const QStringList &drives)
{
    return Drive_Of(shown, drives) == drive ? shown : drive;
}

QString Listable_Folder(const QString &path)
{
    if (path.isEmpty())
        Refuse("Path not found");
    const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        Refuse("Path not found");
    return folder;
}

namespace {

// A field of the mount table, its blanks and backslashes written as octal escapes ("\040").
QString Mount_Field(const QByteArray &field)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QByteArray code = field.mid(i + 1, 3);
        bool octal = field[i] == '\\' && code.size() == 3;
        for (const char c : code)
            octal = octal && c >= '0' && c <= '7';
        if (octal) {
            bytes += static_cast<char>(code.toInt(nullptr, 8));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

bool Lies_Under(const QString &path, const char *folder)
{
    const QLatin1String top(folder);
    return path == top || path.startsWith(top + QLatin1Char('/'));
}

} // namespace

QStringList Mounted_Roots(const QByteArray &mount_table)
{
    QStringList roots{Root};
    for (const QByteArray &line : mount_table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QByteArray &device = fields[0], &type = fields[2];
        const QString root = QDir::cleanPath(Mount_Field(fields[1]));
        if (!root.startsWith(Root) || root.contains(QChar::ReplacementCharacter))
            continue;
        if (Lies_Under(root, "/dev") || Lies_Under(root, "/proc") || Lies_Under(root, "/sys") ||
            Lies_Under(root, "/var/run") || Lies_Under(root, "/var/lock"))
            continue;
        if (type == "rootfs" || type == "rpc_pipefs" ||
            (type != "tmpfs" && !device.startsWith('/')))
            continue;
        roots << root;
    }
    roots.removeDuplicates();
    roots.sort();
    return roots;
}

bool Folder_Answers(const QString &folder)
{
    try {
        Listable_Folder(folder);
        return true;
    } catch (const Dalvo_Error &) {
        return false;
    }
}

bool Answers_In_Time(const QString &folder, const Drive_Probe &probe,
                     std::chrono::milliseconds limit) noexcept
{
    try {
        auto answer = std::make_shared<std::promise<bool>>();
        std::future<bool> answered = answer->get_future();
        std::thread([answer, folder, probe] {
            try {
                answer->set_value(probe(folder));
            } catch (...) {
                answer->set_value(false);
            }
        }).detach();
        return answered.wait_for(limit) == std::future_status::ready && answered.get();
    } catch (...) {
        return false;
    }
}

} // namespace File_Lists

using namespace File_Lists;

namespace {

// Names a directory or file list and gives the folder it starts in: the one asked for, or the
// root when that cannot be listed.
QString Start_List(QListWidget &list, const QString &name, const QString &path)
{
    list.setObjectName(name);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    try {
        return Listable_Folder(path);
    } catch (const Dalvo_Error &) {
        return QStringLiteral("/");
    }
}

} // namespace

TextBox::TextBox(const QString &name, const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::Set_Text(const QString &text)
{
    Handler_Guard::Raise_Events([&] { setText(text); });
}

void TextBox::Set_SelLength(int length)
{
    setSelection(0, length);
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking over leaves the focus where it was within this window.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit LostFocus();
}

DriveListBox::DriveListBox(const QString &name, QWidget *parent) : QComboBox(parent)
{
    setObjectName(name);
    // Reading the table touches no volume: a stale network mount cannot hold the window here.
    QFile table(QStringLiteral("/proc/self/mounts"));
    List_Drives(Mounted_Roots(table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray()));
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            emit Change();
    });
}

QString DriveListBox::Drive() const
{
    return drives_.value(currentIndex());
}

void DriveListBox::Set_Drive(const QString &path)
{
    const int index = static_cast<int>(drives_.indexOf(Drive_Of(QDir::cleanPath(path), drives_)));
    if (index < 0)
        Refuse("Device unavailable");
    Handler_Guard::Raise_Events([&] { setCurrentIndex(index); });
}

void DriveListBox::List_Drives(const QStringList &roots)
{
    const QString shown = Drive().isEmpty() ? QDir::currentPath() : Drive();
    filling_ = true;
    clear();
    drives_ = roots;
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString &root : drives_)
        addItem(icon, root);
    setCurrentIndex(static_cast<int>(drives_.indexOf(Drive_Of(shown, drives_))));
    filling_ = false;
}

bool DriveListBox::Answers(const QString &folder) const
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool answered = Answers_In_Time(folder, probe_, limit_);
    QGuiApplication::restoreOverrideCursor();
    return answered;
}

void DriveListBox::Set_Probe(Drive_Probe probe, std::chrono::milliseconds limit)
{
    probe_ = std::move(probe);
    limit_ = limit;
}

void DriveListBox::wheelEvent(QWheelEvent *event)
{
    // Only the open list scrolls; it takes the wheel itself, so this one never needs it.
    event->ignore();
}

DirListBox::DirListBox(const QString &name, const QString &path, QWidget *parent)
    : QListWidget(parent)
{
    path_ = Start_List(*this, name, path);
    Fill();
    connect(this, &QListWidget::itemDoubleClicked, this, &DirListBox::Enter);
}

void DirListBox::Set_Path(const QString &path)
{
    const QString folder = Listable_Folder(path);
    if (folder == path_)
        return;
    path_ = folder;
    Fill();
    Handler_Guard::Raise_Events([this] { emit Change(); });
}

// The parents from the root down, the folder itself, then its subfolders one level deeper.
void DirListBox::Fill()
{
    clear();
    QStringList chain{path_};
    while (chain.front() != QLatin1String("/"))
        chain.prepend(Parent_Of(chain.front()));
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto add = [this](const QIcon &icon, qsizetype depth, const QString &text,
                            const QString &folder) {
        auto *item = new QListWidgetItem(icon, Indent(depth) + text, this);
        item->setData(Qt::UserRole, folder);
    };
    for (qsizetype depth = 0; depth < chain.size(); ++depth)
        add(open, depth, depth == 0 ? chain[0] : QFileInfo(chain[depth]).fileName(), chain[depth]);
    const QFileInfoList subfolders =
        QDir(path_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &folder : subfolders)
        add(closed, chain.size(), folder.fileName(), QDir::cleanPath(folder.absoluteFilePath()));
    folder_row_ = static_cast<int>(chain.size()) - 1;
    setCurrentRow(folder_row_);
}

int DirListBox::ListIndex() const
{
    return currentRow() < 0 ? -1 : currentRow() - folder_row_ - 1;
}

void DirListBox::Set_ListIndex(int index)
{
    const int row = index + folder_row_ + 1;
    if (row < 0 || row >= count())
        Refuse("Invalid property value");
    setCurrentRow(row);
}

int DirListBox::ListCount() const
{
    return count() - folder_row_ - 1;
}

QString DirListBox::List(int index) const
{
    const QListWidgetItem *entry = item(index + folder_row_ + 1);
    return entry ? entry->data(Qt::UserRole).toString() : QString();
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        Enter(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirListBox::Enter(const QListWidgetItem *item)
{
    const QString folder = item->data(Qt::UserRole).toString();
    Handler_Guard::Run_Handler([&] { Set_Path(folder); });
}

FileListBox::FileListBox(const QString &name, const QString &path, const QString &pattern,
                         QWidget *parent)
    : QListWidget(parent), pattern_(pattern)
{
    path_ = Start_List(*this, name, path);
    Fill();
    // The selection, not the keyboard's current entry, is the list index: an entry the focus
    // merely rests on is not picked.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_)
            emit Click();
    });
}

void FileListBox::Set_Path(const QString &path)
{
    const QString folder = Listable_Folder(path);
    if (folder == path_)
        return;
    path_ = folder;
    Fill();
    Handler_Guard::Raise_Events([this] { emit PathChange(); });
}

void FileListBox::Set_Pattern(const QString &pattern)
{
    if (pattern == pattern_)
        return;
    pattern_ = pattern;
    Fill();
    Handler_Guard::Raise_Events([this] { emit PatternChange(); });
}

void FileListBox::Set_ListIndex(int index)
{
    if (index < -1 || index >= count())
        Refuse("Invalid property value");
    Handler_Guard::Raise_Events([&] {
        if (index < 0)
            clearSelection();
        else
            setCurrentRow(index);
    });
}

int FileListBox::ListIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

QString FileListBox::List(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

// The plain files of the folder whose names match the pattern, sorted; none selected. Names
// starting with a dot are listed too: a name saved from an empty box is ".dlv", and a saved file
// must be found here. QDir leaves out a name whose bytes are not valid UTF-8 (here and in the
// folder list), which shown with a replacement character would name another file or none.
void FileListBox::Fill()
{
    filling_ = true;
    clear();
    const QStringList patterns = pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QFileInfo &file : QDir(path_).entryInfoList(patterns, QDir::Files | QDir::Hidden,
                                                           QDir::Name | QDir::IgnoreCase))
        addItem(file.fileName());
    filling_ = false;
}

// A picked name stays picked: Ctrl with a click or a key, or a click beside the names, would
// leave the list without one and so empty the name box.
QItemSelectionModel::SelectionFlags FileListBox::selectionCommand(const QModelIndex &index,
                                                                  const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command.testFlag(QItemSelectionModel::Deselect) ||
        (!index.isValid() && command.testFlag(QItemSelectionModel::Clear)))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void FileListBox::mousePressEvent(QMouseEvent *event)
{
    const int before = ListIndex();
    const bool on_name = itemAt(event->position().toPoint()) != nullptr;
    QListWidget::mousePressEvent(event);
    // A click on the name already selected is a click too.
    if (on_name && event->button() == Qt::LeftButton && ListIndex() == before)
        emit Click();
}
