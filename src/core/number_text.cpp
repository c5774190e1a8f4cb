// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include <algorithm>
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
    const auto digit_at = [&caption](qsizetype at) {
        return at < caption.size() && caption[at] >= u'0' && caption[at] <= u'9';
    };
    while (i < caption.size() && (caption[i] == u' ' || caption[i] == u'\t'))
        ++i;
    std::string number;
    if (i < caption.size() && (caption[i] == u'-' || caption[i] == u'+'))
        number += static_cast<char>(caption[i++].unicode());
    bool digits = false;
    // The decimal order of the first significant digit: 0 for 1..9, -1 for .1, and so on.
    long order = 0;
    bool significant = false;
    for (; digit_at(i); ++i, digits = true) {
        number += static_cast<char>(caption[i].unicode());
        if (significant)
            order = std::min(order + 1, 1'000'000L);
        significant = significant || caption[i] != u'0';
    }
    if (i < caption.size() && caption[i] == u'.') {
        number += '.';
        for (++i; digit_at(i); ++i, digits = true) {
            number += static_cast<char>(caption[i].unicode());
            if (!significant)
                order = std::max(order - 1, -1'000'000L);
            significant = significant || caption[i] != u'0';
        }
    }
    if (!digits)
        return 0.0;
    // An exponent, "E" or "D" in either case, counts only with at least one digit after its
    // sign; a large one is held where no double reaches, so it still over- or underflows.
    if (i < caption.size() && QStringView(u"EeDd").contains(caption[i])) {
        qsizetype at = i + 1;
        const bool minus = at < caption.size() && caption[at] == u'-';
        if (at < caption.size() && (caption[at] == u'-' || caption[at] == u'+'))
            ++at;
        if (digit_at(at)) {
            long exponent = 0;
            for (; digit_at(at); ++at)
                exponent = std::min(exponent * 10 + (caption[at].unicode() - u'0'), 100'000L);
            if (minus)
                exponent = -exponent;
            number += 'e' + std::to_string(exponent);
            order += exponent;
        }
    }
    // from_chars ignores the process locale. A number beyond the doubles is held at the largest
    // finite one rather than becoming infinite, so a caller's range check reports the overflow.
    const bool negative = number.front() == '-';
    const char *first = number.data() + ((negative || number.front() == '+') ? 1 : 0);
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = significant && order > 0 ? DBL_MAX : 0.0;
    return negative ? -value : value;
}

} // namespace Simulation
