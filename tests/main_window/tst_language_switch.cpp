// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/language_test_support.h"
#include "support/scenario_test_support.h"
#include "support/window_test_support.h"

#include "languages/languages.h"
#include "main_window/about_text.h"

#include <QAccessible>
#include <QComboBox>
#include <QSettings>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QtTest>

using namespace Window_Test;

namespace {

// Puts the interface into a language and lets every window take the change, as the event loop
// would; no timer runs meanwhile.
void Switch_To(const QString &code)
{
    QVERIFY(Languages::Switch(*qApp, code));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// Every text a window shows, a screen reader says or a tooltip holds, by where it is. The
// language button is left out: it shows the other language's code, and its tooltip is in both.
QMap<QString, QString> Texts(QWidget &window)
{
    QMap<QString, QString> texts{{"title", window.windowTitle()}};
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->objectName() == "cmd_Language" || w->window() != &window)
            continue;
        const QString name = w->objectName();
        if (const auto *label = qobject_cast<QLabel *>(w))
            texts[name + ".text"] = label->text();
        if (const auto *button = qobject_cast<QAbstractButton *>(w))
            texts[name + ".text"] = button->text();
        if (const auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                texts[name + ".item" + QString::number(i)] = box->itemText(i);
        texts[name + ".tip"] = w->toolTip();
        if (QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w))
            texts[name + ".name"] = face->text(QAccessible::Name);
    }
    return texts;
}

bool Has_Greek(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.script() == QChar::Script_Greek; });
}

// The width a control leaves for its text, as its style lays it out.
int Room_For_Text(QWidget *w)
{
    if (auto *box = qobject_cast<QCheckBox *>(w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .width();
    }
    return w->contentsRect().width();
}

QMap<QString, QRect> Geometry(const QWidget &window)
{
    QMap<QString, QRect> places;
    for (const QWidget *w : window.findChildren<QWidget *>())
        places[w->objectName()] = w->geometry();
    return places;
}

} // namespace

// The interface in English beside Greek: the texts, their fit, the button and what a switch
// leaves alone. Settings go to Qt's test folder, apart from the user's.
class tst_language_switch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(Language_Test::Use_Test_Settings(QStringLiteral("tst_language_switch")),
                 qPrintable(QSettings().fileName()));
    }

    void init()
    {
        QSettings().remove(QStringLiteral("language"));
        Switch_To(QStringLiteral("el"));
    }

    void cleanupTestCase() { QSettings().clear(); }

    // Some texts in both languages, against what the window has always said and what a teacher
    // reads in English.
    void texts_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("greek");
        QTest::addColumn<QString>("english");
        for (const auto &[tag, where, greek, english] : {
                 std::array{"speed", "Label1(1).text", "Ταχύτητα διάδοσης:", "Propagation speed:"},
                 {"alpha", "lbl_A(3).text", "Α =", "A ="},
                 {"wave box", "chk_wave4.text", "Κύμα 2", "Wave 2"},
                 {"balls", "chk_balls(1).text", "Blue balls", "Blue balls"},
                 {"pace", "cbo_Pace.item2", "Αργή κίνηση (1/4)", "Slow motion (1/4)"},
                 {"wave name", "hsc_A(2).name", "Πλάτος, κύμα 1, κάτω μέσο",
                  "Amplitude, wave 1, lower medium"},
                 {"back tip", "cmd_Back.tip", "Επαναφορά στο t = 0 (F7)", "Back to t = 0 (F7)"},
             })
            QTest::addRow("%s", tag) << QString(where) << QString(greek) << QString(english);
    }
    void texts()
    {
        QFETCH(QString, where);
        QFETCH(QString, greek);
        QFETCH(QString, english);
        frm_dalvo form;
        QCOMPARE(Texts(form).value(where), greek);
        Switch_To(QStringLiteral("en"));
        QCOMPARE(Texts(form).value(where), english);
        Switch_To(QStringLiteral("el"));
        QCOMPARE(Texts(form).value(where), greek);
    }

    // In English no Greek letter is left, in the window or an open chooser, and switching back
    // gives every Greek text as it was.
    void english_and_back()
    {
        const Scenario_Test::Working_Folder folder;
        frm_dalvo form;
        form.cmd_Open_Click();
        QPointer<frm_Dalvo_Files> files = Loaded_Dalvo_Files(form);
        QVERIFY(files);
        const QMap<QString, QString> greek = Texts(form), greek_files = Texts(*files);
        QCOMPARE(greek_files.value("Label1.text"), "Όνομα αρχείου:");
        QCOMPARE(greek_files.value("cmd_OK.text"), "Open");
        Switch_To(QStringLiteral("en"));
        const QMap<QString, QString> english = Texts(form), english_files = Texts(*files);
        QCOMPARE(english.keys(), greek.keys());
        for (const QMap<QString, QString> *texts : {&english, &english_files})
            for (auto it = texts->cbegin(); it != texts->cend(); ++it)
                QVERIFY2(!Has_Greek(it.value()), qPrintable(it.key() + ": " + it.value()));
        QVERIFY(!Has_Greek(Commands::About_Text()));
        QCOMPARE(english_files.value("Label3.text"), "Folders:");
        QCOMPARE(english_files.value("cmd_OK.text"), "Open");
        QCOMPARE(english_files.value("title"), "Opening dalvo file ....");
        Switch_To(QStringLiteral("el"));
        QCOMPARE(Texts(form), greek);
        QCOMPARE(Texts(*files), greek_files);
        files->Unload();
    }

    // At 100 % every English text fits the room its control leaves for it.
    void english_fits()
    {
        frm_dalvo form;
        form.Set_Zoom(100);
        Switch_To(QStringLiteral("en"));
        QStringList cut;
        for (QWidget *w : form.findChildren<QWidget *>()) {
            QStringList shown;
            if (const auto *label = qobject_cast<QLabel *>(w))
                shown << label->text();
            else if (const auto *button = qobject_cast<QAbstractButton *>(w))
                shown << button->text();
            else if (const auto *box = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < box->count(); ++i)
                    shown << box->itemText(i);
            for (const QString &text : shown)
                if (w->fontMetrics().horizontalAdvance(text) > Room_For_Text(w))
                    cut << w->objectName() + ": " + text;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    }

    // The button sits in the bottom row, left of the version caption, over nothing.
    void button_place()
    {
        frm_dalvo form;
        form.Set_Zoom(100);
        const QRect button = form.cmd_Language->geometry();
        QVERIFY(form.rect().contains(button));
        QCOMPARE_LE(button.right(), form.Label4->geometry().left());
        QCOMPARE_GE(button.top(), form.cmd_Go->geometry().top());
        for (const QWidget *w : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(w == form.cmd_Language || w->isHidden() || !button.intersects(w->geometry()),
                     qPrintable(w->objectName()));
    }

    // A click shows the other language at once and is remembered; the button then offers the
    // language left.
    void button_switches_and_remembers()
    {
        frm_dalvo form;
        QCOMPARE(form.cmd_Language->text(), "EN");
        QCOMPARE(form.cmd_Language->toolTip(), "Γλώσσα / Language");
        QTest::mouseClick(form.cmd_Language, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(form.lbl_Pace->Caption(), "Pace:");
        QCOMPARE(form.cmd_Language->text(), "ΕΛ");
        QTest::mouseClick(form.cmd_Language, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(Languages::Remembered(), "el");
        QCOMPARE(form.lbl_Pace->Caption(), "Ρυθμός:");
        QCOMPARE(form.cmd_Language->text(), "EN");
    }

    // Mid-run, with a ball marked, a file's name in the title and the pace changed, a switch
    // changes texts and nothing else.
    void nothing_moves()
    {
        frm_dalvo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.hsc_f[0]->Set_Value(14);
        form.Change_Ball_colour(7, 1);
        form.cbo_Pace->setCurrentIndex(1);
        form.Module().File_Name = QStringLiteral("/lesson/two waves.dlv");
        form.setWindowTitle(QStringLiteral("Dalvo: two waves.dlv"));
        form.cmd_Go_Click();
        Ticks(form, 30);
        const QStringList held = Held_Values(form, {QStringLiteral("Caption")});
        const QMap<QString, QRect> places = Geometry(form);
        const float elapsed = form.Elapsed_Time();
        Switch_To(QStringLiteral("en"));
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(form.Elapsed_Time(), elapsed);
        QCOMPARE(form.cbo_Pace->currentIndex(), 1);
        QCOMPARE(form.Module().File_Name, "/lesson/two waves.dlv");
        QCOMPARE(form.windowTitle(), "Dalvo: two waves.dlv");
        QCOMPARE(Held_Values(form, {QStringLiteral("Caption")}), held);
        QCOMPARE(Geometry(form), places);
        QCOMPARE(form.cmd_Go->toolTip(), "Pause (F5)");
        form.cmd_Go_Click();
        // Switched during a clock step from the pause, cmd_Go still offers to go on.
        form.cmd_Clock_Click();
        Ticks(form, 2);
        Switch_To(QStringLiteral("el"));
        QCOMPARE(form.cmd_Go->toolTip(), "Συνέχεια (F5)");
    }
};

QTEST_MAIN(tst_language_switch)
#include "tst_language_switch.moc"
