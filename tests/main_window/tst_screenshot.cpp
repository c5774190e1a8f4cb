#include "window_test_support.h"

#include "main_window/colours.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace Window_Test;

namespace {

// The mean colour of a square of pixels around a point in twips of the client area, and the
// share of its pixels that are dark.
struct Patch
{
    double red = 0, green = 0, blue = 0, dark = 0;
};

Patch Patch_At_Twips(const QImage &image, QPointF centre, int half)
{
    Patch patch;
    const QPoint c(qRound(centre.x() / 15.0), qRound(centre.y() / 15.0));
    const double count = (2 * half + 1) * (2 * half + 1);
    for (int dy = -half; dy <= half; ++dy)
        for (int dx = -half; dx <= half; ++dx) {
            const QColor p = image.pixelColor(c + QPoint(dx, dy));
            patch.red += p.red() / count;
            patch.green += p.green() / count;
            patch.blue += p.blue() / count;
            patch.dark += std::max({p.red(), p.green(), p.blue()}) < 64 ? 1 / count : 0;
        }
    return patch;
}

QPointF Ball_Centre(const PictureBox *panel, const Shape *ball)
{
    return QPointF(panel->Left() + PictureBox::Border, panel->Top() + PictureBox::Border) +
           ball->Box().center();
}

QByteArray Describe(const Patch &p)
{
    return QStringLiteral("rgb %1 %2 %3, dark %4")
        .arg(p.red)
        .arg(p.green)
        .arg(p.blue)
        .arg(p.dark)
        .toUtf8();
}

} // namespace

// The window painted offscreen: a broken paint routine shows here.
class tst_screenshot : public QObject
{
    Q_OBJECT

private slots:
    void start_up();
    void moved_balls();
};

void tst_screenshot::start_up()
{
    frm_dalvo form;
    const QImage image = form.Render_Client_Area();
    QVERIFY(image.save(Output_Path(QStringLiteral("start_up.png"))));
    QCOMPARE(image.size(), QSize(1016, 736));
}

// After some ticks: the panels' backgrounds, a dark resultant ball and a red ball of wave 0.
void tst_screenshot::moved_balls()
{
    frm_dalvo form;
    // Both waves of panel 1, so that its resultant row does not lie over wave 0's balls.
    form.chk_wave2->Set_Value(1);
    Ticks(form, 75);
    // The moved ball of wave 0 that stands farthest from the balls drawn after it.
    int ball = -1;
    double gap = 0;
    for (int a = 0; a < frm_dalvo::Balls; ++a) {
        const double top = form.Shape11[a]->Top();
        if (std::fabs(top - 2 * form.Picture1->ScaleHeight()) < 1)
            continue;
        const double nearest = std::min(std::fabs(top - form.Shape1[a]->Top()),
                                        std::fabs(top - form.Shape12[a]->Top()));
        if (nearest > gap) {
            gap = nearest;
            ball = a;
        }
    }
    QVERIFY(gap > 2 * form.Shape1[0]->Height());

    const QImage image = form.Render_Client_Area();
    QVERIFY(image.save(Output_Path(QStringLiteral("moved_balls.png"))));
    for (const PictureBox *panel : {form.Picture1, form.Picture2}) {
        // Between two guide lines and above every ball.
        const QPointF free(panel->Left() + PictureBox::Border + 1200,
                           panel->Top() + PictureBox::Border + panel->To_Twips_Y(7.5));
        QCOMPARE(Pixel_At_Twips(image, free.x(), free.y()), Colours::To_QColor(panel->BackColor()));
    }
    const Patch resultant = Patch_At_Twips(image, Ball_Centre(form.Picture1, form.Shape1[ball]), 3);
    // Black under a white hatch: dark on the whole.
    QVERIFY2(resultant.dark > 0.25 && resultant.red < 110 && resultant.green < 110,
             Describe(resultant));
    const Patch red = Patch_At_Twips(image, Ball_Centre(form.Picture1, form.Shape11[ball]), 3);
    QVERIFY2(red.red > 150 && red.red - red.green > 40 && red.red - red.blue > 40, Describe(red));
}

QTEST_MAIN(tst_screenshot)
#include "tst_screenshot.moc"
