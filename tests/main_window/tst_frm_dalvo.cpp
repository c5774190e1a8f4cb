#include "support/window_test_support.h"

#include "core/dalvo_error.h"

#include <QRegularExpression>
#include <QtTest>
#include <cmath>

using namespace Window_Test;

namespace {

template <class T> T *Child(frm_dalvo &form, const QString &name)
{
    T *child = name == form.objectName() ? qobject_cast<T *>(&form) : form.findChild<T *>(name);
    return child ? child : throw std::runtime_error("no control " + name.toStdString());
}

// "Shape11(0..9) moved": every ball of the range is "parked" (at twice the panel's height, out
// of sight), "moved", "hidden", "~1.24" (to the digits given), "=0", "=Shape11", the "sum" of
// its rows or ends at the "right edge".
QString Check_Balls(frm_dalvo &form, const QString &expectation)
{
    static const QRegularExpression form_of(R"(^(\w+)\((\d+)(?:\.\.(\d+))?\) (.+)$)");
    const QRegularExpressionMatch m = form_of.match(expectation);
    const QString row = m.captured(1), what = m.captured(4);
    const auto ball = [&](const QString &name, int i) {
        return Child<Shape>(form, QStringLiteral("%1(%2)").arg(name).arg(i));
    };
    for (int i = m.captured(2).toInt(); i <= m.captured(m.hasCaptured(3) ? 3 : 2).toInt(); ++i) {
        const Shape *shape = ball(row, i);
        const auto *panel = static_cast<const PictureBox *>(shape->parent());
        const double y = shape->Top(), border = 2 * PictureBox::Border;
        const bool parked = std::fabs(y - 2 * panel->ScaleHeight()) < 1e-3 &&
                            !shape->Box().intersects(
                                QRectF(0, 0, panel->Width() - border, panel->Height() - border));
        bool holds = !shape->Visible(); // "hidden"
        if (what == u"parked" || what == u"moved")
            holds = parked == (what == u"parked");
        else if (what == u"right edge")
            holds = std::fabs(shape->Left() + shape->Width() - panel->ScaleWidth()) < 0.02;
        else if (what == u"sum")
            holds = std::fabs(y - ball(row + "1", i)->Top() - ball(row + "2", i)->Top()) <= 1e-4;
        else if (what.startsWith('~'))
            holds = QString::number(y, 'f', int(what.section('.', 1).size())) == what.mid(1);
        else if (what.startsWith('='))
            holds = std::fabs(y - (what == u"=0" ? 0 : ball(what.mid(1), i)->Top())) <= 1e-5;
        if (!holds)
            return QStringLiteral("%1(%2) %3: Top %4").arg(row).arg(i).arg(what).arg(y);
    }
    return {};
}

// A control's property as text ("lbl_ff(2).Caption") or a wave parameter ("Wavelength2").
QString Value(frm_dalvo &form, const QString &name)
{
    const QString object = name.section('.', 0, 0), property = name.section('.', 1);
    if (!property.isEmpty())
        return Child<QObject>(form, object)->property(qPrintable(property)).toString();
    const Dalvo_module::Module_State &m = form.Module();
    const auto i = static_cast<std::size_t>(name.back().digitValue());
    const float value = name.startsWith(u"Speed_")       ? (i == 1 ? m.Speed_1 : m.Speed_2)
                        : name.startsWith(u"Frequency")  ? m.Frequency.at(i)
                        : name.startsWith(u"Wavelength") ? m.Wavelength.at(i)
                                                         : m.Amplitude.at(i);
    return QString::number(value, 'g', 7);
}

// "lbl_ff(2).Caption= .5; Wavelength2=20; Shape1(0..9) =0; ..."; returns the first that fails.
QString Check(frm_dalvo &form, const QString &expected)
{
    for (const QString &e : expected.split("; ", Qt::SkipEmptyParts)) {
        if (e.startsWith(u"Shape")) {
            if (const QString failure = Check_Balls(form, e); !failure.isEmpty())
                return failure;
        } else if (const QString actual = Value(form, e.section('=', 0, 0));
                   actual != e.section('=', 1))
            return e + " but is " + actual;
    }
    return {};
}

// "hsc_f(2)=5" sets a scroll bar or a check box, "lbl_ff(0):1.25" a caption, "ticks=25" runs
// the timer's handler; or a procedure by its name.
void Apply(frm_dalvo &form, const QString &steps)
{
    for (const QString &step : steps.split("; ", Qt::SkipEmptyParts)) {
        const QString name = step.section(QRegularExpression("[=:]"), 0, 0);
        if (step == u"Init_Sliders")
            Dalvo_module::Init_Sliders(form);
        else if (step == u"Refresh_All")
            Dalvo_module::Refresh_All(form);
        else if (name == u"ticks") {
            Ticks(form, step.section('=', 1).toInt() - 1);
            // Resultant balls away from rest, to see that the last tick sets every one of them.
            for (const auto *row : {&form.Shape1, &form.Shape2})
                for (Shape *ball : *row)
                    ball->Set_Top(3);
            form.Timer1_Timer();
        } else if (step.contains(':'))
            Child<Label>(form, name)->Set_Caption(step.section(':', 1));
        else if (auto *box = form.findChild<CheckBox *>(name))
            box->Set_Value(step.section('=', 1).toInt());
        else
            Child<ScrollBar>(form, name)->Set_Value(step.section('=', 1).toInt());
    }
}

} // namespace

// The main window through its controls and handlers. Each test function makes its own window.
class tst_frm_dalvo : public QObject
{
    Q_OBJECT

private slots:
    void start_up();
    void steps_data();
    void steps();
    void no_error_escapes_a_handler();
    void zero_frequency_and_the_speed();
    void keys_move_scroll_bars();
    void frame_colour_is_its_own();
    void scroll_bar_drag_and_right_click();
};

void tst_frm_dalvo::start_up()
{
    frm_dalvo form;
    const QString failure = Check(
        form, "frm_dalvo.objectName=frm_dalvo; frm_dalvo.windowTitle=Dalvo: New file; "
              "frm_dalvo.Elapsed_Time=0; frm_dalvo.End_Time=20; lbl_time.Caption=0.00; "
              "lbl_c2.Caption=10; lbl_ff(3).Caption=1; lbl_AA(1).Caption=5; "
              "Label1(0).Caption=Ταχύτητα διάδοσης:; chk_wave4.text=Κύμα 2; chk_wave1.Value=1; "
              "chk_wave2.Value=0; chk_wave3.Value=1; chk_wave4.Value=0; chk_balls(2).Value=1; "
              "frm_WaveAttr(0).enabled=true; hsc_A(2).enabled=true; chk_wave4.enabled=true; "
              "frm_WaveAttr(1).enabled=false; hsc_f(1).enabled=false; lbl_AA(3).enabled=false; "
              "chk_balls(0).enabled=false; hsc_c1.minimum=1; hsc_c1.maximum=20; hsc_c1.value=10; "
              "hsc_f(3).maximum=20; hsc_f(3).value=10; hsc_A(0).maximum=15; hsc_A(0).value=5; "
              "hsc_A(0).pageStep=1; Timer1.interval=5; Timer1.active=false; Speed_1=10; "
              "Speed_2=10; Frequency3=1; Wavelength0=10; Wavelength3=10; Amplitude2=5");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(form.size(), QSize(1016, 736));
    QCOMPARE(form.Module().Panel_Span_Height, qint16{9150});
    QCOMPARE(form.Module().Panel2_Height, qint16{4110});
    // cmd_Go shows the very picture object that Image2 stores, not a look-alike.
    QVERIFY(form.Image2->Shown_Picture());
    QVERIFY(form.cmd_Go->Shown_Picture() == form.Image2->Shown_Picture());
    QCOMPARE(form.Shape1[0]->Box().height(), form.Shape1[0]->Box().width()); // circles
    QCOMPARE(form.findChild<QObject *>("hsc_A(2)"), form.hsc_A[2]);
    QCOMPARE(form.findChild<QObject *>("Shape12(50)"), form.Shape12[50]);
}

void tst_frm_dalvo::steps_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("changed"); // the scroll bars that raise their Change, in order
    QTest::addColumn<int>("error");       // the error code that reaches the steps, or 0
    const auto row = [](const char *name, const QString &steps, const char *expected,
                        const char *changed = "", int error = 0) {
        QTest::newRow(name) << steps << QString(expected) << QString(changed) << error;
    };
    row("hsc_f(2) to 5", "hsc_f(2)=5",
        "lbl_ff(2).Caption= .5; Frequency2=0.5; Wavelength2=20; Amplitude2=5", "hsc_f(2)");
    // A speed re-derives its panel's wavelengths only, and reads no amplitude caption.
    row("hsc_c1 to 20, .5 Hz", "hsc_f(1)=5; lbl_AA(0):7; hsc_c1=20",
        "lbl_c1.Caption= 20; Speed_1=20; Wavelength0=20; Wavelength1=40; Amplitude0=5; "
        "Wavelength2=10",
        "hsc_f(1) hsc_c1");
    row("values already held", "hsc_f(0)=10; hsc_A(0)=5; hsc_c1=10; hsc_c2=10",
        "lbl_ff(0).Caption=1");
    row("caption 1.25 rounds to 12", "lbl_ff(0):1.25; Init_Sliders",
        "hsc_f(0).value=12; lbl_ff(0).Caption= 1.2; Frequency0=1.2; Wavelength0=8.333333",
        "hsc_f(0)");
    // 10.5 rounds to the even 10, which the scroll bar holds already: the caption stays.
    row("caption 1.05", "lbl_ff(2):1.05; Init_Sliders",
        "hsc_f(2).value=10; lbl_ff(2).Caption=1.05; Frequency2=1.05");
    // Qt would clamp; the window refuses the value.
    row("hsc_A(0) to 16", "hsc_A(0)=16", "Amplitude0=5", "", 380);
    // An error in a handler reaches the code whose setting raised it.
    row("handler error", "lbl_ff(0):0; hsc_A(0)=6", "lbl_AA(0).Caption= 6", "hsc_A(0)", 11);
    // Captions only a scenario file can give.
    row("speed and frequency 0", "lbl_c1:0; lbl_ff(0):0; Init_Sliders", "", "", 6);
    row("amplitude 1E+39", "lbl_AA(2):1" + QString(39, '0') + "; Init_Sliders", "Amplitude2=5", "",
        6);
    row("amplitude 1E+39, exponent", "lbl_AA(2):1E+39; Init_Sliders", "Amplitude2=5", "", 6);
    // Stored before the scroll bar refuses it; a few ticks later f t leaves the single range.
    row("frequency 3E+38", "lbl_ff(0):3" + QString(38, '0') + "; Init_Sliders", "Frequency0=3e+38",
        "", 6);
    // The ticks at t = 0, 0.04, 0.96, 1 and 3; the time shown is that of the next tick.
    row("t 0", "ticks=1",
        "lbl_time.Caption= .04; Shape11(0..50) parked; Shape22(0..50) parked; Shape1(0..50) =0; "
        "Shape2(0..50) =0");
    row("t 0.04", "ticks=2",
        "Shape11(0) ~1.24; Shape11(1..50) parked; Shape1(0) =Shape11; Shape1(1..50) =0; "
        "Shape21(0) ~1.24; Shape2(0) =Shape21");
    row("t 0.96, hidden row", "chk_balls(0)=0; ticks=25",
        "lbl_time.Caption= 1; Shape11(0..50) hidden; Shape11(0) ~-1.258; Shape11(10..50) parked");
    row("t 1, panel 2 unticked", "chk_wave3=0; ticks=26",
        "Shape11(0) ~-0.016; Shape11(5) ~0.008; Shape11(0..9) moved; Shape11(10..50) parked; "
        "Shape1(0..9) =Shape11; Shape1(10..50) =0; Shape2(0..50) =0; Shape21(0..50) parked");
    // A greyed box ticks its wave too; wave 1 comes in from the right.
    row("t 1, wave 1 greyed", "chk_wave2=2; ticks=26",
        "Shape12(50) ~-0.016; Shape12(41..50) moved; Shape12(0..40) parked; "
        "Shape1(41..50) =Shape12");
    row("t 3, waves 0 and 1", "chk_wave2=1; ticks=76",
        "lbl_time.Caption= 3.04; Shape11(30..50) parked; Shape12(0..20) parked; "
        "Shape1(21..29) sum; Shape1(0..20) =Shape11; Shape1(30..50) =Shape12");
    // The time display starts again; every component ball is out of sight.
    row("rest after a refresh", "chk_wave2=1; chk_wave4=1; ticks=30; Refresh_All",
        "lbl_time.Caption=0.00; Shape11(0..50) parked; Shape12(0..50) parked; "
        "Shape21(0..50) parked; Shape22(0..50) parked; Shape1(0..50) =0; Shape2(0..50) =0; "
        "Shape1(50) right edge; Shape2(50) right edge");
}

// Steps as a user, a scenario file or the timer would take them. Only the scroll bars named raise
// a Change; an error reaches the code that took the step, never the event loop; and the ticks
// that follow still leave every ball at a finite place.
void tst_frm_dalvo::steps()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    QFETCH(QString, changed);
    QFETCH(int, error);
    QStringList raised;
    frm_dalvo form;
    for (ScrollBar *bar : form.findChildren<ScrollBar *>())
        connect(bar, &QScrollBar::valueChanged, &form, [&, bar] { raised << bar->objectName(); });
    QTest::failOnWarning(QRegularExpression("untrapped"));
    try {
        Apply(form, steps);
        QCOMPARE(0, error);
    } catch (const Simulation::Dalvo_Error &e) {
        QCOMPARE(static_cast<int>(e.code()), error);
    }
    const QString failure = Check(form, expected);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(raised.join(' '), changed);
    // The time is held in whole hundredths: exactly the single nearest to k / 100.
    const float t = form.Elapsed_Time();
    QVERIFY(t == static_cast<float>(qRound(t * 100) / 100.0));
    Ticks(form, 40);
    for (const auto *row : {&form.Shape1, &form.Shape11, &form.Shape12, &form.Shape2})
        for (const Shape *ball : *row)
            QVERIFY2(std::isfinite(ball->Top()), qPrintable(ball->objectName()));
}

// With a frequency caption of 0 the amplitude handler fails; called as a slot or by the user's
// click, it reports the error and lets none escape.
void tst_frm_dalvo::no_error_escapes_a_handler()
{
    frm_dalvo form;
    form.lbl_ff[0]->Set_Caption("0");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("untrapped error"));
    form.hsc_A_Change(0);
    QCOMPARE(form.lbl_AA[0]->Caption(), " 5");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("untrapped error"));
    QTest::mouseClick(form.hsc_A[0], Qt::LeftButton, {},
                      QPoint(form.hsc_A[0]->width() - 3, form.hsc_A[0]->height() / 2));
    QCOMPARE(form.lbl_AA[0]->Caption(), " 6");
}

// A frequency of 0 from a file leaves its wave inert; the other wave still follows the speed.
void tst_frm_dalvo::zero_frequency_and_the_speed()
{
    frm_dalvo form;
    form.lbl_ff[0]->Set_Caption("0");
    QVERIFY_THROWS_EXCEPTION(Simulation::Dalvo_Error, Dalvo_module::Set_Wave_Values(form, 0));
    QTest::failOnWarning(QRegularExpression("untrapped"));
    form.hsc_c1->Set_Value(20);
    QCOMPARE(form.Module().Wavelength[0], 0.0f);
    QCOMPARE(form.Module().Wavelength[1], 20.0f);
}

void tst_frm_dalvo::keys_move_scroll_bars()
{
    frm_dalvo form;
    QVERIFY(form.hsc_A[0]->focusPolicy() & Qt::TabFocus);
    for (const auto &[key, value] :
         {std::pair{Qt::Key_Right, 6}, {Qt::Key_Left, 5}, {Qt::Key_Left, 4}}) {
        QTest::keyClick(form.hsc_A[0], key);
        QCOMPARE(form.lbl_AA[0]->Caption(), QStringLiteral(" %1").arg(value));
        QCOMPARE(form.Module().Amplitude[0], float(value));
    }
}

// The labels and scroll bars inside a coloured frame keep the window's text colour; only the
// value labels have colours of their own.
void tst_frm_dalvo::frame_colour_is_its_own()
{
    frm_dalvo form;
    const QColor text = form.palette().color(QPalette::Active, QPalette::WindowText);
    for (int i = 0; i < 4; ++i) {
        const auto controls = form.Wave_Attr(i);
        for (QWidget *control : controls) {
            const bool value = control == form.lbl_ff[i] || control == form.lbl_AA[i];
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
                QVERIFY2((control->palette().color(QPalette::Active, role) != text) == value,
                         qPrintable(control->objectName()));
        }
    }
}

// A drag moves the thumb but raises Change only when it is let go; a right click opens no menu
// and moves nothing.
void tst_frm_dalvo::scroll_bar_drag_and_right_click()
{
    frm_dalvo form;
    ScrollBar *bar = form.hsc_A[0];
    QSignalSpy changes(bar, &QScrollBar::valueChanged);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    const QPoint thumb =
        bar->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
            .center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, thumb + QPoint(20, 0));
    QVERIFY(bar->sliderPosition() > 5);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(form.lbl_AA[0]->Caption(), "5");
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(20, 0));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(form.lbl_AA[0]->Caption(), QStringLiteral(" %1").arg(bar->value()));

    bool menu = false;
    QTimer::singleShot(0, bar, [&menu] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            menu = true;
            popup->close();
        }
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, thumb, bar->mapToGlobal(thumb));
    QApplication::sendEvent(bar, &click);
    QCoreApplication::processEvents();
    QVERIFY(!menu);
    QCOMPARE(changes.size(), 1);
}

QTEST_MAIN(tst_frm_dalvo)
#include "tst_frm_dalvo.moc"
