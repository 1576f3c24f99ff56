// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// The command line both programs answer before they open a window: --help
// (-h) and --version (-v). It is read before any application object
// exists, so answering needs no display. No widgets.
namespace common {

// What --help and --version say about a program.
struct ProgramInfo {
    QString name;        // the command, also the first word of --version
    QString description; // one German sentence under the usage line
};

// What main() does with its command line: open its window (start), or
// print output to standard output and error to standard error and end
// with exitCode.
struct CommandLineAnswer {
    bool start = true;
    int exitCode = 0;
    QString output;
    QString error;
};

// Answers the arguments as main() got them, program path first.
// No arguments start the program. --help wins over --version; both end
// with status 0. An unknown option, an option with a missing or an
// unwanted value, or a stray argument ends with status 1 and a German
// error naming it. Qt's own options ("-platform offscreen",
// "-session <id>" from a session manager, ...) start the program and are
// left for QApplication to read.
CommandLineAnswer answerCommandLine(const QStringList &arguments, const ProgramInfo &program);

// Prints the answer's output to output and its error to error. Returns
// nothing when the program is to open its window, else the exit status:
// the answer's, or 1 with a German error when the output could not be
// written in full (a full disk, a closed standard output).
std::optional<int> deliverAnswer(const CommandLineAnswer &answer, const ProgramInfo &program, std::FILE *output,
                                 std::FILE *error);

// answerCommandLine() for main()'s argc and argv, delivered to standard
// output and standard error.
std::optional<int> handleCommandLine(int argc, char *argv[], const ProgramInfo &program);

} // namespace common
