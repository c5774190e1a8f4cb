// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/file_lists.h"

#include "controls/handler_guard.h"
#include "core/dalvo_error.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QWheelEvent>

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

} // namespace File_Lists

using namespace File_Lists;
using namespace Volumes;

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

DriveListBox::DriveListBox(const QString &name, QWidget *parent)
    : QComboBox(parent), probe_(new Probe_Wait(this))
{
    setObjectName(name);
    connect(probe_, &Probe_Wait::Answered, this, &DriveListBox::Probed);
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

bool DriveListBox::Probe(const QString &folder)
{
    return probe_->Start(folder);
}

void DriveListBox::Set_Probe(Drive_Probe probe, std::chrono::milliseconds limit)
{
    probe_->Set_Probe(std::move(probe), limit);
}

void DriveListBox::wheelEvent(QWheelEvent *event)
{
    // Only the open list scrolls; it takes the wheel itself, so this one never needs it.
    event->ignore();
}

Folder_List::Folder_List(const QString &name, const QString &path, QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    try {
        path_ = Listable_Folder(path);
    } catch (const Dalvo_Error &) {
        path_ = Root;
    }
}

void Folder_List::Set_Path(const QString &path)
{
    const QString folder = Listable_Folder(path);
    if (folder == path_)
        return;
    path_ = folder;
    Fill();
    Handler_Guard::Raise_Events([this] { Path_Changed(); });
}

DirListBox::DirListBox(const QString &name, const QString &path, QWidget *parent)
    : Folder_List(name, path, parent)
{
    Fill();
    connect(this, &QListWidget::itemDoubleClicked, this, &DirListBox::Enter);
}

// The parents from the root down, the folder itself, then its subfolders one level deeper.
void DirListBox::Fill()
{
    clear();
    QStringList chain{Path()};
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
    const QFileInfoList subfolders = QDir(Path()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                                QDir::Name | QDir::IgnoreCase);
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
    : Folder_List(name, path, parent), pattern_(pattern)
{
    Fill();
    // The selection, not the keyboard's current entry, is the list index: an entry the focus
    // merely rests on is not picked.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_)
            emit Click();
    });
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
    for (const QFileInfo &file : QDir(Path()).entryInfoList(patterns, QDir::Files | QDir::Hidden,
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
