// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_text.h"

#include <QCoreApplication>

#include "language.h"

namespace tolvar::ui {

QString MotivatorName(Int16 motivator) {
    QString caption = Translated("Motivator", OptionCaption(motivator));
    qsizetype spaces = 0;
    while (spaces < caption.size() && caption.at(spaces).isSpace()) {
        ++spaces;
    }
    return caption.mid(spaces);
}

QString ConsistencySentence(int circularTriads) {
    //: The copied result's last line, and the tooltip of "Rating by you". %n circular triads: three
    //: motivators whose replies go round in a circle (A over B, B over C, C over A).
    return QCoreApplication::translate("ResultReport",
                                       "Consistency: %n circular triads (0 is fully consistent, %1 "
                                       "the most possible, and random replies make %2 on average).",
                                       nullptr, circularTriads)
        .arg(MOST_CIRCULAR_TRIADS)
        .arg(RANDOM_CIRCULAR_TRIADS);
}

QString ResultReport(const QString& copiedAt, Int16 markedMotivator, const Ratings& ratings) {
    //: The copied result's first line; %1 is the date and time, as 2026-12-08T14:05.
    QString report =
        QCoreApplication::translate("ResultReport", "Tolvar result, copied %1").arg(copiedAt) +
        QLatin1Char('\n');
    //: The copied result's second line; %1 is the motivator the user marked at the start.
    report += QCoreApplication::translate("ResultReport", "Marked as the most motivating: %1")
                  .arg(MotivatorName(markedMotivator)) +
              QLatin1Char('\n');
    for (const Int16 motivator : RankedMotivators(ratings)) {
        report +=
            QStringLiteral("%1  %2\n").arg(ratings(motivator), 2).arg(MotivatorName(motivator));
    }
    report += ConsistencySentence(CircularTriads(ratings)) + QLatin1Char('\n');
    return report;
}

}  // namespace tolvar::ui
