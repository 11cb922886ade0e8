// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "exercise.h"
#include "result_report.h"

namespace tolvar {

// How the motivators' order agrees between two results, over the 28 pairs of motivators: a pair
// is in the same order when both results rate the same one higher, in the opposite order when
// they rate opposite ones higher, and tied when either rates the two alike. Kendall's tau-b
// weighs the same against the opposite, allowing for ties: 1 is the same order, -1 the reverse,
// 0 no relation.
struct OrderAgreement {
    int same = 0;
    int opposite = 0;
    int tied = 0;
    std::optional<double> tauB;  // none where one result rates every motivator alike
};

OrderAgreement CompareOrders(const Ratings& earlier, const Ratings& today);

// The number of questions answered alike in both.
int SameReplies(const Replies& earlier, const Replies& today);

// Today's rating less the earlier one, per motivator.
OneBasedArray<int, MOTIVATOR_COUNT> RatingChanges(const Ratings& earlier, const Ratings& today);

// One changed reply moves one point: one rating up by one, another down by one. The motivators
// whose rating moved by more than that, by the largest amount, in the motivators' order; none
// where no rating moved by more than one.
std::vector<Int16> MovedMost(const Ratings& earlier, const Ratings& today);

}  // namespace tolvar
