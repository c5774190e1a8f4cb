// SPDX-License-Identifier: GPL-3.0-or-later
// The view's zoom scales all the window shows and nothing it holds.
#include "support/message_box_watcher.h"
#include "support/window_test_support.h"

#include "controls/colours.h"
#include "controls/twips.h"

#include <QMessageBox>
#include <QtTest>

class tst_zoom : public QObject
{
    Q_OBJECT

private slots:
    // At 200 % the window doubles (its controls' sizes, fonts and pictures are the kit's own
    // tests); back at 100 % it is the very window it was.
    void window_at_200_and_back()
    {
        frm_dalvo form, untouched;
        form.Set_Zoom(200);
        QCOMPARE(form.size(), QSize(2032, 1472));
        form.Set_Zoom(100);
        QCOMPARE(form.Render_Client_Area(), untouched.Render_Client_Area());
    }

    // The same changes at 100 % and at 200 % leave the same twips, panel units and items.
    void held_values_unchanged()
    {
        frm_dalvo plain, zoomed;
        zoomed.Set_Zoom(200);
        for (frm_dalvo *form : {&plain, &zoomed}) {
            form->chk_wave3->Set_Value(1);
            form->chk_wave2->Set_Value(1);
            Window_Test::Ticks(*form, 40);
        }
        QCOMPARE(Window_Test::Held_Values(zoomed), Window_Test::Held_Values(plain));
    }

    void mouse_at_zoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("ball");
        QTest::newRow("50 %, ball 0") << 50 << 0;
        QTest::newRow("300 %, ball 50") << 300 << 50;
    }

    void mouse_at_zoom()
    {
        QFETCH(int, zoom);
        QFETCH(int, ball);
        frm_dalvo form;
        form.Set_Zoom(zoom);
        form.show();
        const QPointF centre = form.Shape1[ball]->Box().center() + QPointF(30, 30); // in twips
        QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, (centre * zoom / 1500).toPoint());
        for (int i = 0; i < frm_dalvo::Balls; ++i)
            QCOMPARE(form.Shape1[i]->BackColor() == Colours::Yellow, i == ball);
        // A check box's box and a scroll bar's right arrow, where they are drawn at this zoom.
        const int box = form.chk_wave2->height() / 2, bar = form.hsc_c1->height() / 2;
        QTest::mouseClick(form.chk_wave2, Qt::LeftButton, {}, QPoint(box, box));
        QCOMPARE(form.chk_wave2->Value(), 1);
        QTest::mouseClick(form.hsc_c1, Qt::LeftButton, {}, QPoint(form.hsc_c1->width() - bar, bar));
        QCOMPARE(form.hsc_c1->value(), 11);
    }

    // F11 fills the screen with the whole client area, centred, and fills it again when the graph
    // strip opens or closes there; Esc and F11 leave it as it was.
    void presentation_mode()
    {
        frm_dalvo form;
        form.Set_Zoom(125);
        QVERIFY(Window_Test::Activate(form));
        const QRect before = form.geometry(), screen = form.screen()->geometry();
        for (Qt::Key leave : {Qt::Key_Escape, Qt::Key_F11}) {
            QTest::keyClick(&form, Qt::Key_F11);
            QVERIFY(form.Presenting() && form.isFullScreen());
            QCOMPARE(form.windowHandle()->geometry(), screen);
            if (leave == Qt::Key_F11)
                QTest::keyClick(&form, Qt::Key_F8);
            const double zoom = Zoom_Of(&form);
            const QSize client = Client_Size(form, zoom), larger = Client_Size(form, zoom + 0.01);
            QVERIFY(QRect(QPoint(), screen.size()).contains(QRect(QPoint(), client)));
            QVERIFY(larger.width() > screen.width() || larger.height() > screen.height());
            const QPoint origin((screen.width() - client.width()) / 2,
                                (screen.height() - client.height()) / 2);
            QCOMPARE(form.Picture2->geometry(),
                     Twips::To_Pixels(1755, 5895, 11850, 4110, zoom).translated(origin));
            if (leave == Qt::Key_F11)
                QTest::keyClick(&form, Qt::Key_F8);
            QTest::keyClick(&form, leave);
            QVERIFY(!form.Presenting() && !form.isFullScreen());
            QCOMPARE(form.Zoom(), 125);
            QCOMPARE(form.geometry(), before);
        }
    }

    // A horizontal guide line is as many whole dark rows as the zoom, with the panel's background
    // right above and below: crisp, not a blurred band.
    void guide_line_crisp_data()
    {
        QTest::addColumn<int>("zoom");
        for (int zoom : {100, 200, 300})
            QTest::addRow("%d %%", zoom) << zoom;
    }

    void guide_line_crisp()
    {
        QFETCH(int, zoom);
        frm_dalvo form;
        form.Set_Zoom(zoom);
        const QImage image = form.Render_Client_Area();
        image.save(Window_Test::Output_Path(QStringLiteral("zoom_%1.png").arg(zoom))); // to look at
        const double z = zoom / 100.0, inside = PictureBox::Border;
        // Between the first two vertical lines, where no ball stands at rest.
        const int x = Twips::To_Pixels(form.Picture1->Left() + inside + 1000, z);
        const int y =
            Twips::To_Pixels(form.Picture1->Top() + inside + form.Line1[0]->Twips_Line().y1(), z);
        QList<int> dark;
        for (int row = y - 4; row <= y + 4; ++row)
            if (image.pixelColor(x, row).lightness() < 60)
                dark << row;
        QCOMPARE(dark.size(), zoom / 100);
        QCOMPARE(dark.back() - dark.front() + 1, dark.size());
        const QColor background = Colours::To_QColor(form.Picture1->BackColor());
        QCOMPARE(image.pixelColor(x, dark.front() - 1), background);
        QCOMPARE(image.pixelColor(x, dark.back() + 1), background);
    }

    // A message box's text grows with its owner's zoom: the about box at 100 % and at 150 % has
    // its text half as large again, in the same lines.
    void message_boxes_follow()
    {
        frm_dalvo form;
        form.show();
        const Message_Box_Watcher watcher;
        for (int zoom : {100, 150}) {
            form.Set_Zoom(zoom);
            form.cmd_Info->click();
        }
        const auto &boxes = watcher.Boxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].point_size, boxes[0].point_size * 1.5);
        QCOMPARE(boxes[0].face, form.palette().color(QPalette::Window));
        QVERIFY2(boxes[1].width > boxes[0].width * 1.4,
                 qPrintable(QString::number(boxes[1].width)));
    }

    void keys_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("to");
        QTest::newRow("Ctrl+Plus") << 175 << QStringList{"Ctrl++"} << 200;
        QTest::newRow("Ctrl+=") << 100 << QStringList{"Ctrl+="} << 125;
        QTest::newRow("Ctrl+Minus") << 100 << QStringList{"Ctrl+-"} << 75;
        QTest::newRow("between steps, up") << 110 << QStringList{"Ctrl++"} << 125;
        QTest::newRow("between steps, down") << 110 << QStringList{"Ctrl+-"} << 100;
        QTest::newRow("up at the top") << 300 << QStringList{"Ctrl++"} << 300;
        QTest::newRow("down at the bottom") << 50 << QStringList{"Ctrl+-"} << 50;
        QTest::newRow("Ctrl+0") << 275 << QStringList{"Ctrl+0"} << 100;
        QTest::newRow("F11, Esc") << 150 << QStringList{"F11", "Esc"} << 150;
        QTest::newRow("F11, Ctrl+Minus") << 50 << QStringList{"F11", "Ctrl+-"} << 50;
    }

    // The zoom keys, with the file chooser open beside the window: the chooser, in the window's
    // classic look, is made at the window's zoom and takes each new zoom, its size and its
    // controls' places (their fonts and icons follow as the kit's own tests show).
    void keys()
    {
        QFETCH(int, from);
        QFETCH(QStringList, keys);
        QFETCH(int, to);
        frm_dalvo form;
        form.Set_Zoom(from);
        form.cmd_Open->click();
        const QPointer<frm_Dalvo_Files> chooser = Loaded_Dalvo_Files(form);
        QVERIFY(chooser);
        QVERIFY(Window_Test::Activate(form));
        QCOMPARE(chooser->style()->name(), form.style()->name());
        QCOMPARE(chooser->palette().color(QPalette::Window),
                 form.palette().color(QPalette::Window));
        for (const QString &key : QStringList{QString()} + keys) { // first as the chooser opened
            if (!key.isEmpty())
                QTest::keySequence(&form, QKeySequence(key));
            const double zoom = Zoom_Of(&form);
            QVERIFY(chooser && !chooser->Unloaded());
            QCOMPARE(chooser->size(),
                     QSize(Twips::To_Pixels(7050, zoom), Twips::To_Pixels(4530, zoom)));
            QCOMPARE(chooser->cmd_OK->geometry(), Twips::To_Pixels(5580, 3240, 1095, 330, zoom));
        }
        QCOMPARE(form.Zoom(), to);
    }
};

QTEST_MAIN(tst_zoom)
#include "tst_zoom.moc"
