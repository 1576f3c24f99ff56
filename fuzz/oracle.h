// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <string>

// Independent references the fuzz targets hold the number functions against.
// They use the C library's conversions and plain integer arithmetic, not the
// code under test, so a fault there cannot hide itself.
namespace fuzzing {

// Reports a broken property with the input that broke it and aborts, so that
// libFuzzer saves the input as a crash artifact.
[[noreturn]] void fail(const char *property, const QString &detail);

// A double's decimal form rounded to nearest at 15 significant digits, as
// printf writes it: mantissa 0 (for zero) or 10^14 to 10^15 - 1, and the
// power of ten of the first digit.
struct Decimal15 {
    bool negative = false;
    std::int64_t mantissa = 0;
    int exponent = 0;
};
Decimal15 decimal15(double value);

// The value of a Decimal15 as the nearest double (infinite when it lies
// beyond the double range).
double toDouble(const Decimal15 &d);

// A double from fuzz bytes: the first byte 'b' takes the next eight bytes
// as its bit pattern (reaching NaN, infinities and subnormals); anything
// else reads the rest as C text with strtod, so that decimal ties such as
// "1.005" are easy to reach.
double valueFrom(const std::uint8_t *data, std::size_t size);

// Printable form of a double with all 17 significant digits, for messages.
QString show(double value);

} // namespace fuzzing
