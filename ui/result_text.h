// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>
#include <vector>

#include "copied_result.h"
#include "result_report.h"

namespace tolvar::ui {

// A motivator as the result names it: its option caption without the leading spaces.
QString MotivatorName(Int16 motivator);

// One sentence on how consistent the replies were, for the user.
QString ConsistencySentence(int circularTriads);

// The result as plain text with line feeds, to keep: the program and when it was copied (an ISO
// date and time in every language), the motivator marked before the questions, the ratings from
// the highest down, each right-aligned before its motivator, the consistency, and the replies
// the ratings were counted from, in the letters A and B in every language.
QString ResultReport(const QString& copiedAt, Int16 markedMotivator, const Ratings& ratings,
                     const Replies& replies);

// A motivator's name as a language worded it before: copies made then are still read.
struct EarlierName {
    const char* language;
    Int16 motivator;
    const char* name;
};
std::span<const EarlierName> EarlierNames();

// Every wording a copied result may be in: the language in use, English, each language the
// program ships, and the earlier wordings of motivators that a language has since reworded.
// Built when asked, from the translations.
std::vector<ResultWording> ResultWordings();

QString FromUtf8(std::string_view text);

}  // namespace tolvar::ui
