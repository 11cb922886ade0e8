// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <vector>

#include "exercise.h"
#include "result_report.h"

namespace tolvar {
namespace {

// An exercise with every question answered: side A where the entry is true, else side B.
Exercise Answered(const std::vector<bool>& sideA) {
    Exercise exercise;
    exercise.Reset();
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        exercise.GoTo(question);
        exercise.RecordReply(sideA[static_cast<std::size_t>(question - 1)] ? "A" : "B");
    }
    exercise.Evaluate();
    return exercise;
}

Ratings RatingsOf(const Exercise& exercise) {
    Ratings ratings;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        ratings(motivator) = exercise.Rating(motivator);
    }
    return ratings;
}

// Every triad looked at: circular when its three preferences run round in either direction.
int CountCircularTriads(const Exercise& exercise) {
    bool prefers[MOTIVATOR_COUNT + 1][MOTIVATOR_COUNT + 1] = {};
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        const Int16 chosen = exercise.Reply(question);
        prefers[chosen][chosen == pair.sideA ? pair.sideB : pair.sideA] = true;
    }
    int circular = 0;
    for (int i = 1; i <= MOTIVATOR_COUNT; ++i) {
        for (int j = i + 1; j <= MOTIVATOR_COUNT; ++j) {
            for (int k = j + 1; k <= MOTIVATOR_COUNT; ++k) {
                circular += (prefers[i][j] && prefers[j][k] && prefers[k][i]) ||
                            (prefers[j][i] && prefers[k][j] && prefers[i][k]);
            }
        }
    }
    return circular;
}

RC_GTEST_PROP(CircularTriads, MatchBruteForceCountOverAllTriads, ()) {
    const auto sideA =
        *rc::gen::container<std::vector<bool>>(QUESTION_COUNT, rc::gen::arbitrary<bool>());
    const Exercise exercise = Answered(sideA);
    RC_ASSERT(CircularTriads(RatingsOf(exercise)) == CountCircularTriads(exercise));
}

TEST(CircularTriads, NoneWhenEveryReplyIsA) {
    const Exercise exercise = Answered(std::vector<bool>(QUESTION_COUNT, true));
    EXPECT_EQ(CircularTriads(RatingsOf(exercise)), 0);
}

// Each motivator preferred to the next three round the circle of eight, and the first four
// to the one opposite: scores of 4 and 3 only, the most circular triads there can be.
TEST(CircularTriads, TwentyAtMostAndReached) {
    std::vector<bool> sideA;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        sideA.push_back(pair.sideB - pair.sideA <= 4);
    }
    const Exercise exercise = Answered(sideA);
    EXPECT_EQ(CountCircularTriads(exercise), MOST_CIRCULAR_TRIADS);
    EXPECT_EQ(CircularTriads(RatingsOf(exercise)), MOST_CIRCULAR_TRIADS);
}

}  // namespace
}  // namespace tolvar
