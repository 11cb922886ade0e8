// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_report.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace tolvar {
namespace {

// An option caption as the report names a motivator: without its leading spaces.
std::string_view MotivatorName(Int16 motivator) {
    std::string_view caption = OptionCaption(motivator);
    caption.remove_prefix(std::min(caption.find_first_not_of(' '), caption.size()));
    return caption;
}

}  // namespace

int CircularTriads(const Ratings& ratings) {
    int transitive = 0;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        const int rating = ratings(motivator);
        transitive += rating * (rating - 1) / 2;
    }
    return TRIAD_COUNT - transitive;
}

std::string ConsistencySentence(int circularTriads) {
    return "Consistency: " + std::to_string(circularTriads) + " circular " +
           (circularTriads == 1 ? "triad" : "triads") + " (0 is fully consistent, " +
           std::to_string(MOST_CIRCULAR_TRIADS) + " the most possible, and random replies make " +
           std::to_string(RANDOM_CIRCULAR_TRIADS) + " on average).";
}

std::string ResultReport(std::string_view copiedAt, Int16 markedMotivator, const Ratings& ratings) {
    std::string report = "Tolvar result, copied " + std::string(copiedAt) + "\n";
    report +=
        "Marked as the most motivating: " + std::string(MotivatorName(markedMotivator)) + "\n";
    std::array<Int16, MOTIVATOR_COUNT> order{};
    std::iota(order.begin(), order.end(), Int16{1});
    std::stable_sort(order.begin(), order.end(),
                     [&ratings](Int16 a, Int16 b) { return ratings(a) > ratings(b); });
    for (const Int16 motivator : order) {
        const std::string rating = std::to_string(ratings(motivator));
        report += std::string(2 - std::min<std::size_t>(rating.size(), 2), ' ') + rating + "  " +
                  std::string(MotivatorName(motivator)) + "\n";
    }
    report += ConsistencySentence(CircularTriads(ratings)) + "\n";
    return report;
}

}  // namespace tolvar
