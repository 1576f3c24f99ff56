// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace common {

namespace {

constexpr int kSignificant = 15;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// Only the space: a tab or line break pasted around a number makes it no number.
bool isBlank(QChar c) { return c == u' '; }

// A finite non-zero value as its 15 significant decimal digits and the power
// of ten of the first one, rounded to nearest.
struct Decimal {
    bool negative = false;
    std::string digits; // exactly kSignificant digits, first one non-zero
    int exponent = 0;
};

Decimal decimalOf(double value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, kSignificant - 1);
    const std::string text(buffer.data(), result.ptr);
    Decimal d;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (std::size_t i = pos; i < e; ++i) {
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    }
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

struct Pattern {
    int minInteger = 0;
    int minFraction = 0;
    int maxFraction = 0;
    bool grouped = false;
};

Pattern parsePattern(QStringView pattern)
{
    Pattern p;
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            if (!afterPoint)
                p.grouped = true;
        } else if (c == u'0') {
            (afterPoint ? p.minFraction : p.minInteger)++;
            if (afterPoint)
                ++p.maxFraction;
        } else if (c == u'#') {
            if (afterPoint)
                ++p.maxFraction;
        }
    }
    return p;
}

QString grouped(const QString &integerDigits)
{
    QString out;
    const qsizetype n = integerDigits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u'.';
        out += integerDigits[i];
    }
    return out;
}

} // namespace

bool isBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isBlank(c); });
}

std::optional<double> number(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    std::string plain; // the same number in the C form from_chars reads
    qsizetype i = begin;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            plain.push_back('-');
        ++i;
    }
    int digits = 0;
    for (; i < end && (isDigit(text[i]) || text[i] == u'.'); ++i) {
        if (text[i] != u'.') {
            plain.push_back(char(text[i].unicode()));
            ++digits;
        }
    }
    if (i < end && text[i] == u',') {
        plain.push_back('.');
        for (++i; i < end && isDigit(text[i]); ++i) {
            plain.push_back(char(text[i].unicode()));
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == u'E' || text[i] == u'e')) {
        plain.push_back('e');
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            plain.push_back(char(text[i].unicode()));
            ++i;
        }
        int exponentDigits = 0;
        for (; i < end && isDigit(text[i]); ++i) {
            plain.push_back(char(text[i].unicode()));
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    // from_chars wants no leading "." before its digits: "-.5" becomes "-0.5".
    const std::size_t first = plain.starts_with('-') ? 1 : 0;
    if (plain.size() > first && plain[first] == '.')
        plain.insert(first, 1, '0');

    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString format(double value, QStringView pattern)
{
    if (pattern.isEmpty())
        return general(value);
    if (!std::isfinite(value))
        return {};
    const Pattern p = parsePattern(pattern);

    // Digits of the value rounded to 15 significant ones, with the position
    // of the decimal point: `point` digits stand before it.
    std::string digits;
    int point = 0;
    bool negative = false;
    if (value != 0.0) {
        Decimal d = decimalOf(value);
        negative = d.negative;
        digits = d.digits;
        point = d.exponent + 1;
    }

    // Round half away from zero to the pattern's maximum count of decimals.
    const int keep = point + p.maxFraction;
    if (keep < int(digits.size())) {
        const bool up = keep >= 0 && digits[std::size_t(keep)] >= '5';
        digits.resize(std::size_t(std::max(keep, 0)));
        if (up) {
            int k = keep - 1;
            while (k >= 0 && digits[std::size_t(k)] == '9') {
                digits[std::size_t(k)] = '0';
                --k;
            }
            if (k >= 0) {
                digits[std::size_t(k)]++;
            } else {
                digits.insert(digits.begin(), '1');
                ++point;
            }
        }
    }

    QString integerPart;
    QString fractionPart;
    for (int k = 0; k < int(digits.size()) || k < point; ++k) {
        const char c = k < int(digits.size()) ? digits[std::size_t(k)] : '0';
        if (k < point)
            integerPart += QLatin1Char(c);
        else
            fractionPart += QLatin1Char(c);
    }
    if (point < 0)
        fractionPart.prepend(QString(-point, u'0'));
    if (fractionPart.size() > p.maxFraction)
        fractionPart.truncate(p.maxFraction);
    while (fractionPart.size() < p.maxFraction)
        fractionPart += u'0';
    while (fractionPart.size() > p.minFraction && fractionPart.endsWith(u'0'))
        fractionPart.chop(1);

    // Leading zeros of the integer part go; the pattern's minimum pads again.
    qsizetype lead = 0;
    while (lead < integerPart.size() && integerPart[lead] == u'0')
        ++lead;
    integerPart.remove(0, lead);
    while (integerPart.size() < p.minInteger)
        integerPart.prepend(u'0');

    bool allZero = true;
    for (const QChar c : integerPart + fractionPart) {
        if (c != u'0') {
            allZero = false;
            break;
        }
    }

    QString out;
    if (negative && !allZero)
        out += u'-';
    out += p.grouped ? grouped(integerPart) : integerPart;
    if (!fractionPart.isEmpty())
        out += u',' + fractionPart;
    return out;
}

QString general(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");
    Decimal d = decimalOf(value);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const QString digits = QString::fromLatin1(d.digits.data(), qsizetype(d.digits.size()));

    QString out = d.negative ? QStringLiteral("-") : QString();
    if (d.exponent >= -4 && d.exponent < kSignificant) {
        if (d.exponent >= 0) {
            const qsizetype integerDigits = d.exponent + 1;
            QString integerPart = digits.left(integerDigits);
            while (integerPart.size() < integerDigits)
                integerPart += u'0';
            out += integerPart;
            if (digits.size() > integerDigits)
                out += u',' + digits.mid(integerDigits);
        } else {
            out += QStringLiteral("0,") + QString(-d.exponent - 1, u'0') + digits;
        }
        return out;
    }
    out += QStringView(digits).left(1);
    if (digits.size() > 1)
        out += u',' + digits.mid(1);
    out += u'E';
    out += d.exponent < 0 ? u'-' : u'+';
    out += QStringLiteral("%1").arg(std::abs(d.exponent), 2, 10, QLatin1Char('0'));
    return out;
}

double roundToSignificant15(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, kSignificant - 1);
    double rounded = 0.0;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

} // namespace common
