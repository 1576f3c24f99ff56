// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>

// Decimal values as the module builds them from digits and a power of ten.
namespace partvalues::detail {

// 10^0 to 10^22: each of these doubles is exact.
inline constexpr std::array<double, 23> kPowersOfTen = [] {
    std::array<double, 23> powers{};
    double power = 1;
    for (double &p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// integer × 10^exponent as the nearest double to that decimal value: both
// operands are exact, and one multiplication or division rounds once.
// `integer` below 2^53, `exponent` from -22 to 22.
inline double scaled(std::int64_t integer, int exponent)
{
    Q_ASSERT(exponent >= -22 && exponent <= 22);
    const auto i = static_cast<double>(integer);
    return exponent >= 0 ? i * kPowersOfTen[std::size_t(exponent)] : i / kPowersOfTen[std::size_t(-exponent)];
}

} // namespace partvalues::detail
