#include "simulation/number_text.h"

#include <QLocale>
#include <QtTest>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <locale>

using Simulation::Number_Text;
using Simulation::Numeric_Reading;

namespace {

// A C++ locale that writes and reads numbers with a decimal comma, whatever locales the
// system has installed.
struct Comma_Punct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

// The text form of numbers in captions, and the numeric reading of a caption.
class tst_number_text : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void number_text_data();
    void number_text();
    void point_in_every_locale_data();
    void point_in_every_locale();
    void reading_data();
    void reading();
    void reading_stays_finite_data();
    void reading_stays_finite();
    void scroll_bar_values_read_back();
};

void tst_number_text::cleanup()
{
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
    QLocale::setDefault(QLocale::c());
}

void tst_number_text::number_text_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<double>("value"); // holds every single and every int exactly
    QTest::addColumn<QString>("text");
    const auto row = [](const char *type, double value, const char *text) {
        QTest::addRow("%s %.17g", type, value) << type << value << QString::fromUtf8(text);
    };
    // clang-format off
    row("single", 0.04f, " .04");          row("single", 20.04f, " 20.04");
    row("single", 1 / 3.f, " .3333333");   row("single", 2 / 3.f, " .6666667");
    row("single", 0.1f, " .1");            row("single", 0.5f, " .5");
    row("single", 1.5f, " 1.5");           row("single", 15.f, " 15");
    row("single", 0.f, " 0");              row("single", -0.f, " 0");
    row("single", -0.5f, "-.5");           row("single", -15.25f, "-15.25");
    row("single", 1234567.f, " 1234567");  row("single", 12345678.f, " 1.234568E+07");
    row("single", 0.0001f, " .0001");      row("single", 1e-5f, " 1E-05");
    row("single", 1e20f, " 1E+20");
    row("double", 1 / 3.0, " .333333333333333");
    row("double", 2 / 3.0, " .666666666666667");
    row("double", 1 / 3.f, " .333333343267441"); // a single widened keeps its error
    row("double", 12 / 10.0, " 1.2");      row("double", 0.1 + 0.2, " .3");
    row("double", 0.5, " .5");             row("double", 15.0, " 15");
    row("double", -0.5, "-.5");            row("double", -1.25, "-1.25");
    row("double", 1e14, " 100000000000000"); row("double", 1e15, " 1E+15");
    row("double", 1e-5, " 1E-05");         row("double", 1e20, " 1E+20");
    row("int", 0, " 0");                   row("int", 5, " 5");
    row("int", 10, " 10");                 row("int", -3, "-3");
    row("int", 32767, " 32767");           row("int", -32768, "-32768");
    // clang-format on
}

void tst_number_text::number_text()
{
    QFETCH(QString, type);
    QFETCH(double, value);
    QFETCH(QString, text);
    if (type == QLatin1String("single"))
        QCOMPARE(Number_Text(static_cast<float>(value)), text);
    else if (type == QLatin1String("double"))
        QCOMPARE(Number_Text(value), text);
    else
        QCOMPARE(Number_Text(static_cast<int>(value)), text);
}

void tst_number_text::point_in_every_locale_data()
{
    QTest::addColumn<QString>("setting");
    QTest::newRow("Qt default German") << QStringLiteral("qt");
    QTest::newRow("C++ global comma") << QStringLiteral("c++");
    QTest::newRow("C library Greek or German") << QStringLiteral("c");
}

void tst_number_text::point_in_every_locale()
{
    QFETCH(QString, setting);
    if (setting == QLatin1String("qt")) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
    } else if (setting == QLatin1String("c++")) {
        std::locale::global(std::locale(std::locale::classic(), new Comma_Punct));
        QCOMPARE(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    } else {
        bool found = false;
        for (const char *name :
             {"el_GR.UTF-8", "el_GR.utf8", "el_GR", "de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            found = found || std::setlocale(LC_ALL, name) != nullptr;
        if (!found)
            QSKIP("No Greek or German C locale is installed on this machine");
        QCOMPARE(*std::localeconv()->decimal_point, ',');
    }
    QCOMPARE(Number_Text(1.5f), QStringLiteral(" 1.5"));
    QCOMPARE(Number_Text(-0.25), QStringLiteral("-.25"));
    QCOMPARE(Number_Text(1 / 3.0), QStringLiteral(" .333333333333333"));
    QCOMPARE(Number_Text(12345), QStringLiteral(" 12345"));
    QCOMPARE(Numeric_Reading(u" 1.5"), 1.5);
    QCOMPARE(Numeric_Reading(u"1,5"), 1.0);
}

void tst_number_text::reading_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("number");
    const auto row = [](const char *name, const char *caption, double number) {
        QTest::newRow(name) << QString::fromUtf8(caption) << number;
    };
    // clang-format off
    row("leading blank", " 1.5", 1.5);       row("design caption", "1.25", 1.25);
    row("negative", "-3", -3.0);             row("sign and point", "-.5", -0.5);
    row("plus sign", "+2", 2.0);             row("blanks and point", "  .5", 0.5);
    row("written tenths", " .04", 0.04);     row("written whole", " 10", 10.0);
    row("trailing point", "5.", 5.0);        row("letters after", "5abc", 5.0);
    row("unit after", "12 Hz", 12.0);        row("two points", "1.2.3", 1.2);
    row("decimal comma", "1,5", 1.0);        row("inf", "inf", 0.0);
    row("nan", "nan", 0.0);                  row("hexadecimal", "0x10", 0.0);
    row("empty", "", 0.0);                   row("blanks only", "   ", 0.0);
    row("letters", "abc", 0.0);              row("Greek", "Κύμα 1", 0.0);
    row("sign only", "-", 0.0);              row("point only", ".", 0.0);
    // clang-format on
}

void tst_number_text::reading()
{
    QFETCH(QString, caption);
    QFETCH(double, number);
    QCOMPARE(Numeric_Reading(caption), number);
}

void tst_number_text::reading_stays_finite_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("at_least");
    QTest::addColumn<double>("at_most");
    const QString digits(400, QLatin1Char('9'));
    QTest::newRow("400 digits") << digits << 1e300 << HUGE_VAL;
    QTest::newRow("minus 400 digits") << QLatin1Char('-') + digits << -HUGE_VAL << -1e300;
    QTest::newRow("400 digits and a point")
        << QStringLiteral("1") + digits + QStringLiteral(".5") << 1e300 << HUGE_VAL;
    QTest::newRow("400 zeros after the point")
        << QStringLiteral(".") + QString(400, QLatin1Char('0')) + QLatin1Char('1') << 0.0 << 1e-300;
    QTest::newRow("Infinity") << QStringLiteral("Infinity") << 0.0 << 0.0;
    QTest::newRow("-inf") << QStringLiteral("-inf") << 0.0 << 0.0;
    QTest::newRow("huge exponent") << QStringLiteral("1e999") << 1.0 << DBL_MAX;
}

void tst_number_text::reading_stays_finite()
{
    QFETCH(QString, caption);
    QFETCH(double, at_least);
    QFETCH(double, at_most);
    const double number = Numeric_Reading(caption);
    QVERIFY(std::isfinite(number));
    QVERIFY2(number >= at_least && number <= at_most, qPrintable(QString::number(number)));
}

// Every caption a scroll bar can write reads back as the very number it was written from.
void tst_number_text::scroll_bar_values_read_back()
{
    for (int value = 1; value <= 20; ++value) {
        QCOMPARE(Numeric_Reading(Number_Text(value)), static_cast<double>(value));
        QCOMPARE(Numeric_Reading(Number_Text(value / 10.0)), value / 10.0);
    }
}

QTEST_APPLESS_MAIN(tst_number_text)
#include "tst_number_text.moc"
