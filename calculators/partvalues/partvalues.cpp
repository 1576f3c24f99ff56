// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "partvalues.h"

#include "decimal.h"
#include "numbers.h"
#include "resistorcode.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace partvalues {

namespace {

using common::Part;
using detail::scaled;

// Longer text is no marking; it is refused before any parsing.
constexpr qsizetype kLongest = 100;

// What read() accepts: from a milliohm shunt to a teraohm, from a hundredth
// of a picofarad (the smallest capacitor code) to the largest double-layer
// capacitors. Zero is a resistor only: the zero-ohm link.
constexpr double kResistorSmallest = 1e-3;
constexpr double kResistorLargest = 1e12;
constexpr double kCapacitorSmallest = 1e-14;
constexpr double kCapacitorLargest = 1e4;

// The prefixes of readQuantity(), "u" for a micro sign the keyboard lacks.
constexpr common::Unit kQuantityPrefixes[] = {{u"p", -12}, {u"n", -9}, {u"u", -6}, {u"\u00B5", -6},
                                              {u"m", -3},  {u"k", 3},  {u"M", 6},  {u"G", 9}};

// Two values this close in ratio are the same standard value.
constexpr double kSame = 1e-12;

using common::Unit;

// Letters of the letter-and-digit code (IEC 60062), as written.
constexpr Unit kResistorLetters[] = {{u"R", 0}, {u"K", 3}, {u"M", 6}, {u"G", 9}, {u"T", 12}};
constexpr Unit kCapacitorLetters[] = {{u"p", -12}, {u"n", -9}, {u"\u00B5", -6}, {u"m", -3}, {u"F", 0}};

// Tolerance letters (IEC 60062): per cent, and picofarad on capacitors
// below 10 pF where the letter has such a meaning (0 where not).
struct LetterTolerance {
    char16_t letter;
    double percent;
    double picofarad;
};

constexpr LetterTolerance kToleranceLetters[] = {
    {u'B', 0.1, 0.1}, {u'C', 0.25, 0.25}, {u'D', 0.5, 0.5}, {u'F', 1, 1},
    {u'G', 2, 2},     {u'J', 5, 0},       {u'K', 10, 0},    {u'M', 20, 0},
};
constexpr double kPicofaradLetterBelow = 10e-12;

// EIA-96 multiplier letters, with the letters some makers use instead.
struct MultiplierLetter {
    char16_t letter;
    int exponent;
};

constexpr MultiplierLetter kEiaLetters[] = {
    {u'Z', -3}, {u'Y', -2}, {u'R', -2}, {u'X', -1}, {u'S', -1}, {u'A', 0},
    {u'B', 1},  {u'H', 1},  {u'C', 2},  {u'D', 3},  {u'E', 4},  {u'F', 5},
};

// The 6th ring: temperature coefficient in ppm/K.
constexpr std::array<std::pair<QStringView, int>, 9> kTemperatureCoefficients{{
    {u"schwarz", 250},
    {u"braun", 100},
    {u"rot", 50},
    {u"orange", 15},
    {u"gelb", 25},
    {u"grün", 20},
    {u"blau", 10},
    {u"violett", 5},
    {u"grau", 1},
}};

constexpr common::Series kResistorSeries[] = {common::kSeriesE6,  common::kSeriesE12, common::kSeriesE24,
                                              common::kSeriesE48, common::kSeriesE96, common::kSeriesE192};
constexpr common::Series kCapacitorSeries[] = {common::kSeriesE6, common::kSeriesE12, common::kSeriesE24};

bool isResistor(Part part)
{
    return part == Part::Resistor;
}

bool inRange(double value, Part part)
{
    if (isResistor(part))
        return value == 0 || (value >= kResistorSmallest && value <= kResistorLargest);
    return value >= kCapacitorSmallest && value <= kCapacitorLargest;
}

std::span<const Unit> lettersOf(Part part)
{
    return isResistor(part) ? std::span<const Unit>(kResistorLetters) : std::span<const Unit>(kCapacitorLetters);
}

// The largest unit not above the power of ten of the first digit.
Unit unitFor(int exponent, std::span<const Unit> units)
{
    Unit unit = units.front();
    for (const Unit &candidate : units) {
        if (candidate.exponent <= exponent)
            unit = candidate;
    }
    return unit;
}

// A positive value's significant digits, without trailing zeros, and the
// power of ten of the first one. With `significant` 0 the shortest digits
// that read back to the same double, so that nothing of a typed value is
// lost and no binary noise is added. Otherwise the value's decimal form of
// 15 significant digits, as common::format() takes it, rounded half away
// from zero to `significant` digits: 0,53775 and 2,0625 round up, whichever
// side of them their doubles lie.
struct Digits {
    QString digits;
    int exponent = 0;
};

Digits digitsOf(double value, int significant = 0)
{
    constexpr int kDecimalDigits = 15;
    std::array<char, 64> buffer{};
    char *const first = buffer.data();
    char *const last = first + buffer.size();
    const char *end = significant > 0
                          ? std::to_chars(first, last, value, std::chars_format::scientific, kDecimalDigits - 1).ptr
                          : std::to_chars(first, last, value, std::chars_format::scientific).ptr;
    Digits d;
    const char *p = first;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            d.digits.append(QLatin1Char(*p));
    }
    ++p; // 'e'
    if (p != end && *p == '+')
        ++p;
    std::from_chars(p, end, d.exponent);
    if (significant > 0 && d.digits.size() > significant) {
        const bool up = d.digits[significant] >= u'5';
        d.digits.truncate(significant);
        qsizetype i = significant - 1;
        for (; up && i >= 0 && d.digits[i] == u'9'; --i)
            d.digits[i] = u'0';
        if (up && i < 0) {
            d.digits.prepend(u'1');
            d.digits.chop(1);
            ++d.exponent;
        } else if (up) {
            d.digits[i] = QChar(d.digits[i].unicode() + 1);
        }
    }
    while (d.digits.size() > 1 && d.digits.endsWith(u'0'))
        d.digits.chop(1);
    return d;
}

// The digits before and after the decimal point once the value is written
// in a unit of 10^unitExponent.
struct Split {
    QString whole;
    QString fraction;
};

Split split(const Digits &d, int unitExponent)
{
    const qsizetype before = d.exponent - unitExponent + 1;
    const qsizetype count = d.digits.size();
    if (before <= 0)
        return {{}, QString(-before, u'0') + d.digits};
    if (before >= count)
        return {d.digits + QString(before - count, u'0'), {}};
    return {d.digits.left(before), d.digits.mid(before)};
}

// Fixed digits as an integer, for codes of at most a few digits.
std::int64_t integerOf(QStringView digits)
{
    std::int64_t n = 0;
    for (const QChar c : digits)
        n = n * 10 + (c.unicode() - u'0');
    return n;
}

Tolerance symmetric(double amount, bool picofarad, QChar letter)
{
    Tolerance t;
    t.minus = amount;
    t.plus = amount;
    t.picofarad = picofarad;
    t.letter = letter;
    t.text = u'\u00B1' + common::general(amount) + (picofarad ? QStringLiteral(" pF") : QStringLiteral(" %"));
    return t;
}

// The tolerance a letter gives a part of this value; empty for a letter
// the part does not have.
std::optional<Tolerance> toleranceOfLetter(QChar letter, Part part, double value)
{
    if (!isResistor(part) && letter == u'Z') {
        Tolerance t;
        t.minus = 20;
        t.plus = 80;
        t.letter = letter;
        t.text = QStringLiteral("\u221220/+80 %");
        return t;
    }
    for (const LetterTolerance &row : kToleranceLetters) {
        if (row.letter != letter)
            continue;
        if (!isResistor(part) && value < kPicofaradLetterBelow && row.picofarad > 0)
            return symmetric(row.picofarad, true, letter);
        return symmetric(row.percent, false, letter);
    }
    return {};
}

// The letter to write for a tolerance: its own, or for a resistor the one
// of a symmetric tolerance in per cent (a ring's). Null where none fits.
QChar letterOf(const std::optional<Tolerance> &tolerance, Part part)
{
    if (!tolerance)
        return {};
    if (!tolerance->letter.isNull())
        return tolerance->letter;
    if (!isResistor(part) || tolerance->picofarad || tolerance->minus != tolerance->plus)
        return {};
    for (const LetterTolerance &row : kToleranceLetters) {
        if (row.percent == tolerance->minus)
            return QChar(row.letter);
    }
    return {};
}

// ---- Reading ---------------------------------------------------------------

// Collects the readings of one text in order, keeping only values a part
// can have, and remembers whether a value fell outside for the message.
class Collector
{
public:
    explicit Collector(Part part)
        : m_part(part)
    {
    }

    void add(Kind kind, std::optional<double> value, const QString &how,
             const std::optional<Tolerance> &tolerance = {}, std::optional<int> temperatureCoefficient = {})
    {
        if (!value)
            return;
        if (!inRange(*value, m_part)) {
            m_outOfRange = true;
            return;
        }
        Reading r;
        r.kind = kind;
        r.value = *value;
        r.how = how;
        r.label = formatValue(*value, m_part) + QStringLiteral(" (") + how + u')';
        r.tolerance = tolerance;
        r.temperatureCoefficient = temperatureCoefficient;
        m_readings.push_back(std::move(r));
    }

    Part part() const { return m_part; }
    bool outOfRange() const { return m_outOfRange; }
    std::vector<Reading> take() { return std::move(m_readings); }

private:
    Part m_part;
    bool m_outOfRange = false;
    std::vector<Reading> m_readings;
};

// A number's digits in the German form common::number() reads, with what
// the reading takes a full stop for where the text leaves that open.
struct Mantissa {
    QString german;
    QString how; // "", ", Punkt als Tausendertrennzeichen", ", Punkt als Dezimalzeichen"
};

// Full stops that group thousands: a first group of one to three digits
// that does not start with 0, then groups of exactly three.
bool groupsThousands(QStringView whole)
{
    const QList<QStringView> groups = whole.split(u'.');
    if (groups.size() < 2 || groups.front().isEmpty() || groups.front().size() > 3 || groups.front().startsWith(u'0'))
        return false;
    return std::all_of(groups.begin() + 1, groups.end(), [](QStringView g) { return g.size() == 3; });
}

std::vector<Mantissa> mantissas(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    const qsizetype points = text.count(u'.');
    if (points == 0)
        return {{text.toString(), {}}};
    if (comma >= 0) {
        if (groupsThousands(text.left(comma)))
            return {{text.toString(), {}}};
        return {};
    }
    std::vector<Mantissa> forms;
    if (groupsThousands(text))
        forms.push_back({text.toString(), points == 1 ? QStringLiteral(", Punkt als Tausendertrennzeichen") : QString()});
    if (points == 1) {
        QString decimal = text.toString();
        decimal.replace(u'.', u',');
        forms.push_back({decimal, QStringLiteral(", Punkt als Dezimalzeichen")});
    }
    return forms;
}

// The value of German digits times 10^exponent, through the program's one
// number grammar, so that the result is the nearest double to the decimal.
std::optional<double> valueOf(const QString &german, int exponent)
{
    return common::number(german + u'E' + QString::number(exponent));
}

// The powers of ten a unit prefix or code letter can stand for, each with
// what the reading adds to its description. A resistor's "m" is either a
// lower-case mega or a milli, unless a unit ("mOhm") settles it.
std::vector<std::pair<int, QString>> exponentsOf(const QString &letter, Part part, bool withUnit)
{
    if (isResistor(part) && letter == u"m") {
        if (withUnit)
            return {{-3, QString()}};
        return {{6, QStringLiteral(", m als Mega")}, {-3, QStringLiteral(", m als Milli")}};
    }
    for (const Unit &u : lettersOf(part)) {
        const bool micro = u.name == u"\u00B5" && letter.compare(u"u", Qt::CaseInsensitive) == 0;
        const Qt::CaseSensitivity cs = u.name == u"m" ? Qt::CaseSensitive : Qt::CaseInsensitive;
        if (micro || letter.compare(u.name, cs) == 0)
            return {{u.exponent, QString()}};
    }
    return {};
}

void readNumber(const QRegularExpressionMatch &m, Collector &c)
{
    const QString prefix = m.captured(2);
    const bool withUnit = !m.captured(3).isEmpty();
    for (const Mantissa &mantissa : mantissas(m.capturedView(1))) {
        if (prefix.isEmpty() && !isResistor(c.part()) && !withUnit) {
            // A bare number is in pF; one below 1 is also offered in µF,
            // where values below 1 are usually written.
            c.add(Kind::Number, valueOf(mantissa.german, -12), QStringLiteral("Zahl in pF") + mantissa.how);
            const std::optional<double> plain = common::number(mantissa.german);
            if (plain && *plain < 1)
                c.add(Kind::Number, valueOf(mantissa.german, -6), QStringLiteral("Zahl in \u00B5F") + mantissa.how);
            continue;
        }
        const auto exponents = prefix.isEmpty() ? std::vector<std::pair<int, QString>>{{0, QString()}}
                                                : exponentsOf(prefix, c.part(), withUnit);
        for (const auto &[exponent, how] : exponents)
            c.add(Kind::Number, valueOf(mantissa.german, exponent), QStringLiteral("Zahl") + mantissa.how + how);
    }
}

// Letter-and-digit code: digits, a letter for the decimal point and the
// power of ten, digits, and an optional tolerance letter.
void readRkm(const QRegularExpressionMatch &m, Collector &c)
{
    const QString whole = m.captured(1);
    const QString letter = m.captured(2);
    const QString fraction = m.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return;
    const QString german = (whole.isEmpty() ? QStringLiteral("0") : whole) + u',' + fraction;
    const QChar toleranceLetter = m.captured(4).isEmpty() ? QChar() : m.captured(4).front();

    for (const auto &[exponent, how] : exponentsOf(letter, c.part(), false)) {
        const std::optional<double> value = valueOf(german, exponent);
        std::optional<Tolerance> tolerance;
        if (!toleranceLetter.isNull()) {
            if (!value)
                continue;
            tolerance = toleranceOfLetter(toleranceLetter, c.part(), *value);
            if (!tolerance)
                continue;
        }
        c.add(Kind::Rkm, value, QStringLiteral("RKM-Code") + how, tolerance);
    }
}

void readEia96(QStringView code, QChar letter, Collector &c)
{
    const auto index = integerOf(code);
    if (index < 1 || index > 96)
        return;
    for (const MultiplierLetter &row : kEiaLetters) {
        if (QChar(row.letter) == letter.toUpper())
            c.add(Kind::Eia96, scaled(common::kE96[index - 1], row.exponent), QStringLiteral("EIA-96-Code"));
    }
}

// A colour word as the tables spell it, so that "Gruen" finds "grün".
QString colourName(QStringView word)
{
    QString name = word.toString().toLower();
    name.replace(QStringLiteral("ue"), QStringLiteral("ü"));
    name.replace(QStringLiteral("ss"), QStringLiteral("ß"));
    return name;
}

template<typename Row>
const Row *findColour(QStringView colour, std::span<const Row> table)
{
    const auto it = std::find_if(table.begin(), table.end(), [colour](const Row &row) { return row.colour == colour; });
    return it == table.end() ? nullptr : &*it;
}

// The rings in the given order as a resistor: digits (never black first),
// multiplier, tolerance, temperature coefficient.
void readRings(const QStringList &rings, Kind kind, const QString &how, Collector &c)
{
    const qsizetype count = rings.size();
    const qsizetype digitCount = count <= 4 ? 2 : 3;
    std::int64_t digits = 0;
    for (qsizetype i = 0; i < digitCount; ++i) {
        const auto *row = findColour<resistorcode::ColourValue>(rings[i], resistorcode::kDigits);
        if (!row || (i == 0 && row->value == 0))
            return;
        digits = digits * 10 + static_cast<std::int64_t>(row->value);
    }
    const auto *multiplier = findColour<resistorcode::ColourValue>(rings[digitCount], resistorcode::kMultipliers);
    if (!multiplier)
        return;
    const auto exponent = static_cast<int>(std::lround(std::log10(multiplier->value)));

    std::optional<Tolerance> tolerance;
    if (count == 3) {
        tolerance = symmetric(resistorcode::lookup(u"keine", resistorcode::kTolerances), false, {});
    } else {
        const auto *row = findColour<resistorcode::ColourValue>(rings[digitCount + 1], resistorcode::kTolerances);
        if (!row || row->colour == u"keine")
            return;
        tolerance = symmetric(row->value, false, {});
    }
    std::optional<int> temperatureCoefficient;
    if (count == 6) {
        const auto it = std::find_if(kTemperatureCoefficients.begin(), kTemperatureCoefficients.end(),
                                     [&rings](const auto &row) { return row.first == rings[5]; });
        if (it == kTemperatureCoefficients.end())
            return;
        temperatureCoefficient = it->second;
    }
    c.add(kind, scaled(digits, exponent), how, tolerance, temperatureCoefficient);
}

void readRingWords(const QString &text, Collector &c)
{
    static const QRegularExpression separators(QStringLiteral("[ ,\\-]+"));
    QStringList rings = text.split(separators, Qt::SkipEmptyParts);
    if (rings.size() < 3 || rings.size() > 6)
        return;
    for (QString &ring : rings)
        ring = colourName(ring);
    readRings(rings, Kind::Rings, QStringLiteral("Ringe"), c);
    QStringList reversed(rings.crbegin(), rings.crend());
    if (reversed != rings)
        readRings(reversed, Kind::RingsReversed, QStringLiteral("Ringe rückwärts gelesen"), c);
}

void readResistor(const QString &text, Collector &c)
{
    static const QRegularExpression number(QStringLiteral("^([0-9.,]*[0-9][0-9.,]*) *([kKmMgGtT]?) *((?i:ohm))?$"));
    static const QRegularExpression rkm(QStringLiteral("^([0-9]*)([RrKkMmGgTt])([0-9]*)([BCDFGJKM])?$"));
    static const QRegularExpression smd(QStringLiteral("^[0-9]{3,4}$"));
    static const QRegularExpression eia(QStringLiteral("^([0-9]{2})([ZzYyRrXxSsAaBbHhCcDdEeFf])$"));

    const QRegularExpressionMatch n = number.match(text);
    if (n.hasMatch())
        readNumber(n, c);
    else if (const QRegularExpressionMatch r = rkm.match(text); r.hasMatch())
        readRkm(r, c);

    if (smd.match(text).hasMatch()) {
        const qsizetype significant = text.size() - 1;
        const auto exponent = static_cast<int>(text.back().unicode() - u'0');
        c.add(text.size() == 3 ? Kind::Smd3 : Kind::Smd4, scaled(integerOf(QStringView(text).left(significant)), exponent),
              text.size() == 3 ? QStringLiteral("3-stelliger SMD-Code") : QStringLiteral("4-stelliger SMD-Code"));
    }
    if (const QRegularExpressionMatch e = eia.match(text); e.hasMatch())
        readEia96(e.capturedView(1), e.captured(2).front(), c);

    readRingWords(text, c);
}

void readCapacitor(const QString &text, Collector &c)
{
    static const QRegularExpression code(QStringLiteral("^([0-9]{2})([0-9])([BCDFGJKMZ])?$"));
    static const QRegularExpression number(QStringLiteral("^([0-9.,]*[0-9][0-9.,]*) *([pPnNuU\u00B5m]?) *([fF]?)$"));
    static const QRegularExpression rkm(QStringLiteral("^([0-9]*)([pPnNuU\u00B5mF])([0-9]*)([BCDFGJKMZ])?$"));

    if (const QRegularExpressionMatch m = code.match(text); m.hasMatch()) {
        // Third digit: power of ten, except 8 for ×0,01 and 9 for ×0,1. The
        // standard leaves 7 unused, but tantalum capacitors print it as ×10^7:
        // "107" is 100 µF.
        const int third = m.captured(2).front().unicode() - u'0';
        const int exponent = (third == 8 ? -2 : third == 9 ? -1 : third) - 12;
        const double value = scaled(integerOf(m.capturedView(1)), exponent);
        std::optional<Tolerance> tolerance;
        if (!m.captured(3).isEmpty())
            tolerance = toleranceOfLetter(m.captured(3).front(), c.part(), value);
        c.add(Kind::CapacitorCode, value, QStringLiteral("3-stelliger Code"), tolerance);
    }
    const QRegularExpressionMatch n = number.match(text);
    if (n.hasMatch())
        readNumber(n, c);
    // "100nF" is also 100 nF with the tolerance letter F, as RKM writes it.
    if (const QRegularExpressionMatch r = rkm.match(text); r.hasMatch() && (!n.hasMatch() || !r.captured(4).isEmpty()))
        readRkm(r, c);
}

QString normalised(QStringView text)
{
    QString t = text.trimmed().toString();
    t.replace(u'\u2126', QStringLiteral("Ohm"));
    t.replace(u'\u03A9', QStringLiteral("Ohm"));
    t.replace(u'\u03BC', u'\u00B5');
    return t;
}

bool hasControlCharacter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar ch) {
        return ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format;
    });
}

// ---- Writing ---------------------------------------------------------------

// Digits with a letter for the decimal point: "4K7", "R47", "470R", "1K0".
QString withLetter(const Split &s, QStringView letter)
{
    if (s.fraction.isEmpty() && s.whole.size() == 1)
        return s.whole + letter.toString() + u'0';
    return s.whole + letter.toString() + s.fraction;
}

Marking impossible(const QString &name, const QString &why)
{
    return {name, false, why};
}

Marking rkmMarking(double value, Part part, QChar toleranceLetter)
{
    const QString name = QStringLiteral("RKM-Code");
    if (!(value >= 0) || !inRange(value, part))
        return impossible(name, QStringLiteral("nicht als RKM-Code darstellbar"));
    QString text;
    if (value == 0) {
        text = QStringLiteral("0R");
    } else {
        const Digits d = digitsOf(value);
        const Unit letter = unitFor(d.exponent, lettersOf(part));
        text = withLetter(split(d, letter.exponent), letter.name);
    }
    if (!toleranceLetter.isNull())
        text += toleranceLetter;
    return {name, true, text};
}

// SMD code of `length` characters: length - 1 significant digits and a
// power of ten, or below 10^(length - 1) the digits with R as the point.
Marking smdMarking(double value, qsizetype length)
{
    const QString name = length == 3 ? QStringLiteral("SMD-Code, 3-stellig") : QStringLiteral("SMD-Code, 4-stellig");
    const QString why = length == 3 ? QStringLiteral("nicht als 3-stelliger Code darstellbar")
                                    : QStringLiteral("nicht als 4-stelliger Code darstellbar");
    if (value == 0)
        return {name, true, QString(length, u'0')};
    if (!inRange(value, Part::Resistor))
        return impossible(name, why);
    const Digits d = digitsOf(value);
    const qsizetype significant = length - 1;
    if (d.digits.size() > significant)
        return impossible(name, why);
    if (d.exponent >= significant - 1) {
        const int power = d.exponent - int(significant - 1);
        if (power > 9)
            return impossible(name, why);
        return {name, true, d.digits.leftJustified(significant, u'0') + QString::number(power)};
    }
    const Split s = split(d, 0);
    QString text = s.whole + u'R' + s.fraction;
    if (text.size() > length)
        return impossible(name, why);
    return {name, true, text.leftJustified(length, u'0')};
}

Marking eiaMarking(double value)
{
    const QString name = QStringLiteral("EIA-96-Code");
    const auto impossibleHere = [&name] { return impossible(name, QStringLiteral("nicht als EIA-96-Code darstellbar")); };
    if (!(value > 0) || !inRange(value, Part::Resistor))
        return impossibleHere();
    const Digits d = digitsOf(value);
    if (d.digits.size() > 3)
        return impossibleHere();
    const auto hundredths = static_cast<int>(integerOf(d.digits.leftJustified(3, u'0')));
    const auto *it = std::find(std::begin(common::kE96), std::end(common::kE96), hundredths);
    if (it == std::end(common::kE96))
        return impossibleHere();
    const int exponent = d.exponent - 2;
    for (const MultiplierLetter &row : kEiaLetters) {
        // The first letter of each power is the one written.
        if (row.exponent == exponent) {
            const auto index = it - std::begin(common::kE96) + 1;
            return {name, true, QString::number(index).rightJustified(2, u'0') + QChar(row.letter)};
        }
    }
    return impossibleHere();
}

Marking capacitorCodeMarking(double value, QChar toleranceLetter)
{
    const QString name = QStringLiteral("Kondensator-Code");
    const QString why = QStringLiteral("nicht als 3-stelliger Code darstellbar");
    if (!(value > 0) || !inRange(value, Part::Capacitor))
        return impossible(name, why);
    const Digits d = digitsOf(value);
    const int picoExponent = d.exponent + 12;
    // 0,01 pF to 0,09 pF take a leading zero: "018" is 01 · 0,01 pF.
    const bool leadingZero = picoExponent == -2 && d.digits.size() == 1;
    if (d.digits.size() > 2 || (picoExponent < -1 && !leadingZero) || picoExponent > 8)
        return impossible(name, why);
    const int power = leadingZero ? -2 : picoExponent - 1;
    const int third = power == -2 ? 8 : power == -1 ? 9 : power;
    QString text = (leadingZero ? u'0' + d.digits : d.digits.leftJustified(2, u'0')) + QString::number(third);
    if (!toleranceLetter.isNull())
        text += toleranceLetter;
    return {name, true, text};
}

} // namespace

Readings read(QStringView text, common::Part part)
{
    Readings result;
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return result;
    if (trimmed.size() > kLongest) {
        result.message = QStringLiteral("Der Text ist zu lang für einen Wert oder Aufdruck.");
        return result;
    }
    const QString t = normalised(trimmed);
    Collector c(part);
    if (!hasControlCharacter(t)) {
        if (isResistor(part))
            readResistor(t, c);
        else
            readCapacitor(t, c);
    }
    result.readings = c.take();
    if (!result.readings.empty())
        return result;
    if (c.outOfRange()) {
        result.message = isResistor(part) ? QStringLiteral("Der Wert liegt außerhalb von 1 mOhm bis 1000 GOhm.")
                                          : QStringLiteral("Der Wert liegt außerhalb von 0,01 pF bis 10000 F.");
    } else {
        result.message = isResistor(part)
                             ? QStringLiteral("Erwartet: ein Wert (4,7k, 4,7 kOhm), ein Code (4K7, 472, 4701, 01C) "
                                              "oder Farbringe (gelb violett rot gold).")
                             : QStringLiteral("Erwartet: ein Wert (100n, 4,7 \u00B5F) oder ein Code (104, 104J, 4n7).");
    }
    return result;
}

QString describe(const Reading &reading, common::Part part)
{
    QString text = formatValue(reading.value, part);
    if (reading.tolerance)
        text += u' ' + reading.tolerance->text;
    if (reading.temperatureCoefficient)
        text += QStringLiteral(", ") + QString::number(*reading.temperatureCoefficient) + QStringLiteral(" ppm/K");
    return text;
}

QString formatValue(double value, common::Part part)
{
    if (!(value >= 0) || !std::isfinite(value))
        return {};
    if (value == 0)
        return common::writtenInUnit(u"0", 0, part);
    const Digits d = digitsOf(value, 4);
    return common::writtenInUnit(d.digits, d.exponent, part);
}

QString formatDeviation(double fraction)
{
    if (!std::isfinite(fraction))
        return {};
    // The quotient behind a deviation carries binary noise far below a
    // billionth of a per cent; without it +3,125 % rounds up like its decimal.
    const double percent = std::round(std::abs(fraction) * 1e11) / 1e9;
    const QString amount = common::format(percent, u"0.00");
    if (amount == u"0,00")
        return QStringLiteral("0,00 %");
    return (fraction > 0 ? u'+' : u'\u2212') + amount + QStringLiteral(" %");
}

std::vector<Marking> markings(double value, common::Part part, const std::optional<Tolerance> &tolerance)
{
    const QChar letter = letterOf(tolerance, part);
    if (isResistor(part))
        return {rkmMarking(value, part, letter), smdMarking(value, 3), smdMarking(value, 4), eiaMarking(value)};
    return {capacitorCodeMarking(value, letter), rkmMarking(value, part, letter)};
}

RingCode rings(double value, int digitRings, QStringView toleranceColour)
{
    RingCode code;
    code.digitRings = digitRings;
    const int smallestExponent = static_cast<int>(std::lround(std::log10(resistorcode::kMultipliers.front().value)));
    const int largestExponent = static_cast<int>(std::lround(std::log10(resistorcode::kMultipliers.back().value)));
    Q_ASSERT(digitRings == 2 || digitRings == 3);
    const auto smallestDigits = std::llround(detail::kPowersOfTen[std::size_t(digitRings - 1)]);
    const QString range = formatValue(scaled(smallestDigits, smallestExponent), Part::Resistor) + QStringLiteral(" bis ")
                          + formatValue(scaled(smallestDigits * 10 - 1, largestExponent), Part::Resistor);
    if (!(value > 0) || !std::isfinite(value)) {
        code.note = QStringLiteral("nicht mit Farbringen darstellbar");
        return code;
    }
    const Digits exact = digitsOf(value);
    const Digits d = digitsOf(value, digitRings);
    const int exponent = d.exponent - (digitRings - 1);
    if (exponent < smallestExponent || exponent > largestExponent) {
        code.note = QStringLiteral("außerhalb dessen, was die Ringe fassen (") + range + u')';
        return code;
    }
    const auto *tolerance = findColour<resistorcode::ColourValue>(toleranceColour, resistorcode::kTolerances);
    const bool toleranceRing = tolerance && tolerance->colour != u"keine";
    if (digitRings == 3 && !toleranceRing) {
        // Four rings would read as a 4-ring code: 33 kOhm as 33 Ohm.
        code.note = QStringLiteral("5 Ringe gibt es nur mit Toleranzring");
        return code;
    }
    const QString digits = d.digits.leftJustified(digitRings, u'0');
    code.exact = exact.digits.size() <= digitRings;
    code.shown = scaled(integerOf(digits), exponent);

    static const QStringList digitMeanings{QStringLiteral("1. Ziffer"), QStringLiteral("2. Ziffer"),
                                           QStringLiteral("3. Ziffer")};
    for (qsizetype i = 0; i < digits.size(); ++i)
        code.rings.push_back({resistorcode::kDigits[std::size_t(digits[i].unicode() - u'0')].colour, digitMeanings[i]});
    code.rings.push_back({resistorcode::kMultipliers[std::size_t(exponent - smallestExponent)].colour,
                          QStringLiteral("Multiplikator")});
    if (toleranceRing)
        code.rings.push_back({tolerance->colour, QStringLiteral("Toleranz")});

    QStringList words;
    for (const Ring &ring : code.rings)
        words.append(ring.colour.toString());
    code.words = words.join(u' ');
    if (!code.exact) {
        code.note = QStringLiteral("braucht mehr als %1 Ziffern; die Ringe zeigen den nächsten Wert %2")
                        .arg(digitRings)
                        .arg(formatValue(code.shown, Part::Resistor));
    }
    return code;
}

QStringView toleranceColour(const Tolerance &tolerance)
{
    if (tolerance.picofarad || tolerance.minus != tolerance.plus)
        return {};
    for (const resistorcode::ColourValue &row : resistorcode::kTolerances) {
        if (row.value == tolerance.minus)
            return row.colour;
    }
    return {};
}

std::span<const common::Series> seriesOf(common::Part part)
{
    return isResistor(part) ? std::span<const common::Series>(kResistorSeries)
                            : std::span<const common::Series>(kCapacitorSeries);
}

std::vector<Neighbours> neighbours(double value, common::Part part)
{
    std::vector<Neighbours> result;
    if (!(value > 0) || !inRange(value, part))
        return result;
    const int decade = static_cast<int>(std::floor(std::log10(value)));
    for (const common::Series &series : seriesOf(part)) {
        Neighbours n;
        n.series = series.name;
        // The decade below and above take part: log10 may miss by one at a
        // decade's boundary, and the value above 9,1 is 10.
        for (int d = -1; d <= 1; ++d) {
            for (const int h : series.hundredths) {
                const double candidate = scaled(h, decade - 2 + d);
                if (candidate <= value && candidate > n.below)
                    n.below = candidate;
                if (candidate >= value && (n.above == 0 || candidate < n.above))
                    n.above = candidate;
            }
        }
        n.standard = std::abs(n.below / value - 1) <= kSame || std::abs(n.above / value - 1) <= kSame;
        if (n.standard) {
            n.text = QStringLiteral("Normwert");
        } else {
            n.text = formatValue(n.below, part) + QStringLiteral(" (") + formatDeviation(n.below / value - 1)
                     + QStringLiteral(") / ") + formatValue(n.above, part) + QStringLiteral(" (")
                     + formatDeviation(n.above / value - 1) + u')';
        }
        result.push_back(std::move(n));
    }
    return result;
}

std::optional<double> readQuantity(QStringView text, QStringView unit, QuantityStyle style)
{
    static const QRegularExpression quantity(
        QStringLiteral("^([-+\u2212]?) *([0-9.,]*[0-9][0-9.,]*) *([pnu\u00B5mkMG]?) *(\\S*)$"));
    const QStringView trimmed = text.trimmed();
    if (trimmed.size() > kLongest)
        return {};
    const QString t = normalised(trimmed);
    if (hasControlCharacter(t))
        return {};
    const QRegularExpressionMatch m = quantity.match(t);
    if (!m.hasMatch() || (!m.capturedView(4).isEmpty() && m.capturedView(4).compare(unit, Qt::CaseInsensitive) != 0))
        return {};
    const bool tenths = style == QuantityStyle::Tenths;
    int exponent = 0;
    if (const QString prefix = m.captured(3); !prefix.isEmpty()) {
        const auto *row = std::find_if(std::begin(kQuantityPrefixes), std::end(kQuantityPrefixes),
                                       [&prefix](const Unit &u) { return u.name == prefix; });
        exponent = row->exponent;
    }
    if (tenths && exponent > 6)
        return {};
    const bool negative = !m.capturedView(1).isEmpty() && m.capturedView(1) != u"+";
    for (const Mantissa &mantissa : mantissas(m.capturedView(2))) {
        const std::optional<double> digits = valueOf(mantissa.german, 0);
        if (!digits || (tenths && !inRange(*digits, Part::Resistor)))
            continue;
        if (const std::optional<double> value = valueOf(mantissa.german, exponent))
            return negative ? -*value : *value;
    }
    return {};
}

QString formatQuantity(double value, QStringView unit, QuantityStyle style)
{
    const bool tenths = style == QuantityStyle::Tenths;
    if (!std::isfinite(value) || (value < 0 && !tenths))
        return {};
    const QString u = unit.toString();
    const std::array<QString, 6> names{u'n' + u, u'\u00B5' + u, u'm' + u, u, u'k' + u, u'M' + u};
    const std::array<Unit, 6> all{{{names[0], -9}, {names[1], -6}, {names[2], -3}, {names[3], 0}, {names[4], 3},
                                   {names[5], 6}}};
    // A plain number takes no prefix; Tenths only µ and m.
    const std::span<const Unit> units = unit.isEmpty() ? std::span<const Unit>(all).subspan(3, 1)
                                        : tenths        ? std::span<const Unit>(all).subspan(1, 3)
                                                        : std::span<const Unit>(all);
    // Tenths moves up a unit from 0,1 of it, so from a first digit one
    // place lower; zero takes the unit itself.
    const int shift = tenths ? 1 : 0;
    Unit chosen = all[3];
    Digits d{QStringLiteral("0"), 0};
    if (value != 0) {
        d = digitsOf(std::abs(value), 4);
        chosen = unitFor(d.exponent + shift, units);
        // Digits before the comma are never rounded away: 12345 V.
        const int whole = int(std::floor(std::log10(std::abs(value)))) - chosen.exponent + 1;
        if (whole > 4)
            d = digitsOf(std::abs(value), whole);
    }
    QString text = common::writtenInUnit(d.digits, d.exponent, std::span<const Unit>(&chosen, 1));
    if (chosen.name.isEmpty())
        text.chop(1); // the space before no unit
    return value < 0 ? u'\u2212' + text : text;
}

} // namespace partvalues
