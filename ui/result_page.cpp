// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_page.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <functional>

#include "copied_result.h"
#include "forms.h"
#include "rating_bars.h"
#include "result_text.h"
#include "wrapped_text.h"

namespace tolvar::ui {
namespace {

// A page is paper, not the screen: black on white, and bars in a blue that prints as a middle
// grey on a black and white printer, their empty part as a light one.
QPalette PagePalette() {
    QPalette palette;
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x34, 0x69, 0x9a));
    return palette;
}

// The page's texts in the language in use, taken when it is drawn.
struct PageTexts {
    QString date;
    QString marked;
    QString consistency;
    QString replies;
    QString invitation;
};

// Digits and letters set apart from the text around them, so that a date or the replies keep
// their order in a line written from right to left.
QString Isolated(const QString& text, QChar isolate) {
    return isolate + text + QChar(0x2069);
}

PageTexts TextsFor(const QString& date, Int16 marked, const Ratings& ratings,
                   const Replies& replies) {
    PageTexts texts;
    texts.date = Isolated(date, QChar(0x2068));
    const QString markedName = MotivatorName(marked);
    if (!markedName.isEmpty()) {
        // The copy's own wording and note, so that translators word the line once.
        //: The copied result's second line; %1 is the motivator the user marked at the start.
        texts.marked =
            QCoreApplication::translate("ResultReport", "Marked as the most motivating: %1")
                .arg(markedName.simplified());
    }
    texts.consistency = ConsistencySentence(CircularTriads(ratings));
    //: The copied result's last line; %1 is the 28 replies in the letters A and B, in groups of
    //: four ("ABBA ABAB ..."). The letters stay A and B in every language.
    texts.replies = QCoreApplication::translate("ResultReport", "Replies: %1")
                        .arg(Isolated(FromUtf8(ReplyLetters(replies)), QChar(0x2066)));
    //: The second paragraph of the message that comes with the ratings.
    texts.invitation = QCoreApplication::translate(
        "tolvar::ui::frmForm001",
        "You may do this exercise at different times, on different days, to verify the "
        "consistency or changes in your motivators.");
    return texts;
}

// Sizes on the page, in points.
constexpr qreal TITLE_POINTS = 20;
constexpr qreal TEXT_POINTS = 11;
constexpr qreal SMALL_POINTS = 10;

// Lays the page out from the top and, when `draw` is set, draws it; returns the height it takes.
// The same steps measure and draw, so what is measured is what is drawn.
class PageFlow {
  public:
    PageFlow(QPainter& painter, qreal width, bool draw)
        : painter_(painter),
          width_(width),
          draw_(draw),
          pointSize_(painter.device()->logicalDpiY() / 72.0) {}

    void Text(const QString& text, qreal points, bool bold = false) {
        if (text.isEmpty()) {
            return;
        }
        QFont font = QGuiApplication::font();
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
        const WrappedText paragraph(text, painter_, width_);
        if (draw_) {
            paragraph.Draw(painter_, QPointF(0, top_));
        }
        top_ += paragraph.Height();
    }

    void Bars(const Ratings& ratings) {
        QFont font = QGuiApplication::font();
        font.setPointSizeF(TEXT_POINTS);
        painter_.setFont(font);
        top_ += draw_
                    ? PaintRatingBars(painter_, QRectF(0, top_, width_, 0), ratings, PagePalette())
                    : RatingBarsHeight(painter_, width_, ratings);
    }

    void Space(qreal points) { top_ += points * pointSize_; }

    qreal Height() const { return top_; }

  private:
    QPainter& painter_;
    const qreal width_;
    const bool draw_;
    const qreal pointSize_;  // in the device's pixels
    qreal top_ = 0;
};

qreal Flow(QPainter& painter, qreal width, bool draw, const PageTexts& texts,
           const Ratings& ratings) {
    PageFlow flow(painter, width, draw);
    flow.Text(forms::APP_TITLE, TITLE_POINTS, true);
    flow.Space(2);
    flow.Text(texts.date, SMALL_POINTS);
    flow.Space(18);
    flow.Text(texts.marked, TEXT_POINTS);
    flow.Space(14);
    flow.Bars(ratings);
    flow.Space(18);
    flow.Text(texts.consistency, SMALL_POINTS);
    flow.Space(8);
    flow.Text(texts.replies, SMALL_POINTS);
    flow.Space(18);
    flow.Text(texts.invitation, TEXT_POINTS);
    return flow.Height();
}

qreal TextFlow(QPainter& painter, qreal width, bool draw, const QString& title,
               const QStringList& paragraphs) {
    PageFlow flow(painter, width, draw);
    flow.Text(forms::APP_TITLE, TITLE_POINTS, true);
    flow.Space(2);
    flow.Text(title, TEXT_POINTS, true);
    flow.Space(14);
    for (const QString& paragraph : paragraphs) {
        flow.Text(paragraph, TEXT_POINTS);
        flow.Space(6);
    }
    return flow.Height();
}

// Draws what `flow` lays out inside the page, smaller where the page is too short for it.
void DrawFitted(QPainter& painter, const QRectF& page,
                const std::function<qreal(QPainter&, qreal, bool)>& flow) {
    painter.save();
    painter.setLayoutDirection(QGuiApplication::layoutDirection());
    painter.setPen(Qt::black);
    painter.translate(page.topLeft());
    const qreal height = flow(painter, page.width(), false);
    const qreal scale = height > page.height() ? page.height() / height : 1.0;
    painter.scale(scale, scale);
    flow(painter, page.width() / scale, true);
    painter.restore();
}

}  // namespace

PagePainter TextPage(const QString& title, const QStringList& paragraphs) {
    return [=](QPainter& painter, const QRectF& page) {
        DrawFitted(painter, page, [&](QPainter& on, qreal width, bool draw) {
            return TextFlow(on, width, draw, title, paragraphs);
        });
    };
}

PagePainter ResultPage(const QString& date, Int16 marked, const Ratings& ratings,
                       const Replies& replies) {
    return [=](QPainter& painter, const QRectF& page) {
        const PageTexts texts = TextsFor(date, marked, ratings, replies);
        // A page too short for the result (a small paper, a large margin) gets all of it, smaller.
        DrawFitted(painter, page, [&](QPainter& on, qreal width, bool draw) {
            return Flow(on, width, draw, texts, ratings);
        });
    };
}

}  // namespace tolvar::ui
