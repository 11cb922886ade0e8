// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "copied_result.h"
#include "forms.h"

class QDateTime;
class QWidget;

namespace tolvar::ui {

// The result the window shows now: the motivator marked, the ratings and the replies they were
// counted from.
struct TodaysResult {
    Int16 marked = 1;
    Ratings ratings;
    Replies replies;
};

// What is wrong with a text given as an earlier result, in the user's language.
QString ReadProblemText(const ReadFailure& failure);

// The comparison as text to keep, in the user's language.
QString ComparisonText(const CopiedResult& earlier, const TodaysResult& today);

// Compares today's result with earlier copied ones: those on the clipboard, or, where the
// clipboard holds none, those the user pastes or types into a small dialog that says what keeps
// them from being read. One earlier result shows the comparison, several their course over time.
// Keeps nothing and changes nothing in the window.
void CompareWithEarlierResult(QWidget* window, forms::Runtime& runtime, const TodaysResult& today,
                              const QDateTime& now);

// Shows the comparison of today's result with one earlier result.
void ShowComparison(QWidget* window, forms::Runtime& runtime, const CopiedResult& earlier,
                    const TodaysResult& today);

}  // namespace tolvar::ui
