#include "main_window/window_test_support.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_test_support.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Scenario_Test;

// The scenario file through the real window: the bytes written, what a load restores, which
// handlers a load runs, and every failure with its message boxes.
class tst_scenario_file : public QObject
{
    Q_OBJECT

private slots:
    void example_file_bytes();
    void captions_written_by_handlers_data();
    void captions_written_by_handlers();
    void round_trip_through_chooser_data();
    void round_trip_through_chooser();
    void round_trip_odd_captions_data();
    void round_trip_odd_captions();
    void accepted_forms_data();
    void accepted_forms();
    void handlers_run_for_changed_values_only_data();
    void handlers_run_for_changed_values_only();
    void opening_failures_data();
    void opening_failures();
    void binary_files_end_data();
    void binary_files_end();
    void zero_from_file_data();
    void zero_from_file();
    void saving_failures_data();
    void saving_failures();
    void file_size_limit_leaves_old_file_data();
    void file_size_limit_leaves_old_file();
};

namespace {

// Sets a scroll bar or a check box found by name, as the user would.
void Set_Control(frm_dalvo &form, const QString &name, int value)
{
    if (auto *bar = form.findChild<ScrollBar *>(name))
        bar->Set_Value(value);
    else if (auto *box = form.findChild<CheckBox *>(name))
        box->Set_Value(value);
    else
        QFAIL(qPrintable(QStringLiteral("no control %1").arg(name)));
}

using Settings = QList<std::pair<QString, int>>;

// A set-up unlike the start-up one, in file order after the magic.
QStringList Other_Set_Up()
{
    return {QStringLiteral("\"7\""),  QStringLiteral("\"12\""),  QStringLiteral("0"),
            QStringLiteral("1"),      QStringLiteral("1"),       QStringLiteral("1"),
            QStringLiteral("\"3\""),  QStringLiteral("\"1.5\""), QStringLiteral("0"),
            QStringLiteral("\"4\""),  QStringLiteral("\" .5\""), QStringLiteral("1"),
            QStringLiteral("\"9\""),  QStringLiteral("\"2\""),   QStringLiteral("2"),
            QStringLiteral("\"15\""), QStringLiteral("\".1\""),  QStringLiteral("0")};
}

const Snapshot Other_Snapshot{{"7", "12", "3", "1.5", "4", " .5", "9", "2", "15", ".1"},
                              {0, 1, 1, 1, 0, 1, 2, 0}};

const QString Opening = Scenario::Opening_Problem;
const QString Not_Dalvo = Scenario::Not_A_Dalvo_File;

} // namespace

void tst_scenario_file::example_file_bytes()
{
    Working_Folder folder;
    // Saving replaces the whole contents of a longer file.
    QVERIFY(folder.Write(QStringLiteral("start.dlv"), QByteArray(500, 'x')));
    frm_dalvo form;
    Message_Box_Watcher watcher;
    Confirm_Typed(form, false, QStringLiteral("start.dlv"));

    const QByteArray expected = "\"Dalvo.exe V 1.0\"\r\n\"10\"\r\n\"10\"\r\n1\r\n0\r\n1\r\n0\r\n"
                                "\"5\"\r\n\"1\"\r\n1\r\n\"5\"\r\n\"1\"\r\n1\r\n"
                                "\"5\"\r\n\"1\"\r\n1\r\n\"5\"\r\n\"1\"\r\n1\r\n";
    QCOMPARE(folder.Read(QStringLiteral("start.dlv")), expected);
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: start.dlv"));
    QCOMPARE(folder.Entries(), QStringList{QStringLiteral("start.dlv")});
}

void tst_scenario_file::captions_written_by_handlers_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("frequency one half") << "hsc_f(2)" << 5 << 15 << QByteArray("\" .5\"");
    QTest::addRow("frequency two") << "hsc_f(1)" << 20 << 12 << QByteArray("\" 2\"");
    QTest::addRow("amplitude six") << "hsc_A(0)" << 6 << 8 << QByteArray("\" 6\"");
    QTest::addRow("speed twenty") << "hsc_c2" << 20 << 3 << QByteArray("\" 20\"");
    QTest::addRow("second wave chosen") << "chk_wave2" << 1 << 5 << QByteArray("1");
    QTest::addRow("red balls hidden") << "chk_balls(2)" << 0 << 16 << QByteArray("0");
}

void tst_scenario_file::captions_written_by_handlers()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(int, line);
    QFETCH(QByteArray, bytes);

    Working_Folder folder;
    frm_dalvo form;
    Set_Control(form, control, value);
    Message_Box_Watcher watcher;
    Confirm_Typed(form, false, QStringLiteral("x.dlv"));

    QCOMPARE(folder.Read(QStringLiteral("x.dlv")),
             File_Bytes(Start_Up_With({{line, QString::fromLatin1(bytes)}})));
    QCOMPARE(watcher.Boxes().size(), 0);
}

void tst_scenario_file::round_trip_through_chooser_data()
{
    QTest::addColumn<Settings>("settings");

    QTest::addRow("start-up") << Settings{};
    QTest::addRow("frequencies and amplitudes")
        << Settings{{"hsc_f(0)", 5}, {"hsc_f(2)", 13}, {"hsc_A(0)", 15}, {"hsc_A(2)", 1}};
    QTest::addRow("all waves, other speeds")
        << Settings{{"chk_wave2", 1}, {"chk_wave4", 1}, {"hsc_c1", 1},   {"hsc_c2", 20},
                    {"hsc_f(1)", 1},  {"hsc_f(3)", 20}, {"hsc_A(1)", 9}, {"hsc_A(3)", 2}};
    QTest::addRow("rows hidden, panel 2 empty")
        << Settings{{"chk_wave2", 1}, {"chk_balls(0)", 0}, {"chk_balls(1)", 0}, {"chk_wave3", 0}};
}

void tst_scenario_file::round_trip_through_chooser()
{
    QFETCH(Settings, settings);

    Working_Folder folder;
    frm_dalvo saved;
    for (const auto &[control, value] : settings)
        Set_Control(saved, control, value);
    Message_Box_Watcher watcher;
    Confirm_Typed(saved, false, QStringLiteral("round.dlv"));

    frm_dalvo loaded;
    QVERIFY(Open_Picked(loaded, QStringLiteral("round.dlv")));
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(Take(loaded).captions, Take(saved).captions);
    QCOMPARE(Take(loaded).values, Take(saved).values);
    QCOMPARE(loaded.windowTitle(), QStringLiteral("Dalvo: round.dlv"));
    // The parameters, scroll bars and enabled controls follow the loaded captions.
    QCOMPARE(loaded.Module().Frequency, saved.Module().Frequency);
    QCOMPARE(loaded.Module().Amplitude, saved.Module().Amplitude);
    QCOMPARE(loaded.Module().Wavelength, saved.Module().Wavelength);
    QCOMPARE(loaded.Module().Speed_1, saved.Module().Speed_1);
    QCOMPARE(loaded.Module().Speed_2, saved.Module().Speed_2);
    for (std::size_t i = 0; i < 4; ++i) {
        QCOMPARE(loaded.hsc_f[i]->value(), saved.hsc_f[i]->value());
        QCOMPARE(loaded.hsc_A[i]->value(), saved.hsc_A[i]->value());
        QCOMPARE(loaded.frm_WaveAttr[i]->isEnabled(), saved.frm_WaveAttr[i]->isEnabled());
        QCOMPARE(loaded.chk_balls[i]->isEnabled(), saved.chk_balls[i]->isEnabled());
    }
    QCOMPARE(loaded.hsc_c1->value(), saved.hsc_c1->value());
    QCOMPARE(loaded.hsc_c2->value(), saved.hsc_c2->value());
    QCOMPARE(loaded.Picture2->isVisible(), saved.Picture2->isVisible());
}

void tst_scenario_file::round_trip_odd_captions_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("values");

    QTest::addRow("greek and blanks")
        << QStringList{"Κύμα", "  7 ", "άλφα", "", " ", "ΩΨ", "\t1", "x y", "ς", "ΐΰ"}
        << QList<int>{2, 2, 0, 1, 2, 0, 1, 2};
    QTest::addRow("commas and punctuation")
        << QStringList{"1,5", ",", "a,b,c", "'", "1.25", "-3", "1e3", "&<b>", "#", "§"}
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
    QTest::addRow("long caption")
        << QStringList{QString(300, QLatin1Char('9')), "1", "2", "3", "4", "5", "6", "7", "8", "9"}
        << QList<int>{1, 1, 1, 1, 1, 1, 1, 1};
}

// Captions the handlers never write, put into the labels directly: the file keeps them exactly.
void tst_scenario_file::round_trip_odd_captions()
{
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, values);

    Working_Folder folder;
    frm_dalvo saved;
    saved.lbl_c1->Set_Caption(captions[0]);
    saved.lbl_c2->Set_Caption(captions[1]);
    for (std::size_t i = 0; i < 4; ++i) {
        saved.lbl_AA[i]->Set_Caption(captions[static_cast<qsizetype>(2 + 2 * i)]);
        saved.lbl_ff[i]->Set_Caption(captions[static_cast<qsizetype>(3 + 2 * i)]);
        saved.chk_wave(static_cast<int>(i))->Set_Value(values[static_cast<qsizetype>(i)]);
        saved.chk_balls[i]->Set_Value(values[static_cast<qsizetype>(4 + i)]);
    }
    Message_Box_Watcher watcher;
    saved.Module().File_Name = folder.File(QStringLiteral("odd.dlv"));
    Dalvo_module::Save_File(saved, Dalvo_Files(saved));

    frm_dalvo loaded;
    loaded.Module().File_Name = folder.File(QStringLiteral("odd.dlv"));
    Dalvo_module::Load_File(loaded, Dalvo_Files(loaded));
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(Take(loaded).captions, captions);
    QCOMPARE(Take(loaded).values, values);
    // The wave attribute frames stay disabled until the caller's refresh.
    for (Frame *frame : loaded.frm_WaveAttr)
        QVERIFY(!frame->isEnabled());
}

void tst_scenario_file::accepted_forms_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QStringList lines = QStringList{QStringLiteral("\"Dalvo.exe V 1.0\"")} + Other_Set_Up();
    QTest::addRow("one field per line") << File_Bytes(lines);
    QTest::addRow("one line, commas") << File_Bytes({lines.join(QLatin1Char(','))});
    QTest::addRow("magic without quotes")
        << File_Bytes(QStringList{QStringLiteral("Dalvo.exe V 1.0")} + Other_Set_Up());
    QTest::addRow("line feeds only") << File_Bytes(lines, "\n");
    QStringList blanks = lines;
    for (QString &line : blanks)
        line.prepend(QStringLiteral("   "));
    QTest::addRow("leading blanks") << File_Bytes(blanks);
    QTest::addRow("three fields a line")
        << File_Bytes({lines.mid(0, 3).join(','), lines.mid(3, 4).join(','),
                       lines.mid(7, 6).join(','), lines.mid(13).join(',')});
}

void tst_scenario_file::accepted_forms()
{
    QFETCH(QByteArray, bytes);

    Working_Folder folder;
    QVERIFY(folder.Write(QStringLiteral("form.dlv"), bytes));
    frm_dalvo form;
    form.Module().File_Name = folder.File(QStringLiteral("form.dlv"));
    Message_Box_Watcher watcher;
    Dalvo_module::Load_File(form, Dalvo_Files(form));
    QCOMPARE(watcher.Boxes().size(), 0);
    QCOMPARE(Take(form).captions, Other_Snapshot.captions);
    QCOMPARE(Take(form).values, Other_Snapshot.values);
}

void tst_scenario_file::handlers_run_for_changed_values_only_data()
{
    QTest::addColumn<QList<int>>("values");

    QTest::addRow("all as now") << QList<int>{1, 0, 1, 0, 1, 1, 1, 1};
    QTest::addRow("second wave chosen") << QList<int>{1, 1, 1, 0, 1, 1, 1, 1};
    QTest::addRow("rows hidden") << QList<int>{1, 0, 1, 0, 0, 1, 0, 1};
    QTest::addRow("all changed") << QList<int>{0, 1, 2, 1, 0, 2, 0, 0};
}

void tst_scenario_file::handlers_run_for_changed_values_only()
{
    QFETCH(QList<int>, values);

    Working_Folder folder;
    QStringList lines = Start_Up_Lines();
    for (int i = 0; i < 4; ++i) {
        lines[3 + i] = QString::number(values[i]);
        lines[9 + 3 * i] = QString::number(values[4 + i]);
    }
    QVERIFY(folder.Write(QStringLiteral("boxes.dlv"), File_Bytes(lines)));
    frm_dalvo form;
    const QList<int> before = Take(form).values;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int wave = 0; wave < 4; ++wave)
        spies.push_back(
            std::make_unique<QSignalSpy>(form.chk_wave(wave), &QCheckBox::stateChanged));
    for (CheckBox *box : form.chk_balls)
        spies.push_back(std::make_unique<QSignalSpy>(box, &QCheckBox::stateChanged));

    form.Module().File_Name = folder.File(QStringLiteral("boxes.dlv"));
    Message_Box_Watcher watcher;
    Dalvo_module::Load_File(form, Dalvo_Files(form));
    QCOMPARE(watcher.Boxes().size(), 0);
    for (qsizetype i = 0; i < 8; ++i)
        QCOMPARE(spies[static_cast<std::size_t>(i)]->size(), values[i] != before[i] ? 1 : 0);
    QCOMPARE(Take(form).values, values);
    // A hidden row is hidden by its click handler.
    for (std::size_t i = 0; i < 4; ++i) {
        const std::array<frm_dalvo::Array<Shape, frm_dalvo::Balls> *, 4> rows = {
            &form.Shape11, &form.Shape12, &form.Shape21, &form.Shape22};
        QCOMPARE((*rows[i])[0]->Visible(), values[static_cast<qsizetype>(4 + i)] != 0);
    }
}

void tst_scenario_file::opening_failures_data()
{
    QTest::addColumn<QString>("kind"); // bytes, folder, pipe, unreadable or none
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("messages");
    // What the load leaves; empty lists: nothing changes, the window caption neither.
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("values");

    const QStringList none;
    const QList<int> same;
    // The file's captions, the frequency of wave 1 rewritten as its scroll bar moves back to 10.
    const QStringList start_up_captions{"10", "10", "5", "1", "5", " 1", "5", "1", "5", "1"};
    const QByteArray start_up = File_Bytes(Start_Up_Lines());
    QTest::addRow("missing file") << "none" << QByteArray()
                                  << QStringList{Opening, Opening, Not_Dalvo} << none << same;
    QTest::addRow("folder given as file")
        << "folder" << QByteArray() << QStringList{Opening, Opening, Not_Dalvo} << none << same;
    QTest::addRow("pipe given as file")
        << "pipe" << QByteArray() << QStringList{Opening, Opening, Not_Dalvo} << none << same;
    // A plain file whose first read fails: the memory of this process at address 0.
    QTest::addRow("file that cannot be read")
        << "unreadable" << QByteArray() << QStringList{Opening, Not_Dalvo} << none << same;
    QTest::addRow("empty file") << "bytes" << QByteArray() << QStringList{Opening, Not_Dalvo}
                                << none << same;
    QTest::addRow("magic in other case")
        << "bytes" << File_Bytes(Start_Up_With({{1, "\"dalvo.exe v 1.0\""}}))
        << QStringList{Not_Dalvo} << none << same;
    QTest::addRow("magic with a blank")
        << "bytes" << File_Bytes(Start_Up_With({{1, "\"Dalvo.exe V 1.0 \""}}))
        << QStringList{Not_Dalvo} << none << same;
    QTest::addRow("plain text") << "bytes" << QByteArray("Dear class,\r\nno waves today.\r\n")
                                << QStringList{Not_Dalvo} << none << same;
    QTest::addRow("huge line") << "bytes" << QByteArray(1 << 20, 'a')
                               << QStringList{Opening, Not_Dalvo} << none << same;
    // A field that fails leaves the holding value of the field before: "1" and 1 here. A caption
    // that moves its scroll bar is then rewritten by the bar's handler, with a leading blank.
    QTest::addRow("truncated after ten fields")
        << "bytes" << File_Bytes(Start_Up_Lines().mid(0, 10)) << QStringList(9, Opening)
        << QStringList{"10", "10", "5", "1", " 1", " 1", " 1", "1", " 1", "1"}
        << QList<int>{1, 0, 1, 0, 1, 1, 1, 1};
    QTest::addRow("ends before the last field")
        << "bytes" << start_up.left(start_up.size() - 4) << QStringList{Opening}
        << start_up_captions << QList<int>{1, 0, 1, 0, 1, 1, 1, 1};
    // 70000 and "x" fail to read, so 0 is set; 3 reads but the box refuses it.
    QTest::addRow("bad integers") << "bytes"
                                  << File_Bytes(Start_Up_With({{4, "70000"}, {5, "x"}, {6, "3"}}))
                                  << QStringList{Opening, Opening, Opening} << start_up_captions
                                  << QList<int>{0, 0, 1, 0, 1, 1, 1, 1};
    // Every field after it fails; the captions then read as 0 and the frequencies divide by it.
    QTest::addRow("overlong field")
        << "bytes"
        << File_Bytes(Start_Up_With({{2, "\"" + QString(5000, QLatin1Char('1')) + "\""}}))
        << QStringList(18, Opening) + QStringList{Scenario::File_Problem}
        << QStringList(10, QStringLiteral("Dalvo.exe V 1.0")) << QList<int>(8, 0);
}

void tst_scenario_file::opening_failures()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, values);

    Working_Folder folder;
    const QString name = QStringLiteral("broken.dlv");
    if (kind == QLatin1String("bytes"))
        QVERIFY(folder.Write(name, bytes));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(folder.Path()).mkdir(name));
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(folder.File(name)).constData(), 0600), 0);
    else if (kind == QLatin1String("unreadable"))
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), folder.File(name)));

    frm_dalvo form;
    form.hsc_f[1]->Set_Value(5); // a caption that a refused file must leave alone
    const Snapshot before = Take(form);
    const QString title = form.windowTitle();
    Message_Box_Watcher watcher;
    Confirm_Typed(form, true, name);

    Compare_Sorry_Boxes(watcher, messages);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!Loaded_Chooser(form));
    QCOMPARE(Take(form).captions, captions.isEmpty() ? before.captions : captions);
    QCOMPARE(Take(form).values, values.isEmpty() ? before.values : values);
    // A load that gets past the magic names the picked file; this one was typed, not picked.
    QCOMPARE(form.windowTitle(), captions.isEmpty() ? title : QStringLiteral("Dalvo: "));
}

void tst_scenario_file::binary_files_end_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray magic = File_Bytes(Start_Up_Lines().mid(0, 1));
    QByteArray all_bytes;
    for (int i = 0; i < 70000; ++i)
        all_bytes += static_cast<char>((i * 7919) % 256);
    QTest::addRow("every byte value") << magic + all_bytes;
    QTest::addRow("zeros") << magic + QByteArray(100000, '\0');
    QTest::addRow("commas") << magic + QByteArray(100000, ',');
    QTest::addRow("line ends") << magic + QByteArray(100000, '\n');
    QTest::addRow("open quote") << magic + '"' + QByteArray(100000, 'q');
    QTest::addRow("negative numbers") << magic + QByteArray("\"-1\"\r\n-1\r\n").repeated(40);
}

// Bytes that are no scenario after a good magic: the load ends, with at most one box per step,
// and the window runs on.
void tst_scenario_file::binary_files_end()
{
    QFETCH(QByteArray, bytes);

    Working_Folder folder;
    QVERIFY(folder.Write(QStringLiteral("binary.dlv"), bytes));
    frm_dalvo form;
    Message_Box_Watcher watcher;
    QVERIFY(Open_Picked(form, QStringLiteral("binary.dlv")));
    QVERIFY(!Loaded_Chooser(form));
    QVERIFY(watcher.Texts().count(Opening) <= 18);
    QVERIFY(watcher.Texts().count(Scenario::File_Problem) <= 1);
    QCOMPARE(watcher.Texts().count(Opening) + watcher.Texts().count(Scenario::File_Problem),
             watcher.Boxes().size());
    QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: binary.dlv"));
    Window_Test::Ticks(form, 60);
    for (const auto *row :
         {&form.Shape1, &form.Shape11, &form.Shape12, &form.Shape2, &form.Shape21, &form.Shape22})
        for (const Shape *ball : *row)
            QVERIFY(std::isfinite(ball->Top()));
    QVERIFY(!form.Render_Client_Area().isNull());
}

void tst_scenario_file::zero_from_file_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QList<int>>("still"); // the waves of panel 1 that move no ball

    QTest::addRow("frequency 0") << 9 << "\"0\"" << QList<int>{0};
    QTest::addRow("frequency reading as 0") << 9 << "\"Hz\"" << QList<int>{0};
    QTest::addRow("frequency 0 of wave 1") << 12 << "\" 0\"" << QList<int>{1};
    QTest::addRow("speed 0") << 2 << "\"0\"" << QList<int>{0, 1};
}

// A zero the scroll bars never give reaches the division: the flow says "File problem" once and
// the window runs on; a wave without a frequency or speed moves no ball.
void tst_scenario_file::zero_from_file()
{
    QFETCH(int, line);
    QFETCH(QString, field);
    QFETCH(QList<int>, still);

    Working_Folder folder;
    // Both waves of panel 1 chosen.
    QVERIFY(folder.Write(QStringLiteral("zero.dlv"),
                         File_Bytes(Start_Up_With({{line, field}, {5, "1"}}))));
    frm_dalvo form;
    Message_Box_Watcher watcher;
    QVERIFY(Open_Picked(form, QStringLiteral("zero.dlv")));
    Compare_Sorry_Boxes(watcher, {Scenario::File_Problem});
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!Loaded_Chooser(form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: zero.dlv"));

    const std::array<const frm_dalvo::Array<Shape, frm_dalvo::Balls> *, 4> components = {
        &form.Shape11, &form.Shape12, &form.Shape21, &form.Shape22};
    const auto tops = [&](int wave) {
        std::vector<float> row;
        for (const Shape *ball : *components[static_cast<std::size_t>(wave)])
            row.push_back(ball->Top());
        return row;
    };
    std::array<std::vector<float>, 4> before;
    for (int wave = 0; wave < 4; ++wave)
        before[static_cast<std::size_t>(wave)] = tops(wave);
    Window_Test::Ticks(form, 150);
    for (int wave : {0, 1, 2}) { // wave 3 is not chosen
        if (still.contains(wave))
            QCOMPARE(tops(wave), before[static_cast<std::size_t>(wave)]);
        else
            QVERIFY(tops(wave) != before[static_cast<std::size_t>(wave)]);
    }
    for (const auto *row : {&form.Shape1, &form.Shape2})
        for (const Shape *ball : *row)
            QVERIFY(std::isfinite(ball->Top()));
    QVERIFY(!form.Render_Client_Area().isNull());
    QCOMPARE(watcher.Boxes().size(), 1);
}

void tst_scenario_file::saving_failures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption"); // of lbl_c1; empty keeps the start-up caption

    QTest::addRow("missing folder") << "no such folder/x.dlv"
                                    << "";
    QTest::addRow("under a plain file") << "plain.txt/x.dlv"
                                        << "";
    QTest::addRow("wildcard name") << "*.dlv"
                                   << "";
    QTest::addRow("question mark") << "w?.dlv"
                                   << "";
    QTest::addRow("folder of that name") << "folder.dlv"
                                         << "";
    QTest::addRow("pipe of that name") << "pipe.dlv"
                                       << "";
    QTest::addRow("caption outside the code page") << "old.dlv"
                                                   << "波";
}

// A failed save shows one box, leaves every file as it was and changes no caption.
void tst_scenario_file::saving_failures()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    Working_Folder folder;
    const QByteArray old_bytes = "an old scenario, kept as it is\r\n";
    QVERIFY(folder.Write(QStringLiteral("old.dlv"), old_bytes));
    QVERIFY(folder.Write(QStringLiteral("plain.txt"), "text\r\n"));
    QVERIFY(QDir(folder.Path()).mkdir(QStringLiteral("folder.dlv")));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.File(QStringLiteral("pipe.dlv"))).constData(), 0600),
             0);
    const QStringList entries = folder.Entries();

    frm_dalvo form;
    if (!caption.isEmpty())
        form.lbl_c1->Set_Caption(caption);
    const QString title = form.windowTitle();
    Message_Box_Watcher watcher;
    Confirm_Typed(form, false, name);

    Compare_Sorry_Boxes(watcher, {Scenario::Saving_Problem});
    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(folder.Entries(), entries);
    QCOMPARE(folder.Read(QStringLiteral("old.dlv")), old_bytes);
    QCOMPARE(folder.Read(QStringLiteral("plain.txt")), QByteArray("text\r\n"));
    QVERIFY(!QFileInfo(folder.File(QStringLiteral("pipe.dlv"))).isFile());
    QVERIFY(QFileInfo(folder.File(QStringLiteral("folder.dlv"))).isDir());
    QVERIFY(!Loaded_Chooser(form));
}

void tst_scenario_file::file_size_limit_leaves_old_file_data()
{
    QTest::addColumn<int>("limit");

    QTest::addRow("nothing may be written") << 0;
    QTest::addRow("a few lines") << 40;
    QTest::addRow("one byte short") << 94;
}

// A disk that fills up while saving: the child process saves under a file size limit, which
// fails some write. The old file must stay as it was and no part of the new one may remain.
void tst_scenario_file::file_size_limit_leaves_old_file()
{
    QFETCH(int, limit);

    Working_Folder folder;
    const QByteArray old_bytes(200, 'o');
    QVERIFY(folder.Write(QStringLiteral("old.dlv"), old_bytes));
    Scenario::Set_Up set_up{QStringLiteral("10"), QStringLiteral("10"), {1, 0, 1, 0},
                            {"5", "5", "5", "5"}, {"1", "1", "1", "1"}, {1, 1, 1, 1}};

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        ::setrlimit(RLIMIT_FSIZE, &size);
        const bool saved = Scenario::Write_Set_Up(folder.File(QStringLiteral("old.dlv")), set_up);
        ::_exit(saved ? 1 : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0); // the save reported its failure
    QCOMPARE(folder.Read(QStringLiteral("old.dlv")), old_bytes);
    QCOMPARE(folder.Entries(), QStringList{QStringLiteral("old.dlv")});

    // Without the limit the same save goes through, so the limit was what failed it.
    QVERIFY(Scenario::Write_Set_Up(folder.File(QStringLiteral("old.dlv")), set_up));
    QCOMPARE(folder.Read(QStringLiteral("old.dlv")), File_Bytes(Start_Up_Lines()));
}

QTEST_MAIN(tst_scenario_file)
#include "tst_scenario_file.moc"
