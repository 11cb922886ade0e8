// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "translatable.h"

namespace tolvar {
namespace {

struct Motivator {
    std::string_view optionCaption;
    std::string_view questionText;
};

// The texts differ on purpose in two places: the option caption of motivator 1 says "family"
// where its question text says "famility", and motivator 4's caption has two spaces after
// "Autonomy". Both are shown exactly as written.
constexpr OneBasedArray<Motivator, MOTIVATOR_COUNT> MakeCatalogue() {
    OneBasedArray<Motivator, MOTIVATOR_COUNT> catalogue;
    // Each caption is shown beside its option button and keeps its two leading spaces; each
    // question text is one side of a question, after "A]" or "B]".
    // clang-format off
    catalogue(1) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  My availability and closeness to family members"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "My availability and closeness to famility members")};
    catalogue(2) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  More material rewards and benefits"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "More material rewards and benefits")};
    catalogue(3) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  Status, power and leadership"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "Status, power and leadership")};
    catalogue(4) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  Autonomy  i.e. myself being my boss"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "Autonomy i.e. myself being my boss")};
    catalogue(5) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  Practising and promoting ethics and other values in the society"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "Practising and promoting ethics and other values in the society")};
    catalogue(6) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  Scope for recreational activities and innovation"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "Scope for recreational activities and innovation")};
    catalogue(7) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  Challenges and risks of varying magnitude"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "Challenges and risks of varying magnitude")};
    catalogue(8) = {
        //: A motivator, beside its option button. Keep the two leading spaces.
        TOLVAR_TRANSLATABLE("Motivator", "  Security"),
        //: The same motivator as one side of a question, after "A]" or "B]".
        TOLVAR_TRANSLATABLE("Motivator", "Security")};
    // clang-format on
    return catalogue;
}

// Questions 1 to 18 walk the pairs by growing distance; 19 to 28 keep their historical order.
constexpr OneBasedArray<Pair, QUESTION_COUNT> MakePairTable() {
    constexpr Pair pairs[QUESTION_COUNT] = {
        {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {1, 3}, {2, 4}, {3, 5},
        {4, 6}, {5, 7}, {6, 8}, {1, 4}, {2, 5}, {3, 6}, {4, 7}, {5, 8}, {1, 5}, {2, 6},
        {1, 6}, {3, 7}, {1, 7}, {3, 8}, {2, 7}, {4, 8}, {2, 8}, {1, 8},
    };
    OneBasedArray<Pair, QUESTION_COUNT> table;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        table(question) = pairs[question - 1];
    }
    return table;
}

constexpr auto CATALOGUE = MakeCatalogue();
constexpr auto PAIR_TABLE = MakePairTable();

}  // namespace

std::string_view OptionCaption(Int16 motivator) {
    return CATALOGUE.Contains(motivator) ? CATALOGUE(motivator).optionCaption : std::string_view{};
}

std::string_view QuestionText(Int16 motivator) {
    return CATALOGUE.Contains(motivator) ? CATALOGUE(motivator).questionText : std::string_view{};
}

std::optional<Pair> PairOf(Int16 question) {
    if (!PAIR_TABLE.Contains(question)) {
        return std::nullopt;
    }
    return PAIR_TABLE(question);
}

}  // namespace tolvar
