// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_report.h"

#include <algorithm>
#include <numeric>

namespace tolvar {

int CircularTriads(const Ratings& ratings) {
    int transitive = 0;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        const int rating = ratings(motivator);
        transitive += rating * (rating - 1) / 2;
    }
    return TRIAD_COUNT - transitive;
}

std::array<Int16, MOTIVATOR_COUNT> RankedMotivators(const Ratings& ratings) {
    std::array<Int16, MOTIVATOR_COUNT> order{};
    std::iota(order.begin(), order.end(), Int16{1});
    std::stable_sort(order.begin(), order.end(),
                     [&ratings](Int16 a, Int16 b) { return ratings(a) > ratings(b); });
    return order;
}

}  // namespace tolvar
