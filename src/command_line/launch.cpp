// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/launch.h"

#include "controls/message_box.h"
#include "languages/languages.h"
#include "main_window/exporting.h"
#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <exception>

namespace Command_Line {

namespace {

void Print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void Say_Error(const QString &text)
{
    Print(stderr, QStringLiteral("dalvo: %1\n").arg(text));
}

void Name_Application()
{
    QApplication::setApplicationName(QStringLiteral("Dalvo"));
    QApplication::setOrganizationName(QStringLiteral("Dalvo"));
    QApplication::setApplicationVersion(QStringLiteral(DALVO_VERSION));
    // The id of the installed desktop entry, so that the desktop pairs the window with its menu
    // item and icon.
    QApplication::setDesktopFileName(QStringLiteral("local.dalvo.Dalvo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/dalvo.svg")));
}

// The language the interface starts in: --lang when given, else the one chosen last time.
void Start_In_Language(const QString &code)
{
    Languages::Install(*QCoreApplication::instance(), code);
}

// The marks and the strip, through the window's own procedures, as a click would set them;
// what cannot be done is said, and the rest is done.
QString Prepare_Window(frm_dalvo &window, const Request &request)
{
    for (const Mark &mark : request.Marks)
        window.Change_Ball_colour(mark.Ball, mark.Panel);
    if (request.Graph && !window.Graph_Shown())
        window.cmd_Graph_Click();
    return {};
}

// Why OUT cannot be written, before anything is drawn; empty when it can be tried.
QString Output_Problem(const QFileInfo &out)
{
    const QFileInfo folder(out.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("%1: the folder %2 does not exist")
            .arg(out.filePath(), folder.filePath());
    if (!folder.isWritable())
        return QStringLiteral("%1: the folder %2 cannot be written")
            .arg(out.filePath(), folder.filePath());
    if (out.isDir())
        return QStringLiteral("%1 is a folder").arg(out.filePath());
    return {};
}

int Answer_Without_Display(const char *program, const Request &request)
{
    // Qt's plain application needs no platform; it names the program in the help's usage line,
    // by its name, not the folder it was started from.
    QByteArray name = QFileInfo(QString::fromLocal8Bit(program)).fileName().toLocal8Bit();
    char *arguments[] = {name.data(), nullptr};
    int count = 1;
    QCoreApplication app(count, arguments);
    Print(stdout, request.Help ? Help_Text() : Version_Text());
    return 0;
}

int Export(const char *program, const Request &request)
{
    // Whatever the environment or Qt's own options say: an export needs no display.
    QByteArray platform_option("-platform"), offscreen("offscreen");
    QByteArray program_name(program);
    char *arguments[] = {program_name.data(), platform_option.data(), offscreen.data(), nullptr};
    int count = 3;
    QApplication app(count, arguments);
    Name_Application();
    Start_In_Language(request.Language);
    const QString problem = Run_Export(request);
    if (!problem.isEmpty()) {
        Say_Error(problem);
        return 1;
    }
    return 0;
}

int Show_Window(int &argc, char *argv[], const Request &request)
{
    QApplication app(argc, argv);
    Name_Application();
    Start_In_Language(request.Language);
    const std::unique_ptr<frm_dalvo> window = Start_Window(request);
    return QApplication::exec();
}

QStringList Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

std::unique_ptr<frm_dalvo> Start_Window(const Request &request)
{
    auto window = std::make_unique<frm_dalvo>();
    window->Set_Zoom(request.Options.Zoom);
    window->show();
    if (!request.Scenario.isEmpty())
        window->Open_File(request.Scenario);
    if (const QString problem = Prepare_Window(*window, request); !problem.isEmpty())
        Say_Error(problem);
    return window;
}

QString Run_Export(const Request &request)
{
    // Both names are taken whole first: opening the scenario makes its folder the current one.
    const QFileInfo out(QDir::current().absoluteFilePath(request.Export));
    if (QString problem = Output_Problem(out); !problem.isEmpty())
        return problem;
    frm_dalvo window;
    if (!request.Scenario.isEmpty()) {
        const QString scenario = QDir::current().absoluteFilePath(request.Scenario);
        if (!QFileInfo(scenario).isFile())
            return QStringLiteral("%1: no such scenario file").arg(request.Scenario);
        QStringList messages;
        {
            const Message_Boxes::Boxes_Elsewhere told(
                [&messages](const QString &, const QString &text) {
                    if (messages.isEmpty() || messages.back() != text)
                        messages << text;
                });
            window.Open_File(scenario);
        }
        // The chooser unloads at the end of its flow, whatever failed on the way.
        if (Loaded_Dalvo_Files(window) && messages.isEmpty())
            messages << QStringLiteral("the file could not be opened");
        if (!messages.isEmpty())
            return QStringLiteral("%1: %2").arg(request.Scenario,
                                                messages.join(QStringLiteral("; ")));
    }
    if (QString problem = Prepare_Window(window, request); !problem.isEmpty())
        return problem;
    return Exporting::Export_To_File(window, out.filePath(), request.Options);
}

int Launch(int argc, char *argv[])
{
    const char *program = argc > 0 ? argv[0] : "dalvo";
    try {
        const auto parsed = Parse(Arguments(argc, argv));
        if (const auto *error = std::get_if<Usage_Error>(&parsed)) {
            Say_Error(error->Text);
            Print(stderr, QStringLiteral("Try 'dalvo --help' for the options.\n"));
            return 2;
        }
        const Request &request = std::get<Request>(parsed);
        if (request.Help || request.Version)
            return Answer_Without_Display(program, request);
        if (!request.Export.isEmpty())
            return Export(program, request);
        return Show_Window(argc, argv, request);
    } catch (const std::exception &error) {
        Say_Error(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Say_Error(QStringLiteral("an unexpected error"));
    }
    return 1;
}

} // namespace Command_Line
