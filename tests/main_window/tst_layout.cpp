// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_test_support.h"

#include <QtTest>

namespace {

// Per wave, whether its ten attribute controls are enabled by their own setting (a child of a
// disabled frame reports isEnabled() false), then which chk_balls are enabled.
QString Enabled(const frm_dalvo &form)
{
    QString mask;
    for (int i = 0; i < 4; ++i) {
        int on = 0;
        for (const QWidget *w : form.Wave_Attr(i))
            on += !w->testAttribute(Qt::WA_ForceDisabled);
        mask += on == 10 ? u'1' : on == 0 ? u'0' : u'?';
    }
    mask += u' ';
    for (const CheckBox *box : form.chk_balls)
        mask += box->isEnabled() ? u'1' : u'0';
    return mask;
}

} // namespace

// The wave selection decides which controls are usable, one panel or two, where the guide lines
// lie and what the axis labels say and where they stand; the pace box overlaps none at any.
class tst_layout : public QObject
{
    Q_OBJECT

private slots:
    // The tag holds the values of chk_wave1 .. chk_wave4.
    void selection_data()
    {
        QTest::addColumn<bool>("two_panels"); // the layout chosen
        QTest::addColumn<bool>("two_values"); // the levels of lines and labels
        QTest::addColumn<QString>("enabled"); // from start-up, as Enabled() gives it
        QTest::newRow("0000") << false << false << "0000 0000";
        QTest::newRow("1000") << false << false << "1000 0000";
        QTest::newRow("0100") << false << false << "0100 0000";
        QTest::newRow("1100") << false << false << "1100 1100";
        QTest::newRow("0010") << true << true << "0010 0000";
        QTest::newRow("1010") << true << true << "1010 0000";
        QTest::newRow("1110") << true << true << "1110 1100";
        QTest::newRow("0001") << true << true << "0001 0000";
        QTest::newRow("1101") << true << true << "1101 1100";
        QTest::newRow("0011") << true << true << "0011 0011";
        QTest::newRow("1011") << true << true << "1011 0011";
        QTest::newRow("0111") << true << true << "0111 0011";
        QTest::newRow("1111") << true << true << "1111 1111";
        // A greyed box selects no wave but is a present partner, and for the lines and labels (not
        // for the layout) a wave of panel 2.
        QTest::newRow("1200") << false << false << "1000 1000";
        QTest::newRow("0020") << false << true << "0000 0000";
    }

    void selection()
    {
        const QString values = QTest::currentDataTag();
        QFETCH(bool, two_panels);
        QFETCH(bool, two_values);
        QFETCH(QString, enabled);

        // A selected wave with an absent partner leaves its chk_balls as it was: try both
        // histories.
        const auto select = [](frm_dalvo &window, const QString &boxes) {
            for (int wave = 0; wave < 4; ++wave)
                window.chk_wave(wave)->Set_Value(boxes[wave].digitValue());
        };
        frm_dalvo primed, form;
        select(primed, QStringLiteral("1111"));
        select(primed, values);
        QCOMPARE(Enabled(primed), enabled.left(4) + u' ' + enabled.left(4));
        select(form, values);
        QCOMPARE(Enabled(form), enabled);

        // Panel 1 stretched over both with the taller scale, or both panels as laid out; the ball
        // height is read in the new units.
        const std::array<PictureBox *, 2> panels = {form.Picture1, form.Picture2};
        const std::array<Shape *, 2> ball_0 = {form.Shape1[0], form.Shape2[0]};
        for (int p = 0; p < (two_panels ? 2 : 1); ++p) {
            QCOMPARE(panels[p]->Height(), two_panels ? 4110.0 : 9150.0);
            QCOMPARE(panels[p]->ScaleHeight(), two_panels ? -25.0f : -70.0f);
            QCOMPARE(panels[p]->ScaleTop(),
                     -panels[p]->ScaleHeight() / 2 - ball_0[p]->Height() / 2);
        }
        for (const QWidget *w : std::array<const QWidget *, 8>{
                 form.Picture2, form.hsc_c2, form.lbl_c2, form.Label_2y[0], form.Label_2y[1],
                 form.Label_2y[2], form.Label_2y[3], form.Label_2y[4]})
            QVERIFY2(w->isHidden() == !two_panels, qPrintable(w->objectName()));

        // Guide lines at their levels, less the half ball height of the last panel laid out, and
        // through the centres of balls 0, 10, .. 50; labels level with them.
        const float hb = ball_0[two_panels ? 1 : 0]->Height() / 2;
        const int top = two_values ? 10 : 30;
        const double label_top = two_panels ? 1168.5 : two_values ? 1672.5 : 1411.07;
        const double label_pitch = two_panels ? 822 : two_values ? 1830 : 1960.71;
        for (int i = 0; i < 5; ++i) {
            const auto level = static_cast<float>(top - top / 2 * i);
            QCOMPARE(form.Line1[i]->Y1(), level - hb);
            if (two_values)
                QCOMPARE(form.Line2[i]->Y1(), level - hb);
            QCOMPARE(form.Label_1y[i]->Caption(), QString::number(level));
            QCOMPARE_LE(qAbs(form.Label_1y[i]->Top() - (label_top + label_pitch * i)), 15.0);
            // Label_2y only ever gets the two-panel values, and keeps them while hidden.
            QCOMPARE(form.Label_2y[i]->Caption(), QString::number(10 - 5 * i));
            QCOMPARE_LE(qAbs(form.Label_2y[i]->Top() - (6208.5 + 822 * i)), 15.0);
        }
        for (int i = 0; i < 6; ++i) {
            const Line *line = form.Line1x[i];
            QCOMPARE_LE(qAbs(line->X1() - 11790.0 / 51 * (10 * i + 0.5)), 0.01);
            QCOMPARE(line->X2(), line->X1());
            if (two_values)
                QCOMPARE(form.Line2x[i]->X1(), line->X1());
            if (!two_values) // down to the bottom of the stretched panel
                QCOMPARE(line->Y2(), -35 - hb);
            else if (!two_panels) // a greyed box leaves the laid-out lower end
                QCOMPARE(line->Twips_Line().y2(), 4050.0);
            QCOMPARE_LE(qAbs(form.Label_1x[i]->Left() - (1728.68 + 2323.53 * i)), 15.0);
            QCOMPARE(form.Label_2x[i]->Left(), form.Label_1x[i]->Left());
        }

        // The pace box and its label lie clear of every other control and show their texts in full.
        for (const QWidget *pace : std::array<const QWidget *, 2>{form.lbl_Pace, form.cbo_Pace}) {
            QVERIFY(form.rect().contains(pace->geometry()));
            for (const QWidget *w : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QVERIFY2(w == form.lbl_Pace || w == form.cbo_Pace ||
                             !pace->geometry().intersects(w->geometry()),
                         qPrintable(w->objectName()));
        }
        QCOMPARE_LE(form.lbl_Pace->fontMetrics().horizontalAdvance(form.lbl_Pace->Caption()),
                    form.lbl_Pace->width());
        QCOMPARE_LE(form.cbo_Pace->sizeHint().width(), form.cbo_Pace->width());
    }

    void user_clicks_a_box_on_a_disabled_frame()
    {
        frm_dalvo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Through the window, so that the box must lie above its frame to get the click.
        const QPoint at = form.chk_wave2->mapTo(&form, QPoint(6, 8));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(Enabled(form), "1110 1100");
    }
};

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
