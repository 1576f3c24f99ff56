// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <QRegularExpression>
#include <QTest>

// Without an application object, as main() asks before its QApplication.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void CommandLineTest::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("start");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // pattern; empty: no output
    QTest::addColumn<QString>("error");  // pattern; empty: no error

    const QString help = QStringLiteral("^Aufruf: elektronik \\[Option\\]\nRechner\\.\n.*"
                                        "\n  -h, --help +[^\n]+\n  -v, --version +[^\n]+\n$");
    const QString version = QStringLiteral("^elektronik \\d+\\.\\d+\\.\\d+\n$");
    const QString hint = QStringLiteral("\nHilfe: elektronik --help\n$");
    QTest::newRow("no arguments") << QStringList{} << true << 0 << QString() << QString();
    QTest::newRow("--help") << QStringList{"--help"} << false << 0 << help << QString();
    QTest::newRow("-h") << QStringList{"-h"} << false << 0 << help << QString();
    QTest::newRow("--version") << QStringList{"--version"} << false << 0 << version << QString();
    QTest::newRow("-v") << QStringList{"-v"} << false << 0 << version << QString();
    QTest::newRow("help wins over version") << QStringList{"-v", "-h"} << false << 0 << help << QString();
    QTest::newRow("unknown long option") << QStringList{"--hilfe"} << false << 1 << QString()
                                         << "^elektronik: Unknown option 'hilfe'\\." + hint;
    QTest::newRow("unknown short option") << QStringList{"-x"} << false << 1 << QString()
                                          << "^elektronik: Unknown option 'x'\\." + hint;
    QTest::newRow("option with a value it does not take") << QStringList{"--version=2"} << false << 1 << QString()
                                                           << "^elektronik: Unexpected value after '--version'\\." + hint;
    QTest::newRow("stray argument") << QStringList{"datei.txt"} << false << 1 << QString()
                                    << "^elektronik: Unerwartetes Argument 'datei.txt'\\." + hint;
    QTest::newRow("Qt's platform option") << QStringList{"-platform", "offscreen"} << true << 0 << QString()
                                          << QString();
    QTest::newRow("session restore") << QStringList{"-session", "10a2b_1765"} << true << 0 << QString() << QString();
    QTest::newRow("Qt option with value after =") << QStringList{"-style=Fusion", "-reverse"} << true << 0
                                                  << QString() << QString();
    QTest::newRow("version after Qt option") << QStringList{"-platform", "xcb", "-v"} << false << 0 << version
                                             << QString();
}

void CommandLineTest::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, start);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);

    arguments.prepend(QStringLiteral("/usr/bin/elektronik"));
    const common::CommandLineAnswer answer =
        common::answerCommandLine(arguments, {QStringLiteral("elektronik"), QStringLiteral("Rechner.")});
    QCOMPARE(answer.start, start);
    QCOMPARE(answer.exitCode, exitCode);
    const auto matches = [](const QString &text, const QString &pattern) {
        return pattern.isEmpty() ? text.isEmpty()
                                 : QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                                       .match(text)
                                       .hasMatch();
    };
    QVERIFY2(matches(answer.output, output), qPrintable(answer.output));
    QVERIFY2(matches(answer.error, error), qPrintable(answer.error));
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
