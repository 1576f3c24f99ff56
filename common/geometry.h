// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QStringView>

#include <cmath>

// Window layouts are drawn up in twips: 15 twips are one pixel at 96 dots per
// inch. Qt's device-independent pixels are 96-dpi pixels, so high-DPI screens
// scale the whole window and the layout stays as drawn.
namespace common {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// A font size in points at 96 dots per inch, as a pixel size: 8.25 pt is 11 px.
inline int pointsToPixels(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

// Where one control of a window stands, in twips. A height of 0 means "as
// high as its font makes it" (drop-down lists).
struct Placement {
    QStringView name;
    int left;
    int top;
    int width;
    int height;
};

} // namespace common
