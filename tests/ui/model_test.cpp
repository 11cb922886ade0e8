// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// Model-based test of the whole window: RapidCheck runs random sequences of everything a person
// can do, and after every step the window must look exactly as a model, written here from the
// program's rules and sharing no code with it, says.
//
// RC_PARAMS sets the run, e.g. RC_PARAMS="max_success=20000 max_size=100" for a long one.
#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <QAction>
#include <QGroupBox>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <ostream>

#include "harness.h"

namespace {

using tolvar::forms::MessageBoxRequest;
using tolvar::testing::Harness;
using tolvar::testing::QUESTION_TEXTS;

constexpr int QUESTIONS = 28;
constexpr int MOTIVATORS = 8;

const std::array<std::pair<int, int>, QUESTIONS + 1> PAIRS = {{
    {0, 0}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {1, 3}, {2, 4},
    {3, 5}, {4, 6}, {5, 7}, {6, 8}, {1, 4}, {2, 5}, {3, 6}, {4, 7}, {5, 8}, {1, 5},
    {2, 6}, {1, 6}, {3, 7}, {1, 7}, {3, 8}, {2, 7}, {4, 8}, {2, 8}, {1, 8},
}};

const std::array<const char*, 3> ENTRIES = {"A", "B", "Please select here"};

// The motivators as the copied result names them: their option captions, leading spaces dropped.
const std::array<const char*, MOTIVATORS> NAMES = {
    "My availability and closeness to family members",
    "More material rewards and benefits",
    "Status, power and leadership",
    "Autonomy  i.e. myself being my boss",
    "Practising and promoting ethics and other values in the society",
    "Scope for recreational activities and innovation",
    "Challenges and risks of varying magnitude",
    "Security",
};
const QString NOTHING_COPIED = QStringLiteral("(nothing copied)");

const QString PROCEED_MESSAGE = QStringLiteral(
    "Now reply to following  28  questions, one by one, to get some interesting information about "
    "yourself. You can quit at any time, if you don't wish to continue.");
const QString RESULT_MESSAGE = QStringLiteral(
    "Here is the result ! The highest rating indicates the most dominant motivator and the lowest "
    "rating indicates the least dominant motivator for you.  Compare it with your earlier selected "
    "motivator.\r\n\r\nYou may do this exercise at different times, on different days, to verify "
    "the consistency or changes in your motivators.");

QString Prompt(int question) {
    return QStringLiteral(
               "Please reply against question number  %1.  Then move previous or next, "
               "for this program to accept your reply.\r\nClick on Cancel button to "
               "start again.")
        .arg(question);
}

// How a person closes a message box.
enum class Gesture { Ok, Cancel, EscapeOrCloseBox };

// What the box returns for the gesture: an OK-only box has no Cancel, and Esc closes it with OK.
int Answer(const MessageBoxRequest& request, Gesture gesture) {
    if (request.style != 49 || gesture == Gesture::Ok) {
        return tolvar::forms::ID_OK;
    }
    return tolvar::forms::ID_CANCEL;
}

struct Message {
    QString text;  // empty: any text (About's, which is the program's own)
    int style;
    QString title;
};

// Everything a person can observe of the window, and the replies it has stored.
struct Model {
    bool started = false;  // "&Start New" on the Proceed button
    int marked = 0;
    int question = 0;
    std::array<int, QUESTIONS + 1> reply{};  // 0 none, else the motivator chosen
    int selector = -1;
    QString questionLabel = "A]";
    QString sideA = "Label2", sideB = "Label2";
    bool previousEnabled = true, nextEnabled = true;
    std::array<int, MOTIVATORS + 1> counted{};
    std::array<int, MOTIVATORS + 1> ratingShown{};
    bool ratingsVisible = false;
    bool ended = false;
    std::vector<Message> messages;  // those the last step showed
    bool selectorFocused = false;   // the last step must leave the focus in the selector
    std::array<int, QUESTIONS + 1> evaluatedReply{};  // the replies the ratings shown come from
    QString clipboard = NOTHING_COPIED;

    void Reset() {
        marked = 0;
        started = false;
        selector = -1;
        reply.fill(0);
        ratingsVisible = false;
        ratingShown = counted;
    }
    void ShowQuestion() {
        previousEnabled = question != 1;
        nextEnabled = question != QUESTIONS;
        sideA = QUESTION_TEXTS[PAIRS[question].first - 1];
        sideB = QUESTION_TEXTS[PAIRS[question].second - 1];
        const int stored = reply[question];
        selector = stored == 0 ? 2 : stored == PAIRS[question].first ? 0 : 1;
        questionLabel = QString::number(question);
    }
    void SaveReply() {
        if (selector == 0) {
            reply[question] = PAIRS[question].first;
        } else if (selector == 1) {
            reply[question] = PAIRS[question].second;
        } else if (selector == 2) {
            reply[question] = 0;
        }
    }
    // The copied result, from the ratings shown; its circular triads counted one by one.
    QString Report() const {
        QString report = QStringLiteral("Tolvar result, copied 2026-12-08T14:05\n") +
                         QStringLiteral("Marked as the most motivating: ") + NAMES[marked] + '\n';
        std::array<int, MOTIVATORS> order{};
        for (int k = 0; k < MOTIVATORS; ++k) {
            order[k] = k + 1;
        }
        std::stable_sort(order.begin(), order.end(),
                         [this](int a, int b) { return ratingShown[a] > ratingShown[b]; });
        for (const int k : order) {
            report += QStringLiteral("%1  %2\n").arg(ratingShown[k], 2).arg(NAMES[k - 1]);
        }
        std::array<std::array<bool, MOTIVATORS + 1>, MOTIVATORS + 1> prefers{};
        for (int q = 1; q <= QUESTIONS; ++q) {
            const auto [a, b] = PAIRS[q];
            prefers[evaluatedReply[q]][evaluatedReply[q] == a ? b : a] = true;
        }
        int circular = 0;
        for (int i = 1; i <= MOTIVATORS; ++i) {
            for (int j = i + 1; j <= MOTIVATORS; ++j) {
                for (int k = j + 1; k <= MOTIVATORS; ++k) {
                    circular += (prefers[i][j] && prefers[j][k] && prefers[k][i]) ||
                                (prefers[j][i] && prefers[k][j] && prefers[i][k]);
                }
            }
        }
        return report + QStringLiteral(
                            "Consistency: %1 circular %2 (0 is fully consistent, 20 the "
                            "most possible, and random replies make 14 on average).\n")
                            .arg(circular)
                            .arg(circular == 1 ? "triad" : "triads");
    }

    std::optional<int> FirstUnreplied() const {
        for (int q = 1; q <= QUESTIONS; ++q) {
            if (reply[q] == 0) {
                return q;
            }
        }
        return std::nullopt;
    }
};

struct Sut {
    Harness h;
    Gesture gesture = Gesture::Ok;
    Sut() {
        h.fake->answerer = [this](const MessageBoxRequest& r) { return Answer(r, gesture); };
    }
};

long long steps = 0;

void Compare(const Model& m, Sut& sut) {
    ++steps;
    Harness& h = sut.h;
    RC_ASSERT(h.fake->ends == (m.ended ? 1 : 0));
    RC_ASSERT(h.window->isVisible() == !m.ended);
    const auto& shown = h.fake->shown;
    RC_ASSERT(shown.size() == m.messages.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        RC_ASSERT(shown[i].style == m.messages[i].style);
        RC_ASSERT(shown[i].title == m.messages[i].title);
        if (!m.messages[i].text.isEmpty()) {
            RC_ASSERT(shown[i].text == m.messages[i].text);
        }
    }
    h.fake->shown.clear();
    h.fake->owners.clear();
    if (m.ended) {
        return;
    }
    RC_ASSERT(Harness::Clipboard() == m.clipboard);
    RC_ASSERT(h.Button("cmdProceed")->text() ==
              (m.started ? QStringLiteral("&Start New") : QStringLiteral("&Proceed")));
    RC_ASSERT(h.Frame(0)->isEnabled() == !m.started);
    RC_ASSERT(h.Frame(1)->isVisible() == m.started);
    for (int i = 0; i < MOTIVATORS; ++i) {
        RC_ASSERT(h.Option(i)->isChecked() == (i == m.marked));
    }
    RC_ASSERT(h.Selector()->count() == 3);
    RC_ASSERT(h.Selector()->currentIndex() == m.selector);
    RC_ASSERT(h.Selector()->currentText() ==
              (m.selector < 0 ? QString() : QString::fromLatin1(ENTRIES[m.selector])));
    RC_ASSERT(h.Question() == m.questionLabel);
    RC_ASSERT(h.Label("Label2", 0)->text() == m.sideA);
    RC_ASSERT(h.Label("Label2", 1)->text() == m.sideB);
    RC_ASSERT(h.Button("cmdPrevious")->isEnabled() == m.previousEnabled);
    RC_ASSERT(h.Button("cmdNext")->isEnabled() == m.nextEnabled);
    RC_ASSERT(h.Button("cmdEvaluate")->isEnabled());
    for (int k = 0; k <= MOTIVATORS; ++k) {
        RC_ASSERT(h.Label("Label3", k)->isVisible() == m.ratingsVisible);
    }
    for (int k = 1; k <= MOTIVATORS; ++k) {
        RC_ASSERT(h.Label("Label3", k)->text() == QString::number(m.ratingShown[k]));
    }
    const tolvar::Exercise& exercise = h.window->ExerciseState();
    RC_ASSERT(exercise.QuestionNo() == m.question);
    for (int q = 1; q <= QUESTIONS; ++q) {
        const auto question = static_cast<tolvar::Int16>(q);
        RC_ASSERT(exercise.Replied(question) == (m.reply[q] != 0));
        RC_ASSERT(exercise.Reply(question) == (m.reply[q] == 0 ? 30 : m.reply[q]));
    }
    if (m.selectorFocused) {
        RC_ASSERT(h.window->focusWidget() == static_cast<QWidget*>(h.Selector()));
    }
}

using Command = rc::state::Command<Model, Sut>;

// Every step begins from a model that clears what the step before showed.
Model NextState(const Model& m) {
    Model next = m;
    next.messages.clear();
    next.selectorFocused = false;
    return next;
}

enum class Button { Quit, About, Proceed, Previous, Next, Evaluate };
const char* const BUTTON_NAMES[] = {"cmdQuit",     "cmdAbout", "cmdProceed",
                                    "cmdPrevious", "cmdNext",  "cmdEvaluate"};

struct ClickButton : Command {
    Button button;
    Gesture gesture;

    explicit ClickButton(const Model& m)
        : button(*rc::gen::element(Button::Quit, Button::About, Button::Proceed, Button::Previous,
                                   Button::Next, Button::Evaluate)),
          gesture(*rc::gen::element(Gesture::Ok, Gesture::Cancel, Gesture::EscapeOrCloseBox)) {
        RC_PRE(!m.ended);
        const bool inQuestionPanel =
            button == Button::Previous || button == Button::Next || button == Button::Evaluate;
        RC_PRE(!inQuestionPanel || m.started);  // a person clicks only what is visible
    }

    void apply(Model& m) const override {
        m = NextState(m);
        switch (button) {
            case Button::Quit:
                m.ended = true;
                break;
            case Button::About:
                m.messages.push_back({QString(), 64, QStringLiteral("About Tolvar")});
                break;
            case Button::Proceed:
                if (!m.started) {
                    m.messages.push_back({PROCEED_MESSAGE, 0, QString()});
                    m.started = true;
                    m.question = 1;
                    m.ShowQuestion();
                    m.selectorFocused = true;
                } else {
                    m.Reset();
                }
                break;
            case Button::Previous:
            case Button::Next:
                if (button == Button::Previous ? m.previousEnabled : m.nextEnabled) {
                    m.SaveReply();
                    m.question = button == Button::Previous ? std::max(m.question - 1, 1)
                                                            : std::min(m.question + 1, QUESTIONS);
                    m.ShowQuestion();
                }
                break;
            case Button::Evaluate:
                if (const auto unreplied = m.FirstUnreplied()) {
                    m.messages.push_back({Prompt(*unreplied), 49, QString()});
                    if (gesture == Gesture::Ok) {
                        m.question = *unreplied;
                        m.ShowQuestion();
                        m.selectorFocused = true;
                    } else {
                        m.Reset();
                    }
                } else {
                    for (int k = 1; k <= MOTIVATORS; ++k) {
                        m.counted[k] = 0;
                    }
                    for (int q = 1; q <= QUESTIONS; ++q) {
                        ++m.counted[m.reply[q]];
                    }
                    m.ratingShown = m.counted;
                    m.evaluatedReply = m.reply;
                    m.ratingsVisible = true;
                    m.messages.push_back({RESULT_MESSAGE, 0, QString()});
                }
                break;
        }
    }

    void run(const Model& m, Sut& sut) const override {
        sut.gesture = gesture;
        QTest::mouseClick(sut.h.Button(BUTTON_NAMES[int(button)]), Qt::LeftButton);
        Model expected = m;
        apply(expected);
        Compare(expected, sut);
    }

    void show(std::ostream& os) const override {
        static const char* const gestures[] = {"OK", "Cancel", "Esc or close box"};
        os << "click " << BUTTON_NAMES[int(button)] << " (any message answered "
           << gestures[int(gesture)] << ")";
    }
};

struct CloseBox : Command {
    explicit CloseBox(const Model& m) { RC_PRE(!m.ended); }
    void apply(Model& m) const override {
        m = NextState(m);
        m.ended = true;
    }
    void run(const Model& m, Sut& sut) const override {
        sut.h.window->close();
        Model expected = m;
        apply(expected);
        Compare(expected, sut);
    }
    void show(std::ostream& os) const override { os << "close the window with its close box"; }
};

struct PickOption : Command {
    int option = *rc::gen::inRange(0, MOTIVATORS);
    explicit PickOption(const Model& m) { RC_PRE(!m.ended && !m.started); }
    void apply(Model& m) const override {
        m = NextState(m);
        m.marked = option;
    }
    void run(const Model& m, Sut& sut) const override {
        QRadioButton* button = sut.h.Option(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
        Model expected = m;
        apply(expected);
        Compare(expected, sut);
    }
    void show(std::ostream& os) const override { os << "pick option " << option; }
};

struct PickEntry : Command {
    int entry = *rc::gen::inRange(0, 3);
    explicit PickEntry(const Model& m) { RC_PRE(!m.ended && m.started); }
    void apply(Model& m) const override {
        m = NextState(m);
        m.selector = entry;
    }
    void run(const Model& m, Sut& sut) const override {
        sut.h.Pick(entry);
        Model expected = m;
        apply(expected);
        Compare(expected, sut);
    }
    void show(std::ostream& os) const override { os << "pick \"" << ENTRIES[entry] << "\""; }
};

// Copies the result by Ctrl+C or by the context menu's entry; only the ratings shown are copied.
// Before they are shown the entry is disabled and the key says what it needs.
struct CopyResult : Command {
    bool byKey = *rc::gen::arbitrary<bool>();
    explicit CopyResult(const Model& m) { RC_PRE(!m.ended); }
    void apply(Model& m) const override {
        m = NextState(m);
        if (m.ratingsVisible) {
            m.clipboard = m.Report();
        } else if (byKey) {
            m.messages.push_back({QStringLiteral("There is no result yet: reply to all 28 "
                                                 "questions and click Evaluate, then copy, save "
                                                 "or print it."),
                                  64, QString()});
        }
    }
    void run(const Model& m, Sut& sut) const override {
        if (byKey) {
            sut.h.Copy();
        } else {
            sut.h.window->findChild<QAction*>(QStringLiteral("copyResult"))->trigger();
        }
        Model expected = m;
        apply(expected);
        Compare(expected, sut);
    }
    void show(std::ostream& os) const override {
        os << (byKey ? "Ctrl+C" : "Copy Result in the context menu");
    }
};

// Once the program has ended nothing more happens, whatever the person does.
struct AfterTheEnd : Command {
    explicit AfterTheEnd(const Model& m) { RC_PRE(m.ended); }
    void apply(Model& m) const override { m = NextState(m); }
    void run(const Model& m, Sut& sut) const override {
        QCoreApplication::processEvents();
        Compare(m, sut);
    }
    void show(std::ostream& os) const override { os << "(the program has ended)"; }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    long long sequences = 0;
    const bool passed = rc::check("the window behaves as its model", [&sequences] {
        ++sequences;
        Sut sut;
        QGuiApplication::clipboard()->setText(NOTHING_COPIED);
        Model initial;
        initial.ratingShown.fill(0);
        Compare(initial, sut);
        rc::state::check(initial, sut,
                         rc::state::gen::execOneOfWithArgs<ClickButton, ClickButton, ClickButton,
                                                           PickEntry, PickEntry, PickOption,
                                                           CopyResult, CloseBox, AfterTheEnd>());
    });
    std::printf("model test: %lld steps in %lld sequences\n", steps, sequences);
    std::printf("%d passed, %d failed\n", passed ? 1 : 0, passed ? 0 : 1);
    return passed ? 0 : 1;
}
