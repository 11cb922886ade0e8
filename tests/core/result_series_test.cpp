// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_series.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

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

std::vector<ResultWording> Wordings() {
    ResultWording wording{
        "Tolvar result, copied %1", "Marked as the most motivating: %1", "Replies: %1", {}};
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        wording.names(motivator).emplace_back(NAMES[motivator - 1]);
    }
    return {wording};
}

Ratings Counted(const Replies& replies) {
    Ratings ratings;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        ++ratings(replies(question));
    }
    return ratings;
}

Ratings Of(std::initializer_list<int> values) {
    Ratings ratings;
    Int16 motivator = 1;
    for (const int value : values) {
        ratings(motivator++) = static_cast<Int16>(value);
    }
    return ratings;
}

Replies AllSide(bool sideA) {
    Replies replies;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        replies(question) = sideA ? PairOf(question)->sideA : PairOf(question)->sideB;
    }
    return replies;
}

CopiedResult Result(const std::string& copiedAt, Int16 marked, const Replies& replies,
                    bool hasReplies = true) {
    CopiedResult result{copiedAt, marked, Counted(replies), hasReplies, {}};
    if (hasReplies) {
        result.replies = replies;
    }
    return result;
}

// The result as the program copies it in English, its lines in the order it writes them.
std::string Copy(const CopiedResult& result) {
    std::string text = "Tolvar result, copied " + result.copiedAt +
                       "\nMarked as the most motivating: " + NAMES[result.marked - 1] + "\n";
    for (const Int16 motivator : RankedMotivators(result.ratings)) {
        text +=
            " " + std::to_string(result.ratings(motivator)) + "  " + NAMES[motivator - 1] + "\n";
    }
    text += "Consistency: 12 circular triads (0 is fully consistent).\n";
    if (result.hasReplies) {
        text += "Replies: " + ReplyLetters(result.replies) + "\n";
    }
    return text;
}

bool Same(const CopiedResult& first, const CopiedResult& second) {
    bool same = first.copiedAt == second.copiedAt && first.marked == second.marked &&
                first.hasReplies == second.hasReplies &&
                (!first.hasReplies || SameReplies(first.replies, second.replies) == QUESTION_COUNT);
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        same = same && first.ratings(motivator) == second.ratings(motivator);
    }
    return same;
}

Replies ArbitraryReplies() {
    Replies replies;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        replies(question) = *rc::gen::arbitrary<bool>() ? pair.sideA : pair.sideB;
    }
    return replies;
}

std::string IsoTime(int minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "2026-%02d-%02dT%02d:%02d", 1 + minutes / (28 * 1440) % 12,
                  1 + minutes / 1440 % 28, minutes / 60 % 24, minutes % 60);
    return text;
}

// Earlier results given in any order, some more than once, today's among them: each counted
// once, those without a readable time first as they were given, the others oldest first, today's
// last; each earlier one compared with today's.
RC_GTEST_PROP(MakeResultSeries, OrdersOldestFirstCountsEachOnceAndEndsWithToday, ()) {
    const auto dated = *rc::gen::inRange(0, 6);
    const auto undated = *rc::gen::inRange(0, 3);
    const auto minutes = *rc::gen::unique<std::vector<int>>(static_cast<std::size_t>(dated + 1),
                                                            rc::gen::inRange(0, 12 * 28 * 1440));
    std::vector<CopiedResult> distinct;
    for (int at = 0; at < dated + undated; ++at) {
        const std::string time =
            at < dated ? IsoTime(minutes[static_cast<std::size_t>(at)])
                       : *rc::gen::element<std::string>("", "8 March", "2026-12-08 08:47",
                                                        "2026-12-08T08:47:10", "2026-1a-08T08:47");
        distinct.push_back(Result(time, *rc::gen::inRange<Int16>(1, 9), ArbitraryReplies(),
                                  *rc::gen::arbitrary<bool>()));
    }
    const CopiedResult today =
        Result(IsoTime(minutes.back()), *rc::gen::inRange<Int16>(1, 9), ArbitraryReplies());

    std::vector<CopiedResult> given = distinct;
    const auto copies = *rc::gen::container<std::vector<std::size_t>>(
        rc::gen::inRange<std::size_t>(0, distinct.size() + 1));
    for (const std::size_t copy : copies) {
        given.push_back(copy < distinct.size() ? distinct[copy] : today);
    }
    // Shuffled: each result sorted by a key drawn for it.
    const auto keys =
        *rc::gen::container<std::vector<int>>(given.size(), rc::gen::arbitrary<int>());
    std::vector<std::size_t> order(given.size());
    for (std::size_t at = 0; at < order.size(); ++at) {
        order[at] = at;
    }
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t first, std::size_t second) {
        return keys[first] < keys[second];
    });
    std::vector<CopiedResult> input;
    std::vector<CopiedResult> undatedAsGiven;  // in the order each first appears
    for (const std::size_t at : order) {
        input.push_back(given[at]);
        const bool isUndated = std::any_of(
            distinct.begin() + dated, distinct.end(),
            [&at, &given](const CopiedResult& result) { return Same(result, given[at]); });
        if (isUndated && std::none_of(undatedAsGiven.begin(), undatedAsGiven.end(),
                                      [&at, &given](const CopiedResult& result) {
                                          return Same(result, given[at]);
                                      })) {
            undatedAsGiven.push_back(given[at]);
        }
    }

    const ResultSeries series = MakeResultSeries(input, today);
    RC_ASSERT(series.results.size() == distinct.size() + 1);
    RC_ASSERT(Same(series.results.back(), today));
    for (const CopiedResult& result : distinct) {
        RC_ASSERT(
            std::count_if(series.results.begin(), series.results.end(),
                          [&result](const CopiedResult& kept) { return Same(kept, result); }) == 1);
    }
    const std::size_t earlier = series.results.size() - 1;
    for (std::size_t at = 0; at < undatedAsGiven.size(); ++at) {
        RC_ASSERT(Same(series.results[at], undatedAsGiven[at]));
    }
    RC_ASSERT(series.sameReplies.size() == earlier);
    RC_ASSERT(series.agreements.size() == earlier);
    for (std::size_t at = 0; at < earlier; ++at) {
        const CopiedResult& result = series.results[at];
        if (at >= undatedAsGiven.size() && at + 1 < earlier) {
            RC_ASSERT(result.copiedAt < series.results[at + 1].copiedAt);
        }
        const OrderAgreement expected = CompareOrders(result.ratings, today.ratings);
        RC_ASSERT(series.agreements[at].same == expected.same);
        RC_ASSERT(series.agreements[at].opposite == expected.opposite);
        RC_ASSERT(series.agreements[at].tauB == expected.tauB);
        RC_ASSERT(series.sameReplies[at].has_value() == result.hasReplies);
        if (result.hasReplies) {
            RC_ASSERT(*series.sameReplies[at] == SameReplies(result.replies, today.replies));
        }
    }
}

// Only a copy of the very same result is dropped: one copied at the same time with another
// mark, other replies, or without its replies is a result of its own.
TEST(MakeResultSeries, DropsOnlyCopiesOfTheSameResult) {
    const CopiedResult today = Result("2026-12-08T14:05", 1, AllSide(true));
    const CopiedResult earlier = Result("2026-11-01T09:00", 1, AllSide(true));
    CopiedResult otherMark = earlier;
    otherMark.marked = 2;
    const CopiedResult otherReplies = Result("2026-11-01T09:00", 1, AllSide(false));
    const CopiedResult withoutReplies = Result("2026-11-01T09:00", 1, AllSide(true), false);
    const ResultSeries series = MakeResultSeries(
        {today, earlier, otherMark, earlier, otherReplies, withoutReplies, today}, today);
    ASSERT_EQ(series.results.size(), 5U);
    EXPECT_TRUE(Same(series.results[0], earlier));
    EXPECT_TRUE(Same(series.results[1], otherMark));
    EXPECT_TRUE(Same(series.results[2], otherReplies));
    EXPECT_TRUE(Same(series.results[3], withoutReplies));
    EXPECT_TRUE(Same(series.results[4], today));
    EXPECT_EQ(series.sameReplies[0], std::optional<int>(QUESTION_COUNT));
    EXPECT_EQ(series.sameReplies[2], std::optional<int>(0));
    EXPECT_EQ(series.sameReplies[3], std::nullopt);

    const ResultSeries alone = MakeResultSeries({}, today);
    ASSERT_EQ(alone.results.size(), 1U);
    EXPECT_TRUE(alone.sameReplies.empty());
    EXPECT_TRUE(alone.agreements.empty());
}

// Highest throughout: rated at that result's highest, alone or tied, in every result.
TEST(MakeResultSeries, HighestThroughout) {
    const auto highest = [](std::vector<Ratings> earlier, const Ratings& today) {
        std::vector<CopiedResult> results;
        int minute = 0;
        for (const Ratings& ratings : earlier) {
            results.push_back({IsoTime(minute++), 1, ratings, false, {}});
        }
        return MakeResultSeries(results, {IsoTime(minute), 1, today, false, {}}).highestThroughout;
    };
    const Ratings oneFirst = Of({7, 6, 5, 4, 3, 2, 1, 0});
    const Ratings oneAndTwoTied = Of({6, 6, 5, 4, 3, 2, 1, 1});
    const Ratings twoFirst = Of({6, 7, 5, 4, 3, 2, 1, 0});
    const Ratings eightFirst = Of({0, 1, 2, 3, 4, 5, 6, 7});
    const Ratings threeTied = Of({5, 5, 5, 4, 4, 3, 1, 1});
    const Ratings twoAndThreeTied = Of({4, 5, 5, 4, 4, 3, 2, 1});
    EXPECT_EQ(highest({}, oneFirst), (std::vector<Int16>{1})) << "today alone";
    EXPECT_EQ(highest({}, threeTied), (std::vector<Int16>{1, 2, 3})) << "tied today alone";
    EXPECT_EQ(highest({oneFirst, oneFirst}, oneFirst), (std::vector<Int16>{1})) << "the same";
    EXPECT_EQ(highest({oneAndTwoTied}, oneFirst), (std::vector<Int16>{1})) << "tied once";
    EXPECT_EQ(highest({oneAndTwoTied}, twoFirst), (std::vector<Int16>{2})) << "tied, then alone";
    EXPECT_EQ(highest({threeTied, twoAndThreeTied}, threeTied), (std::vector<Int16>{2, 3}))
        << "tied throughout";
    EXPECT_TRUE(highest({oneFirst}, twoFirst).empty()) << "changed today";
    EXPECT_TRUE(highest({oneFirst, eightFirst}, oneFirst).empty()) << "changed in between";
}

// Adding earlier results can only narrow the motivators highest throughout, never widen them.
RC_GTEST_PROP(MakeResultSeries, EarlierResultsOnlyNarrowTheHighest, ()) {
    const CopiedResult today = Result(IsoTime(99999), 1, ArbitraryReplies());
    std::vector<CopiedResult> earlier;
    std::vector<Int16> before = MakeResultSeries(earlier, today).highestThroughout;
    RC_ASSERT(!before.empty());
    const auto count = *rc::gen::inRange(1, 5);
    for (int minute = 0; minute < count; ++minute) {
        earlier.push_back(Result(IsoTime(minute), 1, ArbitraryReplies()));
        const std::vector<Int16> after = MakeResultSeries(earlier, today).highestThroughout;
        RC_ASSERT(std::includes(before.begin(), before.end(), after.begin(), after.end()));
        for (const Int16 motivator : after) {
            for (const CopiedResult& result : earlier) {
                for (Int16 other = 1; other <= MOTIVATOR_COUNT; ++other) {
                    RC_ASSERT(result.ratings(other) <= result.ratings(motivator));
                }
            }
        }
        before = after;
    }
}

// Every result in a text, in the order they stand, each read as it was copied; the first that
// cannot be read is what the whole text fails with.
TEST(ReadCopiedResults, ReadsEveryResultOrSaysWhatIsWrongWithTheFirstBrokenOne) {
    const CopiedResult first = Result("2026-10-01T08:00", 2, AllSide(true));
    const CopiedResult second = Result("2026-11-01T08:00", 5, AllSide(false), false);
    const CopiedResult third = Result("2026-12-01T08:00", 8, AllSide(false));
    std::string outOfRange = Copy(first);
    outOfRange.replace(outOfRange.find(" 7  "), 4, " 8  ");
    std::string missing = Copy(third);
    missing.erase(missing.find(" 0  "),
                  missing.find('\n', missing.find(" 0  ")) + 1 - missing.find(" 0  "));

    const auto readAll = [](const std::string& text) {
        return ReadCopiedResults(text, Wordings());
    };
    const auto two = readAll("Notes\n" + Copy(first) + "\n-- later --\n" + Copy(third));
    ASSERT_TRUE(std::holds_alternative<std::vector<CopiedResult>>(two));
    const auto& both = std::get<std::vector<CopiedResult>>(two);
    ASSERT_EQ(both.size(), 2U);
    EXPECT_TRUE(Same(both[0], first));
    EXPECT_TRUE(Same(both[1], third));

    // Back to back, the one without replies in the middle: nothing of one spills into the next.
    const auto three = readAll(Copy(third) + Copy(second) + Copy(first));
    ASSERT_TRUE(std::holds_alternative<std::vector<CopiedResult>>(three));
    const auto& all = std::get<std::vector<CopiedResult>>(three);
    ASSERT_EQ(all.size(), 3U);
    EXPECT_TRUE(Same(all[0], third));
    EXPECT_TRUE(Same(all[1], second));
    EXPECT_TRUE(Same(all[2], first));
    // One result alone, where several are read, still refuses the text with several.
    EXPECT_EQ(
        std::get<ReadFailure>(ReadCopiedResult(Copy(third) + Copy(second), Wordings())).problem,
        ReadProblem::SeveralResults);

    const std::vector<std::tuple<const char*, std::string, ReadProblem>> failures = {
        {"the middle one broken", Copy(second) + outOfRange + Copy(third),
         ReadProblem::RatingOutOfRange},
        {"the first of two broken ones", Copy(second) + missing + outOfRange,
         ReadProblem::MotivatorMissing},
        {"the last one broken", Copy(second) + Copy(first) + outOfRange,
         ReadProblem::RatingOutOfRange},
        {"none", "Dear Anna, here are my notes.\n", ReadProblem::NoResult},
        {"nothing", "", ReadProblem::NoResult},
    };
    for (const auto& [name, text, problem] : failures) {
        const auto outcome = readAll(text);
        ASSERT_TRUE(std::holds_alternative<ReadFailure>(outcome)) << name;
        EXPECT_EQ(std::get<ReadFailure>(outcome).problem, problem) << name;
    }
}

}  // namespace
}  // namespace tolvar
