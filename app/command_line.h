// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace tolvar::app {

// How the program ends when the command line alone decides it.
struct CommandLineAnswer {
    int status = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// Reads the command line before any window or display is needed: answers --help and --version,
// and refuses what neither Tolvar nor Qt knows. Nothing when the program goes on to the window,
// whose QApplication then takes Qt's own options. (It writes nothing itself: the program does
// not pay for the standard streams at every start.)
std::optional<CommandLineAnswer> AnswerCommandLine(int argc, const char* const argv[]);

}  // namespace tolvar::app
