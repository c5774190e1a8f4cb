// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scenario_test_support.h"
#include "support/window_test_support.h"

#include <QtTest>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Scenario_Test;

namespace {

// The eighteen fields a scenario file holds, in file order.
QStringList Fields(const frm_dalvo &form)
{
    QStringList fields{form.lbl_c1->Caption(), form.lbl_c2->Caption()};
    for (int wave = 0; wave < 4; ++wave)
        fields << QString::number(form.chk_wave(wave)->Value());
    for (std::size_t i = 0; i < 4; ++i)
        fields << form.lbl_AA[i]->Caption() << form.lbl_ff[i]->Caption()
               << QString::number(form.chk_balls[i]->Value());
    return fields;
}

// Saves the start-up set-up in a child process, under a file size limit, as the unprivileged
// user "nobody" when asked: 1 when the save reports success, 0 when it reports a failure.
int Child_Save(const QString &path, rlim_t limit, bool nobody)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0 ||
            (nobody &&
             (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)))
            ::_exit(2);
        ::_exit(Scenario::Save_Set_Up(path, Start_Up_Set_Up) ? 1 : 0);
    }
    int status = -1;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

// The scenario file through the real window: what a save keeps and a load restores, which
// handlers a load runs, and the failures with their message boxes.
class tst_scenario_file : public QObject
{
    Q_OBJECT

private slots:
    // A save then a load restores every caption and check box exactly: captions the handlers wrote
    // and odd ones no handler writes.
    void round_trip()
    {
        Working_Folder folder;
        frm_dalvo saved;
        saved.hsc_c2->Set_Value(20);
        saved.hsc_f[2]->Set_Value(5);
        saved.chk_wave1->Set_Value(2);
        saved.chk_balls[2]->Set_Value(0);
        saved.lbl_c1->Set_Caption(QStringLiteral("Κύμα"));
        saved.lbl_AA[1]->Set_Caption(QStringLiteral("  a,b' "));
        saved.lbl_AA[3]->Set_Caption(QString());
        saved.lbl_ff[3]->Set_Caption(QStringLiteral("\tΩΨ") + QString(300, QLatin1Char('9')));
        Message_Box_Watcher watcher;
        Confirm_Typed(saved, false, QStringLiteral("round.dlv"));
        frm_dalvo loaded;
        loaded.Module().File_Name = folder.File(QStringLiteral("round.dlv"));
        Dalvo_module::Load_File(loaded, Dalvo_Files(loaded));
        QCOMPARE(watcher.Texts(), QStringList());
        QCOMPARE(Fields(loaded), Fields(saved));
        QCOMPARE(Fields(loaded)[13], QStringLiteral(" .5")); // as the frequency's handler wrote it
    }

    void opening_data()
    {
        QTest::addColumn<QString>("kind"); // unreadable or bytes
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("fields"); // what the load leaves; none: nothing changes

        // Captions as the scroll bars' handlers write them, which the flow's refresh keeps.
        const QByteArray commas = "\"Dalvo.exe V 1.0\",\" 7\",\" 12\",0,1,1,1,\" 3\",\" 1.5\",0,"
                                  "\" 4\",\" .5\",1,\" 9\",\" 2\",2,\" 15\",\" .1\",0\r\n";
        const QStringList other =
            QString::fromLatin1(commas).remove('"').trimmed().split(',').mid(1);
        QTest::addRow("one line, commas") << "bytes" << commas << QStringList() << other;

        // Loaded, the file's frequency "1" of wave 1 moves the scroll bar, whose handler rewrites
        // it.
        QStringList loaded =
            QString::fromLatin1(Start_Up_Bytes).remove('"').split("\r\n").mid(1, 18);
        loaded[10] = QStringLiteral(" 1");
        const QStringList bad_integers = loaded.mid(0, 2) + QStringList{"0"} + loaded.mid(3);
        // A plain file whose first read fails: the memory of this process at address 0.
        QTest::addRow("file that cannot be read")
            << "unreadable" << QByteArray() << QStringList{Opening, Not_Dalvo} << QStringList();
        QTest::addRow("truncated")
            << "bytes" << Start_Up_Bytes.chopped(3) << QStringList{Opening} << loaded;
        // 70000 and "x" fail to read, so the holding 0 is set; 3 reads but the box refuses it.
        QTest::addRow("bad integers")
            << "bytes" << Start_Up_With({{4, "70000"}, {5, "x"}, {6, "3"}})
            << QStringList(3, Opening) << bad_integers;
    }

    // Opening a file the user typed: what the load leaves, the boxes it shows, and a check box's
    // click handler run only when its value changes.
    void opening()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, fields);

        Working_Folder folder;
        const QString name = QStringLiteral("scenario.dlv");
        if (kind == QLatin1String("bytes"))
            QVERIFY(folder.Write(name, bytes));
        else if (kind == QLatin1String("unreadable"))
            QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), folder.File(name)));
        frm_dalvo form;
        form.hsc_f[1]->Set_Value(5); // a caption that a refused file must leave alone
        const QStringList before = Fields(form);
        QMap<CheckBox *, int> values, clicks;
        for (CheckBox *box : form.findChildren<CheckBox *>()) {
            values[box] = box->Value();
            connect(box, &QCheckBox::stateChanged, &form, [&clicks, box] { ++clicks[box]; });
        }
        Message_Box_Watcher watcher;
        Confirm_Typed(form, true, name);
        Compare_Sorry_Boxes(watcher, messages);
        QCOMPARE(Fields(form), fields.isEmpty() ? before : fields);
        for (CheckBox *box : values.keys())
            QCOMPARE(clicks.value(box), box->Value() != values[box] ? 1 : 0);
        // A load that gets past the magic names the picked file; this one was typed, not picked.
        QCOMPARE(form.windowTitle(), fields.isEmpty() ? "Dalvo: New file" : "Dalvo: ");
    }

    // A frequency of 0, which the scroll bars never give, reaches the division: "File problem"
    // once, then the window runs on with that wave inert (a frequency of 0 moves no ball) and the
    // other wave of its panel as loaded, and with the speed.
    void zero_from_file()
    {
        Working_Folder folder;
        QVERIFY(folder.Write(QStringLiteral("zero.dlv"), Start_Up_With({{9, "\"0\""}, {5, "1"}})));
        frm_dalvo form;
        Message_Box_Watcher watcher;
        Confirm_Typed(form, true, QStringLiteral("zero.dlv"));
        Window_Test::Ticks(form, 150);
        QCOMPARE(form.Module().Frequency[0], 0.0f);
        QCOMPARE(form.Module().Wavelength[1], 10.0f);
        form.hsc_c1->Set_Value(20);
        QCOMPARE(form.Module().Wavelength[0], 0.0f);
        QCOMPARE(form.Module().Wavelength[1], 20.0f);
        Compare_Sorry_Boxes(watcher, {Scenario::File_Problem});
    }

    // A caption the code page cannot hold fails the save: one box, and the old file and the window
    // caption stay as they were.
    void saving_failure()
    {
        Working_Folder folder;
        QVERIFY(folder.Write(QStringLiteral("old.dlv"), "an old scenario\r\n"));
        frm_dalvo form;
        form.lbl_c1->Set_Caption(QStringLiteral("波"));
        Message_Box_Watcher watcher;
        Confirm_Typed(form, false, QStringLiteral("old.dlv"));
        Compare_Sorry_Boxes(watcher, {Scenario::Saving_Problem});
        QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: New file"));
        QCOMPARE(folder.Entries(), QStringList{QStringLiteral("old.dlv")});
        QCOMPARE(folder.Read(QStringLiteral("old.dlv")), QByteArray("an old scenario\r\n"));
    }

    void file_size_limit_data()
    {
        // 0: the folder as made, saved by its owner. Otherwise the folder takes this mode and the
        // user "nobody" saves over root's file of mode 0666, which he may write but not replace,
        // so it is written over in place.
        QTest::addColumn<int>("folder_mode");
        QTest::addRow("own folder") << 0;
        QTest::addRow("read-only folder") << 0555;
        QTest::addRow("shared sticky folder") << 01777;
    }

    // A disk that fills up while saving: the save runs under a file size limit one byte short of
    // the file. The old file must stay as it was and no part of the new one may remain. Saved
    // over in place, the file stays the same file: its owner and its other hard links keep it.
    void file_size_limit()
    {
        QFETCH(int, folder_mode);
        const bool nobody = folder_mode != 0;
        if (nobody && ::getuid() != 0)
            QSKIP("Dropping to another user needs root");
        Working_Folder folder;
        QVERIFY(folder.Write(QStringLiteral("old.dlv"), "old"));
        const QString path = folder.File(QStringLiteral("old.dlv"));
        QStringList entries{QStringLiteral("old.dlv")};
        // Bits a new file would not get from the umask: the saved file keeps them.
        const mode_t mode = nobody ? 0666 : 0604;
        QVERIFY(::chmod(qPrintable(path), mode) == 0);
        if (nobody) {
            QVERIFY(::link(qPrintable(path), qPrintable(folder.File("link.dlv"))) == 0);
            entries.prepend(QStringLiteral("link.dlv"));
            QVERIFY(::chmod(qPrintable(folder.File({})), static_cast<mode_t>(folder_mode)) == 0);
        }
        struct stat before = {};
        QVERIFY(::stat(qPrintable(path), &before) == 0);
        QCOMPARE(Child_Save(path, 94, nobody), 0);
        QCOMPARE(folder.Entries(), entries);
        for (const QString &name : entries)
            QCOMPARE(folder.Read(name), QByteArray("old"));
        // Without the limit the same save goes through: the limit was what failed it.
        QCOMPARE(Child_Save(path, RLIM_INFINITY, nobody), 1);
        QCOMPARE(folder.Entries(), entries);
        for (const QString &name : entries)
            QCOMPARE(folder.Read(name), Start_Up_Bytes);
        struct stat after = {};
        QVERIFY(::stat(qPrintable(path), &after) == 0);
        QCOMPARE(after.st_uid, ::getuid());
        QCOMPARE(after.st_mode & 07777, mode);
        // Replaced by a whole new file in its own folder, written over in place otherwise.
        QCOMPARE(after.st_ino == before.st_ino, nobody);
    }
};

QTEST_MAIN(tst_scenario_file)
#include "tst_scenario_file.moc"
