// SPDX-License-Identifier: GPL-3.0-or-later
// The y-t graph: the strip under the panels, the traces of the marked balls as the balls took
// them, and each wave's period and wavelength.
#include "controls/twips.h"
#include "main_window/frm_dalvo.h"
#include "main_window/graph_strip.h"
#include "support/message_box_watcher.h"
#include "support/scenario_test_support.h"
#include "support/window_test_support.h"

#include <QAccessible>
#include <QPrinter>
#include <QProcess>
#include <QtTest>
#include <cmath>

using Simulation::Tick_History;
using Window_Test::Count;

namespace {

// A set-up as the scroll bars and wave boxes give it: per wave its box, its frequency in tenths of
// a hertz and its amplitude; per panel its speed.
struct Set_Up
{
    std::array<int, 4> boxes{1, 0, 1, 0};
    std::array<int, 4> f_tenths{10, 10, 10, 10};
    std::array<int, 4> amplitude{5, 5, 5, 5};
    std::array<int, 2> speed{10, 10};
};

void Apply(frm_dalvo &form, const Set_Up &s)
{
    for (int wave = 0; wave < 4; ++wave) {
        const auto i = static_cast<std::size_t>(wave);
        form.chk_wave(wave)->Set_Value(s.boxes[i]);
        form.hsc_f[i]->Set_Value(s.f_tenths[i]);
        form.hsc_A[i]->Set_Value(s.amplitude[i]);
    }
    form.hsc_c1->Set_Value(s.speed[0]);
    form.hsc_c2->Set_Value(s.speed[1]);
}

// The textbook wave, written out here: a ball at distance x from its wave's source swings as
// y = A sin(2 · 3.14 · (f t − x / λ)) once the front (x = c t) has passed it, and is at rest
// before. λ = c / f; the program's 3.14 stands for π.
double Wave_Y(const Set_Up &s, int wave, int ball, double t)
{
    const auto i = static_cast<std::size_t>(wave);
    if (!s.boxes[i])
        return 0;
    const double f = s.f_tenths[i] / 10.0, c = s.speed[i / 2];
    const double x = wave % 2 == 0 ? ball : 50 - ball; // waves 1 and 3 start at the right end
    const double phase = f * t - x / (c / f);
    return phase > 0 ? s.amplitude[i] * std::sin(2 * 3.14 * phase) : 0;
}

double Resultant_Y(const Set_Up &s, int panel, int ball, double t)
{
    const int first = panel == 1 ? 0 : 2;
    return Wave_Y(s, first, ball, t) + Wave_Y(s, first + 1, ball, t);
}

// One channel well above the other two: the colour of a line, also where it is blended into its
// background at its edges or on a page.
const auto Greenish = [](const QColor &c) { return c.green() > std::max(c.red(), c.blue()) + 40; };
const auto Reddish = [](const QColor &c) { return c.red() > std::max(c.green(), c.blue()) + 60; };
const auto Bluish = [](const QColor &c) { return c.blue() > std::max(c.red(), c.green()) + 60; };

bool Near(const QColor &seen, const QColor &wanted, int tolerance = 40)
{
    return qAbs(seen.red() - wanted.red()) <= tolerance &&
           qAbs(seen.green() - wanted.green()) <= tolerance &&
           qAbs(seen.blue() - wanted.blue()) <= tolerance;
}

// How many pixels of the image's rectangle are near a colour.
int Count_Near(const QImage &image, const QRect &rect, const QColor &colour)
{
    return Count(image, rect, [&](const QColor &seen) { return Near(seen, colour); });
}

// The plot inside the strip at 100 %, from the strip's layout: time 0 .. 20 s across, and the
// panels' displacement range up and down from its middle.
QRectF Plot_At_100()
{
    return QRectF(Graph_Strip::Plot_Twips.topLeft() / 15, Graph_Strip::Plot_Twips.size() / 15);
}

QPoint Plot_Pixel(double t, double y, double half_range)
{
    const QRectF plot = Plot_At_100();
    return QPointF(plot.left() + plot.width() * t / 20,
                   plot.top() + plot.height() / 2 * (1 - y / half_range))
        .toPoint();
}

} // namespace

Q_DECLARE_METATYPE(Set_Up)

class tst_graph : public QObject
{
    Q_OBJECT

private slots:
    // The button sits in the bottom bar, clear of every control, and says what it does.
    void button()
    {
        frm_dalvo form;
        const QRect button = form.cmd_Graph->geometry();
        QVERIFY(form.rect().contains(button));
        QCOMPARE(button.size(), QSize(33, 33));
        QCOMPARE(button.top(), form.cmd_Clock->geometry().top());
        for (const QWidget *w : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(w == form.cmd_Graph || !button.intersects(w->geometry()),
                     qPrintable(w->objectName()));
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(form.cmd_Graph);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Γράφημα y–t"));
        QCOMPARE(form.cmd_Graph->toolTip(), QStringLiteral("Γράφημα y–t (F8)"));
    }

    void open_and_close_data() { Window_Test::Button_Or_Key_Data("F8"); }

    // The client area grows downward by 3600 twips for the strip, which lies under the rest, and
    // shrinks back; a run goes on.
    void open_and_close()
    {
        QFETCH(bool, key);
        QFETCH(bool, running);
        frm_dalvo form;
        QVERIFY(Window_Test::Activate(form, running));
        const auto toggle = [&] {
            if (key)
                QTest::keyClick(&form, Qt::Key_F8);
            else
                QTest::mouseClick(form.cmd_Graph, Qt::LeftButton);
        };
        toggle();
        QVERIFY(form.Graph_Shown() && form.pic_Graph->isVisible());
        QCOMPARE(form.size(), QSize(1016, 976));
        QCOMPARE(form.pic_Graph->geometry(), QRect(0, 736, 1016, 240));
        QCOMPARE(form.Timer1->isActive(), running);
        toggle();
        QVERIFY(!form.Graph_Shown());
        QCOMPARE(form.size(), QSize(1016, 736));
        QCOMPARE(form.Timer1->isActive(), running);
    }

    void traces_data()
    {
        QTest::addColumn<Set_Up>("set_up");
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("ball");
        const Set_Up one{.boxes = {1, 0, 0, 0}};
        QTest::newRow("wave 0 alone, ball 0") << one << 1 << 0;
        // λ = 20: from the two ends the waves meet in step at ball 25 and half a wavelength out
        // of step at ball 20, which each front reaches late.
        const Set_Up standing{.boxes = {1, 1, 0, 0}, .speed = {20, 10}};
        QTest::newRow("standing wave, antinode 25") << standing << 1 << 25;
        QTest::newRow("standing wave, node 20") << standing << 1 << 20;
        QTest::newRow("panel 2, 1 and 2 Hz, ball 40") << Set_Up{.boxes = {0, 0, 1, 1},
                                                                .f_tenths = {10, 10, 10, 20},
                                                                .amplitude = {5, 5, 3, 7}}
                                                      << 2 << 40;
        QTest::newRow("panel 2, wave 3 alone, ball 7")
            << Set_Up{.boxes = {1, 0, 0, 1}, .f_tenths = {10, 10, 10, 5}, .speed = {10, 4}} << 2
            << 7;
    }

    // One point per tick of a run, at the time the tick placed the balls for, equal to the wave
    // formula, also past the run's end (525 ticks); its components are the two waves of the panel
    // while they are ticked. A ball marked late shows its whole past; its column in the other
    // panel, unmarked, has no trace.
    void traces()
    {
        QFETCH(Set_Up, set_up);
        QFETCH(int, panel);
        QFETCH(int, ball);
        frm_dalvo form;
        Apply(form, set_up);
        form.cmd_Go_Click();
        form.Timer1->stop(); // the test ticks
        Window_Test::Ticks(form, 525);
        form.Change_Ball_colour(ball, panel);

        const QList<QPointF> trace = form.Trace(panel, ball);
        QCOMPARE(trace.size(), 525);
        QVERIFY(form.Trace(3 - panel, ball).isEmpty());
        const Tick_History &history = form.History();
        const int first = panel == 1 ? 0 : 2;
        for (int k = 0; k < 525; ++k) {
            const double t = 0.04 * k;
            QVERIFY2(qAbs(trace[k].x() - t) < 1e-5, qPrintable(QString::number(k)));
            QVERIFY2(qAbs(trace[k].y() - Resultant_Y(set_up, panel, ball, t)) < 2e-3,
                     qPrintable(QStringLiteral("tick %1: %2").arg(k).arg(trace[k].y())));
            for (int wave = first; wave < first + 2; ++wave) {
                QCOMPARE(history.Ticked(k, wave), set_up.boxes[wave] != 0);
                QVERIFY(qAbs(history.Top(k, Tick_History::Component_Row(wave), ball) -
                             Wave_Y(set_up, wave, ball, t)) < 2e-3);
            }
        }
    }

    // cmd_Back clears the history and the drawing; the marks stay, and the next tick is t = 0.
    void back_clears()
    {
        frm_dalvo form;
        Apply(form, Set_Up{});
        form.Change_Ball_colour(25, 1);
        form.cmd_Graph_Click();
        Window_Test::Ticks(form, 400);
        const QRect plot = Plot_At_100().toRect().translated(0, 736) - QMargins(2, 2, 2, 2);
        QVERIFY(Count_Near(form.Render_Client_Area(), plot, Graph::Trace_Colour(0)) > 100);

        form.cmd_Back_Click();
        QCOMPARE(form.Marked_Balls(), (QList<std::pair<int, int>>{{1, 25}}));
        QCOMPARE(Count_Near(form.Render_Client_Area(), plot, Graph::Trace_Colour(0)), 0);
        Window_Test::Ticks(form, 1);
        QCOMPARE(form.Trace(1, 25), QList<QPointF>{QPointF(0, 0)});
    }

    // All marks are kept in the order they were made; the strip draws the first four, and a
    // fifth once an earlier one is unmarked.
    void marks_in_order()
    {
        frm_dalvo form;
        const QList<std::pair<int, int>> marks = {{1, 1}, {1, 2}, {2, 3}, {1, 50}, {2, 0}};
        for (const auto &[panel, ball] : marks)
            form.Change_Ball_colour(ball, panel);
        QCOMPARE(form.Marked_Balls(), marks);
        QCOMPARE(form.pic_Graph->Drawn_Marks(), marks.first(4));
        form.Change_Ball_colour(2, 1);
        const QList<std::pair<int, int>> left = {{1, 1}, {2, 3}, {1, 50}, {2, 0}};
        QCOMPARE(form.Marked_Balls(), left);
        QCOMPARE(form.pic_Graph->Drawn_Marks(), left);
        // Marked again, it comes last.
        form.Change_Ball_colour(2, 1);
        QCOMPARE(form.Marked_Balls().last(), std::pair(1, 2));
        QCOMPARE(form.pic_Graph->Drawn_Marks(), left);
    }

    void drawing_data()
    {
        QTest::addColumn<Set_Up>("set_up");
        QTest::addColumn<bool>("blue"); // wave 1 is ticked: its component is drawn
        // The panels' range up and down: 35 with panel 1 alone, 12.5 with both.
        QTest::addColumn<double>("half_range");
        const auto standing = [](std::array<int, 4> boxes) {
            return Set_Up{.boxes = boxes, .speed = {20, 10}};
        };
        QTest::newRow("both waves of panel 1") << standing({1, 1, 0, 0}) << true << 35.0;
        QTest::newRow("wave 0 alone") << standing({1, 0, 0, 0}) << false << 35.0;
        QTest::newRow("two panels") << standing({1, 1, 1, 0}) << true << 12.5;
    }

    // The trace lies where the formula puts it on the panels' scale, in the first trace's colour;
    // a component is drawn in its row's colour only while its wave is ticked.
    void drawing()
    {
        QFETCH(Set_Up, set_up);
        QFETCH(bool, blue);
        QFETCH(double, half_range);
        frm_dalvo form;
        Apply(form, set_up);
        // Off the middle, so that the two components differ.
        form.Change_Ball_colour(22, 1);
        form.cmd_Graph_Click();
        Window_Test::Ticks(form, 500);
        const QImage image = form.Render_Client_Area();
        image.save(Window_Test::Output_Path(
            QStringLiteral("tst_graph_%1.png").arg(QTest::currentDataTag()).replace(u' ', u'_')));
        const QImage strip = image.copy(0, 736, 1016, 240);
        for (int k = 150; k < 500; k += 37) {
            const double t = 0.04 * k;
            const QPoint at = Plot_Pixel(t, Resultant_Y(set_up, 1, 22, t), half_range);
            QVERIFY2(Count_Near(strip, QRect(at - QPoint(2, 2), QSize(5, 5)),
                                Graph::Trace_Colour(0)) > 0,
                     qPrintable(QString::number(k)));
        }
        const QRect plot = Plot_At_100().toRect() - QMargins(2, 2, 2, 2);
        // Wave 0 alone is its ball's resultant, which covers it.
        if (blue)
            QVERIFY(Count(strip, plot, Reddish) > 20);
        QCOMPARE(Count(strip, plot, Bluish) > 20, blue);
    }

    // Drawn tick by tick while shown, the picture is the one drawn at once from the history.
    void drawn_in_steps()
    {
        frm_dalvo stepped, at_once;
        for (frm_dalvo *form : {&stepped, &at_once}) {
            Apply(*form, Set_Up{});
            form->Change_Ball_colour(12, 1);
            form->Change_Ball_colour(40, 2);
            form->cmd_Graph_Click();
        }
        for (int k = 0; k < 300; k += 20) {
            Window_Test::Ticks(stepped, 20);
            stepped.pic_Graph->grab();
        }
        Window_Test::Ticks(at_once, 300);
        const QImage a = stepped.pic_Graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage b = at_once.pic_Graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(a.size(), b.size());
        int differ = 0, traced = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                differ += Near(a.pixelColor(x, y), b.pixelColor(x, y), 60) ? 0 : 1;
                traced += Near(b.pixelColor(x, y), Graph::Trace_Colour(1)) ? 1 : 0;
            }
        QVERIFY(traced > 100);
        // Only where the steps' lines join.
        QVERIFY2(differ < 60, qPrintable(QString::number(differ)));
    }

    // f, T = 1/f and λ = c/f of each wave and the speed of each panel follow the scroll bars,
    // from start-up on, the frequency after the speed and the speed after the frequency; a wave's
    // numbers show while it is ticked.
    void numbers()
    {
        frm_dalvo form;
        const auto captions = [&form] {
            QStringList shown; // f|T|λ of each wave, then the speeds
            for (std::size_t i = 0; i < 4; ++i)
                shown << form.lbl_Frequency[i]->Caption() + u'|' + form.lbl_Period[i]->Caption() +
                             u'|' + form.lbl_Wavelength[i]->Caption();
            return shown << form.lbl_Speed[0]->Caption() << form.lbl_Speed[1]->Caption();
        };
        QCOMPARE(captions(),
                 QStringList({" 1| 1| 10", " 1| 1| 10", " 1| 1| 10", " 1| 1| 10", " 10", " 10"}));
        form.hsc_f[3]->Set_Value(5);
        form.hsc_c2->Set_Value(20);
        QCOMPARE(form.lbl_Wavelength[3]->Caption(), " 40"); // before any other change shows it
        form.hsc_c1->Set_Value(5);
        form.hsc_f[1]->Set_Value(20);
        QCOMPARE(captions(),
                 QStringList({" 1| 1| 5", " 2| .5| 2.5", " 1| 1| 20", " .5| 2| 40", " 5", " 20"}));
        for (int ticked : {0, 1, 2, 0}) {
            form.chk_wave(3)->Set_Value(ticked);
            QCOMPARE(form.lbl_Period[3]->isHidden(), ticked == 0);
            QCOMPARE(form.lbl_Wavelength[3]->isHidden(), ticked == 0);
        }
    }

    // A frequency of 0 from a file shows dashes; the speed of 0 a dash for the wavelength.
    void numbers_from_a_file()
    {
        using namespace Scenario_Test;
        Working_Folder folder;
        // Line 3 is lbl_c2, line 9 lbl_ff(0), line 12 lbl_ff(1).
        QVERIFY(folder.Write(QStringLiteral("zero.dlv"),
                             Start_Up_With({{9, "\"0\""}, {12, "\".25\""}, {3, "\"0\""}})));
        frm_dalvo form;
        Message_Box_Watcher watcher;
        Confirm_Typed(form, true, QStringLiteral("zero.dlv"));
        QCOMPARE(form.lbl_Period[0]->Caption(), QStringLiteral("–"));
        QCOMPARE(form.lbl_Wavelength[0]->Caption(), QStringLiteral("–"));
        QCOMPARE(form.lbl_Period[1]->Caption(), QStringLiteral(" 4"));
        QCOMPARE(form.lbl_Wavelength[1]->Caption(), QStringLiteral(" 40"));
        QCOMPARE(form.lbl_Speed[1]->Caption(), QStringLiteral(" 0"));
        QCOMPARE(form.lbl_Period[2]->Caption(), QStringLiteral(" 1"));
        QCOMPARE(form.lbl_Wavelength[2]->Caption(), QStringLiteral("–"));
    }

    // At a zoom the strip takes its twips under the panels, and the rest stays where it was.
    void zoom()
    {
        frm_dalvo form;
        form.Set_Zoom(200);
        form.cmd_Graph_Click();
        QCOMPARE(form.size(), QSize(Twips::To_Pixels(15240, 2.0), Twips::To_Pixels(14640, 2.0)));
        QCOMPARE(form.pic_Graph->geometry(), Twips::To_Pixels(0, 11040, 15240, 3600, 2.0));
        QCOMPARE(form.cmd_Go->geometry(), Twips::To_Pixels(7470, 10395, 495, 495, 2.0));
    }

    // The printed page holds the window with its strip: the printed area has the client area's
    // proportions with the strip.
    void printing()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("window.pdf"));
        frm_dalvo form;
        form.show();
        form.Change_Ball_colour(25, 1);
        form.cmd_Graph_Click();
        Window_Test::Ticks(form, 200);
        form.Set_Printer_Factory([&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFileName(pdf);
            return printer;
        });
        const Message_Box_Watcher watcher({QMessageBox::Ok});
        form.cmd_Print->click();
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {"-png", "-r", "100", "-singlefile", pdf, pdf}),
                 0);
        const QImage page = QImage(pdf + ".png").convertToFormat(QImage::Format_RGB32);
        const QRect printed = Window_Test::Printed_Area(page);
        const double proportion = double(printed.height()) / printed.width();
        QVERIFY2(qAbs(proportion - 976.0 / 1016) < 0.02, qPrintable(QString::number(proportion)));
        // The first trace's green is on the page, inside the strip.
        const QRect strip(printed.left(), printed.top() + printed.height() * 736 / 976,
                          printed.width(), printed.height() * 240 / 976);
        QVERIFY(Count(page, strip, Greenish) > 5);
    }
};

QTEST_MAIN(tst_graph)
#include "tst_graph.moc"
