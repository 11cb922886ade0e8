// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace tolvar {
namespace {

// The pair table's invariants, which the ratings' 0..7 range and their sum of 28 rely on.
TEST(PairTable, EveryUnorderedPairOccursExactlyOnce) {
    std::set<std::pair<Int16, Int16>> seen;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const auto pair = PairOf(question);
        ASSERT_TRUE(pair.has_value()) << "question " << question;
        EXPECT_TRUE(seen.insert({pair->sideA, pair->sideB}).second) << "question " << question;
    }
    EXPECT_EQ(seen.size(), std::size_t{MOTIVATOR_COUNT * (MOTIVATOR_COUNT - 1) / 2});
}

TEST(PairTable, SideAIsLowerAndBothSidesAreMotivators) {
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        EXPECT_GE(pair.sideA, 1) << "question " << question;
        EXPECT_LT(pair.sideA, pair.sideB) << "question " << question;
        EXPECT_LE(pair.sideB, MOTIVATOR_COUNT) << "question " << question;
    }
}

TEST(PairTable, EveryMotivatorOccursInSevenQuestions) {
    int count[MOTIVATOR_COUNT + 1] = {};
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        ++count[pair.sideA];
        ++count[pair.sideB];
    }
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        EXPECT_EQ(count[motivator], 7) << "motivator " << motivator;
    }
}

// The first eighteen questions walk the pairs by growing distance; the rest keep their order.
TEST(PairTable, QuestionsAskTheirOwnPairs) {
    EXPECT_EQ(*PairOf(1), (Pair{1, 2}));
    EXPECT_EQ(*PairOf(7), (Pair{7, 8}));
    EXPECT_EQ(*PairOf(8), (Pair{1, 3}));
    EXPECT_EQ(*PairOf(13), (Pair{6, 8}));
    EXPECT_EQ(*PairOf(14), (Pair{1, 4}));
    EXPECT_EQ(*PairOf(18), (Pair{5, 8}));
    EXPECT_EQ(*PairOf(19), (Pair{1, 5}));
    EXPECT_EQ(*PairOf(20), (Pair{2, 6}));
    EXPECT_EQ(*PairOf(21), (Pair{1, 6}));
    EXPECT_EQ(*PairOf(22), (Pair{3, 7}));
    EXPECT_EQ(*PairOf(25), (Pair{2, 7}));
    EXPECT_EQ(*PairOf(26), (Pair{4, 8}));
    EXPECT_EQ(*PairOf(27), (Pair{2, 8}));
    EXPECT_EQ(*PairOf(28), (Pair{1, 8}));
    for (Int16 question = 1; question <= 18; ++question) {
        const Pair pair = *PairOf(question);
        const int distance = question <= 7 ? 1 : question <= 13 ? 2 : 3;
        EXPECT_EQ(pair.sideB - pair.sideA, distance) << "question " << question;
    }
}

TEST(PairTable, NumbersOutsideTheTableHaveNoPair) {
    for (const Int16 question :
         {Int16{0}, Int16{-1}, Int16{29}, Int16{30}, Int16{INT16_MIN}, Int16{INT16_MAX}}) {
        EXPECT_FALSE(PairOf(question).has_value()) << "question " << question;
    }
}

// Captions and question texts differ in a typo and a double space, both kept as written.
TEST(Catalogue, CaptionsAndQuestionTextsDifferWhereTheyShould) {
    EXPECT_EQ(OptionCaption(1), "  My availability and closeness to family members");
    EXPECT_EQ(QuestionText(1), "My availability and closeness to famility members");
    EXPECT_EQ(OptionCaption(4), "  Autonomy  i.e. myself being my boss");
    EXPECT_EQ(QuestionText(4), "Autonomy i.e. myself being my boss");
    EXPECT_EQ(OptionCaption(5),
              "  Practising and promoting ethics and other values in the society");
    EXPECT_EQ(QuestionText(8), "Security");
}

TEST(Catalogue, OtherCaptionsAreTheQuestionTextAfterTwoSpaces) {
    for (const Int16 motivator : {Int16{2}, Int16{3}, Int16{5}, Int16{6}, Int16{7}, Int16{8}}) {
        EXPECT_EQ(std::string(OptionCaption(motivator)),
                  "  " + std::string(QuestionText(motivator)))
            << "motivator " << motivator;
    }
    EXPECT_EQ(QuestionText(2), "More material rewards and benefits");
    EXPECT_EQ(QuestionText(3), "Status, power and leadership");
    EXPECT_EQ(QuestionText(6), "Scope for recreational activities and innovation");
    EXPECT_EQ(QuestionText(7), "Challenges and risks of varying magnitude");
}

TEST(Catalogue, NumbersOutsideTheCatalogueGiveEmptyTexts) {
    for (const Int16 motivator : {Int16{0}, Int16{9}, Int16{30}, Int16{-1}, Int16{INT16_MIN}}) {
        EXPECT_TRUE(OptionCaption(motivator).empty()) << "motivator " << motivator;
        EXPECT_TRUE(QuestionText(motivator).empty()) << "motivator " << motivator;
    }
}

}  // namespace
}  // namespace tolvar
