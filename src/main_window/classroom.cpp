// SPDX-License-Identifier: GPL-3.0-or-later
// What a class in front of a projector needs beyond the window's own behaviour: the run keys,
// tooltips and the names a screen reader says.
#include "core/run_state.h"
#include "main_window/frm_dalvo.h"

#include <QShortcut>

namespace {

// A wave's control named by the wave as its check box names it, and by its panel: the text with
// %1 the wave's number in its panel and %2 "πάνω" or "κάτω".
QString For_Wave(const QString &text, int wave)
{
    return text.arg(wave % 2 + 1).arg(wave < 2 ? QStringLiteral("πάνω") : QStringLiteral("κάτω"));
}

void Name(QWidget *control, const QString &name, const QString &key = {})
{
    control->setAccessibleName(name);
    if (!key.isEmpty())
        control->setToolTip(QStringLiteral("%1 (%2)").arg(name, key));
}

} // namespace

// F5, F6 and F7 act as a click on cmd_Go, cmd_Clock and cmd_Back wherever the focus is in the
// window, and only while the button itself could be clicked. Held down, a key acts once.
void frm_dalvo::Connect_Keys()
{
    const std::pair<Qt::Key, CommandButton *> keys[] = {
        {Qt::Key_F5, cmd_Go}, {Qt::Key_F6, cmd_Clock}, {Qt::Key_F7, cmd_Back}};
    for (const auto &[key, button] : keys) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setObjectName(QStringLiteral("key_") + QKeySequence(key).toString());
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }
}

void frm_dalvo::Name_Controls()
{
    for (const auto &[button, name] : {std::pair{cmd_Open, "Άνοιγμα σεναρίου"},
                                       {cmd_Save, "Αποθήκευση σεναρίου"},
                                       {cmd_Print, "Εκτύπωση του παραθύρου"},
                                       {cmd_Info, "Πληροφορίες για το Dalvo"},
                                       {cmd_Exit, "Έξοδος από το πρόγραμμα"}}) {
        button->setAccessibleName(QString::fromUtf8(name));
        button->setToolTip(QString::fromUtf8(name));
    }
    Name(cmd_Clock, QStringLiteral("Ως το επόμενο δευτερόλεπτο"), QStringLiteral("F6"));
    Name(cmd_Back, QStringLiteral("Επαναφορά στο t = 0"), QStringLiteral("F7"));
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(i);
        Name(chk_wave(i), For_Wave(QStringLiteral("Κύμα %1, %2 μέσο"), i));
        Name(chk_balls[index], For_Wave(QStringLiteral("Σφαιρίδια του κύματος %1, %2 μέσο"), i));
        Name(hsc_f[index], For_Wave(QStringLiteral("Συχνότητα, κύμα %1, %2 μέσο"), i));
        Name(hsc_A[index], For_Wave(QStringLiteral("Πλάτος, κύμα %1, %2 μέσο"), i));
    }
    Name(hsc_c1, QStringLiteral("Ταχύτητα διάδοσης, πάνω μέσο"));
    Name(hsc_c2, QStringLiteral("Ταχύτητα διάδοσης, κάτω μέσο"));
    Name(cbo_Pace, QStringLiteral("Ρυθμός της κίνησης"));
    cbo_Pace->setToolTip(QStringLiteral("Ρυθμός της κίνησης: μέγιστος, πραγματικός χρόνος ή "
                                        "αργή κίνηση στο 1/4"));
    Name(lbl_time, QStringLiteral("Χρόνος t σε δευτερόλεπτα"));
}

// Start, pause or continue, as the next click will do in the run's present state; a finished run
// leads on only through cmd_Back.
void frm_dalvo::Update_Go_Tip()
{
    using Simulation::Run_State;
    const Simulation::Run_Observation seen = Run_Observed();
    const QList<Run_State> states = Simulation::Matching_Run_States(seen);
    const auto in = [&states](Run_State state) { return states.contains(state); };
    const QString name = in(Run_State::Finished) || in(Run_State::Finishing)
                             ? QStringLiteral("Η κίνηση τελείωσε")
                         : in(Run_State::Running) ? QStringLiteral("Παύση")
                         : in(Run_State::Paused) || (in(Run_State::Stepping) && seen.setup_locked)
                             ? QStringLiteral("Συνέχεια")
                             : QStringLiteral("Έναρξη");
    const QString tip = cmd_Go->isEnabled() ? name + QStringLiteral(" (F5)")
                                            : name + QStringLiteral(" (F7: επαναφορά)");
    // Set only when it changes: a control draws itself afresh after any event.
    if (cmd_Go->toolTip() != tip) {
        cmd_Go->setToolTip(tip);
        cmd_Go->setAccessibleName(name);
    }
}

Simulation::Run_Observation frm_dalvo::Run_Observed() const
{
    Simulation::Run_Observation seen{Timer1->isActive(),
                                     clock_mode_,
                                     cmd_Go->Shown_Picture() == Image2->Shown_Picture(),
                                     cmd_Go->isEnabled(),
                                     cmd_Clock->isEnabled(),
                                     cmd_Back->isEnabled(),
                                     false};
    for (const QWidget *control : std::initializer_list<const QWidget *>{
             chk_wave1, chk_wave2, chk_wave3, chk_wave4, cmd_Save, cmd_Open, cmd_Print, cmd_Info,
             cmd_Exit})
        seen.setup_locked = seen.setup_locked || !control->isEnabled();
    return seen;
}
