#include "main_window/twips.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_test_support.h"
#include "simulation/dalvo_error.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <sys/stat.h>

using namespace Scenario_Test;

// The file chooser: its pure path rules, its design, its lists and the cascade of their events,
// and the open and save flows as a user runs them with mouse and keys.
class tst_file_chooser : public QObject
{
    Q_OBJECT

private slots:
    void join_path_data();
    void join_path();
    void with_extension_data();
    void with_extension();
    void names_no_file_data();
    void names_no_file();
    void drive_of_data();
    void drive_of();

    void control_geometry_data();
    void control_geometry();
    void design_settings();
    void opens_with_file_list_focused();
    void tab_order();
    void open_and_save_modes();

    void file_list_shows_matching_plain_files();
    void pattern_change();
    void directory_list_entries();
    void entering_a_folder_data();
    void entering_a_folder();
    void directory_change_cascade();
    void drive_change_data();
    void drive_change();

    void picking_from_the_list();
    void extension_completion_data();
    void extension_completion();
    void enter_uses_text_as_typed_data();
    void enter_uses_text_as_typed();
    void folder_and_name_joined_data();
    void folder_and_name_joined();
    void wildcard_after_directory_change_data();
    void wildcard_after_directory_change();
    void save_after_open();
    void text_box_shows_full_path_during_load();
    void cancel_data();
    void cancel();
    void reopening_starts_from_design();
};

namespace {

// A scenario unlike the start-up set-up: speeds 7 and 12, all waves chosen.
QByteArray Other_Scenario()
{
    return File_Bytes(Start_Up_With({{2, "\"7\""}, {3, "\"12\""}, {5, "1"}, {7, "1"}}));
}

// The chooser shown and active, so that focus and keys behave as on a desktop.
frm_Dalvo_Files *Shown_Chooser(frm_dalvo &form, bool open)
{
    open ? form.cmd_Open_Click() : form.cmd_Save_Click();
    frm_Dalvo_Files *files = Loaded_Chooser(form);
    if (files && !QTest::qWaitForWindowActive(files))
        return nullptr;
    return files;
}

// Replaces the text box's text by typing, the box having the focus.
void Type_Into(TextBox *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

QPoint Item_Centre(const QListWidget *list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

const QString Opening = Scenario::Opening_Problem;
const QString Not_Dalvo = Scenario::Not_A_Dalvo_File;

} // namespace

void tst_file_chooser::join_path_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");

    QTest::addRow("root folder") << "/"
                                 << "x.dlv"
                                 << "/x.dlv";
    QTest::addRow("other folder") << "/home/class"
                                  << "x.dlv"
                                  << "/home/class/x.dlv";
    QTest::addRow("full path as name") << "/home"
                                       << "/home/x.dlv"
                                       << "/home//home/x.dlv";
    QTest::addRow("root and full path") << "/"
                                        << "/x.dlv"
                                        << "//x.dlv";
    QTest::addRow("empty name") << "/home"
                                << ""
                                << "/home/";
}

void tst_file_chooser::join_path()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(Scenario::Join_Path(folder, name), path);
}

void tst_file_chooser::with_extension_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("file_name");

    QTest::addRow("no extension") << "name"
                                  << "name.dlv";
    QTest::addRow("lower case") << "name.dlv"
                                << "name.dlv";
    QTest::addRow("upper case") << "NAME.DLV"
                                << "NAME.DLV";
    QTest::addRow("mixed case") << "name.Dlv"
                                << "name.Dlv.dlv";
    QTest::addRow("other extension") << "x.dlv.txt"
                                     << "x.dlv.txt.dlv";
    QTest::addRow("empty") << ""
                           << ".dlv";
    QTest::addRow("short") << "ab"
                           << "ab.dlv";
    QTest::addRow("extension alone") << ".dlv"
                                     << ".dlv";
    QTest::addRow("no dot") << "xdlv"
                            << "xdlv.dlv";
    QTest::addRow("pattern") << "*.dlv"
                             << "*.dlv";
}

void tst_file_chooser::with_extension()
{
    QFETCH(QString, text);
    QFETCH(QString, file_name);
    QCOMPARE(Scenario::With_Extension(text), file_name);
}

void tst_file_chooser::names_no_file_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("no_file");

    QTest::addRow("pattern") << "/home/*.dlv" << true;
    QTest::addRow("question mark") << "/home/a?.dlv" << true;
    QTest::addRow("plain name") << "/home/a.dlv" << false;
    QTest::addRow("hidden name") << "/home/.dlv" << false;
    QTest::addRow("star in a folder") << "/ho*me/a.dlv" << false;
    QTest::addRow("folder only") << "/home/" << true;
    QTest::addRow("empty") << "" << true;
}

void tst_file_chooser::names_no_file()
{
    QFETCH(QString, path);
    QFETCH(bool, no_file);
    QCOMPARE(Scenario::Names_No_File(path), no_file);
}

void tst_file_chooser::drive_of_data()
{
    QTest::addColumn<QStringList>("drives");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("folder"); // the folder the drive stands for, "/etc" being shown

    const QStringList mounts{"/", "/mnt", "/mnt/usb", "/work"};
    QTest::addRow("nested volume") << mounts << "/mnt/usb/x"
                                   << "/mnt/usb"
                                   << "/mnt/usb";
    QTest::addRow("longer name, outer volume") << mounts << "/mnt/usbstick"
                                               << "/mnt"
                                               << "/mnt";
    QTest::addRow("volume root") << mounts << "/work"
                                 << "/work"
                                 << "/work";
    QTest::addRow("prefix only") << mounts << "/workshop/a"
                                 << "/"
                                 << "/etc";
    QTest::addRow("root") << mounts << "/"
                          << "/"
                          << "/etc";
    QTest::addRow("relative path") << mounts << "x/y"
                                   << ""
                                   << "";
    QTest::addRow("no root listed") << QStringList{"/mnt"} << "/etc"
                                    << ""
                                    << "";
}

void tst_file_chooser::drive_of()
{
    QFETCH(QStringList, drives);
    QFETCH(QString, path);
    QFETCH(QString, drive);
    QFETCH(QString, folder);
    QCOMPARE(File_Lists::Drive_Of(path, drives), drive);
    if (!drive.isEmpty())
        QCOMPARE(File_Lists::Directory_On_Drive(drive, QStringLiteral("/etc"), drives), folder);
}

void tst_file_chooser::control_geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<bool>("bold");

    QTest::addRow("Label1") << "Label1" << QRect(315, 450, 2175, 285) << true;
    QTest::addRow("txt_FName") << "txt_FName" << QRect(270, 855, 2265, 315) << false;
    QTest::addRow("fil_list") << "fil_list" << QRect(225, 1305, 2265, 2820) << false;
    QTest::addRow("Label2") << "Label2" << QRect(2880, 450, 2175, 285) << true;
    QTest::addRow("Drv_list") << "Drv_list" << QRect(2880, 855, 2400, 315) << false;
    QTest::addRow("Label3") << "Label3" << QRect(2835, 1620, 2175, 285) << true;
    QTest::addRow("dir_list") << "dir_list" << QRect(2880, 2010, 2400, 2115) << false;
    QTest::addRow("cmd_OK") << "cmd_OK" << QRect(5580, 3240, 1095, 330) << true;
    QTest::addRow("cmd_Cancel") << "cmd_Cancel" << QRect(5580, 3795, 1095, 330) << true;
}

void tst_file_chooser::control_geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(bool, bold);

    Working_Folder folder;
    frm_dalvo form;
    frm_Dalvo_Files &files = Dalvo_Files(form);
    QCOMPARE(files.size(), QSize(470, 302)); // 7050 x 4530 twips
    const auto *control = files.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &files);
    QCOMPARE(control->geometry(),
             Twips::To_Pixels(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(control->font().bold(), bold);
}

void tst_file_chooser::design_settings()
{
    Working_Folder folder;
    frm_dalvo form;
    form.Module().File_Name = QStringLiteral("/earlier/path.dlv");
    frm_Dalvo_Files &files = Dalvo_Files(form);
    QCOMPARE(files.objectName(), QStringLiteral("frm_Dalvo_Files"));
    QCOMPARE(files.windowTitle(), QStringLiteral("Form2"));
    QVERIFY(files.isWindow());
    QCOMPARE(files.Label1->Caption(), QStringLiteral("Όνομα αρχείου:"));
    QCOMPARE(files.Label2->Caption(), QStringLiteral("Οδηγός δίσκου:"));
    QCOMPARE(files.Label3->Caption(), QStringLiteral("Κατάλογοι:"));
    QCOMPARE(files.cmd_OK->text(), QStringLiteral("\u039F\u039A")); // Greek omicron, kappa
    QVERIFY(files.cmd_OK->isDefault());
    QCOMPARE(files.cmd_Cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(files.txt_FName->text(), QStringLiteral("*.dlv"));
    QCOMPARE(files.fil_list->Pattern(), QStringLiteral("*.dlv"));
    QCOMPARE(files.fil_list->Path(), folder.Path());
    QCOMPARE(files.dir_list->Path(), folder.Path());
    QCOMPARE(files.Drv_list->Drive(),
             File_Lists::Drive_Of(folder.Path(), files.Drv_list->Drives()));
    QVERIFY(files.Drv_list->Drives().contains(QStringLiteral("/")));
    QCOMPARE(files.fil_list->ListIndex(), -1);
    QCOMPARE(files.dir_list->ListIndex(), -1);
    // Loading raises no event: the module's name is untouched.
    QCOMPARE(form.Module().File_Name, QStringLiteral("/earlier/path.dlv"));
}

void tst_file_chooser::opens_with_file_list_focused()
{
    Working_Folder folder;
    QVERIFY(folder.Write(QStringLiteral("a.dlv"), Other_Scenario()));
    frm_dalvo form;
    frm_Dalvo_Files *files = Shown_Chooser(form, true);
    QVERIFY(files);
    QCOMPARE(QApplication::focusWidget(), files->fil_list);
    // The focus resting on the list picks no name.
    QCOMPARE(files->fil_list->ListIndex(), -1);
    QCOMPARE(files->txt_FName->text(), QStringLiteral("*.dlv"));
    // Modeless: the main window stays usable.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!files->isModal());
}

void tst_file_chooser::tab_order()
{
    Working_Folder folder;
    frm_dalvo form;
    frm_Dalvo_Files *files = Shown_Chooser(form, false);
    QVERIFY(files);
    QList<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    const QList<QWidget *> expected{files->fil_list,  files->dir_list, files->Drv_list,
                                    files->txt_FName, files->cmd_OK,   files->cmd_Cancel,
                                    files->fil_list};
    QCOMPARE(visited, expected);
}

void tst_file_chooser::open_and_save_modes()
{
    Working_Folder folder;
    frm_dalvo form;
    form.cmd_Open_Click();
    const QPointer<frm_Dalvo_Files> files = Loaded_Chooser(form);
    QVERIFY(files);
    QVERIFY(files->isVisible());
    QCOMPARE(files->windowTitle(), QStringLiteral("Opening dalvo file ...."));
    QCOMPARE(files->cmd_OK->text(), QStringLiteral("Open"));
    QCOMPARE(files->txt_FName->text(), QStringLiteral("*.dlv"));

    // A second click re-applies a button's settings to the chooser already open.
    files->txt_FName->Set_Text(QStringLiteral("mine.dlv"));
    form.cmd_Save_Click();
    QCOMPARE(Loaded_Chooser(form), files.data());
    QCOMPARE(files->windowTitle(), QStringLiteral("Saving dalvo file ..."));
    QCOMPARE(files->cmd_OK->text(), QStringLiteral("Save"));
    QCOMPARE(files->txt_FName->text(), QStringLiteral("mine.dlv"));

    form.cmd_Open_Click();
    QCOMPARE(Loaded_Chooser(form), files.data());
    QCOMPARE(files->windowTitle(), QStringLiteral("Opening dalvo file ...."));
    QCOMPARE(files->txt_FName->text(), QStringLiteral("*.dlv"));
    QCOMPARE(form.Module().File_Name, QStringLiteral("*.dlv"));
}

void tst_file_chooser::file_list_shows_matching_plain_files()
{
    Working_Folder folder;
    for (const char *name : {"b.dlv", "A.dlv", "c.DLV", "notes.txt", ".hidden.dlv", "dlv"})
        QVERIFY(folder.Write(QLatin1String(name), "x"));
    QVERIFY(QDir(folder.Path()).mkdir(QStringLiteral("folder.dlv")));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.File(QStringLiteral("pipe.dlv"))).constData(), 0600),
             0);
    QVERIFY(
        QFile::link(folder.File(QStringLiteral("A.dlv")), folder.File(QStringLiteral("link.dlv"))));
    QVERIFY(
        QFile::link(folder.File(QStringLiteral("gone")), folder.File(QStringLiteral("dead.dlv"))));

    frm_dalvo form;
    const frm_Dalvo_Files &files = Dalvo_Files(form);
    QStringList listed;
    for (int i = 0; i < files.fil_list->ListCount(); ++i)
        listed << files.fil_list->List(i);
    QCOMPARE(listed, (QStringList{"A.dlv", "b.dlv", "c.DLV", "link.dlv"}));
    QCOMPARE(files.fil_list->List(-1), QString());
    QCOMPARE(files.fil_list->List(4), QString());
}

void tst_file_chooser::pattern_change()
{
    Working_Folder folder;
    for (const char *name : {"b.dlv", "a.txt", "c.dlv"})
        QVERIFY(folder.Write(QLatin1String(name), "x"));
    frm_dalvo form;
    frm_Dalvo_Files &files = Dalvo_Files(form);
    QSignalSpy pattern_changes(files.fil_list, &FileListBox::PatternChange);
    QSignalSpy path_changes(files.dir_list, &DirListBox::Change);

    files.fil_list->Set_Pattern(QStringLiteral("*.txt"));
    QCOMPARE(pattern_changes.size(), 1);
    QCOMPARE(files.fil_list->ListCount(), 1);
    QCOMPARE(files.fil_list->List(0), QStringLiteral("a.txt"));
    files.fil_list->Set_Pattern(QStringLiteral("*.txt"));
    QCOMPARE(pattern_changes.size(), 1);
    files.fil_list->Set_Pattern(QStringLiteral("*.dlv;*.txt"));
    QCOMPARE(pattern_changes.size(), 2);
    QCOMPARE(files.fil_list->ListCount(), 3);
    QCOMPARE(files.fil_list->List(0), QStringLiteral("a.txt"));
    // Its handler re-synchronises the drive and directory lists, which changes nothing.
    QCOMPARE(path_changes.size(), 0);
    QCOMPARE(files.dir_list->Path(), folder.Path());
}

void tst_file_chooser::directory_list_entries()
{
    Working_Folder folder;
    QDir here(folder.Path());
    for (const char *name : {"sub/b", "sub/A", "sub/c"})
        QVERIFY(here.mkpath(QLatin1String(name)));
    QVERIFY(folder.Write(QStringLiteral("sub/file.dlv"), "x"));
    frm_dalvo form;
    frm_Dalvo_Files &files = Dalvo_Files(form);
    const QString sub = folder.File(QStringLiteral("sub"));
    files.dir_list->Set_Path(sub);

    QCOMPARE(files.dir_list->List(-1), sub);
    QCOMPARE(files.dir_list->List(-2), folder.Path());
    const int depth = static_cast<int>(sub.count(QLatin1Char('/')));
    QCOMPARE(files.dir_list->List(-1 - depth), QStringLiteral("/"));
    QCOMPARE(files.dir_list->List(-2 - depth), QString());
    QCOMPARE(files.dir_list->ListCount(), 3);
    QCOMPARE(files.dir_list->List(0), sub + QStringLiteral("/A"));
    QCOMPARE(files.dir_list->List(1), sub + QStringLiteral("/b"));
    QCOMPARE(files.dir_list->List(2), sub + QStringLiteral("/c"));
    QCOMPARE(files.dir_list->ListIndex(), -1);
    files.dir_list->Set_ListIndex(1);
    QCOMPARE(files.dir_list->ListIndex(), 1);
    QCOMPARE(files.dir_list->Path(), sub); // selecting does not enter
    QVERIFY_THROWS_EXCEPTION(Simulation::Dalvo_Error, files.dir_list->Set_ListIndex(3));
}

void tst_file_chooser::entering_a_folder_data()
{
    QTest::addColumn<bool>("by_key");
    QTest::addRow("double click") << false;
    QTest::addRow("Enter") << true;
}

void tst_file_chooser::entering_a_folder()
{
    QFETCH(bool, by_key);

    Working_Folder folder;
    QVERIFY(QDir(folder.Path()).mkpath(QStringLiteral("inner")));
    QVERIFY(folder.Write(QStringLiteral("inner/in.dlv"), "x"));
    frm_dalvo form;
    frm_Dalvo_Files *files = Shown_Chooser(form, false);
    QVERIFY(files);
    QSignalSpy changes(files->dir_list, &DirListBox::Change);
    files->dir_list->Set_ListIndex(0);
    const int row = files->dir_list->currentRow();
    if (by_key) {
        files->dir_list->setFocus();
        QTest::keyClick(files->dir_list, Qt::Key_Return);
    } else {
        const QPoint centre = Item_Centre(files->dir_list, row);
        QTest::mouseClick(files->dir_list->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(changes.size(), 0); // a single click only selects
        QTest::mouseDClick(files->dir_list->viewport(), Qt::LeftButton, {}, centre);
    }
    const QString inner = folder.File(QStringLiteral("inner"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(files->dir_list->Path(), inner);
    QCOMPARE(files->fil_list->Path(), inner);
    QCOMPARE(files->fil_list->List(0), QStringLiteral("in.dlv"));
    QCOMPARE(QDir::currentPath(), inner);
    // Enter went to the folder, not to the confirm button.
    QCOMPARE(Loaded_Chooser(form), files);
    QCOMPARE(folder.Entries(), QStringList{QStringLiteral("inner")});
}

void tst_file_chooser::directory_change_cascade()
{
    Working_Folder folder;
    QVERIFY(QDir(folder.Path()).mkpath(QStringLiteral("sub")));
    frm_dalvo form;
    frm_Dalvo_Files &files = Dalvo_Files(form);
    files.txt_FName->Set_Text(QStringLiteral("keep.dlv"));
    QCOMPARE(form.Module().File_Name, QStringLiteral("keep.dlv"));
    const QString drive = files.Drv_list->Drive();
    QSignalSpy dir_changes(files.dir_list, &DirListBox::Change);
    QSignalSpy path_changes(files.fil_list, &FileListBox::PathChange);
    QSignalSpy text_changes(files.txt_FName, &TextBox::Change);
    QSignalSpy drive_changes(files.Drv_list, &DriveListBox::Change);

    const QString sub = folder.File(QStringLiteral("sub"));
    files.dir_list->Set_Path(sub);
    QCOMPARE(files.fil_list->Path(), sub);
    QCOMPARE(QDir::currentPath(), sub);
    QCOMPARE(files.txt_FName->text(), QStringLiteral("*.dlv"));
    QCOMPARE(form.Module().File_Name, QStringLiteral("*.dlv"));
    QCOMPARE(files.Drv_list->Drive(), drive);
    QCOMPARE(dir_changes.size(), 1);
    QCOMPARE(path_changes.size(), 1);
    QCOMPARE(text_changes.size(), 1);
    QCOMPARE(drive_changes.size(), 0);

    // The same path again, or a relative spelling of it, raises nothing.
    files.dir_list->Set_Path(sub);
    files.dir_list->Set_Path(QStringLiteral("."));
    QCOMPARE(dir_changes.size(), 1);
    QCOMPARE(path_changes.size(), 1);

    // A folder that cannot be listed is refused and changes nothing.
    QVERIFY_THROWS_EXCEPTION(Simulation::Dalvo_Error,
                             files.dir_list->Set_Path(folder.File(QStringLiteral("absent"))));
    QVERIFY_THROWS_EXCEPTION(Simulation::Dalvo_Error,
                             files.fil_list->Set_Path(folder.File(QStringLiteral("absent"))));
    QCOMPARE(files.dir_list->Path(), sub);
    QCOMPARE(files.fil_list->Path(), sub);
    QCOMPARE(dir_changes.size(), 1);
}

void tst_file_chooser::drive_change_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addRow("readable volume") << true;
    QTest::addRow("volume without medium") << false;
}

void tst_file_chooser::drive_change()
{
    QFETCH(bool, readable);

    Working_Folder folder;
    QDir here(folder.Path());
    QVERIFY(here.mkpath(QStringLiteral("start")));
    QVERIFY(here.mkpath(QStringLiteral("volume")));
    const QString start = folder.File(QStringLiteral("start"));
    // A volume mounted at a folder of its own; the one without medium cannot be listed.
    const QString volume =
        folder.File(readable ? QStringLiteral("volume") : QStringLiteral("empty"));
    QVERIFY(QDir::setCurrent(start));

    frm_dalvo form;
    frm_Dalvo_Files &files = Dalvo_Files(form);
    files.Drv_list->List_Drives({QStringLiteral("/"), volume});
    QCOMPARE(files.Drv_list->Drive(), QStringLiteral("/"));
    files.txt_FName->Set_Text(QStringLiteral("typed.dlv"));
    Message_Box_Watcher watcher;
    files.Drv_list->setCurrentIndex(1); // as the user picks it

    QCOMPARE(files.Drv_list->Drive(), volume);
    if (readable) {
        QCOMPARE(watcher.Boxes().size(), 0);
        QCOMPARE(files.dir_list->Path(), volume);
        QCOMPARE(files.fil_list->Path(), volume);
        QCOMPARE(QDir::currentPath(), volume);
        QCOMPARE(files.txt_FName->text(), QStringLiteral("*.dlv"));
    } else {
        Compare_Sorry_Boxes(watcher, {Scenario::Disk_Problem});
        QCOMPARE(files.dir_list->Path(), start);
        QCOMPARE(files.fil_list->Path(), start);
        QCOMPARE(QDir::currentPath(), start);
        QCOMPARE(files.txt_FName->text(), QStringLiteral("typed.dlv"));
    }
}

void tst_file_chooser::picking_from_the_list()
{
    Working_Folder folder;
    QVERIFY(folder.Write(QStringLiteral("a.dlv"), File_Bytes(Start_Up_Lines())));
    QVERIFY(folder.Write(QStringLiteral("b.dlv"), Other_Scenario()));
    frm_dalvo form;
    frm_Dalvo_Files *files = Shown_Chooser(form, true);
    QVERIFY(files);
    QSignalSpy clicks(files->fil_list, &FileListBox::Click);

    QTest::mouseClick(files->fil_list->viewport(), Qt::LeftButton, {},
                      Item_Centre(files->fil_list, 1));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(files->fil_list->ListIndex(), 1);
    QCOMPARE(files->txt_FName->text(), QStringLiteral("b.dlv"));
    QCOMPARE(form.Module().File_Name, QStringLiteral("b.dlv"));

    // The keys move the pick; a click on the picked name picks it again.
    QTest::keyClick(files->fil_list, Qt::Key_Up);
    QCOMPARE(files->txt_FName->text(), QStringLiteral("a.dlv"));
    files->txt_FName->Set_Text(QStringLiteral("typed over"));
    QTest::mouseClick(files->fil_list->viewport(), Qt::LeftButton, {},
                      Item_Centre(files->fil_list, 0));
    QCOMPARE(files->txt_FName->text(), QStringLiteral("a.dlv"));
    QTest::mouseClick(files->fil_list->viewport(), Qt::LeftButton, {},
                      Item_Centre(files->fil_list, 1));
    QCOMPARE(clicks.size(), 4);

    Message_Box_Watcher watcher;
    QTest::mouseClick(files->cmd_OK, Qt::LeftButton);
    Finish_Unloading();
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(form.Module().File_Name, folder.File(QStringLiteral("b.dlv")));
    QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: b.dlv"));
    // The speed's scroll bar moved to 7, and its handler rewrote the caption.
    QCOMPARE(form.lbl_c1->Caption(), QStringLiteral(" 7"));
    QCOMPARE(form.chk_wave4->Value(), 1);
    QVERIFY(!Loaded_Chooser(form));
}

void tst_file_chooser::extension_completion_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved_as");

    QTest::addRow("no extension") << "name"
                                  << "name.dlv";
    QTest::addRow("lower case") << "name.dlv"
                                << "name.dlv";
    QTest::addRow("upper case") << "NAME.DLV"
                                << "NAME.DLV";
    QTest::addRow("mixed case") << "name.Dlv"
                                << "name.Dlv.dlv";
    QTest::addRow("empty") << ""
                           << ".dlv";
    QTest::addRow("short") << "ab"
                           << "ab.dlv";
}

// Confirming with the mouse takes the focus from the text box first, which completes the name.
void tst_file_chooser::extension_completion()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved_as);

    Working_Folder folder;
    frm_dalvo form;
    frm_Dalvo_Files *files = Shown_Chooser(form, false);
    QVERIFY(files);
    QSignalSpy lost_focus(files->txt_FName, &TextBox::LostFocus);
    Type_Into(files->txt_FName, typed);
    QCOMPARE(files->txt_FName->text(), typed);
    QCOMPARE(form.Module().File_Name, typed);

    Message_Box_Watcher watcher;
    QTest::mouseClick(files->cmd_OK, Qt::LeftButton);
    Finish_Unloading();
    QCOMPARE(lost_focus.size(), 1);
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(folder.Entries(), QStringList{saved_as});
    QCOMPARE(folder.Read(saved_as), File_Bytes(Start_Up_Lines()));
    QCOMPARE(form.Module().File_Name, folder.File(saved_as));
    // The caption shows the text box, not the completed name.
    QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: ") + typed);
}

void tst_file_chooser::enter_uses_text_as_typed_data()
{
    QTest::addColumn<bool>("open");
    QTest::addRow("save") << false;
    QTest::addRow("open") << true;
}

// Enter in the text box confirms with the focus still in the box: no completion.
void tst_file_chooser::enter_uses_text_as_typed()
{
    QFETCH(bool, open);

    Working_Folder folder;
    if (open)
        QVERIFY(folder.Write(QStringLiteral("plain"), Other_Scenario()));
    frm_dalvo form;
    frm_Dalvo_Files *files = Shown_Chooser(form, open);
    QVERIFY(files);
    QSignalSpy lost_focus(files->txt_FName, &TextBox::LostFocus);
    Type_Into(files->txt_FName, QStringLiteral("plain"));
    Message_Box_Watcher watcher;
    QTest::keyClick(files->txt_FName, Qt::Key_Return);
    Finish_Unloading();

    QVERIFY(!Loaded_Chooser(form));
    QCOMPARE(lost_focus.size(), 0);
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(form.Module().File_Name, folder.File(QStringLiteral("plain")));
    QCOMPARE(folder.Entries(), QStringList{QStringLiteral("plain")});
    if (open) {
        // The speed's scroll bar moved to 7, and its handler rewrote the caption.
        QCOMPARE(form.lbl_c1->Caption(), QStringLiteral(" 7"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: ")); // typed, not picked
    } else {
        QCOMPARE(folder.Read(QStringLiteral("plain")), File_Bytes(Start_Up_Lines()));
        QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: plain"));
    }
}

void tst_file_chooser::folder_and_name_joined_data()
{
    QTest::addColumn<bool>("root");
    QTest::addRow("root folder") << true;
    QTest::addRow("other folder") << false;
}

void tst_file_chooser::folder_and_name_joined()
{
    QFETCH(bool, root);

    Working_Folder folder;
    const QString name = QStringLiteral("dalvo-test-no-such-scenario.dlv");
    QVERIFY(!QFileInfo::exists(QStringLiteral("/") + name));
    frm_dalvo form;
    form.cmd_Open_Click();
    frm_Dalvo_Files &files = Dalvo_Files(form);
    if (root)
        files.dir_list->Set_Path(QStringLiteral("/"));
    QCOMPARE(files.fil_list->Path(), root ? QStringLiteral("/") : folder.Path());
    files.txt_FName->Set_Text(name);
    Message_Box_Watcher watcher;
    files.cmd_OK_Click();
    Finish_Unloading();

    const QString path =
        root ? QStringLiteral("/") + name : folder.Path() + QLatin1Char('/') + name;
    QCOMPARE(form.Module().File_Name, path);
    Compare_Sorry_Boxes(watcher, {Opening, Opening, Not_Dalvo});
}

void tst_file_chooser::wildcard_after_directory_change_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<QStringList>("messages");
    QTest::addRow("open") << true << QStringList{Opening, Opening, Not_Dalvo};
    QTest::addRow("save") << false << QStringList{Scenario::Saving_Problem};
}

// A directory change puts the pattern back into the box; confirming it names no file.
void tst_file_chooser::wildcard_after_directory_change()
{
    QFETCH(bool, open);
    QFETCH(QStringList, messages);

    Working_Folder folder;
    QVERIFY(QDir(folder.Path()).mkpath(QStringLiteral("sub")));
    // A file literally named so must not be read either.
    QVERIFY(folder.Write(QStringLiteral("sub/*.dlv"), Other_Scenario()));
    frm_dalvo form;
    open ? form.cmd_Open_Click() : form.cmd_Save_Click();
    frm_Dalvo_Files &files = Dalvo_Files(form);
    files.txt_FName->Set_Text(QStringLiteral("mine.dlv"));
    files.dir_list->Set_Path(folder.File(QStringLiteral("sub")));
    QCOMPARE(files.txt_FName->text(), QStringLiteral("*.dlv"));
    const QString title = form.windowTitle();
    Message_Box_Watcher watcher;
    files.cmd_OK_Click();
    Finish_Unloading();

    Compare_Sorry_Boxes(watcher, messages);
    QCOMPARE(form.Module().File_Name, folder.File(QStringLiteral("sub/*.dlv")));
    QCOMPARE(QDir(folder.File(QStringLiteral("sub"))).entryList(QDir::Files),
             QStringList{QStringLiteral("*.dlv")});
    QCOMPARE(folder.Read(QStringLiteral("sub/*.dlv")), Other_Scenario());
    QCOMPARE(form.lbl_c1->Caption(), QStringLiteral("10"));
    QCOMPARE(form.windowTitle(), title);
}

// Saving straight after an open joins the folder with the full path still held: no file.
void tst_file_chooser::save_after_open()
{
    Working_Folder folder;
    QVERIFY(folder.Write(QStringLiteral("a.dlv"), Other_Scenario()));
    frm_dalvo form;
    Message_Box_Watcher watcher;
    QVERIFY(Open_Picked(form, QStringLiteral("a.dlv")));
    QCOMPARE(form.Module().File_Name, folder.File(QStringLiteral("a.dlv")));
    QCOMPARE(watcher.Boxes().size(), 0);

    form.cmd_Save_Click();
    frm_Dalvo_Files &files = Dalvo_Files(form);
    QCOMPARE(files.txt_FName->text(), QStringLiteral("*.dlv"));
    files.cmd_OK_Click();
    Finish_Unloading();

    Compare_Sorry_Boxes(watcher, {Scenario::Saving_Problem});
    QCOMPARE(form.Module().File_Name,
             folder.Path() + QLatin1Char('/') + folder.File(QStringLiteral("a.dlv")));
    QCOMPARE(folder.Entries(), QStringList{QStringLiteral("a.dlv")});
    QCOMPARE(folder.Read(QStringLiteral("a.dlv")), Other_Scenario());
    QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: a.dlv"));
}

// From just before the load until the chooser closes, the box shows the full path, selected.
void tst_file_chooser::text_box_shows_full_path_during_load()
{
    Working_Folder folder;
    QVERIFY(folder.Write(QStringLiteral("a.dlv"), Other_Scenario()));
    frm_dalvo form;
    form.cmd_Open_Click();
    frm_Dalvo_Files &files = Dalvo_Files(form);
    QStringList seen;
    // chk_wave2 changes during the load, so its handler runs in the middle of it.
    connect(form.chk_wave2, &QCheckBox::stateChanged, &files,
            [&] { seen << files.txt_FName->text() << files.txt_FName->selectedText(); });
    files.fil_list->Set_ListIndex(0);
    files.cmd_OK_Click();
    const QString path = folder.File(QStringLiteral("a.dlv"));
    QCOMPARE(seen, (QStringList{path, path}));
    QCOMPARE(form.Module().File_Name, path);
    Finish_Unloading();
}

void tst_file_chooser::cancel_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("Cancel button") << "button";
    QTest::addRow("Esc in the text box") << "escape";
    QTest::addRow("window closed") << "close";
}

void tst_file_chooser::cancel()
{
    QFETCH(QString, how);

    Working_Folder folder;
    frm_dalvo form;
    const QString title = form.windowTitle();
    const QPointer<frm_Dalvo_Files> files = Shown_Chooser(form, false);
    QVERIFY(files);
    files->txt_FName->Set_Text(QStringLiteral("kept.dlv"));
    Message_Box_Watcher watcher;
    if (how == QLatin1String("button"))
        QTest::mouseClick(files->cmd_Cancel, Qt::LeftButton);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(files->txt_FName, Qt::Key_Escape);
    else
        files->close();

    QVERIFY(!Loaded_Chooser(form));
    Finish_Unloading();
    QVERIFY(files.isNull());
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(folder.Entries(), QStringList());
    QCOMPARE(form.Module().File_Name, QStringLiteral("kept.dlv"));
    QCOMPARE(form.windowTitle(), title);
}

void tst_file_chooser::reopening_starts_from_design()
{
    Working_Folder folder;
    QVERIFY(QDir(folder.Path()).mkpath(QStringLiteral("last")));
    QVERIFY(folder.Write(QStringLiteral("last/x.dlv"), "x"));
    frm_dalvo form;
    form.cmd_Open_Click();
    const QPointer<frm_Dalvo_Files> first = Loaded_Chooser(form);
    QVERIFY(first);
    first->dir_list->Set_Path(folder.File(QStringLiteral("last")));
    first->fil_list->Set_ListIndex(0);
    first->fil_list->Set_Pattern(QStringLiteral("*"));
    first->cmd_Cancel_Click();

    // The next reference loads a fresh chooser even before the old one is gone.
    form.cmd_Save_Click();
    frm_Dalvo_Files *second = Loaded_Chooser(form);
    QVERIFY(second);
    QVERIFY(second != first.data());
    Finish_Unloading();
    QVERIFY(first.isNull());
    QCOMPARE(second->windowTitle(), QStringLiteral("Saving dalvo file ..."));
    QCOMPARE(second->txt_FName->text(), QStringLiteral("*.dlv"));
    QCOMPARE(second->fil_list->Pattern(), QStringLiteral("*.dlv"));
    QCOMPARE(second->fil_list->ListIndex(), -1);
    // It starts in the folder chosen last, which became the current one.
    QCOMPARE(second->fil_list->Path(), folder.File(QStringLiteral("last")));
    QCOMPARE(second->dir_list->Path(), folder.File(QStringLiteral("last")));
    // File_Name outlives the chooser: the pick set it.
    QCOMPARE(form.Module().File_Name, QStringLiteral("x.dlv"));
}

QTEST_MAIN(tst_file_chooser)
#include "tst_file_chooser.moc"
