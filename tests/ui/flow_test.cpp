// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QtTest>

#include "harness.h"

using tolvar::forms::ID_CANCEL;
using tolvar::forms::ID_OK;
using tolvar::testing::Harness;

namespace {

const QString PROCEED_MESSAGE = QStringLiteral(
    "Now reply to following  28  questions, one by one, to get some interesting information about "
    "yourself. You can quit at any time, if you don't wish to continue.");

QString UnrepliedPrompt(int question) {
    return QStringLiteral(
               "Please reply against question number  %1.  Then move previous or next, "
               "for this program to accept your reply.\r\nClick on Cancel button to "
               "start again.")
        .arg(question);
}

const QString RESULT_MESSAGE = QStringLiteral(
    "Here is the result ! The highest rating indicates the most dominant motivator and the lowest "
    "rating indicates the least dominant motivator for you.  Compare it with your earlier selected "
    "motivator.\r\n\r\nYou may do this exercise at different times, on different days, to verify "
    "the consistency or changes in your motivators.");

enum Entry { A = 0, B = 1, NONE = 2 };

}  // namespace

class FlowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    // The message comes first; question 1 appears only once it is closed.
    void proceedShowsTheMessageThenQuestionOne() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        bool panelShownDuringMessage = true;
        h.fake->whileShown = [&](const auto&) {
            panelShownDuringMessage = h.Frame(1)->isVisible();
        };
        h.Click("cmdProceed");
        QCOMPARE(h.fake->shown.size(), std::size_t{1});
        QCOMPARE(h.fake->shown[0].text, PROCEED_MESSAGE);
        QCOMPARE(h.fake->shown[0].style, 0);
        QCOMPARE(h.fake->shown[0].title, QString());
        QCOMPARE(h.fake->owners[0], h.window.get());
        QVERIFY(!panelShownDuringMessage);
        QVERIFY(h.Frame(1)->isVisible());
        QVERIFY(!h.Frame(0)->isEnabled());
        QVERIFY(h.Option(0)->isChecked());
        QCOMPARE(h.Button("cmdProceed")->text(), QStringLiteral("&Start New"));
        QCOMPARE(h.Question(), QStringLiteral("1"));
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
        QVERIFY(!h.Button("cmdPrevious")->isEnabled());
        QVERIFY(h.Button("cmdNext")->isEnabled());
        QVERIFY(h.Button("cmdEvaluate")->isEnabled());
        QCOMPARE(h.Label("Label2", 0)->text(),
                 QStringLiteral("My availability and closeness to famility members"));
        QCOMPARE(h.Label("Label2", 1)->text(),
                 QStringLiteral("More material rewards and benefits"));
        QCOMPARE(QApplication::focusWidget(), h.Selector());
        QVERIFY(!h.RatingsShown());
    }

    // The user's mark stays visible but cannot be changed in the question phase.
    void markIsKeptButLocked() {
        Harness h;
        QTest::mouseClick(h.Option(6), Qt::LeftButton, {}, QPoint(5, h.Option(6)->height() / 2));
        h.Click("cmdProceed");
        QVERIFY(h.Option(6)->isChecked());
        QTest::mouseClick(h.Option(2), Qt::LeftButton, {}, QPoint(5, h.Option(2)->height() / 2));
        QVERIFY(h.Option(6)->isChecked());
    }

    void replyIsStoredWhenMovingAndShownOnReturn() {
        Harness h;
        h.Click("cmdProceed");
        h.Pick(B);
        h.Click("cmdNext");
        QCOMPARE(h.Question(), QStringLiteral("2"));
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
        QCOMPARE(h.Label("Label2", 0)->text(),
                 QStringLiteral("More material rewards and benefits"));
        QCOMPARE(h.Label("Label2", 1)->text(), QStringLiteral("Status, power and leadership"));
        h.Click("cmdPrevious");
        QCOMPARE(h.Question(), QStringLiteral("1"));
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("B"));
    }

    // Previous stores the reply of the question being left, not of the one it goes to.
    void previousStoresTheQuestionLeft() {
        Harness h;
        h.Click("cmdProceed");
        for (int i = 0; i < 4; ++i) {
            h.Click("cmdNext");
        }
        QCOMPARE(h.Question(), QStringLiteral("5"));
        h.Pick(A);
        h.Click("cmdPrevious");
        QCOMPARE(h.Question(), QStringLiteral("4"));
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
        h.Click("cmdNext");
        QCOMPARE(h.Question(), QStringLiteral("5"));
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("A"));
        QCOMPARE(h.Label("Label2", 0)->text(),
                 QStringLiteral("Practising and promoting ethics and other values in the society"));
    }

    void lastQuestionBounds() {
        Harness h;
        h.Click("cmdProceed");
        for (int i = 0; i < 27; ++i) {
            h.Click("cmdNext");
        }
        QCOMPARE(h.Question(), QStringLiteral("28"));
        QVERIFY(!h.Button("cmdNext")->isEnabled());
        QVERIFY(h.Button("cmdPrevious")->isEnabled());
        QCOMPARE(h.Label("Label2", 0)->text(),
                 QStringLiteral("My availability and closeness to famility members"));
        QCOMPARE(h.Label("Label2", 1)->text(), QStringLiteral("Security"));
        h.Pick(B);
        h.Click("cmdNext");  // disabled: nothing happens
        QCOMPARE(h.Question(), QStringLiteral("28"));
        h.Click("cmdPrevious");
        QCOMPARE(h.Question(), QStringLiteral("27"));
        QVERIFY(h.Button("cmdNext")->isEnabled());
        h.Click("cmdNext");
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("B"));
    }

    void pleaseSelectHereWithdrawsAReply() {
        Harness h;
        h.Click("cmdProceed");
        h.Pick(A);
        h.Click("cmdNext");
        h.Click("cmdPrevious");
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("A"));
        h.Pick(NONE);
        h.Click("cmdNext");
        h.Click("cmdPrevious");
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
        h.Click("cmdEvaluate");
        QCOMPARE(h.fake->shown.back().text, UnrepliedPrompt(1));
    }

    void startNewMidwayForgetsTheReplies() {
        Harness h;
        h.Click("cmdProceed");
        h.Pick(A);
        h.Click("cmdNext");
        h.Pick(B);
        h.Click("cmdNext");
        h.Click("cmdProceed");  // Start New
        QCOMPARE(h.Button("cmdProceed")->text(), QStringLiteral("&Proceed"));
        QVERIFY(!h.Frame(1)->isVisible());
        QVERIFY(h.Frame(0)->isEnabled());
        QCOMPARE(h.Selector()->currentIndex(), -1);
        QCOMPARE(h.fake->shown.size(), std::size_t{1});
        h.Click("cmdProceed");
        QCOMPARE(h.Question(), QStringLiteral("1"));
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
        QVERIFY(!h.Button("cmdPrevious")->isEnabled());
        h.Click("cmdNext");
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
    }

    void evaluateRightAfterProceed_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("OK") << ID_OK;
        QTest::newRow("Cancel") << ID_CANCEL;
    }
    void evaluateRightAfterProceed() {
        QFETCH(int, answer);
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.Click("cmdProceed");
        h.Button("cmdQuit")->setFocus();
        h.fake->answers = {answer};
        h.Click("cmdEvaluate");
        QCOMPARE(h.fake->shown.size(), std::size_t{2});
        QCOMPARE(h.fake->shown[1].text, UnrepliedPrompt(1));
        QCOMPARE(h.fake->shown[1].style, 49);
        QCOMPARE(h.fake->shown[1].title, QString());
        if (answer == ID_OK) {
            QCOMPARE(h.Question(), QStringLiteral("1"));
            QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
            QCOMPARE(QApplication::focusWidget(), h.Selector());
            QCOMPARE(h.Button("cmdProceed")->text(), QStringLiteral("&Start New"));
        } else {
            QCOMPARE(h.Button("cmdProceed")->text(), QStringLiteral("&Proceed"));
            QVERIFY(!h.Frame(1)->isVisible());
            QVERIFY(h.Frame(0)->isEnabled());
        }
        QVERIFY(!h.RatingsShown());
    }

    // A pick on question 28 that was never followed by a move is not a reply.
    void unstoredLastPickIsNamedByThePrompt() {
        Harness h;
        h.Click("cmdProceed");
        for (int question = 1; question < 28; ++question) {
            h.Pick(A);
            h.Click("cmdNext");
        }
        h.Pick(B);
        h.Click("cmdEvaluate");
        QCOMPARE(h.fake->shown.back().text, UnrepliedPrompt(28));
        QCOMPARE(h.Question(), QStringLiteral("28"));
        QCOMPARE(h.Selector()->currentText(), QStringLiteral("Please select here"));
        QVERIFY(!h.RatingsShown());
    }

    void evaluationShowsTheRatings_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("ratings");
        QTest::newRow("all A") << int(A) << QStringList{"7", "6", "5", "4", "3", "2", "1", "0"};
        QTest::newRow("all B") << int(B) << QStringList{"0", "1", "2", "3", "4", "5", "6", "7"};
    }
    void evaluationShowsTheRatings() {
        QFETCH(int, entry);
        Harness h;
        h.AnswerAll(entry);
        QVERIFY(!h.RatingsShown());
        bool ratingsShownDuringMessage = false;
        h.fake->whileShown = [&](const auto&) { ratingsShownDuringMessage = h.RatingsShown(); };
        h.Click("cmdEvaluate");
        QTEST(h.Ratings(), "ratings");
        QVERIFY(h.RatingsShown());
        QVERIFY(ratingsShownDuringMessage);
        QCOMPARE(h.Label("Label3", 0)->text(), QStringLiteral("Rating by you"));
        QCOMPARE(h.fake->shown.back().text, RESULT_MESSAGE);
        QCOMPARE(h.fake->shown.back().style, 0);
        QCOMPARE(h.fake->shown.back().title, QString());
        QVERIFY(h.Frame(1)->isVisible());
        QVERIFY(h.Button("cmdEvaluate")->isEnabled());
    }

    // The ratings are what the user came for: they keep the normal text colour although their
    // panel is disabled.
    void ratingsStayReadableInTheDisabledPanel() {
        Harness h;
        h.AnswerAll(A);
        h.Click("cmdEvaluate");
        QVERIFY(!h.Label("Label3", 1)->isEnabled());
        for (int k = 0; k <= 8; ++k) {
            const QPalette palette = h.Label("Label3", k)->palette();
            QCOMPARE(palette.color(QPalette::Disabled, QPalette::WindowText),
                     palette.color(QPalette::Active, QPalette::WindowText));
        }
    }

    void changedReplyCountsAtTheNextEvaluationOnly() {
        Harness h;
        h.AnswerAll(A);
        h.Click("cmdEvaluate");
        const QStringList first = h.Ratings();
        h.Pick(B);  // question 27: motivator 2 against 8
        QCOMPARE(h.Question(), QStringLiteral("27"));
        h.Click("cmdNext");
        QCOMPARE(h.Ratings(), first);
        h.Click("cmdEvaluate");
        QCOMPARE(h.Ratings(), (QStringList{"7", "5", "5", "4", "3", "2", "1", "1"}));
        h.Click("cmdEvaluate");
        QCOMPARE(h.Ratings(), (QStringList{"7", "5", "5", "4", "3", "2", "1", "1"}));
    }

    // Evaluate after an evaluation with a reply withdrawn: OK keeps the old ratings shown.
    void promptAfterAnEvaluationKeepsTheRatings() {
        Harness h;
        h.AnswerAll(B);
        h.Click("cmdEvaluate");
        h.Pick(NONE);
        h.Click("cmdPrevious");  // withdraws question 27
        h.fake->answers = {ID_OK};
        h.Click("cmdEvaluate");
        QCOMPARE(h.fake->shown.back().text, UnrepliedPrompt(27));
        QCOMPARE(h.Question(), QStringLiteral("27"));
        QVERIFY(h.RatingsShown());
        QCOMPARE(h.Ratings(), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
        h.fake->answers = {ID_CANCEL};
        h.Click("cmdEvaluate");
        QVERIFY(!h.RatingsShown());
        QCOMPARE(h.Button("cmdProceed")->text(), QStringLiteral("&Proceed"));
    }

    // Start New hides the ratings; the hidden labels keep the last counts until the next one.
    void startNewHidesTheRatings() {
        Harness h;
        h.AnswerAll(A);
        h.Click("cmdEvaluate");
        h.Click("cmdProceed");
        QVERIFY(!h.RatingsShown());
        for (int k = 0; k <= 8; ++k) {
            QVERIFY(!h.Label("Label3", k)->isVisible());
        }
        QCOMPARE(h.Ratings(), (QStringList{"7", "6", "5", "4", "3", "2", "1", "0"}));
        QVERIFY(h.Frame(0)->isEnabled());
        QVERIFY(!h.Frame(1)->isVisible());
    }

    void aboutInEveryPhase_data() {
        QTest::addColumn<int>("phase");
        QTest::newRow("choosing") << 0;
        QTest::newRow("question") << 1;
        QTest::newRow("result") << 2;
    }
    void aboutInEveryPhase() {
        QFETCH(int, phase);
        Harness h;
        if (phase == 1) {
            h.Click("cmdProceed");
            h.Click("cmdNext");
        } else if (phase == 2) {
            h.AnswerAll(A);
            h.Click("cmdEvaluate");
        }
        const QString question = h.Question();
        const QString selector = h.Selector()->currentText();
        const QStringList ratings = h.Ratings();
        const bool shown = h.RatingsShown();
        const std::size_t before = h.fake->shown.size();
        h.Click("cmdAbout");
        QCOMPARE(h.fake->shown.size(), before + 1);
        const auto& about = h.fake->shown.back();
        QCOMPARE(about.title, QStringLiteral("About Tolvar"));
        QCOMPARE(about.style, 64);
        QVERIFY(about.text.startsWith(QStringLiteral("Tolvar " TOLVAR_VERSION "\r\n")));
        QVERIFY(about.text.contains(QStringLiteral("Tolvar project")));
        QVERIFY(about.text.contains(QStringLiteral("the Result menu copies, saves, prints")));
        QVERIFY(about.text.contains(QStringLiteral("Ctrl+C copies it as text")));
        QCOMPARE(h.Question(), question);
        QCOMPARE(h.Selector()->currentText(), selector);
        QCOMPARE(h.Ratings(), ratings);
        QCOMPARE(h.RatingsShown(), shown);
        QCOMPARE(h.Button("cmdProceed")->text(),
                 phase == 0 ? QStringLiteral("&Proceed") : QStringLiteral("&Start New"));
    }

    // Ctrl+C copies the ratings shown as a report: highest first, ties in the window's order,
    // with how consistent the replies were. The heading's tooltip says the same.
    void copiesTheResultShown_data() {
        QTest::addColumn<bool>("alternate");
        QTest::addColumn<QString>("report");
        const QString start = QStringLiteral(
            "Tolvar result, copied 2026-12-08T14:05\n"
            "Marked as the most motivating: Status, power and leadership\n");
        QTest::newRow("every reply A")
            << false
            << start + QStringLiteral(
                           " 7  My availability and closeness to family members\n"
                           " 6  More material rewards and benefits\n"
                           " 5  Status, power and leadership\n"
                           " 4  Autonomy  i.e. myself being my boss\n"
                           " 3  Practising and promoting ethics and other values in the society\n"
                           " 2  Scope for recreational activities and innovation\n"
                           " 1  Challenges and risks of varying magnitude\n"
                           " 0  Security\n"
                           "Consistency: 0 circular triads (0 is fully consistent, 20 the most "
                           "possible, and random replies make 14 on average).\n"
                           "Replies: AAAA AAAA AAAA AAAA AAAA AAAA AAAA\n");
        QTest::newRow("B and A in turn")
            << true
            << start + QStringLiteral(
                           " 4  Status, power and leadership\n"
                           " 4  Autonomy  i.e. myself being my boss\n"
                           " 4  Practising and promoting ethics and other values in the society\n"
                           " 4  Scope for recreational activities and innovation\n"
                           " 3  My availability and closeness to family members\n"
                           " 3  More material rewards and benefits\n"
                           " 3  Challenges and risks of varying magnitude\n"
                           " 3  Security\n"
                           "Consistency: 20 circular triads (0 is fully consistent, 20 the most "
                           "possible, and random replies make 14 on average).\n"
                           "Replies: BABA BABA BABA BABA BABA BABA BABA\n");
    }
    void copiesTheResultShown() {
        QFETCH(bool, alternate);
        QFETCH(QString, report);
        Harness h;
        QTest::mouseClick(h.Option(2), Qt::LeftButton, {}, QPoint(5, h.Option(2)->height() / 2));
        h.Click("cmdProceed");
        for (int question = 1; question <= 28; ++question) {
            h.Pick(alternate && question % 2 == 1 ? B : A);
            h.Click(question < 28 ? "cmdNext" : "cmdPrevious");
        }
        h.Click("cmdEvaluate");
        h.Copy();
        QCOMPARE(h.Clipboard(), report);
        QCOMPARE(h.Label("Label3", 0)->toolTip(), report.section(QLatin1Char('\n'), -3, -3));
        // A reply changed without a new evaluation leaves the ratings shown, and copied, as
        // they were.
        h.Pick(alternate ? A : B);
        h.Click("cmdNext");
        h.fake->now = h.fake->now.addDays(1);
        h.Copy();
        QCOMPARE(h.Clipboard(), QString(report).replace("2026-12-08", "2026-12-09"));
    }

    // Before the first evaluation and after Start New there is no result: Ctrl+C and the menu
    // entry do nothing. The entry is in the window's context menu.
    void nothingToCopyWithoutRatingsShown() {
        Harness h;
        QAction* copy = h.window->findChild<QAction*>(QStringLiteral("copyResult"));
        QVERIFY(h.window->actions().contains(copy));
        QCOMPARE(h.window->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        h.AnswerAll(A);
        QVERIFY(!copy->isEnabled());
        h.Copy();
        copy->trigger();
        QCOMPARE(h.Clipboard(), QStringLiteral("kept"));
        h.Click("cmdEvaluate");
        QVERIFY(copy->isEnabled());
        h.Click("cmdProceed");  // Start New
        QVERIFY(!copy->isEnabled());
        QVERIFY(h.Label("Label3", 0)->toolTip().isEmpty());
        h.Copy();
        copy->trigger();
        QCOMPARE(h.Clipboard(), QStringLiteral("kept"));
    }

    // Shift+F10 on the selector, which keeps its own context menu requests by default, opens the
    // window's menu, whose Copy Result copies the result.
    void contextMenuFromTheKeyboard() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.AnswerAll(A);
        h.Click("cmdEvaluate");
        h.Selector()->setFocus();
        QGuiApplication::clipboard()->setText(QString());
        QString entries;
        QTimer::singleShot(0, [&entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (QAction* action : menu->actions()) {
                entries += action->text() + (action->isEnabled() ? "" : " (disabled)");
            }
            menu->actions().first()->trigger();
            menu->close();
        });
        QTest::keyClick(h.Selector(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(entries, QStringLiteral("&Copy Result&Save Result As...&Print...Export as "
                                         "P&DF...Co&mpare with Earlier Result...Compare with "
                                         "Sa&ved Results..."));
        QVERIFY(h.Clipboard().startsWith(QStringLiteral("Tolvar result, copied")));
    }

    // One box at a time: the context menu's entry clicked with the middle button and then the
    // left, or twice, and the key pressed again, while the box is open, open no second box
    // behind the first. The fake box runs those events as a real box's own event loop does.
    // Before an evaluation the entry is disabled and the key says what a comparison needs.
    void oneBoxAtATime_data() {
        QTest::addColumn<bool>("evaluated");
        QTest::addColumn<Qt::MouseButton>("first");
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("before an evaluation, middle then left")
            << false << Qt::MiddleButton << false;
        QTest::newRow("before an evaluation, double click") << false << Qt::LeftButton << true;
        QTest::newRow("after an evaluation, middle then left") << true << Qt::MiddleButton << false;
        QTest::newRow("after an evaluation, double click") << true << Qt::LeftButton << true;
    }
    void oneBoxAtATime() {
        QFETCH(bool, evaluated);
        QFETCH(Qt::MouseButton, first);
        QFETCH(bool, doubleClick);
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        if (evaluated) {
            h.AnswerAll(A);
            h.Click("cmdEvaluate");
        }
        QGuiApplication::clipboard()->setText(QString());
        const auto opened = [&h] { return h.fake->shown.size() + h.fake->dialogs.size(); };
        const std::size_t before = opened();
        QPointer<QMenu> menu;
        QPoint at;
        int open = 0;
        int mostOpen = 0;
        const auto whileOpen = [&] {
            mostOpen = std::max(mostOpen, ++open);
            if (open > 1) {  // a second box: the fault; no further nesting
                --open;
                return;
            }
            if (menu != nullptr) {
                if (doubleClick) {
                    QTest::mouseDClick(menu, Qt::LeftButton, {}, at);
                } else {
                    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
                }
            }
            QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
            --open;
        };
        h.fake->whileShown = [&](const tolvar::forms::MessageBoxRequest&) { whileOpen(); };
        h.fake->onDialog = [&](QDialog&) {
            whileOpen();
            return int(QDialog::Rejected);
        };
        QTimer::singleShot(0, [&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            const auto actions = menu->actions();
            const auto compare = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
                return action->objectName() == QStringLiteral("compareResult");
            });
            QVERIFY(compare != actions.end());
            at = menu->actionGeometry(*compare).center();
            QTest::mouseClick(menu, first, {}, at);
            if (!(*compare)->isEnabled()) {
                menu->close();
                QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier);
            }
            if (menu != nullptr && menu->isVisible()) {
                menu->close();
            }
        });
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  h.window->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(h.window.get(), &request);
        QCOMPARE(mostOpen, 1);
        QCOMPARE(opened(), before + 1);
    }

    // A whole exercise with the keyboard alone: access keys, arrow keys in the selector.
    void wholeExerciseByKeyboard() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.Button("cmdQuit")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(h.Option(1)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(h.Question(), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), h.Selector());
        for (int question = 1; question <= 28; ++question) {
            QTest::keyClick(h.Selector(), Qt::Key_Up);  // "Please select here" -> "B"
            QCOMPARE(h.Selector()->currentText(), QStringLiteral("B"));
            const QString next = QString::number(question < 28 ? question + 1 : 27);
            QTest::keyClick(h.Selector(), question < 28 ? Qt::Key_N : Qt::Key_V, Qt::AltModifier);
            QTRY_COMPARE(h.Question(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(h.RatingsShown());
        QCOMPARE(h.Ratings(), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
        QVERIFY(h.Option(1)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(!h.RatingsShown());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
        QTRY_COMPARE(h.fake->ends, 1);
    }
};

QTEST_MAIN(FlowTest)
#include "flow_test.moc"
