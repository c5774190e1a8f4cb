// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/start_up_scenario.h"

#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QtTest>

// The scenario files' MIME type as a desktop reads it: Qt's MIME database given only the
// package's XML. A file manager knows a scenario by its name, or by its first line whatever its
// name; a text that only resembles one is not taken for one.
class tst_mime_type : public QObject
{
    Q_OBJECT

    QTemporaryDir data_;

private slots:
    void initTestCase()
    {
        // Before the first use of the database, which reads its folders once.
        QVERIFY(QDir().mkpath(data_.filePath(QStringLiteral("share/mime/packages"))));
        QVERIFY(QDir().mkpath(data_.filePath(QStringLiteral("home"))));
        QVERIFY(QFile::copy(QStringLiteral(DALVO_MIME_XML),
                            data_.filePath(QStringLiteral("share/mime/packages/dalvo.xml"))));
        qputenv("XDG_DATA_DIRS", data_.filePath(QStringLiteral("share")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", data_.filePath(QStringLiteral("home")).toLocal8Bit());
    }

    void type_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("by_content");
        QTest::addColumn<bool>("scenario");
        const bool scenario = true, text = false;
        QTest::addRow("by name") << "lesson.dlv" << QByteArray("any bytes") << false << scenario;
        QTest::addRow("by name in capitals") << "LESSON.DLV" << QByteArray() << false << scenario;
        QTest::addRow("by the first line") << "lesson.txt" << Start_Up_Bytes << true << scenario;
        QTest::addRow("the magic further on")
            << "notes.txt" << QByteArray("A line\r\n\"Dalvo.exe V 1.0\"\r\n") << true << text;
    }

    void type()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, by_content);
        QFETCH(bool, scenario);
        QTemporaryDir folder;
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        const QMimeDatabase database;
        const QMimeType found =
            database.mimeTypeForFile(file.fileName(), by_content ? QMimeDatabase::MatchContent
                                                                 : QMimeDatabase::MatchDefault);
        // The database holds no other types here: what is no scenario has no type of its own.
        QCOMPARE(found.name() == QLatin1String("application/x-dalvo-scenario"), scenario);
    }
};

QTEST_GUILESS_MAIN(tst_mime_type)
#include "tst_mime_type.moc"
