// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "copied_result.h"
#include "result_comparison.h"

namespace tolvar {

// One person's results over time: the earlier ones they kept and today's, each counted once and
// ordered by the time it was copied, oldest first, today's last.
struct ResultSeries {
    std::vector<CopiedResult> results;  // oldest first; today's is the last
    // For each earlier result (results[0 .. size - 2]), in the same order: how many replies are
    // the same as today's (none where that result holds no replies) and how its order of the
    // motivators agrees with today's.
    std::vector<std::optional<int>> sameReplies;
    std::vector<OrderAgreement> agreements;
    // The motivators rated highest (alone or tied) in every result, in the motivators' order.
    std::vector<Int16> highestThroughout;
};

// Orders the earlier results by the time they were copied (the copy's ISO date and time, as
// written; a result whose time cannot be read goes first, in the order given), drops every
// result that is a copy of another (the same time, mark, ratings and replies) and any copy of
// today's, and compares each earlier one with today's.
ResultSeries MakeResultSeries(std::vector<CopiedResult> earlier, const CopiedResult& today);

// Every copied result in a text, in the order they stand there, or what is wrong with the first
// one that cannot be read. Unlike ReadCopiedResult, several results are no failure.
std::variant<std::vector<CopiedResult>, ReadFailure> ReadCopiedResults(
    std::string_view text, const std::vector<ResultWording>& wordings);

}  // namespace tolvar
