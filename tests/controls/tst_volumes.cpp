// SPDX-License-Identifier: GPL-3.0-or-later
// The drives the chooser offers and the probe that asks whether one answers.
#include "controls/volumes.h"
#include "support/probe_gate.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;
using Volumes::Probe_Wait;

class tst_volumes : public QObject
{
    Q_OBJECT

private slots:
    // The drives come from the mount table alone: the root, then real volumes, no pseudo ones.
    void drives_from_mount_table()
    {
        const QByteArray table =
            "overlay / overlay rw 0 0\nproc /proc proc rw 0 0\n"
            "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\ntmpfs /tmp tmpfs rw 0 0\n"
            "tmpfs /dev/shm tmpfs rw 0 0\nsystemd-1 /home autofs rw 0 0\n"
            "/dev/sda2 /home ext4 rw 0 0\n//server/share /mnt/s cifs rw 0 0\n"
            "/dev/sda3 /var/run/x ext4 rw 0 0\nserver:/e /mnt/n nfs rw 0 0\n";
        QCOMPARE(Volumes::Mounted_Roots(table),
                 (QStringList{"/", "/home", "/media/usb stick", "/mnt/s", "/tmp"}));
    }

    void drive_of_a_path_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("folder"); // the drive list's folder for /media/usb
        // clang-format off
        QTest::newRow("inside a volume") << "/media/usb/a/b" << "/media/usb" << "/media/usb/a/b";
        QTest::newRow("a volume's root") << "/media/usb" << "/media/usb" << "/media/usb";
        QTest::newRow("the longer root") << "/media/usb/x/y" << "/media/usb/x" << "/media/usb";
        QTest::newRow("a name that only begins alike") << "/media/usbkey" << "/" << "/media/usb";
        QTest::newRow("relative") << "media/usb" << "" << "/media/usb";
        // clang-format on
    }

    // The drive is the longest root that holds the path as a folder; the folder a drive stands for
    // is the path shown when that lies on the drive, else the drive's root.
    void drive_of_a_path()
    {
        QFETCH(QString, path);
        QFETCH(QString, drive);
        QFETCH(QString, folder);
        const QStringList drives{"/", "/media/usb", "/media/usb/x"};
        QCOMPARE(Volumes::Drive_Of(path, drives), drive);
        QCOMPARE(Volumes::Directory_On_Drive("/media/usb", path, drives), folder);
    }

    void folder_answers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode"); // of the entry made; 0: none made
        QTest::addColumn<bool>("answers");
        QTest::newRow("a folder") << "d" << 0755 << true;
        QTest::newRow("a file") << "f" << 0644 << false;
        QTest::newRow("a folder that cannot be read") << "d" << 0311 << false;
        QTest::newRow("a folder that cannot be entered") << "d" << 0644 << false;
    }

    void folder_answers()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        QFETCH(bool, answers);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (name == "f")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        else if (mode)
            QVERIFY(QDir().mkdir(path));
        if (mode)
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)), 0);
        if (!answers && mode && ::geteuid() == 0 && name == "d")
            QSKIP("root reads and enters any folder");
        QCOMPARE(Volumes::Folder_Answers(path), answers);
        ::chmod(QFile::encodeName(path).constData(), 0755); // so the folder can be removed
    }

    void answer_data()
    {
        QTest::addColumn<int>("answers_after"); // ms; -1: throws, -2: answers no
        QTest::addColumn<bool>("answers");
        QTest::addColumn<bool>("at_once");
        QTest::newRow("yes at once") << 0 << true << true;
        QTest::newRow("an error at once") << -1 << false << true;
        QTest::newRow("yes after a while") << 300 << true << false;
    }

    // A probe that answers at once is answered before Start returns; a slower one while the
    // event loop runs, and one past the limit as no at the limit. Answered comes once.
    void answer()
    {
        QFETCH(int, answers_after);
        QFETCH(bool, answers);
        QFETCH(bool, at_once);
        const auto limit = 800ms;
        Probe_Wait wait;
        wait.Set_Probe(
            [answers_after](const QString &folder) {
                if (answers_after == -1)
                    throw std::runtime_error("no such drive");
                std::this_thread::sleep_for(std::chrono::milliseconds(answers_after));
                return answers_after != -2 && folder == "/media/usb";
            },
            limit);
        QSignalSpy answered(&wait, &Probe_Wait::Answered);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(wait.Start("/media/usb"));
        QCOMPARE(answered.size(), at_once ? 1 : 0);
        QCOMPARE(wait.Waiting(), !at_once);
        if (!at_once) {
            int ticks = 0; // the event loop runs while the probe is waited for
            QTimer ticking;
            connect(&ticking, &QTimer::timeout, this, [&] { ++ticks; });
            ticking.start(5);
            QVERIFY(answered.wait(5000));
            QCOMPARE_GT(ticks, 10);
            QCOMPARE_GE(clock.elapsed(), answers ? answers_after : limit.count());
            QCOMPARE_LT(clock.elapsed(), answers ? limit.count() : answers_after);
        }
        QCOMPARE(answered.size(), 1);
        QCOMPARE(answered[0], (QVariantList{"/media/usb", answers}));
        QVERIFY(!wait.Waiting());
        QTest::qWait(50);
        QCOMPARE(answered.size(), 1);
    }

    // One probe at a time: a second start while one is waited for does nothing. A folder whose
    // probe still runs is not probed again: the next wait takes up that probe's answer.
    void one_probe_at_a_time()
    {
        Probe_Gate gate;
        Probe_Wait first, second;
        first.Set_Probe(gate.Probe(), 200ms);
        second.Set_Probe(gate.Probe(false), 5000ms);
        QSignalSpy answered(&first, &Probe_Wait::Answered), later(&second, &Probe_Wait::Answered);
        QVERIFY(first.Start("/mnt/dead"));
        QVERIFY(!first.Start("/mnt/other"));
        QVERIFY(answered.wait(2000));
        QCOMPARE(answered[0], (QVariantList{"/mnt/dead", false}));
        QVERIFY(second.Start("/mnt/dead"));
        QVERIFY(second.Waiting());
        gate.Open();
        QVERIFY(later.wait(2000));
        QCOMPARE(later[0], (QVariantList{"/mnt/dead", true}));
        QCOMPARE(gate.Calls(), 1);
    }

    // A waiter destroyed during a probe is gone for good: the answer that comes later reaches
    // nothing, and a new probe of the folder starts afresh once the old one has answered.
    void waiter_gone_before_the_answer()
    {
        Probe_Gate gate;
        auto wait = std::make_unique<Probe_Wait>();
        wait->Set_Probe(gate.Probe(), 5000ms);
        QVERIFY(wait->Start("/mnt/slow"));
        wait.reset();
        gate.Open();
        QTest::qWait(50);
        Probe_Wait again;
        again.Set_Probe([](const QString &) { return false; }, 1000ms);
        QSignalSpy answered(&again, &Probe_Wait::Answered);
        QVERIFY(again.Start("/mnt/slow"));
        QCOMPARE(answered.size(), 1);
        QCOMPARE(answered[0], (QVariantList{"/mnt/slow", false}));
        QCOMPARE(gate.Calls(), 1);
    }
};

QTEST_MAIN(tst_volumes)
#include "tst_volumes.moc"
