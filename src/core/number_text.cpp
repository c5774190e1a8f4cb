#include "core/number_text.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace Simulation {

namespace {

QString Format_Significant(double value, int digits)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral(" NaN")
                                 : (value > 0 ? QStringLiteral(" Inf") : QStringLiteral("-Inf"));
    // The general form drops trailing zeros and switches to an exponent only for very large or
    // small magnitudes; to_chars ignores the process locale, so the separator is always a point.
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits)
            .ptr;
    QString text = QString::fromLatin1(buffer, end - buffer).toUpper();
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    if (!text.startsWith(QLatin1Char('-')))
        text.prepend(QLatin1Char(' '));
    return text;
}

} // namespace

QString Number_Text(float value)
{
    return Format_Significant(static_cast<double>(value), 7);
}

QString Number_Text(double value)
{
    return Format_Significant(value, 15);
}

QString Number_Text(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

double Numeric_Reading(QStringView caption)
{
    qsizetype i = 0;
    while (i < caption.size() && (caption[i] == u' ' || caption[i] == u'\t'))
        ++i;
    std::string number;
    if (i < caption.size() && (caption[i] == u'-' || caption[i] == u'+'))
        number += static_cast<char>(caption[i++].unicode());
    bool digits = false;
    while (i < caption.size() && caption[i] >= u'0' && caption[i] <= u'9') {
        number += static_cast<char>(caption[i++].unicode());
        digits = true;
    }
    if (i < caption.size() && caption[i] == u'.') {
        number += '.';
        ++i;
        while (i < caption.size() && caption[i] >= u'0' && caption[i] <= u'9') {
            number += static_cast<char>(caption[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // from_chars ignores the process locale; a run of hundreds of digits is held at the largest
    // finite double rather than becoming infinite.
    const bool negative = number.front() == '-';
    const char *first = number.data() + ((negative || number.front() == '+') ? 1 : 0);
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large when a digit before the point is not 0, otherwise too small.
        const std::string whole = number.substr(0, number.find('.'));
        value = whole.find_first_not_of("+-0") == std::string::npos ? 0.0 : DBL_MAX;
    }
    return negative ? -value : value;
}

} // namespace Simulation
