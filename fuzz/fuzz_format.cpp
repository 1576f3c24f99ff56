// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes format(value, pattern) with every number pattern the programs use
// and any double, including the non-finite ones and subnormals.
//
// Properties: the text has the pattern's shape (sign, digits grouped by full
// stops where the pattern groups, decimals between its minimum and maximum,
// no trailing zero beyond the minimum, no minus sign on a zero); it carries
// at most 15 significant digits; and it reads back through number() as the
// value rounded first to 15 significant digits and then, half away from
// zero, to the pattern's maximum count of decimals. Non-finite values give
// empty text, and the empty pattern gives general().

#include "numbers.h"
#include "oracle.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct PatternShape {
    const char16_t *pattern;
    int minInteger;
    int minFraction;
    int maxFraction;
    bool grouped;
};

// The patterns of the calculator windows and the converter, with the shape
// each one stands for.
constexpr std::array kPatterns{
    PatternShape{u"0.000", 1, 3, 3, false},
    PatternShape{u"#,##0.0########", 1, 1, 9, true},
    PatternShape{u"#,##0.00", 1, 2, 2, true},
    PatternShape{u"#,##0.0000", 1, 4, 4, true},
    PatternShape{u"#,##0.000000", 1, 6, 6, true},
    PatternShape{u"", 0, 0, 0, false},
    PatternShape{u"#,###,##0.0000", 1, 4, 4, true},
    PatternShape{u"0.000000000000000", 1, 15, 15, false},
    PatternShape{u"0.00", 1, 2, 2, false},
    PatternShape{u"0", 1, 0, 0, false},
    PatternShape{u"###,###,###,##0.0", 1, 1, 1, true},
    PatternShape{u"###,###,##0.00", 1, 2, 2, true},
    PatternShape{u"###,##0.00", 1, 2, 2, true},
    PatternShape{u"###,##0.00#########################", 1, 2, 27, true},
};

// Checks the text against the pattern's shape; returns what is wrong, or
// nothing.
const char *shapeFault(const QString &text, const PatternShape &p)
{
    static const QRegularExpression grouped(QStringLiteral(R"(^(-?)([0-9]{1,3}(?:\.[0-9]{3})*)(?:,([0-9]+))?$)"));
    static const QRegularExpression plain(QStringLiteral(R"(^(-?)([0-9]+)(?:,([0-9]+))?$)"));
    const QRegularExpressionMatch m = (p.grouped ? grouped : plain).match(text);
    if (!m.hasMatch())
        return p.grouped ? "not digits grouped in threes by full stops, then decimals"
                         : "not plain digits, then decimals";
    QString integer = m.captured(2);
    integer.remove(u'.');
    const QString fraction = m.captured(3);
    if (integer.size() < p.minInteger)
        return "fewer integer digits than the pattern's minimum";
    if (integer.size() > std::max(p.minInteger, 1) && integer.startsWith(u'0'))
        return "leading zero beyond the pattern's minimum";
    if (fraction.size() < p.minFraction || fraction.size() > p.maxFraction)
        return "decimals outside the pattern's range";
    if (fraction.size() > p.minFraction && fraction.endsWith(u'0'))
        return "trailing zero beyond the pattern's minimum";

    const QString digits = integer + fraction;
    const qsizetype first = std::find_if(digits.cbegin(), digits.cend(), [](QChar c) { return c != u'0'; })
                            - digits.cbegin();
    if (!m.captured(1).isEmpty() && first == digits.size())
        return "minus sign on a zero";
    {
        const QString beyond = digits.mid(first + 15);
        if (beyond.count(u'0') != beyond.size())
            return "more than 15 significant digits";
    }
    return nullptr;
}

// The value rounded half away from zero to `decimals` decimals, written as
// C text, computed in integers from the 15 significant digits.
std::string roundedText(const fuzzing::Decimal15 &d, int decimals)
{
    // The mantissa stands for mantissa * 10^(exponent - 14); scaled to
    // whole units of the last decimal it is mantissa * 10^shift.
    const int shift = d.exponent - 14 + decimals;
    std::string units;
    if (shift >= 0) {
        units = std::to_string(d.mantissa) + std::string(std::size_t(shift), '0');
    } else if (shift < -16) {
        units = "0";
    } else {
        std::int64_t divisor = 1;
        for (int k = 0; k < -shift; ++k)
            divisor *= 10;
        units = std::to_string((d.mantissa + divisor / 2) / divisor);
    }
    return (d.negative ? "-" : "") + units + "e-" + std::to_string(decimals);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const PatternShape &shape = kPatterns[std::uint8_t(data[0] - 'a') % kPatterns.size()];
    const QString pattern = QString::fromUtf16(shape.pattern);
    const double value = fuzzing::valueFrom(data + 1, size - 1);
    const QString text = common::format(value, pattern);
    const QString context = QStringLiteral("\"%1\" of %2 gives \"%3\"").arg(pattern, fuzzing::show(value), text);

    if (pattern.isEmpty()) {
        if (text != common::general(value))
            fuzzing::fail("the empty pattern means the general form", context);
        return 0;
    }
    if (!std::isfinite(value)) {
        if (!text.isEmpty())
            fuzzing::fail("non-finite values give empty text", context);
        return 0;
    }
    if (const char *fault = shapeFault(text, shape))
        fuzzing::fail(fault, context);

    const fuzzing::Decimal15 d = fuzzing::decimal15(value);
    if (!std::isfinite(fuzzing::toDouble(d)))
        return 0; // beyond the double range once rounded: cannot be read back
    const double expected = std::strtod(roundedText(d, shape.maxFraction).c_str(), nullptr);
    const std::optional<double> back = common::number(text);
    if (!back)
        fuzzing::fail("the text reads back through number()", context);
    if (*back != expected)
        fuzzing::fail("the text reads back as the value rounded to 15 digits, then to the decimals",
                      context + QStringLiteral(", expected ") + fuzzing::show(expected));
    return 0;
}
