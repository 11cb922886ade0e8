// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copied_result.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <string>
#include <vector>

#include "result_comparison.h"

namespace tolvar {
namespace {

const char* const NAMES[] = {"My availability and closeness to family members",
                             "More material rewards and benefits",
                             "Status, power and leadership",
                             "Autonomy  i.e. myself being my boss",
                             "Practising and promoting ethics and other values in the society",
                             "Scope for recreational activities and innovation",
                             "Challenges and risks of varying magnitude",
                             "Security"};

ResultWording English() {
    ResultWording wording{
        "Tolvar result, copied %1", "Marked as the most motivating: %1", "Replies: %1", {}};
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        wording.names(motivator).emplace_back(NAMES[motivator - 1]);
    }
    return wording;
}

ResultWording German() {
    ResultWording wording{"Tolvar-Ergebnis, kopiert am %1",
                          "Als stärkster Antrieb markiert: %1",
                          "Antworten: %1",
                          {}};
    wording.names(8).emplace_back("Sicherheit");
    return wording;
}

const std::vector<ResultWording> WORDINGS = {English(), German()};

Replies RepliesFrom(const std::vector<bool>& sideA) {
    Replies replies;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        replies(question) = sideA[static_cast<std::size_t>(question - 1)] ? pair.sideA : pair.sideB;
    }
    return replies;
}

Ratings Counted(const Replies& replies) {
    Ratings ratings;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        ++ratings(replies(question));
    }
    return ratings;
}

// A copy as the program writes it in English, in the order it writes its lines.
std::string Copy(Int16 marked, const Replies& replies, bool withReplies = true) {
    const Ratings ratings = Counted(replies);
    std::string text = "Tolvar result, copied 2026-12-08T08:47\nMarked as the most motivating: ";
    text += std::string(NAMES[marked - 1]) + "\n";
    for (const Int16 motivator : RankedMotivators(ratings)) {
        text += " " + std::to_string(ratings(motivator)) + "  " + NAMES[motivator - 1] + "\n";
    }
    text += "Consistency: 12 circular triads (0 is fully consistent).\n";
    if (withReplies) {
        text += "Replies: " + ReplyLetters(replies) + "\n";
    }
    return text;
}

const Replies ALL_A = RepliesFrom(std::vector<bool>(QUESTION_COUNT, true));

ReadProblem ProblemOf(const std::string& text) {
    const ReadOutcome outcome = ReadCopiedResult(text, WORDINGS);
    const auto* failure = std::get_if<ReadFailure>(&outcome);
    return failure != nullptr ? failure->problem : ReadProblem{-1};
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(ReplyLetters, GroupsOfFourInSidesOfEachQuestion) {
    Replies replies = ALL_A;
    replies(2) = PairOf(2)->sideB;
    replies(28) = PairOf(28)->sideB;
    EXPECT_EQ(ReplyLetters(replies), "ABAA AAAA AAAA AAAA AAAA AAAA AAAB");
}

// Whatever surrounds a copy, however its lines end and are spaced, whichever wording it is in,
// it reads back as written; a copy made before the replies were copied has none.
TEST(ReadCopiedResult, ReadsACopyWhereverItIsAndHoweverItIsWritten) {
    const std::string copy = Copy(4, ALL_A);
    std::string crOnly = copy;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    std::string quoted;
    for (std::size_t start = 0; start < copy.size();) {
        const std::size_t end = copy.find('\n', start);
        quoted += "> " + copy.substr(start, end - start + 1);
        start = end + 1;
    }
    std::string noConsistency = copy;
    noConsistency.erase(copy.find("Consistency"), copy.find("Replies") - copy.find("Consistency"));
    const std::string german =
        Replaced(Replaced(Replaced(copy, "Tolvar result, copied", "Tolvar-Ergebnis, kopiert am"),
                          "Marked as the most motivating:", "Als stärkster Antrieb markiert:"),
                 "Replies:", "Antworten:");
    const std::vector<std::tuple<const char*, std::string, bool>> cases = {
        {"as copied", copy, true},
        {"in an e-mail", "Hi,\n\nhere it is:\n\n" + copy + "\nRegards\nAnna\n", true},
        {"a date typed above", "3 March, before the move\n" + copy, true},
        {"CR LF", Replaced(Replaced(copy, "\n", "\r\n"), "\n ", "\r\n "), true},
        {"CR alone", crOnly, true},
        {"tabs and spaces",
         Replaced(Replaced(copy, " 7  My", "\t7\t\tMy"), "Security", "Security  "), true},
        {"quoted in a reply", quoted, true},
        {"direction marks", "\u200f" + Replaced(copy, "Security", "\u2068Security\u2069"), true},
        {"no-break spaces", Replaced(copy, "Marked as", "Marked\u00a0as"), true},
        {"another wording", german, true},
        {"no consistency line", noConsistency, true},
        {"made before replies were copied", Copy(4, ALL_A, false), false},
    };
    for (const auto& [name, text, withReplies] : cases) {
        const ReadOutcome outcome = ReadCopiedResult(text, WORDINGS);
        ASSERT_TRUE(std::holds_alternative<CopiedResult>(outcome)) << name;
        const auto& result = std::get<CopiedResult>(outcome);
        EXPECT_EQ(result.copiedAt, "2026-12-08T08:47") << name;
        EXPECT_EQ(result.marked, 4) << name;
        EXPECT_EQ(result.hasReplies, withReplies) << name;
        EXPECT_EQ(SameReplies(result.replies, ALL_A), withReplies ? QUESTION_COUNT : 0) << name;
        EXPECT_EQ(result.ratings(1), 7) << name;
    }
}

TEST(ReadCopiedResult, SaysWhatIsWrong) {
    const std::string copy = Copy(1, ALL_A);
    std::string binary(300, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>(i * 37);
    }
    const std::string moved = Replaced(Replaced(copy, " 7  My", " 6  My"), " 0  Sec", " 1  Sec");
    const std::vector<std::tuple<const char*, std::string, ReadProblem>> cases = {
        {"empty", "", ReadProblem::NoResult},
        {"prose", "Dear Anna, the results are in and my motivators are fine.",
         ReadProblem::NoResult},
        {"a number", "28", ReadProblem::NoResult},
        {"binary", binary, ReadProblem::NoResult},
        {"a megabyte of text", std::string(1 << 20, 'x'), ReadProblem::NoResult},
        {"two results", copy + "\n" + copy, ReadProblem::SeveralResults},
        {"no marked line", Replaced(copy, "Marked as the most motivating: ", "Marked: "),
         ReadProblem::NoMarkedLine},
        {"motivator unknown", Replaced(copy, "Security", "Safety"), ReadProblem::UnknownMotivator},
        {"motivator missing", Replaced(copy, " 0  Security\n", ""), ReadProblem::MotivatorMissing},
        {"motivator twice", Replaced(copy, "0  Security", "0  Status, power and leadership"),
         ReadProblem::MotivatorTwice},
        {"rating above 7", Replaced(Replaced(copy, " 7  My", " 8  My"), " 1  Chall", " 0  Chall"),
         ReadProblem::RatingOutOfRange},
        {"rating negative", Replaced(copy, " 0  Sec", "-1  Sec"), ReadProblem::RatingOutOfRange},
        {"rating huge", Replaced(copy, " 0  Sec", "99999999999999999999  Sec"),
         ReadProblem::RatingOutOfRange},
        {"not 28", Replaced(copy, " 0  Sec", " 1  Sec"), ReadProblem::RatingsNotTwentyEight},
        {"replies short", Replaced(copy, "Replies: AAAA", "Replies: AAA"),
         ReadProblem::RepliesWrongCount},
        {"replies long", Replaced(copy, "Replies: AAAA", "Replies: AAAAA"),
         ReadProblem::RepliesWrongCount},
        {"replies other letters", Replaced(copy, "Replies: AAAA", "Replies: AACA"),
         ReadProblem::RepliesOtherLetters},
        {"replies contradict", moved, ReadProblem::RepliesContradictRatings},
    };
    for (const auto& [name, text, problem] : cases) {
        EXPECT_EQ(ProblemOf(text), problem) << name;
    }
}

// Any text at all gives a result or a reason; a result always adds up (run under the sanitizers).
RC_GTEST_PROP(ReadCopiedResult, AnyTextGivesAResultOrAReason, ()) {
    const auto sideA =
        *rc::gen::container<std::vector<bool>>(QUESTION_COUNT, rc::gen::arbitrary<bool>());
    const auto marked = *rc::gen::inRange<Int16>(1, MOTIVATOR_COUNT + 1);
    const std::string copy = Copy(marked, RepliesFrom(sideA), *rc::gen::arbitrary<bool>());
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < copy.size();) {
        const std::size_t end = copy.find('\n', start);
        lines.push_back(copy.substr(start, end - start));
        start = end + 1;
    }
    // The copy with lines cut, doubled or mutated, or bytes of any kind.
    const int edits = *rc::gen::inRange(0, 4);
    for (int edit = 0; edit < edits && !lines.empty(); ++edit) {
        const auto at = *rc::gen::inRange<std::size_t>(0, lines.size());
        switch (*rc::gen::inRange(0, 4)) {
            case 0:
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            case 1:
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
                break;
            case 2:
                lines[at] = *rc::gen::arbitrary<std::string>();
                break;
            default:
                if (!lines[at].empty()) {
                    lines[at][*rc::gen::inRange<std::size_t>(0, lines[at].size())] =
                        *rc::gen::arbitrary<char>();
                }
                break;
        }
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    if (*rc::gen::arbitrary<bool>()) {
        text = *rc::gen::arbitrary<std::string>();
    }
    const ReadOutcome outcome = ReadCopiedResult(text, WORDINGS);
    RC_CLASSIFY(std::holds_alternative<CopiedResult>(outcome), "read");
    if (const auto* result = std::get_if<CopiedResult>(&outcome)) {
        int sum = 0;
        for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
            RC_ASSERT(result->ratings(motivator) >= 0 && result->ratings(motivator) <= 7);
            sum += result->ratings(motivator);
        }
        RC_ASSERT(sum == int{QUESTION_COUNT});
        RC_ASSERT(result->marked >= 1 && result->marked <= MOTIVATOR_COUNT);
        if (result->hasReplies) {
            for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
                RC_ASSERT(Counted(result->replies)(motivator) == result->ratings(motivator));
            }
        }
    } else {
        RC_ASSERT(std::get<ReadFailure>(outcome).line.size() <= 200U);
    }
}

}  // namespace
}  // namespace tolvar
