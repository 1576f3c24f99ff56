// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QtGlobal>

namespace common {

// The windows' colours are kept as colour numbers 0x00BBGGRR, blue byte
// first, as the design lists them; QColor wants red first.
constexpr QRgb rgbFromColourNumber(quint32 colourNumber)
{
    const quint32 red = colourNumber & 0xFFu;
    const quint32 green = (colourNumber >> 8) & 0xFFu;
    const quint32 blue = (colourNumber >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

inline QColor colourFromNumber(quint32 colourNumber)
{
    return QColor::fromRgb(rgbFromColourNumber(colourNumber));
}

// Colours that several windows share.
inline constexpr quint32 kRed = 0x0000FF;   // RGB 255, 0, 0
inline constexpr quint32 kBlack = 0x000000;
inline constexpr quint32 kWhite = 0xFFFFFF;

} // namespace common
