// The print, about and exit buttons of the main window, through the real window and real modal
// message boxes. Ending the program is watched from outside: the test binary runs itself as a
// child process that clicks Exit.
#include "commands/about_text.h"
#include "commands/print_window.h"
#include "main_window/frm_dalvo.h"
#include "main_window/window_test_support.h"

#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace {

const char *const Exit_Child_Flag = "--exit-child";

// The ways of closing a message box.
enum class Answer
{
    Ok,
    Cancel,
    Escape,
    Close_Button
};

struct Seen_Box
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button;
};

// Answers the message boxes a handler opens: it looks for the modal box every few milliseconds,
// records what the box shows and closes it in the chosen way. A box beyond the given answers is
// cancelled (or confirmed when OK is its only button), so a test never hangs on one.
class Box_Driver
{
public:
    explicit Box_Driver(QList<Answer> answers) : answers_(std::move(answers))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    const QList<Seen_Box> &Seen() const { return seen_; }

private:
    void Poll();

    QTimer timer_;
    QList<Answer> answers_;
    QList<Seen_Box> seen_;
    QPointer<QMessageBox> last_;
};

void Box_Driver::Poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box == last_ || !box->isVisible())
        return;
    last_ = box;
    QPushButton *default_button = box->defaultButton();
    seen_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                  default_button ? box->standardButton(default_button) : QMessageBox::NoButton});
    const Answer answer = answers_.isEmpty() ? Answer::Cancel : answers_.takeFirst();
    QAbstractButton *button = nullptr;
    switch (answer) {
    case Answer::Ok:
        button = box->button(QMessageBox::Ok);
        break;
    case Answer::Cancel:
        button = box->button(QMessageBox::Cancel);
        break;
    case Answer::Escape:
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    case Answer::Close_Button:
        box->close();
        return;
    }
    if (button)
        button->click();
    else
        box->close();
}

Answer Answer_Named(const QByteArray &name)
{
    if (name == "ok")
        return Answer::Ok;
    if (name == "escape")
        return Answer::Escape;
    if (name == "close")
        return Answer::Close_Button;
    return Answer::Cancel;
}

void Check_Box(const Seen_Box &box, const QString &title, const QString &text,
               QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.default_button, QMessageBox::Ok);
}

void Check_Print_Question(const Seen_Box &box)
{
    Check_Box(box, QStringLiteral("Printing ...."),
              QStringLiteral("Do you like to print the current form?"), QMessageBox::Question,
              QMessageBox::Ok | QMessageBox::Cancel);
}

std::unique_ptr<QPrinter> Pdf_Printer(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// The pages of a PDF file as images at 50 pixels per inch, through poppler's pdftoppm.
QList<QImage> Pdf_Pages(const QString &pdf)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        return {};
    const QFileInfo file(pdf);
    const QString prefix = file.dir().filePath(file.completeBaseName() + QStringLiteral("-page"));
    QProcess process;
    process.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                             pdf, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QList<QImage> pages;
    const QStringList names = file.dir().entryList(
        {file.completeBaseName() + QStringLiteral("-page-*.png")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        pages.append(QImage(file.dir().filePath(name)).convertToFormat(QImage::Format_RGB32));
    return pages;
}

// The smallest rectangle holding every pixel of the page that is not paper white.
QRect Printed_Area(const QImage &page)
{
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                area |= QRect(x, y, 1, 1);
    return area;
}

double Mean_Grey(const QImage &image, const QRect &rect)
{
    const QRect inside = rect & image.rect();
    if (inside.isEmpty())
        return -1;
    double sum = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (inside.width() * inside.height());
}

double Share_Of_White(const QImage &image, const QRect &rect)
{
    const QRect inside = rect & image.rect();
    int white = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            white += qGray(image.pixel(x, y)) > 200 ? 1 : 0;
    return inside.isEmpty() ? 0 : double(white) / (inside.width() * inside.height());
}

// Maps window pixels onto the printed copy of the window on the page.
class Page_Map
{
public:
    Page_Map(QSize window, QRect printed) : window_(window), printed_(printed) {}

    QPointF Point(QPointF at) const
    {
        return {printed_.left() + at.x() * printed_.width() / window_.width(),
                printed_.top() + at.y() * printed_.height() / window_.height()};
    }
    QRect Rect(const QRectF &rect) const
    {
        return QRectF(Point(rect.topLeft()), Point(rect.bottomRight())).toRect();
    }

private:
    QSize window_;
    QRect printed_;
};

// The interior of a panel in window pixels.
QRectF Panel_Interior(frm_dalvo &form, PictureBox *panel)
{
    const double border = PictureBox::Border / 15.0;
    return QRectF(panel->mapTo(&form, QPoint(0, 0)), panel->size())
        .adjusted(border, border, -border, -border);
}

// A ball's box in window pixels.
QRectF Ball_Box(frm_dalvo &form, PictureBox *panel, const Shape *ball)
{
    const QRectF box = ball->Box();
    return QRectF(Panel_Interior(form, panel).topLeft() + box.topLeft() / 15.0, box.size() / 15.0);
}

// Counts the close events that reach any window but a message box: ending the program must
// not run a window's close handling.
class Close_Counter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow() && !qobject_cast<QMessageBox *>(watched))
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// Queues a call when the window is hidden: ending the program hides it before the event loop
// is told to return, so a call queued then must never run.
class Queue_Call_When_Hidden : public QObject
{
public:
    Queue_Call_When_Hidden(QWidget &window, std::function<void()> call) : call_(std::move(call))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            QMetaObject::invokeMethod(this, call_, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> call_;
};

int Visible_Windows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->isVisible() && !qobject_cast<const QMessageBox *>(window);
    }));
}

// The child process of the exit tests. It shows the main window, and for the setting "chooser"
// the file chooser, for "other" another top-level window; clicks Exit (for "nested" from inside
// a nested event loop), answers the question and reports on stdout what became of the program.
// A program that goes on is seen by a timer that fires later.
int Run_Exit_Child(int argc, char *argv[])
{
    if (argc < 4)
        return 2;
    QApplication app(argc, argv);
    const QByteArray setting = argv[3];
    const auto report = [](const char *key, qsizetype value) {
        std::printf("%s=%lld\n", key, static_cast<long long>(value));
        std::fflush(stdout);
    };
    Close_Counter closes;
    app.installEventFilter(&closes);
    frm_dalvo form;
    form.show();
    QWidget other;
    other.setWindowTitle(QStringLiteral("another window"));
    if (setting == "other")
        other.show();
    if (setting == "chooser")
        form.cmd_Open->click();
    Box_Driver driver({Answer_Named(argv[2])});
    Queue_Call_When_Hidden late_call(form, [&] { report("late_call", 1); });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
    QTimer::singleShot(0, [&] {
        report("shown_before", Visible_Windows());
        if (setting == "nested") {
            QEventLoop nested;
            QTimer::singleShot(0, &nested, [&] {
                form.cmd_Exit->click();
                nested.quit();
            });
            nested.exec();
        } else {
            form.cmd_Exit->click();
        }
        report("handler_returned", 1);
        QTimer::singleShot(200, [&] {
            report("alive", Visible_Windows());
            QCoreApplication::exit(42);
        });
    });
    const int code = QApplication::exec();
    report("exec", code);
    report("visible", Visible_Windows());
    report("close_events", closes.count);
    report("boxes", driver.Seen().size());
    return 0;
}

struct Window_State
{
    QImage image;
    QString title;
    bool visible;
    bool timer_active;
    float elapsed;
    QStringList captions;
    QList<int> check_values;
    int windows;
};

Window_State State_Of(frm_dalvo &form)
{
    Window_State state{form.Render_Client_Area(),
                       form.windowTitle(),
                       form.isVisible(),
                       form.Timer1->isActive(),
                       form.Elapsed_Time(),
                       {},
                       {},
                       Visible_Windows()};
    for (const Label *label : {form.lbl_c1, form.lbl_c2, form.lbl_time})
        state.captions << label->Caption();
    for (int i = 0; i < 4; ++i) {
        state.captions << form.lbl_AA[i]->Caption() << form.lbl_ff[i]->Caption();
        state.check_values << form.chk_wave(i)->Value() << form.chk_balls[i]->Value();
    }
    return state;
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class tst_commands : public QObject
{
    Q_OBJECT

private slots:
    void print_question_data();
    void print_question();
    void print_failure_data();
    void print_failure();
    void print_to_pdf_data();
    void print_to_pdf();
    void print_image_data();
    void print_image();
    void fit_on_page_data();
    void fit_on_page();
    void printer_factory_belongs_to_its_window();
    void about_box_data();
    void about_box();
    void exit_cancel_data();
    void exit_cancel();
    void exit_program_data();
    void exit_program();
};

void tst_commands::print_question_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("prints");
    QTest::addRow("OK") << Answer::Ok << true;
    QTest::addRow("Cancel") << Answer::Cancel << false;
    QTest::addRow("Escape") << Answer::Escape << false;
    QTest::addRow("close button") << Answer::Close_Button << false;
}

// Only OK prints; every other answer prints nothing and shows no further box.
void tst_commands::print_question()
{
    QFETCH(Answer, answer);
    QFETCH(bool, prints);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    frm_dalvo form;
    form.show();
    int printers_made = 0;
    Printing::Set_Printer_Factory(form, [&] {
        ++printers_made;
        return Pdf_Printer(pdf);
    });

    Box_Driver driver({answer});
    form.cmd_Print->click();

    QCOMPARE(driver.Seen().size(), 1);
    Check_Print_Question(driver.Seen().at(0));
    QCOMPARE(printers_made, prints ? 1 : 0);
    QCOMPARE(QFileInfo(pdf).size() > 0, prints);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_commands::print_failure_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("no default printer") << QStringLiteral("default");
    QTest::newRow("no printer") << QStringLiteral("none");
    QTest::newRow("printer refuses the job") << QStringLiteral("refuses");
    QTest::newRow("printer raises an error") << QStringLiteral("raises");
}

// Every failure of the printing ends in one "Printint problem" box, and nothing escapes the
// handler.
void tst_commands::print_failure()
{
    QFETCH(QString, failure);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // A file where a folder should be: the PDF cannot be written below it.
    QFile blocker(folder.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString pdf = folder.filePath(QStringLiteral("blocker/page.pdf"));

    frm_dalvo form;
    form.show();
    if (failure == QLatin1String("default")) {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("A default printer is installed; this case would print a real page.");
    } else if (failure == QLatin1String("none")) {
        Printing::Set_Printer_Factory(form, [] { return std::unique_ptr<QPrinter>(); });
    } else if (failure == QLatin1String("refuses")) {
        Printing::Set_Printer_Factory(form, [&] { return Pdf_Printer(pdf); });
    } else {
        Printing::Set_Printer_Factory(
            form, []() -> std::unique_ptr<QPrinter> { throw std::runtime_error("printer gone"); });
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral("untrapped")));
    if (failure == QLatin1String("refuses"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QPainter::begin")));

    Box_Driver driver({Answer::Ok, Answer::Ok});
    form.cmd_Print->click();

    QCOMPARE(driver.Seen().size(), 2);
    Check_Print_Question(driver.Seen().at(0));
    Check_Box(driver.Seen().at(1), QStringLiteral("Sorry ..."), QStringLiteral("Printint problem"),
              QMessageBox::Critical, QMessageBox::Ok);
    QVERIFY(!QFileInfo::exists(pdf));
}

void tst_commands::print_to_pdf_data()
{
    QTest::addColumn<QList<int>>("waves");
    QTest::addColumn<int>("ticks");
    QTest::addRow("start-up") << QList<int>{1, 0, 1, 0} << 0;
    QTest::addRow("four waves after 1.6 s") << QList<int>{1, 1, 1, 1} << 40;
    QTest::addRow("one panel after 0.8 s") << QList<int>{1, 1, 0, 0} << 20;
}

// The page shows the window as it is at that moment: the printed copy matches the window's
// image, its panels are white and the resultant balls stand where the window shows them.
void tst_commands::print_to_pdf()
{
    QFETCH(QList<int>, waves);
    QFETCH(int, ticks);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("window.pdf"));
    frm_dalvo form;
    form.show();
    for (int i = 0; i < 4; ++i)
        form.chk_wave(i)->Set_Value(waves.at(i));
    Window_Test::Ticks(form, ticks);
    Printing::Set_Printer_Factory(form, [&] { return Pdf_Printer(pdf); });
    const QImage window = form.Render_Client_Area();

    Box_Driver driver({Answer::Ok});
    form.cmd_Print->click();
    QCOMPARE(driver.Seen().size(), 1);

    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(),
             "pdftoppm (poppler-utils) is needed");
    const QList<QImage> pages = Pdf_Pages(pdf);
    QCOMPARE(pages.size(), 1);
    const QImage &page = pages.at(0);
    QVERIFY2(page.width() > page.height(), "a wide window is printed on a landscape page");
    page.save(Window_Test::Output_Path(
        QStringLiteral("printed_%1.png").arg(QTest::currentDataTag()).replace(' ', '_')));

    // The window fills the page's width, its aspect ratio kept.
    const QRect printed = Printed_Area(page);
    QVERIFY(printed.width() > page.width() * 8 / 10);
    const double window_ratio = double(window.width()) / window.height();
    QVERIFY2(
        qAbs(double(printed.width()) / printed.height() - window_ratio) < 0.02 * window_ratio,
        qPrintable(QStringLiteral("printed %1 x %2").arg(printed.width()).arg(printed.height())));

    // The printed copy looks like the window scaled down.
    const QImage expected =
        window.scaled(printed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    double difference = 0;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x)
            difference += qAbs(qGray(expected.pixel(x, y)) -
                               qGray(page.pixel(printed.left() + x, printed.top() + y)));
    difference /= printed.width() * printed.height();
    QVERIFY2(difference < 6, qPrintable(QStringLiteral("mean difference %1").arg(difference)));

    const Page_Map map(window.size(), printed);
    const bool two_panels = waves.at(2) || waves.at(3);
    QCOMPARE(form.Picture2->isVisible(), two_panels);
    for (PictureBox *panel : {form.Picture1, form.Picture2}) {
        if (!panel->isVisible())
            continue;
        const QRect interior = map.Rect(Panel_Interior(form, panel));
        const double white = Share_Of_White(page, interior);
        QVERIFY2(white > 0.7,
                 qPrintable(QStringLiteral("%1 is %2 white").arg(panel->objectName()).arg(white)));
        const auto &row = panel == form.Picture1 ? form.Shape1 : form.Shape2;
        for (const Shape *ball : row) {
            // The inner half of the ball, where its fill shows.
            const QRectF box = Ball_Box(form, panel, ball);
            const QRectF inner = box.adjusted(box.width() / 4, box.height() / 4, -box.width() / 4,
                                              -box.height() / 4);
            const double on_page = Mean_Grey(page, map.Rect(inner));
            const double on_screen = Mean_Grey(window, inner.toRect());
            QVERIFY2(qAbs(on_page - on_screen) < 40,
                     qPrintable(QStringLiteral("%1: page %2, window %3")
                                    .arg(ball->objectName())
                                    .arg(on_page)
                                    .arg(on_screen)));
            if (panel == form.Picture1)
                QVERIFY2(
                    on_page < 120,
                    qPrintable(
                        QStringLiteral("%1 is not dark: %2").arg(ball->objectName()).arg(on_page)));
        }
    }
}

void tst_commands::print_image_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("landscape");
    QTest::addRow("wide") << QSize(300, 100) << true;
    QTest::addRow("tall") << QSize(100, 300) << false;
    QTest::addRow("square") << QSize(200, 200) << false;
}

// An image goes onto one page turned to suit it, as large as the page allows, its shape kept.
void tst_commands::print_image()
{
    QFETCH(QSize, size);
    QFETCH(bool, landscape);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("image.pdf"));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    const auto printer = Pdf_Printer(pdf);
    QVERIFY(Printing::Print_Image(image, *printer));

    const QList<QImage> pages = Pdf_Pages(pdf);
    QCOMPARE(pages.size(), 1);
    const QImage &page = pages.at(0);
    QCOMPARE(page.width() > page.height(), landscape);
    const QRect printed = Printed_Area(page);
    const double ratio = double(size.width()) / size.height();
    QVERIFY(qAbs(double(printed.width()) / printed.height() - ratio) < 0.03 * ratio);
    QVERIFY(printed.width() > page.width() * 8 / 10 || printed.height() > page.height() * 8 / 10);
    QCOMPARE(Mean_Grey(page, printed.adjusted(2, 2, -2, -2)), 0.0);
}

void tst_commands::fit_on_page_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("page");
    QTest::addColumn<QRect>("fitted");
    QTest::addRow("wide image, wide page")
        << QSize(1000, 500) << QRect(0, 0, 2000, 1500) << QRect(0, 250, 2000, 1000);
    QTest::addRow("tall image, wide page")
        << QSize(500, 1000) << QRect(0, 0, 2000, 1500) << QRect(625, 0, 750, 1500);
    QTest::addRow("same shape") << QSize(1016, 736) << QRect(0, 0, 2032, 1472)
                                << QRect(0, 0, 2032, 1472);
    QTest::addRow("shrunk") << QSize(4000, 1000) << QRect(0, 0, 1000, 1000)
                            << QRect(0, 375, 1000, 250);
    QTest::addRow("page not at the origin")
        << QSize(100, 100) << QRect(10, 20, 300, 200) << QRect(60, 20, 200, 200);
    QTest::addRow("empty image") << QSize(0, 0) << QRect(0, 0, 100, 100) << QRect();
    QTest::addRow("empty page") << QSize(10, 10) << QRect() << QRect();
}

void tst_commands::fit_on_page()
{
    QFETCH(QSize, image);
    QFETCH(QRect, page);
    QFETCH(QRect, fitted);
    QCOMPARE(Printing::Fit_On_Page(image, page), fitted);
}

// A factory set on one window serves only that window, and an empty one takes it away.
void tst_commands::printer_factory_belongs_to_its_window()
{
    frm_dalvo first;
    frm_dalvo second;
    int made = 0;
    Printing::Set_Printer_Factory(first, [&] {
        ++made;
        return std::make_unique<QPrinter>();
    });
    const bool has_default = !QPrinterInfo::defaultPrinter().isNull();

    QVERIFY(Printing::Printer_For(first));
    QCOMPARE(made, 1);
    QCOMPARE(bool(Printing::Printer_For(second)), has_default);
    QCOMPARE(made, 1);

    Printing::Set_Printer_Factory(first, [&] {
        made += 10;
        return std::unique_ptr<QPrinter>();
    });
    QVERIFY(!Printing::Printer_For(first));
    QCOMPARE(made, 11);

    Printing::Set_Printer_Factory(first, {});
    QCOMPARE(bool(Printing::Printer_For(first)), has_default);
    QCOMPARE(made, 11);
}

void tst_commands::about_box_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addRow("OK") << Answer::Ok;
    QTest::addRow("Escape") << Answer::Escape;
    QTest::addRow("close button") << Answer::Close_Button;
}

// One box with only OK: a one-line description, a carriage return, the contact line set in by
// exactly 19 blanks.
void tst_commands::about_box()
{
    QFETCH(Answer, answer);
    frm_dalvo form;
    form.show();
    const Window_State before = State_Of(form);

    Box_Driver driver({answer});
    form.cmd_Info->click();

    QCOMPARE(driver.Seen().size(), 1);
    const Seen_Box &box = driver.Seen().at(0);
    Check_Box(box, QStringLiteral("e-mail"), Commands::About_Text(), QMessageBox::Information,
              QMessageBox::Ok);
    QCOMPARE(box.text.count(QChar(13)), 1);
    QVERIFY(!box.text.contains(QChar(10)));
    const QString description = box.text.section(QChar(13), 0, 0);
    const QString contact = box.text.section(QChar(13), 1, 1);
    QVERIFY(!description.trimmed().isEmpty());
    QVERIFY(!description.at(0).isSpace());
    QCOMPARE(contact.left(19), QString(19, QChar(u' ')));
    QVERIFY(contact.size() > 19);
    QVERIFY(!contact.at(19).isSpace());
    QVERIFY2(!box.text.contains(QChar(u'@')), "no e-mail address in the about box");
    QCOMPARE(State_Of(form).image, before.image);
}

void tst_commands::exit_cancel_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("ticks");
    QTest::addRow("Cancel at start-up") << Answer::Cancel << 0;
    QTest::addRow("Escape after 0.4 s") << Answer::Escape << 10;
    QTest::addRow("close button after 1 s") << Answer::Close_Button << 25;
}

// Declining the exit question leaves the program exactly as it was.
void tst_commands::exit_cancel()
{
    QFETCH(Answer, answer);
    QFETCH(int, ticks);
    frm_dalvo form;
    form.show();
    form.chk_balls[0]->Set_Value(0);
    Window_Test::Ticks(form, ticks);
    const Window_State before = State_Of(form);

    Box_Driver driver({answer});
    form.cmd_Exit->click();

    QCOMPARE(driver.Seen().size(), 1);
    Check_Box(driver.Seen().at(0), QStringLiteral("Exit Dalvo.exe"),
              QStringLiteral("Quiting Dalvo.exe?"), QMessageBox::Question,
              QMessageBox::Ok | QMessageBox::Cancel);
    const Window_State after = State_Of(form);
    QCOMPARE(after.visible, true);
    QCOMPARE(after.windows, before.windows);
    QCOMPARE(after.title, before.title);
    QCOMPARE(after.timer_active, before.timer_active);
    QCOMPARE(after.elapsed, before.elapsed);
    QCOMPARE(after.captions, before.captions);
    QCOMPARE(after.check_values, before.check_values);
    QCOMPARE(after.image, before.image);
}

void tst_commands::exit_program_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("windows");
    QTest::addRow("OK, main window alone")
        << QStringLiteral("ok") << QStringLiteral("alone") << true << 1;
    QTest::addRow("OK, file chooser open")
        << QStringLiteral("ok") << QStringLiteral("chooser") << true << 2;
    QTest::addRow("OK, another window open")
        << QStringLiteral("ok") << QStringLiteral("other") << true << 2;
    QTest::addRow("OK, inside a nested event loop")
        << QStringLiteral("ok") << QStringLiteral("nested") << true << 1;
    QTest::addRow("Cancel, main window alone")
        << QStringLiteral("cancel") << QStringLiteral("alone") << false << 1;
    QTest::addRow("Cancel, file chooser open")
        << QStringLiteral("cancel") << QStringLiteral("chooser") << false << 2;
    QTest::addRow("Escape, another window open")
        << QStringLiteral("escape") << QStringLiteral("other") << false << 2;
}

// OK ends the program at once: the event loop returns, every window is gone, no window gets a
// close event and no later event is handled. Anything else keeps the program running.
void tst_commands::exit_program()
{
    QFETCH(QString, answer);
    QFETCH(QString, setting);
    QFETCH(bool, ends);
    QFETCH(int, windows);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(Exit_Child_Flag), answer, setting});
    QVERIFY2(child.waitForFinished(120000), "the child did not finish");
    const QByteArray errors = child.readAllStandardError();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             errors.constData());

    QMap<QByteArray, int> report;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            report.insert(line.left(equals), line.mid(equals + 1).toInt());
    }
    QCOMPARE(report.value("shown_before"), windows);
    QCOMPARE(report.value("handler_returned"), 1);
    QCOMPARE(report.value("boxes"), 1);
    QCOMPARE(report.value("close_events", -1), 0);
    if (ends) {
        QCOMPARE(report.value("exec", -1), 0);
        QVERIFY2(!report.contains("alive"), "a timer fired after the exit");
        QVERIFY2(!report.contains("late_call"), "a queued call ran after the exit");
        QCOMPARE(report.value("visible", -1), 0);
    } else {
        QCOMPARE(report.value("alive", -1), windows);
        QCOMPARE(report.value("exec", -1), 42);
        QCOMPARE(report.value("visible", -1), windows);
    }
}

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], Exit_Child_Flag) == 0)
        return Run_Exit_Child(argc, argv);
    QApplication app(argc, argv);
    tst_commands test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commands.moc"
