// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amplifier.h"

#include <QTest>

using amplifier::Entries;

namespace {

// The worked example: Ub 12 V, Uce 6 V, Ube 0,7 V, Ic 2 mA, Ib 20 µA, factor 2.
Entries example()
{
    return Entries{QStringLiteral("12"),  QStringLiteral("6"),        QStringLiteral("0,7"),
                   QStringLiteral("2"),   QStringLiteral("mA"),       QStringLiteral("20"),
                   QString::fromUtf8("µA"), QStringLiteral("2")};
}

// Changes one entry of the example, named as the window's field.
Entries exampleWith(const QString &field, const QString &text)
{
    Entries entries = example();
    QString *target = field == u"Ub"       ? &entries.ub
                      : field == u"Uce"    ? &entries.uce
                      : field == u"Ube"    ? &entries.ube
                      : field == u"Ic"     ? &entries.ic
                      : field == u"IcUnit" ? &entries.icUnit
                      : field == u"Ib"     ? &entries.ib
                      : field == u"IbUnit" ? &entries.ibUnit
                      : field == u"k"      ? &entries.factor
                                           : nullptr;
    if (target)
        *target = text;
    return entries;
}

} // namespace

class AmplifierTest : public QObject
{
    Q_OBJECT

private slots:
    void currentFactor_data();
    void currentFactor();
    void stage1_data();
    void stage1();
    void stage2_data();
    void stage2();
    void refused_data();
    void refused();
};

void AmplifierTest::currentFactor_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("factor");
    QTest::newRow("mA") << "mA" << 0.001;
    QTest::newRow("µA, micro sign") << QString::fromUtf8("µA") << 0.000001;
    QTest::newRow("Greek mu is no unit") << QString::fromUtf8("\u03BCA") << 0.0;
    QTest::newRow("lower case ma") << "ma" << 0.0;
    QTest::newRow("uA with letter u") << "uA" << 0.0;
    QTest::newRow("nothing selected") << "" << 0.0;
}

void AmplifierTest::currentFactor()
{
    QFETCH(QString, unit);
    QFETCH(double, factor);
    QCOMPARE(amplifier::currentFactor(unit), factor);
}

void AmplifierTest::stage1_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("r1WithoutR2");
    QTest::addColumn<QString>("rc");
    QTest::addColumn<QString>("r1");
    QTest::addColumn<QString>("r2");
    QTest::newRow("worked example") << "" << "" << "565,000" << "3,000" << "188,333" << "17,500";
    QTest::newRow("Ic in µA: Rc a thousand times larger")
        << "IcUnit" << QString::fromUtf8("µA") << "565,000" << "3000,000" << "188,333" << "17,500";
    QTest::newRow("factor 10") << "k" << "10" << "565,000" << "3,000" << "51,364" << "3,500";
    QTest::newRow("Uce above Ub: negative Rc") << "Uce" << "14" << "565,000" << "-1,000" << "188,333" << "17,500";
    QTest::newRow("Ib 20 read in mA") << "IbUnit" << "mA" << "0,565" << "3,000" << "0,188" << "0,018";
}

void AmplifierTest::stage1()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, r1WithoutR2);
    QFETCH(QString, rc);
    QFETCH(QString, r1);
    QFETCH(QString, r2);
    const auto result = amplifier::calculateStage1(exampleWith(field, text));
    QVERIFY(result);
    QCOMPARE(amplifier::kiloOhms(result->r1WithoutR2), r1WithoutR2);
    QCOMPARE(amplifier::kiloOhms(result->rc), rc);
    QCOMPARE(amplifier::kiloOhms(result->r1), r1);
    QCOMPARE(amplifier::kiloOhms(result->r2), r2);
}

void AmplifierTest::stage2_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("re");
    QTest::addColumn<QString>("rc");
    QTest::addColumn<QString>("r2");
    QTest::addColumn<QString>("r1");
    QTest::newRow("worked example, Re 470") << "" << "" << "470" << "2,525" << "41,235" << "172,510";
    QTest::newRow("Re 1000") << "" << "" << "1000" << "1,990" << "68,000" << "154,667";
    QTest::newRow("Re 3000: Re and Uce exceed Ub") << "" << "" << "3000" << "-0,030" << "169,000" << "87,333";
    QTest::newRow("Ic 2 read as µA") << "IcUnit" << QString::fromUtf8("µA") << "470" << "2994,830" << "17,759"
                                     << "188,161";
}

void AmplifierTest::stage2()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, re);
    QFETCH(QString, rc);
    QFETCH(QString, r2);
    QFETCH(QString, r1);
    const auto result = amplifier::calculateStage2(exampleWith(field, text), re);
    QVERIFY(result);
    QCOMPARE(amplifier::kiloOhms(result->rc), rc);
    QCOMPARE(amplifier::kiloOhms(result->r2), r2);
    QCOMPARE(amplifier::kiloOhms(result->r1), r1);
}

void AmplifierTest::refused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("re");
    QTest::addColumn<bool>("stage1Refuses");

    // Zero stands for a missing entry in both stages.
    QTest::newRow("Ub 0") << "Ub" << "0" << "470" << true;
    QTest::newRow("Uce 0,0") << "Uce" << "0,0" << "470" << true;
    QTest::newRow("Ube 0") << "Ube" << "0" << "470" << true;
    QTest::newRow("Ic 0") << "Ic" << "0" << "470" << true;
    QTest::newRow("Ib 0") << "Ib" << "0" << "470" << true;
    QTest::newRow("Ic unit unknown: factor 0") << "IcUnit" << "uA" << "470" << true;
    QTest::newRow("Ib unit empty: factor 0") << "IbUnit" << "" << "470" << true;
    QTest::newRow("Re 0, stage 2 only") << "" << "" << "0" << false;

    // Text that is not a number.
    QTest::newRow("blanks only") << "Ub" << "   " << "470" << true;
    QTest::newRow("two commas") << "Uce" << "6,,0" << "470" << true;
    QTest::newRow("lone comma") << "Ube" << "," << "470" << true;
    QTest::newRow("blank between digits") << "Ic" << "1 2" << "470" << true;
    QTest::newRow("pasted letters") << "Ib" << "20 µA" << "470" << true;
    QTest::newRow("Re not a number") << "" << "" << "4 70" << false;
    QTest::newRow("Re blanks only") << "" << "" << " " << false;

    // Pasted values whose results are not finite.
    QTest::newRow("tiny Ic: Rc infinite") << "Ic" << "1E-306" << "470" << true;
    QTest::newRow("negative Ube: U2 zero, R1 not a number") << "Ube" << "-0,9494" << "470" << false;
}

void AmplifierTest::refused()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, re);
    QFETCH(bool, stage1Refuses);
    const Entries entries = exampleWith(field, text);
    QCOMPARE(!amplifier::calculateStage1(entries), stage1Refuses);
    QVERIFY(!amplifier::calculateStage2(entries, re));
}

QTEST_GUILESS_MAIN(AmplifierTest)
#include "tst_amplifier.moc"
