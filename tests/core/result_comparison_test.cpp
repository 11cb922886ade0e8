// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_comparison.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <cmath>

namespace tolvar {
namespace {

Ratings Of(std::initializer_list<int> values) {
    Ratings ratings;
    Int16 motivator = 1;
    for (const int value : values) {
        ratings(motivator++) = static_cast<Int16>(value);
    }
    return ratings;
}

Ratings Counted(const Replies& replies) {
    Ratings ratings;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        ++ratings(replies(question));
    }
    return ratings;
}

TEST(CompareOrders, CountsPairsAndWeighsThemAllowingForTies) {
    const Ratings descending = Of({7, 6, 5, 4, 3, 2, 1, 0});
    const OrderAgreement same = CompareOrders(descending, descending);
    EXPECT_EQ(same.same, 28);
    EXPECT_DOUBLE_EQ(*same.tauB, 1.0);
    const OrderAgreement reversed = CompareOrders(descending, Of({0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(reversed.opposite, 28);
    EXPECT_DOUBLE_EQ(*reversed.tauB, -1.0);
    // Two pairs tied today, none earlier: tau-b = 26 / sqrt(28 * 26).
    const OrderAgreement tied = CompareOrders(descending, Of({6, 6, 5, 4, 3, 2, 1, 1}));
    EXPECT_EQ(tied.same, 26);
    EXPECT_EQ(tied.tied, 2);
    EXPECT_NEAR(*tied.tauB, std::sqrt(26.0 / 28.0), 1e-12);
    // Four alike on each side, crosswise: no relation.
    const OrderAgreement none =
        CompareOrders(Of({7, 7, 7, 7, 0, 0, 0, 0}), Of({7, 0, 7, 0, 7, 0, 7, 0}));
    EXPECT_NEAR(*none.tauB, 0.0, 1e-12);
}

// One changed reply moves one point from one motivator to another: never "moved most".
RC_GTEST_PROP(MovedMost, OneChangedReplyIsNeverAMove, ()) {
    Replies earlier;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        earlier(question) = *rc::gen::arbitrary<bool>() ? pair.sideA : pair.sideB;
    }
    Replies today = earlier;
    const auto changed = *rc::gen::inRange<Int16>(1, QUESTION_COUNT + 1);
    const Pair pair = *PairOf(changed);
    today(changed) = today(changed) == pair.sideA ? pair.sideB : pair.sideA;
    RC_ASSERT(SameReplies(earlier, today) == QUESTION_COUNT - 1);
    RC_ASSERT(MovedMost(Counted(earlier), Counted(today)).empty());
    const auto changes = RatingChanges(Counted(earlier), Counted(today));
    RC_ASSERT(changes(pair.sideA) + changes(pair.sideB) == 0);
    RC_ASSERT(std::abs(changes(pair.sideA)) == 1);
    RC_ASSERT(*CompareOrders(Counted(earlier), Counted(today)).tauB <= 1.0);
}

TEST(MovedMost, NamesEveryMotivatorThatMovedTheMost) {
    const Ratings earlier = Of({7, 6, 5, 4, 3, 2, 1, 0});
    EXPECT_EQ(MovedMost(earlier, Of({4, 6, 5, 4, 3, 2, 1, 3})), (std::vector<Int16>{1, 8}));
    EXPECT_EQ(MovedMost(earlier, Of({5, 6, 5, 4, 3, 2, 2, 1})), (std::vector<Int16>{1}));
}

}  // namespace
}  // namespace tolvar
