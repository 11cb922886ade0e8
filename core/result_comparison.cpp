// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tolvar {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

OrderAgreement CompareOrders(const Ratings& earlier, const Ratings& today) {
    OrderAgreement agreement;
    int tiedEarlier = 0;
    int tiedToday = 0;
    for (Int16 first = 1; first <= MOTIVATOR_COUNT; ++first) {
        for (auto second = static_cast<Int16>(first + 1); second <= MOTIVATOR_COUNT; ++second) {
            const int then = Sign(earlier(first) - earlier(second));
            const int now = Sign(today(first) - today(second));
            tiedEarlier += then == 0;
            tiedToday += now == 0;
            if (then * now > 0) {
                ++agreement.same;
            } else if (then * now < 0) {
                ++agreement.opposite;
            } else {
                ++agreement.tied;
            }
        }
    }
    const int pairs = MOTIVATOR_COUNT * (MOTIVATOR_COUNT - 1) / 2;
    const double scale = std::sqrt(double(pairs - tiedEarlier) * double(pairs - tiedToday));
    if (scale > 0) {
        agreement.tauB = (agreement.same - agreement.opposite) / scale;
    }
    return agreement;
}

int SameReplies(const Replies& earlier, const Replies& today) {
    int same = 0;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        same += earlier(question) == today(question);
    }
    return same;
}

OneBasedArray<int, MOTIVATOR_COUNT> RatingChanges(const Ratings& earlier, const Ratings& today) {
    OneBasedArray<int, MOTIVATOR_COUNT> changes;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        changes(motivator) = today(motivator) - earlier(motivator);
    }
    return changes;
}

std::vector<Int16> MovedMost(const Ratings& earlier, const Ratings& today) {
    const auto changes = RatingChanges(earlier, today);
    int largest = 1;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        largest = std::max(largest, std::abs(changes(motivator)));
    }
    std::vector<Int16> moved;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        if (largest > 1 && std::abs(changes(motivator)) == largest) {
            moved.push_back(motivator);
        }
    }
    return moved;
}

}  // namespace tolvar
