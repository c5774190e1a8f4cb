// A restless class at the keyboard: thousands of seeded random user actions on the real window,
// with the window's invariants checked after every one.
#include "main_window/frm_dalvo.h"
#include "scenario/frm_dalvo_files.h"
#include "scenario/message_box_watcher.h"
#include "scenario/scenario_fields.h"
#include "simulation/number_text.h"
#include "simulation/run_state.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <map>
#include <random>

namespace {

constexpr int Default_Actions = 12000;

class Soak
{
public:
    explicit Soak(quint32 seed) : random_(seed) {}

    void Act(frm_dalvo &form);
    // Empty when every invariant holds, else what broke.
    QString Broken(frm_dalvo &form) const;
    QString Last_Action() const { return last_; }

private:
    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
    void Click(QWidget *control, const QString &what);
    void Move_Scroll_Bar(ScrollBar *bar);
    void Click_Panel(PictureBox *panel);
    void Confirm_Chooser(frm_dalvo &form);
    void Remember_Captions(frm_dalvo &form);

    std::mt19937 random_;
    QString last_;
    // The captions as the last opened file left them: any text a file holds is a caption.
    std::map<const Label *, QString> as_loaded_;
};

// Scenario files for the class to open: good ones, odd captions and broken ones.
void Write_Scenarios()
{
    const auto file = [](const QString &name, const QList<QVariant> &fields, int cut = 19) {
        QByteArray bytes;
        for (qsizetype i = 0; i < fields.size() && i < cut; ++i)
            bytes += fields[i].typeId() == QMetaType::QString
                         ? Scenario::Text_Field(fields[i].toString())
                         : Scenario::Integer_Field(static_cast<qint16>(fields[i].toInt()));
        QFile out(name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(bytes), bytes.size());
    };
    const auto set_up = [](const QString &speed, const QString &amplitude, const QString &frequency,
                           int greyed) {
        QList<QVariant> fields = {
            QStringLiteral("Dalvo.exe V 1.0"), speed, QStringLiteral(" 12"), 1, greyed, 1, 1};
        for (int wave = 0; wave < 4; ++wave)
            fields << amplitude << frequency << (wave % 2);
        return fields;
    };
    file(QStringLiteral("odd.dlv"),
         set_up(QStringLiteral("7"), QStringLiteral("3.5"), QStringLiteral("1.25"), 2));
    file(QStringLiteral("wide.dlv"),
         set_up(QStringLiteral(" 20"), QStringLiteral("15"), QStringLiteral(".1"), 0));
    file(QStringLiteral("zero.dlv"),
         set_up(QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("0"), 1));
    file(QStringLiteral("words.dlv"),
         set_up(QStringLiteral("abc"), QStringLiteral("Κύμα"), QStringLiteral("inf"), 1));
    file(QStringLiteral("short.dlv"),
         set_up(QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("1"), 0), 8);
    file(QStringLiteral("magic.dlv"), {QStringLiteral("dalvo.exe v 1.0")});
    QList<QVariant> bad = set_up(QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("1"), 0);
    bad[3] = QStringLiteral("70000");
    bad[4] = 3;
    bad[9] = QStringLiteral("x");
    file(QStringLiteral("bad.dlv"), bad);
}

frm_Dalvo_Files *Open_Chooser(frm_dalvo &form)
{
    for (frm_Dalvo_Files *files : form.findChildren<frm_Dalvo_Files *>())
        if (!files->Unloaded())
            return files;
    return nullptr;
}

void Soak::Click(QWidget *control, const QString &what)
{
    last_ = what;
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void Soak::Move_Scroll_Bar(ScrollBar *bar)
{
    last_ = QStringLiteral("move %1").arg(bar->objectName());
    if (!bar->isEnabled())
        return;
    switch (Pick(3)) {
    case 0:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case 1:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    default:
        bar->setValue(bar->minimum() + Pick(bar->maximum() - bar->minimum() + 1));
        break;
    }
}

void Soak::Click_Panel(PictureBox *panel)
{
    // Pressed inside, released anywhere: also to the left of, right of or below the panel.
    const QPoint press(Pick(panel->width()), Pick(panel->height()));
    const QPoint release(Pick(panel->width() + 80) - 40, Pick(panel->height() + 80) - 40);
    last_ = QStringLiteral("click %1 at %2,%3")
                .arg(panel->objectName())
                .arg(release.x())
                .arg(release.y());
    if (panel->isHidden())
        return;
    const Qt::MouseButton button = Pick(2) ? Qt::LeftButton : Qt::RightButton;
    QTest::mousePress(panel, button, {}, press);
    QTest::mouseRelease(panel, button, {}, release);
}

void Soak::Remember_Captions(frm_dalvo &form)
{
    for (const Label *label : {form.lbl_c1, form.lbl_c2})
        as_loaded_[label] = label->Caption();
    for (int i = 0; i < 4; ++i)
        for (const Label *label : {form.lbl_AA[i], form.lbl_ff[i]})
            as_loaded_[label] = label->Caption();
}

void Soak::Confirm_Chooser(frm_dalvo &form)
{
    static const QStringList Names = {
        QStringLiteral("lesson1"),   QStringLiteral("lesson2.dlv"), QStringLiteral("odd.dlv"),
        QStringLiteral("wide.dlv"),  QStringLiteral("zero.dlv"),    QStringLiteral("words.dlv"),
        QStringLiteral("short.dlv"), QStringLiteral("magic.dlv"),   QStringLiteral("bad.dlv"),
        QStringLiteral("*.dlv"),     QStringLiteral("missing.dlv"), QString()};
    frm_Dalvo_Files *files = Open_Chooser(form);
    const QString name = Names[Pick(static_cast<int>(Names.size()))];
    last_ = QStringLiteral("confirm the chooser with \"%1\"").arg(name);
    if (!files)
        return;
    const bool opening = files->windowTitle() == frm_Dalvo_Files::Opening_Title;
    files->txt_FName->setFocus();
    files->txt_FName->Set_Text(name);
    if (Pick(2))
        QTest::mouseClick(files->cmd_OK, Qt::LeftButton); // the name box loses the focus first
    else
        QTest::keyClick(files->txt_FName, Qt::Key_Return);
    if (opening)
        Remember_Captions(form);
}

void Soak::Act(frm_dalvo &form)
{
    switch (Pick(16)) {
    case 0:
        Move_Scroll_Bar(form.hsc_A[Pick(4)]);
        break;
    case 1:
        Move_Scroll_Bar(form.hsc_f[Pick(4)]);
        break;
    case 2:
        Move_Scroll_Bar(Pick(2) ? form.hsc_c1 : form.hsc_c2);
        break;
    case 3: {
        const int wave = Pick(4);
        Click(form.chk_wave(wave), QStringLiteral("click chk_wave%1").arg(wave + 1));
        break;
    }
    case 4: {
        const int index = Pick(4);
        Click(form.chk_balls[index], QStringLiteral("click chk_balls(%1)").arg(index));
        break;
    }
    case 5:
        Click(form.cmd_Go, QStringLiteral("click cmd_Go"));
        break;
    case 6:
        Click(form.cmd_Clock, QStringLiteral("click cmd_Clock"));
        break;
    case 7:
        Click(form.cmd_Back, QStringLiteral("click cmd_Back"));
        break;
    case 8:
        Click_Panel(Pick(2) ? form.Picture1 : form.Picture2);
        break;
    case 9:
        Click(Pick(2) ? form.cmd_Open : form.cmd_Save, QStringLiteral("open the chooser"));
        break;
    case 10:
        Confirm_Chooser(form);
        break;
    case 11:
        last_ = QStringLiteral("cancel the chooser");
        if (frm_Dalvo_Files *files = Open_Chooser(form))
            QTest::mouseClick(files->cmd_Cancel, Qt::LeftButton);
        break;
    default: {
        // The timer's ticks, as many as a moment of a lesson delivers.
        const int ticks = 1 + Pick(40);
        last_ = QStringLiteral("%1 ticks").arg(ticks);
        for (int i = 0; i < ticks && form.Timer1->isActive(); ++i)
            form.Timer1_Timer();
        break;
    }
    }
}

QString Soak::Broken(frm_dalvo &form) const
{
    for (const auto *row :
         {&form.Shape1, &form.Shape11, &form.Shape12, &form.Shape2, &form.Shape21, &form.Shape22})
        for (const Shape *ball : *row)
            if (!std::isfinite(ball->Top()) || !std::isfinite(ball->Left()))
                return QStringLiteral("%1 is not at a finite place").arg(ball->objectName());

    // Captions are in the design form, in the handlers' text form of their scroll bar, or as
    // the last opened file left them.
    const auto caption_fits = [this](const Label *label, const QString &design, int design_value,
                                     int value, const QString &written) {
        const auto loaded = as_loaded_.find(label);
        return (label->Caption() == design && value == design_value) ||
               label->Caption() == written ||
               (loaded != as_loaded_.end() && loaded->second == label->Caption());
    };
    using Simulation::Number_Text;
    for (int i = 0; i < 4; ++i) {
        const int a = form.hsc_A[i]->value(), f = form.hsc_f[i]->value();
        if (!caption_fits(form.lbl_AA[i], QStringLiteral("5"), 5, a, Number_Text(a)))
            return QStringLiteral("lbl_AA(%1) reads \"%2\"").arg(i).arg(form.lbl_AA[i]->Caption());
        if (!caption_fits(form.lbl_ff[i], QStringLiteral("1"), 10, f, Number_Text(f / 10.0)))
            return QStringLiteral("lbl_ff(%1) reads \"%2\"").arg(i).arg(form.lbl_ff[i]->Caption());
    }
    for (auto [label, bar] :
         {std::pair{form.lbl_c1, form.hsc_c1}, std::pair{form.lbl_c2, form.hsc_c2}})
        if (!caption_fits(label, QStringLiteral("10"), 10, bar->value(), Number_Text(bar->value())))
            return QStringLiteral("%1 reads \"%2\"").arg(label->objectName(), label->Caption());

    bool locked = false;
    for (QWidget *control : std::initializer_list<QWidget *>{
             form.chk_wave1, form.chk_wave2, form.chk_wave3, form.chk_wave4, form.cmd_Save,
             form.cmd_Open, form.cmd_Print, form.cmd_Info, form.cmd_Exit})
        locked = locked || !control->isEnabled();
    Simulation::Run_Observation seen;
    seen.timer_on = form.Timer1->isActive();
    seen.clock_mode = form.Clock_Mode();
    seen.go_shows_start = form.cmd_Go->Shown_Picture() == form.Image2->Shown_Picture();
    seen.go_enabled = form.cmd_Go->isEnabled();
    seen.clock_enabled = form.cmd_Clock->isEnabled();
    seen.back_enabled = form.cmd_Back->isEnabled();
    seen.setup_locked = locked;
    if (Simulation::Matching_Run_States(seen).isEmpty())
        return QStringLiteral("the run control is in no known state");
    if (!form.hsc_c1->isEnabled() || !form.hsc_c2->isEnabled())
        return QStringLiteral("a speed scroll bar is disabled");

    const double hundredths = static_cast<double>(form.Elapsed_Time()) * 100;
    if (std::fabs(hundredths - std::round(hundredths)) > 1e-3)
        return QStringLiteral("Elapsed_Time %1 is not whole hundredths").arg(form.Elapsed_Time());
    if (QApplication::activeModalWidget())
        return QStringLiteral("a message box was left open");
    return {};
}

} // namespace

class tst_soak : public QObject
{
    Q_OBJECT

private slots:
    void restless_class();
};

void tst_soak::restless_class()
{
    const quint32 seed = qEnvironmentVariableIsSet("DALVO_SOAK_SEED")
                             ? qEnvironmentVariableIntValue("DALVO_SOAK_SEED")
                             : 20261206u;
    const int actions = qEnvironmentVariableIsSet("DALVO_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("DALVO_SOAK_ACTIONS")
                            : Default_Actions;
    // The class's files live in a folder of their own, where the chooser opens.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    Write_Scenarios();
    Message_Box_Watcher boxes;
    frm_dalvo form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Soak soak(seed);
    for (int step = 0; step < actions; ++step) {
        soak.Act(form);
        QCoreApplication::processEvents();
        const QString broken = soak.Broken(form);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(soak.Last_Action(), broken)));
    }
    // The class did meet the file flow's messages, and saved files of its own.
    QVERIFY(!boxes.Boxes().isEmpty());
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("lesson1.dlv"))) ||
            QFile::exists(folder.filePath(QStringLiteral("lesson2.dlv"))));
    qInfo("seed %u: %d actions, %d message boxes answered", seed, actions,
          static_cast<int>(boxes.Boxes().size()));
    QVERIFY(QDir::setCurrent(before));
}

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
