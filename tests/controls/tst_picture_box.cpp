// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/colours.h"
#include "controls/picture_box.h"

#include <QtTest>

namespace {

// A panel of 11850 x 4110 twips: an interior of 11790 x 4050 inside its 30-twip border.
struct Scale
{
    float width, height, top;
};

void Set_Scale(PictureBox &panel, Scale scale)
{
    panel.Set_ScaleWidth(scale.width);
    panel.Set_ScaleHeight(scale.height);
    panel.Set_ScaleTop(scale.top);
}

} // namespace

Q_DECLARE_METATYPE(Scale)

// A panel on its own: its items are read and written in its user units and held in twips.
class tst_picture_box : public QObject
{
    Q_OBJECT

private slots:
    void user_units_data()
    {
        QTest::addColumn<Scale>("scale");
        // A ball's Left, Top, Width and Height (as x, y, width, height), a line's X1, Y1, X2, Y2
        // the same four numbers. Every row puts the ball on the same twips.
        QTest::addColumn<QRectF>("user");
        QTest::addColumn<QLineF>("line_twips"); // the line in twips
        QTest::addColumn<float>("y2_after");    // the line's Y2 in the second scale
        // One user unit per twip, the axis down.
        QTest::newRow("design scale") << Scale{11790, 4050, 0} << QRectF(900, 1215, 180, 243)
                                      << QLineF(900, 1215, 180, 243) << 22.0f;
        // 90 twips a unit across; -162 twips a unit up, 12.5 at the top edge, 0 in the middle.
        QTest::newRow("upward axis") << Scale{131, -25, 12.5f} << QRectF(10, 5, 2, 1.5)
                                     << QLineF(900, 1215, 180, 1782) << 3.0f;
        // 2 twips a unit, -100 at the top edge.
        QTest::newRow("shifted top") << Scale{5895, 2025, -100} << QRectF(450, 507.5, 90, 121.5)
                                     << QLineF(900, 1215, 180, 443) << 19.530864f;
    }

    // Every setter maps user units to twips (a size by the scale's magnitude, so an upward axis
    // gives no negative size); a later change of scale moves nothing, and the same twips then read
    // in the new units: 45 twips a unit across, -81 up, 25 at the top edge.
    void user_units()
    {
        QFETCH(Scale, scale);
        QFETCH(QRectF, user);
        QFETCH(QLineF, line_twips);
        QFETCH(float, y2_after);
        PictureBox panel("Picture1", 1755, 360, 11850, 4110, Colours::White, nullptr);
        QCOMPARE(panel.ScaleWidth(), 11790.0f);
        QCOMPARE(panel.ScaleHeight(), 4050.0f);
        Set_Scale(panel, scale);
        Shape ball("Shape1(0)", Colours::White, Colours::Red, 5, &panel);
        Line line("Line1(0)", 0, 0, 0, 0, &panel);
        ball.setProperty("Left", user.x());
        ball.setProperty("Top", user.y());
        ball.Set_Width(float(user.width()));
        ball.Set_Height(float(user.height()));
        line.setProperty("X1", user.x());
        line.setProperty("Y1", user.y());
        line.Set_X2(float(user.width()));
        line.Set_Y2(float(user.height()));
        const QRectF box(900, 1215, 180, 243);
        QCOMPARE(ball.Box(), box);
        QCOMPARE(line.Twips_Line(), line_twips);

        Set_Scale(panel, Scale{262, -50, 25});
        QCOMPARE(ball.Box(), box);
        QCOMPARE(line.Twips_Line(), line_twips);
        QCOMPARE(ball.property("Left").toFloat(), 20.0f);
        QCOMPARE(ball.property("Top").toFloat(), 10.0f);
        QCOMPARE(ball.Width(), 4.0f);
        QCOMPARE(ball.Height(), 3.0f);
        QCOMPARE(line.X1(), 20.0f);
        QCOMPARE(line.Y1(), 10.0f);
        QCOMPARE(line.X2(), 4.0f);
        QCOMPARE(line.property("Y2").toFloat(), y2_after);
    }
};

QTEST_MAIN(tst_picture_box)
#include "tst_picture_box.moc"
