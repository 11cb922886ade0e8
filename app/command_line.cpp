// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace tolvar::app {
namespace {

constexpr int kUsageError = 2;

// The options Qt itself reads from a widgets program's command line on Linux; QApplication takes
// them out of the arguments. Qt accepts each with one dash or two.
constexpr std::array<std::string_view, 13> kQtOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "name"};
constexpr std::array<std::string_view, 5> kQtSwitches{"reverse", "widgetcount", "sync", "nograb",
                                                      "dograb"};
// These also take their value after an equals sign, as in -style=Fusion.
constexpr std::array<std::string_view, 3> kQtOptionsWithJoinedValue{"style", "stylesheet",
                                                                    "qmljsdebugger"};

constexpr std::string_view kHelp =
    "Usage: tolvar [OPTION]...\n"
    "Find which of eight motivators drives you most: mark the one you believe\n"
    "matters most, answer 28 paired questions and compare the ratings.\n"
    "\n"
    "  -h, --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Qt's standard options are accepted as well, such as -platform NAME,\n"
    "-style NAME and -reverse; see tolvar(1).\n";

constexpr std::string_view kVersion =
    "tolvar " TOLVAR_VERSION
    "\n"
    "Copyright (C) 2026 The Tolvar project\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

CommandLineAnswer Refuse(std::string_view problem, std::string_view argument) {
    return {kUsageError,
            {},
            "tolvar: " + std::string(problem) + " '" + std::string(argument) + "'\n" +
                "Try 'tolvar --help' for more information.\n"};
}

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            return CommandLineAnswer{0, std::string(kHelp), {}};
        }
        if (argument == "--version") {
            return CommandLineAnswer{0, std::string(kVersion), {}};
        }
        if (argument.size() < 2 || argument.front() != '-') {
            return Refuse("unexpected argument", argument);
        }
        std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        if (equals != std::string_view::npos &&
            Contains(kQtOptionsWithJoinedValue, name.substr(0, equals))) {
            continue;
        }
        if (Contains(kQtSwitches, name)) {
            continue;
        }
        if (!Contains(kQtOptionsWithValue, name)) {
            return Refuse("unrecognized option", argument);
        }
        if (i + 1 == argc) {
            return Refuse("missing value after option", argument);
        }
        ++i;
    }
    return std::nullopt;
}

}  // namespace tolvar::app
