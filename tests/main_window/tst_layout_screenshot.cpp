#include "window_test_support.h"

#include "main_window/colours.h"

#include <QtTest>

using namespace Window_Test;

// Both panel layouts painted offscreen in the middle of a run: the guide lines and the stretched
// panel 1 must show up in the picture, not only in the properties.
class tst_layout_screenshot : public QObject
{
    Q_OBJECT

private slots:
    void two_panels();
    void one_panel();
};

namespace {

// Pixels of the client area: panel 1's interior starts at (119, 59), 15 twips to the pixel.
constexpr int Interior_Left = 119, Interior_Top = 59;

QImage Render_During_Run(frm_dalvo &form, const QString &file_name)
{
    form.cmd_Go->click();
    Ticks(form, 60);
    const QImage image = form.Render_Client_Area();
    if (!image.save(Output_Path(file_name)))
        qWarning("could not save %s", qPrintable(file_name));
    return image;
}

bool Is_Line(const QColor &colour)
{
    return colour.lightness() < 60;
}

// A guide line lies on one of three neighbouring pixel rows (or columns).
bool Line_Near(const QImage &image, int x, int y, bool vertical)
{
    for (int d = -1; d <= 1; ++d)
        if (Is_Line(image.pixelColor(vertical ? x + d : x, vertical ? y : y + d)))
            return true;
    return false;
}

QColor Panel_1_Background()
{
    return Colours::To_QColor(Colours::System + 20);
}

QColor Window_Face()
{
    return Colours::To_QColor(Colours::System + 15);
}

// The row of a horizontal line of panel 1 at `level`, for a panel of this height and scale.
int Line_Row(double level, double scale_half_range, double panel_height)
{
    const double twips = (scale_half_range - level) * (panel_height - 60) / (2 * scale_half_range);
    return Interior_Top + qRound(twips / 15);
}

} // namespace

// Probes stand in the columns of balls 35 and 45 (x 666 and 820), which no wave front reaches
// in this run, and on the vertical line through ball 40 (x 743).
void tst_layout_screenshot::two_panels()
{
    frm_dalvo form;
    const QImage image = Render_During_Run(form, QStringLiteral("layout_two_panels.png"));
    QCOMPARE(image.size(), QSize(1016, 736));
    QCOMPARE(Line_Row(10, 12.5, 4110), 86);
    // Line1(0) .. Line1(4) at 10 .. -10.
    for (double level : {10.0, 5.0, -5.0, -10.0}) {
        const int y = Line_Row(level, 12.5, 4110);
        QVERIFY2(Line_Near(image, 666, y, false), qPrintable(QString::number(level)));
        QCOMPARE(image.pixelColor(666, y + 4), Panel_1_Background());
    }
    // Line1x(4) over panel 1, Line2x(4) over panel 2, Line2(4) at -10 in panel 2.
    QVERIFY(Line_Near(image, 743, 70, true));
    QVERIFY(Line_Near(image, 743, 405, true));
    QVERIFY(Line_Near(image, 666, 638, false));
    // The strip between the panels is the window's face; "40" of Label_1x stands there.
    QCOMPARE(image.pixelColor(820, 340), Window_Face());
    QCOMPARE(image.pixelColor(743, 360), Window_Face());
}

void tst_layout_screenshot::one_panel()
{
    frm_dalvo form;
    form.chk_wave3->Set_Value(0);
    QVERIFY(form.Picture2->isHidden());
    const QImage image = Render_During_Run(form, QStringLiteral("layout_one_panel.png"));
    QCOMPARE(Line_Row(30, 35, 9150), 102);
    QCOMPARE(Line_Row(-30, 35, 9150), 622);
    // Line1(0) .. Line1(4) at 30 .. -30, spread over the stretched panel.
    for (double level : {30.0, 15.0, -15.0, -30.0}) {
        const int y = Line_Row(level, 35, 9150);
        QVERIFY2(Line_Near(image, 666, y, false), qPrintable(QString::number(level)));
        QCOMPARE(image.pixelColor(666, y + 4), Panel_1_Background());
    }
    // Line1x(4) reaches down through the strip, over the covered "40" of Label_1x, and where
    // panel 2 was.
    QVERIFY(Line_Near(image, 743, 340, true));
    QVERIFY(Line_Near(image, 743, 640, true));
    // Panel 1's background covers the strip and the place of panel 2.
    QCOMPARE(image.pixelColor(820, 340), Panel_1_Background());
    QCOMPARE(image.pixelColor(666, 510), Panel_1_Background());
    QCOMPARE(image.pixelColor(666, 650), Panel_1_Background());
    // Label_2x under the stretched panel still names its columns: "0" is drawn below ball 0.
    bool text = false;
    for (int x = 117; x < 136 && !text; ++x)
        for (int y = 669; y < 685 && !text; ++y)
            text = image.pixelColor(x, y).lightness() < 100;
    QVERIFY(text);
}

QTEST_MAIN(tst_layout_screenshot)
#include "tst_layout_screenshot.moc"
