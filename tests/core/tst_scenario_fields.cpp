// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scenario_fields.h"
#include "support/start_up_scenario.h"

#include <QBuffer>
#include <QTest>

using namespace Scenario;

namespace {

// The start-up set-up in file order; the wave choices and ball rows are integer fields.
const QStringList Start_Up =
    QStringLiteral("Dalvo.exe V 1.0,10,10,1,0,1,0,5,1,1,5,1,1,5,1,1,5,1,1").split(u',');

// The text fields of `data` until the reader gives up, and the bytes it took.
QStringList Read_All(QByteArray data, qint64 *taken = nullptr)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    Field_Reader reader(&buffer);
    QStringList fields;
    QString field;
    while (reader.Read_Text(field))
        fields << field;
    if (taken)
        *taken = buffer.pos();
    return fields;
}

} // namespace

// The byte layer of scenario files: the fields of a line, integers, the Greek code page and
// reading that stays bounded on any input.
class tst_scenario_fields : public QObject
{
    Q_OBJECT

private slots:
    void splitter_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("fields");

        QTest::addRow("quoted") << QByteArray("\" a, b \"\r\n") << QStringList{" a, b "};
        QTest::addRow("text after quote") << QByteArray("\"a\"x ,b") << QStringList{"a", "b"};
        QTest::addRow("unquoted") << QByteArray("a b \t\r\n") << QStringList{"a b"};
        QTest::addRow("leading blanks") << QByteArray(" \ta,\t\"b\"") << QStringList{"a", "b"};
        QTest::addRow("commas") << QByteArray("a,b,,c") << QStringList{"a", "b", "", "c"};
        QTest::addRow("LF CR") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::addRow("no data") << QByteArray() << QStringList{};
        QTest::addRow("open quote to end") << QByteArray("\"a\r\nb") << QStringList{"a\r\nb"};
        QTest::addRow("start-up file") << Start_Up_Bytes << Start_Up;
    }

    void splitter()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, fields);

        QCOMPARE(Read_All(data), fields);
    }

    void integer_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");

        QTest::addRow("3") << QByteArray("3") << true << 3;
        QTest::addRow("32768") << QByteArray("32768") << false << 0;
        QTest::addRow("1x") << QByteArray("1x") << false << 0;
        QTest::addRow("sign alone") << QByteArray("-") << false << 0;
        QTest::addRow("empty") << QByteArray("") << true << 0;
        QTest::addRow("quoted") << QByteArray("\" -2 \"") << true << -2;
        QTest::addRow("2.5 to even") << QByteArray("2.5") << true << 2;
        QTest::addRow("2.5001 up") << QByteArray("2.5001") << true << 3;
        QTest::addRow("32767.5 out") << QByteArray("32767.5") << false << 0;
    }

    void integer()
    {
        QFETCH(QByteArray, field);
        QFETCH(bool, ok);
        QFETCH(int, value);

        // A field that is not an integer fails that read only: the next field still reads.
        QByteArray data = field + ",7\r\n";
        QBuffer buffer(&data);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        Field_Reader reader(&buffer);
        qint16 into = 12345;
        QCOMPARE(reader.Read_Integer(into), ok);
        QCOMPARE(int(into), ok ? value : 12345);
        QVERIFY(reader.Read_Integer(into));
        QCOMPARE(into, qint16(7));
    }

    void greek_bytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line"); // empty: the code page cannot hold the text

        QTest::addRow("Greek") << QStringLiteral("Κύμα ΐ")
                               << QByteArray("\"\xCA\xFD\xEC\xE1 \xC0\"\r\n");
        // Bytes the code page leaves undefined come back as they were.
        QTest::addRow("undefined bytes")
            << (QString(QChar(0xF8D2)) + QChar(0xF8FF)) << QByteArray("\"\xD2\xFF\"\r\n");
        QTest::addRow("Cyrillic") << QStringLiteral("Ж") << QByteArray();
    }

    void greek_bytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, line);

        QCOMPARE(Text_Field(text), line);
        QCOMPARE(Read_All(line), line.isEmpty() ? QStringList() : QStringList{text});
    }

    void bounded_reading_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("fields");
        QTest::addColumn<qint64>("most_taken");

        const qsizetype mb = 1024 * 1024;
        QTest::addRow("5 MB field") << QByteArray(5 * mb, 'a') << 0 << Max_Field_Bytes + 1024;
        QTest::addRow("10 MB without line ends")
            << QByteArray("1,").repeated(5 * mb) << int(Max_File_Bytes / 2) << Max_File_Bytes;
    }

    void bounded_reading()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, fields);
        QFETCH(qint64, most_taken);

        qint64 taken = 0;
        QCOMPARE(Read_All(data, &taken).size(), fields);
        QVERIFY2(taken <= most_taken, qPrintable(QString::number(taken)));
    }
};

QTEST_GUILESS_MAIN(tst_scenario_fields)
#include "tst_scenario_fields.moc"
