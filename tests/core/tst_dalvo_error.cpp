// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dalvo_error.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <limits>

using namespace Simulation;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// One checked step on its operands, its result as a double.
double Run_Step(const QString &step, double a, double b)
{
    if (step == u"single")
        return static_cast<double>(To_Single(a));
    if (step == u"divide")
        return Checked_Divide(a, b);
    return Nearest_Integer(a);
}

} // namespace

// The checked arithmetic steps and the run errors they raise, with the numbers users know.
class tst_dalvo_error : public QObject
{
    Q_OBJECT

private slots:
    // "error": 0 for a result, else the number of the error raised, with its text.
    void checked_steps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("result");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *step, double a, double b, double result,
                            int error = 0, const char *text = "") {
            QTest::newRow(name) << QString(step) << a << b << result << error << QString(text);
        };
        const double flt_max = FLT_MAX;
        // To a single: the nearest single, an error where none is near.
        row("single 0.1 rounded", "single", 0.1, 0, 0.100000001490116119384765625);
        row("single, largest", "single", flt_max, 0, flt_max);
        row("single, tiny to 0", "single", 1e-50, 0, 0);
        row("single 1E+39", "single", 1e39, 0, 0, 6, "Overflow");
        row("single -1E+39", "single", -1e39, 0, 0, 6, "Overflow");
        row("single, NaN", "single", NaN, 0, 0, 6, "Invalid floating-point operation");
        // Division: by zero is error 11, but 0 / 0 is an overflow (6), as users have always seen.
        row("1 / 4", "divide", 1, 4, 0.25);
        row("0 / 5", "divide", 0, 5, 0);
        row("1 / 0", "divide", 1, 0, 0, 11, "Division by zero");
        row("0 / 0", "divide", 0, 0, 0, 6, "Overflow");
        row("quotient too large", "divide", 1e308, 1e-308, 0, 6, "Overflow");
        row("NaN / 1", "divide", NaN, 1, 0, 6, "Overflow");
        // The nearest 16-bit integer, halves to the even neighbour.
        row("2.5 down to even", "integer", 2.5, 0, 2);
        row("32767.4", "integer", 32767.4, 0, 32767);
        row("-32768.5 to even -32768", "integer", -32768.5, 0, -32768);
        row("32767.5 to 32768", "integer", 32767.5, 0, 0, 6, "Overflow");
        row("-32769", "integer", -32769, 0, 0, 6, "Overflow");
        row("integer, NaN", "integer", NaN, 0, 0, 6, "Overflow");
    }

    void checked_steps()
    {
        QFETCH(QString, step);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, result);
        QFETCH(int, error);
        QFETCH(QString, text);
        try {
            const double got = Run_Step(step, a, b);
            QVERIFY2(error == 0, "no error raised");
            QVERIFY2(got == result, qPrintable(QString::number(got, 'g', 17)));
        } catch (const Dalvo_Error &raised) {
            QCOMPARE(static_cast<int>(raised.code()), error);
            QCOMPARE(QString::fromStdString(raised.what()), text);
        }
    }

    // The text as the caller reads it, also where the error is caught as a standard one.
    void text_as_standard_error()
    {
        const std::runtime_error &caught =
            Dalvo_Error(Error_Code::Invalid_Property_Value, QStringLiteral("Τιμή 1E+39"));
        QCOMPARE(QString::fromUtf8(caught.what()), QStringLiteral("Τιμή 1E+39"));
    }
};

QTEST_APPLESS_MAIN(tst_dalvo_error)
#include "tst_dalvo_error.moc"
