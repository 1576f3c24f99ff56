// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcodes.h"

namespace colourchart {

namespace {

constexpr qsizetype kDigits = 8;

std::optional<quint32> hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return quint32(c.unicode() - u'0');
    if (c >= u'A' && c <= u'F')
        return quint32(c.unicode() - u'A' + 10);
    return std::nullopt;
}

} // namespace

std::optional<quint32> colourNumber(QStringView code)
{
    if (code.size() != kDigits + 3 || !code.startsWith(u"&H") || !code.endsWith(u'&'))
        return std::nullopt;
    quint32 number = 0;
    for (const QChar c : code.mid(2, kDigits)) {
        const std::optional<quint32> digit = hexDigit(c);
        if (!digit)
            return std::nullopt;
        number = number * 16 + *digit;
    }
    // The leading byte is always 00: the codes name colours, nothing else.
    if (number > 0xFFFFFFu)
        return std::nullopt;
    return number;
}

} // namespace colourchart
