// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "harness.h"

using tolvar::testing::Harness;

// One complete exercise through the handlers, as a person's clicks trigger them.
class ExerciseBench : public QObject {
    Q_OBJECT

  private slots:
    void completeExercise() {
        Harness h;
        QPushButton* proceed = h.Button("cmdProceed");
        QPushButton* next = h.Button("cmdNext");
        QPushButton* previous = h.Button("cmdPrevious");
        QPushButton* evaluate = h.Button("cmdEvaluate");
        QBENCHMARK {
            proceed->click();
            for (int question = 1; question <= 28; ++question) {
                h.Pick(question % 2);
                (question < 28 ? next : previous)->click();
            }
            evaluate->click();
            proceed->click();
        }
        // Every run evaluated all 28 replies, then Start New hid the ratings again.
        int sum = 0;
        for (const QString& rating : h.Ratings()) {
            sum += rating.toInt();
        }
        QCOMPARE(sum, 28);
        QVERIFY(!h.RatingsShown());
        QCOMPARE(h.Button("cmdProceed")->text(), QStringLiteral("&Proceed"));
    }
};

QTEST_MAIN(ExerciseBench)
#include "exercise_bench.moc"
