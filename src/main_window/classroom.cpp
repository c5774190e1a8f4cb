// SPDX-License-Identifier: GPL-3.0-or-later
// What a class in front of a projector needs beyond the window's own behaviour: tooltips and the
// names a screen reader says. cmd_Go's, which follow the run, are run control's.
#include "main_window/frm_dalvo.h"

namespace {

// A wave's control named by the wave as its check box names it, and by its panel: the text with
// %1 the wave's number in its panel and %2 the panel's word, upper or lower.
QString For_Wave(const QString &text, int wave, const QString &upper, const QString &lower)
{
    return text.arg(wave % 2 + 1).arg(wave < 2 ? upper : lower);
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
    for (const auto &[button, name] : {std::pair{cmd_Open, tr("Άνοιγμα σεναρίου")},
                                       {cmd_Save, tr("Αποθήκευση σεναρίου")},
                                       {cmd_Print, tr("Εκτύπωση του παραθύρου")},
                                       {cmd_Info, tr("Πληροφορίες για το Dalvo")},
                                       {cmd_Exit, tr("Έξοδος από το πρόγραμμα")},
                                       {cmd_Export, tr("Εξαγωγή (Ctrl+E)")}}) {
        button->setAccessibleName(name);
        button->setToolTip(name);
    }
    Name(cmd_Clock, tr("Ως το επόμενο δευτερόλεπτο"), QStringLiteral("F6"));
    Name(cmd_Back, tr("Επαναφορά στο t = 0"), QStringLiteral("F7"));
    Name(cmd_Graph, tr("Γράφημα y–t"), QStringLiteral("F8"));
    //: The upper medium, as in "Κύμα 1, πάνω μέσο".
    const QString upper = tr("πάνω", "medium");
    //: The lower medium, as in "Κύμα 1, κάτω μέσο".
    const QString lower = tr("κάτω", "medium");
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(i);
        Name(chk_wave(i), For_Wave(tr("Κύμα %1, %2 μέσο"), i, upper, lower));
        Name(chk_balls[index], For_Wave(tr("Σφαιρίδια του κύματος %1, %2 μέσο"), i, upper, lower));
        Name(hsc_f[index], For_Wave(tr("Συχνότητα, κύμα %1, %2 μέσο"), i, upper, lower));
        Name(hsc_A[index], For_Wave(tr("Πλάτος, κύμα %1, %2 μέσο"), i, upper, lower));
    }
    Name(hsc_c1, tr("Ταχύτητα διάδοσης, πάνω μέσο"));
    Name(hsc_c2, tr("Ταχύτητα διάδοσης, κάτω μέσο"));
    Name(cbo_Pace, tr("Ρυθμός της κίνησης"));
    cbo_Pace->setToolTip(
        tr("Ρυθμός της κίνησης: μέγιστος, πραγματικός χρόνος ή αργή κίνηση στο 1/4"));
    Name(lbl_time, tr("Χρόνος t σε δευτερόλεπτα"));
}
