// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "exercise.h"
#include "printing.h"
#include "result_report.h"

namespace tolvar::ui {

// The result as one page, in the user's language and direction: the program's name, the date,
// the motivator marked first, the eight ratings from the highest down as bars with their
// numbers, the consistency sentence, the replies and the invitation to repeat the exercise.
PagePainter ResultPage(const QString& date, Int16 marked, const Ratings& ratings,
                       const Replies& replies);

// A page of text under the program's name: a title, then each paragraph wrapped.
PagePainter TextPage(const QString& title, const QStringList& paragraphs);

}  // namespace tolvar::ui
