// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_test_support.h"

#include "core/dalvo_error.h"
#include "core/number_text.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>

using namespace Window_Test;

namespace {

// A step as a user or a scenario file takes it: a scroll bar moved to a value, or a caption given.
using Set = std::pair<const char *, QVariant>;
// A control's property, found by object name, as it should read.
using Property = std::tuple<const char *, const char *, QVariant>;
// A wave's parameter as it should be held (compared to 7 digits, as a single prints).
using Held = std::tuple<std::array<float, 4> Dalvo_module::Module_State::*, int, float>;
constexpr auto Frequency = &Dalvo_module::Module_State::Frequency;
constexpr auto Wavelength = &Dalvo_module::Module_State::Wavelength;
constexpr auto Amplitude = &Dalvo_module::Module_State::Amplitude;

void Compare(frm_dalvo &form, const QList<Property> &properties, const QList<Held> &held)
{
    for (const auto &[name, property, value] : properties) {
        QObject *object =
            name == form.objectName() ? &form : form.findChild<QObject *>(QLatin1String(name));
        QVERIFY2(object, name);
        QCOMPARE(object->property(property).toString(), value.toString());
    }
    for (const auto &[parameter, wave, value] : held)
        QCOMPARE(QString::number((form.Module().*parameter).at(std::size_t(wave)), 'g', 7),
                 QString::number(value, 'g', 7));
}

} // namespace

Q_DECLARE_METATYPE(QList<Set>)
Q_DECLARE_METATYPE(QList<Property>)
Q_DECLARE_METATYPE(QList<Held>)

// The main window through its controls and handlers. Each test function makes its own window.
class tst_frm_dalvo : public QObject
{
    Q_OBJECT

private slots:
    // The captions, boxes and parameters at start-up are the start-up file, which a save writes
    // byte for byte and the ticks move balls by; here the rest.
    void start_up()
    {
        frm_dalvo form;
        Compare(form,
                {{"hsc_c1", "minimum", 1},
                 {"hsc_c1", "maximum", 20},
                 {"hsc_f(3)", "maximum", 20},
                 {"hsc_A(0)", "maximum", 15}},
                {});
        QCOMPARE(form.Shape1[0]->Box().height(), form.Shape1[0]->Box().width()); // circles
        QCOMPARE(form.findChild<QObject *>("Shape12(50)"), form.Shape12[50]);
    }

    void parameters_data()
    {
        QTest::addColumn<QList<Set>>("steps");
        // load: the scroll bars then set from the captions, as a load does
        QTest::addColumn<bool>("load");
        QTest::addColumn<QList<Property>>("properties");
        QTest::addColumn<QList<Held>>("held");
        // changed: the scroll bars that raise their Change, in order
        QTest::addColumn<QStringList>("changed");
        QTest::addColumn<int>("error"); // the error code that reaches the steps, or 0
        using Sets = QList<Set>;
        using Properties = QList<Property>;
        using Helds = QList<Held>;
        // A speed re-derives its panel's wavelengths only, and reads no amplitude caption.
        QTest::newRow("hsc_c1 to 20, .5 Hz")
            << Sets{{"hsc_f(1)", 5}, {"lbl_AA(0)", "7"}, {"hsc_c1", 20}} << false
            << Properties{{"lbl_c1", "Caption", " 20"}}
            << Helds{{Wavelength, 0, 20},
                     {Wavelength, 1, 40},
                     {Amplitude, 0, 5},
                     {Wavelength, 2, 10}}
            << QStringList{"hsc_f(1)", "hsc_c1"} << 0;
        QTest::newRow("caption 1.25 rounds to 12")
            << Sets{{"lbl_ff(0)", "1.25"}} << true
            << Properties{{"hsc_f(0)", "value", 12}, {"lbl_ff(0)", "Caption", " 1.2"}}
            << Helds{{Frequency, 0, 1.2f}, {Wavelength, 0, 8.333333f}} << QStringList{"hsc_f(0)"}
            << 0;
        // 10.5 rounds to the even 10, which the scroll bar holds already: the caption stays.
        QTest::newRow("caption 1.05")
            << Sets{{"lbl_ff(2)", "1.05"}} << true
            << Properties{{"hsc_f(2)", "value", 10}, {"lbl_ff(2)", "Caption", "1.05"}}
            << Helds{{Frequency, 2, 1.05f}} << QStringList{} << 0;
        // An error in a handler reaches the code whose setting raised it.
        QTest::newRow("handler error") << Sets{{"lbl_ff(0)", "0"}, {"hsc_A(0)", 6}} << false
                                       << Properties{{"lbl_AA(0)", "Caption", " 6"}} << Helds{}
                                       << QStringList{"hsc_A(0)"} << 11;
        // Captions only a scenario file can give.
        QTest::newRow("speed and frequency 0") << Sets{{"lbl_c1", "0"}, {"lbl_ff(0)", "0"}} << true
                                               << Properties{} << Helds{} << QStringList{} << 6;
        QTest::newRow("amplitude 1E+39") << Sets{{"lbl_AA(2)", "1E+39"}} << true << Properties{}
                                         << Helds{{Amplitude, 2, 5}} << QStringList{} << 6;
        // Stored before the scroll bar refuses it; a few ticks later f t leaves the single range.
        QTest::newRow("frequency 3E+38")
            << Sets{{"lbl_ff(0)", "3" + QString(38, '0')}} << true << Properties{}
            << Helds{{Frequency, 0, 3e38f}} << QStringList{} << 6;
    }

    // Only the scroll bars named raise a Change; an error reaches the code that took the step,
    // never the event loop; and ticks that follow still leave every ball at a finite place.
    void parameters()
    {
        QFETCH(QList<Set>, steps);
        QFETCH(bool, load);
        QFETCH(QList<Property>, properties);
        QFETCH(QList<Held>, held);
        QFETCH(QStringList, changed);
        QFETCH(int, error);
        QStringList raised;
        frm_dalvo form;
        for (ScrollBar *bar : form.findChildren<ScrollBar *>())
            connect(bar, &QScrollBar::valueChanged, &form,
                    [&, bar] { raised << bar->objectName(); });
        QTest::failOnWarning(QRegularExpression("untrapped"));
        try {
            for (const auto &[object, value] : steps)
                if (auto *bar = form.findChild<ScrollBar *>(QLatin1String(object)))
                    bar->Set_Value(value.toInt());
                else
                    form.findChild<Label *>(QLatin1String(object))->Set_Caption(value.toString());
            if (load)
                Dalvo_module::Init_Sliders(form);
            QCOMPARE(0, error);
        } catch (const Simulation::Dalvo_Error &e) {
            QCOMPARE(static_cast<int>(e.code()), error);
        }
        Compare(form, properties, held);
        QCOMPARE(raised, changed);
        Ticks(form, 40);
        for (const auto *row : {&form.Shape1, &form.Shape11, &form.Shape12, &form.Shape2})
            for (const Shape *ball : *row)
                QVERIFY2(std::isfinite(ball->Top()), qPrintable(ball->objectName()));
    }

    void ticks_data()
    {
        QTest::addColumn<QList<int>>("boxes"); // the values of chk_wave1 .. chk_wave4
        QTest::addColumn<int>("hidden");       // the component row hidden by its chk_balls, or -1
        QTest::addColumn<int>("ticks");
        QTest::addColumn<float>("t");      // the time of the last tick
        QTest::addColumn<int>("f0");       // hsc_f(0): wave 0's frequency in tenths of a hertz
        QTest::addColumn<bool>("refresh"); // Refresh_All after the ticks
        QTest::newRow("t 0.96, hidden row") << QList{1, 0, 1, 0} << 0 << 25 << 0.96f << 10 << false;
        QTest::newRow("t 1, panel 2 unticked")
            << QList{1, 0, 0, 0} << -1 << 26 << 1.0f << 10 << false;
        // A greyed box ticks its wave too; wave 1 comes in from the right.
        QTest::newRow("t 1, wave 1 greyed") << QList{1, 2, 1, 0} << -1 << 26 << 1.0f << 10 << false;
        QTest::newRow("t 3, waves 0 and 1") << QList{1, 1, 1, 0} << 3 << 76 << 3.0f << 10 << false;
        QTest::newRow("t 2.4, all waves") << QList{1, 1, 1, 1} << 2 << 61 << 2.4f << 10 << false;
        QTest::newRow("t 2.4, wave 0 at .5 Hz")
            << QList{1, 1, 1, 1} << -1 << 61 << 2.4f << 5 << false;
        QTest::newRow("rest after a refresh")
            << QList{1, 1, 1, 1} << -1 << 30 << 1.16f << 10 << true;
    }

    // Every ball stands where the core's tick for the same waves and time puts it: a component ball
    // its wave has reached at its displacement, the others parked out of sight, the resultant rows
    // at the sums, hidden rows moved all the same. The last tick sets every resultant ball.
    void ticks()
    {
        QFETCH(QList<int>, boxes);
        QFETCH(int, hidden);
        QFETCH(int, ticks);
        QFETCH(float, t);
        QFETCH(int, f0);
        QFETCH(bool, refresh);
        frm_dalvo form;
        form.hsc_f[0]->Set_Value(f0);
        for (int wave = 0; wave < 4; ++wave)
            form.chk_wave(wave)->Set_Value(boxes[wave]);
        if (hidden >= 0)
            form.chk_balls[hidden]->Set_Value(0);
        Ticks(form, ticks - 1);
        for (const auto *row : {&form.Shape1, &form.Shape2})
            for (Shape *ball : *row)
                ball->Set_Top(3);
        form.Timer1_Timer();
        if (refresh)
            Dalvo_module::Refresh_All(form);
        QCOMPARE(form.lbl_time->Caption(),
                 refresh ? "0.00" : Simulation::Number_Text(form.Elapsed_Time()));

        // The start-up waves: 1 Hz, 5 units high, 10 ball spacings long at the speed of 10; wave 0
        // at .5 Hz is 20 long.
        std::array<Simulation::Wave, 4> waves;
        waves.fill({1, 10, 5});
        if (f0 == 5)
            waves[0] = {0.5f, 20, 5};
        std::array<bool, 4> ticked;
        for (std::size_t i = 0; i < 4; ++i)
            ticked[i] = boxes[static_cast<qsizetype>(i)] != 0;
        Simulation::Tick_Positions expected;
        Simulation::Compute_Tick(waves, ticked, t, expected);
        const std::array component = {&form.Shape11, &form.Shape12, &form.Shape21, &form.Shape22};
        const std::array<PictureBox *, 2> panels = {form.Picture1, form.Picture2};
        for (int a = 0; a < frm_dalvo::Balls; ++a) {
            for (int wave = 0; wave < 4; ++wave) {
                const Shape *ball = (*component[wave])[a];
                const bool moved = expected.Moved[wave][a] && !refresh;
                QCOMPARE(ball->Top(),
                         moved ? expected.Component[wave][a] : 2 * panels[wave / 2]->ScaleHeight());
                QCOMPARE(ball->Visible(), wave != hidden);
            }
            for (int panel = 0; panel < 2; ++panel)
                QCOMPARE((panel ? form.Shape2 : form.Shape1)[a]->Top(),
                         refresh ? 0.0f : expected.Resultant[a][panel]);
        }
        // At rest the last ball of a row ends at the panel's right edge.
        for (const Shape *last : {form.Shape1[50], form.Shape2[50]})
            QVERIFY(!refresh ||
                    std::fabs(last->Left() + last->Width() - form.Picture1->ScaleWidth()) < 0.02);
        if (hidden >= 0) { // shown again, every ball of the row
            form.chk_balls[hidden]->Set_Value(1);
            for (const Shape *ball : *component[hidden])
                QVERIFY(ball->Visible());
        }
    }

    // A screen reader tells every control apart; a picture-only button shows what it does, and its
    // key.
    void names_and_tooltips()
    {
        frm_dalvo form;
        QList<QWidget *> controls = {form.cbo_Pace, form.lbl_time};
        for (QWidget *w : form.findChildren<QWidget *>())
            if (qobject_cast<CommandButton *>(w) || qobject_cast<CheckBox *>(w) ||
                qobject_cast<ScrollBar *>(w))
                controls << w;
        QCOMPARE(controls.size(), 2 + 10 + 8 + 10);
        QMap<QString, QString> names; // name -> control
        for (QWidget *w : controls) {
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(w->objectName()));
            names[name] = w->objectName();
        }
        QCOMPARE(names.value("Συχνότητα, κύμα 2, κάτω μέσο"), "hsc_f(3)");
        QCOMPARE(names.value("Κύμα 1, κάτω μέσο"), "chk_wave3");
        QCOMPARE(names.value("Χρόνος t σε δευτερόλεπτα"), "lbl_time");
        QStringList tips;
        for (const QWidget *w :
             {form.cmd_Open, form.cmd_Save, form.cmd_Print, form.cmd_Info, form.cmd_Clock})
            tips << w->toolTip();
        QCOMPARE(tips.join(", "), "Άνοιγμα σεναρίου, Αποθήκευση σεναρίου, Εκτύπωση του παραθύρου, "
                                  "Πληροφορίες για το Dalvo, Ως το επόμενο δευτερόλεπτο (F6)");
    }
};

QTEST_MAIN(tst_frm_dalvo)
#include "tst_frm_dalvo.moc"
