// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "catalogue.h"
#include "one_based_array.h"
#include "translatable.h"

namespace tolvar {

// The reply code of a question that has no reply.
inline constexpr Int16 NO_REPLY = 30;

// A reply code per question: the motivator chosen, or NO_REPLY.
using Replies = OneBasedArray<Int16, QUESTION_COUNT>;

// The reply selector's entries, in the order the window adds them.
inline constexpr Int16 SELECTOR_ENTRY_A = 0;
inline constexpr Int16 SELECTOR_ENTRY_B = 1;
inline constexpr Int16 SELECTOR_ENTRY_NONE = 2;
// The window shows them in the user's language and hands back these English texts as the reply.
//: The reply selector's entry for side A of the question ("A]").
inline constexpr std::string_view SELECTOR_TEXT_A = TOLVAR_TRANSLATABLE("Selector", "A");
//: The reply selector's entry for side B of the question ("B]").
inline constexpr std::string_view SELECTOR_TEXT_B = TOLVAR_TRANSLATABLE("Selector", "B");
//: The reply selector's entry while a question has no reply.
inline constexpr std::string_view SELECTOR_TEXT_NONE =
    TOLVAR_TRANSLATABLE("Selector", "Please select here");

// One run through the questionnaire: the current question, the stored replies and the ratings
// counted from them. It knows the reply selector only by its texts and entry numbers.
class Exercise {
  public:
    // Every question to no reply; the current question and the ratings stay as they are.
    void Reset();

    // Stores the reply the selector shows for the current question: "A" or "B" choose that side,
    // "Please select here" withdraws the reply, any other text changes nothing.
    // Before the questions start (current question 0) nothing changes.
    void RecordReply(std::string_view selectorText);

    // The selector entry that shows the current question's stored reply, or none for "leave the
    // selector as it is". Before the questions start it is none.
    std::optional<Int16> SelectorEntryToShow() const;

    // Move by one question, staying within 1..28; from 0 (not yet started) both go to question 1.
    void Next();
    void Previous();

    void StartQuestions();

    // Makes the question current; a number outside 1..28 changes nothing.
    void GoTo(Int16 question);

    // The lowest question without a reply, or none when all 28 have one.
    std::optional<Int16> FirstUnreplied() const;

    // Recounts every rating from zero over the stored replies, and keeps those replies as the
    // ones the ratings were counted from.
    void Evaluate();

    Int16 QuestionNo() const { return intQuestionNo; }

    // A motivator number outside 1..8 reads 0.
    Int16 Rating(Int16 motivator) const;

    // A question number outside 1..28 reads as not replied, with NO_REPLY.
    bool Replied(Int16 question) const;
    Int16 Reply(Int16 question) const;

    // The replies the last Evaluate counted; a reply changed since does not change them.
    const Replies& RatedReplies() const { return ratedReplies_; }

  private:
    void MoveTo(int question);

    Int16 intQuestionNo = 0;
    OneBasedArray<Int16, QUESTION_COUNT> blnReplied;
    OneBasedArray<Int16, QUESTION_COUNT> intReply;
    OneBasedArray<Int16, MOTIVATOR_COUNT> intRating;
    Replies ratedReplies_;
};

}  // namespace tolvar
