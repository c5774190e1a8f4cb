// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/command_line.h"

#include <QtTest>

using namespace Command_Line;

namespace {

// A request in one line, each part only when it differs from a bare start.
QString Describe(const Request &request)
{
    QStringList parts;
    if (request.Help)
        parts << QStringLiteral("help");
    if (request.Version)
        parts << QStringLiteral("version");
    if (!request.Scenario.isEmpty())
        parts << QStringLiteral("file=") + request.Scenario;
    if (!request.Export.isEmpty())
        parts << QStringLiteral("export=") + request.Export;
    if (request.Options.Zoom != 100)
        parts << QStringLiteral("zoom=%1").arg(request.Options.Zoom);
    if (request.Options.Until)
        parts << QStringLiteral("until=%1").arg(double(*request.Options.Until));
    if (request.Options.Slow)
        parts << QStringLiteral("slow");
    QStringList marks;
    for (const Mark &mark : request.Marks)
        marks << QStringLiteral("%1:%2").arg(mark.Panel).arg(mark.Ball);
    if (!marks.isEmpty())
        parts << QStringLiteral("marks=") + marks.join(QLatin1Char(','));
    if (request.Graph)
        parts << QStringLiteral("graph");
    if (!request.Language.isEmpty())
        parts << QStringLiteral("lang=") + request.Language;
    return parts.join(QLatin1Char(' '));
}

QStringList Split(const char *arguments)
{
    return QStringList{QStringLiteral("dalvo")} +
           QString::fromUtf8(arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

// The arguments read into a request, or refused with a sentence that names what is wrong.
class tst_command_line : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("request");
        QTest::addRow("nothing") << Split("") << "";
        QTest::addRow("a scenario of any name")
            << QStringList{QStringLiteral("dalvo"), QStringLiteral("notes/Lesson 1.DLV")}
            << "file=notes/Lesson 1.DLV";
        QTest::addRow("help") << Split("--help") << "help";
        QTest::addRow("help, short") << Split("-h") << "help";
        QTest::addRow("help with Qt's options") << Split("--help-all") << "help";
        QTest::addRow("version") << Split("--version") << "version";
        QTest::addRow("version, short") << Split("-v") << "version";
        QTest::addRow("help wins over the rest") << Split("--zoom 7 --help lesson.dlv") << "help";
        QTest::addRow("every export option")
            << Split(
                   "--export out.gif --zoom 150 --until 12.5 --slow --mark 1:0 --mark 2:50 --graph "
                   "--lang en lesson.dlv")
            << "file=lesson.dlv export=out.gif zoom=150 until=12.5 slow marks=1:0,2:50 graph "
               "lang=en";
        QTest::addRow("options after the file") << Split("lesson.dlv --export out.png --zoom=200")
                                                << "file=lesson.dlv export=out.png zoom=200";
        QTest::addRow("extension in capitals") << Split("--export OUT.PNG") << "export=OUT.PNG";
        QTest::addRow("smallest zoom") << Split("--zoom 50") << "zoom=50";
        QTest::addRow("largest zoom") << Split("--zoom 300") << "zoom=300";
        QTest::addRow("the last zoom given") << Split("--zoom 150 --zoom 200") << "zoom=200";
        QTest::addRow("from the start")
            << Split("--export a.csv --until 0") << "export=a.csv until=0";
        QTest::addRow("to the end")
            << Split("--export a.csv --until 20") << "export=a.csv until=20";
        QTest::addRow("a time without a leading digit")
            << Split("--export a.csv --until .5") << "export=a.csv until=0.5";
        QTest::addRow("the first and the last ball")
            << Split("--mark 1:0 --mark 2:50") << "marks=1:0,2:50";
        QTest::addRow("a mark given twice stays one")
            << Split("--mark 1:5 --mark 2:5 --mark 1:5") << "marks=1:5,2:5";
        QTest::addRow("Qt's options are left to Qt")
            << Split("-platform xcb -reverse -style fusion lesson.dlv") << "file=lesson.dlv";
        QTest::addRow("a language with a region") << Split("--lang pt_BR") << "lang=pt_BR";
    }

    void accepted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, request);
        const auto parsed = Parse(arguments);
        const auto *error = std::get_if<Usage_Error>(&parsed);
        QVERIFY2(!error, qPrintable(error ? error->Text : QString()));
        QCOMPARE(Describe(std::get<Request>(parsed)), request);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::addRow("unknown option") << Split("--frobnicate") << "Unknown option 'frobnicate'.";
        QTest::addRow("two scenarios")
            << Split("a.dlv b.dlv") << "one scenario file at a time, not 2";
        QTest::addRow("unknown extension")
            << Split("--export out.bmp")
            << "--export 'out.bmp': unknown file type; the name ends in .png, .svg, .pdf, .csv, "
               ".gif, .mp4 or .webm";
        QTest::addRow("zoom in words") << Split("--zoom big")
                                       << "--zoom 'big': give a whole number of percent from 50 "
                                          "to 300";
        QTest::addRow("zoom below 50") << Split("--zoom 49") << "--zoom '49'";
        QTest::addRow("zoom above 300") << Split("--zoom 301") << "--zoom '301'";
        QTest::addRow("zoom in fractions") << Split("--zoom 150.5") << "--zoom '150.5'";
        QTest::addRow("time before the start")
            << Split("--export a.png --until -0.04")
            << "--until '-0.04': give a time from 0 to 20 seconds";
        QTest::addRow("time past the end")
            << Split("--export a.png --until 20.04") << "--until '20.04'";
        QTest::addRow("time in words") << Split("--export a.png --until soon") << "--until 'soon'";
        QTest::addRow("time with a comma")
            << Split("--export a.png --until 2,5") << "--until '2,5'";
        QTest::addRow("time without an export")
            << Split("--until 5") << "--until goes with --export";
        QTest::addRow("slow without an export") << Split("--slow") << "--slow goes with --export";
        QTest::addRow("panel 0") << Split("--mark 0:5")
                                 << "--mark '0:5': give PANEL:BALL, the panel 1 or 2, the ball "
                                    "0 to 50";
        QTest::addRow("panel 3") << Split("--mark 3:5") << "--mark '3:5'";
        QTest::addRow("ball 51") << Split("--mark 1:51") << "--mark '1:51'";
        QTest::addRow("a ball alone") << Split("--mark 25") << "--mark '25'";
        QTest::addRow("a mark in words") << Split("--mark top:left") << "--mark 'top:left'";
        QTest::addRow("a huge ball number")
            << Split("--mark 1:99999999999999999999") << "--mark '1:99999999999999999999'";
        QTest::addRow("a language that is no code") << Split("--lang e1")
                                                    << "--lang 'e1': give a language code such "
                                                       "as el or en";
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const auto parsed = Parse(arguments);
        const auto *error = std::get_if<Usage_Error>(&parsed);
        QVERIFY2(error, qPrintable(QStringLiteral("accepted: ") +
                                   (error ? QString() : Describe(std::get<Request>(parsed)))));
        QVERIFY2(error->Text.startsWith(message), qPrintable(error->Text));
    }

    // What --help prints names every option with its value and the scenario argument, and
    // hides Qt's own options.
    void help_text()
    {
        const QString help = Help_Text();
        for (const char *line : {"--export <OUT>", "--zoom <PERCENT>", "--until <SECONDS>",
                                 "--slow", "--mark <PANEL:BALL>", "--graph", "--lang <CODE>",
                                 "--help", "--version", "[FILE.dlv]"})
            QVERIFY2(help.contains(QLatin1String(line)), line);
        QVERIFY(!help.contains(QLatin1String("platform")));
    }
};

QTEST_GUILESS_MAIN(tst_command_line)
#include "tst_command_line.moc"
