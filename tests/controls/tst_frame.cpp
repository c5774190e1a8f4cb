// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/control_test_support.h"

#include "controls/classic_look.h"
#include "controls/colours.h"
#include "controls/frame.h"

#include <QLabel>
#include <QtTest>

using Control_Test::Pixels_Of;

// A frame on its own: the colour of its caption is its own and no control inside it takes it.
class tst_frame : public QObject
{
    Q_OBJECT

private slots:
    void caption_colour_data()
    {
        QTest::addColumn<bool>("through_text_colour"); // Set_Text_Colour, else Set_Caption_Colour
        QTest::newRow("Set_Caption_Colour") << false;
        QTest::newRow("Set_Text_Colour") << true;
    }

    void caption_colour()
    {
        QFETCH(bool, through_text_colour);
        QWidget window;
        window.setPalette(Classic_Palette());
        Frame frame("frm_WaveAttr(0)", &window);
        frame.setTitle("MMMMMMMM");
        frame.setFont(QFont("Liberation Sans", 20, QFont::Bold));
        frame.setGeometry(0, 0, 300, 120);
        auto *inside = new QLabel("MMMMMMMM", &frame);
        inside->setFont(frame.font());
        inside->setGeometry(20, 50, 260, 50);
        Use_Classic_Style(window); // whose frames draw a caption colour of their own
        window.show();             // hidden, every grab would draw the frame afresh
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QColor red = Colours::To_QColor(Colours::Red);
        QCOMPARE(Pixels_Of(frame, red), 0);
        if (through_text_colour)
            Set_Text_Colour(&frame, Colours::Red);
        else
            frame.Set_Caption_Colour(red);
        const int caption = Pixels_Of(frame, red);
        QVERIFY(caption > 20);
        // Only the caption: the label inside keeps the window's text colour.
        QCOMPARE(Pixels_Of(*inside, red), 0);
        // A disabled frame's caption keeps the desktop's grey.
        frame.setEnabled(false);
        QCOMPARE(Pixels_Of(frame, red), 0);
        frame.setEnabled(true);
        QCOMPARE(Pixels_Of(frame, red), caption);
    }
};

QTEST_MAIN(tst_frame)
#include "tst_frame.moc"
