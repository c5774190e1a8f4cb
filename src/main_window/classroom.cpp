// SPDX-License-Identifier: GPL-3.0-or-later
// What a class in front of a projector needs beyond the window's own behaviour: tooltips and the
// names a screen reader says. cmd_Go's, which follow the run, are run control's.
#include "main_window/frm_dalvo.h"

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
    Name(cmd_Graph, QStringLiteral("Γράφημα y–t"), QStringLiteral("F8"));
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
