// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_test_support.h"

#include "controls/colours.h"

#include <QtTest>

using namespace Window_Test;

namespace {

// The mean colour of the 7 x 7 pixels at a ball's centre, and the share of them that are dark.
std::pair<QColor, double> Patch(const QImage &image, const PictureBox *panel, const Shape *ball)
{
    const QPointF centre =
        QPointF(panel->Left() + PictureBox::Border, panel->Top() + PictureBox::Border) +
        ball->Box().center();
    int red = 0, green = 0, blue = 0, dark = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QColor p = image.pixelColor(qRound((centre.x() + 15 * dx) / 15.0),
                                              qRound((centre.y() + 15 * dy) / 15.0));
            red += p.red();
            green += p.green();
            blue += p.blue();
            dark += p.value() < 64 ? 1 : 0;
        }
    return {QColor(red / 49, green / 49, blue / 49), dark / 49.0};
}

} // namespace

// The window painted offscreen: a broken paint routine shows here.
class tst_screenshot : public QObject
{
    Q_OBJECT

private slots:
    // After some ticks: the panels' backgrounds, a dark resultant ball and a red ball of wave 0.
    void moved_balls()
    {
        frm_dalvo form;
        // Both waves of panel 1, so that its resultant row does not lie over wave 0's balls.
        form.chk_wave2->Set_Value(1);
        Ticks(form, 75);
        // Ball 28 of wave 0 has moved well clear of the balls drawn after it.
        const int ball = 28;

        const QImage image = form.Render_Client_Area();
        QVERIFY(image.save(Output_Path(QStringLiteral("moved_balls.png"))));
        for (const PictureBox *panel : {form.Picture1, form.Picture2}) {
            // Between two guide lines and above every ball.
            const QPointF free(panel->Left() + PictureBox::Border + 1200,
                               panel->Top() + PictureBox::Border +
                                   panel->User_To_Twips().map(QPointF(0, 7.5)).y());
            QCOMPARE(image.pixelColor(qRound(free.x() / 15.0), qRound(free.y() / 15.0)),
                     Colours::To_QColor(panel->BackColor()));
        }
        // Black under a white hatch: dark on the whole.
        const auto [resultant, dark] = Patch(image, form.Picture1, form.Shape1[ball]);
        QVERIFY2(dark > 0.25 && resultant.red() < 110 && resultant.green() < 110,
                 qPrintable(resultant.name()));
        const QColor red = Patch(image, form.Picture1, form.Shape11[ball]).first;
        QVERIFY2(red.red() > 150 && red.red() - red.green() > 40 && red.red() - red.blue() > 40,
                 qPrintable(red.name()));
    }

    // Both panel layouts in the middle of a run: the guide lines and the stretched panel 1 must
    // show up in the picture, not only in the properties. Pixels of the client area, 15 twips each;
    // panel 1's interior starts at (119, 59). Probes stand in the columns of balls 35 and 45 (x 666
    // and 820), which no wave front reaches in this run, and on the vertical line through ball 40
    // (x 743).
    void layout_pixels_data()
    {
        QTest::addColumn<bool>("two_panels");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("what"); // a line, panel 1's background or the window's face
        QTest::newRow("two: Line2(4) at -10") << true << 666 << 638 << "line";
        QTest::newRow("two: the strip between") << true << 820 << 340 << "face";
        QTest::newRow("one: Line1(0) at 30") << false << 666 << 102 << "line";
        QTest::newRow("one: Line1x(4) in the strip") << false << 743 << 340 << "line";
        QTest::newRow("one: the strip covered") << false << 820 << 340 << "panel";
        QTest::newRow("one: where panel 2 was") << false << 666 << 650 << "panel";
    }

    void layout_pixels()
    {
        QFETCH(bool, two_panels);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, what);
        frm_dalvo form;
        form.chk_wave3->Set_Value(two_panels ? 1 : 0);
        form.cmd_Go->click();
        Ticks(form, 60);
        const QImage image = form.Render_Client_Area();
        // To look at.
        image.save(Output_Path(two_panels ? "layout_two_panels.png" : "layout_one_panel.png"));
        if (what == "line") { // dark on one of three neighbouring pixels across the line
            bool dark = false;
            for (int d = -1; d <= 1; ++d)
                dark = dark || image.pixelColor(x + d, y + d).lightness() < 60;
            QVERIFY(dark);
        } else {
            const quint32 colour = Colours::System + (what == "panel" ? 20 : 15);
            QCOMPARE(image.pixelColor(x, y), Colours::To_QColor(colour));
        }
    }
};

QTEST_MAIN(tst_screenshot)
#include "tst_screenshot.moc"
