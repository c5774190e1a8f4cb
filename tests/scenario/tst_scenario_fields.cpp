#include "scenario/scenario_fields.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace Scenario;

namespace {

// What the reader takes from the device, and a device error after a given number of bytes.
class Reading_Probe : public QBuffer
{
public:
    qint64 taken = 0;
    qint64 fail_after = -1;

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (fail_after >= 0 && taken >= fail_after) {
            setErrorString(QStringLiteral("simulated read error"));
            return -1;
        }
        const qint64 got = QBuffer::readData(data, max);
        taken += got > 0 ? got : 0;
        return got;
    }
};

// Takes at most `room` bytes in all and then reports short writes without an error, as a save
// file on a full disk may.
class Short_Write_Buffer : public QBuffer
{
public:
    qint64 room = 0;
    bool error = false;

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (error)
            return -1;
        const qint64 taken = QBuffer::writeData(data, std::min(length, room));
        room -= taken;
        return taken;
    }
};

// The set-up fields of a scenario in file order, written and read as the load and save do.
struct Set_Up
{
    QString magic = QString::fromLatin1(Magic);
    QString speed_1 = QStringLiteral("10");
    QString speed_2 = QStringLiteral("10");
    std::array<qint16, 4> waves = {1, 0, 1, 0};
    std::array<QString, 4> amplitudes = {"5", "5", "5", "5"};
    std::array<QString, 4> frequencies = {"1", "1", "1", "1"};
    std::array<qint16, 4> balls = {1, 1, 1, 1};

    bool operator==(const Set_Up &) const = default;
};

// A set that no field of a test file holds, so a field left unread shows.
Set_Up Unread()
{
    Set_Up s;
    s.magic = s.speed_1 = s.speed_2 = QStringLiteral("?");
    s.amplitudes.fill(s.magic);
    s.frequencies.fill(s.magic);
    s.waves.fill(-9);
    s.balls.fill(-9);
    return s;
}

char *toString(const Set_Up &s)
{
    QStringList parts{s.magic, s.speed_1, s.speed_2};
    for (int i = 0; i < 4; ++i)
        parts << QString::number(s.waves[i]);
    for (int i = 0; i < 4; ++i)
        parts << s.amplitudes[i] << s.frequencies[i] << QString::number(s.balls[i]);
    return qstrdup(parts.join(QLatin1String(" | ")).toUtf8().constData());
}

// Tries every field in file order, as the save procedure would; returns the successes.
int Save(Field_Writer &writer, const Set_Up &s)
{
    int written = 0;
    const auto text = [&](const QString &t) { written += writer.Write_Text(t); };
    const auto number = [&](qint16 v) { written += writer.Write_Integer(v); };
    text(s.magic);
    text(s.speed_1);
    text(s.speed_2);
    for (qint16 w : s.waves)
        number(w);
    for (int i = 0; i < 4; ++i) {
        text(s.amplitudes[i]);
        text(s.frequencies[i]);
        number(s.balls[i]);
    }
    return written;
}

int Load(Field_Reader &reader, Set_Up &s)
{
    int read = 0;
    const auto text = [&](QString &t) { read += reader.Read_Text(t); };
    const auto number = [&](qint16 &v) { read += reader.Read_Integer(v); };
    text(s.magic);
    text(s.speed_1);
    text(s.speed_2);
    for (qint16 &w : s.waves)
        number(w);
    for (int i = 0; i < 4; ++i) {
        text(s.amplitudes[i]);
        text(s.frequencies[i]);
        number(s.balls[i]);
    }
    return read;
}

// The 19 lines of the scenario that the program's start-up set-up gives.
QList<QByteArray> Start_Up_Lines()
{
    QList<QByteArray> lines{"\"Dalvo.exe V 1.0\"", "\"10\"", "\"10\"", "1", "0", "1", "0"};
    for (int wave = 0; wave < 4; ++wave)
        lines << "\"5\""
              << "\"1\""
              << "1";
    return lines;
}

QByteArray Start_Up_Bytes()
{
    return Start_Up_Lines().join("\r\n") + "\r\n";
}

QStringList Read_All_Text(QIODevice *device)
{
    Field_Reader reader(device);
    QStringList fields;
    QString field;
    while (reader.Read_Text(field))
        fields << field;
    return fields;
}

} // namespace

class tst_Scenario_Fields : public QObject
{
    Q_OBJECT

private slots:
    void splitter_data();
    void splitter();
    void integer_data();
    void integer();
    void textLine_data();
    void textLine();
    void integerLine_data();
    void integerLine();
    void startUpFileByteForByte();
    void readForms_data();
    void readForms();
    void roundTrip_data();
    void roundTrip();
    void seedCorpus_data();
    void seedCorpus();
    void greekCaptionsFile();
    void undefinedBytes();
    void unencodableText_data();
    void unencodableText();
    void boundedReading_data();
    void boundedReading();
    void readerWithoutReadableDevice();
    void directoryAsDevice();
    void deviceErrorEndsReader();
    void shortWrites_data();
    void shortWrites();
    void writeErrors();
};

void tst_Scenario_Fields::splitter_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("fields");

    const QString nul(QChar(0));
    QTest::addRow("quoted") << QByteArray("\"abc\"\r\n") << QStringList{"abc"};
    QTest::addRow("quoted keeps blanks and commas")
        << QByteArray("\" a, b \"\r\n") << QStringList{" a, b "};
    QTest::addRow("quoted across a line end")
        << QByteArray("\"a\r\nb\"\r\nc") << QStringList{"a\r\nb", "c"};
    QTest::addRow("empty quoted") << QByteArray("\"\"\r\n\"\"") << QStringList{"", ""};
    QTest::addRow("unquoted") << QByteArray("abc\r\n") << QStringList{"abc"};
    QTest::addRow("commas") << QByteArray("a,b,,c") << QStringList{"a", "b", "", "c"};
    QTest::addRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::addRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::addRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::addRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::addRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::addRow("comma then line end") << QByteArray("a,\r\nb") << QStringList{"a", "", "b"};
    QTest::addRow("leading blanks")
        << QByteArray("  \t a\r\n \t\"b\"\r\n") << QStringList{"a", "b"};
    QTest::addRow("trailing blanks") << QByteArray("a b \t\r\nc  ") << QStringList{"a b", "c"};
    QTest::addRow("blanks after closing quote")
        << QByteArray("\"a\"  ,\"b\" \t\r\n") << QStringList{"a", "b"};
    QTest::addRow("text after closing quote")
        << QByteArray("\"a\"xyz,b\r\n\"c\"d\"e\"\r\n") << QStringList{"a", "b", "c"};
    QTest::addRow("quote inside unquoted") << QByteArray("a\"b,c") << QStringList{"a\"b", "c"};
    QTest::addRow("empty line") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::addRow("field at end of data") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::addRow("blanks at end of data") << QByteArray("a\r\n \t") << QStringList{"a", ""};
    QTest::addRow("no data") << QByteArray() << QStringList{};
    QTest::addRow("one line end") << QByteArray("\r\n") << QStringList{""};
    QTest::addRow("missing closing quote")
        << QByteArray("\"abc\r\ndef,g \r\n") << QStringList{"abc\r\ndef,g \r\n"};
    QTest::addRow("NUL bytes") << QByteArray("a\0b,\0", 5) << QStringList{"a" + nul + "b", nul};
    QTest::addRow("binary bytes") << QByteArray("\x01\x7f,\"\x1b\"", 7)
                                  << QStringList{"\x01\x7f", "\x1b"};
}

void tst_Scenario_Fields::splitter()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, fields);

    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Field_Reader reader(&buffer);
    QString field;
    for (const QString &expected : fields) {
        QVERIFY2(reader.Read_Text(field), qPrintable(reader.errorString()));
        QCOMPARE(field, expected);
    }
    field = QStringLiteral("unchanged");
    QVERIFY(!reader.Read_Text(field));
    QCOMPARE(field, QStringLiteral("unchanged"));
    QVERIFY(!reader.errorString().isEmpty());
    QVERIFY(!reader.Read_Text(field));
}

void tst_Scenario_Fields::integer_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");

    QTest::addRow("0") << QByteArray("0") << true << 0;
    QTest::addRow("1") << QByteArray("1") << true << 1;
    QTest::addRow("2") << QByteArray("2") << true << 2;
    QTest::addRow("3") << QByteArray("3") << true << 3;
    QTest::addRow("-1") << QByteArray("-1") << true << -1;
    QTest::addRow("+7") << QByteArray("+7") << true << 7;
    QTest::addRow("leading zeros") << QByteArray("-00012") << true << -12;
    QTest::addRow("32767") << QByteArray("32767") << true << 32767;
    QTest::addRow("-32768") << QByteArray("-32768") << true << -32768;
    QTest::addRow("32768") << QByteArray("32768") << false << 0;
    QTest::addRow("-32769") << QByteArray("-32769") << false << 0;
    QTest::addRow("70000") << QByteArray("70000") << false << 0;
    QTest::addRow("20 digits") << QByteArray("99999999999999999999") << false << 0;
    QTest::addRow("empty") << QByteArray("") << true << 0;
    QTest::addRow("blanks only") << QByteArray("  ") << true << 0;
    QTest::addRow("leading blank") << QByteArray(" 1") << true << 1;
    QTest::addRow("quoted") << QByteArray("\"1\"") << true << 1;
    QTest::addRow("quoted with blanks") << QByteArray("\" -2 \"") << true << -2;
    QTest::addRow("quoted empty") << QByteArray("\"\"") << true << 0;
    QTest::addRow("1.5 rounds up") << QByteArray("1.5") << true << 2;
    QTest::addRow("2.5 rounds to even") << QByteArray("2.5") << true << 2;
    QTest::addRow("-2.5 rounds to even") << QByteArray("-2.5") << true << -2;
    QTest::addRow("-3.5 rounds to even") << QByteArray("-3.5") << true << -4;
    QTest::addRow("2.5001 rounds up") << QByteArray("2.5001") << true << 3;
    QTest::addRow("0.49 rounds down") << QByteArray("0.49") << true << 0;
    QTest::addRow(".5 rounds to even") << QByteArray(".5") << true << 0;
    QTest::addRow("1. is 1") << QByteArray("1.") << true << 1;
    QTest::addRow("32767.5 rounds out of range") << QByteArray("32767.5") << false << 0;
    QTest::addRow("-32768.5 rounds to even") << QByteArray("-32768.5") << true << -32768;
    QTest::addRow("x") << QByteArray("x") << false << 0;
    QTest::addRow("1x") << QByteArray("1x") << false << 0;
    QTest::addRow("0x10") << QByteArray("0x10") << false << 0;
    QTest::addRow("1e3") << QByteArray("1e3") << false << 0;
    QTest::addRow("sign alone") << QByteArray("-") << false << 0;
    QTest::addRow("point alone") << QByteArray(".") << false << 0;
    QTest::addRow("two numbers") << QByteArray("1 2") << false << 0;
    QTest::addRow("two signs") << QByteArray("--1") << false << 0;
    QTest::addRow("comma decimal") << QByteArray("\"1,5\"") << false << 0;
}

void tst_Scenario_Fields::integer()
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
    QCOMPARE(reader.errorString().isEmpty(), ok);
    QVERIFY(reader.Read_Integer(into));
    QCOMPARE(into, qint16(7));
}

void tst_Scenario_Fields::textLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");

    QTest::addRow("digits") << QStringLiteral("10") << QByteArray("\"10\"\r\n");
    QTest::addRow("number text") << QStringLiteral(" 0.5") << QByteArray("\" 0.5\"\r\n");
    QTest::addRow("empty") << QString() << QByteArray("\"\"\r\n");
    QTest::addRow("magic") << QString::fromLatin1(Magic) << QByteArray("\"Dalvo.exe V 1.0\"\r\n");
    QTest::addRow("Greek") << QStringLiteral("Κύμα") << QByteArray("\"\xCA\xFD\xEC\xE1\"\r\n");
    QTest::addRow("euro sign") << QStringLiteral("€") << QByteArray("\"\x80\"\r\n");
    QTest::addRow("quote not escaped") << QStringLiteral("a\"b") << QByteArray("\"a\"b\"\r\n");
}

void tst_Scenario_Fields::textLine()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, line);

    QCOMPARE(Text_Field(text), line);
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    Field_Writer writer(&buffer);
    QVERIFY(writer.Write_Text(text));
    QVERIFY(writer.Write_Text(text));
    QCOMPARE(buffer.data(), line + line);
    QVERIFY(writer.errorString().isEmpty());
}

void tst_Scenario_Fields::integerLine_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::addRow("0") << 0 << QByteArray("0\r\n");
    QTest::addRow("1") << 1 << QByteArray("1\r\n");
    QTest::addRow("2") << 2 << QByteArray("2\r\n");
    QTest::addRow("-3") << -3 << QByteArray("-3\r\n");
    QTest::addRow("32767") << 32767 << QByteArray("32767\r\n");
    QTest::addRow("-32768") << -32768 << QByteArray("-32768\r\n");
}

void tst_Scenario_Fields::integerLine()
{
    QFETCH(int, value);
    QFETCH(QByteArray, line);

    QCOMPARE(Integer_Field(qint16(value)), line);
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    Field_Writer writer(&buffer);
    QVERIFY(writer.Write_Integer(qint16(value)));
    QCOMPARE(buffer.data(), line);
}

void tst_Scenario_Fields::startUpFileByteForByte()
{
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    Field_Writer writer(&buffer);
    QCOMPARE(Save(writer, Set_Up()), 19);
    QCOMPARE(buffer.data(), Start_Up_Bytes());
    QCOMPARE(buffer.data().size(), 95);
}

void tst_Scenario_Fields::readForms_data()
{
    QTest::addColumn<QByteArray>("data");

    QByteArray unquoted_magic = Start_Up_Bytes();
    unquoted_magic.replace("\"Dalvo.exe V 1.0\"", "  Dalvo.exe V 1.0 ");
    QByteArray quoted_integers = Start_Up_Lines().join("\r\n");
    quoted_integers.replace("\r\n1\r\n0\r\n", "\r\n\"1\"\r\n \"0\" \r\n");

    QTest::addRow("one field per line") << Start_Up_Bytes();
    QTest::addRow("one line, commas") << Start_Up_Lines().join(",") + "\r\n";
    QTest::addRow("one line, commas and blanks") << Start_Up_Lines().join(" , ");
    QTest::addRow("line feeds only") << Start_Up_Lines().join("\n") + "\n";
    QTest::addRow("carriage returns only") << Start_Up_Lines().join("\r") + "\r";
    QTest::addRow("magic without quotes") << unquoted_magic;
    QTest::addRow("quoted integers, no last line end") << quoted_integers;
}

void tst_Scenario_Fields::readForms()
{
    QFETCH(QByteArray, data);

    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Field_Reader reader(&buffer);
    Set_Up loaded = Unread();
    QCOMPARE(Load(reader, loaded), 19);
    QCOMPARE(loaded, Set_Up());
    QString rest;
    QVERIFY(!reader.Read_Text(rest));
}

void tst_Scenario_Fields::roundTrip_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("value");

    QTest::addRow("start-up") << QStringLiteral("5") << 1;
    QTest::addRow("number text of one half") << QStringLiteral(" 0.5") << 0;
    QTest::addRow("number text of six") << QStringLiteral(" 6") << 2;
    QTest::addRow("Greek") << QStringLiteral("Κύμα ΐΰ άέήίόύώ") << -1;
    QTest::addRow("empty") << QString() << 32767;
    QTest::addRow("blanks and commas") << QStringLiteral("  a, b  ") << -32768;
    QTest::addRow("punctuation") << QStringLiteral("€‰«»·'") << 3;
}

void tst_Scenario_Fields::roundTrip()
{
    QFETCH(QString, caption);
    QFETCH(int, value);

    Set_Up saved;
    saved.speed_2 = caption;
    saved.amplitudes[1] = caption + QStringLiteral("x");
    saved.frequencies[3] = caption;
    saved.waves[2] = qint16(value);
    saved.balls[0] = qint16(value);

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::ReadWrite));
    Field_Writer writer(&buffer);
    QCOMPARE(Save(writer, saved), 19);
    buffer.seek(0);
    Field_Reader reader(&buffer);
    Set_Up loaded = Unread();
    QCOMPARE(Load(reader, loaded), 19);
    QCOMPARE(loaded, saved);
}

void tst_Scenario_Fields::seedCorpus_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("reads");
    QTest::addColumn<bool>("start_up");

    QTest::addRow("start-up") << QStringLiteral("start-up.dlv") << 19 << true;
    QTest::addRow("one line") << QStringLiteral("one-line.dlv") << 19 << true;
    QTest::addRow("unquoted magic") << QStringLiteral("unquoted-magic.dlv") << 19 << true;
    QTest::addRow("line feeds only") << QStringLiteral("lf-only.dlv") << 19 << true;
    QTest::addRow("wrong magic") << QStringLiteral("wrong-magic.dlv") << 19 << false;
    QTest::addRow("truncated after 10 lines") << QStringLiteral("truncated.dlv") << 10 << false;
    QTest::addRow("70000 and x") << QStringLiteral("bad-integers.dlv") << 17 << false;
    QTest::addRow("missing quote") << QStringLiteral("missing-quote.dlv") << 18 << false;
}

// The seed files of the fuzz target are what their names say.
void tst_Scenario_Fields::seedCorpus()
{
    QFETCH(QString, file);
    QFETCH(int, reads);
    QFETCH(bool, start_up);

    QFile device(QFINDTESTDATA(QStringLiteral("corpus/") + file));
    QVERIFY2(device.open(QIODevice::ReadOnly), qPrintable(file));
    Field_Reader reader(&device);
    Set_Up loaded = Unread();
    QCOMPARE(Load(reader, loaded), reads);
    QCOMPARE(loaded == Set_Up(), start_up);
}

void tst_Scenario_Fields::greekCaptionsFile()
{
    QFile device(QFINDTESTDATA("corpus/greek-captions.dlv"));
    QVERIFY(device.open(QIODevice::ReadOnly));
    Field_Reader reader(&device);
    Set_Up loaded = Unread();
    QCOMPARE(Load(reader, loaded), 19);

    Set_Up expected;
    expected.speed_1 = QStringLiteral(" 12");
    expected.speed_2 = QStringLiteral("Κύμα");
    expected.waves = {1, 1, 1, 2};
    expected.amplitudes = {" 6", "άέή", "", "a, b"};
    expected.frequencies = {" 0.5", "€", " 1.25", "ΐΰ"};
    expected.balls = {0, 1, 2, 0};
    QCOMPARE(loaded, expected);
}

void tst_Scenario_Fields::undefinedBytes()
{
    // 0xAA, 0xD2 and 0xFF have no character in the code page; they must read without harm.
    QByteArray data("\"\xAA\xD2\xFF\x81\"\r\nok\r\n");
    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Field_Reader reader(&buffer);
    QString field;
    QVERIFY(reader.Read_Text(field));
    QCOMPARE(field.size(), 4);
    QVERIFY(reader.Read_Text(field));
    QCOMPARE(field, QStringLiteral("ok"));
}

void tst_Scenario_Fields::unencodableText_data()
{
    QTest::addColumn<QString>("text");

    QTest::addRow("Cyrillic") << QStringLiteral("Ж");
    QTest::addRow("Latin with accent") << QStringLiteral("café");
    QTest::addRow("polytonic Greek") << QStringLiteral("ᾶ");
    QTest::addRow("outside the BMP") << QStringLiteral("a😀");
    QTest::addRow("lone surrogate") << QString(QChar(0xD800));
}

void tst_Scenario_Fields::unencodableText()
{
    QFETCH(QString, text);

    QVERIFY(Text_Field(text).isEmpty());
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    Field_Writer writer(&buffer);
    QVERIFY(!writer.Write_Text(text));
    QVERIFY(!writer.errorString().isEmpty());
    QVERIFY(!writer.Write_Integer(1));
    QVERIFY(buffer.data().isEmpty());
}

void tst_Scenario_Fields::boundedReading_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("fields");
    QTest::addColumn<qint64>("most_taken");

    const qsizetype mb = 1024 * 1024;
    const qint64 one_field = Max_Field_Bytes + 1024;
    const QByteArray big(5 * mb, 'a');
    QTest::addRow("5 MB field") << big << 0 << one_field;
    QTest::addRow("5 MB quoted field") << "\"" + big + "\"\r\n" << 0 << one_field;
    QTest::addRow("5 MB after an open quote") << "\"" + big << 0 << one_field;
    QTest::addRow("5 MB after a closing quote") << "\"a\"" + big + "\r\n" << 0 << one_field;
    QTest::addRow("5 MB of blanks") << QByteArray(5 * mb, ' ') + "x" << 0 << one_field;
    QTest::addRow("short field, then 5 MB") << "10\r\n" + big << 1 << one_field + 4;
    QTest::addRow("10 MB without line ends") << QByteArray(10 * mb, 'x') << 0 << one_field;
    QTest::addRow("10 MB of short fields, no line ends")
        << QByteArray("1,").repeated(5 * mb) << int(Max_File_Bytes / 2) << Max_File_Bytes;
    QTest::addRow("10 MB of empty lines")
        << QByteArray("\r\n").repeated(5 * mb) << int(Max_File_Bytes / 2) << Max_File_Bytes;
}

void tst_Scenario_Fields::boundedReading()
{
    QFETCH(QByteArray, data);
    QFETCH(int, fields);
    QFETCH(qint64, most_taken);

    Reading_Probe device;
    device.setData(data);
    QVERIFY(device.open(QIODevice::ReadOnly));
    Field_Reader reader(&device);
    QString field;
    int read = 0;
    while (read <= fields && reader.Read_Text(field))
        ++read;
    QCOMPARE(read, fields);
    QVERIFY(!reader.errorString().isEmpty());
    QVERIFY2(device.taken <= most_taken, qPrintable(QString::number(device.taken)));

    // The reader is done: it neither reads on nor takes another byte.
    const qint64 taken = device.taken;
    qint16 number = 5;
    QVERIFY(!reader.Read_Integer(number));
    QVERIFY(!reader.Read_Text(field));
    QCOMPARE(number, qint16(5));
    QCOMPARE(device.taken, taken);
}

void tst_Scenario_Fields::readerWithoutReadableDevice()
{
    QByteArray data = Start_Up_Bytes();
    QBuffer closed(&data);
    QBuffer write_only;
    QVERIFY(write_only.open(QIODevice::WriteOnly));
    for (QIODevice *device : {static_cast<QIODevice *>(nullptr), static_cast<QIODevice *>(&closed),
                              static_cast<QIODevice *>(&write_only)}) {
        Field_Reader reader(device);
        QString text = QStringLiteral("kept");
        QVERIFY(!reader.Read_Text(text));
        QCOMPARE(text, QStringLiteral("kept"));
        QVERIFY(!reader.errorString().isEmpty());
    }
}

void tst_Scenario_Fields::directoryAsDevice()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QFile file(directory.path());
    file.open(QIODevice::ReadOnly); // may refuse or open: the reader must fail either way
    QVERIFY(Read_All_Text(&file).isEmpty());
}

void tst_Scenario_Fields::deviceErrorEndsReader()
{
    Reading_Probe device;
    device.setData(QByteArray("abc\r\n").repeated(300));
    device.fail_after = 700;
    QVERIFY(device.open(QIODevice::ReadOnly));
    Field_Reader reader(&device);
    QString field;
    int read = 0;
    while (read < 300 && reader.Read_Text(field))
        ++read;
    QVERIFY(read > 0);
    QVERIFY(read < 300);
    QVERIFY2(reader.errorString().contains(QStringLiteral("simulated read error")),
             qPrintable(reader.errorString()));

    // Even when the device would deliver again, the reader stays done.
    device.fail_after = -1;
    QVERIFY(!reader.Read_Text(field));
}

void tst_Scenario_Fields::shortWrites_data()
{
    QTest::addColumn<qint64>("room");
    QTest::addColumn<int>("good_writes");

    // The start-up lines end at bytes 19, 25, 31, 34, ..., 95.
    QTest::addRow("nothing") << qint64(0) << 0;
    QTest::addRow("part of line 1") << qint64(18) << 0;
    QTest::addRow("line 1 only") << qint64(19) << 1;
    QTest::addRow("a byte of line 2") << qint64(20) << 1;
    QTest::addRow("all but the last byte") << qint64(94) << 18;
    QTest::addRow("exactly the file") << qint64(95) << 19;
    QTest::addRow("plenty") << qint64(4096) << 19;
}

void tst_Scenario_Fields::shortWrites()
{
    QFETCH(qint64, room);
    QFETCH(int, good_writes);

    Short_Write_Buffer device;
    device.room = room;
    QVERIFY(device.open(QIODevice::WriteOnly));
    Field_Writer writer(&device);
    QCOMPARE(Save(writer, Set_Up()), good_writes);
    QCOMPARE(writer.errorString().isEmpty(), good_writes == 19);
    QCOMPARE(device.data(), Start_Up_Bytes().left(room));

    // A writer that has failed writes nothing more, even to a device that takes it.
    device.room = 4096;
    QCOMPARE(writer.Write_Integer(1), good_writes == 19);
    QCOMPARE(device.data().size() > 95, good_writes == 19);
}

void tst_Scenario_Fields::writeErrors()
{
    Short_Write_Buffer failing;
    failing.room = 4096;
    failing.error = true;
    QVERIFY(failing.open(QIODevice::WriteOnly));
    QBuffer closed;
    QBuffer read_only;
    QVERIFY(read_only.open(QIODevice::ReadOnly));
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        QSKIP("/dev/full is not available");

    for (QIODevice *device :
         {static_cast<QIODevice *>(nullptr), static_cast<QIODevice *>(&failing),
          static_cast<QIODevice *>(&closed), static_cast<QIODevice *>(&read_only),
          static_cast<QIODevice *>(&full)}) {
        Field_Writer writer(device);
        QVERIFY(!writer.Write_Text(QStringLiteral("10")));
        QVERIFY(!writer.errorString().isEmpty());
        QVERIFY(!writer.Write_Integer(0));
    }
}

QTEST_GUILESS_MAIN(tst_Scenario_Fields)
#include "tst_scenario_fields.moc"
