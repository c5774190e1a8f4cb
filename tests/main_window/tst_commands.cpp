// SPDX-License-Identifier: GPL-3.0-or-later
// The print, about and exit buttons of the main window, through the real window and real modal
// message boxes.
#include "controls/printing.h"
#include "main_window/frm_dalvo.h"
#include "support/message_box_watcher.h"
#include "support/window_test_support.h"

#include <QMessageBox>
#include <QPrinter>
#include <QtTest>

namespace {

// What a message box shows; in an expected box `text` is a pattern for the whole text.
using Seen_Box = Message_Box_Watcher::Box;

// Clicks the command button and answers the modal message boxes it opens: the first with the
// given button, every later one with Cancel, or OK when it has no Cancel. Returns what they showed.
QList<Seen_Box> Click(QAbstractButton *command, QMessageBox::StandardButton first)
{
    const Message_Box_Watcher watcher({first, QMessageBox::Cancel, QMessageBox::Cancel});
    command->click();
    return watcher.Boxes();
}

// The mean grey level of the pixels in `rect`.
double Mean_Grey(const QImage &image, const QRect &rect)
{
    double sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (rect.width() * rect.height());
}

} // namespace

Q_DECLARE_METATYPE(QList<Seen_Box>)

class tst_commands : public QObject
{
    Q_OBJECT

private slots:
    void message_boxes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QList<Seen_Box>>("boxes");
        const auto exact = [](const char *text) { return QRegularExpression::escape(text); };
        const Seen_Box print{"Printing ....", exact("Do you like to print the current form?"),
                             QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel};
        const Seen_Box problem{"Sorry ...", exact("Printint problem"), QMessageBox::Critical,
                               QMessageBox::Ok};
        // A description, a line break, a contact line set in by 19 blanks; no address.
        const Seen_Box about{"e-mail", R"(\S[^\r\n@]*\n {19}\S[^\r\n@]*)", QMessageBox::Information,
                             QMessageBox::Ok};
        const Seen_Box exit{"Exit Dalvo.exe", exact("Quiting Dalvo.exe?"), QMessageBox::Question,
                            QMessageBox::Ok | QMessageBox::Cancel};
        QTest::newRow("print, Cancel") << "Print" << QMessageBox::Cancel << QList<Seen_Box>{print};
        QTest::newRow("print, no printer")
            << "Print" << QMessageBox::Ok << QList<Seen_Box>{print, problem};
        QTest::newRow("about") << "Info" << QMessageBox::Ok << QList<Seen_Box>{about};
        QTest::newRow("exit, Cancel") << "Exit" << QMessageBox::Cancel << QList<Seen_Box>{exit};
    }

    // Each command shows exactly its boxes, asks for a printer only to print (there is none here),
    // and leaves the window as it was.
    void message_boxes()
    {
        QFETCH(QString, command);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QList<Seen_Box>, boxes);
        frm_dalvo form;
        form.show();
        int asked = 0;
        form.Set_Printer_Factory([&] {
            ++asked;
            return std::unique_ptr<QPrinter>();
        });
        const QImage before = form.Render_Client_Area();

        const QList<Seen_Box> seen =
            Click(form.findChild<QAbstractButton *>("cmd_" + command), answer);
        QCOMPARE(seen.size(), boxes.size());
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            const Seen_Box &got = seen.at(i), &want = boxes.at(i);
            QCOMPARE(std::tie(got.title, got.icon, got.buttons),
                     std::tie(want.title, want.icon, want.buttons));
            const QRegularExpression text(QRegularExpression::anchoredPattern(want.text));
            QVERIFY2(text.match(got.text).hasMatch(), qPrintable(got.text));
        }
        QCOMPARE(asked, int(command == QLatin1String("Print") && answer == QMessageBox::Ok));
        QVERIFY(form.isVisible());
        QCOMPARE(form.Render_Client_Area(), before);
    }

    // The page shows the window as it is: the window fills a landscape page, its panels print white
    // and their balls as the window shows them, the resultant ones dark.
    void print_to_pdf()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("window.pdf"));
        frm_dalvo form;
        form.show();
        Window_Test::Ticks(form, 40);
        form.Set_Printer_Factory([&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFileName(pdf);
            return printer;
        });
        const QImage window = form.Render_Client_Area();
        QCOMPARE(Click(form.cmd_Print, QMessageBox::Ok).size(), 1);

        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"), {"-png", "-r", "50", pdf, pdf}), 0);
        const QStringList pages = QDir(folder.path()).entryList({QStringLiteral("*.png")});
        QCOMPARE(pages.size(), 1);
        const QImage page =
            QImage(folder.filePath(pages.at(0))).convertToFormat(QImage::Format_RGB32);
        const QRect printed = Window_Test::Printed_Area(page);
        QVERIFY(page.width() > page.height() && printed.width() > page.width() * 8 / 10);
        const double scale = double(printed.width()) / window.width();

        const auto on_page = [&](const QRectF &rect) {
            return QRectF(printed.topLeft() + rect.topLeft() * scale, rect.size() * scale).toRect();
        };
        for (PictureBox *panel : {form.Picture1, form.Picture2}) {
            // The interior, inside the panel's 30-twip border.
            const QRectF interior = QRectF(panel->geometry()) - QMarginsF(2, 2, 2, 2);
            QVERIFY(Mean_Grey(page, on_page(interior)) > 200);
            for (const Shape *ball : panel == form.Picture1 ? form.Shape1 : form.Shape2) {
                // The inner half of the ball, where its fill shows.
                QRectF inner(QPointF(), ball->Box().size() / 30.0);
                inner.moveCenter(interior.topLeft() + ball->Box().center() / 15.0);
                const double on_paper = Mean_Grey(page, on_page(inner));
                QVERIFY2(qAbs(on_paper - Mean_Grey(window, inner.toRect())) < 40 &&
                             (on_paper < 120 || panel != form.Picture1),
                         qPrintable(ball->objectName()));
            }
        }
        // Drawn at the page's resolution: a guide line is one or two dots at 300 dpi, where a
        // stretched screen pixel would be three or four.
        const QString fine = folder.filePath(QStringLiteral("fine"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {"-png", "-r", "300", "-singlefile", pdf, fine}),
                 0);
        const QImage dots = QImage(fine + ".png").convertToFormat(QImage::Format_RGB32);
        const QPointF line = form.Picture1->geometry().topLeft() + QPointF(2 + 66, 2) +
                             form.Line1[0]->Twips_Line().p1() / 15; // clear of balls and lines
        const QPoint at = (QPointF(printed.topLeft()) * 6 + line * scale * 6).toPoint();
        int dark = 0;
        for (int y = at.y() - 12; y <= at.y() + 12; ++y)
            dark += qGray(dots.pixel(at.x(), y)) < 160 ? 1 : 0;
        QVERIFY2(dark >= 1 && dark <= 2, qPrintable(QString::number(dark)));
    }

    // OK ends the program at once, with the file chooser open too: the event loop returns before
    // any later timer fires and no window is left shown.
    void exit_ok_ends_program()
    {
        frm_dalvo form;
        form.show();
        form.cmd_Open->click();
        const QPointer<QWidget> chooser =
            form.findChild<QWidget *>(QStringLiteral("frm_Dalvo_Files"));
        QVERIFY(chooser && chooser->isVisible());
        QTimer::singleShot(0, &form, [&] {
            Click(form.cmd_Exit, QMessageBox::Ok);
            QTimer::singleShot(200, &form, [] { QCoreApplication::exit(42); });
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!form.isVisible() && !chooser->isVisible());
    }
};

QTEST_MAIN(tst_commands)
#include "tst_commands.moc"
