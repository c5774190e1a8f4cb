#include "window_test_support.h"

#include "simulation/dalvo_error.h"
#include "simulation/number_text.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <map>
#include <memory>

using namespace Window_Test;
using Simulation::Dalvo_Error;
using Simulation::Error_Code;

Q_DECLARE_METATYPE(Simulation::Error_Code)

namespace {

const QStringList All_Bars = {"hsc_c1",   "hsc_c2",   "hsc_f(0)", "hsc_f(1)", "hsc_f(2)",
                              "hsc_f(3)", "hsc_A(0)", "hsc_A(1)", "hsc_A(2)", "hsc_A(3)"};
const QStringList All_Parameters = {"Speed_1",     "Speed_2",     "Frequency0",  "Frequency1",
                                    "Frequency2",  "Frequency3",  "Wavelength0", "Wavelength1",
                                    "Wavelength2", "Wavelength3", "Amplitude0",  "Amplitude1",
                                    "Amplitude2",  "Amplitude3"};

template <class T> T *Child(frm_dalvo &form, const QString &name)
{
    T *child = form.findChild<T *>(name);
    if (!child)
        throw std::runtime_error("no control " + name.toStdString());
    return child;
}

float &Parameter(frm_dalvo &form, const QString &name)
{
    Dalvo_module::Module_State &m = form.Module();
    if (name == QLatin1String("Speed_1"))
        return m.Speed_1;
    if (name == QLatin1String("Speed_2"))
        return m.Speed_2;
    const auto i = static_cast<std::size_t>(name.back().digitValue());
    if (name.startsWith(QLatin1String("Frequency")))
        return m.Frequency.at(i);
    if (name.startsWith(QLatin1String("Wavelength")))
        return m.Wavelength.at(i);
    return m.Amplitude.at(i);
}

float Default_Parameter(const QString &name)
{
    if (name.startsWith(QLatin1String("Frequency")))
        return 1;
    return name.startsWith(QLatin1String("Amplitude")) ? 5 : 10;
}

// One step as a user, a file or the program would take it: "hsc_f(2)=5" sets a scroll bar or a
// check box, "lbl_ff(0):1.25" a caption; or a procedure by its name.
void Apply(frm_dalvo &form, const QString &step)
{
    if (step == QLatin1String("Init_Sliders"))
        return Dalvo_module::Init_Sliders(form);
    if (step.startsWith(QLatin1String("Set_Wave_Values(")))
        return Dalvo_module::Set_Wave_Values(form, step.at(16).digitValue());
    if (step == QLatin1String("Clear_Parameters")) {
        for (const QString &name : All_Parameters)
            Parameter(form, name) = 0;
        return;
    }
    const qsizetype colon = step.indexOf(QLatin1Char(':'));
    if (colon > 0)
        return Child<Label>(form, step.left(colon))->Set_Caption(step.mid(colon + 1));
    const QString name = step.section(QLatin1Char('='), 0, 0);
    const int value = step.section(QLatin1Char('='), 1).toInt();
    if (name.startsWith(QLatin1String("chk_")))
        return Child<CheckBox>(form, name)->Set_Value(value);
    Child<ScrollBar>(form, name)->Set_Value(value);
}

struct Bar_Spies
{
    explicit Bar_Spies(frm_dalvo &form)
    {
        for (const QString &name : All_Bars)
            spies[name] = std::make_unique<QSignalSpy>(Child<ScrollBar>(form, name),
                                                       &QScrollBar::valueChanged);
    }
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
};

double Panel_Scale_Height(const Shape *ball)
{
    return static_cast<const PictureBox *>(ball->parent())->ScaleHeight();
}

bool Parked(const Shape *ball)
{
    return std::fabs(ball->Top() - 2 * Panel_Scale_Height(ball)) < 1e-3;
}

// Checks one expectation on a range of balls, e.g. "Shape11(0..9) moved", "Shape1(0) ~1.24",
// "Shape1(3) =0", "Shape1(4) =Shape11", "Shape2(5) sum". Returns an empty text when it holds.
QString Check_Balls(frm_dalvo &form, const QString &expectation)
{
    static const QRegularExpression form_of(
        QStringLiteral(R"(^(\w+)\((\d+)(?:\.\.(\d+))?\) (.+)$)"));
    const QRegularExpressionMatch m = form_of.match(expectation);
    if (!m.hasMatch())
        return QStringLiteral("bad expectation");
    const QString row = m.captured(1), what = m.captured(4);
    const int first = m.captured(2).toInt();
    const int last = m.captured(3).isEmpty() ? first : m.captured(3).toInt();
    const auto ball = [&](const QString &name, int i) {
        return Child<Shape>(form, QStringLiteral("%1(%2)").arg(name).arg(i));
    };
    for (int i = first; i <= last; ++i) {
        const Shape *shape = ball(row, i);
        const double top = shape->Top();
        bool holds = false;
        if (what == QLatin1String("parked") || what == QLatin1String("moved"))
            holds = Parked(shape) == (what == QLatin1String("parked"));
        else if (what == QLatin1String("hidden") || what == QLatin1String("shown"))
            holds = shape->Visible() == (what == QLatin1String("shown"));
        else if (what == QLatin1String("=0"))
            holds = std::fabs(top) <= 1e-6;
        else if (what.startsWith(QLatin1Char('~'))) {
            // "about": within half a unit of the last digit given
            const QString number = what.mid(1);
            const qsizetype point = number.indexOf(QLatin1Char('.'));
            const double decimals = point < 0 ? 0 : static_cast<double>(number.size() - point - 1);
            holds = std::fabs(top - number.toDouble()) <= 0.5 * std::pow(10.0, -decimals);
        } else if (what.startsWith(QLatin1Char('=')))
            holds = std::fabs(top - ball(what.mid(1), i)->Top()) <= 1e-5;
        else if (what == QLatin1String("sum"))
            holds = std::fabs(top - ball(row + "1", i)->Top() - ball(row + "2", i)->Top()) <= 1e-4;
        if (!holds)
            return QStringLiteral("%1(%2) %3: Top %4").arg(row).arg(i).arg(what).arg(top);
    }
    return QString();
}

} // namespace

// The main window through its controls and handlers: start-up state, wave parameters, ticks and
// the rest positions of the ball rows. Each test function makes its own window.
class tst_frm_dalvo : public QObject
{
    Q_OBJECT

private slots:
    void start_up_data();
    void start_up();
    void start_up_window();
    void object_names();
    void parameters_data();
    void parameters();
    void out_of_range_data();
    void out_of_range();
    void faulty_captions_data();
    void faulty_captions();
    void no_error_escapes_a_handler_data();
    void no_error_escapes_a_handler();
    void tick_data();
    void tick();
    void stop_rules_data();
    void stop_rules();
    void rest_positions_data();
    void rest_positions();
    void keys_move_scroll_bars_data();
    void keys_move_scroll_bars();
};

void tst_frm_dalvo::start_up_data()
{
    QTest::addColumn<QString>("expectation");
    // Captions, check-box values, enabled states and scroll-bar settings: "name.property=value".
    // clang-format off
    QStringList rows = {
        "lbl_time.text=0.00", "lbl_c1.text=10", "lbl_c2.text=10", "lbl_ff(0).text=1",
        "lbl_ff(3).text=1", "lbl_AA(1).text=5", "lbl_AA(2).text=5", "Label5.text=t = ",
        "Label1(0).text=Ταχύτητα διάδοσης:", "Label2(1).text=c =", "Label7.text=sec",
        "lbl_syxnot(1).text=Συχνότητα:", "lbl_f(2).text=f = ", "lbl_Hz(3).text=Hz",
        "lbl_Platos(0).text=Πλάτος:", "lbl_A(3).text=Α =", "cmd_Exit.text=Exit",
        "chk_wave1.text=Κύμα 1", "chk_wave4.text=Κύμα 2",
        "chk_balls(0).text=Red balls", "chk_balls(3).text=Blue balls",
        "chk_wave1.Value=1", "chk_wave2.Value=0", "chk_wave3.Value=1", "chk_wave4.Value=0",
        "chk_wave2.enabled=true", "chk_wave4.enabled=true",
        "frm_WaveAttr(0).enabled=true", "hsc_f(0).enabled=true", "lbl_ff(2).enabled=true",
        "hsc_A(2).enabled=true", "frm_WaveAttr(1).enabled=false", "hsc_f(1).enabled=false",
        "lbl_AA(3).enabled=false", "frm_WaveAttr(3).enabled=false",
        "Timer1.interval=5", "Timer1.active=false"};
    // clang-format on
    for (int i = 0; i < 4; ++i)
        rows << QStringLiteral("chk_balls(%1).Value=1").arg(i)
             << QStringLiteral("chk_balls(%1).enabled=false").arg(i);
    for (const QString &bar : All_Bars) {
        const bool amplitude = bar.startsWith("hsc_A");
        for (const QString &setting :
             {QStringLiteral("minimum=1"), QStringLiteral("singleStep=1"),
              QStringLiteral("pageStep=1"), QStringLiteral("maximum=") + (amplitude ? "15" : "20"),
              QStringLiteral("value=") + (amplitude ? "5" : "10")})
            rows << bar + '.' + setting;
    }
    for (const QString &row : rows)
        QTest::newRow(qPrintable(row)) << row;
}

void tst_frm_dalvo::start_up()
{
    QFETCH(QString, expectation);
    const QString object = expectation.section('.', 0, 0);
    const QString property = expectation.section('.', 1).section('=', 0, 0);
    const QString value = expectation.section('=', 1);
    frm_dalvo form;
    const QVariant actual = Child<QObject>(form, object)->property(qPrintable(property));
    QVERIFY(actual.isValid());
    QCOMPARE(actual.toString(), value);
}

void tst_frm_dalvo::start_up_window()
{
    frm_dalvo form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Dalvo: New file"));
    QCOMPARE(form.size(), QSize(1016, 736));
    QCOMPARE(form.Module().Panel_Span_Height, qint16{9150});
    QCOMPARE(form.Module().Panel2_Height, qint16{4110});
    QCOMPARE(form.property("Clock_Mode").toFloat(), 1.f);
    QCOMPARE(form.property("End_Time").toFloat(), 20.f);
    QVERIFY(form.property("Elapsed_Time").toFloat() == 0.f);
    // cmd_Go shows the very picture object that Image2 stores, not a look-alike.
    QVERIFY(form.Image2->Shown_Picture());
    QVERIFY(form.cmd_Go->Shown_Picture() == form.Image2->Shown_Picture());
    QVERIFY(form.cmd_Go->Shown_Picture() != form.Image1->Shown_Picture());
    QVERIFY(form.Image1->isHidden() && form.Image2->isHidden());
    for (const QString &name : All_Parameters)
        QVERIFY2(Parameter(form, name) == Default_Parameter(name), qPrintable(name));
}

void tst_frm_dalvo::object_names()
{
    frm_dalvo form;
    // clang-format off
    const std::pair<const QObject *, const char *> named[] = {
        {&form, "frm_dalvo"}, {form.Timer1, "Timer1"}, {form.hsc_A[2], "hsc_A(2)"},
        {form.hsc_A[0], "hsc_A(0)"}, {form.lbl_ff[2], "lbl_ff(2)"}, {form.cmd_Go, "cmd_Go"},
        {form.frm_WaveAttr[1], "frm_WaveAttr(1)"}, {form.chk_balls[3], "chk_balls(3)"},
        {form.img_hand[0], "img_hand(0)"}, {form.Label_1y[4], "Label_1y(4)"},
        {form.Line1x[5], "Line1x(5)"}, {form.Line2[4], "Line2(4)"}, {form.Image2, "Image2"},
        {form.Shape12[50], "Shape12(50)"}, {form.Shape1[0], "Shape1(0)"},
        {form.Shape22[17], "Shape22(17)"}, {form.Picture2, "Picture2"},
        {form.chk_wave3, "chk_wave3"}};
    // clang-format on
    for (const auto &[object, name] : named) {
        QCOMPARE(object->objectName(), QLatin1String(name));
        if (object != &form)
            QCOMPARE(form.findChildren<QObject *>(QLatin1String(name)).size(), 1);
    }
}

void tst_frm_dalvo::parameters_data()
{
    QTest::addColumn<QStringList>("steps");
    // Parameters not named keep their defaults; captions and scroll bars not named are not checked.
    QTest::addColumn<QStringList>("expected");
    // The scroll bars that raised exactly one Change; every other one raised none.
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("hsc_f(2) to 5")
        << QStringList{"hsc_f(2)=5"}
        << QStringList{"lbl_ff(2)= .5", "Frequency2=0.5", "Wavelength2=20", "hsc_A(2)=5"}
        << QStringList{"hsc_f(2)"};
    QTest::newRow("hsc_f(1) to 15")
        << QStringList{"hsc_f(1)=15"}
        << QStringList{"lbl_ff(1)= 1.5", "Frequency1=1.5", "Wavelength1=6.666667"}
        << QStringList{"hsc_f(1)"};
    QTest::newRow("hsc_A(3) to 15")
        << QStringList{"hsc_A(3)=15"} << QStringList{"lbl_AA(3)= 15", "Amplitude3=15"}
        << QStringList{"hsc_A(3)"};
    QTest::newRow("hsc_c1 to 20 at 1 and .5 Hz")
        << QStringList{"hsc_f(1)=5", "lbl_AA(0):7", "hsc_c1=20"}
        << QStringList{"Frequency1=0.5", "Speed_1=20", "Wavelength0=20",
                       "Wavelength1=40", "lbl_c1= 20", "lbl_AA(0)=7"}
        << QStringList{"hsc_f(1)", "hsc_c1"};
    QTest::newRow("hsc_c2 to 1") << QStringList{"hsc_c2=1"}
                                 << QStringList{"lbl_c2= 1", "Speed_2=1", "Wavelength2=1",
                                                "Wavelength3=1"}
                                 << QStringList{"hsc_c2"};
    QTest::newRow("values already held")
        << QStringList{"hsc_f(0)=10", "hsc_A(0)=5", "hsc_c1=10", "hsc_c2=10"}
        << QStringList{"lbl_ff(0)=1", "lbl_AA(0)=5", "lbl_c1=10", "lbl_c2=10"} << QStringList{};
    QTest::newRow("caption 1.25 rounds to 12")
        << QStringList{"lbl_ff(0):1.25", "Init_Sliders"}
        << QStringList{"hsc_f(0)=12", "lbl_ff(0)= 1.2", "Frequency0=1.2", "Wavelength0=8.333333"}
        << QStringList{"hsc_f(0)"};
    QTest::newRow("caption 2") << QStringList{"lbl_ff(3):2", "Init_Sliders"}
                               << QStringList{"hsc_f(3)=20", "lbl_ff(3)= 2", "Frequency3=2",
                                              "Wavelength3=5"}
                               << QStringList{"hsc_f(3)"};
    QTest::newRow("caption 1.05 keeps its text")
        << QStringList{"lbl_ff(2):1.05", "Init_Sliders"}
        << QStringList{"hsc_f(2)=10", "lbl_ff(2)=1.05", "Frequency2=1.05", "Wavelength2=9.523809"}
        << QStringList{};
    QTest::newRow("amplitude 3.5 rounds to 4")
        << QStringList{"lbl_AA(1):3.5", "Init_Sliders"}
        << QStringList{"hsc_A(1)=4", "lbl_AA(1)= 4", "Amplitude1=4"} << QStringList{"hsc_A(1)"};
    QTest::newRow("speed caption 15")
        << QStringList{"lbl_c2:15", "Init_Sliders"}
        << QStringList{"hsc_c2=15", "lbl_c2= 15", "Speed_2=15", "Wavelength2=15", "Wavelength3=15"}
        << QStringList{"hsc_c2"};
    QTest::newRow("captions equal to the bars re-derive all")
        << QStringList{"Clear_Parameters", "Init_Sliders"} << QStringList{"lbl_ff(1)=1"}
        << QStringList{};
}

void tst_frm_dalvo::parameters()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, changed);
    frm_dalvo form;
    Bar_Spies bars(form);
    try {
        for (const QString &step : steps)
            Apply(form, step);
    } catch (const std::exception &e) {
        QFAIL(e.what());
    }
    std::map<QString, float> parameters;
    for (const QString &name : All_Parameters)
        parameters[name] = Default_Parameter(name);
    for (const QString &expectation : expected) {
        const QString name = expectation.section(QLatin1Char('='), 0, 0);
        const QString value = expectation.section(QLatin1Char('='), 1);
        if (name.startsWith(QLatin1String("lbl_")))
            QCOMPARE(Child<Label>(form, name)->Caption(), value);
        else if (name.startsWith(QLatin1String("hsc_")))
            QCOMPARE(Child<ScrollBar>(form, name)->value(), value.toInt());
        else
            parameters[name] = value.toFloat();
    }
    for (const auto &[name, value] : parameters)
        QVERIFY2(qFuzzyCompare(Parameter(form, name), value),
                 qPrintable(QStringLiteral("%1 is %2").arg(name).arg(Parameter(form, name))));
    for (const auto &[name, spy] : bars.spies)
        QVERIFY2(spy->size() == (changed.contains(name) ? 1 : 0), qPrintable(name));
}

void tst_frm_dalvo::out_of_range_data()
{
    QTest::addColumn<QString>("step");
    for (const char *step : {"hsc_A(0)=0", "hsc_A(0)=16", "hsc_f(2)=21", "hsc_f(3)=0", "hsc_c1=0",
                             "hsc_c2=21", "hsc_c2=-32768"})
        QTest::newRow(step) << step;
}

// Qt would clamp the value; the window refuses it and changes nothing.
void tst_frm_dalvo::out_of_range()
{
    QFETCH(QString, step);
    frm_dalvo form;
    Bar_Spies bars(form);
    const ScrollBar *bar = Child<ScrollBar>(form, step.section(QLatin1Char('='), 0, 0));
    const int before = bar->value();
    try {
        Apply(form, step);
        QFAIL("no error");
    } catch (const Dalvo_Error &e) {
        QCOMPARE(e.code(), Error_Code::Invalid_Property_Value);
    }
    QCOMPARE(bar->value(), before);
    for (const auto &[name, spy] : bars.spies)
        QVERIFY2(spy->isEmpty(), qPrintable(name));
    for (const QString &name : All_Parameters)
        QVERIFY2(Parameter(form, name) == Default_Parameter(name), qPrintable(name));
    QCOMPARE(form.lbl_c1->Caption(), QStringLiteral("10"));
    QCOMPARE(form.lbl_AA[0]->Caption(), QStringLiteral("5"));
}

void tst_frm_dalvo::faulty_captions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Error_Code>("code");
    QTest::newRow("frequency 0") << QStringList{"lbl_ff(1):0", "Set_Wave_Values(1)"}
                                 << Error_Code::Division_By_Zero;
    QTest::newRow("frequency abc")
        << QStringList{"lbl_ff(2):abc", "Init_Sliders"} << Error_Code::Division_By_Zero;
    QTest::newRow("speed and frequency 0")
        << QStringList{"lbl_c1:0", "lbl_ff(0):0", "Set_Wave_Values(0)"} << Error_Code::Overflow;
    QTest::newRow("amplitude 16") << QStringList{"lbl_AA(3):16", "Set_Wave_Values(3)"}
                                  << Error_Code::Invalid_Property_Value;
    QTest::newRow("frequency 2.1")
        << QStringList{"lbl_ff(0):2.1", "Set_Wave_Values(0)"} << Error_Code::Invalid_Property_Value;
    QTest::newRow("frequency .04")
        << QStringList{"lbl_ff(0):.04", "Set_Wave_Values(0)"} << Error_Code::Invalid_Property_Value;
    QTest::newRow("speed 0") << QStringList{"lbl_c2:0", "Init_Sliders"}
                             << Error_Code::Invalid_Property_Value;
    QTest::newRow("amplitude beyond single")
        << QStringList{QStringLiteral("lbl_AA(2):1") + QString(39, QLatin1Char('0')),
                       "Set_Wave_Values(2)"}
        << Error_Code::Overflow;
    // Stored before the scroll bar refuses it; a few ticks later f t leaves the single range.
    QTest::newRow("frequency 3E+38")
        << QStringList{QStringLiteral("lbl_ff(0):3") + QString(38, QLatin1Char('0')),
                       "Set_Wave_Values(0)"}
        << Error_Code::Overflow;
}

// Captions only a scenario file can give make the parameter procedures fail for their caller;
// the tick that follows still leaves every ball at a finite place.
void tst_frm_dalvo::faulty_captions()
{
    QFETCH(QStringList, steps);
    QFETCH(Error_Code, code);
    frm_dalvo form;
    try {
        for (const QString &step : steps)
            Apply(form, step);
        QFAIL("no error");
    } catch (const Dalvo_Error &e) {
        QCOMPARE(e.code(), code);
    }
    Ticks(form, 40);
    for (const auto *row : {&form.Shape1, &form.Shape11, &form.Shape12, &form.Shape2})
        for (const Shape *ball : *row)
            QVERIFY2(std::isfinite(ball->Top()), qPrintable(ball->objectName()));
}

void tst_frm_dalvo::no_error_escapes_a_handler_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("thrown");
    QTest::newRow("handler called as a slot") << "slot" << false;
    QTest::newRow("user clicks the scroll bar's right arrow") << "click" << false;
    QTest::newRow("code sets the scroll bar") << "code" << true;
}

// With a frequency caption of 0 the amplitude handler fails in Set_Wave_Values. The error
// reaches code that set the scroll bar, and never the event loop.
void tst_frm_dalvo::no_error_escapes_a_handler()
{
    QFETCH(QString, how);
    QFETCH(bool, thrown);
    frm_dalvo form;
    form.lbl_ff[0]->Set_Caption(QStringLiteral("0"));
    if (thrown)
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    else
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("untrapped error")));
    bool caught = false;
    try {
        if (how == QLatin1String("slot"))
            form.hsc_A_Change(0);
        else if (how == QLatin1String("click"))
            QTest::mouseClick(form.hsc_A[0], Qt::LeftButton, {},
                              QPoint(form.hsc_A[0]->width() - 3, form.hsc_A[0]->height() / 2));
        else
            form.hsc_A[0]->Set_Value(6);
    } catch (const Dalvo_Error &e) {
        caught = e.code() == Error_Code::Division_By_Zero;
    } catch (...) {
        QFAIL("an unexpected error escaped");
    }
    QCOMPARE(caught, thrown);
    QCOMPARE(form.lbl_AA[0]->Caption(), how == QLatin1String("slot") ? " 5" : " 6");
}

void tst_frm_dalvo::tick_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("ticks_before");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("caption");
    QTest::newRow("t 0") << QStringList{} << 0
                         << QStringList{"Shape11(0..50) parked", "Shape12(0..50) parked",
                                        "Shape21(0..50) parked", "Shape22(0..50) parked",
                                        "Shape1(0..50) =0",      "Shape2(0..50) =0"}
                         << " .04";
    QTest::newRow("t 0.04") << QStringList{} << 1
                            << QStringList{"Shape11(0) ~1.24",   "Shape11(1..50) parked",
                                           "Shape1(0) =Shape11", "Shape1(1..50) =0",
                                           "Shape21(0) ~1.24",   "Shape21(1..50) parked",
                                           "Shape2(0) =Shape21", "Shape12(0..50) parked"}
                            << " .08";
    QTest::newRow("t 0.96") << QStringList{} << 24
                            << QStringList{"Shape11(0) ~-1.258", "Shape11(5) ~1.25",
                                           "Shape11(10..50) parked"}
                            << " 1";
    QTest::newRow("t 1, wave 0, panel 2 unticked")
        << QStringList{"chk_wave3=0"} << 25
        << QStringList{"Shape11(0) ~-0.016",     "Shape11(5) ~0.008",     "Shape11(0..9) moved",
                       "Shape11(10..50) parked", "Shape1(0..9) =Shape11", "Shape1(10..50) =0",
                       "Shape2(0..50) =0",       "Shape21(0..50) parked", "Shape22(0..50) parked"}
        << " 1.04";
    QTest::newRow("t 1, wave 1") << QStringList{"chk_wave1=0", "chk_wave2=1"} << 25
                                 << QStringList{"Shape12(41..50) moved", "Shape12(0..40) parked",
                                                "Shape12(50) ~-0.016",   "Shape12(45) ~0.008",
                                                "Shape11(0..50) parked", "Shape1(41..50) =Shape12",
                                                "Shape1(0..40) =0"}
                                 << " 1.04";
    QTest::newRow("t 3, waves 0 and 1")
        << QStringList{"chk_wave2=1"} << 75
        << QStringList{"Shape11(0..29) moved",   "Shape11(30..50) parked", "Shape12(21..50) moved",
                       "Shape12(0..20) parked",  "Shape1(21..29) sum",     "Shape1(0..20) =Shape11",
                       "Shape1(30..50) =Shape12"}
        << " 3.04";
    QTest::newRow("t 1, wave 1 greyed still ticks")
        << QStringList{"chk_wave2=2"} << 25
        << QStringList{"Shape12(41..50) moved", "Shape12(0..40) parked", "Shape1(41..50) =Shape12"}
        << " 1.04";
    QTest::newRow("t 1, wave 3 alone")
        << QStringList{"chk_wave3=0", "chk_wave4=1"} << 25
        << QStringList{"Shape22(41..50) moved", "Shape22(0..40) parked", "Shape21(0..50) parked",
                       "Shape2(41..50) =Shape22", "Shape2(0..40) =0"}
        << " 1.04";
    QTest::newRow("hidden row still moved")
        << QStringList{"chk_wave2=1", "chk_balls(0)=0"} << 25
        << QStringList{"Shape11(0..50) hidden", "Shape11(0..9) moved", "Shape11(10..50) parked",
                       "Shape12(0..50) shown", "Shape12(41..50) moved"}
        << " 1.04";
}

void tst_frm_dalvo::tick()
{
    QFETCH(QStringList, steps);
    QFETCH(int, ticks_before);
    QFETCH(QStringList, expected);
    QFETCH(QString, caption);
    frm_dalvo form;
    for (const QString &step : steps)
        Apply(form, step);
    Ticks(form, ticks_before);
    // Resultant balls away from rest, to see that the tick sets every one of them.
    for (int a = 0; a < frm_dalvo::Balls; ++a) {
        form.Shape1[a]->Set_Top(3);
        form.Shape2[a]->Set_Top(3);
    }
    form.Timer1_Timer();
    for (const QString &expectation : expected) {
        const QString failure = Check_Balls(form, expectation);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    QCOMPARE(form.lbl_time->Caption(), caption);
    QVERIFY(form.property("Elapsed_Time").toFloat() ==
            static_cast<float>(Simulation::Numeric_Reading(caption)));
}

void tst_frm_dalvo::stop_rules_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<float>("clock_mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("finished");
    QTest::newRow("24 ticks") << 24 << 1.f << " .96" << true << false;
    QTest::newRow("25 ticks stop at 1 s") << 25 << 1.f << " 1" << false << false;
    QTest::newRow("25 ticks, clock mode 0") << 25 << 0.f << " 1" << true << false;
    QTest::newRow("500 ticks") << 500 << 0.f << " 20" << true << false;
    QTest::newRow("501 ticks: finished") << 501 << 0.f << " 20.04" << true << true;
}

void tst_frm_dalvo::stop_rules()
{
    QFETCH(int, ticks);
    QFETCH(float, clock_mode);
    QFETCH(QString, caption);
    QFETCH(bool, running);
    QFETCH(bool, finished);
    frm_dalvo form;
    form.setProperty("Clock_Mode", clock_mode);
    form.cmd_Back->setEnabled(false);
    form.Timer1->start(); // never fires: no event loop runs here
    Ticks(form, ticks);
    QCOMPARE(form.lbl_time->Caption(), caption);
    QCOMPARE(form.Timer1->isActive(), running);
    QCOMPARE(form.cmd_Go->isEnabled(), !finished);
    QCOMPARE(form.cmd_Back->isEnabled(), finished);
    QCOMPARE(form.Clock_Mode(), finished ? 1.f : clock_mode);
}

void tst_frm_dalvo::rest_positions_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::newRow("start-up selection") << QStringList{};
    QTest::newRow("panel 1 alone") << QStringList{"chk_wave3=0"};
    QTest::newRow("all four waves") << QStringList{"chk_wave2=1", "chk_wave4=1"};
    QTest::newRow("no wave") << QStringList{"chk_wave1=0", "chk_wave3=0"};
    QTest::newRow("right-hand waves, greyed")
        << QStringList{"chk_wave1=0", "chk_wave2=2", "chk_wave3=0", "chk_wave4=1"};
}

// After some ticks, a refresh puts every ball back at rest without resetting the time.
void tst_frm_dalvo::rest_positions()
{
    QFETCH(QStringList, selection);
    frm_dalvo form;
    for (const QString &step : selection)
        Apply(form, step);
    Ticks(form, 30);
    Dalvo_module::Refresh_All(form);
    QCOMPARE(form.lbl_time->Caption(), QStringLiteral("0.00"));
    QVERIFY(form.property("Elapsed_Time").toFloat() == 1.2f);
    const QRectF ball_box = form.Shape1[0]->Box();
    QVERIFY(std::fabs(ball_box.width() - 11790 / 51.0) < 1e-3);
    QCOMPARE(ball_box.height(), ball_box.width());
    for (PictureBox *panel : {form.Picture1, form.Picture2}) {
        QCOMPARE(panel->ScaleWidth(), 11790.f);
        const bool first = panel == form.Picture1;
        const auto &resultant = first ? form.Shape1 : form.Shape2;
        const auto &left_row = first ? form.Shape11 : form.Shape21;
        const auto &right_row = first ? form.Shape12 : form.Shape22;
        const float W = panel->ScaleWidth() / 51;
        QVERIFY(resultant[0]->Width() == W);
        QVERIFY(std::fabs(resultant[50]->Left() + W - panel->ScaleWidth()) < 0.02);
        const QRectF interior(0, 0, panel->Width() - 2 * PictureBox::Border,
                              panel->Height() - 2 * PictureBox::Border);
        const QRectF rounded_interior = interior.adjusted(-0.01, -0.01, 0.01, 0.01);
        for (int i = 0; i < frm_dalvo::Balls; ++i) {
            QVERIFY(std::fabs(resultant[i]->Left() - static_cast<float>(i) * W) < 0.02f);
            QVERIFY(std::fabs(resultant[i]->Top()) < 1e-4f);
            QVERIFY(rounded_interior.contains(resultant[i]->Box()));
            for (const Shape *ball : {resultant[i], left_row[i], right_row[i]})
                QCOMPARE(ball->Box().size(), ball_box.size());
            for (const Shape *ball : {left_row[i], right_row[i]}) {
                QVERIFY(ball->Left() == resultant[i]->Left());
                QVERIFY2(ball->Visible() && !ball->Box().intersects(interior),
                         qPrintable(ball->objectName()));
            }
        }
    }
}

void tst_frm_dalvo::keys_move_scroll_bars_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");
    QTest::addRow("right raises") << int(Qt::Key_Right) << 6 << QStringLiteral(" 6");
    QTest::addRow("left lowers") << int(Qt::Key_Left) << 4 << QStringLiteral(" 4");
}

void tst_frm_dalvo::keys_move_scroll_bars()
{
    QFETCH(int, key);
    QFETCH(int, value);
    QFETCH(QString, caption);
    frm_dalvo form;
    QVERIFY(form.hsc_A[0]->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(form.hsc_A[0], Qt::Key(key));
    QCOMPARE(form.hsc_A[0]->value(), value);
    QCOMPARE(form.lbl_AA[0]->Caption(), caption);
    QCOMPARE(form.Module().Amplitude[0], float(value));
}

QTEST_MAIN(tst_frm_dalvo)
#include "tst_frm_dalvo.moc"
