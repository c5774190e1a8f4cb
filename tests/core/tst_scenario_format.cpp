// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scenario_format.h"
#include "support/start_up_scenario.h"

#include <QBuffer>
#include <QTest>

using namespace Scenario;

namespace {

// Takes at most `room` bytes in all, then reports short writes without an error, as a save file
// on a full disk may.
class Short_Write_Buffer : public QBuffer
{
public:
    qint64 room = 0;

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 taken = QBuffer::writeData(data, std::min(length, room));
        room -= taken;
        return taken;
    }
};

// A set-up no handler writes: Greek, blanks and commas in its captions.
const Set_Up Odd_Set_Up{
    "Κύμα",          " 12, 3 ", {1, 2, 0, -3}, {"", " a ", "ΐ", "5"}, {"1.25", "1E+39", "0", "x"},
    {0, 1, 32767, 1}};

} // namespace

// A scenario file as a whole: a set-up written to a device and read back from one.
class tst_scenario_format : public QObject
{
    Q_OBJECT

private slots:
    // A device that takes fewer bytes than it is given fails the write, and nothing after it is
    // written.
    void writing_data()
    {
        QTest::addColumn<qint64>("room");
        // The start-up lines end at bytes 19, 25, 31, 34, ..., 95.
        QTest::addRow("start-up file") << qint64(4096);
        QTest::addRow("a byte of line 2") << qint64(20);
        QTest::addRow("all but the last byte") << qint64(94);
    }

    void writing()
    {
        QFETCH(qint64, room);
        Short_Write_Buffer device;
        device.room = room;
        QVERIFY(device.open(QIODevice::WriteOnly));
        QString why;
        QCOMPARE(Write_Set_Up(&device, Start_Up_Set_Up, &why), room > 95);
        QCOMPARE(why.isEmpty(), room > 95);
        QCOMPARE(device.data(), Start_Up_Bytes.left(room));
    }

    // A whole set-up read back as written; a file of another kind, or cut short, refused with a
    // reason.
    void set_up_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("whole");
        QByteArray file;
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && Write_Set_Up(&buffer, Odd_Set_Up));
        QTest::newRow("Greek text and odd captions") << file << true;
        QTest::newRow("first line in other case")
            << QByteArray(file).replace("Dalvo", "dalvo") << false;
        QTest::newRow("last field cut") << file.chopped(3) << false;
    }

    void set_up()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, whole);
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        Set_Up read;
        QString why;
        QCOMPARE(Read_Set_Up(&buffer, read, &why), whole);
        QCOMPARE(why.isEmpty(), whole);
        const Set_Up &o = Odd_Set_Up;
        QVERIFY(!whole ||
                std::tie(read.Speed_1, read.Speed_2, read.Wave, read.Amplitude, read.Frequency,
                         read.Balls) ==
                    std::tie(o.Speed_1, o.Speed_2, o.Wave, o.Amplitude, o.Frequency, o.Balls));
    }
};

QTEST_GUILESS_MAIN(tst_scenario_format)
#include "tst_scenario_format.moc"
