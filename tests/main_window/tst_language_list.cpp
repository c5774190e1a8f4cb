// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages/languages.h"
#include "main_window/frm_dalvo.h"
#include "support/language_test_support.h"

#include <QMenu>
#include <QSettings>
#include <QtTest>

// With a third translation built in (German, two texts of it translated), the program offers it
// with no change to its code: the button opens a list of the languages not shown.
class tst_language_list : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(Language_Test::Use_Test_Settings(QStringLiteral("tst_language_list")),
                 qPrintable(QSettings().fileName()));
    }

    void cleanupTestCase() { QSettings().clear(); }

    void third_language_is_shipped()
    {
        QCOMPARE(Language_Test::Shipped(), "el Ελληνικά ΕΛ, de Deutsch DE, en English EN");
    }

    void button_opens_a_list()
    {
        frm_dalvo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.cmd_Language->text(), "…");
        QStringList offered;
        // The list runs an event loop of its own: it is read and answered from there, as a user
        // would, with the keys; a list that never comes leaves the test to fail, not to wait.
        QTimer picker;
        connect(&picker, &QTimer::timeout, this, [&picker, &offered] {
            auto *list = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!list)
                return;
            picker.stop();
            for (const QAction *action : list->actions())
                offered << action->text();
            list->setActiveAction(list->actions().at(0));
            QTest::keyClick(list, Qt::Key_Return);
        });
        picker.start(10);
        QTimer::singleShot(5000, this, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        QTest::mouseClick(form.cmd_Language, Qt::LeftButton);
        QCOMPARE(offered, QStringList({"Deutsch", "English"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(Languages::Remembered(), "de");
        QCOMPARE(form.lbl_syxnot[0]->Caption(), "Frequenz:");
        // A text the translator has not done yet shows in Greek.
        QCOMPARE(form.lbl_Platos[0]->Caption(), "Πλάτος:");
        QVERIFY(Languages::Switch(*qApp, QStringLiteral("el")));
    }
};

QTEST_MAIN(tst_language_list)
#include "tst_language_list.moc"
