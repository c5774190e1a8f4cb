// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/launch.h"
#include "controls/colours.h"
#include "controls/placement.h"
#include "support/scenario_test_support.h"

#include <QProcess>
#include <QtTest>

using namespace Scenario_Test;

namespace {

// A scenario unlike the start-up one: panel 1's speed 7 (the caption the speed's scroll bar then
// writes: " 7"), both its waves ticked.
const QByteArray Lesson = Start_Up_With({{2, QStringLiteral("\"7\"")}, {5, QStringLiteral("1")}});

struct Finished
{
    int exit_code = -1;
    QString out, err;
};

// The real program, started with no display of any kind in its environment.
Finished Run_Program(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(DALVO_PROGRAM), arguments);
    if (!process.waitForFinished(60000)) {
        // A message box waiting for a click that never comes, or no start at all.
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

bool Yellow(const Shape *ball)
{
    return ball->BackColor() == Colours::Yellow;
}

QImage Picture_Of(QImage image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The working folder of a launch: a folder "unit 3", and the lesson under the name given.
bool Lesson_Folder(const Working_Folder &folder, const QString &lesson)
{
    return QDir().mkpath(folder.File(QStringLiteral("unit 3"))) && folder.Write(lesson, Lesson);
}

} // namespace

// The program started from its arguments: the window with a scenario opened the chooser's way,
// and an export written without a display, or refused with nothing written.
class tst_launch : public QObject
{
    Q_OBJECT

private slots:
    void start_window_data()
    {
        QTest::addColumn<QString>("file");  // written in the working folder
        QTest::addColumn<QString>("given"); // on the command line; "@" is the working folder
        for (const auto &[tag, file, given] :
             {std::array{"a full path", "lesson.dlv", "@/lesson.dlv"},
              {"a folder below", "unit 3/lesson.dlv", "unit 3/lesson.dlv"},
              {"a path through a parent", "lesson.dlv", "unit 3/../lesson.dlv"},
              {"the extension in capitals", "LESSON.DLV", "LESSON.DLV"}})
            QTest::addRow("%s", tag) << QString(file) << QString(given);
    }

    // Loaded as after picking it in the chooser: the set-up, the caption with the listed name,
    // the chooser gone, no box; the window shown at the zoom asked for, with its marks.
    void start_window()
    {
        QFETCH(QString, file);
        QFETCH(QString, given);
        Working_Folder folder;
        QVERIFY(Lesson_Folder(folder, file));
        given.replace(QLatin1Char('@'), QDir::currentPath());

        Message_Box_Watcher watcher;
        Command_Line::Request request;
        request.Scenario = given;
        request.Options.Zoom = 150;
        request.Marks = {{1, 25}, {2, 0}};
        const std::unique_ptr<frm_dalvo> form = Command_Line::Start_Window(request);

        QVERIFY(watcher.Boxes().isEmpty());
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Dalvo: ") + QFileInfo(file).fileName());
        QCOMPARE(form->lbl_c1->Caption(), QStringLiteral(" 7"));
        QCOMPARE(form->Module().File_Name, QFileInfo(folder.File(file)).absoluteFilePath());
        QVERIFY(!Loaded_Dalvo_Files(*form));
        // As with the chooser, the file's folder is the current one afterwards.
        QCOMPARE(QDir::currentPath(), QFileInfo(folder.File(file)).absolutePath());
        QCOMPARE(form->Zoom(), 150);
        QVERIFY(Yellow(form->Shape1[25]));
        QVERIFY(Yellow(form->Shape2[0]));
    }

    // A scenario that is not there shows the chooser's boxes, in its order, over the window.
    void start_window_messages()
    {
        Working_Folder folder;
        Message_Box_Watcher watcher;
        Command_Line::Request request;
        request.Scenario = QStringLiteral("missing.dlv");
        const std::unique_ptr<frm_dalvo> form = Command_Line::Start_Window(request);
        Compare_Sorry_Boxes(watcher, {Opening, Opening, Not_Dalvo});
        QVERIFY(!Loaded_Dalvo_Files(*form));
        QCOMPARE(form->windowTitle(), QStringLiteral("Dalvo: New file"));
    }

    void answers_without_display_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("output");
        for (const auto &[option, output] :
             {std::pair{"--help", "Usage: dalvo [options] [FILE.dlv]\n"},
              {"--version", "Dalvo " DALVO_VERSION "\n"}})
            QTest::addRow("%s", option) << QString(option) << QString(output);
    }

    void answers_without_display()
    {
        QFETCH(QString, option);
        QFETCH(QString, output);
        QTemporaryDir folder;
        const Finished run = Run_Program({option}, folder.path());
        QCOMPARE(run.exit_code, 0);
        QVERIFY2(run.out.startsWith(output), qPrintable(run.out));
        QCOMPARE(run.err, QString());
    }

    // The PNG the program writes without a display is the window's picture at that zoom, with the
    // scenario loaded, the balls marked and the strip open. Opening the scenario makes its folder
    // the current one; OUT is still named from where the program started.
    void export_png()
    {
        const QString scenario = QStringLiteral("unit 3/lesson.dlv");
        Working_Folder folder;
        QVERIFY(Lesson_Folder(folder, scenario));
        const Finished run = Run_Program(
            QStringLiteral("--export|out.png|--zoom|150|--mark|1:25|--mark|2:0|--graph").split(u'|')
                << scenario,
            QDir::currentPath());
        QVERIFY2(run.exit_code == 0, qPrintable(run.err));
        QCOMPARE(QDir(folder.File(QStringLiteral("unit 3"))).entryList(QDir::Files).size(), 1);
        const QImage written(folder.File(QStringLiteral("out.png")));
        // The strip adds 240 pixels at 100 %.
        QCOMPARE(written.size(), QSize(1524, 1104 + 360));

        // The same set-up by hand in this process: the chooser, then two clicks' marking.
        frm_dalvo form;
        Confirm_Typed(form, true, scenario);
        QCOMPARE(form.lbl_c1->Caption(), QStringLiteral(" 7"));
        const QImage unmarked = Picture_Of(Render_At_Zoom(form, 1.5));
        form.Change_Ball_colour(25, 1);
        form.Change_Ball_colour(0, 2);
        form.cmd_Graph_Click();
        QVERIFY(Picture_Of(written) == Picture_Of(Render_At_Zoom(form, 1.5)));
        QVERIFY(Picture_Of(written) != unmarked);
    }

    void export_refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<QString>("message");
        // A row a line: its name, the arguments (split at '|'), the exit code and what standard
        // error says ('@' for the working folder), separated by tabs.
        static constexpr char Refusals[] =
            "unknown extension\t--export|out.bmp|lesson.dlv\t2\t"
            "dalvo: --export 'out.bmp': unknown file type\n"
            "no such scenario\t--export|out.png|missing.dlv\t1\t"
            "dalvo: missing.dlv: no such scenario file\n"
            "a folder for a scenario\t--export|out.png|unit 3\t1\t"
            "dalvo: unit 3: no such scenario file\n"
            "not a scenario\t--export|out.png|notes.dlv\t1\t"
            "dalvo: notes.dlv: This is not a dalvo.exe file\n"
            "a scenario that ends early\t--export|out.png|short.dlv\t1\t"
            "dalvo: short.dlv: Problem during the opening\n"
            "no such folder\t--export|nowhere/out.png|lesson.dlv\t1\t"
            "the folder @/nowhere does not exist\n"
            "a folder for OUT\t--export|unit 3.png|lesson.dlv\t1\t@/unit 3.png is a folder\n"
            "a folder that cannot be written\t--export|/proc/dalvo-out.png|lesson.dlv\t1\t"
            "/proc/dalvo-out.png\n";
        for (const QString &line : QString::fromUtf8(Refusals).split('\n', Qt::SkipEmptyParts)) {
            const QStringList field = line.split('\t');
            QTest::addRow("%s", qPrintable(field[0]))
                << field[1].split('|') << field[2].toInt() << field[3];
        }
    }

    // A bad request says so on standard error, ends with an error code and writes nothing: an
    // existing OUT keeps its bytes, and no other file appears. No message box waits for a click.
    void export_refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exit_code);
        QFETCH(QString, message);
        Working_Folder folder;
        QVERIFY(Lesson_Folder(folder, QStringLiteral("lesson.dlv")));
        QVERIFY(folder.Write(QStringLiteral("notes.dlv"), "Dalvo.exe V 1.1\r\n"));
        QVERIFY(folder.Write(QStringLiteral("short.dlv"), Lesson.left(40)));
        QVERIFY(folder.Write(QStringLiteral("out.png"), "the old picture"));
        QVERIFY(QDir().mkpath(folder.File(QStringLiteral("unit 3.png"))));
        const QStringList before = folder.Entries();

        const Finished run = Run_Program(arguments, QDir::currentPath());
        QCOMPARE(run.exit_code, exit_code);
        message.replace(QLatin1Char('@'), QDir::currentPath());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(folder.Read(QStringLiteral("out.png")), QByteArray("the old picture"));
        QCOMPARE(folder.Entries(), before);
        QVERIFY(QDir(folder.File(QStringLiteral("unit 3"))).isEmpty());
    }
};

QTEST_MAIN(tst_launch)
#include "tst_launch.moc"
