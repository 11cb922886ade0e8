// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tolvar {
namespace {

using Ratings = std::array<Int16, MOTIVATOR_COUNT>;

// An exercise as the window has it once loaded: reset, questions not yet started.
class ExerciseTest : public ::testing::Test {
  protected:
    ExerciseTest() { exercise.Reset(); }

    void ReplyToAll(std::string_view text) {
        exercise.StartQuestions();
        for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
            exercise.GoTo(question);
            exercise.RecordReply(text);
        }
    }

    Ratings RatingsNow() const {
        Ratings ratings{};
        for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
            ratings[static_cast<std::size_t>(motivator - 1)] = exercise.Rating(motivator);
        }
        return ratings;
    }

    // Every question either has no reply (false, 30) or is replied with one of its two sides.
    void ExpectConsistent() const {
        for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
            const Pair pair = *PairOf(question);
            const Int16 reply = exercise.Reply(question);
            if (exercise.Replied(question)) {
                EXPECT_TRUE(reply == pair.sideA || reply == pair.sideB) << "question " << question;
            } else {
                EXPECT_EQ(reply, NO_REPLY) << "question " << question;
            }
        }
    }

    Exercise exercise;
};

TEST(ExerciseCreated, StartsZeroedBeforeItsFirstReset) {
    const Exercise fresh;
    EXPECT_EQ(fresh.QuestionNo(), 0);
    EXPECT_EQ(fresh.Reply(1), 0);
    EXPECT_FALSE(fresh.Replied(1));
    EXPECT_EQ(fresh.Rating(1), 0);
}

TEST_F(ExerciseTest, ResetLeavesEveryQuestionWithoutReply) {
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        EXPECT_FALSE(exercise.Replied(question));
        EXPECT_EQ(exercise.Reply(question), NO_REPLY);
    }
    EXPECT_EQ(exercise.QuestionNo(), 0);
}

TEST_F(ExerciseTest, ResetKeepsTheCurrentQuestionAndTheRatings) {
    ReplyToAll("A");
    exercise.Evaluate();
    exercise.GoTo(17);
    exercise.Reset();
    EXPECT_EQ(exercise.QuestionNo(), 17);
    EXPECT_EQ(RatingsNow(), (Ratings{7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(exercise.FirstUnreplied(), Int16{1});
}

// RecordReply compares the selector's text exactly; side A is the lower motivator of the pair.
TEST_F(ExerciseTest, RecordReplyStoresTheSidePicked) {
    exercise.GoTo(21);
    exercise.RecordReply("A");
    EXPECT_TRUE(exercise.Replied(21));
    EXPECT_EQ(exercise.Reply(21), 1);
    exercise.RecordReply("B");
    EXPECT_TRUE(exercise.Replied(21));
    EXPECT_EQ(exercise.Reply(21), 6);
    EXPECT_FALSE(exercise.Replied(20));
    EXPECT_FALSE(exercise.Replied(22));
}

TEST_F(ExerciseTest, RecordReplyOfPleaseSelectHereWithdrawsTheReply) {
    exercise.GoTo(3);
    exercise.RecordReply("B");
    exercise.RecordReply("Please select here");
    EXPECT_FALSE(exercise.Replied(3));
    EXPECT_EQ(exercise.Reply(3), NO_REPLY);
}

TEST_F(ExerciseTest, RecordReplyOfAnyOtherTextChangesNothing) {
    exercise.GoTo(5);
    exercise.RecordReply("B");
    const std::string others[] = {"a",
                                  "b",
                                  "",
                                  "A ",
                                  " A",
                                  "AB",
                                  "please select here",
                                  "Please select here ",
                                  "Please",
                                  std::string("A\0", 2),
                                  "\xc3\x84"};
    for (const std::string& text : others) {
        exercise.RecordReply(text);
        EXPECT_TRUE(exercise.Replied(5)) << "text '" << text << "'";
        EXPECT_EQ(exercise.Reply(5), 6) << "text '" << text << "'";
    }
    exercise.GoTo(6);
    exercise.RecordReply("");
    EXPECT_FALSE(exercise.Replied(6));
    EXPECT_EQ(exercise.Reply(6), NO_REPLY);
}

TEST_F(ExerciseTest, RecordReplyBeforeTheQuestionsStartChangesNothing) {
    for (const char* text : {"A", "B", "Please select here"}) {
        exercise.RecordReply(text);
    }
    EXPECT_EQ(exercise.QuestionNo(), 0);
    EXPECT_EQ(exercise.FirstUnreplied(), Int16{1});
    ExpectConsistent();
}

TEST_F(ExerciseTest, SelectorEntryToShowFollowsTheStoredReply) {
    EXPECT_EQ(exercise.SelectorEntryToShow(), std::nullopt) << "before the questions start";
    exercise.StartQuestions();
    EXPECT_EQ(exercise.SelectorEntryToShow(), SELECTOR_ENTRY_NONE);
    exercise.RecordReply("A");
    EXPECT_EQ(exercise.SelectorEntryToShow(), SELECTOR_ENTRY_A);
    exercise.RecordReply("B");
    EXPECT_EQ(exercise.SelectorEntryToShow(), SELECTOR_ENTRY_B);
    exercise.RecordReply("Please select here");
    EXPECT_EQ(exercise.SelectorEntryToShow(), SELECTOR_ENTRY_NONE);
    exercise.GoTo(28);
    exercise.RecordReply("B");
    EXPECT_EQ(exercise.SelectorEntryToShow(), SELECTOR_ENTRY_B);
}

TEST(ExerciseCreated, SelectorEntryToShowLeavesTheSelectorForAZeroReply) {
    // Before the first reset a reply reads 0, neither side of any pair nor "no reply".
    Exercise fresh;
    fresh.StartQuestions();
    EXPECT_EQ(fresh.SelectorEntryToShow(), std::nullopt);
}

TEST_F(ExerciseTest, NextAndPreviousStayWithinTheQuestions) {
    exercise.StartQuestions();
    EXPECT_EQ(exercise.QuestionNo(), 1);
    exercise.Previous();
    EXPECT_EQ(exercise.QuestionNo(), 1);
    exercise.Next();
    EXPECT_EQ(exercise.QuestionNo(), 2);
    for (int step = 0; step < 40; ++step) {
        exercise.Next();
    }
    EXPECT_EQ(exercise.QuestionNo(), 28);
    exercise.Previous();
    EXPECT_EQ(exercise.QuestionNo(), 27);
}

TEST_F(ExerciseTest, NextAndPreviousBeforeTheStartGoToQuestionOne) {
    exercise.Previous();
    EXPECT_EQ(exercise.QuestionNo(), 1);
    Exercise other;
    other.Next();
    EXPECT_EQ(other.QuestionNo(), 1);
}

TEST_F(ExerciseTest, NavigationStoresNoReply) {
    exercise.StartQuestions();
    exercise.Next();
    exercise.Previous();
    exercise.GoTo(9);
    EXPECT_EQ(exercise.FirstUnreplied(), Int16{1});
}

TEST_F(ExerciseTest, GoToOutsideTheQuestionsChangesNothing) {
    exercise.GoTo(12);
    for (const Int16 question :
         {Int16{0}, Int16{-1}, Int16{29}, Int16{NO_REPLY}, Int16{INT16_MIN}, Int16{INT16_MAX}}) {
        exercise.GoTo(question);
        EXPECT_EQ(exercise.QuestionNo(), 12) << "question " << question;
    }
    exercise.GoTo(28);
    EXPECT_EQ(exercise.QuestionNo(), 28);
    exercise.GoTo(1);
    EXPECT_EQ(exercise.QuestionNo(), 1);
}

TEST_F(ExerciseTest, FirstUnrepliedFindsTheLowestGap) {
    EXPECT_EQ(exercise.FirstUnreplied(), Int16{1});
    exercise.StartQuestions();
    for (Int16 question = 1; question <= 27; ++question) {
        exercise.GoTo(question);
        exercise.RecordReply(question % 2 == 0 ? "A" : "B");
    }
    EXPECT_EQ(exercise.FirstUnreplied(), Int16{28});
    exercise.GoTo(28);
    exercise.RecordReply("A");
    EXPECT_EQ(exercise.FirstUnreplied(), std::nullopt);
    exercise.GoTo(14);
    exercise.RecordReply("Please select here");
    EXPECT_EQ(exercise.FirstUnreplied(), Int16{14});
    ExpectConsistent();
}

TEST_F(ExerciseTest, AllARatesTheLowerMotivatorsHighest) {
    ReplyToAll("A");
    exercise.Evaluate();
    EXPECT_EQ(RatingsNow(), (Ratings{7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST_F(ExerciseTest, AllBRatesTheHigherMotivatorsHighest) {
    ReplyToAll("B");
    exercise.Evaluate();
    EXPECT_EQ(RatingsNow(), (Ratings{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ExerciseTest, EvaluateRecountsFromZero) {
    ReplyToAll("A");
    exercise.Evaluate();
    exercise.Evaluate();
    EXPECT_EQ(RatingsNow(), (Ratings{7, 6, 5, 4, 3, 2, 1, 0}));
    exercise.GoTo(28);  // motivator 1 against 8
    exercise.RecordReply("B");
    EXPECT_EQ(RatingsNow(), (Ratings{7, 6, 5, 4, 3, 2, 1, 0})) << "only Evaluate recounts";
    exercise.Evaluate();
    EXPECT_EQ(RatingsNow(), (Ratings{6, 6, 5, 4, 3, 2, 1, 1}));
}

TEST_F(ExerciseTest, RatingsAddUpToTheQuestionCount) {
    exercise.StartQuestions();
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        exercise.GoTo(question);
        exercise.RecordReply(question % 3 == 0 ? "A" : "B");
    }
    exercise.Evaluate();
    int sum = 0;
    for (const Int16 rating : RatingsNow()) {
        EXPECT_GE(rating, 0);
        EXPECT_LE(rating, 7);
        sum += rating;
    }
    EXPECT_EQ(sum, QUESTION_COUNT);
}

TEST_F(ExerciseTest, UnrepliedQuestionsCountForNoOne) {
    exercise.GoTo(1);
    exercise.RecordReply("A");
    exercise.Evaluate();
    EXPECT_EQ(RatingsNow(), (Ratings{1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ExerciseTest, ReadsOutsideTheArraysAreHarmless) {
    for (const Int16 motivator :
         {Int16{0}, Int16{9}, Int16{-1}, Int16{INT16_MIN}, Int16{INT16_MAX}}) {
        EXPECT_EQ(exercise.Rating(motivator), 0) << "motivator " << motivator;
    }
    for (const Int16 question :
         {Int16{0}, Int16{29}, Int16{-1}, Int16{INT16_MIN}, Int16{INT16_MAX}}) {
        EXPECT_FALSE(exercise.Replied(question)) << "question " << question;
        EXPECT_EQ(exercise.Reply(question), NO_REPLY) << "question " << question;
    }
}

}  // namespace
}  // namespace tolvar
