// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>

namespace tolvar::app {

// Reads the command line before any window or display is needed: answers --help and --version,
// and refuses what neither Tolvar nor Qt knows. Returns the exit status when the program ends
// here; nothing when it goes on to the window, whose QApplication then takes Qt's own options.
std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::ostream& out,
                                     std::ostream& err);

}  // namespace tolvar::app
