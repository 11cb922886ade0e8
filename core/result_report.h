// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "catalogue.h"
#include "one_based_array.h"

namespace tolvar {

using Ratings = OneBasedArray<Int16, MOTIVATOR_COUNT>;

// Three motivators form a circular triad when the replies prefer the first to the second, the
// second to the third and the third to the first. Eight motivators make 56 triads; replies given
// at random make 14 circular ones on average, and no reply set makes more than 20.
inline constexpr int TRIAD_COUNT = 56;
inline constexpr int MOST_CIRCULAR_TRIADS = 20;
inline constexpr int RANDOM_CIRCULAR_TRIADS = 14;

// The number of circular triads in a complete set of replies, which follows from the ratings
// alone (Kendall and Babington Smith): 56 less, over the motivators, r(r - 1) / 2 for rating r.
int CircularTriads(const Ratings& ratings);

// The motivators from the highest rating down; ties keep the motivators' order.
std::array<Int16, MOTIVATOR_COUNT> RankedMotivators(const Ratings& ratings);

}  // namespace tolvar
