// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

// The colour chart's data, free of any widget: 42 colour codes and what a
// code denotes.
namespace colourchart {

inline constexpr int kRows = 6;
inline constexpr int kColumns = 7;

// The codes of the swatches Label1 to Label42, numbered column by column:
// greys, then light to dark red, orange, yellow, green, blue and magenta.
inline constexpr std::array<QStringView, kRows * kColumns> kCodes{
    u"&H00FFFFFF&", u"&H00E0E0E0&", u"&H00C0C0C0&", u"&H00808080&", u"&H00404040&", u"&H00000000&",
    u"&H00C0C0FF&", u"&H008080FF&", u"&H000000FF&", u"&H000000C0&", u"&H00000080&", u"&H00000040&",
    u"&H00C0E0FF&", u"&H0080C0FF&", u"&H000080FF&", u"&H000040C0&", u"&H00004080&", u"&H00404080&",
    u"&H00C0FFFF&", u"&H0080FFFF&", u"&H0000FFFF&", u"&H0000C0C0&", u"&H00008080&", u"&H00004040&",
    u"&H00C0FFC0&", u"&H0080FF80&", u"&H0000FF00&", u"&H0000C000&", u"&H00008000&", u"&H00004000&",
    u"&H00FFC0C0&", u"&H00FF8080&", u"&H00FF0000&", u"&H00C00000&", u"&H00800000&", u"&H00400000&",
    u"&H00FFC0FF&", u"&H00FF80FF&", u"&H00FF00FF&", u"&H00C000C0&", u"&H00800080&", u"&H00400040&",
};

// Column and row (both from 1) of swatch `number` (from 1).
constexpr int columnOf(int number)
{
    return (number + kRows - 1) / kRows;
}

constexpr int rowOf(int number)
{
    return (number - 1) % kRows + 1;
}

// The colour number 0x00BBGGRR that a code such as "&H000000FF&" (red)
// denotes: "&H", eight upper-case hexadecimal digits for 00, blue, green and
// red, then "&". Empty for any other text.
std::optional<quint32> colourNumber(QStringView code);

} // namespace colourchart
