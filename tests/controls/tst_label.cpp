// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/control_test_support.h"

#include "controls/classic_look.h"
#include "controls/colours.h"
#include "controls/label.h"

#include <QtTest>

using Control_Test::Pixels_Of;

// A label on its own: its caption, its colours and its geometry in twips.
class tst_label : public QObject
{
    Q_OBJECT

private slots:
    void caption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("Greek") << "Ταχύτητα διάδοσης:";
        QTest::newRow("markup stays text") << "<b>5</b> &amp;";
        QTest::newRow("number") << " .5";
    }

    // The caption reads back as it was given, and is shown as text, never as markup.
    void caption()
    {
        QFETCH(QString, caption);
        Label label("lbl_ff(0)", "1", nullptr);
        label.setProperty("Caption", caption);
        QCOMPARE(label.Caption(), caption);
        QCOMPARE(label.textFormat(), Qt::PlainText);
    }

    // A label draws its caption in its own text colour on its background; a new caption or colour
    // after a painting shows at the next one. Disabled, the text keeps the desktop's grey.
    void colours()
    {
        QWidget window;
        window.setPalette(Classic_Palette());
        Label label("lbl_AA(0)", "MMMM", &window);
        label.setFont(QFont("Liberation Sans", 20, QFont::Bold));
        label.resize(120, 40);
        window.show(); // hidden, every grab would draw the label afresh
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QColor red = Colours::To_QColor(Colours::Red),
                     blue = Colours::To_QColor(Colours::Blue);
        QCOMPARE(red, QColor(0xC0, 0, 0));
        QCOMPARE(Pixels_Of(label, red), 0);
        Set_Text_Colour(&label, Colours::Red);
        QVERIFY(Pixels_Of(label, red) > 20);
        label.Set_Caption("");
        QCOMPARE(Pixels_Of(label, red), 0);
        label.Set_Caption("MMMM");
        Set_Text_Colour(&label, Colours::Blue);
        QVERIFY(Pixels_Of(label, blue) > 20);
        label.setEnabled(false);
        QCOMPARE(Pixels_Of(label, blue), 0);
        QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText),
                 QColor(0x80, 0x80, 0x80));
        label.setEnabled(true);
        Set_Background(&label, Colours::Yellow);
        label.setAutoFillBackground(true);
        QVERIFY(Pixels_Of(label, QColor(0xFF, 0xFF, 0)) > 120 * 40 / 2);
        QCOMPARE(label.palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("property"); // set after Set_Geometry(150, 300, 1500, 285)
        QTest::addColumn<double>("value");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Left") << "Left" << 600.0 << QRect(40, 20, 100, 19);
        QTest::newRow("Top") << "Top" << 1005.0 << QRect(10, 67, 100, 19);
        QTest::newRow("Top between pixels") << "Top" << 1012.5 << QRect(10, 68, 100, 19);
    }

    // The twips set are the twips read back; the label stands on the pixels they give.
    void geometry()
    {
        QFETCH(QString, property);
        QFETCH(double, value);
        QFETCH(QRect, pixels);
        QWidget window;
        Label label("Label_1x(0)", "0", &window);
        label.Set_Geometry(150, 300, 1500, 285);
        label.setProperty(qPrintable(property), value);
        QCOMPARE(label.property(qPrintable(property)).toDouble(), value);
        QCOMPARE(label.Width(), 1500.0);
        QCOMPARE(label.Height(), 285.0);
        QCOMPARE(label.geometry(), pixels);
    }
};

QTEST_MAIN(tst_label)
#include "tst_label.moc"
