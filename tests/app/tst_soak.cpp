// SPDX-License-Identifier: GPL-3.0-or-later
// A restless class at the keyboard: thousands of seeded random user actions on the real window,
// with the window's invariants checked after every one.
#include "core/run_state.h"
#include "core/scenario_format.h"
#include "file_chooser/frm_dalvo_files.h"
#include "main_window/frm_dalvo.h"
#include "support/message_box_watcher.h"
#include "support/scenario_test_support.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <random>

namespace {

// Scenario files for the class to open: odd captions and broken ones; `cut` ends a file early.
void Write_Scenario(const QString &name, const QString &speed, const QString &a, const QString &f,
                    qint16 greyed, int cut = 19)
{
    QBuffer bytes;
    QVERIFY(
        bytes.open(QIODevice::WriteOnly) &&
        Scenario::Write_Set_Up(
            &bytes, {speed, " 12", {1, greyed, 1, 1}, {a, a, a, a}, {f, f, f, f}, {1, 0, 1, 0}}));
    QFile out(name);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes.data().split('\n').mid(0, cut).join('\n') + '\n');
}

class Soak
{
public:
    explicit Soak(quint32 seed) : random_(seed) {}

    QString Act(frm_dalvo &form)
    {
        switch (Pick(19)) {
        case 0:
            return Move(form.hsc_A[Pick(4)]);
        case 1:
            return Move(form.hsc_f[Pick(4)]);
        case 2:
            return Move(Pick(2) ? form.hsc_c1 : form.hsc_c2);
        case 3:
            return Click(form.chk_wave(Pick(4)));
        case 4:
            return Click(form.chk_balls[Pick(4)]);
        case 5:
            return Click(form.cmd_Go);
        case 6:
            return Click(form.cmd_Clock);
        case 7:
            return Click(form.cmd_Back);
        case 8:
            return Click_Panel(Pick(2) ? form.Picture1 : form.Picture2);
        case 9:
            return Click(Pick(2) ? form.cmd_Open : form.cmd_Save);
        case 10:
            return Confirm_Chooser(form);
        case 11:
            if (frm_Dalvo_Files *files = Loaded_Dalvo_Files(form))
                QTest::mouseClick(files->cmd_Cancel, Qt::LeftButton);
            return QStringLiteral("cancel the chooser");
        case 12:
            return Pace(form);
        case 13: {
            static constexpr Qt::Key Run_Keys[] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7};
            return Key(form, Run_Keys[Pick(3)]);
        }
        case 14: {
            // The zoom keys and presentation mode's.
            static constexpr QKeyCombination Zoom_Keys[] = {
                Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Minus, Qt::CTRL | Qt::Key_0,
                QKeyCombination(Qt::Key_F11), QKeyCombination(Qt::Key_Escape)};
            const QKeyCombination key = Zoom_Keys[Pick(5)];
            return Key(form, key.key(), key.keyboardModifiers());
        }
        default: {
            // The timer's ticks, as many as a moment of a lesson delivers.
            const int ticks = 1 + Pick(40);
            for (int i = 0; i < ticks && form.Timer1->isActive(); ++i)
                form.Timer1_Timer();
            return QStringLiteral("%1 ticks").arg(ticks);
        }
        }
    }

    // Empty when every invariant holds, else what broke.
    QString Broken(frm_dalvo &form) const
    {
        // A pace picked after any other action leaves the maximum pace the 5 ms timer as always.
        if (form.cbo_Pace->currentIndex() == 0 &&
            (form.Timer1->interval() != 5 || form.Timer1->isSingleShot()))
            return QStringLiteral("the maximum pace is not the 5 ms timer");
        if (Simulation::Matching_Run_States(form.Run_Observed()).isEmpty())
            return QStringLiteral("the run control is in no known state");
        if (QApplication::activeModalWidget())
            return QStringLiteral("a message box was left open");
        return {};
    }

private:
    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    QString Click(QWidget *control)
    {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        return QStringLiteral("click ") + control->objectName();
    }

    QString Move(ScrollBar *bar)
    {
        if (bar->isEnabled())
            bar->setValue(Pick(3) ? bar->value() + Pick(3) - 1
                                  : bar->minimum() + Pick(bar->maximum() - bar->minimum() + 1));
        return QStringLiteral("move ") + bar->objectName();
    }

    // A key pressed where the focus is in the main window, which the class has clicked back into
    // even with the chooser open.
    QString Key(frm_dalvo &form, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QApplication::setActiveWindow(&form);
        QWidget *focus = form.focusWidget() ? form.focusWidget() : &form;
        QTest::keyClick(focus, key, modifiers);
        return QStringLiteral("key %1 on %2")
            .arg(QKeySequence(key | modifiers).toString(), focus->objectName());
    }

    QString Pace(frm_dalvo &form)
    {
        const int pace = Pick(form.cbo_Pace->count());
        if (form.cbo_Pace->isEnabled())
            form.cbo_Pace->setCurrentIndex(pace);
        return QStringLiteral("pace %1").arg(pace);
    }

    QString Click_Panel(PictureBox *panel)
    {
        // Pressed inside, released anywhere: also to the left of, right of or below the panel.
        const QPoint press(Pick(panel->width()), Pick(panel->height()));
        const QPoint release(Pick(panel->width() + 80) - 40, Pick(panel->height() + 80) - 40);
        if (!panel->isHidden()) {
            const Qt::MouseButton button = Pick(2) ? Qt::LeftButton : Qt::RightButton;
            QTest::mousePress(panel, button, {}, press);
            QTest::mouseRelease(panel, button, {}, release);
        }
        return QStringLiteral("click %1 at %2,%3")
            .arg(panel->objectName())
            .arg(release.x())
            .arg(release.y());
    }

    QString Confirm_Chooser(frm_dalvo &form)
    {
        static const QStringList Names = {"lesson1",  "lesson2.dlv", "odd.dlv",   "wide.dlv",
                                          "zero.dlv", "words.dlv",   "short.dlv", "bad.dlv",
                                          "*.dlv",    "missing.dlv", ""};
        const QString name = Names[Pick(static_cast<int>(Names.size()))];
        if (frm_Dalvo_Files *files = Loaded_Dalvo_Files(form)) {
            files->txt_FName->setFocus();
            files->txt_FName->Set_Text(name);
            if (Pick(2))
                QTest::mouseClick(files->cmd_OK, Qt::LeftButton); // the name box loses the focus
            else
                QTest::keyClick(files->txt_FName, Qt::Key_Return);
        }
        return QStringLiteral("confirm the chooser with \"%1\"").arg(name);
    }

    std::mt19937 random_;
};

} // namespace

class tst_soak : public QObject
{
    Q_OBJECT

private slots:
    void restless_class()
    {
        const quint32 seed = qEnvironmentVariableIsSet("DALVO_SOAK_SEED")
                                 ? qEnvironmentVariableIntValue("DALVO_SOAK_SEED")
                                 : 20261206u;
        const int actions = qEnvironmentVariableIsSet("DALVO_SOAK_ACTIONS")
                                ? qEnvironmentVariableIntValue("DALVO_SOAK_ACTIONS")
                                : 12000;
        // The class's files live in a folder of their own, where the chooser opens.
        const Scenario_Test::Working_Folder folder;
        Write_Scenario("odd.dlv", "7", "3.5", "1.25", 2);
        Write_Scenario("wide.dlv", " 20", "15", ".1", 0);
        Write_Scenario("zero.dlv", "10", "5", "0", 1);
        Write_Scenario("words.dlv", "abc", "Κύμα", "inf", 1);
        Write_Scenario("short.dlv", "10", "5", "1", 0, 8);
        Write_Scenario("bad.dlv", "10", "5", "x", 3);
        Message_Box_Watcher boxes;
        frm_dalvo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Soak soak(seed);
        for (int step = 0; step < actions; ++step) {
            const QString action = soak.Act(form);
            QCoreApplication::processEvents();
            const QString broken = soak.Broken(form);
            const QString at = QStringLiteral("seed %1, action %2 ").arg(seed).arg(step);
            QVERIFY2(broken.isEmpty(), qPrintable(at + action + ": " + broken));
        }
        // The class did meet the file flow's messages, and saved files of its own.
        QVERIFY(!boxes.Boxes().isEmpty());
        QVERIFY(QFile::exists(folder.File("lesson1.dlv")) ||
                QFile::exists(folder.File("lesson2.dlv")));
    }
};

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
