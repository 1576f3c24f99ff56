// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace common {

namespace {

// Options that QGuiApplication, QApplication and the xcb platform read and
// remove from the arguments themselves. They have to pass here, for one
// because a session manager restarts the program with "-session <id>".
constexpr QStringView kQtOptionsWithValue[] = {
    u"platform", u"platformpluginpath", u"platformtheme", u"plugin", u"qwindowgeometry", u"qwindowicon",
    u"qwindowtitle", u"geometry", u"icon", u"title", u"session", u"style", u"stylesheet", u"display",
    u"name", u"qmljsdebugger",
};
constexpr QStringView kQtFlags[] = {
    u"reverse", u"testability", u"widgetcount", u"sync", u"nograb", u"dograb",
};

QString optionLine(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    return QStringLiteral("  ") + names.join(QStringLiteral(", ")).leftJustified(15) + option.description()
        + u'\n';
}

CommandLineAnswer ending(int exitCode, const QString &output, const QString &error)
{
    return {false, exitCode, output, error};
}

bool takesValue(QStringView name)
{
    return std::ranges::find(kQtOptionsWithValue, name) != std::end(kQtOptionsWithValue);
}

// An option argument's name without its dashes and without a value after "=".
QStringView optionName(QStringView argument)
{
    QStringView name = argument.left(argument.indexOf(u'='));
    while (name.startsWith(u'-'))
        name = name.sliced(1);
    return name;
}

// The option as the user typed it: with its dashes, without a value.
QString typed(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(u'-') && optionName(argument) == name)
            return argument.left(argument.indexOf(u'='));
    }
    return name;
}

// Qt's parser words its errors in English, so they are said anew here,
// from the arguments and the parser's findings rather than its wording.
QString parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const auto quoted = [&arguments](const QString &name) { return u'\'' + typed(arguments, name) + u'\''; };
    QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1)
        return QStringLiteral("Unbekannte Option %1.").arg(quoted(unknown.constFirst()));
    if (!unknown.isEmpty()) {
        std::ranges::transform(unknown, unknown.begin(), quoted);
        return QStringLiteral("Unbekannte Optionen %1.").arg(unknown.join(QStringLiteral(", ")));
    }
    // Every other error of the parser is about an option's value: one that
    // takes a value came last, without one, or one that takes none came
    // with a value after "=".
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--")
            break;
        if (!argument.startsWith(u'-'))
            continue;
        const QString option = argument.left(argument.indexOf(u'='));
        const bool withValue = option.size() < argument.size();
        if (takesValue(optionName(argument))) {
            if (!withValue && i == arguments.size() - 1)
                return QStringLiteral("Die Option '%1' braucht einen Wert.").arg(option);
            i += withValue ? 0 : 1;
        } else if (withValue) {
            return QStringLiteral("Die Option '%1' nimmt keinen Wert.").arg(option);
        }
    }
    return QStringLiteral("Ungültiger Aufruf.");
}

// Whether all of text reached stream.
bool print(const QString &text, std::FILE *stream)
{
    if (text.isEmpty())
        return true;
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size())
        && std::fflush(stream) == 0;
}

} // namespace

CommandLineAnswer answerCommandLine(const QStringList &arguments, const ProgramInfo &program)
{
    QCommandLineParser parser;
    // Qt's own options are long names behind one dash ("-platform").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zeigt diese Hilfe."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Zeigt Programmname und Version."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QStringView name : kQtOptionsWithValue) {
        QCommandLineOption option(name.toString(), QString(), QStringLiteral("wert"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QStringView name : kQtFlags) {
        QCommandLineOption option(name.toString(), QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString hint = QStringLiteral("Hilfe: %1 --help\n").arg(program.name);
    if (!parser.parse(arguments))
        return ending(1, {}, program.name + QStringLiteral(": ") + parseError(parser, arguments) + u'\n' + hint);
    if (parser.isSet(help)) {
        return ending(0,
                      QStringLiteral("Aufruf: %1 [Option]\n%2\nOhne Option öffnet sich das Programmfenster.\n\n"
                                     "Optionen:\n")
                              .arg(program.name, program.description)
                          + optionLine(help) + optionLine(version),
                      {});
    }
    if (parser.isSet(version))
        return ending(0, program.name + u' ' + QStringLiteral(ELEKTRONIK_VERSION) + u'\n', {});
    // The programs open no files; a stray word is most likely a mistyped option.
    if (!parser.positionalArguments().isEmpty()) {
        return ending(1, {},
                      program.name + QStringLiteral(": Unerwartetes Argument '%1'.\n")
                              .arg(parser.positionalArguments().constFirst())
                          + hint);
    }
    return {};
}

std::optional<int> handleCommandLine(int argc, char *argv[], const ProgramInfo &program)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return deliverAnswer(answerCommandLine(arguments, program), program, stdout, stderr);
}

std::optional<int> deliverAnswer(const CommandLineAnswer &answer, const ProgramInfo &program, std::FILE *output,
                                 std::FILE *error)
{
    // A help text cut short must not look like a success to a script.
    if (!print(answer.output, output)) {
        print(program.name + QStringLiteral(": Die Standardausgabe lässt sich nicht schreiben.\n"), error);
        return 1;
    }
    print(answer.error, error);
    if (answer.start)
        return std::nullopt;
    return answer.exitCode;
}

} // namespace common
