// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "printing.h"
#include "result_series.h"

class QWidget;

namespace tolvar::forms {
class Runtime;
}

namespace tolvar::ui {

// The series as text to keep, in the user's language.
QString OverTimeText(const ResultSeries& series);

// The series as one page to print or export, drawn with the same chart as the dialog.
PagePainter OverTimePage(const ResultSeries& series);

// "Your results over time": a column per result, oldest first and today's last, a row per
// motivator in today's order with a small chart of its ratings, and under it how each earlier
// result agrees with today's. Copies, prints and exports the whole; changes nothing.
void ShowResultsOverTime(QWidget* window, forms::Runtime& runtime, const ResultSeries& series);

}  // namespace tolvar::ui
