// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages/languages.h"
#include "support/language_test_support.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

namespace {

// Counts the LanguageChange events the application gets.
class Change_Counter : public QObject
{
public:
    int changes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        return false;
    }
};

QString Translated_Frequency()
{
    return QCoreApplication::translate("frm_dalvo", "Συχνότητα:");
}

QStringList Qt_Translation_Files()
{
    QStringList files;
    for (const QTranslator *translator : qApp->findChildren<QTranslator *>())
        if (QFileInfo(translator->filePath()).fileName().startsWith(QLatin1String("qtbase_")))
            files << QFileInfo(translator->filePath()).fileName();
    return files;
}

} // namespace

// The languages without a window: which are shipped, which one a start installs, what is
// remembered. Settings go to Qt's test folder, apart from the user's.
class tst_languages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(Language_Test::Use_Test_Settings(QStringLiteral("tst_languages")),
                 qPrintable(QSettings().fileName()));
    }

    void init()
    {
        QSettings().remove(QStringLiteral("language"));
        QVERIFY(Languages::Switch(*qApp, QStringLiteral("el")));
    }

    void cleanupTestCase() { QSettings().clear(); }

    void greek_and_english_are_shipped()
    {
        QCOMPARE(Language_Test::Shipped(), "el Ελληνικά ΕΛ, en English EN");
    }

    // What a start shows: a shipped --lang first, then the choice remembered, then Greek.
    void start_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *remembered, const char *requested,
                            const char *shown) {
            QTest::addRow("%s", name)
                << QString(remembered) << QString(requested) << QString(shown);
        };
        row("fresh installation", "", "", "el");
        row("English remembered", "en", "", "en");
        row("--lang en", "", "en", "en");
        row("--lang el over English remembered", "en", "el", "el");
        row("unknown --lang: the remembered", "en", "xx", "en");
        row("unknown --lang, nothing remembered", "", "xx", "el");
        row("unknown remembered", "xx", "", "el");
    }

    void start()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, requested);
        QFETCH(QString, shown);
        if (!remembered.isEmpty())
            Languages::Remember(remembered);
        if (requested == "xx")
            QTest::ignoreMessage(QtWarningMsg, "dalvo: no language 'xx'; the languages are el, en");
        Languages::Install(*qApp, requested);
        QCOMPARE(Languages::Current(), shown);
        QCOMPARE(Translated_Frequency(), shown == "en" ? "Frequency:" : "Συχνότητα:");
        // A start remembers nothing of its own; a choice is kept in the settings, for the next.
        QCOMPARE(Languages::Remembered(), remembered);
        QCOMPARE(QSettings().value("language").toString(), remembered);
    }

    // Each change of language is announced; a language shown already or not shipped changes
    // nothing.
    void switching()
    {
        Change_Counter counter;
        qApp->installEventFilter(&counter);
        QVERIFY(Languages::Switch(*qApp, QStringLiteral("en")));
        QCOMPARE(Languages::Current(), "en");
        QCOMPARE_GE(counter.changes, 1);
        counter.changes = 0;
        QVERIFY(Languages::Switch(*qApp, QStringLiteral("en")));
        QVERIFY(!Languages::Switch(*qApp, QStringLiteral("fr")));
        QCOMPARE(counter.changes, 0);
        QCOMPARE(Languages::Current(), "en");
        QVERIFY(Languages::Switch(*qApp, QStringLiteral("el")));
        QCOMPARE_GE(counter.changes, 1);
        QCOMPARE(Translated_Frequency(), "Συχνότητα:");
        // Greek is the source language: only Qt's own texts may keep a translator.
        QCOMPARE(qApp->findChildren<QTranslator *>().size(), Qt_Translation_Files().size());
        qApp->removeEventFilter(&counter);
    }

    // Qt's own texts (the standard dialogs) follow where Qt ships the language.
    void qt_translation()
    {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        QVERIFY(Languages::Switch(*qApp, QStringLiteral("en")));
        const QStringList expected = QFileInfo::exists(folder + "/qtbase_en.qm")
                                         ? QStringList{QStringLiteral("qtbase_en.qm")}
                                         : QStringList{};
        QCOMPARE(Qt_Translation_Files(), expected);
        QVERIFY(Languages::Switch(*qApp, QStringLiteral("el")));
        QCOMPARE(Qt_Translation_Files(), QFileInfo::exists(folder + "/qtbase_el.qm")
                                             ? QStringList{"qtbase_el.qm"}
                                             : QStringList{});
    }
};

QTEST_GUILESS_MAIN(tst_languages)
#include "tst_languages.moc"
