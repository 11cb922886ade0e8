// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <rapidcheck.h>
#include <QAccessible>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "harness.h"
#include "language.h"
#include "over_time_dialog.h"
#include "rating_trend.h"
#include "result_text.h"

using tolvar::testing::FakeRuntime;

namespace {

tolvar::CopiedResult Result(const std::string& copiedAt, tolvar::Int16 marked, unsigned sideB,
                            bool hasReplies = true) {
    tolvar::CopiedResult result{copiedAt, marked, {}, hasReplies, {}};
    for (tolvar::Int16 question = 1; question <= 28; ++question) {
        const tolvar::Pair pair = *tolvar::PairOf(question);
        result.replies(question) = (sideB >> (question - 1)) & 1U ? pair.sideB : pair.sideA;
        ++result.ratings(result.replies(question));
    }
    return result;
}

// Three results given newest first, one of them twice: the series orders and counts them.
tolvar::ResultSeries ThreeResults() {
    const auto november = Result("2026-11-15T19:30", 3, 0x0F0F0F0U, false);
    return tolvar::MakeResultSeries({november, Result("2026-10-01T08:00", 1, 0x0000000U), november},
                                    Result("2026-12-08T14:05", 2, 0xFFFFFFFU));
}

// As many results as a year of months gives.
tolvar::ResultSeries TwelveResults() {
    std::vector<tolvar::CopiedResult> earlier;
    for (unsigned month = 1; month <= 11; ++month) {
        const QString time = QStringLiteral("2026-%1-02T09:15").arg(month, 2, 10, QLatin1Char('0'));
        earlier.push_back(Result(time.toStdString(), 1, 0x1234567U * month));
    }
    return tolvar::MakeResultSeries(earlier, Result("2026-12-08T14:05", 2, 0xFFFFFFFU));
}

QString AccessibleName(QAccessibleInterface* object) {
    return object->text(QAccessible::Name);
}

// The ink drawn on white, per pixel: how far from white it is.
int Ink(const QImage& image, int x, int y) {
    const QColor colour = image.pixelColor(x, y);
    return 3 * 255 - colour.red() - colour.green() - colour.blue();
}

QImage Trend(const std::vector<int>& ratings, Qt::LayoutDirection direction,
             QSize size = {200, 80}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // The scale's lines are left out, so that all ink is the ratings'.
    tolvar::ui::PaintRatingTrend(painter, QRectF(QPointF(0, 0), size), ratings,
                                 {Qt::black, Qt::red, Qt::transparent}, direction);
    return image;
}

// The highest inked row in a narrow band of columns around x.
int TopInk(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (Ink(image, std::clamp(x + dx, 0, image.width() - 1), y) > 200) {
                return y;
            }
        }
    }
    return image.height();
}

}  // namespace

class OverTimeTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        tolvar::ui::UseLanguage({QStringLiteral("en")});
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }

    // A column per result headed by its time, oldest first and today's last, a row per
    // motivator in today's order, each cell read aloud with its headings; Ctrl+C copies every
    // time and every rating.
    void showsEveryResultInTodaysOrder() {
        const tolvar::ResultSeries series = ThreeResults();
        QCOMPARE(series.results.size(), 3U);
        const tolvar::CopiedResult& today = series.results.back();
        FakeRuntime runtime;
        QStringList headings;
        QStringList problems;
        bool selected = true;
        QString copied;
        runtime.onDialog = [&](QDialog& dialog) {
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("overTimeTable"));
            for (int column = 0; column < table->columnCount(); ++column) {
                headings << table->horizontalHeaderItem(column)->text();
            }
            const auto order = tolvar::RankedMotivators(today.ratings);
            for (int row = 0; row < table->rowCount(); ++row) {
                const tolvar::Int16 motivator = order[std::size_t(row)];
                if (table->item(row, 0)->text() !=
                    tolvar::ui::MotivatorName(motivator).simplified()) {
                    problems << QStringLiteral("row %1 names %2")
                                    .arg(row)
                                    .arg(table->item(row, 0)->text());
                }
                QStringList ratings;
                for (std::size_t at = 0; at < series.results.size(); ++at) {
                    const int rating = series.results[at].ratings(motivator);
                    ratings << QString::number(rating);
                    if (table->item(row, int(at) + 1)->text() != QString::number(rating)) {
                        problems << QStringLiteral("row %1 result %2").arg(row).arg(at);
                    }
                }
                if (table->item(row, 4)->text() != ratings.join(QStringLiteral(", "))) {
                    problems << QStringLiteral("chart of row %1: %2")
                                    .arg(row)
                                    .arg(table->item(row, 4)->text());
                }
            }
            dialog.show();
            if (!QTest::qWaitForWindowActive(&dialog)) {
                problems << QStringLiteral("not active");
            }
            selected = !table->selectionModel()->selectedIndexes().isEmpty() ||
                       table->currentIndex().isValid();
            // The keys still start at the first cell.
            QTest::keyClick(table, Qt::Key_Down);
            if (table->currentIndex() != table->model()->index(0, 0)) {
                problems << QStringLiteral("Down does not reach the first cell");
            }
            // Every cell as a screen reader meets it: its text, under its column's heading.
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(table);
            QAccessibleTableInterface* cells = accessible->tableInterface();
            for (int row = 0; row < cells->rowCount(); ++row) {
                for (int column = 0; column < cells->columnCount(); ++column) {
                    QAccessibleInterface* cell = cells->cellAt(row, column);
                    const auto headers = cell->tableCellInterface()->columnHeaderCells();
                    if (AccessibleName(cell) != table->item(row, column)->text() ||
                        AccessibleName(cell).isEmpty() || headers.size() != 1 ||
                        AccessibleName(headers.front()) !=
                            table->horizontalHeaderItem(column)->text()) {
                        problems << QStringLiteral("cell %1,%2 reads \"%3\"")
                                        .arg(row)
                                        .arg(column)
                                        .arg(AccessibleName(cell));
                    }
                    // Qt 6.4 makes the header cells anew at every call and leaves them to the
                    // caller.
                    for (QAccessibleInterface* header : headers) {
                        QAccessible::deleteAccessibleInterface(
                            QAccessible::registerAccessibleInterface(header));
                    }
                }
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
            dialog.hide();
            return int(QDialog::Rejected);
        };
        tolvar::ui::ShowResultsOverTime(nullptr, runtime, series);
        QCOMPARE(runtime.dialogs, QStringList{QStringLiteral("overTime")});
        QCOMPARE(headings,
                 (QStringList{QStringLiteral("Motivator"), QStringLiteral("2026-10-01\n08:00"),
                              QStringLiteral("2026-11-15\n19:30"), QStringLiteral("Today"),
                              QStringLiteral("Over time")}));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(!selected);
        QCOMPARE(copied, tolvar::ui::OverTimeText(series));
        for (const char* time : {"2026-10-01 08:00", "2026-11-15 19:30", "2026-12-08 14:05"}) {
            QVERIFY2(copied.contains(QLatin1String(time)), time);
        }
        for (tolvar::Int16 motivator = 1; motivator <= 8; ++motivator) {
            QStringList ratings;
            for (const tolvar::CopiedResult& result : series.results) {
                ratings << QString::number(result.ratings(motivator));
            }
            const QString line = tolvar::ui::MotivatorName(motivator).simplified() +
                                 QStringLiteral(": ") + ratings.join(QStringLiteral(", "));
            QVERIFY2(copied.contains(line + u'\n'), qPrintable(line));
        }
        QVERIFY2(copied.contains(QStringLiteral("Your result of 2026-10-01 08:00: 0 of its 28 "
                                                "replies are the same as today.")),
                 qPrintable(copied));
        QVERIFY2(
            copied.contains(QStringLiteral("Your result of 2026-11-15 19:30 holds no replies")),
            qPrintable(copied));
        QVERIFY2(copied.contains(QStringLiteral("is largely the reverse of today's (tau-b -1.00)")),
                 qPrintable(copied));
    }

    // Today's result alone: its column and chart, and a sentence that says there is nothing to
    // compare it with yet, in English's singular.
    void todayAlone() {
        FakeRuntime runtime;
        QStringList texts;
        int columns = 0;
        runtime.onDialog = [&](QDialog& dialog) {
            columns =
                dialog.findChild<QTableWidget*>(QStringLiteral("overTimeTable"))->columnCount();
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                texts << label->text();
            }
            return int(QDialog::Rejected);
        };
        tolvar::ui::ShowResultsOverTime(
            nullptr, runtime, tolvar::MakeResultSeries({}, Result("2026-12-08T14:05", 2, 0x55U)));
        QCOMPARE(columns, 3);
        QVERIFY2(texts.contains(QStringLiteral(
                     "&Ratings in your one result, today's, the motivators in today's order:")),
                 qPrintable(texts.join(u'\n')));
        QVERIFY2(texts.contains(QStringLiteral(
                     "Only today's result is here, so there is nothing to compare it with yet.")),
                 qPrintable(texts.join(u'\n')));
    }

    // Export writes a PDF where the user chose and says where; a cancelled print says nothing.
    void exportsAndPrints() {
        QTemporaryDir folder;
        FakeRuntime runtime;
        runtime.saveTo = folder.filePath(QStringLiteral("over-time"));
        runtime.onDialog = [](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("printOverTime"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("exportOverTime"))->click();
            return int(QDialog::Rejected);
        };
        tolvar::ui::ShowResultsOverTime(nullptr, runtime, ThreeResults());
        QCOMPARE(runtime.shown.size(), 1U);
        QCOMPARE(runtime.shown.front().style, tolvar::forms::MB_OK_INFORMATION);
        QVERIFY2(runtime.shown.front().text.contains(QStringLiteral("over-time.pdf")),
                 qPrintable(runtime.shown.front().text));
        QFile pdf(folder.filePath(QStringLiteral("over-time.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 2000);
    }

    // Large text on a small screen: the dialog stays on the screen, never scrolls sideways and
    // cuts no sentence and no motivator's name; with many results too.
    void largeTextFitsASmallScreen_data() {
        QTest::addColumn<int>("results");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("three results") << 3 << false;
        QTest::newRow("three results, right to left") << 3 << true;
        QTest::newRow("twelve results") << 12 << false;
    }
    void largeTextFitsASmallScreen() {
        QFETCH(int, results);
        QFETCH(bool, rightToLeft);
        const tolvar::ResultSeries series = results == 3 ? ThreeResults() : TwelveResults();
        QCOMPARE(series.results.size(), std::size_t(results));
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
        QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        FakeRuntime runtime;
        QStringList problems;
        runtime.onDialog = [&problems](QDialog& dialog) {
            dialog.show();
            if (!QTest::qWaitForWindowExposed(&dialog)) {
                problems << QStringLiteral("not shown");
            }
            const QRect room = dialog.screen()->availableGeometry();
            if (dialog.width() > room.width() * 0.9 + 1 ||
                dialog.height() > room.height() * 0.9 + 1) {
                problems << QStringLiteral("dialog %1x%2").arg(dialog.width()).arg(dialog.height());
            }
            auto* area = dialog.findChild<QScrollArea*>();
            if (area->horizontalScrollBar()->isVisible() ||
                area->widget()->width() > area->viewport()->width()) {
                problems << QStringLiteral("scrolls sideways");
            }
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                const QRect shown(label->mapTo(&dialog, QPoint(0, 0)), label->size());
                if (shown.left() < 0 || shown.right() >= dialog.width() ||
                    label->height() < label->heightForWidth(label->width())) {
                    problems << QStringLiteral("label cut: ") + label->text();
                }
            }
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("overTimeTable"));
            const QRect tableShown(table->mapTo(&dialog, QPoint(0, 0)), table->size());
            if (tableShown.left() < 0 || tableShown.right() >= dialog.width() ||
                table->horizontalHeader()->length() > table->viewport()->width()) {
                problems << QStringLiteral("table wider than the dialog");
            }
            // Every heading and every rating and chart whole, at its column's width.
            for (int column = 0; column < table->columnCount(); ++column) {
                int needed = table->horizontalHeader()->sectionSizeHint(column);
                for (int row = 0; column > 0 && row < table->rowCount(); ++row) {
                    QStyleOptionViewItem option;
                    option.initFrom(table);
                    const QModelIndex index = table->model()->index(row, column);
                    needed = std::max(
                        needed,
                        table->itemDelegateForIndex(index)->sizeHint(option, index).width());
                }
                if (!table->isColumnHidden(column) && table->columnWidth(column) < needed) {
                    problems << QStringLiteral("column %1 cut").arg(column);
                }
            }
            if (table->verticalHeader()->length() > table->viewport()->height()) {
                problems << QStringLiteral("table cut at the bottom");
            }
            for (int row = 0; row < table->rowCount(); ++row) {
                QStyleOptionViewItem option;
                option.initFrom(table);
                option.features |=
                    QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasDisplay;
                option.text = table->item(row, 0)->text();
                option.rect = QRect(0, 0, table->columnWidth(0), table->rowHeight(row));
                const QSize needed =
                    table->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, table);
                if (needed.height() > table->rowHeight(row)) {
                    problems << QStringLiteral("name cut: ") + option.text;
                }
            }
            // Only the oldest results give way; today's ratings and the charts stay in view.
            const int columns = table->columnCount();
            if (table->isColumnHidden(columns - 1) || table->isColumnHidden(columns - 2)) {
                problems << QStringLiteral("today or the chart hidden");
            }
            for (int column = 2; column < columns; ++column) {
                if (table->isColumnHidden(column) && !table->isColumnHidden(column - 1)) {
                    problems << QStringLiteral("column %1 hidden after a newer one").arg(column);
                }
            }
            dialog.hide();
            return int(QDialog::Rejected);
        };
        tolvar::ui::ShowResultsOverTime(nullptr, runtime, series);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(runtime.dialogs.size(), 1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The higher a rating, the higher it is drawn: raising one rating moves no ink down in any
    // column and some up by at least a third of a step of the scale (the points take some of the
    // height); from right to left the chart is the same mirrored.
    void chartDrawsHigherRatingsHigher() {
        const bool passed = rc::check([] {
            auto ratings = *rc::gen::container<std::vector<int>>(
                *rc::gen::inRange<std::size_t>(1, 9), rc::gen::inRange(0, 7));
            const auto direction = *rc::gen::element(Qt::LeftToRight, Qt::RightToLeft);
            const QImage before = Trend(ratings, direction);
            const auto raised = *rc::gen::inRange<std::size_t>(0, ratings.size());
            const int by = *rc::gen::inRange(1, 8 - ratings[raised]);
            ratings[raised] += by;
            const QImage after = Trend(ratings, direction);
            const QImage mirrored =
                Trend(ratings, direction == Qt::LeftToRight ? Qt::RightToLeft : Qt::LeftToRight);
            const int width = after.width();
            int risen = 0;
            for (int x = 0; x < width; ++x) {
                const int top = TopInk(after, x);
                RC_ASSERT(top <= TopInk(before, x) + 1);
                risen = std::max(risen, TopInk(before, x) - top);
            }
            RC_ASSERT(risen >= by * after.height() / 7 / 3);
            // Mirrored, but for the antialiasing of the edges.
            qint64 ink = 0;
            qint64 differs = 0;
            for (int y = 0; y < after.height(); ++y) {
                for (int x = 0; x < width; ++x) {
                    ink += Ink(after, x, y);
                    differs += std::abs(Ink(after, x, y) - Ink(mirrored, width - 1 - x, y));
                }
            }
            RC_ASSERT(differs * 20 < ink);
        });
        QVERIFY(passed);
    }

    // On a dark palette the line is drawn in the palette's light text colour, today's point in
    // its highlight, and both stand out from the base the chart is drawn on.
    void chartFollowsThePalette() {
        QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
        const tolvar::ui::TrendColours colours = tolvar::ui::TrendColoursOf(dark);
        QCOMPARE(colours.line, QColor(Qt::white));
        QCOMPARE(colours.today, QColor(0x3d, 0xae, 0xe9));
        QImage image(QSize(160, 60), QImage::Format_RGB32);
        image.fill(dark.color(QPalette::Base));
        QPainter painter(&image);
        tolvar::ui::PaintRatingTrend(painter, QRectF(0, 0, 160, 60), {2, 5, 7}, colours,
                                     Qt::LeftToRight);
        painter.end();
        int light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                light += image.pixelColor(x, y).lightness() > 200;
            }
        }
        QVERIFY2(light > 100, qPrintable(QString::number(light)));
    }
};

QTEST_MAIN(OverTimeTest)
#include "over_time_test.moc"
