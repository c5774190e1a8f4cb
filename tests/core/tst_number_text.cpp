// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include <QLocale>
#include <QtTest>
#include <cfloat>
#include <clocale>
#include <locale>

using Simulation::Number_Text;
using Simulation::Numeric_Reading;

namespace {

// A C++ locale with a decimal comma, whatever locales the system has installed.
struct Comma_Punct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

} // namespace

// The text form of numbers in captions, and the numeric reading of a caption.
class tst_number_text : public QObject
{
    Q_OBJECT

private slots:
    void number_text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("single .04") << Number_Text(0.04f) << " .04";
        QTest::newRow("single 12345678") << Number_Text(12345678.f) << " 1.234568E+07";
        QTest::newRow("double 2/3") << Number_Text(2 / 3.0) << " .666666666666667";
        QTest::newRow("double -.5") << Number_Text(-0.5) << "-.5";
        QTest::newRow("int 10") << Number_Text(10) << " 10";
        QTest::newRow("int -3") << Number_Text(-3) << "-3";
    }

    void number_text()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void reading_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("number");
        QTest::newRow("leading blank") << QStringLiteral(" -.5") << -0.5;
        QTest::newRow("decimal comma") << QStringLiteral("1,5") << 1.0;
        QTest::newRow("inf") << QStringLiteral("inf") << 0.0;
        QTest::newRow("0x10") << QStringLiteral("0x10") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << DBL_MAX;
        QTest::newRow("exponent E+07") << QStringLiteral(" 1E+07") << 1e7;
        QTest::newRow("exponent D3") << QStringLiteral("1D3") << 1000.0;
        QTest::newRow("exponent -1") << QStringLiteral("-2.5e-1") << -0.25;
        QTest::newRow("exponent without digits") << QStringLiteral("2E+") << 2.0;
        QTest::newRow("exponent beyond doubles") << QStringLiteral("1E400") << DBL_MAX;
        QTest::newRow("exponent below doubles") << QStringLiteral(".01E-399") << 0.0;
    }

    void reading()
    {
        QFETCH(QString, caption);
        QFETCH(double, number);
        QCOMPARE(Numeric_Reading(caption), number);
    }

    // Every place a locale can come from says decimal comma; the text keeps its point. Last: it
    // leaves the locales set.
    void point_in_any_locale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::locale::global(std::locale(std::locale::classic(), new Comma_Punct));
        for (const char *name : {"el_GR.UTF-8", "de_DE.UTF-8"}) // when installed
            if (std::setlocale(LC_ALL, name))
                break;
        QCOMPARE(Number_Text(1.5f), QStringLiteral(" 1.5"));
        QCOMPARE(Numeric_Reading(u" 1.5"), 1.5);
    }
};

QTEST_APPLESS_MAIN(tst_number_text)
#include "tst_number_text.moc"
