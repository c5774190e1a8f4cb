// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/command_line.h"

#include "core/wave_maths.h"
#include "main_window/frm_dalvo.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <memory>

namespace Command_Line {

namespace {

// A run ends at End_Time, 20 s; an export reaches at most that far.
constexpr float Run_Seconds = 20;

// Qt's options that the application object takes from the arguments itself; they are known here
// only so that they are not refused.
const char *const Qt_Options_With_Value[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "display",       "session", "style",
    "stylesheet",
};
const char *const Qt_Flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption export_to{
        QStringLiteral("export"),
        QStringLiteral("Write OUT without showing a window or needing a display, then end. The "
                       "format follows OUT's extension: png, svg, pdf (the window as a picture), "
                       "csv (the marked balls' history), gif, mp4, webm (the run as an "
                       "animation)."),
        QStringLiteral("OUT")};
    QCommandLineOption zoom{
        QStringLiteral("zoom"),
        QStringLiteral("The zoom of the window or the export, %1 to %2 percent.")
            .arg(frm_dalvo::Min_Zoom)
            .arg(frm_dalvo::Max_Zoom),
        QStringLiteral("PERCENT")};
    QCommandLineOption until{
        QStringLiteral("until"),
        QStringLiteral("With --export: the animation or the data up to that time, the picture of "
                       "the run at that time, 0 to %1 seconds (default: the end of the run).")
            .arg(Run_Seconds),
        QStringLiteral("SECONDS")};
    QCommandLineOption slow{QStringLiteral("slow"),
                            QStringLiteral("With --export: the animation in slow motion, each "
                                           "tick held four times as long.")};
    QCommandLineOption mark{
        QStringLiteral("mark"),
        QStringLiteral(
            "Mark ball BALL (0 to %1, from the left) of the resultant row of panel PANEL "
            "(1 upper, 2 lower). May be given more than once.")
            .arg(frm_dalvo::Balls - 1),
        QStringLiteral("PANEL:BALL")};
    QCommandLineOption graph{QStringLiteral("graph"),
                             QStringLiteral("Open the graph strip; a picture includes it.")};
    QCommandLineOption language{QStringLiteral("lang"),
                                QStringLiteral("The language of the interface, such as el or en."),
                                QStringLiteral("CODE")};

    Parser()
    {
        // "-platform xcb", as Qt's own options are written, is one option, not eight letters.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QStringLiteral("Wave trains on rows of balls, for physics lessons."));
        parser.addPositionalArgument(QStringLiteral("FILE.dlv"),
                                     QStringLiteral("A scenario file to start with."),
                                     QStringLiteral("[FILE.dlv]"));
        parser.addOptions({export_to, zoom, until, slow, mark, graph, language});
        for (const char *name : Qt_Options_With_Value)
            Add_Hidden(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
        for (const char *name : Qt_Flags)
            Add_Hidden(QCommandLineOption(QLatin1String(name)));
    }

    void Add_Hidden(QCommandLineOption option)
    {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
};

QString Quoted(const QString &text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// The whole text as a decimal number, or none.
std::optional<double> Number(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

std::optional<Mark> Mark_Of(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]+):([0-9]+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool panel_ok = false, ball_ok = false;
    const Mark mark{match.captured(1).toInt(&panel_ok), match.captured(2).toInt(&ball_ok)};
    if (!panel_ok || !ball_ok || mark.Panel < 1 || mark.Panel > 2 || mark.Ball < 0 ||
        mark.Ball >= frm_dalvo::Balls)
        return std::nullopt;
    return mark;
}

std::optional<Usage_Error> Read_Zoom(const QString &text, Request &request)
{
    const std::optional<double> percent = Number(text);
    if (!percent || *percent != std::floor(*percent) || *percent < frm_dalvo::Min_Zoom ||
        *percent > frm_dalvo::Max_Zoom)
        return Usage_Error{QStringLiteral("--zoom %1: give a whole number of percent from %2 to %3")
                               .arg(Quoted(text))
                               .arg(frm_dalvo::Min_Zoom)
                               .arg(frm_dalvo::Max_Zoom)};
    request.Options.Zoom = static_cast<int>(*percent);
    return std::nullopt;
}

std::optional<Usage_Error> Read_Until(const QString &text, Request &request)
{
    const std::optional<double> seconds = Number(text);
    if (!seconds || *seconds < 0 || *seconds > Run_Seconds)
        return Usage_Error{QStringLiteral("--until %1: give a time from 0 to %2 seconds")
                               .arg(Quoted(text))
                               .arg(Run_Seconds)};
    request.Options.Until = static_cast<float>(*seconds);
    return std::nullopt;
}

} // namespace

std::variant<Request, Usage_Error> Parse(const QStringList &arguments)
{
    Parser p;
    QCommandLineParser &parser = p.parser;
    if (!parser.parse(arguments))
        return Usage_Error{parser.errorText()};
    Request request;
    request.Help = parser.isSet(p.help) || parser.isSet(QStringLiteral("help-all"));
    request.Version = parser.isSet(p.version);
    if (request.Help || request.Version)
        return request;

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Usage_Error{QStringLiteral("one scenario file at a time, not %1").arg(files.size())};
    if (!files.isEmpty())
        request.Scenario = files.front();

    // Options that take one value take the last one given, as is usual.
    if (parser.isSet(p.export_to)) {
        request.Export = parser.values(p.export_to).back();
        if (request.Export.isEmpty())
            return Usage_Error{QStringLiteral("--export needs the name of the file to write")};
        if (!Exporting::Format_Of(request.Export))
            return Usage_Error{
                QStringLiteral("--export %1: unknown file type; the name ends in .png, .svg, "
                               ".pdf, .csv, .gif, .mp4 or .webm")
                    .arg(Quoted(request.Export))};
    }
    if (parser.isSet(p.zoom))
        if (auto error = Read_Zoom(parser.values(p.zoom).back(), request))
            return *error;
    for (const auto *option : {&p.until, &p.slow}) {
        if (parser.isSet(*option) && request.Export.isEmpty())
            return Usage_Error{
                QStringLiteral("--%1 goes with --export").arg(option->names().front())};
    }
    if (parser.isSet(p.until))
        if (auto error = Read_Until(parser.values(p.until).back(), request))
            return *error;
    request.Options.Slow = parser.isSet(p.slow);
    for (const QString &text : parser.values(p.mark)) {
        const std::optional<Mark> mark = Mark_Of(text);
        if (!mark)
            return Usage_Error{
                QStringLiteral("--mark %1: give PANEL:BALL, the panel 1 or 2, the ball 0 to %2")
                    .arg(Quoted(text))
                    .arg(frm_dalvo::Balls - 1)};
        // A second click on a marked ball would clear it; a mark given twice stays one mark.
        if (std::find(request.Marks.begin(), request.Marks.end(), *mark) == request.Marks.end())
            request.Marks.push_back(*mark);
    }
    request.Graph = parser.isSet(p.graph);
    if (parser.isSet(p.language)) {
        static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z]{2})?$"));
        request.Language = parser.values(p.language).back();
        if (!code.match(request.Language).hasMatch())
            return Usage_Error{QStringLiteral("--lang %1: give a language code such as el or en")
                                   .arg(Quoted(request.Language))};
    }
    return request;
}

QString Help_Text()
{
    return Parser().parser.helpText();
}

QString Version_Text()
{
    return QStringLiteral("Dalvo %1\n").arg(QStringLiteral(DALVO_VERSION));
}

} // namespace Command_Line
