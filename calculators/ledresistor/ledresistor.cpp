// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledresistor.h"

#include "numbers.h"
#include "partvalues.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ledresistor {

namespace {

using common::Part;

// Steps a value this far down in ratio to reach the standard value below
// it: far above rounding noise, far below the gap of any series.
constexpr double kStepBelow = 1e-9;

// A field read as a quantity, or the message that it cannot be.
struct Field {
    std::optional<double> value;
    bool blank = false;
    QString message;
};

Field readField(const QString &text, QStringView unit, QStringView caption, QStringView example)
{
    Field field;
    if (common::isBlank(text)) {
        field.blank = true;
        return field;
    }
    field.value = partvalues::readQuantity(text, unit);
    if (!field.value) {
        field.message = QStringLiteral("„%1“ ist nicht lesbar: erwartet z. B. %2.").arg(caption, example);
    } else if (!(*field.value > 0)) {
        field.message = QStringLiteral("„%1“ muss größer als 0 sein.").arg(caption);
        field.value.reset();
    }
    return field;
}

// A count from 1 to `most`, or the message why not.
Field readCount(const QString &text, QStringView caption, int most)
{
    Field field;
    if (common::isBlank(text)) {
        field.blank = true;
        return field;
    }
    const std::optional<double> n = common::number(text);
    if (n && *n >= 1 && *n <= most && *n == std::floor(*n))
        field.value = n;
    else
        field.message = QStringLiteral("„%1“ braucht eine ganze Zahl von 1 bis %2.").arg(caption).arg(most);
    return field;
}

// The supply's spread in per cent, from 0 to below 100; blank is 0.
Field readSpread(const QString &text)
{
    Field field;
    field.value = common::isBlank(text) ? 0 : partvalues::readQuantity(text, u"%");
    if (!field.value)
        field.message = QStringLiteral("„±“ ist nicht lesbar: erwartet z. B. 5 (in %).");
    else if (*field.value < 0 || *field.value >= 100)
        field.message = QStringLiteral("„±“ muss von 0 bis unter 100 % liegen.");
    return field;
}

QString amps(double value)
{
    return partvalues::formatQuantity(value, u"A");
}

QString ohms(double value)
{
    return partvalues::formatValue(value, Part::Resistor);
}

// The standard value to use for `exact` in the series: the value itself
// where it is one, else the next above. 0 where the series has none.
double standardAtOrAbove(double exact, QStringView series)
{
    for (const partvalues::Neighbours &n : partvalues::neighbours(exact, Part::Resistor)) {
        if (n.series != series)
            continue;
        if (n.standard) // nearer of the two, whichever side rounding put it
            return std::abs(n.below / exact - 1) <= std::abs(n.above / exact - 1) ? n.below : n.above;
        return n.above;
    }
    return 0;
}

double standardBelow(double standard, QStringView series)
{
    for (const partvalues::Neighbours &n : partvalues::neighbours(standard * (1 - kStepBelow), Part::Resistor)) {
        if (n.series == series)
            return n.below;
    }
    return 0;
}

QString fitting(int fit)
{
    if (fit == 1)
        return QStringLiteral("höchstens 1 passt.");
    return QStringLiteral("höchstens %1 passen.").arg(fit);
}

} // namespace

Result calculate(const Input &input)
{
    Result r;
    const Field supply = readField(input.supply, u"V", u"Betriebsspannung", u"12 oder 4,5 V");
    const Field spread = readSpread(input.supplySpread);
    const Field forward = readField(input.forward, u"V", u"Durchlassspannung", u"2 oder 2,1 V");
    const Field from = readField(input.forwardFrom, u"V", u"von", u"1,8 oder 1,8 V");
    const Field to = readField(input.forwardTo, u"V", u"bis", u"2,2 oder 2,2 V");
    const Field current = readField(input.current, u"A", u"LED-Strom", u"20 mA oder 0,02 A");
    const Field inSeries = readCount(input.inSeries, u"LEDs in Reihe", kMostInSeries);
    const Field strings = readCount(input.strings, u"Stränge parallel", kMostStrings);
    const auto series = std::find_if(std::begin(kSeries), std::end(kSeries),
                                     [&input](const SeriesTolerance &s) { return s.series.name == input.series; });

    if (supply.value)
        r.circuit.supply = partvalues::formatQuantity(*supply.value, u"V");
    if (inSeries.value)
        r.circuit.inSeries = int(*inSeries.value);
    if (strings.value)
        r.circuit.strings = int(*strings.value);

    for (const Field *field : {&supply, &spread, &forward, &from, &to, &current, &inSeries, &strings}) {
        if (!field->message.isEmpty()) {
            r.message = field->message;
            return r;
        }
    }
    if (!supply.value || !forward.value || !from.value || !to.value || !current.value || !inSeries.value
        || !strings.value || series == std::end(kSeries))
        return r;

    const double ub = *supply.value;
    const double uf = *forward.value;
    const double i = *current.value;
    const int n = r.circuit.inSeries;
    const int m = r.circuit.strings;
    if (!(*from.value <= uf && uf <= *to.value)) {
        r.message = QStringLiteral("Die Durchlassspannung braucht „von“ ≤ typisch ≤ „bis“.");
        return r;
    }
    if (ub <= n * uf) {
        int fit = 0;
        while ((fit + 1) * uf < ub)
            ++fit;
        r.message = n == 1 ? QStringLiteral("Die Betriebsspannung reicht nicht für eine LED.")
                           : QStringLiteral("Die Betriebsspannung reicht nicht für %1 LEDs in Reihe; ").arg(n)
                                 + fitting(fit);
        return r;
    }

    const double across = ub - n * uf;
    const double exact = across / i;
    const double standard = standardAtOrAbove(exact, input.series);
    if (!(standard > 0)) {
        r.message = QStringLiteral("Der Widerstand von %1 liegt außerhalb der Normwerte.").arg(ohms(exact));
        return r;
    }
    const double actual = across / standard;
    const double power = across * actual;
    const auto rating = std::find_if(std::begin(kRatings), std::end(kRatings),
                                     [power](const Rating &row) { return power <= row.watts * kLoad; });
    const double smaller = standardBelow(standard, input.series);

    const double s = *spread.value / 100;
    const double t = series->percent / 100;
    const double lowest = std::max(0.0, (ub * (1 - s) - n * *to.value) / (standard * (1 + t)));
    const double highest = (ub * (1 + s) - n * *from.value) / (standard * (1 - t));

    r.circuit.resistor = ohms(standard);
    r.exact = ohms(exact);
    r.standard = ohms(standard);
    r.current = amps(actual);
    r.voltage = partvalues::formatQuantity(across, u"V");
    r.power = partvalues::formatQuantity(power, u"W");
    r.rating = rating != std::end(kRatings) ? rating->name.toString() : QStringLiteral("mehr als 5 W");
    if (smaller > 0) {
        r.smaller = ohms(smaller);
        r.smallerCurrent = amps(across / smaller);
    }
    r.worstCase = QStringLiteral("%1 bis %2").arg(amps(lowest), amps(highest));
    r.ledPower = partvalues::formatQuantity(uf * actual, u"W");
    r.totalCurrent = amps(m * actual);
    r.totalPower = partvalues::formatQuantity(ub * m * actual, u"W");
    r.ledShare = common::format(n * uf / ub * 100, u"0.#") + QStringLiteral(" %");

    // Measured against the standard value's own current: the step to the
    // standard value is a choice, the swing around it is what the note is about.
    if (lowest < actual * (1 - kCurrentStray) || highest > actual * (1 + kCurrentStray)) {
        r.notes.append(QStringLiteral("Der Strom schwankt zwischen %1 und %2: Für den Widerstand bleibt zu wenig "
                                      "Spannung. Weniger LEDs in Reihe oder eine höhere Betriebsspannung wählen.")
                           .arg(amps(lowest), amps(highest)));
    }
    if (rating == std::end(kRatings)) {
        r.notes.append(QStringLiteral("%1 sind mehr, als ein 5-W-Widerstand bei halber Last verträgt: besser eine "
                                      "Konstantstromquelle oder einen Schaltregler verwenden.")
                           .arg(r.power));
    }
    return r;
}

QString describe(const Circuit &circuit)
{
    QString text = QStringLiteral("Betriebsspannung %1, Vorwiderstand %2, %3 in Reihe")
                       .arg(circuit.supply.isEmpty() ? QStringLiteral("Ub") : circuit.supply,
                            circuit.resistor.isEmpty() ? QStringLiteral("R") : circuit.resistor,
                            circuit.inSeries == 1 ? QStringLiteral("1 LED")
                                                  : QStringLiteral("%1 LEDs").arg(circuit.inSeries));
    if (circuit.strings > 1)
        text += QStringLiteral("; %1 Stränge parallel, jeder mit eigenem Widerstand").arg(circuit.strings);
    return text + u'.';
}

} // namespace ledresistor
