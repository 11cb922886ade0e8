// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tolvar::app {
namespace {

struct Outcome {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Outcome Answer(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "tolvar");
    const auto answer = AnswerCommandLine(static_cast<int>(arguments.size()), arguments.data());
    if (!answer) {
        return {};
    }
    return {answer->status, answer->out, answer->err};
}

struct Case {
    const char* name;
    std::vector<const char*> arguments;
};

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// The program's own questions are answered at once, on standard output, with success.
TEST(CommandLine, HelpShowsUsageAndTheOptions) {
    for (const char* option : {"--help", "-h"}) {
        const Outcome outcome = Answer({option});
        EXPECT_EQ(outcome.status, 0) << option;
        EXPECT_TRUE(outcome.out.starts_with("Usage: tolvar [OPTION]...\n")) << outcome.out;
        EXPECT_NE(outcome.out.find("--version"), std::string::npos) << outcome.out;
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(CommandLine, VersionNamesTheBuiltVersionAndLicence) {
    const Outcome outcome = Answer({"--version"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.starts_with("tolvar " TOLVAR_VERSION "\n")) << outcome.out;
    EXPECT_NE(outcome.out.find("GPL version 3 or later"), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.err, "");
}

// The first option that decides wins, as it is read from the left.
TEST(CommandLine, FirstDecidingOptionWins) {
    EXPECT_EQ(Answer({"--help", "--no-such-option"}).status, 0);
    EXPECT_EQ(Answer({"--no-such-option", "--help"}).status, 2);
    EXPECT_EQ(Answer({"-platform", "offscreen", "--version"}).status, 0);
    // A value that looks like one of Tolvar's options still belongs to Qt's option before it.
    EXPECT_EQ(Answer({"-qwindowtitle", "--help"}).status, std::nullopt);
}

// What Qt reads for itself goes through untouched, and nothing is printed.
class QtOptions : public testing::TestWithParam<Case> {};

TEST_P(QtOptions, AreLeftForQt) {
    const Outcome outcome = Answer(GetParam().arguments);
    EXPECT_EQ(outcome.status, std::nullopt);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, QtOptions,
    testing::Values(Case{"none", {}}, Case{"platform", {"-platform", "offscreen"}},
                    Case{"platformTwoDashes", {"--platform", "wayland"}},
                    Case{"styleJoined", {"-style=Fusion"}},
                    Case{"styleSeparate", {"-style", "Fusion"}},
                    Case{"switches", {"-reverse", "--widgetcount"}},
                    Case{"debugger", {"-qmljsdebugger=port:1234"}},
                    Case{"x11", {"-display", ":1", "-geometry", "800x600", "-name", "t"}}),
    CaseName);

// Anything else ends the program with a usage error: a message on standard error that names
// the argument, and status 2.
class Refused : public testing::TestWithParam<Case> {};

TEST_P(Refused, WithStatusTwoAndTheArgumentNamed) {
    const Outcome outcome = Answer(GetParam().arguments);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    const std::string last = GetParam().arguments.back();
    EXPECT_NE(outcome.err.find("'" + last + "'"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find("Try 'tolvar --help'"), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Refused,
    testing::Values(Case{"unknownLong", {"--frobnicate"}}, Case{"unknownShort", {"-x"}},
                    Case{"versionShortIsNotOurs", {"-V"}}, Case{"doubleDashAlone", {"--"}},
                    Case{"file", {"answers.txt"}}, Case{"singleDash", {"-"}},
                    Case{"valueMissing", {"-platform"}},
                    Case{"joinedValueOnSwitch", {"-reverse=yes"}},
                    Case{"afterQtOption", {"-style", "Fusion", "--frobnicate"}}),
    CaseName);

}  // namespace
}  // namespace tolvar::app
