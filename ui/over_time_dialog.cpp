// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "over_time_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "forms.h"
#include "language.h"
#include "rating_trend.h"
#include "result_text.h"
#include "screen_reader.h"
#include "wrapped_text.h"

namespace tolvar::ui {
namespace {

// Where the chart's ratings are kept in its cell, for the delegate that draws them.
constexpr int RATINGS_ROLE = Qt::UserRole + 1;
// A chart's height, in lines of text, on screen and on paper.
constexpr qreal CHART_LINES = 3;

QString Name(Int16 motivator) {
    return MotivatorName(motivator).simplified();
}

QString Title() {
    //: The title of the dialog that shows several results side by side, and the first line of
    //: its copy and of its printed page.
    return QCoreApplication::translate("OverTime", "Your results over time");
}

bool RightToLeft() {
    return WrittenRightToLeft() || QGuiApplication::isRightToLeft();
}

// A copy's time as people read it, "2026-12-08 14:05", its date and time apart (the copy writes
// a T between them); where it is not in that form, as the copy wrote it.
QString TimeApart(const CopiedResult& result, QChar between) {
    QString time = FromUtf8(result.copiedAt);
    if (time.size() == 16 && time.at(10) == QLatin1Char('T')) {
        time[10] = between;
    }
    return time;
}

// The time on one line. From right to left isolated as a left-to-right run, or its date and
// time would change places.
QString Time(const CopiedResult& result) {
    const QString time = TimeApart(result, QLatin1Char(' '));
    return RightToLeft() ? QChar(0x2066) + time + QChar(0x2069) : time;
}

std::vector<int> RatingsOf(const ResultSeries& series, Int16 motivator) {
    std::vector<int> ratings;
    for (const CopiedResult& result : series.results) {
        ratings.push_back(result.ratings(motivator));
    }
    return ratings;
}

QString RatingsText(const std::vector<int>& ratings) {
    QStringList numbers;
    for (const int rating : ratings) {
        numbers << QString::number(rating);
    }
    //: Between the ratings of one motivator, oldest first, as "3, 4, 6"; and between the times
    //: of the results in their copy.
    return numbers.join(QCoreApplication::translate("OverTime", ", "));
}

QString AgreementSentence(const OrderAgreement& order) {
    const double tau = order.tauB.value_or(0.0);
    const QString value = QLocale().toString(tau, 'f', 2);
    if (tau >= 0.6) {
        //: How an earlier order of the motivators agrees with today's, the closest of four;
        //: %1 is Kendall's tau-b, as 0.71.
        return QCoreApplication::translate(
                   "OverTime",
                   "Its order of your motivators agrees closely with today's (tau-b %1).")
            .arg(value);
    }
    if (tau >= 0.3) {
        //: How an earlier order of the motivators agrees with today's, the second of four;
        //: %1 is Kendall's tau-b, as 0.42.
        return QCoreApplication::translate(
                   "OverTime",
                   "Its order of your motivators agrees in part with today's (tau-b %1).")
            .arg(value);
    }
    if (tau > -0.3) {
        //: How an earlier order of the motivators agrees with today's, the third of four;
        //: %1 is Kendall's tau-b, as 0.12.
        return QCoreApplication::translate(
                   "OverTime",
                   "Its order of your motivators hardly agrees with today's (tau-b %1).")
            .arg(value);
    }
    //: How an earlier order of the motivators agrees with today's, the last of four; %1 is
    //: Kendall's tau-b, as -0.55.
    return QCoreApplication::translate(
               "OverTime",
               "Its order of your motivators is largely the reverse of today's (tau-b %1).")
        .arg(value);
}

// What each earlier result has in common with today's, one paragraph each.
QStringList EarlierParagraphs(const ResultSeries& series) {
    QStringList paragraphs;
    for (std::size_t at = 0; at + 1 < series.results.size(); ++at) {
        const CopiedResult& result = series.results[at];
        QString replies;
        if (series.sameReplies[at]) {
            // lupdate loops on a call with more than one argument as the count.
            const int same = *series.sameReplies[at];
            //: %1 is the date and time an earlier result was copied; %n how many of its 28
            //: replies are the same as today's.
            replies =
                QCoreApplication::translate(
                    "OverTime", "Your result of %1: %n of its 28 replies are the same as today.",
                    nullptr, same)
                    .arg(Time(result));
        } else {
            //: %1 is the date and time an earlier result was copied, by a version that did not
            //: copy the replies.
            replies = QCoreApplication::translate(
                          "OverTime",
                          "Your result of %1 holds no replies, so only its ratings are compared.")
                          .arg(Time(result));
        }
        paragraphs << replies + QLatin1Char(' ') + AgreementSentence(series.agreements[at]);
    }
    return paragraphs;
}

QString HighestParagraph(const ResultSeries& series) {
    if (series.results.size() < 2) {
        //: Where the dialog shows today's result alone.
        return QCoreApplication::translate(
            "OverTime", "Only today's result is here, so there is nothing to compare it with yet.");
    }
    if (series.highestThroughout.empty()) {
        //: Where the motivator rated highest was not the same in every result.
        return QCoreApplication::translate("OverTime",
                                           "No motivator was rated highest in every result.");
    }
    QStringList names;
    for (const Int16 motivator : series.highestThroughout) {
        names << Name(motivator);
    }
    // lupdate loops on a call with more than one argument as the count.
    const int count = static_cast<int>(names.size());
    //: %1 the motivators rated highest (alone or tied) in every result, today's included,
    //: joined by the separator below; %n how many they are, for the verb's agreement.
    return QCoreApplication::translate("OverTime", "Rated highest in every result: %1.", nullptr,
                                       count)
        .arg(names.join(
            //: Between two motivators rated highest in every result.
            QCoreApplication::translate("OverTime", "; ")));
}

QString TauExplained() {
    //: After the sentences on how each earlier order agrees with today's.
    return QCoreApplication::translate(
        "OverTime",
        "Kendall's tau-b weighs the pairs of motivators in the same order against those in the "
        "opposite order: 1 is the same order, 0 no relation and -1 the reverse order.");
}

QStringList SummaryParagraphs(const ResultSeries& series) {
    QStringList paragraphs = EarlierParagraphs(series);
    paragraphs << HighestParagraph(series);
    if (series.results.size() > 1) {
        paragraphs << TauExplained();
    }
    return paragraphs;
}

QString MotivatorHeading() {
    //: A column of the results over time: the motivator.
    return QCoreApplication::translate("OverTime", "Motivator");
}

QString ChartHeading() {
    //: A column of the results over time: a small chart of one motivator's ratings, oldest
    //: first.
    return QCoreApplication::translate("OverTime", "Over time");
}

// A result's column heading: its date over its time; today's is called so.
QString ResultHeading(const ResultSeries& series, std::size_t at) {
    if (at + 1 == series.results.size()) {
        //: The column of today's rating in the results over time.
        return QCoreApplication::translate("OverTime", "Today");
    }
    return TimeApart(series.results[at], QLatin1Char('\n'));
}

// Today's order: the highest rating first, ties in the window's order.
std::array<Int16, MOTIVATOR_COUNT> Rows(const ResultSeries& series) {
    return RankedMotivators(series.results.back().ratings);
}

// Draws the chart cell: the view's own background, selection and focus, then the trend in the
// view's colours and direction.
class TrendDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
        std::vector<int> ratings;
        for (const QVariant& rating : index.data(RATINGS_ROLE).toList()) {
            ratings.push_back(rating.toInt());
        }
        TrendColours colours = TrendColoursOf(option.palette);
        if (option.state & QStyle::State_Selected) {
            colours.line = option.palette.color(QPalette::HighlightedText);
            colours.today = colours.line;
        }
        // As high as in a row of one line, whatever the row's name makes of its height, so that
        // every chart has the same scale.
        const int em = option.fontMetrics.height();
        QRectF chart(option.rect);
        chart.setHeight(std::min(chart.height(), em * CHART_LINES));
        chart.moveCenter(QRectF(option.rect).center());
        PaintRatingTrend(*painter, chart.adjusted(em / 4, em / 4, -em / 4, -em / 4), ratings,
                         colours, option.direction);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int points = static_cast<int>(index.data(RATINGS_ROLE).toList().size());
        const int em = option.fontMetrics.height();
        return {em * std::clamp(points + 2, 5, 10), qRound(em * CHART_LINES)};
    }
};

// The table of ratings: every row shown (the dialog's content scrolls, not the table), the
// motivators' names wrapped to the width left by the other columns.
class SeriesTable : public QTableWidget {
  public:
    SeriesTable(int rows, int columns) : QTableWidget(rows, columns) {}

    // Gives the columns their widths for the table's width and the rows the height of their
    // wrapped names. Where the names would be narrower than a few words, the earlier results'
    // columns give way, the oldest first: their ratings stay in the chart and in its cell's
    // text, read aloud and copied.
    void FitToWidth(int width) {
        const int today = columnCount() - 2;
        const int inside = width - 2 * frameWidth();
        const int fewestNameWidth = fontMetrics().averageCharWidth() * 14;
        for (int column = 1; column < columnCount(); ++column) {
            setColumnHidden(column, false);
            setColumnWidth(column, ColumnWidth(column));
        }
        for (int oldest = 1; oldest < today && inside - FixedColumnsWidth() < fewestNameWidth;
             ++oldest) {
            setColumnHidden(oldest, true);
        }
        setColumnWidth(0, std::max(fewestNameWidth / 2, inside - FixedColumnsWidth()));
        resizeRowsToContents();
        setFixedHeight(horizontalHeader()->sizeHint().height() + verticalHeader()->length() +
                       2 * frameWidth());
    }

    // The width at which no name needs to wrap.
    int NaturalWidth() const {
        return 2 * frameWidth() + sizeHintForColumn(0) + FixedColumnsWidth(true);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QTableWidget::resizeEvent(event);
        FitToWidth(width());
    }

  private:
    int ColumnWidth(int column) const {
        return std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
    }

    int FixedColumnsWidth(bool all = false) const {
        int sum = 0;
        for (int column = 1; column < columnCount(); ++column) {
            if (all || !isColumnHidden(column)) {
                sum += ColumnWidth(column);
            }
        }
        return sum;
    }
};

class OverTimeDialog : public QDialog {
  public:
    OverTimeDialog(QWidget* parent, forms::Runtime& runtime, const ResultSeries& series)
        : QDialog(parent), runtime_(runtime), series_(series) {
        setObjectName(QStringLiteral("overTime"));
        setWindowTitle(Title());
        auto* content = new QWidget;
        auto* column = new QVBoxLayout(content);
        column->setContentsMargins({});
        // lupdate loops on a call with more than one argument as the count.
        const int count = static_cast<int>(series.results.size());
        //: Above the table of results over time; %n is how many results it shows. Keep an
        //: access key.
        auto* caption = PlainLabel(
            QStringLiteral("overTimeCaption"),
            QCoreApplication::translate(
                "OverTime",
                "&Ratings in your %n results, the oldest first and today's last, the motivators "
                "in today's order:",
                nullptr, count));
        caption->setTextFormat(Qt::AutoText);
        column->addWidget(caption);
        table_ = CreateTable();
        caption->setBuddy(table_);
        column->addWidget(table_);
        int paragraph = 0;
        for (const QString& text : SummaryParagraphs(series)) {
            column->addWidget(
                PlainLabel(QStringLiteral("overTimeSummary_%1").arg(paragraph++), text));
        }
        column->addStretch();
        area_ = new QScrollArea;
        area_->setFrameShape(QFrame::NoFrame);
        area_->setWidgetResizable(true);
        area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area_->setWidget(content);

        buttons_ = CreateButtons();
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(area_, 1);
        layout->addWidget(buttons_);
        FitToScreen();
        // No cell current until the user moves to one, so that none looks chosen.
        table_->setCurrentIndex({});
        table_->setFocus();
        (new Announcer(this))->Announce(SummaryParagraphs(series).join(QLatin1Char(' ')));
    }

  private:
    static QLabel* PlainLabel(const QString& name, const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        return label;
    }

    SeriesTable* CreateTable() {
        const auto results = static_cast<int>(series_.results.size());
        auto* table = new SeriesTable(MOTIVATOR_COUNT, results + 2);
        table->setObjectName(QStringLiteral("overTimeTable"));
        QStringList headings{MotivatorHeading()};
        for (std::size_t at = 0; at < series_.results.size(); ++at) {
            headings << ResultHeading(series_, at);
        }
        headings << ChartHeading();
        table->setHorizontalHeaderLabels(headings);
        const int todayColumn = results;
        //: The tooltip of the column of today's rating; %1 is the date and time now.
        table->horizontalHeaderItem(todayColumn)
            ->setToolTip(QCoreApplication::translate("OverTime", "Today's result, %1")
                             .arg(Time(series_.results.back())));
        table->verticalHeader()->hide();
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setTabKeyNavigation(false);
        table->setWordWrap(true);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setItemDelegateForColumn(results + 1, new TrendDelegate(table));
        int row = 0;
        for (const Int16 motivator : Rows(series_)) {
            table->setItem(row, 0, new QTableWidgetItem(Name(motivator)));
            const std::vector<int> ratings = RatingsOf(series_, motivator);
            QVariantList chart;
            for (int at = 0; at < results; ++at) {
                const int rating = ratings[static_cast<std::size_t>(at)];
                auto* item = new QTableWidgetItem(QString::number(rating));
                item->setTextAlignment(Qt::AlignCenter);
                table->setItem(row, at + 1, item);
                chart << rating;
            }
            auto* trend = new QTableWidgetItem(RatingsText(ratings));
            trend->setData(RATINGS_ROLE, chart);
            trend->setToolTip(trend->text());
            table->setItem(row, results + 1, trend);
            ++row;
        }
        return table;
    }

    QDialogButtonBox* CreateButtons() {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
        //: A button of the results over time that copies them as text. Keep an access key.
        AddButton(buttons, QStringLiteral("copyOverTime"),
                  QCoreApplication::translate("OverTime", "&Copy"), &OverTimeDialog::Copy);
        //: A button of the comparison and of the results over time that prints them. Keep an
        //: access key.
        AddButton(buttons, QStringLiteral("printOverTime"),
                  QCoreApplication::translate("OverTime", "&Print..."), &OverTimeDialog::Print);
        //: A button of the comparison and of the results over time that saves them as a PDF
        //: document. Keep an access key.
        AddButton(buttons, QStringLiteral("exportOverTime"),
                  QCoreApplication::translate("OverTime", "&Export as PDF..."),
                  &OverTimeDialog::ExportPdf);
        auto* copy = new QAction(this);
        copy->setShortcut(QKeySequence::Copy);
        copy->setShortcutContext(Qt::WindowShortcut);
        addAction(copy);
        connect(copy, &QAction::triggered, this, &OverTimeDialog::Copy);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        return buttons;
    }

    void AddButton(QDialogButtonBox* buttons, const QString& name, const QString& caption,
                   void (OverTimeDialog::*clicked)()) {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, clicked);
    }

    void Copy() { runtime_.SetClipboardText(OverTimeText(series_)); }

    void Print() { Tell(PrintPage(this, runtime_, Title(), OverTimePage(series_))); }

    void ExportPdf() {
        //: The file name the PDF of the results over time is offered under; keep ".pdf".
        const QString name =
            QCoreApplication::translate("OverTime", "Tolvar results over time.pdf");
        Tell(ExportPagePdf(this, runtime_, Title(), name, OverTimePage(series_)));
    }

    void Tell(const QString& text) {
        if (!text.isEmpty()) {
            runtime_.MsgBox(this, {text, forms::MB_OK_INFORMATION, {}});
        }
    }

    // As large as the content, at most 90 % of the screen; the table as wide as its names
    // unwrapped where there is room, and the content scrolls up and down where it is taller.
    void FitToScreen() {
        const QWidget* over = parentWidget() != nullptr ? parentWidget() : this;
        const QSize room = over->screen()->availableGeometry().size() * 0.9;
        const QMargins margins = layout()->contentsMargins();
        const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        const int around = margins.left() + margins.right() + extent;
        const int width = std::min(table_->NaturalWidth() + around, room.width());
        table_->FitToWidth(width - around);
        QLayout* content = area_->widget()->layout();
        content->invalidate();
        const int height = content->hasHeightForWidth() ? content->heightForWidth(width - around)
                                                        : content->sizeHint().height();
        resize(width, std::min(height + buttons_->sizeHint().height() + layout()->spacing() +
                                   margins.top() + margins.bottom(),
                               room.height()));
    }

    forms::Runtime& runtime_;
    const ResultSeries series_;
    SeriesTable* table_ = nullptr;
    QScrollArea* area_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// The series on paper at one size of text: the title, the table with a chart per motivator
// (drawn as on screen, in the printed colours), and the sentences under it, in the user's
// direction.
class SeriesPage {
  public:
    SeriesPage(QPainter& painter, const QRectF& page, const ResultSeries& series, qreal textSize)
        : painter_(painter), page_(page), series_(series) {
        font_ = QGuiApplication::font();
        font_.setPixelSize(std::max(1, qRound(textSize)));
        heading_ = font_;
        heading_.setPixelSize(std::max(1, qRound(textSize * 1.5)));
        heading_.setBold(true);
        const QFontMetricsF metrics(font_, painter.device());
        line_ = metrics.height();
        gap_ = line_ / 2;
        ratingWidth_ = metrics.horizontalAdvance(QStringLiteral("0000-00-00"));
        for (std::size_t at = 0; at < series.results.size(); ++at) {
            for (const QString& part : ResultHeading(series, at).split(QLatin1Char('\n'))) {
                ratingWidth_ = std::max(ratingWidth_, metrics.horizontalAdvance(part));
            }
        }
        ratingWidth_ = std::min(ratingWidth_ + gap_, page.width() / 6);
        chartWidth_ = line_ * std::clamp(Results() + 1, 4, 8);
        nameWidth_ = page.width() - Results() * ratingWidth_ - gap_ - chartWidth_;
        fewestNameWidth_ = metrics.averageCharWidth() * 12;
    }

    bool Fits() { return nameWidth_ >= fewestNameWidth_ && Draw(false) <= page_.height(); }

    // Lays the page out, drawing it where asked; how tall it is.
    qreal Draw(bool ink) {
        painter_.setLayoutDirection(Direction());
        painter_.setPen(Qt::black);
        qreal y = page_.top();
        y += Paragraph(heading_, Box(0, y, page_.width()), Title(), ink) + gap_;
        qreal headings = Paragraph(font_, Box(0, y, nameWidth_), MotivatorHeading(), ink);
        for (int at = 0; at < Results(); ++at) {
            headings = std::max(headings, Centred(Box(RatingLeft(at), y, ratingWidth_),
                                                  ResultHeading(series_, std::size_t(at)), ink));
        }
        headings =
            std::max(headings, Centred(Box(ChartLeft(), y, chartWidth_), ChartHeading(), ink));
        y += headings + gap_ / 2;
        for (const Int16 motivator : Rows(series_)) {
            y += Row(motivator, y, ink);
        }
        y += gap_;
        for (const QString& paragraph : SummaryParagraphs(series_)) {
            y += Paragraph(font_, Box(0, y, page_.width()), paragraph, ink) + gap_ / 2;
        }
        return y - page_.top();
    }

  private:
    // One motivator: a rule above, its name, its ratings and its chart, as high as its name
    // needs and at least as high as the chart.
    qreal Row(Int16 motivator, qreal y, bool ink) {
        const qreal chartHeight = line_ * CHART_LINES;
        const QString name = Name(motivator);
        const qreal height =
            std::max(chartHeight, Paragraph(font_, Box(0, y, nameWidth_), name, false) + gap_);
        if (!ink) {
            return height;
        }
        painter_.setPen(PrintedTrendColours().scale);
        painter_.drawLine(QLineF(page_.left(), y, page_.right(), y));
        painter_.setPen(Qt::black);
        Paragraph(font_, Box(0, y, nameWidth_, height), name, true);
        const std::vector<int> ratings = RatingsOf(series_, motivator);
        for (int at = 0; at < Results(); ++at) {
            Centred(Box(RatingLeft(at), y, ratingWidth_, height),
                    QString::number(ratings[std::size_t(at)]), true, Qt::AlignVCenter);
        }
        const QRectF chart =
            Box(ChartLeft(), y + (height - chartHeight) / 2, chartWidth_, chartHeight);
        PaintRatingTrend(painter_, chart.adjusted(0, gap_ / 4, 0, -gap_ / 4), ratings,
                         PrintedTrendColours(), Direction());
        return height;
    }

    // A paragraph from the box's leading edge, each line there (as the result's page writes
    // them): its height. Drawn where asked, in the middle of the box where it has a height.
    qreal Paragraph(const QFont& font, const QRectF& box, const QString& text, bool ink) {
        painter_.setFont(font);
        const WrappedText wrapped(text, painter_, box.width());
        if (ink) {
            const qreal free = box.height() < page_.bottom() - box.top()
                                   ? std::max(0.0, box.height() - wrapped.Height()) / 2
                                   : 0;
            wrapped.Draw(painter_, box.topLeft() + QPointF(0, free));
        }
        return wrapped.Height();
    }

    // A short text in the middle of its column (a time, a rating): its height.
    qreal Centred(const QRectF& box, const QString& text, bool ink,
                  Qt::Alignment vertical = Qt::AlignTop) {
        painter_.setFont(font_);
        const int flags = Qt::AlignHCenter | vertical | Qt::TextWordWrap;
        if (ink) {
            painter_.drawText(box, flags, text);
        }
        return painter_.boundingRect(box, flags, text).height();
    }

    // A box from the page's leading edge, on the right from right to left; as tall as the page
    // where no height is given.
    QRectF Box(qreal fromLeading, qreal y, qreal width, qreal height = 0) const {
        const qreal left = Direction() == Qt::RightToLeft ? page_.right() - fromLeading - width
                                                          : page_.left() + fromLeading;
        return {left, y, width, height > 0 ? height : page_.bottom() - y};
    }

    int Results() const { return static_cast<int>(series_.results.size()); }
    qreal RatingLeft(int at) const { return nameWidth_ + at * ratingWidth_; }
    qreal ChartLeft() const { return nameWidth_ + Results() * ratingWidth_ + gap_; }
    static Qt::LayoutDirection Direction() {
        return RightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    }
    QPainter& painter_;
    const QRectF page_;
    const ResultSeries& series_;
    QFont font_;
    QFont heading_;
    qreal line_ = 0;
    qreal gap_ = 0;
    qreal ratingWidth_ = 0;
    qreal chartWidth_ = 0;
    qreal nameWidth_ = 0;
    qreal fewestNameWidth_ = 0;
};

}  // namespace

QString OverTimeText(const ResultSeries& series) {
    QString text = Title() + QLatin1Char('\n');
    QStringList times;
    for (std::size_t at = 0; at + 1 < series.results.size(); ++at) {
        times << Time(series.results[at]);
    }
    //: In the copy of the results over time, today's time; %1 is the date and time.
    times << QCoreApplication::translate("OverTime", "today (%1)").arg(Time(series.results.back()));
    //: The copy's second line: the times of the results, oldest first, joined by ", ".
    text += QCoreApplication::translate("OverTime", "Results of %1.")
                .arg(times.join(QCoreApplication::translate("OverTime", ", "))) +
            QLatin1Char('\n');
    for (const Int16 motivator : Rows(series)) {
        //: A line of the copied results over time: %1 the motivator, %2 its ratings, oldest
        //: first, as "3, 4, 6".
        text += QCoreApplication::translate("OverTime", "%1: %2")
                    .arg(Name(motivator), RatingsText(RatingsOf(series, motivator))) +
                QLatin1Char('\n');
    }
    for (const QString& paragraph : SummaryParagraphs(series)) {
        text += paragraph + QLatin1Char('\n');
    }
    return text;
}

PagePainter OverTimePage(const ResultSeries& series) {
    return [series](QPainter& painter, const QRectF& page) {
        painter.save();
        qreal size = page.width() / 46;
        while (size > 4 && !SeriesPage(painter, page, series, size).Fits()) {
            size *= 0.9;
        }
        SeriesPage(painter, page, series, size).Draw(true);
        painter.restore();
    };
}

void ShowResultsOverTime(QWidget* window, forms::Runtime& runtime, const ResultSeries& series) {
    OverTimeDialog dialog(window, runtime, series);
    runtime.Exec(dialog);
}

}  // namespace tolvar::ui
