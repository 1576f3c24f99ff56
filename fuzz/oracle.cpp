// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "oracle.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzzing {

void fail(const char *property, const QString &detail)
{
    std::fprintf(stderr, "\nbroken property: %s\n%s\n", property, qUtf8Printable(detail));
    std::abort();
}

Decimal15 decimal15(double value)
{
    Decimal15 d;
    if (value == 0.0)
        return d;
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);
    const char *p = text;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            d.mantissa = d.mantissa * 10 + (*p - '0');
    }
    d.exponent = std::atoi(p + 1);
    return d;
}

double toDouble(const Decimal15 &d)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s%lde%d", d.negative ? "-" : "", long(d.mantissa),
                  d.exponent - 14);
    return std::strtod(text, nullptr);
}

double valueFrom(const std::uint8_t *data, std::size_t size)
{
    if (size > 0 && data[0] == 'b') {
        unsigned char bits[sizeof(double)] = {};
        std::memcpy(bits, data + 1, std::min(size - 1, sizeof bits));
        double value = 0.0;
        std::memcpy(&value, bits, sizeof value);
        return value;
    }
    const std::string text(reinterpret_cast<const char *>(data), size);
    return std::strtod(text.c_str(), nullptr);
}

QString show(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return QString::fromLatin1(text);
}

} // namespace fuzzing
