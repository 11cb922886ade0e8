// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmForm001.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "compare_dialog.h"
#include "kept_results.h"
#include "language.h"
#include "program_icon.h"
#include "readable_colours.h"
#include "result_menu.h"
#include "result_report.h"
#include "result_text.h"
#include "wrapping_option.h"

namespace tolvar::ui {
namespace {

using forms::CR_LF;
using forms::NumberText;
using forms::ToText;

constexpr const char* CONTEXT = "tolvar::ui::frmForm001";

// The client area, in twips.
constexpr int CLIENT_WIDTH = 8910;
constexpr int CLIENT_HEIGHT = 6420;

// The phase is told by Proceed's caption; the button keeps the English it was captioned from.
const char* const CAPTION_SOURCE = "tolvarCaptionSource";
//: A button; its caption changes to "&Start New" once the questions start. Keep an access key.
const char* const CAPTION_PROCEED = QT_TRANSLATE_NOOP("tolvar::ui::frmForm001", "&Proceed");
//: The Proceed button's caption once the questions have started. Keep an access key.
const char* const CAPTION_START_NEW = QT_TRANSLATE_NOOP("tolvar::ui::frmForm001", "&Start New");

QString Tr(const char* source) {
    return QCoreApplication::translate(CONTEXT, source);
}

QString IndexedName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QStringList AllQuestionTexts() {
    QStringList texts;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        texts << Translated("Motivator", QuestionText(motivator));
    }
    return texts;
}

QString SelectorText(std::string_view english) {
    return Translated("Selector", english);
}

// The button shows the caption in the user's language and keeps the English it came from.
void SetCaption(QPushButton* button, const char* source) {
    button->setText(Tr(source));
    button->setProperty(CAPTION_SOURCE, QLatin1String(source));
}

bool HasCaption(const QPushButton* button, const char* source) {
    return button->property(CAPTION_SOURCE).toString() == QLatin1String(source);
}

QStringList NumbersUpTo(int last) {
    QStringList texts;
    for (int number = 0; number <= last; ++number) {
        texts << QString::number(number);
    }
    return texts;
}

}  // namespace

frmForm001::frmForm001(std::unique_ptr<forms::Runtime> runtime, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      runtime_(std::move(runtime)) {
    setObjectName(QStringLiteral("frmForm001"));
    UseDesktopLanguageOnce();
    setWindowTitle(forms::APP_TITLE);
    SetProgramIcon(this);
    scrolling_ = new ScrollingContent(this);
    screenPlacement_ = new ScreenPlacement(this, [this] { ApplyLayout(); });
    layout_ = std::make_unique<WindowLayout>(this, QSize(CLIENT_WIDTH, CLIENT_HEIGHT), *scrolling_,
                                             *screenPlacement_);
    announcer_ = new Announcer(this);
    CreateControls();
    KeepCaptionsReadable();
    SetTabOrder();
    layout_->SetReflowParts(PartsToReflow());
    ConnectHandlers();
    ApplyLayout();
    Form_Load();
}

frmForm001::~frmForm001() = default;

void frmForm001::CreateControls() {
    QWidget* const window = scrolling_->Content();
    //: A button that ends the program. Keep an access key.
    cmdQuit = CreateButton("cmdQuit", tr("&Quit"), window, {7560, 120, 1215, 375});
    //: A button that shows the program's information. Keep an access key.
    cmdAbout = CreateButton("cmdAbout", tr("A&bout"), window, {7560, 600, 1215, 375});
    cmdProceed = CreateButton("cmdProceed", {}, window, {7560, 1080, 1215, 375});
    SetCaption(cmdProceed, CAPTION_PROCEED);
    layout_->AddLaterTexts(cmdProceed, {Tr(CAPTION_START_NEW)});
    //: The instruction above the motivators. "Proceed" names the Proceed button.
    const QString instruction =
        tr("Select one of the following, which motivates you the most or you prefer the most, "
           "while deciding on any of your activities and then click on Proceed button..");
    Label1[0] = CreateLabel(IndexedName("Label1", 0), instruction, window, {960, 120, 5775, 495});

    Frame1[0] = CreateFrame(IndexedName("Frame1", 0), {360, 600, 6855, 3615});
    // A screen reader says the group's name as the focus enters it: the instruction it follows.
    Frame1[0]->setAccessibleName(instruction);
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        const int index = motivator - 1;
        auto* option =
            new WrappingOption(Translated("Motivator", OptionCaption(motivator)), Frame1[0]);
        option->setObjectName(IndexedName("optButton01", index));
        layout_->Place(option, QRect(240, 600 + 360 * index, 5055, 195));
        optButton01[static_cast<std::size_t>(index)] = option;
    }
    //: The heading above the eight ratings, beside the motivators.
    const QString ratingHeading = tr("Rating by you");
    for (int index = 0; index <= MOTIVATOR_COUNT; ++index) {
        Label3[static_cast<std::size_t>(index)] =
            CreateLabel(IndexedName("Label3", index), ratingHeading, Frame1[0],
                        {5520, 240 + 360 * index, 1095, 255});
        ExposeWhenShown(Label3[static_cast<std::size_t>(index)]);
        if (index > 0) {
            // Each motivator meets the seven others once, so a rating is at most 7.
            layout_->AddLaterTexts(Label3[static_cast<std::size_t>(index)],
                                   NumbersUpTo(MOTIVATOR_COUNT - 1));
            //: What a screen reader says of a rating; %1 is the motivator it rates.
            Label3[static_cast<std::size_t>(index)]->setAccessibleDescription(
                tr("Rating of %1").arg(MotivatorName(static_cast<Int16>(index)).simplified()));
        }
    }

    Frame1[1] = CreateFrame(IndexedName("Frame1", 1), {120, 4320, 8655, 1815});
    QWidget* const questions = Frame1[1];
    //: Stands before the number of the question shown, 1 to 28.
    Label1[4] = CreateLabel(IndexedName("Label1", 4), tr("Question  No.  ="), questions,
                            {240, 240, 1335, 255});
    //: Marks side A of the question; the selector's entry "A" picks it.
    const QString sideA = tr("A]");
    Label1[5] = CreateLabel(IndexedName("Label1", 5), sideA, questions, {1680, 240, 255, 255});
    layout_->AddLaterTexts(Label1[5], NumbersUpTo(QUESTION_COUNT));
    //: The question above its two sides.
    Label1[1] = CreateLabel(IndexedName("Label1", 1),
                            tr("Which one of the following two, motivates you more ?"), questions,
                            {240, 600, 4695, 255});
    Label1[2] = CreateLabel(IndexedName("Label1", 2), sideA, questions, {240, 960, 255, 255});
    Label2[0] = CreateLabel(IndexedName("Label2", 0), QStringLiteral("Label2"), questions,
                            {720, 960, 5295, 255});
    layout_->AddLaterTexts(Label2[0], AllQuestionTexts());
    //: Marks side B of the question; the selector's entry "B" picks it.
    Label1[3] = CreateLabel(IndexedName("Label1", 3), tr("B]"), questions, {240, 1320, 255, 255});
    Label2[1] = CreateLabel(IndexedName("Label2", 1), QStringLiteral("Label2"), questions,
                            {720, 1320, 5295, 255});
    layout_->AddLaterTexts(Label2[1], AllQuestionTexts());

    cboCombo01 = new QComboBox(questions);
    cboCombo01->setObjectName(QStringLiteral("cboCombo01"));
    cboCombo01->setEditable(false);
    ExposeSelector(cboCombo01, [this] {
        const auto pair = PairOf(exercise_.QuestionNo());
        return pair ? QuestionDescription(*pair) : QString();
    });
    layout_->Place(cboCombo01, QRect(5160, 500, 1815, 315),
                   {SelectorText(SELECTOR_TEXT_A), SelectorText(SELECTOR_TEXT_B),
                    SelectorText(SELECTOR_TEXT_NONE)});
    Label1[1]->setBuddy(cboCombo01);

    //: A button that stores the reply and shows the question before. Keep an access key.
    cmdPrevious = CreateButton("cmdPrevious", tr("Pre&vious"), questions, {7200, 240, 1215, 375});
    //: A button that stores the reply and shows the next question. Keep an access key.
    cmdNext = CreateButton("cmdNext", tr("&Next"), questions, {7200, 720, 1215, 375});
    //: A button that counts the ratings once every question has a stored reply. Keep an access
    //: key.
    cmdEvaluate = CreateButton("cmdEvaluate", tr("&Evaluate"), questions, {7200, 1200, 1215, 375});

    // Keeping the result is the user's own choice, from the Result menu, the window's context
    // menu or the desktop's keys, once the ratings are shown.
    auto* kept = new KeptResults(this, *runtime_, *announcer_, [this] { return Today(); });
    resultMenu_ = new ResultMenu(this, kept->Commands());
    scrolling_->SetMenuBar(resultMenu_->MenuBar());
    // The selector would keep a context menu request to itself; the window's menu serves it too.
    cboCombo01->setContextMenuPolicy(Qt::NoContextMenu);
}

QPushButton* frmForm001::CreateButton(const char* name, const QString& caption, QWidget* in,
                                      QRect twips) {
    auto* button = new QPushButton(caption, in);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    layout_->Place(button, twips);
    return button;
}

QLabel* frmForm001::CreateLabel(const QString& name, const QString& caption, QWidget* in,
                                QRect twips) {
    auto* label = new QLabel(caption, in);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    layout_->Place(label, twips);
    return label;
}

QGroupBox* frmForm001::CreateFrame(const QString& name, QRect twips) {
    auto* frame = new QGroupBox(scrolling_->Content());
    frame->setObjectName(name);
    layout_->Place(frame, twips);
    return frame;
}

// The motivator panel is disabled once the questions start; the ratings, their heading and the
// motivators they rate are what the user came for, so they keep the normal text colours.
void frmForm001::KeepCaptionsReadable() {
    std::vector<QWidget*> captions(Label3.begin(), Label3.end());
    captions.insert(captions.end(), optButton01.begin(), optButton01.end());
    KeepTextReadableWhenDisabled(this, captions);
}

// The window has one size: a maximise or fullscreen request from the desktop is undone at once.
void frmForm001::KeepNormalState() {
    const Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & enlarged) {
        setWindowState(windowState() & ~enlarged);
    }
}

void frmForm001::SetTabOrder() {
    std::vector<QWidget*> chain = {cmdQuit, cmdAbout};
    chain.insert(chain.end(), optButton01.begin(), optButton01.end());
    chain.insert(chain.end(), {cmdProceed, cmdPrevious, cmdNext, cmdEvaluate, cboCombo01});
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

void frmForm001::ConnectHandlers() {
    connect(cmdQuit, &QPushButton::clicked, this, &frmForm001::cmdQuit_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmForm001::cmdAbout_Click);
    connect(cmdProceed, &QPushButton::clicked, this, &frmForm001::cmdProceed_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmForm001::cmdPrevious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmForm001::cmdNext_Click);
    connect(cmdEvaluate, &QPushButton::clicked, this, &frmForm001::cmdEvaluate_Click);
    connect(cboCombo01, &QComboBox::activated, this, &frmForm001::cboCombo01_Click);
}

// The parts as the reflowed arrangement stacks them, in the focus order.
ReflowParts frmForm001::PartsToReflow() const {
    ReflowParts parts;
    parts.instruction = Label1[0];
    parts.windowButtons = {cmdQuit, cmdAbout, cmdProceed};
    parts.motivators = Frame1[0];
    parts.options.assign(optButton01.begin(), optButton01.end());
    parts.ratings.assign(Label3.begin(), Label3.end());
    parts.questions = Frame1[1];
    parts.questionButtons = {cmdPrevious, cmdNext, cmdEvaluate};
    parts.questionNumber = {Label1[4], Label1[5]};
    parts.question = Label1[1];
    parts.selector = cboCombo01;
    parts.sides = {{Label1[2], Label2[0]}, {Label1[3], Label2[1]}};
    return parts;
}

void frmForm001::ApplyLayout() {
    if (layout_ != nullptr) {
        layout_->Apply();
    }
}

void frmForm001::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::StyleChange:
            KeepCaptionsReadable();
            ApplyLayout();
            break;
        case QEvent::FontChange:
        case QEvent::ApplicationFontChange:
        case QEvent::LayoutDirectionChange:
            ApplyLayout();
            break;
        case QEvent::PaletteChange:
            KeepCaptionsReadable();
            break;
        case QEvent::WindowStateChange:
            KeepNormalState();
            break;
        default:
            break;
    }
}

void frmForm001::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    screenPlacement_->PlaceAtFirstShow();
}

void frmForm001::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

int frmForm001::MsgBox(const QString& text, int style, const QString& title) {
    return runtime_->MsgBox(this, {text, style, title});
}

void frmForm001::Form_Load() {
    ResetExercise();
}

void frmForm001::Form_Unload() {
    if (!unloaded_) {
        unloaded_ = true;
        runtime_->End();
    }
}

void frmForm001::cmdQuit_Click() {
    close();
}

void frmForm001::ResetExercise() {
    forms::SelectOption(optButton01[0]);
    Frame1[0]->setEnabled(true);
    Frame1[1]->setVisible(false);
    cboCombo01->clear();
    for (const std::string_view entry : {SELECTOR_TEXT_A, SELECTOR_TEXT_B, SELECTOR_TEXT_NONE}) {
        forms::AddListEntry(cboCombo01, SelectorText(entry), ToText(entry));
    }
    exercise_.Reset();
    blnShowRatings = FALSE_FLAG;
    ApplyRatingVisibility();
    ShowRatings();
    SetCaption(cmdProceed, CAPTION_PROCEED);
}

void frmForm001::ApplyRatingVisibility() {
    for (QLabel* label : Label3) {
        label->setVisible(blnShowRatings != FALSE_FLAG);
    }
    OfferResult();
}

Ratings frmForm001::RatingsShown() const {
    Ratings ratings;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        ratings(motivator) = exercise_.Rating(motivator);
    }
    return ratings;
}

// While the ratings are shown their result can be copied, and the heading tells how consistent
// the replies were.
void frmForm001::OfferResult() {
    const bool shown = blnShowRatings != FALSE_FLAG;
    resultMenu_->OfferResult(shown);
    Label3[0]->setToolTip(shown ? ConsistencySentence(CircularTriads(RatingsShown())) : QString());
}

Int16 frmForm001::MarkedMotivator() const {
    Int16 marked = 1;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        if (optButton01[static_cast<std::size_t>(motivator - 1)]->isChecked()) {
            marked = motivator;
        }
    }
    return marked;
}

std::optional<TodaysResult> frmForm001::Today() const {
    if (blnShowRatings == FALSE_FLAG) {
        return std::nullopt;
    }
    return TodaysResult{MarkedMotivator(), RatingsShown(), exercise_.RatedReplies()};
}

void frmForm001::ShowRatings() {
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        Label3[static_cast<std::size_t>(motivator)]->setText(
            NumberText(exercise_.Rating(motivator)));
    }
}

void frmForm001::cmdProceed_Click() {
    if (HasCaption(cmdProceed, CAPTION_PROCEED)) {
        //: The message after Proceed, before the first question. Keep the number 28.
        MsgBox(tr("Now reply to following  28  questions, one by one, to get some interesting "
                  "information about yourself. You can quit at any time, if you don't wish to "
                  "continue."),
               forms::MB_OK);
        SetCaption(cmdProceed, CAPTION_START_NEW);
        Frame1[1]->setVisible(true);
        Frame1[0]->setEnabled(false);
        exercise_.StartQuestions();
        ShowQuestion();
        cboCombo01->setFocus();
    } else if (HasCaption(cmdProceed, CAPTION_START_NEW)) {
        ResetExercise();
    }
}

void frmForm001::ShowQuestion() {
    const Int16 question = exercise_.QuestionNo();
    const auto pair = PairOf(question);
    if (!pair) {
        return;
    }
    cmdPrevious->setEnabled(question != 1);
    cmdNext->setEnabled(question != QUESTION_COUNT);
    Label2[0]->setText(Translated("Motivator", QuestionText(pair->sideA)));
    Label2[1]->setText(Translated("Motivator", QuestionText(pair->sideB)));
    if (const auto entry = exercise_.SelectorEntryToShow()) {
        cboCombo01->setCurrentIndex(*entry);
    }
    Label1[5]->setText(NumberText(question));
}

// Tells a screen reader, with the selector, everything the question panel shows.
QString frmForm001::QuestionDescription(const Pair& pair) const {
    //: What a screen reader says of the reply selector: the question shown, %1 its number, %2
    //: and %3 its sides A and B.
    return tr("Question %1: A] %2. B] %3.")
        .arg(NumberText(exercise_.QuestionNo()), Translated("Motivator", QuestionText(pair.sideA)),
             Translated("Motivator", QuestionText(pair.sideB)));
}

// Where the focus stays on a button, a screen reader hears the question it moved to.
void frmForm001::AnnounceQuestion() {
    if (const auto pair = PairOf(exercise_.QuestionNo())) {
        //: Said by a screen reader after Next or Previous: %1 the question, as "Question 2: A]
        //: ... B] ...", %2 the reply shown in the selector.
        announcer_->Announce(
            tr("%1 Reply: %2.").arg(QuestionDescription(*pair), cboCombo01->currentText()));
    }
}

// The ratings appear where the focus is not; a screen reader hears them in the order shown.
void frmForm001::AnnounceRatings() {
    QStringList ratings;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        //: One rating as a screen reader says it: %1 the motivator, %2 its rating.
        ratings << tr("%1 %2").arg(MotivatorName(motivator).simplified(),
                                   Label3[static_cast<std::size_t>(motivator)]->text());
    }
    //: Said by a screen reader once the ratings are shown: %1 is "Rating by you", %2 the
    //: ratings, joined by the separator below.
    announcer_->Announce(tr("%1: %2.").arg(Label3[0]->text(),
                                           //: Between two ratings said by a screen reader.
                                           ratings.join(tr(", "))));
}

void frmForm001::cboCombo01_Click() {
    announcer_->Announce(cboCombo01->currentText());
}

void frmForm001::SaveReply() {
    exercise_.RecordReply(cboCombo01->currentData().toString().toStdString());
}

void frmForm001::cmdNext_Click() {
    SaveReply();
    exercise_.Next();
    ShowQuestion();
    AnnounceQuestion();
}

void frmForm001::cmdPrevious_Click() {
    SaveReply();
    exercise_.Previous();
    ShowQuestion();
    AnnounceQuestion();
}

void frmForm001::cmdEvaluate_Click() {
    if (const auto question = exercise_.FirstUnreplied()) {
        //: The first line of the message when Evaluate finds a question without a stored reply;
        //: %1 is its number.
        const QString prompt = tr("Please reply against question number  %1.  Then move previous "
                                  "or next, for this program to accept your reply.")
                                   .arg(NumberText(*question)) +
                               CR_LF +
                               //: The second line of that message. "Cancel" names the button.
                               tr("Click on Cancel button to start again.");
        if (MsgBox(prompt, forms::MB_OK_CANCEL_EXCLAMATION) != forms::ID_OK) {
            ResetExercise();
            return;
        }
        exercise_.GoTo(*question);
        ShowQuestion();
        cboCombo01->setFocus();
        return;
    }
    exercise_.Evaluate();
    ShowRatings();
    blnShowRatings = TRUE_FLAG;
    ApplyRatingVisibility();
    //: The first paragraph of the message that comes with the ratings.
    MsgBox(tr("Here is the result ! The highest rating indicates the most dominant motivator and "
              "the lowest rating indicates the least dominant motivator for you.  Compare it with "
              "your earlier selected motivator.") +
               CR_LF + CR_LF +
               //: The second paragraph of the message that comes with the ratings.
               tr("You may do this exercise at different times, on different days, to verify the "
                  "consistency or changes in your motivators."),
           forms::MB_OK);
    AnnounceRatings();
}

void frmForm001::cmdAbout_Click() {
    const QString copyKey = QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
    //: The About message's first line: the program's name and %1 its version.
    const QString text = tr("Tolvar %1").arg(QStringLiteral(TOLVAR_VERSION)) + CR_LF +
                         //: The About message's description of the program.
                         tr("Finds which of eight motivators drives you most, from your replies "
                            "to 28 paired questions.") +
                         CR_LF +
                         //: In the About message; "Result" names the window's Result menu,
                         //: %1 is the copy key as the desktop names it.
                         tr("After an evaluation, the Result menu copies, saves, prints or "
                            "exports the result and compares it with earlier ones; %1 copies it "
                            "as text.")
                             .arg(copyKey) +
                         CR_LF + CR_LF +
                         //: In the About message: who made the program.
                         tr("Developed by the Tolvar project.") + CR_LF +
                         //: In the About message: how to reach the developers.
                         tr("Contact: through the Tolvar project, as its README describes.");
    //: The title of the About message.
    MsgBox(text, forms::MB_OK_INFORMATION, tr("About Tolvar"));
}

}  // namespace tolvar::ui
