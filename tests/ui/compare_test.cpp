// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <rapidcheck.h>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

#include "harness.h"
#include "language.h"
#include "result_text.h"

using tolvar::testing::Harness;

namespace {

QStringList Languages() {
    return QStringList{QStringLiteral("en")} +
           QString::fromLatin1(TOLVAR_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
}

// Everything in the window a comparison must leave as it was.
QStringList WindowState(const Harness& h) {
    QStringList state = h.Ratings();
    state << QString::number(h.RatingsShown()) << h.Button("cmdProceed")->text() << h.Question()
          << h.Selector()->currentText()
          << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    for (int index = 0; index < 8; ++index) {
        state << QString::number(h.Option(index)->isChecked());
    }
    const auto& exercise = h.window->ExerciseState();
    for (tolvar::Int16 question = 1; question <= 28; ++question) {
        state << QString::number(exercise.Reply(question))
              << QString::number(exercise.RatedReplies()(question));
    }
    return state;
}

QStringList Row(const QTableWidget* table, int row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        cells << table->item(row, column)->text();
    }
    return cells;
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { tolvar::ui::UseLanguage({QStringLiteral("en")}); }
    void cleanup() { tolvar::ui::UseLanguage({QStringLiteral("en")}); }

    // Whatever the replies, the mark and the languages it is copied and read in, a copy reads back
    // as the result it was made from.
    void copyReadsBackInEveryLanguage() {
        const QStringList languages = Languages();
        const bool passed = rc::check([&languages] {
            tolvar::Replies replies;
            for (tolvar::Int16 question = 1; question <= 28; ++question) {
                const tolvar::Pair pair = *tolvar::PairOf(question);
                replies(question) = *rc::gen::arbitrary<bool>() ? pair.sideA : pair.sideB;
            }
            tolvar::Ratings ratings;
            for (tolvar::Int16 question = 1; question <= 28; ++question) {
                ++ratings(replies(question));
            }
            const auto marked = *rc::gen::inRange<tolvar::Int16>(1, 9);
            const auto language = rc::gen::inRange<qsizetype>(0, languages.size());
            const QString copiedIn = languages.at(*language);
            const QString readIn = languages.at(*language);
            tolvar::ui::UseLanguage({copiedIn});
            const QString copy = tolvar::ui::ResultReport(QStringLiteral("2026-12-08T14:05"),
                                                          marked, ratings, replies);
            tolvar::ui::UseLanguage({readIn});
            const auto outcome =
                tolvar::ReadCopiedResult(copy.toStdString(), tolvar::ui::ResultWordings());
            RC_ASSERT(std::holds_alternative<tolvar::CopiedResult>(outcome));
            const auto& read = std::get<tolvar::CopiedResult>(outcome);
            RC_ASSERT(read.marked == marked);
            RC_ASSERT(read.copiedAt == std::string("2026-12-08T14:05"));
            RC_ASSERT(read.hasReplies);
            for (tolvar::Int16 question = 1; question <= 28; ++question) {
                RC_ASSERT(read.replies(question) == replies(question));
            }
            for (tolvar::Int16 motivator = 1; motivator <= 8; ++motivator) {
                RC_ASSERT(read.ratings(motivator) == ratings(motivator));
            }
        });
        QVERIFY(passed);
    }

    // A copy made before a language reworded a motivator, with the earlier name, still reads.
    void earlierWordingsStillRead() {
        const auto earlier = tolvar::ui::EarlierNames();
        QVERIFY(!earlier.empty());
        for (const tolvar::ui::EarlierName& name : earlier) {
            tolvar::ui::UseLanguage({QString::fromLatin1(name.language)});
            tolvar::Replies replies;
            tolvar::Ratings ratings;
            for (tolvar::Int16 question = 1; question <= 28; ++question) {
                replies(question) = tolvar::PairOf(question)->sideA;
                ++ratings(replies(question));
            }
            const QString present = tolvar::ui::MotivatorName(name.motivator);
            QString copy = tolvar::ui::ResultReport(QStringLiteral("2026-01-02T03:04"),
                                                    name.motivator, ratings, replies);
            QVERIFY2(copy.count(present) == 2, qPrintable(copy));
            copy.replace(present, QString::fromUtf8(name.name));
            tolvar::ui::UseLanguage({QStringLiteral("en")});
            const auto outcome =
                tolvar::ReadCopiedResult(copy.toStdString(), tolvar::ui::ResultWordings());
            QVERIFY2(std::holds_alternative<tolvar::CopiedResult>(outcome), name.name);
            QCOMPARE(std::get<tolvar::CopiedResult>(outcome).marked, name.motivator);
        }
    }

    // Copy, start anew, answer one question otherwise, evaluate, paste: the comparison shows the
    // figures of the two runs, and a change as small as one reply is called that.
    void comparesTodayWithACopiedResult() {
        Harness h;
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        h.Copy();
        const QString earlierCopy = h.Clipboard();
        QVERIFY(earlierCopy.contains(QStringLiteral("Replies: AAAA AAAA")));
        // A reply changed after Evaluate changes the copy only at the next Evaluate.
        h.Pick(1);
        h.Click("cmdPrevious");
        h.Copy();
        QCOMPARE(h.Clipboard(), earlierCopy);

        h.Click("cmdProceed");  // Start New
        h.Option(7)->click();
        h.Click("cmdProceed");
        h.Pick(1);  // question 1: motivator 2 over motivator 1
        h.Click("cmdNext");
        for (int question = 2; question <= 28; ++question) {
            h.Pick(0);
            h.Click(question < 28 ? "cmdNext" : "cmdPrevious");
        }
        h.Click("cmdEvaluate");
        QGuiApplication::clipboard()->setText(QStringLiteral("Notes, March\r\n") + earlierCopy);
        const QStringList before = WindowState(h);

        QStringList rows;
        QString summary;
        QString copied;
        h.fake->onDialog = [&](QDialog& dialog) {
            const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("comparisonTable"));
            for (int row = 0; row < table->rowCount(); ++row) {
                rows << Row(table, row).join(u'|');
            }
            summary = dialog.findChild<QLabel*>(QStringLiteral("comparisonSummary"))->text();
            dialog.show();
            if (QTest::qWaitForWindowActive(&dialog)) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            }
            copied = QGuiApplication::clipboard()->text();
            dialog.hide();
            return int(QDialog::Accepted);
        };
        QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.fake->dialogs, QStringList{QStringLiteral("comparison")});
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows.at(0), QStringLiteral("More material rewards and benefits|6|7|+1"));
        QCOMPARE(rows.at(1),
                 QStringLiteral("My availability and closeness to family members|7|6|-1"));
        QCOMPARE(rows.at(7), QStringLiteral("Security|0|0|0"));
        QVERIFY2(summary.contains(QStringLiteral("27 of your 28 replies are the same")),
                 qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("27 are in the same order in both results, 1 in "
                                                 "the opposite order")),
                 qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("No rating moved by more than one point")),
                 qPrintable(summary));
        QVERIFY2(copied.contains(QStringLiteral("then Security, today My availability")) ||
                     copied.contains(QStringLiteral("then My availability and closeness to family "
                                                    "members, today Security")),
                 qPrintable(copied));
        QVERIFY(copied.contains(summary));
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QCOMPARE(WindowState(h), before);
    }

    // Text that holds no readable result is refused with the reason, in a dialog whose OK waits
    // for a result; cancelled, it leaves the window exactly as it was.
    void refusedTextLeavesTheWindowAsItWas() {
        Harness h;
        h.AnswerAll(1);
        h.Click("cmdEvaluate");
        h.Copy();
        const QString copy = h.Clipboard();
        QGuiApplication::clipboard()->setText(
            QString(copy).replace(QStringLiteral(" 7  Security"), QStringLiteral(" 9  Security")));
        h.Pick(0);
        const QStringList before = WindowState(h);
        QString problem;
        bool okAtFirst = true;
        QString typedProblem;
        bool okOnceTyped = false;
        bool fieldEmpty = false;
        h.fake->onDialog = [&](QDialog& dialog) {
            auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            problem = dialog.findChild<QLabel*>(QStringLiteral("readProblem"))->text();
            okAtFirst = ok->isEnabled();
            auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("earlierResult"));
            fieldEmpty = text->toPlainText().isEmpty();  // the clipboard is never shown unasked
            text->setPlainText(copy + copy);
            typedProblem = dialog.findChild<QLabel*>(QStringLiteral("readProblem"))->text();
            text->setPlainText(copy);
            okOnceTyped = ok->isEnabled();
            return int(QDialog::Rejected);
        };
        QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.fake->dialogs, QStringList{QStringLiteral("pasteEarlierResult")});
        QVERIFY2(problem.contains(QStringLiteral("rates \u201cSecurity\u201d 9, but a rating is 0 "
                                                 "to 7")),
                 qPrintable(problem));
        QVERIFY(!okAtFirst);
        QVERIFY(fieldEmpty);
        QVERIFY2(typedProblem.contains(QStringLiteral("2 results, ready to compare")),
                 qPrintable(typedProblem));
        QVERIFY(okOnceTyped);
        QCOMPARE(WindowState(h), before);

        // Before an evaluation the Paste key says what a comparison needs, and nothing else.
        h.Click("cmdProceed");
        h.fake->dialogs.clear();
        const QStringList choosing = WindowState(h);
        QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(h.fake->dialogs.isEmpty());
        QVERIFY(h.fake->shown.back().text.startsWith(
            QStringLiteral("A comparison follows an evaluation")));
        QCOMPARE(WindowState(h), choosing);
    }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
