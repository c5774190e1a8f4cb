// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/probe_gate.h"
#include "support/scenario_test_support.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Scenario_Test;

namespace {

// The time a chooser waits for a drive in these tests.
constexpr std::chrono::milliseconds Limit{400};

// A scenario unlike the start-up set-up: speeds 7 and 12, all waves chosen.
const QByteArray Other_Scenario = Start_Up_With({{2, "\"7\""}, {3, "\"12\""}, {5, "1"}, {7, "1"}});

// The chooser shown and active, so that focus and keys behave as on a desktop.
QPointer<frm_Dalvo_Files> Shown_Chooser(frm_dalvo &form, bool open)
{
    open ? form.cmd_Open_Click() : form.cmd_Save_Click();
    return QTest::qWaitForWindowActive(&Dalvo_Files(form)) ? &Dalvo_Files(form) : nullptr;
}

} // namespace

// The file chooser's open and save flows as a user runs them with mouse and keys.
class tst_file_chooser : public QObject
{
    Q_OBJECT

private slots:
    // A user cancels a save, opens a file, then saves straight after: that joins the folder with
    // the full path still held, which names no file.
    void cancel_pick_then_save()
    {
        Working_Folder folder;
        QVERIFY(folder.Write(QStringLiteral("b.dlv"), Other_Scenario));
        frm_dalvo form;
        QPointer<frm_Dalvo_Files> files = Shown_Chooser(form, false);
        QVERIFY(files);
        files->txt_FName->Set_Text(QStringLiteral("kept.dlv"));
        Message_Box_Watcher watcher;
        QTest::mouseClick(files->cmd_Cancel, Qt::LeftButton);
        QVERIFY(!files || files->Unloaded());
        QCOMPARE(form.Module().File_Name, QStringLiteral("kept.dlv"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: New file"));

        files = Shown_Chooser(form, true);
        QVERIFY(files);
        QCOMPARE(QApplication::focusWidget(), files->fil_list);
        // Picked and opened as from the list; tst_launch checks what that load leaves.
        form.Open_File(folder.File(QStringLiteral("b.dlv")));

        form.cmd_Save_Click();
        QCOMPARE(Dalvo_Files(form).txt_FName->text(), QStringLiteral("*.dlv"));
        Dalvo_Files(form).cmd_OK_Click();
        Compare_Sorry_Boxes(watcher, {Scenario::Saving_Problem});
        QCOMPARE(form.Module().File_Name, QDir::currentPath() + '/' + folder.File("b.dlv"));
        QCOMPARE(folder.Entries(), QStringList{"b.dlv"});
        QCOMPARE(folder.Read(QStringLiteral("b.dlv")), Other_Scenario);
    }

    void name_completion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // confirmed by Enter in the box, else by a click on Save
        QTest::addColumn<QString>("saved_as");
        QTest::addRow("click, no extension") << "name" << false << "name.dlv";
        QTest::addRow("click, upper case") << "NAME.DLV" << false << "NAME.DLV";
        QTest::addRow("click, mixed case") << "name.Dlv" << false << "name.Dlv.dlv";
        QTest::addRow("Enter, no extension") << "name" << true << "name";
    }

    // A click on Save takes the focus from the text box first, which completes the name; Enter
    // confirms with the focus still in the box. The start-up set-up is saved byte for byte over a
    // longer file.
    void name_completion()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, saved_as);

        Working_Folder folder;
        QVERIFY(folder.Write(saved_as, QByteArray(500, 'x')));
        frm_dalvo form;
        const QPointer<frm_Dalvo_Files> files = Shown_Chooser(form, false);
        QVERIFY(files);
        QSignalSpy lost_focus(files->txt_FName, &TextBox::LostFocus);
        QTest::mouseClick(files->txt_FName, Qt::LeftButton);
        files->txt_FName->selectAll();
        QTest::keyClicks(files->txt_FName, typed);
        Message_Box_Watcher watcher;
        if (enter)
            QTest::keyClick(files->txt_FName, Qt::Key_Return);
        else
            QTest::mouseClick(files->cmd_OK, Qt::LeftButton);

        QCOMPARE(lost_focus.size(), enter ? 0 : 1);
        QCOMPARE(watcher.Texts(), QStringList());
        QCOMPARE(folder.Entries(), QStringList{saved_as});
        QCOMPARE(folder.Read(saved_as), Start_Up_Bytes);
        // The caption shows the text box, not the completed name.
        QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: ") + typed);
    }

    void directory_change_resets_name_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("messages");
        QTest::addRow("open in the root folder")
            << true << "/" << QStringList{Opening, Opening, Not_Dalvo};
        QTest::addRow("save in a subfolder")
            << false << "sub" << QStringList{Scenario::Saving_Problem};
    }

    // A directory change puts the pattern back into the box; confirming it names no file, not even
    // one literally called so. The root folder already ends in its separator.
    void directory_change_resets_name()
    {
        QFETCH(bool, open);
        QFETCH(QString, where);
        QFETCH(QStringList, messages);

        Working_Folder folder;
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
        QVERIFY(folder.Write(QStringLiteral("sub/*.dlv"), Other_Scenario));
        const QString pattern_path = QDir(where).absoluteFilePath(QStringLiteral("*.dlv"));
        frm_dalvo form;
        open ? form.cmd_Open_Click() : form.cmd_Save_Click();
        frm_Dalvo_Files &files = Dalvo_Files(form);
        files.txt_FName->Set_Text(QStringLiteral("mine.dlv"));
        files.dir_list->Set_Path(where);
        QCOMPARE(files.txt_FName->text(), QStringLiteral("*.dlv"));
        Message_Box_Watcher watcher;
        files.cmd_OK_Click();
        Compare_Sorry_Boxes(watcher, messages);
        QCOMPARE(form.Module().File_Name, pattern_path);
        QCOMPARE(folder.Read(QStringLiteral("sub/*.dlv")), Other_Scenario);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/*.dlv")));
    }

    void unreadable_drive_data()
    {
        QTest::addColumn<bool>("hangs"); // else its mount point is gone
        QTest::addRow("mount point gone") << false;
        QTest::addRow("drive that does not answer") << true;
    }

    // A volume that cannot be read changes nothing, and one that does not answer gets the message
    // at the time limit, while the run beside the chooser goes on and the lists take no input.
    // The wheel over the closed list changes no drive.
    void unreadable_drive()
    {
        QFETCH(bool, hangs);
        Working_Folder folder;
        QVERIFY(QDir(folder.File({})).mkpath(QStringLiteral("start")));
        const QString start = folder.File(QStringLiteral("start"));
        QVERIFY(QDir::setCurrent(start));
        frm_dalvo form;
        frm_Dalvo_Files &files = Dalvo_Files(form);
        files.Drv_list->List_Drives({QStringLiteral("/"), folder.File(hangs ? "start" : "gone")});
        const Probe_Gate gate;
        if (hangs)
            files.Drv_list->Set_Probe(gate.Probe(), Limit);
        files.txt_FName->Set_Text(QStringLiteral("typed.dlv"));
        Message_Box_Watcher watcher;
        const QPoint at(5, 5);
        QWheelEvent wheel(at, files.Drv_list->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(files.Drv_list, &wheel);
        QCOMPARE(files.Drv_list->currentIndex(), 0);
        QCOMPARE(watcher.Texts(), QStringList());
        form.cmd_Go->click();
        QVERIFY(form.Timer1->isActive());
        QElapsedTimer clock;
        clock.start();
        files.Drv_list->setCurrentIndex(1); // as the user picks it
        if (hangs) {
            QCOMPARE_LT(clock.elapsed(), Limit.count());
            const float picked_at = form.Elapsed_Time();
            for (const QWidget *list :
                 {static_cast<QWidget *>(files.Drv_list), static_cast<QWidget *>(files.dir_list),
                  static_cast<QWidget *>(files.fil_list)})
                QVERIFY(!list->isEnabled());
            QTRY_VERIFY(form.Elapsed_Time() > picked_at);
            QVERIFY(files.Drv_list->Probing());
            QCOMPARE(watcher.Texts(), QStringList());
            QTRY_VERIFY_WITH_TIMEOUT(!watcher.Texts().isEmpty(), 5000);
            QCOMPARE_GE(clock.elapsed(), Limit.count());
        }
        Compare_Sorry_Boxes(watcher, {Scenario::Disk_Problem});
        QVERIFY(files.dir_list->isEnabled() && files.fil_list->isEnabled());
        QCOMPARE(files.dir_list->Path(), start);
        QCOMPARE(files.fil_list->Path(), start);
        QCOMPARE(QDir::currentPath(), start);
        QCOMPARE(files.txt_FName->text(), QStringLiteral("typed.dlv"));
    }

    void gone_during_probe_data()
    {
        QTest::addColumn<bool>("window"); // the main window destroyed, else the chooser closed
        QTest::addRow("chooser closed") << false;
        QTest::addRow("window destroyed") << true;
    }

    // Nothing answers a probe whose chooser is gone: no message, no touch of a freed control,
    // neither at the time limit nor when the drive answers at last.
    void gone_during_probe()
    {
        QFETCH(bool, window);
        Working_Folder folder;
        auto form = std::make_unique<frm_dalvo>();
        QPointer<frm_Dalvo_Files> files = &Dalvo_Files(*form);
        files->Drv_list->List_Drives({QStringLiteral("/"), folder.File({})});
        Probe_Gate gate;
        files->Drv_list->Set_Probe(gate.Probe(), Limit);
        files->Drv_list->setCurrentIndex(1);
        QVERIFY(files->Drv_list->Probing());
        const Message_Box_Watcher watcher;
        window ? form.reset() : files->cmd_Cancel->click();
        QTRY_VERIFY(!files);
        QTest::qWait(static_cast<int>(Limit.count()) + 100);
        gate.Open();
        QTest::qWait(100);
        QCOMPARE(watcher.Texts(), QStringList());
    }

    void names_the_list_shows_data()
    {
        QTest::addColumn<bool>("on_name"); // with Ctrl, else below the names
        QTest::addRow("Ctrl+click on the name") << true;
        QTest::addRow("click below") << false;
    }

    // The list shows the name an empty box saves (".dlv"), and leaves out a name that is not valid
    // UTF-8: shown with a replacement character, it would name another file. Once a name is
    // picked, the list keeps one picked, and the name box and File_Name keep it.
    void names_the_list_shows()
    {
        QFETCH(bool, on_name);
        Working_Folder folder;
        // A file and a folder whose names are not valid UTF-8.
        const QByteArray raw = QFile::encodeName(folder.File(QStringLiteral("a"))) + "\xff.dlv";
        const QByteArray raw_folder = QFile::encodeName(folder.File(QStringLiteral("b"))) + "\xff";
        // Removing the test folder cannot name them either.
        const auto remove = qScopeGuard([&] {
            ::unlink(raw.constData());
            ::rmdir(raw_folder.constData());
        });
        const int made = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(made >= 0);
        ::close(made);
        QVERIFY(::mkdir(raw_folder.constData(), 0755) == 0);
        frm_dalvo form;
        QPointer<frm_Dalvo_Files> files = Shown_Chooser(form, false);
        QVERIFY(files);
        QTest::mouseClick(files->txt_FName, Qt::LeftButton);
        files->txt_FName->clear();
        Message_Box_Watcher watcher;
        QTest::mouseClick(files->cmd_OK, Qt::LeftButton);
        QCOMPARE(watcher.Texts(), QStringList());
        QCOMPARE(folder.Read(QStringLiteral(".dlv")), Start_Up_Bytes);
        files = Shown_Chooser(form, true);
        QVERIFY(files);
        QCOMPARE(files->fil_list->count(), 1);
        QCOMPARE(files->dir_list->ListCount(), 0);
        QWidget *names = files->fil_list->viewport();
        const QPoint a = files->fil_list->visualItemRect(files->fil_list->item(0)).center();
        QTest::mouseClick(names, Qt::LeftButton, {}, a);
        QTest::mouseClick(names, Qt::LeftButton, on_name ? Qt::ControlModifier : Qt::NoModifier,
                          on_name ? a : QPoint(a.x(), names->height() - 3));
        QCOMPARE(files->fil_list->ListIndex(), 0);
        QCOMPARE(files->txt_FName->text(), QStringLiteral(".dlv"));
        QCOMPARE(form.Module().File_Name, QStringLiteral(".dlv"));
    }
};

QTEST_MAIN(tst_file_chooser)
#include "tst_file_chooser.moc"
