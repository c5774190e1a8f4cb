// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts in the interface's language, and the button that changes the language. A
// window joins the switch by setting all its texts in one function, called when it is made and
// again at each LanguageChange, which Qt sends every widget when a translation comes or goes.
#include "controls/handler_guard.h"
#include "languages/languages.h"
#include "main_window/frm_dalvo.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

using Handler_Guard::Run_Handler;

void frm_dalvo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Run_Handler([this] { Retranslate_Ui(); });
    QWidget::changeEvent(event);
}

void frm_dalvo::Retranslate_Ui()
{
    for (Label *label : Label1)
        label->Set_Caption(tr("Ταχύτητα διάδοσης:"));
    for (Label *label : Label2)
        label->Set_Caption(tr("c =", "the propagation speed"));
    Label5->Set_Caption(tr("t = ", "the elapsed time"));
    Label7->Set_Caption(tr("sec", "the unit of the elapsed time"));
    //: The program's subtitle in the bottom left corner.
    Label3->Set_Caption(tr("Κύματα σε σειρές"));
    for (std::size_t i = 0; i < 4; ++i) {
        lbl_syxnot[i]->Set_Caption(tr("Συχνότητα:"));
        lbl_f[i]->Set_Caption(tr("f = ", "the frequency"));
        lbl_Hz[i]->Set_Caption(tr("Hz"));
        lbl_Platos[i]->Set_Caption(tr("Πλάτος:"));
        //: The amplitude; the letter is a Greek capital alpha.
        lbl_A[i]->Set_Caption(tr("Α ="));
        chk_balls[i]->setText(i % 2 == 0 ? tr("Red balls") : tr("Blue balls"));
    }
    for (int i = 0; i < 4; ++i)
        //: The wave's number within its medium: 1 from the left end, 2 from the right.
        chk_wave(i)->setText(tr("Κύμα %1").arg(i % 2 + 1));
    cmd_Exit->setText(tr("Exit"));
    lbl_Pace->Set_Caption(tr("Ρυθμός:"));
    const QString paces[] = {tr("Μέγιστος", "the pace: as fast as the timer allows"),
                             tr("Πραγματικός χρόνος"), tr("Αργή κίνηση (1/4)")};
    for (int i = 0; i < 3; ++i)
        cbo_Pace->setItemText(i, paces[i]);

    // A title that names a file stays; only the title of a new file is a text of the program.
    const QString new_file_title = tr("Dalvo: New file");
    if (windowTitle().isEmpty() || windowTitle() == new_file_title_)
        setWindowTitle(new_file_title);
    new_file_title_ = new_file_title;

    const QList<Languages::Language> shipped = Languages::Shipped();
    const QString current = Languages::Current();
    QString label;
    for (const Languages::Language &language : shipped)
        if (language.code != current)
            label = label.isEmpty() ? language.label : QStringLiteral("…");
    cmd_Language->setText(label);
    cmd_Language->setEnabled(shipped.size() > 1);
    // In both languages, for whoever cannot read the one shown.
    cmd_Language->setToolTip(QStringLiteral("Γλώσσα / Language"));
    cmd_Language->setAccessibleName(tr("Γλώσσα του προγράμματος"));

    Retranslate_Graph();
    Name_Controls();
    Update_Go_Tip();
}

// Two languages: the other one at once. More: a list of them in their own names.
void frm_dalvo::cmd_Language_Click()
{
    Run_Handler([this] {
        const QList<Languages::Language> shipped = Languages::Shipped();
        const QString current = Languages::Current();
        QString chosen;
        if (shipped.size() == 2) {
            chosen = shipped[0].code == current ? shipped[1].code : shipped[0].code;
        } else {
            QMenu list(this);
            list.setFont(cmd_Language->font());
            for (const Languages::Language &language : shipped)
                if (language.code != current)
                    list.addAction(language.name)->setData(language.code);
            if (const QAction *picked =
                    list.exec(cmd_Language->mapToGlobal(QPoint(0, cmd_Language->height()))))
                chosen = picked->data().toString();
        }
        if (!chosen.isEmpty() && Languages::Switch(*QCoreApplication::instance(), chosen))
            Languages::Remember(chosen);
    });
}
