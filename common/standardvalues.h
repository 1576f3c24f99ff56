// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <vector>

// The standard values resistors and capacitors are sold in (the E series),
// and which of them lie nearest to a computed value. No widgets.
namespace common {

// One decade of a series in hundredths: 100 stands for 1,0 and 976 for
// 9,76. E6, E12 and E24 are the published lists; E24 keeps the eight values
// that do not follow 10^(i/24) (2,7 3,0 3,3 3,6 3,9 4,3 4,7 8,2). E96 is
// 10^(i/96) rounded to two decimals, E48 every second E96 value. E192 is
// 10^(i/192) rounded to two decimals, except 9,20, which the published list
// has where the formula gives 9,19.
inline constexpr int kE6[] = {100, 150, 220, 330, 470, 680};
inline constexpr int kE12[] = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
inline constexpr int kE24[] = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                               330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
inline constexpr int kE96[] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};
inline constexpr int kE48[] = {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953,
};
inline constexpr int kE192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

struct Series {
    QStringView name;
    std::span<const int> hundredths;
};

inline constexpr Series kSeriesE6{u"E6", kE6};
inline constexpr Series kSeriesE12{u"E12", kE12};
inline constexpr Series kSeriesE24{u"E24", kE24};
inline constexpr Series kSeriesE48{u"E48", kE48};
inline constexpr Series kSeriesE96{u"E96", kE96};
inline constexpr Series kSeriesE192{u"E192", kE192};

// Every value of `series` as hundredths × 10^firstExponent for `decades`
// decades, and the first value of the decade after them, ascending: the
// parts to search when two or three of them make a value (firstExponent -2
// starts at 1 Ohm). Each value is the double nearest to its decimal value.
// The exponents used lie within ±22.
std::vector<double> standardValues(const Series &series, int firstExponent, int decades);

// What a computed value stands for. Resistors are offered in E12, E24 and
// E96, capacitors in E6 and E12.
enum class Part {
    Resistor,  // value in ohm
    Capacitor, // value in farad
};

// A unit or prefix letter and the power of ten it stands for.
struct Unit {
    QStringView name;
    int exponent;
};

// Significant digits ("47") whose first digit stands for 10^exponent,
// written in the largest of the part's units (Ohm, kOhm, MOhm, GOhm; pF,
// nF, µF, F) that is not above that digit, with the decimal comma and no
// trailing zeros: "4,7 kOhm", "470 pF", "0,47 Ohm". Built from the digits
// rather than printed from a double, which could end in ...9999 or put
// 1 nF down as 1000 pF. "0" is written in the smallest unit, whatever
// `exponent`: "0 Ohm", "0 pF".
QString writtenInUnit(QStringView digits, int exponent, Part part);
// The same in the units of a table, ascending, such as {"µA", -6},
// {"mA", -3}, {"A", 0}: "9,091 mA". The first unit also takes what lies
// below it ("0,5 µA").
QString writtenInUnit(QStringView digits, int exponent, std::span<const Unit> units);

// The value of `series` nearest to `value` by ratio, searched across decade
// boundaries (9,8 kOhm is nearest to 10 kOhm in E12); of two equally near
// ones the larger. Written with at most three significant digits, the
// decimal comma, no grouping and no trailing zeros, in the unit that suits
// the value: "0,47 Ohm", "17,4 kOhm", "4700 µF". Resistors are written in
// Ohm, kOhm, MOhm or GOhm, capacitors in pF, nF, µF or F, each unit from
// its own size up to below the next one's.
// Empty when `value` is not within 0,01 Ohm to 100 GOhm for resistors or
// 0,1 pF to 10 F for capacitors (so also for zero, negative or non-finite
// values): no part is sold there.
QString nearestStandardValue(double value, Part part, const Series &series);

// "Nächste Normwerte:" and a line "E12: 18 kOhm" for each series of the
// part, separated by line feeds; empty where nearestStandardValue() is.
QString nearestStandardValues(double value, Part part);

} // namespace common
