// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare_dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "kept_results.h"
#include "language.h"
#include "plain_text_field.h"
#include "printing.h"
#include "result_comparison.h"
#include "result_page.h"
#include "result_series.h"
#include "result_text.h"
#include "screen_reader.h"

namespace tolvar::ui {
namespace {

QString Name(Int16 motivator) {
    return MotivatorName(motivator).simplified();
}

QString Quote(const QString& text) {
    //: Quotes a motivator or a line of the text the user gave, in a message about it.
    return QCoreApplication::translate("Comparison", "\u201c%1\u201d").arg(text);
}

// A change as +2 or -1; from right to left isolated as a left-to-right run, or its sign would
// stand after it.
QString SignedNumber(int number) {
    const QString text = number > 0 ? QStringLiteral("+%1").arg(number) : QString::number(number);
    return WrittenRightToLeft() || QGuiApplication::isRightToLeft()
               ? QChar(0x2066) + text + QChar(0x2069)
               : text;
}

// What the dialog says under the table, and what a screen reader says as it opens.
QStringList SummarySentences(const CopiedResult& earlier, const TodaysResult& today) {
    QStringList sentences;
    if (earlier.hasReplies) {
        // lupdate loops on a call with more than one argument as the count.
        const int same = SameReplies(earlier.replies, today.replies);
        //: %n is how many of the 28 replies are the same in both results.
        sentences << QCoreApplication::translate(
            "Comparison", "%n of your 28 replies are the same as in the earlier result.", nullptr,
            same);
    } else {
        //: Said of a result copied by a version that did not copy the replies.
        sentences << QCoreApplication::translate(
            "Comparison", "The earlier result holds no replies, so only the ratings are compared.");
    }
    const OrderAgreement order = CompareOrders(earlier.ratings, today.ratings);
    const double tau = order.tauB.value_or(0.0);
    if (tau >= 0.6) {
        //: How closely the two orders of the motivators agree: the closest of four.
        sentences << QCoreApplication::translate(
            "Comparison", "The two orders of your motivators agree closely.");
    } else if (tau >= 0.3) {
        //: How closely the two orders of the motivators agree: the second of four.
        sentences << QCoreApplication::translate(
            "Comparison", "The two orders of your motivators agree in part.");
    } else if (tau > -0.3) {
        //: How closely the two orders of the motivators agree: the third of four.
        sentences << QCoreApplication::translate("Comparison",
                                                 "The two orders of your motivators hardly agree.");
    } else {
        //: How closely the two orders of the motivators agree: the last of four.
        sentences << QCoreApplication::translate(
            "Comparison", "The two orders of your motivators are largely reversed.");
    }
    sentences << PairsSentence(order);
    const std::vector<Int16> moved = MovedMost(earlier.ratings, today.ratings);
    if (moved.empty()) {
        //: When no rating changed by more than one point.
        sentences << QCoreApplication::translate(
            "Comparison",
            "No rating moved by more than one point. One changed reply makes a change that small "
            "(one rating up by one, another down by one), so read nothing into it.");
    } else {
        QStringList names;
        for (const Int16 motivator : moved) {
            //: One motivator that moved most: %1 its name, %2 the earlier rating, %3 today's.
            names << QCoreApplication::translate("Comparison", "%1 (from %2 to %3)")
                         .arg(Name(motivator))
                         .arg(earlier.ratings(motivator))
                         .arg(today.ratings(motivator));
        }
        //: %1 the motivators whose ratings moved most, joined by the separator below.
        sentences << QCoreApplication::translate("Comparison", "Moved most: %1.")
                         .arg(names.join(
                             //: Between two motivators that moved most.
                             QCoreApplication::translate("Comparison", "; ")));
        //: After the motivators that moved most.
        sentences << QCoreApplication::translate(
            "Comparison",
            "A change of one point is as small as one changed reply makes (one rating up by one, "
            "another down by one), so read nothing into it.");
    }
    return sentences;
}

QString EarlierLine(const CopiedResult& earlier) {
    //: %1 is the date and time the earlier result was copied, as the copy wrote it.
    return QCoreApplication::translate("Comparison", "Earlier result copied %1.")
        .arg(FromUtf8(earlier.copiedAt));
}

QString MarkedLine(const CopiedResult& earlier, const TodaysResult& today) {
    if (earlier.marked == today.marked) {
        //: %1 is the motivator the user marked as the most motivating in both results.
        return QCoreApplication::translate("Comparison",
                                           "Marked as the most motivating, then and today: %1.")
            .arg(Name(today.marked));
    }
    //: %1 the motivator marked as the most motivating in the earlier result, %2 today.
    return QCoreApplication::translate("Comparison",
                                       "Marked as the most motivating: then %1, today %2.")
        .arg(Name(earlier.marked), Name(today.marked));
}

// Ordered by today's ratings, the highest first, ties in the window's order: the order the
// window's result is read in and copied in, so the rows follow what the user sees today.
struct Row {
    Int16 motivator;
    int earlier;
    int today;
};

std::vector<Row> Rows(const CopiedResult& earlier, const TodaysResult& today) {
    std::vector<Row> rows;
    for (const Int16 motivator : RankedMotivators(today.ratings)) {
        rows.push_back({motivator, earlier.ratings(motivator), today.ratings(motivator)});
    }
    return rows;
}

QStringList ColumnHeadings() {
    return {
        //: A column of the comparison: the motivator.
        QCoreApplication::translate("Comparison", "Motivator"),
        //: A column of the comparison: the earlier rating.
        QCoreApplication::translate("Comparison", "Earlier"),
        //: A column of the comparison: today's rating.
        QCoreApplication::translate("Comparison", "Today"),
        //: A column of the comparison: today's rating less the earlier one.
        QCoreApplication::translate("Comparison", "Change"),
    };
}

QString Title() {
    //: The title of the comparison's dialog, and the first line of its copy.
    return QCoreApplication::translate("Comparison", "Compare with Earlier Result");
}

// The ratings then and today: the figures' columns as wide as their content, the motivators'
// column the rest of the width, its names wrapped there and each row as high as its name needs.
// Its height follows its width, so that the dialog scrolls one way only, vertically.
class RatingsTable : public QTableWidget {
  public:
    RatingsTable(int rows, int columns) : QTableWidget(rows, columns) {
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const int names = NamesWidth(width - 2 * frameWidth());
        int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
        for (int row = 0; row < rowCount(); ++row) {
            height += RowHeight(row, names);
        }
        return height;
    }
    QSize sizeHint() const override {
        const int width = FiguresWidth() + NamesNaturalWidth() + 2 * frameWidth();
        return {width, heightForWidth(width)};
    }
    // As narrow as the longest word of a name allows; its height at a given width is the
    // layout's to ask, so the least is that of the names unwrapped.
    QSize minimumSizeHint() const override {
        return {FiguresWidth() + NamesNarrowestWidth() + 2 * frameWidth(), sizeHint().height()};
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QTableWidget::resizeEvent(event);
        const int names = NamesWidth(viewport()->width());
        setColumnWidth(0, names);
        for (int row = 0; row < rowCount(); ++row) {
            setRowHeight(row, RowHeight(row, names));
        }
    }

  private:
    int FiguresWidth() const {
        int width = 0;
        for (int column = 1; column < columnCount(); ++column) {
            width += columnWidth(column);
        }
        return width;
    }
    int NamesWidth(int inside) const {
        return std::max(inside - FiguresWidth(), NamesNarrowestWidth());
    }
    // Unwrapped, or the heading's width where that is wider.
    int NamesNaturalWidth() const {
        int widest = horizontalHeader()->sectionSizeHint(0);
        for (int row = 0; row < rowCount(); ++row) {
            widest = std::max(widest, CellHint(row, 0, QRect()).width());
        }
        return widest + (showGrid() ? 1 : 0);
    }
    // The longest word of a name, so that names wrap between words and never within one.
    int NamesNarrowestWidth() const {
        const int margin =
            2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
        int widest = horizontalHeader()->sectionSizeHint(0);
        for (int row = 0; row < rowCount(); ++row) {
            for (const QString& word : item(row, 0)->text().split(u' ', Qt::SkipEmptyParts)) {
                widest = std::max(widest, fontMetrics().horizontalAdvance(word) + margin);
            }
        }
        return widest;
    }
    // As the view's own delegate sizes the row, with the name wrapped at the given width, and
    // no lower than the view lets a row be.
    int RowHeight(int row, int names) const {
        int height = 0;
        for (int column = 0; column < columnCount(); ++column) {
            const int width = column == 0 ? names : columnWidth(column);
            height = std::max(height, CellHint(row, column, QRect(0, 0, width, 1)).height());
        }
        return std::max(height + (showGrid() ? 1 : 0), verticalHeader()->minimumSectionSize());
    }
    // The delegate's size for a cell: its text wrapped within the rectangle's width, or unwrapped
    // where the rectangle is empty.
    QSize CellHint(int row, int column, const QRect& rect) const {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = rect;
        const QModelIndex index = model()->index(row, column);
        return itemDelegateForIndex(index)->sizeHint(option, index);
    }
};

// The dialog is as wide as its content unwrapped, or as the screen allows, and as high as its
// content laid out at that width, or as the screen allows; beyond that its content scrolls
// vertically, so that large text stays large and every sentence wraps within the dialog.
void FitToScreen(QDialog& dialog, QScrollArea* area, const QWidget* buttons) {
    QWidget* content = area->widget();
    const QMargins margins = dialog.layout()->contentsMargins();
    const int extent = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
    const QWidget* over = dialog.parentWidget() != nullptr ? dialog.parentWidget() : &dialog;
    const QSize room = over->screen()->availableGeometry().size() * 0.9;
    const int outside = margins.left() + margins.right() + extent;
    const int width = std::min(content->sizeHint().width() + outside, room.width());
    const int height = content->layout()->heightForWidth(width - outside) +
                       buttons->sizeHint().height() + dialog.layout()->spacing() + margins.top() +
                       margins.bottom();
    dialog.resize(width, std::min(height, room.height()));
}

QScrollArea* ScrollingArea(QWidget* content) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    return area;
}

// Where the clipboard holds no result: a text to paste or type one into, OK only once it holds
// one that can be read, and a line that says why not.
class PasteResultDialog : public QDialog {
  public:
    PasteResultDialog(QWidget* parent, const std::vector<ResultWording>& wordings,
                      QString clipboardProblem)
        : QDialog(parent), wordings_(wordings), clipboardProblem_(std::move(clipboardProblem)) {
        setObjectName(QStringLiteral("pasteEarlierResult"));
        setWindowTitle(Title());
        //: Above the text field of the dialog that takes an earlier result.
        auto* prompt = new QLabel(QCoreApplication::translate(
            "Comparison", "&Paste or type the earlier result as Tolvar copied it:"));
        prompt->setWordWrap(true);
        text_ = new PlainTextField;
        text_->setObjectName(QStringLiteral("earlierResult"));
        text_->setTabChangesFocus(true);
        prompt->setBuddy(text_);
        problem_ = new QLabel;
        problem_->setObjectName(QStringLiteral("readProblem"));
        problem_->setWordWrap(true);
        problem_->setTextFormat(Qt::PlainText);
        buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(prompt);
        layout->addWidget(text_, 1);
        layout->addWidget(problem_);
        layout->addWidget(buttons_);
        connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(text_, &QPlainTextEdit::textChanged, this, &PasteResultDialog::Check);
        announcer_ = new Announcer(this);
        Check();
        text_->setAccessibleDescription(problem_->text());
        announcer_->Announce(problem_->text());
    }

    // The text, once it holds one or more results that can be read.
    std::optional<QString> Results() const {
        return ready_ ? std::optional<QString>(text_->toPlainText()) : std::nullopt;
    }

  private:
    void Check() {
        const QString text = text_->toPlainText();
        const bool wasReady = ready_;
        ready_ = false;
        if (text.trimmed().isEmpty()) {
            //: In the dialog that takes an earlier result: why the clipboard's text was not
            //: taken; %1 says what is wrong with it.
            problem_->setText(QCoreApplication::translate("Comparison", "On the clipboard: %1")
                                  .arg(clipboardProblem_));
        } else {
            const auto outcome = ReadCopiedResults(text.toStdString(), wordings_);
            if (const auto* failure = std::get_if<ReadFailure>(&outcome)) {
                problem_->setText(ReadProblemText(*failure));
            } else {
                ready_ = true;
                const auto& results = std::get<std::vector<CopiedResult>>(outcome);
                if (results.size() == 1) {
                    //: In the dialog that takes an earlier result, once it holds one; %1 is the
                    //: date and time it was copied.
                    problem_->setText(QCoreApplication::translate(
                                          "Comparison", "A result copied %1, ready to compare.")
                                          .arg(FromUtf8(results.front().copiedAt)));
                } else {
                    // lupdate loops on a call with more than one argument as the count.
                    const int count = static_cast<int>(results.size());
                    //: In the dialog that takes an earlier result, once it holds several; %n is
                    //: how many (2 or more).
                    problem_->setText(QCoreApplication::translate(
                        "Comparison", "%n results, ready to compare.", nullptr, count));
                }
            }
        }
        buttons_->button(QDialogButtonBox::Ok)->setEnabled(ready_);
        if (wasReady != ready_) {
            announcer_->Announce(problem_->text());
        }
    }

    const std::vector<ResultWording> wordings_;
    const QString clipboardProblem_;
    PlainTextField* text_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
    Announcer* announcer_ = nullptr;
    bool ready_ = false;
};

// The comparison: a table of the ratings then and today, and what they say in plain words.
class ComparisonDialog : public QDialog {
  public:
    ComparisonDialog(QWidget* parent, const CopiedResult& earlier, const TodaysResult& today,
                     forms::Runtime& runtime)
        : QDialog(parent) {
        setObjectName(QStringLiteral("comparison"));
        setWindowTitle(Title());
        auto* content = new QWidget;
        auto* column = new QVBoxLayout(content);
        column->setContentsMargins({});
        column->addWidget(PlainLabel(QStringLiteral("comparisonEarlier"), EarlierLine(earlier)));
        column->addWidget(
            PlainLabel(QStringLiteral("comparisonMarked"), MarkedLine(earlier, today)));
        //: Above the comparison's table. Keep an access key.
        auto* caption =
            PlainLabel(QStringLiteral("comparisonCaption"),
                       QCoreApplication::translate(
                           "Comparison", "&Ratings in today's order, the highest first:"));
        caption->setTextFormat(Qt::AutoText);
        column->addWidget(caption);
        auto* table = Table(earlier, today);
        caption->setBuddy(table);
        column->addWidget(table);
        const QString summary = SummarySentences(earlier, today).join(QLatin1Char(' '));
        column->addWidget(PlainLabel(QStringLiteral("comparisonSummary"), summary));
        column->addStretch();

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
        //: A button of the comparison's dialog that copies the comparison as text. Keep an
        //: access key.
        auto* copyButton = buttons->addButton(QCoreApplication::translate("Comparison", "&Copy"),
                                              QDialogButtonBox::ActionRole);
        copyButton->setObjectName(QStringLiteral("copyComparison"));
        copyButton->setAutoDefault(false);
        auto* copy = new QAction(this);
        copy->setShortcut(QKeySequence::Copy);
        copy->setShortcutContext(Qt::WindowShortcut);
        addAction(copy);
        const QString text = ComparisonText(earlier, today);
        const auto copyText = [&runtime, text] { runtime.SetClipboardText(text); };
        connect(copy, &QAction::triggered, this, copyText);
        connect(copyButton, &QPushButton::clicked, this, copyText);
        AddPrintButtons(buttons, runtime, text);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* area = ScrollingArea(content);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(area, 1);
        layout->addWidget(buttons);
        FitToScreen(*this, area, buttons);
        table->setFocus();
        (new Announcer(this))->Announce(summary);
    }

  private:
    // Print and Export as PDF put the comparison's text on a page; what was done, or why not,
    // is shown.
    void AddPrintButtons(QDialogButtonBox* buttons, forms::Runtime& runtime, const QString& text) {
        QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QString title = lines.isEmpty() ? Title() : lines.takeFirst();
        const PagePainter page = TextPage(title, lines);
        const auto tell = [this, &runtime](const QString& outcome, bool failed) {
            if (!outcome.isEmpty()) {
                runtime.MsgBox(
                    this,
                    {outcome, failed ? forms::MB_OK_EXCLAMATION : forms::MB_OK_INFORMATION, {}});
            }
        };
        //: A button of the comparison and of the results over time that prints them. Keep an
        //: access key.
        auto* print = buttons->addButton(QCoreApplication::translate("OverTime", "&Print..."),
                                         QDialogButtonBox::ActionRole);
        print->setObjectName(QStringLiteral("printComparison"));
        print->setAutoDefault(false);
        connect(print, &QPushButton::clicked, this, [this, &runtime, page, title, tell] {
            bool failed = false;
            const QString outcome = PrintPage(this, runtime, title, page, &failed);
            tell(outcome, failed);
        });
        //: A button of the comparison and of the results over time that saves them as a PDF
        //: document. Keep an access key.
        auto* pdf = buttons->addButton(QCoreApplication::translate("OverTime", "&Export as PDF..."),
                                       QDialogButtonBox::ActionRole);
        pdf->setObjectName(QStringLiteral("exportComparison"));
        pdf->setAutoDefault(false);
        connect(pdf, &QPushButton::clicked, this, [this, &runtime, page, title, tell] {
            bool failed = false;
            const QString outcome =
                ExportPagePdf(this, runtime, title, title + QStringLiteral(".pdf"), page, &failed);
            tell(outcome, failed);
        });
    }

    static QLabel* PlainLabel(const QString& name, const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        // Qt draws a wrapped right-to-left line that ends in a space up to a space's width past
        // the label's left edge, where its last word would be cut: a margin there holds it.
        if (label->isRightToLeft()) {
            label->setContentsMargins(label->fontMetrics().horizontalAdvance(QLatin1Char(' ')), 0,
                                      0, 0);
        }
        return label;
    }

    static QTableWidget* Table(const CopiedResult& earlier, const TodaysResult& today) {
        const std::vector<Row> rows = Rows(earlier, today);
        auto* table = new RatingsTable(static_cast<int>(rows.size()), 4);
        table->setObjectName(QStringLiteral("comparisonTable"));
        table->setHorizontalHeaderLabels(ColumnHeadings());
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setTabKeyNavigation(false);
        table->setWordWrap(true);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        int at = 0;
        for (const Row& row : rows) {
            const QStringList cells = {Name(row.motivator), QString::number(row.earlier),
                                       QString::number(row.today),
                                       SignedNumber(row.today - row.earlier)};
            for (int cell = 0; cell < cells.size(); ++cell) {
                auto* item = new QTableWidgetItem(cells.at(cell));
                if (cell > 0) {
                    item->setTextAlignment(Qt::AlignCenter);
                }
                table->setItem(at, cell, item);
            }
            ++at;
        }
        for (int column = 1; column < table->columnCount(); ++column) {
            table->resizeColumnToContents(column);
        }
        // The widths follow the dialog's; a column dragged wider would push the table past it.
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        // No cell is current as the table opens, so none is highlighted or framed: that would
        // read as a motivator singled out. The focus still comes into the table, and the first
        // arrow key chooses the first row.
        table->setCurrentIndex({});
        return table;
    }
};

}  // namespace

QString PairsSentence(const OrderAgreement& order) {
    //: %1, %2, %3: how many pairs of motivators (28 in all) are in the same order in both
    //: results, in the opposite order, and tied (rated alike) in either result or both; each
    //: count, 0 to 28, stands after a colon so that no word agrees with it. %4 is Kendall's
    //: rank correlation, as 0.71 or -0.38.
    return QCoreApplication::translate(
               "Comparison",
               "Pairs of motivators (28 in all) in the same order in both results: %1; in the "
               "opposite order: %2; tied in either result or both: %3 (Kendall's tau-b: %4, where "
               "1 is the same order, 0 no relation and -1 the reverse order).")
        .arg(order.same)
        .arg(order.opposite)
        .arg(order.tied)
        .arg(QLocale().toString(order.tauB.value_or(0.0), 'f', 2));
}

QString ReadProblemText(const ReadFailure& failure) {
    switch (failure.problem) {
        case ReadProblem::NoResult:
            //: The text given as an earlier result holds none.
            return QCoreApplication::translate(
                "Comparison",
                "No Tolvar result was found. Give the whole result as Tolvar copied it, from its "
                "first line on.");
        case ReadProblem::SeveralResults:
            //: %1 is how many results the text holds (2 or more).
            return QCoreApplication::translate(
                       "Comparison",
                       "The text holds %1 results; give only the one to compare with.")
                .arg(failure.number);
        case ReadProblem::NoMarkedLine:
            return QCoreApplication::translate(
                "Comparison",
                "The line that names the motivator marked as the most motivating is missing below "
                "the result's first line.");
        case ReadProblem::UnknownMotivator:
            //: %1 is the line, quoted.
            return QCoreApplication::translate(
                       "Comparison", "This line names no motivator that Tolvar knows: %1.")
                .arg(Quote(FromUtf8(failure.line)));
        case ReadProblem::MotivatorMissing:
            //: %1 is the motivator.
            return QCoreApplication::translate("Comparison", "The result has no rating for %1.")
                .arg(Quote(Name(failure.motivator)));
        case ReadProblem::MotivatorTwice:
            //: %1 is the motivator.
            return QCoreApplication::translate("Comparison", "The result rates %1 twice.")
                .arg(Quote(Name(failure.motivator)));
        case ReadProblem::RatingOutOfRange:
            //: %1 is the motivator, %2 the rating the text gives it.
            return QCoreApplication::translate("Comparison",
                                               "The result rates %1 %2, but a rating is 0 to 7.")
                .arg(Quote(Name(failure.motivator)))
                .arg(failure.number);
        case ReadProblem::RatingsNotTwentyEight:
            //: %1 is the sum of the ratings the text gives.
            return QCoreApplication::translate(
                       "Comparison", "The ratings add up to %1, but a result's add up to 28.")
                .arg(failure.number);
        case ReadProblem::RepliesOtherLetters:
            //: %1 is the line, quoted. The letters stay A and B in every language.
            return QCoreApplication::translate("Comparison",
                                               "The replies may hold only the letters A and B: %1.")
                .arg(Quote(FromUtf8(failure.line)));
        case ReadProblem::RepliesWrongCount:
            //: %1 is how many replies the text gives.
            return QCoreApplication::translate(
                       "Comparison", "The result holds %1 replies, but it should hold 28.")
                .arg(failure.number);
        case ReadProblem::RepliesContradictRatings:
            //: %1 is a motivator whose rating the replies do not give.
            return QCoreApplication::translate(
                       "Comparison",
                       "The replies do not give the ratings beside them (%1 differs): the result "
                       "was changed after it was copied.")
                .arg(Quote(Name(failure.motivator)));
    }
    return {};
}

QString ComparisonText(const CopiedResult& earlier, const TodaysResult& today) {
    QString text = Title() + QLatin1Char('\n') + EarlierLine(earlier) + QLatin1Char('\n') +
                   MarkedLine(earlier, today) + QLatin1Char('\n');
    for (const Row& row : Rows(earlier, today)) {
        //: A row of the copied comparison: %1 the motivator, %2 its earlier rating, %3 today's,
        //: %4 the change, as +2 or -1.
        text += QCoreApplication::translate("Comparison", "%1: %2 then, %3 today (%4)")
                    .arg(Name(row.motivator))
                    .arg(row.earlier)
                    .arg(row.today)
                    .arg(SignedNumber(row.today - row.earlier)) +
                QLatin1Char('\n');
    }
    return text + SummarySentences(earlier, today).join(QLatin1Char(' ')) + QLatin1Char('\n');
}

void CompareWithEarlierResult(QWidget* window, forms::Runtime& runtime, const TodaysResult& today,
                              const QDateTime& now) {
    const QString clipboard = runtime.ClipboardText();
    ReadFailure failure;
    if (!clipboard.trimmed().isEmpty() &&
        CompareWithResultsIn(window, runtime, today, now, clipboard, &failure)) {
        return;
    }
    PasteResultDialog paste(window, ResultWordings(),
                            clipboard.trimmed().isEmpty()
                                //: Why the clipboard was not compared: it holds no text.
                                ? QCoreApplication::translate("Comparison", "it holds no text.")
                                : ReadProblemText(failure));
    if (runtime.Exec(paste) != QDialog::Accepted) {
        return;
    }
    if (const auto text = paste.Results()) {
        CompareWithResultsIn(window, runtime, today, now, *text, nullptr);
    }
}

void ShowComparison(QWidget* window, forms::Runtime& runtime, const CopiedResult& earlier,
                    const TodaysResult& today) {
    ComparisonDialog comparison(window, earlier, today, runtime);
    runtime.Exec(comparison);
}

}  // namespace tolvar::ui
