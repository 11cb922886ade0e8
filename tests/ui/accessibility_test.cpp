// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QtTest>
#include <set>

#include "harness.h"

using tolvar::testing::Harness;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}
QString Description(QObject* object) {
    return Accessible(object)->text(QAccessible::Description);
}

// The access keys of every button a person can see and use now, as "&X" letters.
QStringList VisibleAccessKeys(const Harness& h) {
    QStringList keys;
    for (QAbstractButton* button : h.window->findChildren<QAbstractButton*>()) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        if (button->isVisible() && !key.isEmpty()) {
            keys << key.toString();
        }
    }
    return keys;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    void controlsAreNamedByTheirCaptions() {
        Harness h;
        QCOMPARE(Name(h.window.get()), QStringLiteral("Tolvar"));
        QCOMPARE(Accessible(h.Button("cmdQuit"))->role(), QAccessible::Button);
        QCOMPARE(Name(h.Button("cmdQuit")), QStringLiteral("Quit"));
        QCOMPARE(Name(h.Button("cmdAbout")), QStringLiteral("About"));
        QCOMPARE(Name(h.Button("cmdProceed")), QStringLiteral("Proceed"));
        QCOMPARE(Name(h.Button("cmdPrevious")), QStringLiteral("Previous"));
        QCOMPARE(Accessible(h.Option(0))->role(), QAccessible::RadioButton);
        QCOMPARE(Name(h.Option(3)).trimmed(),
                 QStringLiteral("Autonomy  i.e. myself being my boss"));
        QCOMPARE(Accessible(h.Label("Label1", 0))->role(), QAccessible::StaticText);
        QCOMPARE(Name(h.Label("Label1", 1)),
                 QStringLiteral("Which one of the following two, motivates you more ?"));
        QVERIFY(Accessible(h.Option(0))->state().checked);
        QVERIFY(!Accessible(h.Option(1))->state().checked);
    }

    void startState() {
        Harness h;
        QVERIFY(Accessible(h.Frame(1))->state().invisible);
        QVERIFY(Accessible(h.Selector())->state().invisible);
        QVERIFY(Accessible(h.Label("Label3", 1))->state().invisible);
        QVERIFY(!Accessible(h.Option(4))->state().disabled);
        // No fixed name: with no entry selected Qt falls back to the label that names it.
        QVERIFY(h.Selector()->accessibleName().isEmpty());
        QCOMPARE(Name(h.Selector()),
                 QStringLiteral("Which one of the following two, motivates you more ?"));
    }

    // The selector is labelled by the question beside it, and describes the question shown.
    void selectorTellsTheWholeQuestion() {
        Harness h;
        h.Click("cmdProceed");
        h.Click("cmdNext");
        h.Click("cmdNext");
        QAccessibleInterface* selector = Accessible(h.Selector());
        QCOMPARE(selector->role(), QAccessible::ComboBox);
        QCOMPARE(Description(h.Selector()),
                 QStringLiteral("Question 3: A] Status, power and leadership. B] Autonomy i.e. "
                                "myself being my boss."));
        QCOMPARE(Name(h.Selector()), QStringLiteral("Please select here"));
        const auto labels = selector->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), h.Label("Label1", 1));
        h.Pick(0);
        QCOMPARE(Name(h.Selector()), QStringLiteral("A"));
        QCOMPARE(selector->text(QAccessible::Value), QStringLiteral("A"));
        QVERIFY(!selector->state().invisible);
        QVERIFY(Accessible(h.Option(4))->state().disabled);
        h.Click("cmdPrevious");
        QVERIFY(
            Description(h.Selector()).startsWith(QStringLiteral("Question 2: A] More material")));
    }

    // A rating is never heard without its motivator.
    void ratingsNameTheirMotivator() {
        Harness h;
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        QCOMPARE(Name(h.Label("Label3", 1)), QStringLiteral("7"));
        QCOMPARE(Description(h.Label("Label3", 1)),
                 QStringLiteral("Rating of My availability and closeness to family members"));
        QCOMPARE(Name(h.Label("Label3", 4)), QStringLiteral("4"));
        QCOMPARE(Description(h.Label("Label3", 4)),
                 QStringLiteral("Rating of Autonomy i.e. myself being my boss"));
        QCOMPARE(Name(h.Label("Label3", 8)), QStringLiteral("0"));
        QCOMPARE(Description(h.Label("Label3", 8)), QStringLiteral("Rating of Security"));
        QCOMPARE(Name(h.Label("Label3", 0)), QStringLiteral("Rating by you"));
        QVERIFY(!Accessible(h.Label("Label3", 1))->state().invisible);
    }

    // Like any combo box, the selector offers its entries as a list, the reply shown marked, for
    // tools that count or pick entries; opening it is not needed to find the reply.
    void selectorOffersItsEntries() {
        Harness h;
        h.Click("cmdProceed");
        QAccessibleInterface* selector = Accessible(h.Selector());
        QCOMPARE(selector->childCount(), 1);
        QAccessibleInterface* list = selector->child(0);
        QVERIFY(list != nullptr);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->parent(), selector);
        QCOMPARE(selector->indexOfChild(list), 0);
        const auto marked = [list] {
            QStringList entries;
            for (int row = 0; row < list->childCount(); ++row) {
                const QAccessibleInterface* entry = list->child(row);
                entries << entry->text(QAccessible::Name) +
                               (entry->state().selected ? QStringLiteral(" *") : QString());
            }
            return entries;
        };
        QCOMPARE(marked(), (QStringList{"A", "B", "Please select here *"}));
        h.Pick(1);
        QCOMPARE(marked(), (QStringList{"A", "B *", "Please select here"}));
        h.Click("cmdNext");
        QCOMPARE(marked(), (QStringList{"A", "B", "Please select here *"}));
        h.Click("cmdPrevious");
        QCOMPARE(marked(), (QStringList{"A", "B *", "Please select here"}));
    }

    // A screen reader hears the instruction as the focus enters the motivators, and the reply as
    // the selector's value. The selector describes the question shown also when Next and Previous
    // are pressed by access key while it keeps the focus.
    void screenReaderHearsTheInstructionReplyAndQuestion() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QVERIFY(Name(h.Frame(0)).startsWith(QStringLiteral("Select one of the following")));
        h.Click("cmdProceed");
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        QAccessibleTextInterface* reply = Accessible(h.Selector())->textInterface();
        QVERIFY(reply != nullptr);
        QCOMPARE(reply->text(0, reply->characterCount()), QStringLiteral("Please select here"));
        h.Pick(1);
        QCOMPARE(reply->text(0, reply->characterCount()), QStringLiteral("B"));
#endif
        QVERIFY(h.Selector()->hasFocus());
        QTest::keyClick(h.Selector(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(h.Question(), QStringLiteral("2"));
        QCOMPARE(Description(h.Selector()),
                 QStringLiteral("Question 2: A] More material rewards and benefits. B] Status, "
                                "power and leadership."));
        QTest::keyClick(h.Selector(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(h.Question(), QStringLiteral("1"));
        QVERIFY(h.Selector()->hasFocus());
        QVERIFY(Description(h.Selector()).startsWith(QStringLiteral("Question 1: A] My avail")));
    }

    void nameFollowsACaptionChange() {
        Harness h;
        h.Click("cmdProceed");
        QCOMPARE(Name(h.Button("cmdProceed")), QStringLiteral("Start New"));
        QCOMPARE(Name(h.Label("Label1", 5)), QStringLiteral("1"));
    }

    // Access keys are unique among the controls visible at once, in every phase.
    void accessKeysAreUnique_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("choosing") << 0 << QStringList{"Alt+B", "Alt+P", "Alt+Q"};
        QTest::newRow("question") << 1 << QStringList{"Alt+B", "Alt+E", "Alt+N",
                                                      "Alt+Q", "Alt+S", "Alt+V"};
        QTest::newRow("result") << 2 << QStringList{"Alt+B", "Alt+E", "Alt+N",
                                                    "Alt+Q", "Alt+S", "Alt+V"};
    }
    void accessKeysAreUnique() {
        QFETCH(int, phase);
        Harness h;
        if (phase == 1) {
            h.Click("cmdProceed");
        } else if (phase == 2) {
            h.AnswerAll(1);
            h.Click("cmdEvaluate");
        }
        QStringList keys = VisibleAccessKeys(h);
        keys.sort();
        const std::set<QString> distinct(keys.begin(), keys.end());
        QCOMPARE(int(distinct.size()), keys.size());
        QTEST(keys, "expected");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
