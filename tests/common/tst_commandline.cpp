// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <QRegularExpression>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

bool matches(const QString &text, const QString &pattern)
{
    return pattern.isEmpty() ? text.isEmpty()
                             : QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                                   .match(text)
                                   .hasMatch();
}

const common::ProgramInfo kProgram{QStringLiteral("elektronik"), QStringLiteral("Rechner.")};

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

// Without an application object, as main() asks before its QApplication.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void delivery_data();
    void delivery();
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
    const QString version = "^elektronik " + QRegularExpression::escape(QStringLiteral(ELEKTRONIK_VERSION)) + "\n$";
    const QString hint = QStringLiteral("\nHilfe: elektronik --help\n$");
    QTest::newRow("no arguments") << QStringList{} << true << 0 << QString() << QString();
    QTest::newRow("--help") << QStringList{"--help"} << false << 0 << help << QString();
    QTest::newRow("-h") << QStringList{"-h"} << false << 0 << help << QString();
    QTest::newRow("--version") << QStringList{"--version"} << false << 0 << version << QString();
    QTest::newRow("-v") << QStringList{"-v"} << false << 0 << version << QString();
    QTest::newRow("help wins over version") << QStringList{"-v", "-h"} << false << 0 << help << QString();
    QTest::newRow("unknown long option") << QStringList{"--hilfe"} << false << 1 << QString()
                                         << "^elektronik: Unbekannte Option '--hilfe'\\." + hint;
    QTest::newRow("unknown short option") << QStringList{"-x"} << false << 1 << QString()
                                          << "^elektronik: Unbekannte Option '-x'\\." + hint;
    QTest::newRow("unknown option with a value") << QStringList{"--farbe=rot"} << false << 1 << QString()
                                                 << "^elektronik: Unbekannte Option '--farbe'\\." + hint;
    QTest::newRow("two unknown options") << QStringList{"--gibtsnicht", "-x"} << false << 1 << QString()
                                         << "^elektronik: Unbekannte Optionen '--gibtsnicht', '-x'\\." + hint;
    QTest::newRow("unknown option beside a Qt option") << QStringList{"-platform", "xcb", "-x"} << false << 1
                                                       << QString() << "^elektronik: Unbekannte Option '-x'\\." + hint;
    QTest::newRow("option with a value it does not take") << QStringList{"--version=2"} << false << 1 << QString()
                                                           << "^elektronik: Die Option '--version' nimmt keinen Wert\\." + hint;
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << false << 1 << QString()
                                                 << "^elektronik: Die Option '-platform' braucht einen Wert\\." + hint;
    QTest::newRow("Qt option with two dashes, without its value")
        << QStringList{"-reverse", "--style"} << false << 1 << QString()
        << "^elektronik: Die Option '--style' braucht einen Wert\\." + hint;
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
    const common::CommandLineAnswer answer = common::answerCommandLine(arguments, kProgram);
    QCOMPARE(answer.start, start);
    QCOMPARE(answer.exitCode, exitCode);
    QVERIFY2(matches(answer.output, output), qPrintable(answer.output));
    QVERIFY2(matches(answer.error, error), qPrintable(answer.error));
}

// The answers when standard output is a full device, as in
// "elektronik --help >/dev/full": which stream reaches the program's
// console is tests/delivery/commandline.sh's.
void CommandLineTest::delivery_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status"); // -1: the window opens
    QTest::addColumn<QString>("error");

    const QString cannotWrite = QStringLiteral("^elektronik: Die Standardausgabe lässt sich nicht schreiben\\.\n$");
    QTest::newRow("help") << QStringList{"--help"} << 1 << cannotWrite;
    QTest::newRow("version") << QStringList{"-v"} << 1 << cannotWrite;
    QTest::newRow("unknown option") << QStringList{"-x"} << 1 << "^elektronik: Unbekannte Option '-x'\\.";
    QTest::newRow("no arguments") << QStringList{} << -1 << QString();
}

void CommandLineTest::delivery()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, error);

    const File full(std::fopen("/dev/full", "w"));
    if (!full)
        QSKIP("no /dev/full on this system");
    const File err(std::tmpfile());
    QVERIFY(err);
    arguments.prepend(QStringLiteral("/usr/bin/elektronik"));
    const std::optional<int> exitCode =
        common::deliverAnswer(common::answerCommandLine(arguments, kProgram), kProgram, full.get(), err.get());

    QCOMPARE(exitCode.value_or(-1), status);
    std::rewind(err.get());
    QByteArray printed(4096, '\0');
    printed.resize(qsizetype(std::fread(printed.data(), 1, std::size_t(printed.size()), err.get())));
    QVERIFY2(matches(QString::fromLocal8Bit(printed), error), printed.constData());
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
