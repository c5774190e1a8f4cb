#include "window_test_support.h"

#include <QtTest>

// The wave selection decides which controls are usable, one panel or two, where the guide lines
// lie and what the axis labels say and where they stand.
class tst_layout : public QObject
{
    Q_OBJECT

private slots:
    void selection_data();
    void selection();
    void switching_panels_restores_everything();
    void user_clicks_a_box_on_a_disabled_frame();
    void disable_wave_attr_twice();
};

namespace {

constexpr double Interior_Width = 11790;
constexpr double Ball_Twips = Interior_Width / 51; // a ball's box, the same in both layouts

std::array<QWidget *, 10> Attributes(const frm_dalvo &form, int i)
{
    return {form.frm_WaveAttr[i], form.lbl_syxnot[i], form.lbl_f[i],  form.lbl_Hz[i],
            form.lbl_Platos[i],   form.lbl_A[i],      form.lbl_ff[i], form.hsc_f[i],
            form.lbl_AA[i],       form.hsc_A[i]};
}

// The control's own Enabled setting; a child of a disabled frame reports isEnabled() false.
bool Own_Enabled(const QWidget *w)
{
    return !w->testAttribute(Qt::WA_ForceDisabled);
}

void Set_Values(frm_dalvo &form, const QString &values)
{
    for (int wave = 0; wave < 4; ++wave)
        form.chk_wave(wave)->Set_Value(values[wave].digitValue());
}

QString Balls_Enabled(const frm_dalvo &form)
{
    QString mask;
    for (const CheckBox *box : form.chk_balls)
        mask += box->isEnabled() ? u'1' : u'0';
    return mask;
}

bool Near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}

// Label tops in twips, from top to bottom.
using Tops = std::array<double, 5>;
constexpr Tops Two_Panel_1y = {1168.5, 1990.5, 2812.5, 3634.5, 4456.5};
constexpr Tops Two_Panel_2y = {6208.5, 7030.5, 7852.5, 8674.5, 9496.5};
constexpr Tops One_Panel_1y = {1411.0714, 3371.7857, 5332.5, 7293.2143, 9253.9286};
// Two-panel values on the stretched panel: fractions of its half height 4575 around 5332.5.
constexpr Tops Two_Values_On_Stretched_1y = {1672.5, 3502.5, 5332.5, 7162.5, 8992.5};

void Check_Label_Column(const std::array<Label *, 5> &column, const QStringList &captions,
                        const Tops &tops)
{
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(column[i]->Caption(), captions[i]);
        QVERIFY2(Near(column[i]->Top(), tops[i], 0.01),
                 qPrintable(QStringLiteral("%1 Top %2, expected %3")
                                .arg(column[i]->objectName())
                                .arg(column[i]->Top())
                                .arg(tops[i])));
        // On the screen within one logical pixel.
        QVERIFY(std::abs(column[i]->y() - tops[i] / 15) <= 1);
    }
}

void Check_Panel_Scale(const PictureBox *panel, const Shape *ball0, double height,
                       float scale_height)
{
    QCOMPARE(panel->Height(), height);
    QCOMPARE(panel->ScaleHeight(), scale_height);
    const double half_range = -scale_height / 2.0;
    const double hb = Ball_Twips / 2 * -scale_height / (height - 60);
    QVERIFY(Near(ball0->Height() / 2, hb, 1e-5));
    QVERIFY(Near(panel->ScaleTop(), half_range - hb, 1e-4));
    QCOMPARE(panel->ScaleTop(), -(panel->ScaleHeight()) / 2 - ball0->Height() / 2);
}

// Horizontal lines at their levels, hb below them being the centre of a ball whose Top is the
// level; vertical lines through the centres of balls 0, 10, .. 50.
void Check_Lines(const frm_dalvo &form, const std::array<Line *, 5> &lines,
                 const std::array<Line *, 6> &columns, float hb, const std::array<float, 5> &levels)
{
    for (int i = 0; i < 5; ++i) {
        QVERIFY(Near(lines[i]->Y1(), levels[i] - hb, 1e-4));
        QCOMPARE(lines[i]->Y2(), lines[i]->Y1());
    }
    for (int i = 0; i < 6; ++i) {
        const double centre = Ball_Twips / 2 + 10 * i * Ball_Twips;
        QVERIFY(Near(columns[i]->X1(), centre, 0.01));
        QCOMPARE(columns[i]->X2(), columns[i]->X1());
        const Shape *ball = form.Shape1[10 * i];
        QVERIFY(Near(columns[i]->X1(), ball->Left() + ball->Width() / 2, 0.01));
        // The upper end stays at the top edge.
        QVERIFY(Near(columns[i]->Twips_Line().y1(), 0, 1e-3));
    }
}

} // namespace

void tst_layout::selection_data()
{
    QTest::addColumn<QString>("values");        // chk_wave1 .. chk_wave4
    QTest::addColumn<bool>("two_panels");       // the layout chosen
    QTest::addColumn<bool>("two_panel_values"); // lines and labels
    QTest::addColumn<QString>("attributes");    // waves whose ten controls are enabled
    QTest::addColumn<QString>("balls");         // chk_balls enabled, from start-up
    QTest::addColumn<QString>("balls_primed");  // chk_balls enabled, after all four were enabled
    // clang-format off
    QTest::addRow("0000") << "0000" << false << false << "0000" << "0000" << "0000";
    QTest::addRow("1000") << "1000" << false << false << "1000" << "0000" << "1000";
    QTest::addRow("0100") << "0100" << false << false << "0100" << "0000" << "0100";
    QTest::addRow("1100") << "1100" << false << false << "1100" << "1100" << "1100";
    QTest::addRow("0010") << "0010" << true  << true  << "0010" << "0000" << "0010";
    QTest::addRow("1010") << "1010" << true  << true  << "1010" << "0000" << "1010";
    QTest::addRow("0110") << "0110" << true  << true  << "0110" << "0000" << "0110";
    QTest::addRow("1110") << "1110" << true  << true  << "1110" << "1100" << "1110";
    QTest::addRow("0001") << "0001" << true  << true  << "0001" << "0000" << "0001";
    QTest::addRow("1001") << "1001" << true  << true  << "1001" << "0000" << "1001";
    QTest::addRow("0101") << "0101" << true  << true  << "0101" << "0000" << "0101";
    QTest::addRow("1101") << "1101" << true  << true  << "1101" << "1100" << "1101";
    QTest::addRow("0011") << "0011" << true  << true  << "0011" << "0011" << "0011";
    QTest::addRow("1011") << "1011" << true  << true  << "1011" << "0011" << "1011";
    QTest::addRow("0111") << "0111" << true  << true  << "0111" << "0011" << "0111";
    QTest::addRow("1111") << "1111" << true  << true  << "1111" << "1111" << "1111";
    // A greyed box: its wave is not selected, yet it counts as a present partner, and for the
    // lines and labels (not for the layout) as a wave of panel 2.
    QTest::addRow("greyed partner 1") << "1200" << false << false << "1000" << "1000" << "1000";
    QTest::addRow("greyed partner 3") << "0021" << true  << true  << "0001" << "0001" << "0001";
    QTest::addRow("greyed 3 alone")   << "0020" << false << true  << "0000" << "0000" << "0000";
    QTest::addRow("greyed 4 alone")   << "1102" << false << true  << "1100" << "1100" << "1100";
    QTest::addRow("both greyed")      << "2222" << false << true  << "0000" << "0000" << "0000";
    QTest::addRow("greyed 4, wave 3") << "0012" << true  << true  << "0010" << "0010" << "0010";
    // clang-format on
}

void tst_layout::selection()
{
    QFETCH(QString, values);
    QFETCH(bool, two_panels);
    QFETCH(bool, two_panel_values);
    QFETCH(QString, attributes);
    QFETCH(QString, balls);
    QFETCH(QString, balls_primed);

    // A wave with an absent partner leaves its chk_balls as it was: check from both histories.
    frm_dalvo primed;
    Set_Values(primed, QStringLiteral("1111"));
    QCOMPARE(Balls_Enabled(primed), QStringLiteral("1111"));
    Set_Values(primed, values);
    QCOMPARE(Balls_Enabled(primed), balls_primed);

    frm_dalvo form;
    Set_Values(form, values);
    QCOMPARE(Balls_Enabled(form), balls);
    for (int wave = 0; wave < 4; ++wave)
        for (const QWidget *w : Attributes(form, wave))
            QVERIFY2(Own_Enabled(w) == (attributes[wave] == u'1'), qPrintable(w->objectName()));

    // Panels.
    if (two_panels) {
        Check_Panel_Scale(form.Picture1, form.Shape1[0], 4110, -25);
        Check_Panel_Scale(form.Picture2, form.Shape2[0], 4110, -25);
    } else {
        Check_Panel_Scale(form.Picture1, form.Shape1[0], 9150, -70);
    }
    QVERIFY(!form.Picture1->isHidden());
    const std::array<QWidget *, 8> panel_2 = {form.Picture2,    form.hsc_c2,      form.lbl_c2,
                                              form.Label_2y[0], form.Label_2y[1], form.Label_2y[2],
                                              form.Label_2y[3], form.Label_2y[4]};
    for (const QWidget *w : panel_2)
        QVERIFY2(w->isHidden() == !two_panels, qPrintable(w->objectName()));
    QVERIFY(!form.hsc_c1->isHidden() && !form.lbl_c1->isHidden());
    if (QTest::currentTestFailed())
        return;

    // Lines, placed with the half ball height of the last panel laid out.
    const float hb = (two_panels ? form.Shape2[0] : form.Shape1[0])->Height() / 2;
    if (two_panel_values) {
        Check_Lines(form, form.Line1, form.Line1x, hb, {10, 5, 0, -5, -10});
        Check_Lines(form, form.Line2, form.Line2x, hb, {10, 5, 0, -5, -10});
    } else {
        Check_Lines(form, form.Line1, form.Line1x, hb, {30, 15, 0, -15, -30});
    }
    // The middle line runs through the middle of the panel's interior.
    QVERIFY(Near(form.Line1[2]->Twips_Line().y1(), (form.Picture1->Height() - 60) / 2, 1e-3));
    for (const Line *line : form.Line1x) {
        const double bottom = line->Twips_Line().y2();
        if (!two_panel_values) // reaches down to the bottom of the stretched panel
            QVERIFY(Near(line->Y2(), -35 - form.Shape1[0]->Height() / 2, 1e-4) &&
                    Near(bottom, 9090, 1e-2));
        else // the lower end as laid out, or as the one-panel layout left it
            QVERIFY(Near(bottom, 4050, 1e-2) || Near(bottom, 9090, 1e-2));
    }
    if (QTest::currentTestFailed())
        return;

    // Labels.
    const QStringList two_captions = {"10", "5", "0", "-5", "-10"};
    if (two_panel_values)
        Check_Label_Column(form.Label_1y, two_captions,
                           two_panels ? Two_Panel_1y : Two_Values_On_Stretched_1y);
    else
        Check_Label_Column(form.Label_1y, {"30", "15", "0", "-15", "-30"}, One_Panel_1y);
    // Label_2y only ever gets two-panel values, and keeps them while hidden.
    Check_Label_Column(form.Label_2y, two_captions, Two_Panel_2y);
    for (int i = 0; i < 6; ++i) {
        QVERIFY(Near(form.Label_1x[i]->Left(), 1728.676 + 2323.529 * i, 0.01));
        QCOMPARE(form.Label_2x[i]->Left(), form.Label_1x[i]->Left());
        QCOMPARE(form.Label_1x[i]->Caption(), QString::number(10 * i));
        QCOMPARE(form.Label_2x[i]->Caption(), QString::number(10 * i));
        QCOMPARE(form.Label_1x[i]->Top(), 4995.0);
        QCOMPARE(form.Label_2x[i]->Top(), 10035.0);
    }
}

void tst_layout::switching_panels_restores_everything()
{
    frm_dalvo form;
    QCOMPARE(form.Module().Panel_Span_Height, qint16(9150));
    QCOMPARE(form.Module().Panel2_Height, qint16(4110));
    const auto line2 = [&form] {
        QList<QLineF> lines;
        for (const Line *line : form.Line2)
            lines << line->Twips_Line();
        for (const Line *line : form.Line2x)
            lines << line->Twips_Line();
        return lines;
    };
    const QList<QLineF> panel2_lines = line2();
    QCOMPARE(form.Line1x[3]->Twips_Line().y2(), 4050.0);
    for (int round = 0; round < 3; ++round) {
        form.chk_wave3->Set_Value(0);
        QCOMPARE(form.Picture1->Height(), 9150.0);
        QCOMPARE(form.Picture1->ScaleHeight(), -70.0f);
        QVERIFY(form.Picture2->isHidden() && form.hsc_c2->isHidden() && form.lbl_c2->isHidden());
        QVERIFY(Near(form.Line1[0]->Y1() + form.Shape1[0]->Height() / 2, 30, 1e-4));
        QCOMPARE(line2(), panel2_lines);
        form.chk_wave3->Set_Value(1);
        QCOMPARE(form.Picture1->Height(), 4110.0);
        QCOMPARE(form.Picture1->ScaleHeight(), -25.0f);
        QVERIFY(!form.Picture2->isHidden() && !form.hsc_c2->isHidden());
        for (const Label *label : form.Label_2y)
            QVERIFY(!label->isHidden());
        QVERIFY(Near(form.Line1[0]->Y1() + form.Shape1[0]->Height() / 2, 10, 1e-4));
        QCOMPARE(line2(), panel2_lines);
        // Panel 1's vertical lines keep the stretched panel's lower end.
        QVERIFY(Near(form.Line1x[3]->Twips_Line().y2(), 9090, 1e-2));
    }
    QCOMPARE(form.Module().Panel_Span_Height, qint16(9150));
}

void tst_layout::user_clicks_a_box_on_a_disabled_frame()
{
    frm_dalvo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!Own_Enabled(form.frm_WaveAttr[1]));
    QTest::mouseClick(form.chk_wave2, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(form.chk_wave2->Value(), 1);
    for (const QWidget *w : Attributes(form, 1))
        QVERIFY(Own_Enabled(w) && w->isEnabled());
    QCOMPARE(Balls_Enabled(form), QStringLiteral("1100"));
    // A user's click toggles between clear and checked, and checks a greyed box.
    form.chk_wave4->Set_Value(2);
    QTest::mouseClick(form.chk_wave4, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(form.chk_wave4->Value(), 1);
    QTest::mouseClick(form.chk_wave4, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(form.chk_wave4->Value(), 0);
    QVERIFY(!Own_Enabled(form.frm_WaveAttr[3]));
}

void tst_layout::disable_wave_attr_twice()
{
    frm_dalvo form;
    form.chk_wave2->Set_Value(1);
    const auto snapshot = [&form] {
        QStringList state;
        for (const QWidget *w : form.findChildren<QWidget *>())
            state << QStringLiteral("%1 %2 %3")
                         .arg(w->objectName())
                         .arg(Own_Enabled(w))
                         .arg(w->isHidden());
        return state;
    };
    const QStringList before = snapshot();
    Dalvo_module::Disable_Wave_Attr(form);
    const QStringList after = snapshot();
    QStringList attribute_names;
    for (int wave = 0; wave < 4; ++wave)
        for (const QWidget *w : Attributes(form, wave)) {
            QVERIFY(!Own_Enabled(w));
            attribute_names << w->objectName();
        }
    QCOMPARE(attribute_names.size(), 40);
    for (qsizetype i = 0; i < before.size(); ++i)
        if (!attribute_names.contains(before[i].section(u' ', 0, 0)))
            QCOMPARE(after[i], before[i]);
    Dalvo_module::Disable_Wave_Attr(form);
    QCOMPARE(snapshot(), after);
}

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
