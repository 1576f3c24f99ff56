// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes number(text) with arbitrary text, as a paste through the context
// menu can bring it into any entry field.
//
// Properties: number() accepts exactly the texts of the entry grammar whose
// value lies inside the double range, never gives NaN or infinity, and gives
// the nearest double to the decimal value written.

#include "numbers.h"
#include "oracle.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

constexpr std::size_t kLongest = 512;

// The entry grammar: blanks (spaces only, no tabs) around, an optional sign, digits with thousands
// full stops anywhere among them, at most one decimal comma, at least one
// digit (checked below), an optional exponent.
const std::regex kGrammar(R"( *([+-]?)([0-9.]*)(,([0-9]*))?([eE][+-]?[0-9]+)? *)");

struct Reading {
    bool grammatical = false;
    bool significant = false; // some digit of the mantissa is not 0
    std::string cForm;        // the same number as strtod reads it
};

Reading read(const QString &text)
{
    Reading r;
    for (const QChar c : text) {
        if (c.unicode() > 0x7f)
            return r;
    }
    const std::string ascii = text.toStdString();
    std::smatch m;
    if (!std::regex_match(ascii, m, kGrammar))
        return r;
    std::string integer = m[2].str();
    std::erase(integer, '.');
    const std::string fraction = m[4].str();
    if (integer.empty() && fraction.empty())
        return r;
    r.grammatical = true;
    r.significant = (integer + fraction).find_first_not_of('0') != std::string::npos;
    r.cForm = m[1].str() + (integer.empty() ? "0" : integer) + "." + fraction + m[5].str();
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // std::regex recurses per character; longer texts would only test its stack.
    if (size > kLongest)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<double> value = common::number(text);
    const Reading expected = read(text);

    if (value && !std::isfinite(*value))
        fuzzing::fail("number() gives only finite values", text);
    if (!expected.grammatical) {
        if (value)
            fuzzing::fail("number() refuses text outside the entry grammar",
                          text + QStringLiteral(" read as ") + fuzzing::show(*value));
        return 0;
    }

    const double nearest = std::strtod(expected.cForm.c_str(), nullptr);
    const bool inRange = std::isfinite(nearest) && (nearest != 0.0 || !expected.significant);
    if (inRange != value.has_value())
        fuzzing::fail(inRange ? "number() reads every value inside the double range"
                              : "number() refuses values beyond the double range",
                      text);
    if (value && *value != nearest)
        fuzzing::fail("number() gives the nearest double",
                      text + QStringLiteral(" read as ") + fuzzing::show(*value) + QStringLiteral(", nearest is ")
                          + fuzzing::show(nearest));
    return 0;
}
