// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

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
// with status 0. An unknown option or a stray argument ends with status 1
// and the parser's error. Qt's own options ("-platform offscreen",
// "-session <id>" from a session manager, ...) start the program and are
// left for QApplication to read.
CommandLineAnswer answerCommandLine(const QStringList &arguments, const ProgramInfo &program);

// answerCommandLine() for main()'s argc and argv, with its text printed.
// Returns the exit status when the program is to end without a window.
std::optional<int> handleCommandLine(int argc, char *argv[], const ProgramInfo &program);

} // namespace common
