// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <rapidcheck.h>

#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "fit_check.h"
#include "harness.h"
#include "language.h"
#include "twips.h"

using tolvar::testing::FirstMisfit;
using tolvar::testing::Harness;
using tolvar::testing::QUESTION_TEXTS;

namespace {

struct TableRow {
    const char* name;
    const char* parent;
    int left, top, width, height;
};

// The layout as the window must have it, in twips, relative to each control's parent; the
// window's own controls stand on its content, which scrolls where the screen is too small.
const TableRow LAYOUT[] = {
    {"cmdQuit", "content", 7560, 120, 1215, 375},
    {"cmdAbout", "content", 7560, 600, 1215, 375},
    {"cmdProceed", "content", 7560, 1080, 1215, 375},
    {"Label1_0", "content", 960, 120, 5775, 495},
    {"Frame1_0", "content", 360, 600, 6855, 3615},
    {"optButton01_0", "Frame1_0", 240, 600, 5055, 195},
    {"optButton01_1", "Frame1_0", 240, 960, 5055, 195},
    {"optButton01_2", "Frame1_0", 240, 1320, 5055, 195},
    {"optButton01_3", "Frame1_0", 240, 1680, 5055, 195},
    {"optButton01_4", "Frame1_0", 240, 2040, 5055, 195},
    {"optButton01_5", "Frame1_0", 240, 2400, 5055, 195},
    {"optButton01_6", "Frame1_0", 240, 2760, 5055, 195},
    {"optButton01_7", "Frame1_0", 240, 3120, 5055, 195},
    {"Label3_0", "Frame1_0", 5520, 240, 1095, 255},
    {"Label3_1", "Frame1_0", 5520, 600, 1095, 255},
    {"Label3_2", "Frame1_0", 5520, 960, 1095, 255},
    {"Label3_3", "Frame1_0", 5520, 1320, 1095, 255},
    {"Label3_4", "Frame1_0", 5520, 1680, 1095, 255},
    {"Label3_5", "Frame1_0", 5520, 2040, 1095, 255},
    {"Label3_6", "Frame1_0", 5520, 2400, 1095, 255},
    {"Label3_7", "Frame1_0", 5520, 2760, 1095, 255},
    {"Label3_8", "Frame1_0", 5520, 3120, 1095, 255},
    {"Frame1_1", "content", 120, 4320, 8655, 1815},
    {"Label1_4", "Frame1_1", 240, 240, 1335, 255},
    {"Label1_5", "Frame1_1", 1680, 240, 255, 255},
    {"Label1_1", "Frame1_1", 240, 600, 4695, 255},
    {"Label1_2", "Frame1_1", 240, 960, 255, 255},
    {"Label2_0", "Frame1_1", 720, 960, 5295, 255},
    {"Label1_3", "Frame1_1", 240, 1320, 255, 255},
    {"Label2_1", "Frame1_1", 720, 1320, 5295, 255},
    {"cboCombo01", "Frame1_1", 5160, 500, 1815, 315},
    {"cmdPrevious", "Frame1_1", 7200, 240, 1215, 375},
    {"cmdNext", "Frame1_1", 7200, 720, 1215, 375},
    {"cmdEvaluate", "Frame1_1", 7200, 1200, 1215, 375},
};

// The contrast ratio of two colours, as accessibility guidelines measure it (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6e, 0x6e, 0x6e));
    return dark;
}

QPalette HighContrast(Qt::GlobalColor text, Qt::GlobalColor background) {
    QPalette palette(background, background);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
    }
    return palette;
}

void PlaceAt(const Harness& h, double twipsPerPixel) {
    const auto px = [twipsPerPixel](int twips) {
        return tolvar::ui::TwipsToPixels(twips, twipsPerPixel);
    };
    for (const TableRow& row : LAYOUT) {
        h.Find<QWidget>(row.name)->setGeometry(px(row.left), px(row.top), px(row.width),
                                               px(row.height));
    }
}

// Whether every control stands where the table puts it, mirrored where the window reads from
// right to left.
bool FollowsTheTable(const Harness& h) {
    const QHash<QString, int> parentWidths = {
        {"content", 8910}, {"Frame1_0", 6855}, {"Frame1_1", 8655}};
    for (const TableRow& row : LAYOUT) {
        const QRect box =
            tolvar::ui::TwipsToPixels(QRect(row.left, row.top, row.width, row.height),
                                      parentWidths.value(QString::fromLatin1(row.parent)),
                                      h.window->TwipsPerPixel(), h.window->layoutDirection());
        if (h.Find<QWidget>(row.name)->geometry() != box) {
            return false;
        }
    }
    return true;
}

// The controls the focus visits with Tab, in the order of the defined form.
const QStringList FOCUS_ORDER = {"cmdQuit",       "cmdAbout",      "optButton01_0", "optButton01_1",
                                 "optButton01_2", "optButton01_3", "optButton01_4", "optButton01_5",
                                 "optButton01_6", "optButton01_7", "cmdProceed",    "cmdPrevious",
                                 "cmdNext",       "cmdEvaluate",   "cboCombo01"};

QStringList FocusOrder(const Harness& h) {
    QStringList order;
    QWidget* widget = h.Button("cmdQuit");
    do {
        if (FOCUS_ORDER.contains(widget->objectName())) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != h.Button("cmdQuit"));
    return order;
}

// Why the window scrolls or stands out sideways, or an empty string where it does not: the
// framed window within the screen across, no horizontal scroll bar, and every control inside
// the window's width.
QString SidewaysMisfit(const Harness& h) {
    const QRect available = h.window->screen()->availableGeometry();
    const QRect frame = h.window->frameGeometry();
    if (frame.left() < available.left() || frame.right() > available.right()) {
        return QStringLiteral("frame %1 wide at %2 on %3")
            .arg(frame.width())
            .arg(frame.left())
            .arg(available.width());
    }
    if (const auto* area = h.Find<QScrollArea>("scrollingContent");
        area != nullptr && area->horizontalScrollBar()->maximum() > 0) {
        return QStringLiteral("scrolls %1 across").arg(area->horizontalScrollBar()->maximum());
    }
    const auto* content = h.Find<QWidget>("content");
    for (QWidget* control : content->findChildren<QWidget*>()) {
        if (control->window() != h.window.get()) {
            continue;  // the selector's list, a window of its own
        }
        const QRect box(control->mapTo(content, QPoint(0, 0)), control->size());
        if (box.left() < 0 || box.right() >= content->width() || box.width() > available.width()) {
            return QStringLiteral("%1 at %2 to %3 in %4")
                .arg(control->objectName())
                .arg(box.left())
                .arg(box.right())
                .arg(content->width());
        }
    }
    return {};
}

// Two controls side by side in the same panel that overlap, or an empty string.
QString Overlap(const Harness& h) {
    for (const TableRow& row : LAYOUT) {
        for (const TableRow& other : LAYOUT) {
            const QWidget* a = h.Find<QWidget>(row.name);
            const QWidget* b = h.Find<QWidget>(other.name);
            if (a != b && a->parentWidget() == b->parentWidget() &&
                a->geometry().intersects(b->geometry())) {
                return QStringLiteral("%1 overlaps %2").arg(row.name, other.name);
            }
        }
    }
    return {};
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void startState() {
        Harness h;
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Tolvar"));
        QVERIFY(h.Option(0)->isChecked());
        for (int i = 1; i < 8; ++i) {
            QVERIFY(!h.Option(i)->isChecked());
        }
        QVERIFY(h.Frame(0)->isEnabled());
        QVERIFY(h.Frame(0)->isVisible());
        QVERIFY(!h.Frame(1)->isVisible());
        for (int k = 0; k <= 8; ++k) {
            QVERIFY(!h.Label("Label3", k)->isVisible());
        }
        QCOMPARE(h.Ratings(), QStringList(8, "0"));
        QCOMPARE(h.Label("Label3", 0)->text(), QStringLiteral("Rating by you"));
        QCOMPARE(h.Button("cmdProceed")->text(), QStringLiteral("&Proceed"));
        QCOMPARE(h.Selector()->count(), 3);
        QCOMPARE(h.Selector()->itemText(0), QStringLiteral("A"));
        QCOMPARE(h.Selector()->itemText(1), QStringLiteral("B"));
        QCOMPARE(h.Selector()->itemText(2), QStringLiteral("Please select here"));
        QCOMPARE(h.Selector()->currentIndex(), -1);
        QCOMPARE(h.Selector()->currentText(), QString());
        QVERIFY(!h.Selector()->isEditable());
        QVERIFY(h.Button("cmdEvaluate")->isEnabled());
        QVERIFY(h.fake->shown.empty());
    }

    void captionsAsCreated() {
        Harness h;
        QCOMPARE(h.Button("cmdQuit")->text(), QStringLiteral("&Quit"));
        QCOMPARE(h.Button("cmdAbout")->text(), QStringLiteral("A&bout"));
        QCOMPARE(h.Button("cmdPrevious")->text(), QStringLiteral("Pre&vious"));
        QCOMPARE(h.Button("cmdNext")->text(), QStringLiteral("&Next"));
        QCOMPARE(h.Button("cmdEvaluate")->text(), QStringLiteral("&Evaluate"));
        QCOMPARE(h.Label("Label1", 0)->text(),
                 QStringLiteral("Select one of the following, which motivates you the most or you "
                                "prefer the most, while deciding on any of your activities and "
                                "then click on Proceed button.."));
        QCOMPARE(h.Label("Label1", 1)->text(),
                 QStringLiteral("Which one of the following two, motivates you more ?"));
        QCOMPARE(h.Label("Label1", 4)->text(), QStringLiteral("Question  No.  ="));
        QCOMPARE(h.Label("Label1", 2)->text(), QStringLiteral("A]"));
        QCOMPARE(h.Label("Label1", 3)->text(), QStringLiteral("B]"));
        QCOMPARE(h.Option(0)->text(),
                 QStringLiteral("  My availability and closeness to family members"));
        QCOMPARE(h.Option(3)->text(), QStringLiteral("  Autonomy  i.e. myself being my boss"));
        QCOMPARE(h.Option(7)->text(), QStringLiteral("  Security"));
        for (QPushButton* button : h.window->findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
        }
        for (QLabel* label : h.window->findChildren<QLabel*>()) {
            QVERIFY(label->alignment() & Qt::AlignLeft);
            QVERIFY(label->wordWrap());
            QCOMPARE(label->frameShape(), QFrame::NoFrame);
        }
        for (QGroupBox* frame : h.window->findChildren<QGroupBox*>()) {
            QVERIFY(frame->title().isEmpty());
        }
    }

    void windowIsFixedAndHasItsIcon() {
        Harness h;
        QCOMPARE(h.window->minimumSize(), h.window->maximumSize());
        QVERIFY(!(h.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(h.window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(h.window->windowIcon().availableSizes().contains(QSize(16, 16)));
        // The larger sizes come once the window is up.
        for (const int size : {32, 48, 64, 128}) {
            QTRY_VERIFY(h.window->windowIcon().availableSizes().contains(QSize(size, size)));
        }
        // Centred as a whole; the platform's frame may shift the client area by its width.
        const QPoint offset =
            h.window->frameGeometry().center() - h.window->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
    }

    // The scaled runs must really draw on a dense screen.
    void runsAtTheRequestedScaleFactor() {
        Harness h;
        const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(h.window->devicePixelRatioF(), factor);
    }

    void geometryFollowsTheTable_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("DejaVu Sans 9") << QFont(QStringLiteral("DejaVu Sans"), 9);
        QTest::newRow("Liberation Sans 12") << QFont(QStringLiteral("Liberation Sans"), 12);
    }
    void geometryFollowsTheTable() {
        QFETCH(QFont, font);
        QApplication::setFont(font);
        Harness h;
        const double scale = h.window->TwipsPerPixel();
        QVERIFY(scale > 1.0 && scale <= 15.0);
        const auto px = [scale](int twips) { return tolvar::ui::TwipsToPixels(twips, scale); };
        QCOMPARE(h.Find<QWidget>("content")->size(), QSize(px(8910), px(6420)));
        for (const TableRow& row : LAYOUT) {
            QWidget* control = h.Find<QWidget>(row.name);
            QVERIFY2(control != nullptr, row.name);
            QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(row.parent));
            QCOMPARE(control->geometry(),
                     QRect(px(row.left), px(row.top), px(row.width), px(row.height)));
        }
    }

    // Every text fits its box whole, whatever the default font.
    void captionsFit_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("DejaVu Sans 7") << QFont(QStringLiteral("DejaVu Sans"), 7);
        QTest::newRow("DejaVu Sans 9") << QFont(QStringLiteral("DejaVu Sans"), 9);
        QTest::newRow("DejaVu Sans 14") << QFont(QStringLiteral("DejaVu Sans"), 14);
        QTest::newRow("Liberation Sans 10") << QFont(QStringLiteral("Liberation Sans"), 10);
        QTest::newRow("Liberation Serif 20") << QFont(QStringLiteral("Liberation Serif"), 20);
    }
    void captionsFit() {
        QFETCH(QFont, font);
        QApplication::setFont(font);
        Harness h;
        QCOMPARE(QFontInfo(h.window->font()).family(), font.family());
        const QString misfit = FirstMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }

    // At the default font the window is no larger than it needs: one step coarser, a text no
    // longer fits.
    void windowIsNoLargerThanItNeeds() {
        Harness h;
        const double scale = h.window->TwipsPerPixel();
        QVERIFY(scale < tolvar::ui::MAX_TWIPS_PER_PIXEL);
        PlaceAt(h, scale + tolvar::ui::TWIPS_PER_PIXEL_STEP);
        QVERIFY(!FirstMisfit(h).isEmpty());
    }

    // Whatever the font, the framed window lies inside the available area of its screen, centred,
    // with every text whole in the font the desktop asked for. Where the window at that font
    // would not fit, it takes the room there is and its content scrolls; else nothing scrolls.
    void fitsItsScreen_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("DejaVu Sans 9") << QFont(QStringLiteral("DejaVu Sans"), 9);
        QTest::newRow("DejaVu Sans 14") << QFont(QStringLiteral("DejaVu Sans"), 14);
        QTest::newRow("Liberation Serif 20") << QFont(QStringLiteral("Liberation Serif"), 20);
        QTest::newRow("DejaVu Sans 24") << QFont(QStringLiteral("DejaVu Sans"), 24);
    }
    void fitsItsScreen() {
        QFETCH(QFont, font);
        QApplication::setFont(font);
        Harness h;
        for (QWidget* control : h.window->findChildren<QWidget*>()) {
            QVERIFY2(control->font().pointSizeF() >= font.pointSizeF(),
                     qPrintable(control->objectName()));
        }
        const QRect available = h.window->screen()->availableGeometry();
        const QRect frame = h.window->frameGeometry();
        QVERIFY2(available.contains(frame),
                 qPrintable(QStringLiteral("frame %1x%2 at %3,%4 on %5x%6")
                                .arg(frame.width())
                                .arg(frame.height())
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(available.width())
                                .arg(available.height())));
        QVERIFY((frame.center() - available.center()).manhattanLength() <= 2);
        const QString misfit = FirstMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        // The menu bar stands above the content, across the window.
        const QSize content = h.Find<QWidget>("content")->size();
        const int bar = h.window->findChild<QMenuBar*>()->height();
        const QSize room = available.size().shrunkBy(h.window->windowHandle()->frameMargins());
        const bool fits =
            content.width() <= room.width() && content.height() + bar <= room.height();
        QCOMPARE(h.window->size() == content.grownBy({0, bar, 0, 0}), fits);
        // Where it fits, the window is as it always was: its content on the window, no scroll bar.
        const auto* area = h.Find<QScrollArea>("scrollingContent");
        QCOMPARE(area != nullptr, !fits);
        if (area != nullptr) {
            QVERIFY(area->isVisible());
            QCOMPARE(area->size(), h.window->size().shrunkBy({0, bar, 0, 0}));
            // Down only: where the defined form is too wide, the window reflows to its width.
            QVERIFY(!area->horizontalScrollBar()->isVisible());
            QVERIFY(area->verticalScrollBar()->isVisible());
        }
        const QString sideways = SidewaysMisfit(h);
        QVERIFY2(sideways.isEmpty(), qPrintable(sideways));
    }

    // On a screen too small for the window at a large font, whatever takes the focus is scrolled
    // into view, down only: by Tab, by an arrow key in the motivators, and by the program after
    // Proceed.
    // Only the focus the window gets as it comes up leaves the view at the top-left.
    void focusIsScrolledIntoView() {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 24));
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        if (h.window->screen()->availableGeometry().height() > 800) {
            QSKIP("a small screen is needed");
        }
        const auto* area = h.Find<QScrollArea>("scrollingContent");
        QVERIFY(area != nullptr);
        // Wholly in view, or where the control is larger than the view, its start (a radio
        // button's marker and the first words of its caption).
        const auto inView = [area](QWidget* widget) {
            const QRect view = area->viewport()->rect();
            const QRect start(widget->mapTo(area->viewport(), QPoint(0, 0)),
                              widget->size().boundedTo(view.size()));
            return view.contains(start);
        };
        // The window comes up showing where reading starts, its first focus notwithstanding.
        QCOMPARE(area->horizontalScrollBar()->value(), 0);
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        h.Button("cmdAbout")->setFocus();
        QVERIFY(inView(h.Button("cmdAbout")));
        bool leftTheFirstView = false;
        for (int press = 0; press < 4; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(inView(QApplication::focusWidget()),
                     qPrintable(QApplication::focusWidget()->objectName()));
            QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
            leftTheFirstView |= area->verticalScrollBar()->value() > 0;
        }
        h.Option(0)->setFocus();
        for (int option = 1; option < 8; ++option) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), h.Option(option));
            QVERIFY2(inView(h.Option(option)), qPrintable(h.Option(option)->objectName()));
        }
        leftTheFirstView |= area->verticalScrollBar()->value() > 0;
        QVERIFY2(leftTheFirstView, "the test never needed to scroll");
        h.Button("cmdQuit")->setFocus();
        QVERIFY(inView(h.Button("cmdQuit")));
        h.Click("cmdProceed");
        QCOMPARE(QApplication::focusWidget(), h.Selector());
        QVERIFY(inView(h.Selector()));
    }

    // Over text sizes from small to large for the screen, in English, Arabic and German: the
    // defined form where it fits the room the screen leaves across, else the reflowed arrangement;
    // either way nothing stands out of the screen across or scrolls sideways, every text is whole
    // at the size asked, the focus visits the controls in the same order, and the other direction
    // is the same arrangement mirrored.
    void reflowsWhereTheFormIsTooWide() {
        const QStringList languages = {"en", "ar", "de"};
        // Up to text so large that thirty letters fill the screen's width.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int largest = std::min(21, int(screen->availableGeometry().width() * 72 /
                                             (30 * screen->logicalDotsPerInch())));
        const bool passed = rc::check([&languages, largest] {
            const int points = *rc::gen::inRange(6, largest + 1);
            const QString language = languages[*rc::gen::inRange<qsizetype>(0, languages.size())];
            tolvar::ui::UseLanguage({language});
            QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
            Harness h;
            RC_ASSERT((h.window->layoutDirection() == Qt::RightToLeft) == (language == "ar"));
            for (QWidget* control : h.window->findChildren<QWidget*>()) {
                RC_ASSERT(control->font().pointSize() >= points);
            }
            // The rule: the defined form where its width, and the vertical scroll bar it needs
            // where it is too tall, fit the room below the menu bar.
            const double scale = h.window->TwipsPerPixel();
            const QSize defined(tolvar::ui::TwipsToPixels(8910, scale),
                                tolvar::ui::TwipsToPixels(6420, scale));
            const QSize room = h.window->screen()->availableGeometry().size().shrunkBy(
                h.window->windowHandle()->frameMargins());
            const int bar = h.window->findChild<QMenuBar*>()->height();
            const int extent = h.window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            const bool tall = defined.height() > room.height() - bar;
            RC_ASSERT(FollowsTheTable(h) ==
                      (defined.width() + (tall ? extent : 0) <= room.width()));
            // The defined form lets the instruction reach into the motivators' frame; the
            // reflowed arrangement keeps every control clear of the others.
            const QString overlap = FollowsTheTable(h) ? QString() : Overlap(h);
            for (const QString& misfit : {SidewaysMisfit(h), FirstMisfit(h), overlap}) {
                if (!misfit.isEmpty()) {
                    RC_FAIL(QStringLiteral("%1 at %2 pt: %3")
                                .arg(language)
                                .arg(points)
                                .arg(misfit)
                                .toStdString());
                }
            }
            RC_ASSERT(FocusOrder(h) == FOCUS_ORDER);
            std::vector<QRect> before;
            for (const TableRow& row : LAYOUT) {
                before.push_back(h.Find<QWidget>(row.name)->geometry());
            }
            const Qt::LayoutDirection other =
                h.window->layoutDirection() == Qt::RightToLeft ? Qt::LeftToRight : Qt::RightToLeft;
            h.window->setLayoutDirection(other);
            for (std::size_t index = 0; index < before.size(); ++index) {
                const QWidget* control = h.Find<QWidget>(LAYOUT[index].name);
                // The defined form mirrors in twips, so its pixels may round one apart.
                const QRect mirrored = QStyle::visualRect(
                    Qt::RightToLeft, control->parentWidget()->rect(), before[index]);
                RC_ASSERT(control->size() == mirrored.size());
                RC_ASSERT(control->y() == mirrored.y());
                if (std::abs(control->x() - mirrored.x()) > 1) {
                    RC_FAIL(QStringLiteral("%1 at %2, mirrored %3, parent %4 %5")
                                .arg(control->objectName())
                                .arg(control->x())
                                .arg(mirrored.x())
                                .arg(control->parentWidget()->objectName())
                                .arg(control->parentWidget()->width())
                                .toStdString());
                }
            }
            RC_ASSERT(SidewaysMisfit(h).isEmpty());
        });
        tolvar::ui::UseLanguage({QStringLiteral("en")});
        QVERIFY(passed);
    }

    // The arrangement follows the text size both ways: a larger font reflows the window where
    // the defined form no longer fits, and the defined form comes back when it fits again.
    void theDefinedFormComesBackWhenItFits() {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 6));
        Harness h;
        if (!FollowsTheTable(h)) {
            QSKIP("the defined form does not fit this screen even at the smallest text");
        }
        int points = 6;
        while (FollowsTheTable(h) && points < 72) {
            points += 3;
            QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
            // The window is laid out as the new font reaches it.
            QTRY_COMPARE(h.window->font().pointSize(), points);
        }
        QVERIFY2(!FollowsTheTable(h), "no font reflowed the window");
        const QString misfit = SidewaysMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 6));
        QTRY_COMPARE(h.window->font().pointSize(), 6);
        QVERIFY(FollowsTheTable(h));
        QVERIFY(SidewaysMisfit(h).isEmpty());
    }

    // In the result phase the ratings and the motivators they rate stay at full contrast in the
    // disabled panel, across live palette switches.
    void captionsStayReadableAcrossPalettes_data() {
        QTest::addColumn<QPalette>("from");
        QTest::addColumn<QPalette>("to");
        const QPalette light = QApplication::style()->standardPalette();
        QTest::newRow("light to dark") << light << DarkPalette();
        QTest::newRow("dark to light") << DarkPalette() << light;
        QTest::newRow("to white on black") << light << HighContrast(Qt::white, Qt::black);
        QTest::newRow("to black on white") << DarkPalette() << HighContrast(Qt::black, Qt::white);
    }
    void captionsStayReadableAcrossPalettes() {
        QFETCH(QPalette, from);
        QFETCH(QPalette, to);
        QApplication::setPalette(from);
        Harness h;
        h.AnswerAll(0);
        h.Click("cmdEvaluate");
        QVERIFY(!h.Frame(0)->isEnabled());
        QApplication::setPalette(to);
        QTRY_COMPARE(h.window->palette().color(QPalette::Active, QPalette::Window),
                     to.color(QPalette::Active, QPalette::Window));
        const QColor background = h.window->palette().color(QPalette::Active, QPalette::Window);
        std::vector<QWidget*> captions;
        for (int k = 0; k <= 8; ++k) {
            captions.push_back(h.Label("Label3", k));
        }
        for (int i = 0; i < 8; ++i) {
            captions.push_back(h.Option(i));
        }
        for (QWidget* caption : captions) {
            const QColor text = caption->palette().color(QPalette::Disabled, QPalette::WindowText);
            QCOMPARE(text, to.color(QPalette::Active, QPalette::WindowText));
            QVERIFY2(Contrast(text, background) >= 4.5, qPrintable(caption->objectName()));
        }
    }

    // The window has one size: a maximise or fullscreen request is undone.
    void staysInItsNormalState_data() {
        QTest::addColumn<int>("request");
        QTest::newRow("maximise") << int(Qt::WindowMaximized);
        QTest::newRow("fullscreen") << int(Qt::WindowFullScreen);
    }
    void staysInItsNormalState() {
        QFETCH(int, request);
        Harness h;
        const QSize size = h.window->size();
        h.window->setWindowState(Qt::WindowStates(request));
        QTRY_COMPARE(h.window->windowState(), Qt::WindowStates(Qt::WindowNoState));
        QCOMPARE(h.window->size(), size);
    }

    void layoutFollowsAFontChange() {
        Harness h;
        const QSize before = h.window->size();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
        QTRY_VERIFY(h.window->size().width() > before.width());
        const QString misfit = FirstMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }

    void tabChainInTheChoosingPhase() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.Button("cmdQuit")->setFocus();
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"cmdAbout", "optButton01_0", "cmdProceed", "cmdQuit", "cmdAbout"}));
    }

    void tabChainInTheQuestionPhase() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.Click("cmdProceed");
        h.Click("cmdNext");  // Previous is disabled on question 1
        QStringList visited;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"cmdEvaluate", "cboCombo01", "cmdQuit", "cmdAbout",
                                       "cmdProceed", "cmdPrevious", "cmdNext", "cmdEvaluate"}));
    }

    // Tab enters the option group at the selected motivator, also after Start New selected the
    // first one while another had the focus.
    void tabEntersTheOptionGroupAtItsSelection() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QTest::mouseClick(h.Option(4), Qt::LeftButton, {}, QPoint(5, h.Option(4)->height() / 2));
        QVERIFY(h.Option(4)->isChecked());
        h.Button("cmdAbout")->setFocus();
        QTest::keyClick(h.Button("cmdAbout"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.Option(4));
        QTest::keyClick(h.Option(4), Qt::Key_Down);
        QVERIFY(h.Option(5)->isChecked());
        h.Click("cmdProceed");
        h.Click("cmdProceed");
        QVERIFY(h.Option(0)->isChecked());
        h.Button("cmdAbout")->setFocus();
        QTest::keyClick(h.Button("cmdAbout"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.Option(0));
    }

    // A button's access key clicks it on a short timer, as its animated press ends; the keys are
    // pressed in order, so Proceed's message comes after anything the hidden buttons did.
    void hiddenQuestionPanelTakesNoAccessKey() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.Button("cmdQuit")->setFocus();
        for (const Qt::Key key : {Qt::Key_E, Qt::Key_N, Qt::Key_V, Qt::Key_P}) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        }
        QTRY_COMPARE(h.fake->shown.size(), std::size_t{1});
        QVERIFY(h.fake->shown[0].text.startsWith(QStringLiteral("Now reply")));
        QCOMPARE(h.Question(), QStringLiteral("1"));
        QVERIFY(h.Button("cmdNext")->isEnabled());
        QCOMPARE(h.Selector()->currentIndex(), 2);
    }

    // Quit and the close box end the program alike, in every phase, without asking.
    void quitAndCloseEndTheProgram_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<int>("phase");
        for (int phase = 0; phase < 3; ++phase) {
            QTest::addRow("Quit, phase %d", phase) << false << phase;
            QTest::addRow("close box, phase %d", phase) << true << phase;
        }
    }
    void quitAndCloseEndTheProgram() {
        QFETCH(bool, byCloseBox);
        QFETCH(int, phase);
        Harness h;
        if (phase == 1) {
            h.Click("cmdProceed");
        } else if (phase == 2) {
            h.AnswerAll(0);
            h.Click("cmdEvaluate");
            QVERIFY(h.RatingsShown());
        }
        const std::size_t messages = h.fake->shown.size();
        if (byCloseBox) {
            QVERIFY(h.window->close());
        } else {
            h.Click("cmdQuit");
        }
        QCOMPARE(h.fake->ends, 1);
        QVERIFY(!h.window->isVisible());
        QCOMPARE(h.fake->shown.size(), messages);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
