// SPDX-License-Identifier: GPL-3.0-or-later
// cmd_Export, its key and its dialog, and the pictures and numbers it writes, read back by readers
// of their own.
#include "core/csv_export.h"
#include "main_window/export_dialog.h"
#include "main_window/frm_dalvo.h"
#include "support/message_box_watcher.h"
#include "support/window_test_support.h"

#include <QAccessible>
#include <QPainter>
#include <QProcess>
#include <QProgressDialog>
#include <QSvgRenderer>
#include <QtTest>

namespace {

// Answers the export dialog when it shows: `choose` sets its controls, then OK is pressed; with
// no `choose` it is cancelled.
class Dialog_Answer : public QObject
{
public:
    explicit Dialog_Answer(std::function<void(frm_Export &)> choose) : choose_(std::move(choose))
    {
        startTimer(3);
    }
    bool Shown() const { return shown_; }

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *dialog = qobject_cast<frm_Export *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || shown_)
            return;
        shown_ = true;
        if (!choose_) {
            dialog->cmd_Cancel->click();
            return;
        }
        choose_(*dialog);
        dialog->cmd_OK->click();
    }

private:
    std::function<void(frm_Export &)> choose_;
    bool shown_ = false;
};

// Picks an option of the dialog by its name.
std::function<void(frm_Export &)> Pick(const QString &option)
{
    return [option](frm_Export &dialog) { dialog.findChild<QRadioButton *>(option)->click(); };
}

// What the user sees of the window and its run.
struct Window_State
{
    QImage picture;
    float time;
    int ticks;
    bool running;
    int zoom;
    bool operator==(const Window_State &) const = default;
};

Window_State State_Of(frm_dalvo &form)
{
    return {form.Render_Client_Area(), form.Elapsed_Time(), form.History().Size(),
            form.Timer1->isActive(), form.Zoom()};
}

// A run stepped to 2 s (a started run locks the export), two balls marked and the strip open:
// something to see in every format.
void Set_Up(frm_dalvo &form)
{
    form.Change_Ball_colour(12, 1);
    form.Change_Ball_colour(40, 2);
    form.cmd_Graph_Click();
    for (int second = 0; second < 2; ++second) {
        form.cmd_Clock_Click();
        Window_Test::Ticks(form, 25);
    }
}

// The largest difference of two pictures' channels (0..255) seen in blocks of 8 by 8 pixels: a
// line drawn half a pixel aside or text smoothed otherwise averages out, a ball or a word that is
// missing or too many does not.
int Block_Difference(const QImage &a, const QImage &b)
{
    const auto blocks = [](const QImage &image) {
        return image.convertToFormat(QImage::Format_RGB32)
            .scaled(image.size() / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage x = blocks(a), y = blocks(b);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

} // namespace

class tst_export : public QObject
{
    Q_OBJECT

    QTemporaryDir folder_;
    QString offered_, filter_;

    // Exports through the button and the dialog, the file name given as `name` in the folder.
    QString Export(frm_dalvo &form, const std::function<void(frm_Export &)> &choose,
                   const QString &name)
    {
        const QString path = folder_.filePath(name);
        form.Set_Export_File_Asker([this, path](const QString &offered, const QString &filter) {
            offered_ = offered;
            filter_ = filter;
            return path;
        });
        Dialog_Answer answer(choose);
        form.cmd_Export->click();
        return answer.Shown() ? path : QString();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(folder_.isValid());
    }

    // In the top row right of cmd_Exit, its size, clear of every other control, with its picture.
    // Its name and key are tst_frm_dalvo's.
    void button()
    {
        frm_dalvo form;
        const QRect exit = form.cmd_Exit->geometry(), button = form.cmd_Export->geometry();
        QCOMPARE(button.size(), exit.size());
        QCOMPARE(button.top(), exit.top());
        QCOMPARE(button.left() - exit.right(), exit.left() - form.cmd_Info->geometry().right());
        for (const QWidget *w : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(w == form.cmd_Export || !w->isVisible() || !button.intersects(w->geometry()),
                     qPrintable(w->objectName()));
        QVERIFY(!form.cmd_Export->icon().isNull());
    }

    // Ctrl+E opens the dialog as the button does, and neither does while the run locks the set-up.
    void opens_the_dialog_data() { Window_Test::Button_Or_Key_Data("Ctrl+E"); }
    void opens_the_dialog()
    {
        QFETCH(bool, key);
        QFETCH(bool, running);
        frm_dalvo form;
        QVERIFY(Window_Test::Activate(form, running));
        bool asked = false;
        form.Set_Export_File_Asker([&asked](const QString &, const QString &) {
            asked = true;
            return QString();
        });
        Dialog_Answer answer({}); // cancelled
        if (key)
            QTest::keyClick(form.cbo_Pace, Qt::Key_E, Qt::ControlModifier);
        else
            form.cmd_Export->click();
        // The dialog runs its own loop inside the click, and is answered there.
        QCOMPARE(answer.Shown(), !running);
        QVERIFY(!asked);
        form.Timer1->stop();
    }

    // Each format through the dialog: the file is there, in that format, with the filter of the
    // format offered, and the window is as it was.
    void writes_each_format_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("suffix");
        for (const auto &[tag, option, suffix] : {std::array{"SVG", "opt_Svg", "svg"},
                                                  {"PDF", "opt_Pdf", "pdf"},
                                                  {"CSV, marked balls", "opt_Csv_History", "csv"},
                                                  {"CSV, all balls", "opt_Csv_Positions", "csv"}})
            QTest::newRow(tag) << QString(option) << QString(suffix);
    }
    void writes_each_format()
    {
        QFETCH(QString, option);
        QFETCH(QString, suffix);
        frm_dalvo form;
        Set_Up(form);
        const Window_State before = State_Of(form);
        // Typed without its extension: the format's is added.
        const QString path =
            Export(form, Pick(option), QStringLiteral("%1").arg(QTest::currentDataTag())) +
            QLatin1Char('.') + suffix;
        QVERIFY(State_Of(form) == before);
        QVERIFY(filter_.endsWith(QStringLiteral("(*.%1)").arg(suffix)));
        QVERIFY(offered_.endsWith(QLatin1Char('.') + suffix));

        if (suffix == QLatin1String("svg")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray svg = file.readAll();
            QVERIFY(!svg.contains("<image"));
            QVERIFY(svg.contains("<text"));
            QSvgRenderer renderer(svg);
            QImage back(before.picture.size(), QImage::Format_RGB32);
            back.fill(Qt::white);
            QPainter painter(&back);
            renderer.render(&painter);
            painter.end();
            const int difference = Block_Difference(back, before.picture);
            QVERIFY2(difference < 48, qPrintable(QString::number(difference)));
        } else if (suffix == QLatin1String("pdf")) {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(30000));
            const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
            for (const QString &caption :
                 {form.chk_wave1->text(), form.Label1[0]->Caption(), form.cmd_Exit->text(),
                  form.Label3->Caption(), form.lbl_time->Caption(), form.lbl_syxnot[0]->Caption()})
                QVERIFY2(text.contains(caption.trimmed()), qPrintable(caption));
            QProcess pdfimages;
            pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
            QVERIFY(pdfimages.waitForFinished(30000));
            // The heading alone: no picture in the file.
            QCOMPARE(pdfimages.readAllStandardOutput().count('\n'), 2);
        } else {
            // The numbers as the CSV writer gives them for the window's history and marks.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(),
                     option == QLatin1String("opt_Csv_History")
                         ? Csv_Export::Marked_History(form.History(), form.Marked_Balls())
                         : Csv_Export::Positions(form.History()));
        }
    }

    // An animation to the end counts its 501 frames in a progress dialog; its Cancel leaves no
    // file, not even the temporary one, and no message.
    void animation_cancelled()
    {
        frm_dalvo form;
        Set_Up(form);
        const Window_State before = State_Of(form);
        Message_Box_Watcher boxes;
        int counted = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = form.findChild<QProgressDialog *>(QStringLiteral("dlg_Progress"));
            if (!progress || !progress->isVisible())
                return;
            counted = progress->maximum();
            progress->cancel();
        });
        watch.start(10);
        Export(form, Pick("opt_Gif"), QStringLiteral("run.gif"));
        QVERIFY(State_Of(form) == before);
        QVERIFY(boxes.Boxes().isEmpty());
        const QStringList left =
            QDir(folder_.path()).entryList({QStringLiteral("*run*")}, QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
        QCOMPARE(counted, 501);
    }

    // The folder of the last export is offered next time, also to a new window.
    void offers_the_last_folder()
    {
        frm_dalvo first;
        QVERIFY(!Export(first, Pick("opt_Svg"), QStringLiteral("one.svg")).isEmpty());
        frm_dalvo second;
        Export(second, Pick("opt_Pdf"), QStringLiteral("two.pdf"));
        QCOMPARE(QFileInfo(offered_).absolutePath(), QDir(folder_.path()).absolutePath());
        QCOMPARE(QFileInfo(offered_).fileName(), QStringLiteral("dalvo.pdf"));
    }

    // A folder that is not there: a warning says so and names the file.
    void failure_is_told()
    {
        frm_dalvo form;
        Message_Box_Watcher boxes;
        const QString path = Export(form, Pick("opt_Pdf"), QStringLiteral("missing/picture.pdf"));
        QCOMPARE(boxes.Boxes().size(), 1);
        QVERIFY(boxes.Texts().first().contains(QDir::toNativeSeparators(path)));
        QVERIFY(boxes.Texts().first().contains(QStringLiteral("δεν υπάρχει")));
        QCOMPARE(boxes.Boxes().first().icon, QMessageBox::Warning);
    }

    // At the window's zoom, every control inside its frame and its text in full, in both
    // languages' longest texts; the picture is left beside the tests for a look.
    void dialog_layout_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("100 %") << 100;
        QTest::newRow("150 %") << 150;
    }
    void dialog_layout()
    {
        QFETCH(int, zoom);
        frm_dalvo form;
        form.Set_Zoom(zoom);
        frm_Export dialog(form);
        QCOMPARE(dialog.size(), Client_Size(dialog, zoom / 100.0));
        QCOMPARE(dialog.cmd_OK->font().pointSizeF(), form.cbo_Pace->font().pointSizeF());
        for (const QWidget *w : dialog.findChildren<QWidget *>()) {
            if (w->window() != &dialog || !w->isVisibleTo(&dialog) ||
                w->parentWidget()->inherits("QComboBox"))
                continue;
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()),
                     qPrintable(w->objectName()));
            if (qobject_cast<const QAbstractButton *>(w) && !qobject_cast<const QPushButton *>(w))
                QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(w->objectName()));
        }
        QVERIFY(dialog.grab().save(
            Window_Test::Output_Path(QStringLiteral("export_dialog_%1.png").arg(zoom))));
    }

    // The history needs a marked ball; only a chosen format's own options are enabled.
    void dialog_options()
    {
        frm_dalvo form;
        frm_Export unmarked(form);
        QVERIFY(!unmarked.opt_Csv_History->isEnabled());
        form.Change_Ball_colour(3, 2);
        frm_Export dialog(form);
        QVERIFY(dialog.opt_Csv_History->isEnabled());
        QVERIFY(dialog.opt_Png->isChecked() && dialog.cbo_Png_Zoom->isEnabled());
        dialog.cbo_Png_Zoom->setCurrentIndex(2);
        QCOMPARE(dialog.Chosen().Options.Zoom, 200);
        QVERIFY(!dialog.cbo_Animation_Zoom->isEnabled());
        dialog.opt_Mp4->click();
        QVERIFY(!dialog.cbo_Png_Zoom->isEnabled());
        dialog.cbo_Animation_Zoom->setCurrentIndex(1);
        dialog.cbo_Until->setCurrentIndex(1);
        dialog.chk_Slow->Set_Value(1);
        const frm_Export::Choice choice = dialog.Chosen();
        QCOMPARE(choice.Format, Exporting::Format::Mp4);
        QCOMPARE(choice.Options.Zoom, 150);
        QCOMPARE(choice.Options.Until, std::optional<float>(form.Elapsed_Time()));
        QVERIFY(choice.Options.Slow);
    }
};

QTEST_MAIN(tst_export)
#include "tst_export.moc"
