// A restless class at the keyboard: thousands of seeded random user actions on the real window,
// with the window's invariants checked after every one.
#include "main_window/frm_dalvo.h"
#include "simulation/number_text.h"
#include "simulation/run_state.h"

#include <QMessageBox>
#include <QtTest>
#include <cmath>
#include <random>

namespace {

constexpr int Default_Actions = 4000;

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

    std::mt19937 random_;
    QString last_;
};

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
    last_ = QStringLiteral("click %1 at %2,%3").arg(panel->objectName()).arg(release.x()).arg(release.y());
    if (panel->isHidden())
        return;
    const Qt::MouseButton button = Pick(2) ? Qt::LeftButton : Qt::RightButton;
    QTest::mousePress(panel, button, {}, press);
    QTest::mouseRelease(panel, button, {}, release);
}

void Soak::Act(frm_dalvo &form)
{
    switch (Pick(12)) {
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

bool Caption_Matches(const Label *label, int value, double per_step)
{
    return label->Caption() == Simulation::Number_Text(value * per_step) ||
           label->Caption() == Simulation::Number_Text(value);
}

QString Soak::Broken(frm_dalvo &form) const
{
    for (const auto *row : {&form.Shape1, &form.Shape11, &form.Shape12, &form.Shape2,
                            &form.Shape21, &form.Shape22})
        for (const Shape *ball : *row)
            if (!std::isfinite(ball->Top()) || !std::isfinite(ball->Left()))
                return QStringLiteral("%1 is not at a finite place").arg(ball->objectName());

    // Captions are in the design form or in the handlers' text form of their scroll bar.
    for (int i = 0; i < 4; ++i) {
        const bool design_a = form.lbl_AA[i]->Caption() == QLatin1String("5") &&
                              form.hsc_A[i]->value() == 5;
        const bool design_f = form.lbl_ff[i]->Caption() == QLatin1String("1") &&
                              form.hsc_f[i]->value() == 10;
        if (!design_a && !Caption_Matches(form.lbl_AA[i], form.hsc_A[i]->value(), 1.0))
            return QStringLiteral("lbl_AA(%1) reads \"%2\"").arg(i).arg(form.lbl_AA[i]->Caption());
        if (!design_f && form.lbl_ff[i]->Caption() != Simulation::Number_Text(form.hsc_f[i]->value() / 10.0))
            return QStringLiteral("lbl_ff(%1) reads \"%2\"").arg(i).arg(form.lbl_ff[i]->Caption());
    }
    for (auto [label, bar] : {std::pair{form.lbl_c1, form.hsc_c1}, std::pair{form.lbl_c2, form.hsc_c2}}) {
        const bool design = label->Caption() == QLatin1String("10") && bar->value() == 10;
        if (!design && label->Caption() != Simulation::Number_Text(bar->value()))
            return QStringLiteral("%1 reads \"%2\"").arg(label->objectName(), label->Caption());
    }

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
}

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
