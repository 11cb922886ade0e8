// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <rapidcheck.h>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextLayout>
#include <QtTest>
#include <functional>

#include "compare_dialog.h"
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

// Today's result against an earlier copy whose replies are all the other side: every rating
// turned round (7 less it), so that the changes carry signs and the orders are reversed.
void CompareReversed(const std::function<void(QDialog&)>& look) {
    tolvar::Replies earlier;
    tolvar::Replies today;
    tolvar::Ratings earlierRatings;
    tolvar::Ratings todayRatings;
    for (tolvar::Int16 question = 1; question <= 28; ++question) {
        earlier(question) = tolvar::PairOf(question)->sideA;
        today(question) = tolvar::PairOf(question)->sideB;
        ++earlierRatings(earlier(question));
        ++todayRatings(today(question));
    }
    QGuiApplication::clipboard()->setText(
        tolvar::ui::ResultReport(QStringLiteral("2026-01-02T03:04"), 1, earlierRatings, earlier));
    tolvar::testing::FakeRuntime runtime;
    runtime.onDialog = [&look](QDialog& dialog) {
        dialog.show();
        if (QTest::qWaitForWindowExposed(&dialog)) {
            look(dialog);
        }
        dialog.hide();
        return int(QDialog::Accepted);
    };
    tolvar::ui::CompareWithEarlierResult(nullptr, runtime, {2, todayRatings, today}, runtime.now);
    QCOMPARE(runtime.dialogs, QStringList{QStringLiteral("comparison")});
}

// Ink: a pixel darker than mid grey, on the light ground of a cell or a label.
bool Ink(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

enum class Side { Left, Right, Unclear };

// Which side of its digits a cell's sign is drawn on, from the cell's own pixels: the cell holding
// only the digits is drawn too, its ink found again in the signed cell's, and the ink left over is
// the sign's.
Side SignSideInCell(QTableWidget* table, QTableWidgetItem* item) {
    const auto drawn = [table, item] {
        return table->viewport()->grab(table->visualItemRect(item)).toImage();
    };
    const QImage withSign = drawn();
    const QString text = item->text();
    item->setText(QString(text).remove(QRegularExpression(QStringLiteral("[-+]"))));
    const QImage digits = drawn();
    item->setText(text);
    int first = digits.width();
    int last = -1;
    for (int x = 0; x < digits.width(); ++x) {
        for (int y = 0; y < digits.height(); ++y) {
            if (Ink(digits, x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    int bestShift = 0;
    int bestMismatch = INT_MAX;
    for (int shift = -first; shift + last < withSign.width(); ++shift) {
        int mismatch = 0;
        for (int x = first; x <= last; ++x) {
            for (int y = 0; y < digits.height(); ++y) {
                mismatch += Ink(digits, x, y) != Ink(withSign, x + shift, y) ? 1 : 0;
            }
        }
        if (mismatch < bestMismatch) {
            bestMismatch = mismatch;
            bestShift = shift;
        }
    }
    bool left = false;
    bool right = false;
    for (int x = 0; x < withSign.width(); ++x) {
        for (int y = 0; y < withSign.height(); ++y) {
            if (Ink(withSign, x, y) && (x < first + bestShift || x > last + bestShift)) {
                (x < first + bestShift ? left : right) = true;
            }
        }
    }
    return left == right ? Side::Unclear : (left ? Side::Left : Side::Right);
}

// A label's text drawn anew as the label draws it (its font, width, direction and alignment),
// once in black and once with each given range of characters in a colour of its own.
struct Redrawn {
    QImage black;
    QImage coloured;
};
const QList<QColor> RANGE_COLOURS = {Qt::red, Qt::blue};

Redrawn RedrawLabel(const QLabel& label, const QList<std::pair<int, int>>& ranges) {
    const QString text = label.text();
    const QRect room = label.contentsRect();
    Redrawn redrawn;
    for (QImage* image : {&redrawn.black, &redrawn.coloured}) {
        QTextLayout layout(text, label.font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        option.setTextDirection(label.layoutDirection());
        option.setAlignment(QStyle::visualAlignment(
            text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, label.alignment()));
        layout.setTextOption(option);
        if (image == &redrawn.coloured) {
            QList<QTextLayout::FormatRange> formats;
            for (qsizetype index = 0; index < ranges.size(); ++index) {
                QTextLayout::FormatRange format;
                format.start = ranges.at(index).first;
                format.length = ranges.at(index).second;
                format.format.setForeground(RANGE_COLOURS.at(index));
                formats << format;
            }
            layout.setFormats(formats);
        }
        const qreal leading = QFontMetricsF(label.font()).leading();
        qreal height = -leading;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            height += leading;
            line.setLineWidth(room.width());
            line.setPosition({0, height});
            height += line.height();
        }
        layout.endLayout();
        *image = QImage(room.width(), int(height) + 1, QImage::Format_RGB32);
        image->fill(Qt::white);
        QPainter painter(image);
        painter.setPen(Qt::black);
        layout.draw(&painter, {0, 0});
    }
    return redrawn;
}

// How many pixels of a label's text Qt draws beyond the label's left or right edge, where they are
// cut: its text drawn as the label draws it, into the label's contents placed in a wider image.
int InkBeyondSides(const QLabel& label) {
    const int beyond = 40;
    QImage image(label.width() + 2 * beyond, label.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setLayoutDirection(label.layoutDirection());
    painter.setFont(label.font());
    painter.setPen(Qt::black);
    const QString text =
        label.buddy() != nullptr ? QString(label.text()).remove(QLatin1Char('&')) : label.text();
    const Qt::Alignment alignment = QStyle::visualAlignment(
        text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, label.alignment());
    painter.drawText(label.contentsRect().translated(beyond, 0), int(alignment) | Qt::TextWordWrap,
                     text);
    painter.end();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += Ink(image, x, y) && (x < beyond || x >= beyond + label.width()) ? 1 : 0;
        }
    }
    return count;
}

// The ink of an image, cropped to where there is any: black on white.
QImage InkMask(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Ink(image, x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    QImage mask(box.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            mask.setPixel(x, y, Ink(image, box.x() + x, box.y() + y) ? 0 : 255);
        }
    }
    return mask;
}

// How many pixels two masks differ in, laid over each other as they match best (a pixel or two
// apart at most), out of how many.
std::pair<qsizetype, qsizetype> Mismatch(const QImage& one, const QImage& other) {
    const auto ink = [](const QImage& image, int x, int y) {
        return image.valid(x, y) && qGray(image.pixel(x, y)) < 128;
    };
    const int width = std::max(one.width(), other.width());
    const int height = std::max(one.height(), other.height());
    qsizetype best = qsizetype(width) * height;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            qsizetype differ = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    differ += ink(one, x, y) != ink(other, x + dx, y + dy) ? 1 : 0;
                }
            }
            best = std::min(best, differ);
        }
    }
    return {best, qsizetype(width) * height};
}

// The columns where a colour's ink lies in an image: the first and the last, or -1 where none.
std::pair<int, int> ColumnsOf(const QImage& image, const QColor& colour) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            const int own = colour == Qt::red ? pixel.red() : pixel.blue();
            const int others = colour == Qt::red ? std::max(pixel.green(), pixel.blue())
                                                 : std::max(pixel.red(), pixel.green());
            if (own > 160 && others < 120) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
    }
    return {first, last};
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        tolvar::ui::UseLanguage({QStringLiteral("en")});
    }
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
        QVERIFY2(summary.contains(QStringLiteral("in the same order in both results: 27; in the "
                                                 "opposite order: 1;")),
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

    // In Arabic the table's changes and the summary's signed figures show their signs to the left
    // of their digits, where readers of Western digits expect them ("-1", "+2"), and a rating that
    // moved reads from the earlier figure to today's in the reading direction; so does English.
    // Found from pixels: the table's own, and the summary drawn anew with the figures in colours,
    // once the anew drawing is shown to match the label's own ink.
    void signsStandLeftOfTheirDigits_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Arabic") << "ar";
        QTest::newRow("English") << "en";
    }
    void signsStandLeftOfTheirDigits() {
        QFETCH(QString, language);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        tolvar::ui::UseLanguage({language});
        const bool rightToLeft = language == QLatin1String("ar");
        QCOMPARE(QGuiApplication::isRightToLeft(), rightToLeft);
        int signedCells = 0;
        int signedFigures = 0;
        int moves = 0;
        CompareReversed([&](QDialog& dialog) {
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("comparisonTable"));
            for (int row = 0; row < table->rowCount(); ++row) {
                QTableWidgetItem* change = table->item(row, 3);
                if (change->text().contains(QRegularExpression(QStringLiteral("[-+]")))) {
                    ++signedCells;
                    QVERIFY2(SignSideInCell(table, change) == Side::Left,
                             qPrintable(QStringLiteral("row %1").arg(row)));
                }
            }
            auto* summary = dialog.findChild<QLabel*>(QStringLiteral("comparisonSummary"));
            const QString text = summary->text();
            QCOMPARE(InkBeyondSides(*summary), 0);
            // Drawn anew, the summary's ink is the label's own but for a pixel's difference where
            // a right-to-left line ends (under 2% of the ink's box): the same lines, words and
            // order.
            const auto [differ, of] =
                Mismatch(InkMask(summary->grab(summary->contentsRect()).toImage()),
                         InkMask(RedrawLabel(*summary, {}).black));
            QVERIFY2(differ * 50 < of, qPrintable(QStringLiteral("%1 of %2").arg(differ).arg(of)));
            const QRegularExpression signedNumber(QStringLiteral("[-+]\\d"));
            for (const auto& match : signedNumber.globalMatch(text)) {
                ++signedFigures;
                const int at = int(match.capturedStart());
                const QImage drawn = RedrawLabel(*summary, {{at, 1}, {at + 1, 1}}).coloured;
                const auto sign = ColumnsOf(drawn, Qt::red);
                const auto digit = ColumnsOf(drawn, Qt::blue);
                QVERIFY2(sign.first >= 0 && digit.first >= 0 && sign.second < digit.first,
                         qPrintable(text.mid(at - 5, 12)));
            }
            // Each motivator that moved most, "from 7 to 0": the figures are one digit each.
            const QString move = QCoreApplication::translate("Comparison", "%1 (from %2 to %3)");
            for (tolvar::Int16 motivator = 1; motivator <= 8; ++motivator) {
                const QString name = tolvar::ui::MotivatorName(motivator).simplified();
                const QString marked =
                    move.arg(name, QStringLiteral("\x01"), QStringLiteral("\x02"));
                const QRegularExpression figures(
                    QRegularExpression::escape(marked)
                        .replace(QStringLiteral("\\\x01"), QStringLiteral("(\\d)"))
                        .replace(QStringLiteral("\\\x02"), QStringLiteral("(\\d)")));
                const auto found = figures.match(text);
                if (!found.hasMatch()) {
                    continue;
                }
                ++moves;
                const QImage drawn = RedrawLabel(*summary, {{int(found.capturedStart(1)), 1},
                                                            {int(found.capturedStart(2)), 1}})
                                         .coloured;
                const auto earlier = ColumnsOf(drawn, Qt::red);
                const auto today = ColumnsOf(drawn, Qt::blue);
                QVERIFY(earlier.first >= 0 && today.first >= 0);
                QVERIFY2(rightToLeft ? earlier.first > today.second : earlier.second < today.first,
                         qPrintable(found.captured()));
            }
        });
        QVERIFY(signedCells >= 6);
        QVERIFY(signedFigures >= 2);  // Kendall's tau-b, negative, and the reverse order's -1
        QVERIFY(moves >= 1);
    }

    // At large text on a small screen (1024 x 768, fonts as at 168 dpi), in every language, the
    // comparison scrolls one way only, vertically: every sentence wraps whole within the dialog,
    // the table is no wider than the dialog with every column in view and every row whole, each
    // motivator's name wrapped in its cell. The focus is in the table, but no row looks chosen
    // until an arrow key chooses one.
    void largeTextScrollsOnlyVertically_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : Languages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void largeTextScrollsOnlyVertically() {
        QFETCH(QString, language);
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 17));
        tolvar::ui::UseLanguage({language});
        bool looked = false;
        CompareReversed([&](QDialog& dialog) {
            looked = true;
            QVERIFY(dialog.screen()->availableGeometry().contains(dialog.frameGeometry()) ||
                    dialog.size().boundedTo(dialog.screen()->availableGeometry().size()) ==
                        dialog.size());
            const auto* area = dialog.findChild<QScrollArea*>();
            const QWidget* view = area->viewport();
            QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
            QVERIFY(area->widget()->width() <= view->width());
            for (QLabel* label : area->widget()->findChildren<QLabel*>()) {
                const QString where = label->objectName() + QStringLiteral(": ") + label->text();
                QVERIFY2(label->width() <= view->width(), qPrintable(where));
                const QString shown = label->buddy() != nullptr
                                          ? QString(label->text()).remove(QLatin1Char('&'))
                                          : label->text();
                const QRect drawn = label->fontMetrics().boundingRect(
                    label->contentsRect(), Qt::TextWordWrap | int(label->alignment()), shown);
                QVERIFY2(label->contentsRect().contains(drawn), qPrintable(where));
                QVERIFY2(InkBeyondSides(*label) == 0, qPrintable(where));
            }
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("comparisonTable"));
            QVERIFY(table->width() <= view->width());
            int columns = 0;
            for (int column = 0; column < table->columnCount(); ++column) {
                columns += table->columnWidth(column);
            }
            QVERIFY2(
                columns <= table->viewport()->width(),
                qPrintable(QStringLiteral("%1 > %2").arg(columns).arg(table->viewport()->width())));
            int rows = 0;
            const int margin =
                2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
            for (int row = 0; row < table->rowCount(); ++row) {
                rows += table->rowHeight(row);
                for (int column = 0; column < table->columnCount(); ++column) {
                    const QString text = table->item(row, column)->text();
                    const QRect room(0, 0, table->columnWidth(column) - margin, INT_MAX / 2);
                    const QRect drawn =
                        table->fontMetrics().boundingRect(room, Qt::TextWordWrap, text);
                    QVERIFY2(
                        drawn.width() <= room.width() && drawn.height() <= table->rowHeight(row),
                        qPrintable(text));
                }
            }
            QVERIFY(rows <= table->viewport()->height());
            QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
            QCOMPARE(table->verticalScrollBar()->maximum(), 0);

            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(QApplication::focusWidget(), table);
            QVERIFY(!table->selectionModel()->hasSelection());
            QVERIFY(!table->currentIndex().isValid());
            QTest::keyClick(table, Qt::Key_Down);
            QCOMPARE(table->selectionModel()->selectedRows(),
                     QModelIndexList{table->model()->index(0, 0)});
        });
        QVERIFY(looked);
    }

    // In every language the sentence that counts the pairs of motivators reads right for every
    // count: each count stands after a colon, where no word has to agree with it, so that the
    // sentence is the same for 0, 1, 2 or 28 in any place but for the figures.
    void pairCountsReadRightForEveryCount_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : Languages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void pairCountsReadRightForEveryCount() {
        QFETCH(QString, language);
        const auto sentence = [](int same, int opposite, int tied) {
            return tolvar::ui::PairsSentence({same, opposite, tied, 0.5});
        };
        const QString english = sentence(101, 202, 303);
        tolvar::ui::UseLanguage({language});
        const QString marked = sentence(101, 202, 303);
        QVERIFY2(language == QLatin1String("en") || marked != english, "not translated");
        const QStringList markers = {QStringLiteral("101"), QStringLiteral("202"),
                                     QStringLiteral("303")};
        for (const QString& marker : markers) {
            const qsizetype at = marked.indexOf(marker);
            QVERIFY2(at > 0 && marked.indexOf(marker, at + 1) < 0, qPrintable(marked));
            static const QRegularExpression colonBefore(
                QStringLiteral("[:\uff1a][\\s\u00a0\u202f\u200e\u200f\u2066-\u2069]*$"));
            QVERIFY2(marked.left(at).contains(colonBefore), qPrintable(marked.left(at)));
        }
        for (const int same : {0, 1, 2, 28}) {
            for (const int opposite : {0, 1, 2, 28}) {
                for (const int tied : {0, 1, 2, 28}) {
                    QCOMPARE(sentence(same, opposite, tied),
                             QString(marked)
                                 .replace(markers.at(0), QString::number(same))
                                 .replace(markers.at(1), QString::number(opposite))
                                 .replace(markers.at(2), QString::number(tied)));
                }
            }
        }
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
