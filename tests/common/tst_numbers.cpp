// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colours.h"
#include "geometry.h"
#include "numbers.h"
#include "units.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using common::format;
using common::general;
using common::number;

class NumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void readsNumbers_data();
    void readsNumbers();
    void refusesText_data();
    void refusesText();
    void patterns_data();
    void patterns();
    void generalForm_data();
    void generalForm();
    void generalReadsBack_data();
    void generalReadsBack();
    void unitMatch_data();
    void unitMatch();
    void colourNumbers_data();
    void colourNumbers();
    void twips_data();
    void twips();
    void systemLocaleNamed();
};

void NumbersTest::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal comma") << "2,2" << 2.2;
    QTest::newRow("grouped with decimals") << "1.000,5" << 1000.5;
    QTest::newRow("grouped result read back") << "100.000.000,0000" << 100000000.0;
    QTest::newRow("full stops only skipped") << "1.2.3" << 123.0;
    QTest::newRow("blanks around") << "  12 " << 12.0;
    QTest::newRow("comma first") << ",5" << 0.5;
    QTest::newRow("comma last") << "5," << 5.0;
    QTest::newRow("zero with decimals") << "0,0" << 0.0;
    QTest::newRow("leading zeros") << "00" << 0.0;
    QTest::newRow("minus sign") << "-2,5" << -2.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("exponent form") << "1,59154943091895E-13" << 1.59154943091895e-13;
    QTest::newRow("exponent lower case, plus") << "2e+3" << 2000.0;
    QTest::newRow("largest exponent form") << "1,79769313486231E+308" << 1.79769313486231e308;
}

void NumbersTest::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = number(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void NumbersTest::refusesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("lone comma") << ",";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("blank between digits") << "1 2";
    QTest::newRow("tab before digits") << "\t12";
    QTest::newRow("tab after digits") << "12\t";
    QTest::newRow("letters") << "abc";
    QTest::newRow("digits then letter") << "12a";
    QTest::newRow("full stop after comma") << "1,5.3";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("exponent without digits") << "1E";
    QTest::newRow("exponent without mantissa") << "E5";
    QTest::newRow("beyond the double range") << "1E400";
    QTest::newRow("beyond the range by digits") << QString(400, u'9');
    QTest::newRow("nan") << "nan";
    QTest::newRow("inf") << "inf";
    QTest::newRow("hexadecimal") << "0x10";
}

void NumbersTest::refusesText()
{
    QFETCH(QString, text);
    QVERIFY(!number(text).has_value());
}

void NumbersTest::patterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    // The patterns in use, each with 1234.5678 and 1/3.
    const struct {
        const char *pattern;
        const char *big;
        const char *third;
    } table[] = {
        {"0.000", "1234,568", "0,333"},
        {"#,##0.0########", "1.234,5678", "0,333333333"},
        {"#,##0.00", "1.234,57", "0,33"},
        {"#,##0.0000", "1.234,5678", "0,3333"},
        {"#,##0.000000", "1.234,567800", "0,333333"},
        {"", "1234,5678", "0,333333333333333"},
        {"#,###,##0.0000", "1.234,5678", "0,3333"},
        {"0.000000000000000", "1234,567800000000000", "0,333333333333333"},
        {"0.00", "1234,57", "0,33"},
        {"0", "1235", "0"},
        {"###,###,###,##0.0", "1.234,6", "0,3"},
        {"###,###,##0.00", "1.234,57", "0,33"},
        {"###,##0.00", "1.234,57", "0,33"},
        {"###,##0.00#########################", "1.234,5678", "0,333333333333333"},
    };
    for (const auto &row : table) {
        QTest::addRow("1234.5678 under \"%s\"", row.pattern) << 1234.5678 << row.pattern << row.big;
        QTest::addRow("1/3 under \"%s\"", row.pattern) << 1.0 / 3.0 << row.pattern << row.third;
    }

    QTest::newRow("no noise digits of 0.1 + 0.2") << 0.1 + 0.2 << "0.000000000000000" << "0,300000000000000";
    QTest::newRow("2.5 rounds away from zero") << 2.5 << "0" << "3";
    QTest::newRow("0.125 rounds up") << 0.125 << "0.00" << "0,13";
    QTest::newRow("1.005 rounds on decimal digits") << 1.005 << "0.00" << "1,01";
    QTest::newRow("integer part never cut") << 1234567.891 << "0.000" << "1234567,891";
    QTest::newRow("zero before the comma") << 0.5 << "#,##0.00" << "0,50";
    QTest::newRow("groups of three") << 1234567.891 << "#,##0.00" << "1.234.567,89";
    QTest::newRow("negative grouped") << -1234.5 << "#,##0.00" << "-1.234,50";
    QTest::newRow("zero, two decimals") << 0.0 << "#,##0.00" << "0,00";
    QTest::newRow("zero, no decimals") << 0.0 << "0" << "0";
    QTest::newRow("zero, one to nine decimals") << 0.0 << "#,##0.0########" << "0,0";
    QTest::newRow("tiny value under three decimals") << 0.000123 << "0.000" << "0,000";
    QTest::newRow("tiny value under six decimals") << 0.000123 << "#,##0.000000" << "0,000123";
    QTest::newRow("tiny value under up to nine") << 0.000123 << "#,##0.0########" << "0,000123";
    QTest::newRow("rounding carries into a new group") << 999.99996 << "#,##0.0000" << "1.000,0000";
    QTest::newRow("2/3 under fifteen decimals") << 2.0 / 3.0 << "0.000000000000000" << "0,666666666666667";
    QTest::newRow("1e20 keeps all integer digits") << 1e20 << "0.000" << "100000000000000000000,000";
    QTest::newRow("negative rounding to zero has no sign") << -0.0004 << "0.000" << "0,000";
    QTest::newRow("negative zero") << -0.0 << "0.00" << "0,00";
    QTest::newRow("half below the last decimal") << 0.00005 << "#,###,##0.0000" << "0,0001";
    QTest::newRow("below half of the last decimal") << 0.000049 << "#,###,##0.0000" << "0,0000";
    QTest::newRow("grouped plain result") << 2500.0 << "###,##0.00#########################" << "2.500,00";
    QTest::newRow("largest resistance") << 99e9 << "###,###,###,##0.0" << "99.000.000.000,0";
}

void NumbersTest::patterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(format(value, pattern), text);
}

void NumbersTest::generalForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole number") << 2200.0 << "2200";
    QTest::newRow("small") << 0.0022 << "0,0022";
    QTest::newRow("smallest plain") << 0.0001 << "0,0001";
    QTest::newRow("largest plain") << 123456789012345.0 << "123456789012345";
    QTest::newRow("below plain range") << 0.00001 << "1E-05";
    QTest::newRow("above plain range") << 1234567890123456.0 << "1,23456789012346E+15";
    QTest::newRow("1e20") << 1e20 << "1E+20";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << "1E+15";
    QTest::newRow("negative") << -2.5 << "-2,5";
    QTest::newRow("fifteen digits of 1/3") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("quotient shown as 1000") << 999.9999999999999 << "1000";
    QTest::newRow("three-digit exponent") << 1e-300 << "1E-300";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1,79769313486232E+308";
}

void NumbersTest::generalForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(general(value), text);
    QCOMPARE(format(value, u""), text);
}

void NumbersTest::generalReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("1/3") << 1.0 / 3.0;
    QTest::newRow("capacitance") << 7.95774729e-7;
    QTest::newRow("tiny") << 1.59154943091895e-13;
    QTest::newRow("huge") << 3.3e200;
    QTest::newRow("negative") << -42.125;
}

void NumbersTest::generalReadsBack()
{
    QFETCH(double, value);
    const auto read = number(general(value));
    QVERIFY(read.has_value());
    QCOMPARE(*read, common::roundToSignificant15(value));
}

void NumbersTest::unitMatch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("found");
    QTest::newRow("mA") << "mA" << 0.001 << true;
    QTest::newRow("micro sign") << QString::fromUtf8("µA") << 0.000001 << true;
    QTest::newRow("Greek mu is no match") << QString::fromUtf8("μA") << 0.0 << false;
    QTest::newRow("lower case is no match") << "ma" << 0.0 << false;
    QTest::newRow("letter u is no match") << "uA" << 0.0 << false;
    QTest::newRow("trailing blank is no match") << "mA " << 0.0 << false;
}

void NumbersTest::unitMatch()
{
    QFETCH(QString, text);
    QFETCH(double, factor);
    QFETCH(bool, found);
    static constexpr common::UnitFactor table[] = {{u"mA", 0.001}, {u"µA", 0.000001}};
    const auto match = common::unitFactor(text, table);
    QCOMPARE(match.has_value(), found);
    if (found)
        QCOMPARE(*match, factor);
}

void NumbersTest::colourNumbers_data()
{
    QTest::addColumn<uint>("colourNumber");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red is 255") << 0x0000FFu << QColor(255, 0, 0);
    QTest::newRow("blue byte first") << 0xFF0000u << QColor(0, 0, 255);
    QTest::newRow("pale yellow") << 0x0080FFFFu << QColor(255, 255, 128);
    QTest::newRow("brown-grey") << 0x404080u << QColor(128, 64, 64);
}

void NumbersTest::colourNumbers()
{
    QFETCH(uint, colourNumber);
    QFETCH(QColor, colour);
    QCOMPARE(common::colourFromNumber(colourNumber), colour);
}

void NumbersTest::twips_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("rounds half up") << 1066 << 71;
    QTest::newRow("rounds down") << 364 << 24;
    QTest::newRow("main window width") << 11310 << 754;
}

void NumbersTest::twips()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(common::twipsToPixels(twips), pixels);
}

// The rows above hold whatever the system's locale is. Where a run names
// the locale it set up (the Windows tests, under an English Windows), this
// confirms the rows ran under it, with its own separators.
void NumbersTest::systemLocaleNamed()
{
    const QString named = qEnvironmentVariable("ELEKTRONIK_SYSTEM_LOCALE");
    if (named.isEmpty())
        QSKIP("this run names no system locale");
    const QLocale system = QLocale::system();
    QCOMPARE(system.name(), named);
    QCOMPARE(system.decimalPoint(), QStringLiteral("."));
    QCOMPARE(format(1234.5, u"#,##0.00"), QStringLiteral("1.234,50"));
    QCOMPARE(number(u"1.234,5").value_or(0), 1234.5);
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
