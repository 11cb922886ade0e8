// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "result_report.h"

namespace tolvar::ui {

// A motivator as the result names it: its option caption without the leading spaces.
QString MotivatorName(Int16 motivator);

// One sentence on how consistent the replies were, for the user.
QString ConsistencySentence(int circularTriads);

// The result as plain text with line feeds, to keep: the program and when it was copied (an ISO
// date and time in every language), the motivator marked before the questions, the ratings from
// the highest down, each right-aligned before its motivator, and the consistency.
QString ResultReport(const QString& copiedAt, Int16 markedMotivator, const Ratings& ratings);

}  // namespace tolvar::ui
