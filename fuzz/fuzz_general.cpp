// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes general(value) and roundToSignificant15(value) with any double.
//
// Properties: zero gives "0" and non-finite values empty text; otherwise the
// text is the plain form exactly when the decimal exponent lies in -4..14,
// else the exponent form with at least two exponent digits; it carries at
// most 15 significant digits and no trailing zero after the comma; and it
// reads back through number() as the value rounded to 15 significant
// digits, which is also what roundToSignificant15() gives, whenever that
// rounding stays inside the double range.

#include "numbers.h"
#include "oracle.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>

namespace {

const char *shapeFault(const QString &text, double value)
{
    static const QRegularExpression plain(QStringLiteral(R"(^-?(0|[1-9][0-9]*)(,[0-9]*[1-9])?$)"));
    static const QRegularExpression exponent(
        QStringLiteral(R"(^-?[1-9](,[0-9]*[1-9])?E[+-](0[0-9]|[1-9][0-9]{1,2})$)"));
    const fuzzing::Decimal15 d = fuzzing::decimal15(value);
    const bool plainForm = d.exponent >= -4 && d.exponent < 15;
    if (!(plainForm ? plain : exponent).match(text).hasMatch())
        return plainForm ? "not the plain form" : "not the exponent form";
    if (text.startsWith(u'-') != std::signbit(value))
        return "sign differs from the value's";

    QString digits = text.left(plainForm ? text.size() : text.indexOf(u'E'));
    digits.remove(u'-');
    digits.remove(u',');
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.size() > 15)
        return "more than 15 significant digits";
    if (!plainForm && text.mid(text.indexOf(u'E') + 1).toInt() != d.exponent)
        return "exponent differs from the value's";
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const double value = fuzzing::valueFrom(data, size);
    const QString text = common::general(value);
    const QString context = QStringLiteral("%1 gives \"%2\"").arg(fuzzing::show(value), text);

    if (!std::isfinite(value)) {
        if (!text.isEmpty())
            fuzzing::fail("non-finite values give empty text", context);
        return 0;
    }
    if (value == 0.0) {
        if (text != QLatin1String("0"))
            fuzzing::fail("zero gives \"0\"", context);
        return 0;
    }
    if (const char *fault = shapeFault(text, value))
        fuzzing::fail(fault, context);

    const double rounded = fuzzing::toDouble(fuzzing::decimal15(value));
    if (!std::isfinite(rounded))
        return 0; // the rounding leaves the double range: nothing to read back
    if (common::roundToSignificant15(value) != rounded)
        fuzzing::fail("roundToSignificant15() rounds to nearest at 15 digits",
                      context + QStringLiteral(", gives ") + fuzzing::show(common::roundToSignificant15(value))
                          + QStringLiteral(", expected ") + fuzzing::show(rounded));
    const std::optional<double> back = common::number(text);
    if (!back)
        fuzzing::fail("the text reads back through number()", context);
    if (*back != rounded)
        fuzzing::fail("the text reads back as the value rounded to 15 digits",
                      context + QStringLiteral(", reads ") + fuzzing::show(*back) + QStringLiteral(", expected ")
                          + fuzzing::show(rounded));
    return 0;
}
