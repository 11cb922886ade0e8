// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise.h"

#include <algorithm>

namespace tolvar {

void Exercise::Reset() {
    intReply.Fill(NO_REPLY);
    blnReplied.Fill(FALSE_FLAG);
}

void Exercise::RecordReply(std::string_view selectorText) {
    const auto pair = PairOf(intQuestionNo);
    if (!pair) {
        return;
    }
    if (selectorText == SELECTOR_TEXT_A) {
        blnReplied(intQuestionNo) = TRUE_FLAG;
        intReply(intQuestionNo) = pair->sideA;
    } else if (selectorText == SELECTOR_TEXT_B) {
        blnReplied(intQuestionNo) = TRUE_FLAG;
        intReply(intQuestionNo) = pair->sideB;
    } else if (selectorText == SELECTOR_TEXT_NONE) {
        blnReplied(intQuestionNo) = FALSE_FLAG;
        intReply(intQuestionNo) = NO_REPLY;
    }
}

std::optional<Int16> Exercise::SelectorEntryToShow() const {
    const auto pair = PairOf(intQuestionNo);
    if (!pair) {
        return std::nullopt;
    }
    const Int16 reply = intReply(intQuestionNo);
    if (reply == NO_REPLY) {
        return SELECTOR_ENTRY_NONE;
    }
    if (blnReplied(intQuestionNo) != FALSE_FLAG) {
        if (reply == pair->sideA) {
            return SELECTOR_ENTRY_A;
        }
        if (reply == pair->sideB) {
            return SELECTOR_ENTRY_B;
        }
    }
    return std::nullopt;
}

void Exercise::Next() {
    MoveTo(intQuestionNo + 1);
}

void Exercise::Previous() {
    MoveTo(intQuestionNo - 1);
}

void Exercise::StartQuestions() {
    intQuestionNo = 1;
}

void Exercise::GoTo(Int16 question) {
    if (intReply.Contains(question)) {
        intQuestionNo = question;
    }
}

std::optional<Int16> Exercise::FirstUnreplied() const {
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        if (blnReplied(question) == FALSE_FLAG) {
            return question;
        }
    }
    return std::nullopt;
}

void Exercise::Evaluate() {
    ratedReplies_ = intReply;
    intRating.Fill(0);
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Int16 reply = intReply(question);
        if (intRating.Contains(reply)) {
            ++intRating(reply);
        }
    }
}

Int16 Exercise::Rating(Int16 motivator) const {
    return intRating.Contains(motivator) ? intRating(motivator) : Int16{0};
}

bool Exercise::Replied(Int16 question) const {
    return blnReplied.Contains(question) && blnReplied(question) != FALSE_FLAG;
}

Int16 Exercise::Reply(Int16 question) const {
    return intReply.Contains(question) ? intReply(question) : NO_REPLY;
}

void Exercise::MoveTo(int question) {
    intQuestionNo = static_cast<Int16>(std::clamp(question, 1, int{QUESTION_COUNT}));
}

}  // namespace tolvar
