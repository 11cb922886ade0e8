// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_series.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tolvar {
namespace {

// The shape a copy writes its time in, "2026-12-08T14:05": only then does comparing the text
// compare the times.
bool IsIsoTime(std::string_view time) {
    constexpr std::string_view SHAPE = "0000-00-00T00:00";
    if (time.size() != SHAPE.size()) {
        return false;
    }
    for (std::size_t at = 0; at < SHAPE.size(); ++at) {
        const bool digit = std::isdigit(static_cast<unsigned char>(time[at])) != 0;
        if (SHAPE[at] == '0' ? !digit : time[at] != SHAPE[at]) {
            return false;
        }
    }
    return true;
}

bool SameRatings(const Ratings& first, const Ratings& second) {
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        if (first(motivator) != second(motivator)) {
            return false;
        }
    }
    return true;
}

// Two copies of one result: what was copied and when. Replies a copy does not hold are no part
// of it.
bool SameCopy(const CopiedResult& first, const CopiedResult& second) {
    return first.copiedAt == second.copiedAt && first.marked == second.marked &&
           SameRatings(first.ratings, second.ratings) && first.hasReplies == second.hasReplies &&
           (!first.hasReplies || SameReplies(first.replies, second.replies) == QUESTION_COUNT);
}

bool RatedHighest(const CopiedResult& result, Int16 motivator) {
    Int16 highest = 0;
    for (Int16 other = 1; other <= MOTIVATOR_COUNT; ++other) {
        highest = std::max(highest, result.ratings(other));
    }
    return result.ratings(motivator) == highest;
}

}  // namespace

ResultSeries MakeResultSeries(std::vector<CopiedResult> earlier, const CopiedResult& today) {
    std::stable_sort(earlier.begin(), earlier.end(),
                     [](const CopiedResult& first, const CopiedResult& second) {
                         const bool firstDated = IsIsoTime(first.copiedAt);
                         const bool secondDated = IsIsoTime(second.copiedAt);
                         if (firstDated != secondDated) {
                             return secondDated;
                         }
                         return firstDated && first.copiedAt < second.copiedAt;
                     });
    ResultSeries series;
    for (CopiedResult& result : earlier) {
        const auto copyOf = [&result](const CopiedResult& kept) { return SameCopy(kept, result); };
        if (!SameCopy(result, today) &&
            std::none_of(series.results.begin(), series.results.end(), copyOf)) {
            series.results.push_back(std::move(result));
        }
    }
    for (const CopiedResult& result : series.results) {
        series.sameReplies.push_back(
            result.hasReplies && today.hasReplies
                ? std::optional<int>(SameReplies(result.replies, today.replies))
                : std::nullopt);
        series.agreements.push_back(CompareOrders(result.ratings, today.ratings));
    }
    series.results.push_back(today);
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        if (std::all_of(series.results.begin(), series.results.end(),
                        [motivator](const CopiedResult& result) {
                            return RatedHighest(result, motivator);
                        })) {
            series.highestThroughout.push_back(motivator);
        }
    }
    return series;
}

std::variant<std::vector<CopiedResult>, ReadFailure> ReadCopiedResults(
    std::string_view text, const std::vector<ResultWording>& wordings) {
    std::vector<CopiedResult> results;
    for (ReadOutcome& outcome : ReadEveryCopiedResult(text, wordings)) {
        if (auto* failure = std::get_if<ReadFailure>(&outcome)) {
            return std::move(*failure);
        }
        results.push_back(std::move(std::get<CopiedResult>(outcome)));
    }
    if (results.empty()) {
        return ReadFailure{};  // no result
    }
    return results;
}

}  // namespace tolvar
