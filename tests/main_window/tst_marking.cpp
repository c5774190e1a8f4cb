// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_test_support.h"

#include "controls/colours.h"

#include <QtTest>
#include <cmath>

namespace {

constexpr float W = 11790.0f / 51; // a ball's column in the panels' user units

// The colours of all balls: both resultant rows, then the component rows.
QList<quint32> Colours_Of(const frm_dalvo &form)
{
    QList<quint32> colours;
    for (const auto *row :
         {&form.Shape1, &form.Shape2, &form.Shape11, &form.Shape12, &form.Shape21, &form.Shape22})
        for (const Shape *ball : *row)
            colours << ball->BackColor();
    return colours;
}

} // namespace

// Clicks in a panel mark resultant balls; the marks stay through runs, resets and new layouts.
class tst_marking : public QObject
{
    Q_OBJECT

private slots:
    void clicks_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("ball"); // -1: none
        QTest::newRow("X = 0") << 1 << 0.0f << 0;
        // k W divided in double precision would give k - 1 for these k.
        QTest::newRow("exactly 25 W") << 2 << 25 * W << 25;
        QTest::newRow("exactly 50 W") << 1 << 50 * W << 50;
        QTest::newRow("just below 51 W") << 2 << std::nextafter(51 * W, 0.0f) << 50;
        QTest::newRow("51 W") << 1 << 51 * W << -1;
        QTest::newRow("just below 0") << 2 << -0.001f << -1;
        QTest::newRow("NaN") << 1 << NAN << -1;
    }

    void clicks()
    {
        QFETCH(int, panel);
        QFETCH(float, x);
        QFETCH(int, ball);
        frm_dalvo form;
        const auto mouse_up =
            panel == 1 ? &frm_dalvo::Picture1_MouseUp : &frm_dalvo::Picture2_MouseUp;
        const QList<quint32> before = Colours_Of(form);
        QList<quint32> marked = before;
        if (ball >= 0)
            marked[(panel - 1) * frm_dalvo::Balls + ball] = Colours::Yellow;
        (form.*mouse_up)(1, 0, x, 3.0f);
        QCOMPARE(Colours_Of(form), marked);
        (form.*mouse_up)(2, 0, x, -4.0f); // the second click restores
        QCOMPARE(Colours_Of(form), before);
    }

    void marks_survive_resets_and_runs()
    {
        frm_dalvo form;
        form.Picture1_MouseUp(1, 0, 7.5f * W, 0);
        form.Picture2_MouseUp(1, 0, 30.5f * W, 0);
        const QList<quint32> marked = Colours_Of(form);
        form.cmd_Go->click();
        Window_Test::Ticks(form, 40);
        form.cmd_Go->click();
        form.cmd_Back->click();
        form.chk_wave3->Set_Value(0); // panel 2 hidden: its marks stay
        form.chk_wave3->Set_Value(1);
        QCOMPARE(Colours_Of(form), marked);
    }

    void real_mouse_click()
    {
        frm_dalvo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Panel 2's interior starts 2 pixels in: its last pixel is in ball 50, the border in none.
        QTest::mouseClick(form.Picture2, Qt::RightButton, {}, QPoint(787, 20));
        QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, QPoint(788, 20));
        QCOMPARE(form.Shape2[50]->BackColor(), Colours::Yellow);
    }
};

QTEST_MAIN(tst_marking)
#include "tst_marking.moc"
