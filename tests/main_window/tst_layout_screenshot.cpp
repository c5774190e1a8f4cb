#include "support/window_test_support.h"

#include "controls/colours.h"

#include <QtTest>

// Both panel layouts painted offscreen in the middle of a run: the guide lines and the stretched
// panel 1 must show up in the picture, not only in the properties.
class tst_layout_screenshot : public QObject
{
    Q_OBJECT

private slots:
    void pixels_data();
    void pixels();
};

// Pixels of the client area, 15 twips each; panel 1's interior starts at (119, 59). Probes stand
// in the columns of balls 35 and 45 (x 666 and 820), which no wave front reaches in this run, and
// on the vertical line through ball 40 (x 743).
void tst_layout_screenshot::pixels_data()
{
    QTest::addColumn<bool>("two_panels");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("what"); // a line, panel 1's background or the window's face
    QTest::newRow("two: Line1(0) at 10") << true << 666 << 86 << "line";
    QTest::newRow("two: Line1x(4)") << true << 743 << 70 << "line";
    QTest::newRow("two: Line2(4) at -10") << true << 666 << 638 << "line";
    QTest::newRow("two: the strip between") << true << 820 << 340 << "face";
    QTest::newRow("one: Line1(0) at 30") << false << 666 << 102 << "line";
    QTest::newRow("one: Line1x(4) in the strip") << false << 743 << 340 << "line";
    QTest::newRow("one: the strip covered") << false << 820 << 340 << "panel";
    QTest::newRow("one: where panel 2 was") << false << 666 << 650 << "panel";
}

void tst_layout_screenshot::pixels()
{
    QFETCH(bool, two_panels);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, what);
    frm_dalvo form;
    form.chk_wave3->Set_Value(two_panels ? 1 : 0);
    form.cmd_Go->click();
    Window_Test::Ticks(form, 60);
    const QImage image = form.Render_Client_Area();
    const QString file = two_panels ? "layout_two_panels.png" : "layout_one_panel.png";
    image.save(Window_Test::Output_Path(file)); // to look at
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

QTEST_MAIN(tst_layout_screenshot)
#include "tst_layout_screenshot.moc"
