#include "window_test_support.h"

#include "main_window/colours.h"

#include <QSignalSpy>
#include <QtTest>
#include <cmath>

// Clicks in a panel mark resultant balls; the "Red balls" / "Blue balls" boxes show and hide the
// component rows without stopping the tick from moving them.
class tst_marking : public QObject
{
    Q_OBJECT

private slots:
    void boundaries_data();
    void boundaries();
    void mouse_clicks_data();
    void mouse_clicks();
    void marks_survive_resets_and_runs();
    void component_rows_hidden_and_shown_data();
    void component_rows_hidden_and_shown();
    void same_value_raises_nothing();
};

namespace {

constexpr quint32 Unmarked_1 = Colours::System + 6;
constexpr quint32 Unmarked_2 = Colours::System + 12;

// The colours of the balls, ball by ball: both resultant rows first, then the component rows,
// which no click may change.
QList<quint32> Colours_Of(const frm_dalvo &form)
{
    QList<quint32> colours;
    for (int i = 0; i < frm_dalvo::Balls; ++i)
        colours << form.Shape1[i]->BackColor() << form.Shape2[i]->BackColor();
    for (const auto *row : {&form.Shape11, &form.Shape12, &form.Shape21, &form.Shape22})
        for (const Shape *ball : *row)
            colours << ball->BackColor();
    return colours;
}

// The balls of the given row that are not in their unmarked colour.
QList<int> Marked(const std::array<Shape *, frm_dalvo::Balls> &row, quint32 unmarked)
{
    QList<int> marked;
    for (int i = 0; i < frm_dalvo::Balls; ++i)
        if (row[i]->BackColor() != unmarked)
            marked << i;
    return marked;
}

// The first float x whose single-precision x / W is at least k: the left edge of ball k.
float Boundary(int k, float W)
{
    float x = static_cast<float>(k) * W;
    while (x / W < static_cast<float>(k))
        x = std::nextafter(x, INFINITY);
    while (std::nextafter(x, -INFINITY) / W >= static_cast<float>(k))
        x = std::nextafter(x, -INFINITY);
    return x;
}

} // namespace

void tst_marking::boundaries_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("button");
    for (int panel : {1, 2})
        for (int button : {1, 2, 4})
            QTest::addRow("panel %d button %d", panel, button) << panel << button;
}

void tst_marking::boundaries()
{
    QFETCH(int, panel);
    QFETCH(int, button);
    frm_dalvo form;
    const auto click = [&](float x) {
        if (panel == 1)
            form.Picture1_MouseUp(button, 0, x, 3.0f);
        else
            form.Picture2_MouseUp(button, 0, x, -40.0f);
    };
    const auto &row = panel == 1 ? form.Shape1 : form.Shape2;
    const quint32 unmarked = panel == 1 ? Unmarked_1 : Unmarked_2;
    const float W = form.Picture1->ScaleWidth() / 51;
    QCOMPARE(W, 11790.0f / 51);

    // Each ball from its left edge to just before the next one's.
    for (int k = 0; k <= 50; ++k) {
        const float left = Boundary(k, W);
        const float last = std::nextafter(Boundary(k + 1, W), -INFINITY);
        QCOMPARE(form.Clicked_Ball(left), double(k));
        QCOMPARE(form.Clicked_Ball(last), double(k));
        for (float x : {left, last}) {
            click(x);
            QCOMPARE(Marked(row, unmarked), QList<int>{k});
            QCOMPARE(row[k]->BackColor(), Colours::Yellow);
            click(x); // the second click restores
            QCOMPARE(row[k]->BackColor(), unmarked);
        }
    }
    QCOMPARE(Boundary(0, W), 0.0f);

    // Outside the panel's horizontal range nothing happens.
    const QList<quint32> before = Colours_Of(form);
    for (float x :
         {-0.001f, -1.0f, -W, -1e30f, Boundary(51, W), 11790.0f, 1e9f, INFINITY, -INFINITY, NAN}) {
        QVERIFY(form.Clicked_Ball(x) < 0 || form.Clicked_Ball(x) > 50 ||
                std::isnan(form.Clicked_Ball(x)));
        click(x);
    }
    QCOMPARE(Colours_Of(form), before);
    // Nor with a panel number other than 1 and 2.
    form.Change_Ball_colour(7, 3);
    form.Change_Ball_colour(7, 0);
    QCOMPARE(Colours_Of(form), before);
    // A fractional index names the nearest ball.
    form.Change_Ball_colour(6.6, panel);
    QCOMPARE(Marked(row, unmarked), QList<int>{7});
    form.Change_Ball_colour(7.4, panel);
    form.Change_Ball_colour(50.4, panel);
    QCOMPARE(Marked(row, unmarked), QList<int>{50});
}

void tst_marking::mouse_clicks_data()
{
    // Positions in pixels of the panel's own widget; its interior starts 2 pixels in.
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("pixel");
    QTest::addColumn<int>("ball"); // -1: no ball
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("twice");
    QTest::addRow("left edge") << 1 << 2 << 0 << Qt::LeftButton << false;
    QTest::addRow("right edge") << 1 << 787 << 50 << Qt::LeftButton << false;
    QTest::addRow("right button") << 1 << 200 << 12 << Qt::RightButton << false;
    QTest::addRow("middle button") << 1 << 400 << 25 << Qt::MiddleButton << false;
    QTest::addRow("on the border") << 1 << 1 << -1 << Qt::LeftButton << false;
    QTest::addRow("outer left") << 1 << 0 << -1 << Qt::LeftButton << false;
    QTest::addRow("past the interior") << 1 << 788 << -1 << Qt::LeftButton << false;
    QTest::addRow("outer right") << 1 << 789 << -1 << Qt::LeftButton << false;
    QTest::addRow("released left of it") << 1 << -40 << -1 << Qt::LeftButton << false;
    QTest::addRow("released right of it") << 1 << 900 << -1 << Qt::RightButton << false;
    QTest::addRow("panel 2 left edge") << 2 << 2 << 0 << Qt::LeftButton << false;
    QTest::addRow("panel 2 right edge") << 2 << 787 << 50 << Qt::RightButton << false;
    QTest::addRow("panel 2 outside") << 2 << 788 << -1 << Qt::LeftButton << false;
    QTest::addRow("double click") << 1 << 300 << -1 << Qt::LeftButton << true;
}

void tst_marking::mouse_clicks()
{
    QFETCH(int, panel);
    QFETCH(int, pixel);
    QFETCH(int, ball);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, twice);
    frm_dalvo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PictureBox *picture = panel == 1 ? form.Picture1 : form.Picture2;
    QCOMPARE(picture->width(), 790);
    const QList<quint32> before = Colours_Of(form);
    QSignalSpy released(picture, &PictureBox::MouseUp);
    const QPoint at(pixel, 20);
    if (twice) { // as a double click arrives: press, release, press, double click, release
        QTest::mouseClick(picture, button, {}, at);
        QTest::mousePress(picture, button, {}, at);
        QTest::mouseDClick(picture, button, {}, at);
        QTest::mouseRelease(picture, button, {}, at);
    } else
        QTest::mouseClick(picture, button, {}, at);
    QCOMPARE(released.size(), twice ? 2 : 1);
    QList<quint32> expected = before;
    if (ball >= 0)
        expected[2 * ball + panel - 1] = Colours::Yellow;
    QCOMPARE(Colours_Of(form), expected);
}

void tst_marking::marks_survive_resets_and_runs()
{
    frm_dalvo form;
    const float W = form.Picture1->ScaleWidth() / 51;
    form.Picture1_MouseUp(1, 0, 7.5f * W, 0);
    form.Picture2_MouseUp(1, 0, 30.5f * W, 0);
    const QList<quint32> marked = Colours_Of(form);
    QCOMPARE(Marked(form.Shape1, Unmarked_1), QList<int>{7});
    QCOMPARE(Marked(form.Shape2, Unmarked_2), QList<int>{30});

    form.cmd_Go->click();
    Window_Test::Ticks(form, 40);
    // Clicks during a run mark too.
    form.Picture1_MouseUp(2, 0, 8.5f * W, 0);
    QCOMPARE(Marked(form.Shape1, Unmarked_1), (QList<int>{7, 8}));
    form.Picture1_MouseUp(2, 0, 8.5f * W, 0);
    form.cmd_Go->click();
    form.cmd_Back->click();
    QCOMPARE(Colours_Of(form), marked);
    form.chk_wave2->Set_Value(1);
    form.chk_wave3->Set_Value(0); // panel 2 hidden: its marks stay
    form.chk_wave3->Set_Value(1);
    form.cmd_Clock->click();
    Window_Test::Ticks(form, 25);
    QCOMPARE(Colours_Of(form), marked);
}

void tst_marking::component_rows_hidden_and_shown_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 4; ++i)
        QTest::addRow("chk_balls(%d)", i) << i;
}

void tst_marking::component_rows_hidden_and_shown()
{
    QFETCH(int, index);
    const auto rows = [](frm_dalvo &form) {
        return std::array<std::array<Shape *, frm_dalvo::Balls> *, 4>{&form.Shape11, &form.Shape12,
                                                                      &form.Shape21, &form.Shape22};
    };
    const auto tops = [](const std::array<Shape *, frm_dalvo::Balls> &row) {
        QList<float> list;
        for (const Shape *ball : row)
            list << ball->Top();
        return list;
    };
    // The same run twice, once with the row shown throughout.
    frm_dalvo shown, form;
    for (frm_dalvo *f : {&shown, &form})
        for (int wave = 0; wave < 4; ++wave)
            f->chk_wave(wave)->Set_Value(1);
    QVERIFY(form.chk_balls[index]->isEnabled());

    auto &row = *rows(form)[index];
    const QList<float> parked = tops(row);
    form.chk_balls[index]->Set_Value(0);
    for (const Shape *ball : row)
        QVERIFY(!ball->Visible());
    for (int other = 0; other < 4; ++other)
        if (other != index)
            for (const Shape *ball : *rows(form)[other])
                QVERIFY(ball->Visible());

    for (frm_dalvo *f : {&shown, &form}) {
        f->cmd_Go->click();
        Window_Test::Ticks(*f, 60);
    }
    const QList<float> moved = tops(row);
    QVERIFY(moved != parked);
    QCOMPARE(moved, tops(*rows(shown)[index]));
    Window_Test::Ticks(form, 3);
    form.chk_balls[index]->Set_Value(1);
    for (const Shape *ball : row)
        QVERIFY(ball->Visible());
    Window_Test::Ticks(shown, 3);
    QCOMPARE(tops(row), tops(*rows(shown)[index]));
    QVERIFY(tops(row) != moved);
}

void tst_marking::same_value_raises_nothing()
{
    frm_dalvo form;
    for (int index = 0; index < 4; ++index) {
        CheckBox *box = form.chk_balls[index];
        QCOMPARE(box->Value(), 1);
        QSignalSpy clicked(box, &QCheckBox::stateChanged);
        // A ball hidden behind the handler's back shows whether the handler ran.
        Shape *probe = (index == 0   ? form.Shape11
                        : index == 1 ? form.Shape12
                        : index == 2 ? form.Shape21
                                     : form.Shape22)[index + 3];
        probe->Set_Visible(false);
        box->Set_Value(1);
        QCOMPARE(clicked.size(), 0);
        QVERIFY(!probe->Visible());
        box->Set_Value(0);
        box->Set_Value(0);
        QCOMPARE(clicked.size(), 1);
        box->Set_Value(2); // greyed counts as shown
        QCOMPARE(clicked.size(), 2);
        QVERIFY(probe->Visible());
    }
}

QTEST_MAIN(tst_marking)
#include "tst_marking.moc"
