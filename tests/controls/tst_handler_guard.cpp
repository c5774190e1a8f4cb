// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/handler_guard.h"

#include <QRegularExpression>
#include <QtTest>
#include <stdexcept>

namespace {

void Fail(const char *what)
{
    throw std::runtime_error(what);
}

} // namespace

// The guard between handlers and the code whose setting raised them.
class tst_handler_guard : public QObject
{
    Q_OBJECT

private slots:
    void rethrows_in_a_setting_data()
    {
        QTest::addColumn<QStringList>("handlers"); // the errors the handlers raise; "" is none
        QTest::addColumn<QString>("own");          // the error the setting's own code throws
        QTest::addColumn<QString>("reaches");      // what reaches the setting's code; "" is none
        const QString none;
        QTest::newRow("no error") << QStringList{""} << none << none;
        QTest::newRow("the first of two") << QStringList{"first", "", "second"} << none << "first";
        QTest::newRow("the setting's own") << QStringList{""} << "own"
                                           << "own";
    }

    // During a setting the first error a handler raises is held; every handler still runs; the
    // error reaches the setting's code when the setting ends, as if the handler had been called
    // directly; nothing is reported. An error of the setting's own code goes straight through.
    void rethrows_in_a_setting()
    {
        QFETCH(QStringList, handlers);
        QFETCH(QString, own);
        QFETCH(QString, reaches);
        QTest::failOnWarning(QRegularExpression("untrapped"));
        int ran = 0;
        QString reached;
        try {
            Handler_Guard::Raise_Events([&] {
                for (const QString &error : handlers)
                    Handler_Guard::Run_Handler([&] {
                        ++ran;
                        if (!error.isEmpty())
                            Fail(qPrintable(error));
                    });
                if (!own.isEmpty())
                    Fail(qPrintable(own));
            });
        } catch (const std::runtime_error &e) {
            reached = QString::fromUtf8(e.what());
        }
        QCOMPARE(ran, handlers.size());
        QCOMPARE(reached, reaches);
        // The guard is left clean: a handler the event loop calls later reports its error and
        // lets none escape.
        QTest::ignoreMessage(QtWarningMsg, "Dalvo: untrapped error: later");
        Handler_Guard::Run_Handler([] { Fail("later"); });
    }

    // A setting inside a handler inside a setting: the inner setting's code gets the inner error,
    // and the handler that made that setting hands it on to the outer one.
    void nested_settings()
    {
        QTest::failOnWarning(QRegularExpression("untrapped"));
        QString inner, outer;
        try {
            Handler_Guard::Raise_Events([&] {
                Handler_Guard::Run_Handler([&] {
                    try {
                        Handler_Guard::Raise_Events(
                            [] { Handler_Guard::Run_Handler([] { Fail("inner"); }); });
                    } catch (const std::runtime_error &e) {
                        inner = QString::fromUtf8(e.what());
                    }
                    Fail("outer");
                });
            });
        } catch (const std::runtime_error &e) {
            outer = QString::fromUtf8(e.what());
        }
        QCOMPARE(inner, "inner");
        QCOMPARE(outer, "outer");
    }
};

QTEST_MAIN(tst_handler_guard)
#include "tst_handler_guard.moc"
