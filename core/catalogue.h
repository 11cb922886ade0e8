// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "one_based_array.h"

namespace tolvar {

inline constexpr Int16 MOTIVATOR_COUNT = 8;
inline constexpr Int16 QUESTION_COUNT = 28;

// The two motivators a question sets against each other; side A always has the lower number.
struct Pair {
    Int16 sideA;
    Int16 sideB;
    friend constexpr bool operator==(const Pair&, const Pair&) = default;
};

// Caption of the motivator's option button, two leading spaces included.
// A number outside 1..8 gives the empty text.
std::string_view OptionCaption(Int16 motivator);

// Text shown beside "A]" or "B]" when the motivator is one side of a question.
// A number outside 1..8 gives the empty text.
std::string_view QuestionText(Int16 motivator);

// The pair asked by a question; a number outside 1..28 gives none.
std::optional<Pair> PairOf(Int16 question);

}  // namespace tolvar
