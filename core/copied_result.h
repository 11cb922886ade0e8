// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "exercise.h"
#include "result_report.h"

namespace tolvar {

// The replies as a copied result writes them: a letter per question, A or B for the side chosen,
// in groups of four ("ABBA ABAB ..."). A question without a reply shows "-".
std::string ReplyLetters(const Replies& replies);

// How one language writes a copied result: each line's wording, with "%1" where the line's
// value goes, and each motivator's names, the present wording first and earlier ones after it.
// Texts are UTF-8.
struct ResultWording {
    std::string heading;  // "Tolvar result, copied %1"
    std::string marked;   // "Marked as the most motivating: %1"
    std::string replies;  // "Replies: %1"
    OneBasedArray<std::vector<std::string>, MOTIVATOR_COUNT> names;
};

// A result as it was copied. Copies made before the replies line was added have no replies.
struct CopiedResult {
    std::string copiedAt;  // as the copy wrote it
    Int16 marked = 0;
    Ratings ratings;
    bool hasReplies = false;
    Replies replies;
};

// Why a text is not a result that can be read.
enum class ReadProblem {
    NoResult,                  // no line that begins a copied result
    SeveralResults,            // more than one result in the text
    NoMarkedLine,              // the line naming the marked motivator is not where it belongs
    UnknownMotivator,          // a line names no motivator (line)
    MotivatorMissing,          // a motivator has no rating line (motivator)
    MotivatorTwice,            // a motivator has two rating lines (motivator)
    RatingOutOfRange,          // a rating is not 0 to 7 (motivator, number)
    RatingsNotTwentyEight,     // the ratings do not add up to 28 (number: their sum)
    RepliesOtherLetters,       // the replies hold something other than A and B (line)
    RepliesWrongCount,         // not 28 replies (number: how many)
    RepliesContradictRatings,  // the replies count to other ratings than the copy shows
};

struct ReadFailure {
    ReadProblem problem = ReadProblem::NoResult;
    Int16 motivator = 0;  // the motivator concerned, where there is one
    int number = 0;       // the number concerned, where there is one
    std::string line;     // the line concerned, where there is one (at most 200 bytes of it)
};

using ReadOutcome = std::variant<CopiedResult, ReadFailure>;

// Finds the one copied result in any text (other lines around it, any line ends, tabs and
// runs of spaces, e-mail quote marks, direction marks) written in any of the wordings given,
// and reads it, or says what is wrong with it. Never trusts a count or length it reads.
ReadOutcome ReadCopiedResult(std::string_view text, const std::vector<ResultWording>& wordings);

// Every copied result in the text, read or not, in the order they stand there; none where the
// text holds no result's first line. ReadCopiedResult and ReadCopiedResults both read through it.
std::vector<ReadOutcome> ReadEveryCopiedResult(std::string_view text,
                                               const std::vector<ResultWording>& wordings);

}  // namespace tolvar
