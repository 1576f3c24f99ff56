// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the marking reader with arbitrary text, as typed or pasted into
// the field of "Bauteilwerte", once as a resistor and once as a capacitor.
//
// Properties: a text has readings or a message, never both, and blank text
// neither; every reading has a value the part can have and a description;
// every marking written for a reading's value, and its exact ring codes,
// read again to that very value.

#include "oracle.h"
#include "partvalues.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

bool readsBackTo(const QString &text, common::Part part, double value)
{
    const auto readings = partvalues::read(text, part).readings;
    return std::any_of(readings.begin(), readings.end(), [value](const auto &r) { return r.value == value; });
}

void check(const QString &text, common::Part part)
{
    const partvalues::Readings result = partvalues::read(text, part);
    const bool blank = text.trimmed().isEmpty();
    if (blank && (!result.readings.empty() || !result.message.isEmpty()))
        fuzzing::fail("blank text has neither readings nor a message", text);
    if (!blank && result.readings.empty() != !result.message.isEmpty())
        fuzzing::fail("a text has readings or a message, never both", text);

    for (const partvalues::Reading &r : result.readings) {
        const QString shown = text + QStringLiteral(" read as ") + fuzzing::show(r.value);
        if (!std::isfinite(r.value) || r.value < 0 || partvalues::describe(r, part).isEmpty() || r.label.isEmpty())
            fuzzing::fail("a reading has a value the part can have and a description", shown);
        for (const partvalues::Marking &m : partvalues::markings(r.value, part, r.tolerance)) {
            if (m.possible && !readsBackTo(m.text, part, r.value))
                fuzzing::fail("every marking reads back to the value", shown + QStringLiteral(", written ") + m.text);
        }
        if (part != common::Part::Resistor)
            continue;
        const QStringView colour = r.tolerance ? partvalues::toleranceColour(*r.tolerance) : QStringView();
        for (const int digits : {2, 3}) {
            const partvalues::RingCode code = partvalues::rings(r.value, digits, colour.isEmpty() ? u"gold" : colour);
            if (code.exact && !readsBackTo(code.words, part, r.value))
                fuzzing::fail("every exact ring code reads back to the value",
                              shown + QStringLiteral(", rings ") + code.words);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    check(text, common::Part::Resistor);
    check(text, common::Part::Capacitor);
    return 0;
}
