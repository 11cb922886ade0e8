// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>
#include <cstdlib>
#include <set>

#include "compare_dialog.h"
#include "fit_check.h"
#include "harness.h"
#include "language.h"

using tolvar::testing::FirstMisfit;
using tolvar::testing::Harness;
using tolvar::testing::WINDOW_CONTEXT;

namespace {

// A text that escaped translation shows plain English letters outside the marked pseudo form;
// the program's name, the ISO date and the desktop's name of the copy key may stay as they are.
bool EscapedTranslation(QString text) {
    text.remove(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
    text.remove(QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d")));
    // The replies are written in the letters A and B in every language.
    text.remove(QRegularExpression(QStringLiteral("([AB]{4} ){6}[AB]{4}")));
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

// Every text a dialog shows, with where it is.
QStringList DialogTexts(const QDialog& dialog) {
    QStringList texts = {QStringLiteral("title: ") + dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->objectName() + QStringLiteral(": ") + label->text();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        texts << QStringLiteral("button: ") + button->text();
    }
    if (const auto* table = dialog.findChild<QTableWidget*>()) {
        for (int column = 0; column < table->columnCount(); ++column) {
            texts << QStringLiteral("heading: ") + table->horizontalHeaderItem(column)->text();
            for (int row = 0; row < table->rowCount(); ++row) {
                texts << QStringLiteral("cell: ") + table->item(row, column)->text();
            }
        }
    }
    return texts;
}

// Every text a person sees or a screen reader hears in the window now, with where it is.
QStringList TextsNow(const Harness& h) {
    QStringList texts;
    const auto add = [&texts](const QObject* where, const QString& text) {
        if (!text.isEmpty()) {
            texts << where->objectName() + QStringLiteral(": ") + text;
        }
    };
    for (QWidget* widget : h.window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(h.window.get())) {
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            add(widget, button->text());
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            add(widget, label->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int entry = 0; entry < combo->count(); ++entry) {
                add(widget, combo->itemText(entry));
            }
        }
        add(widget, widget->toolTip());
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget)) {
            add(widget, accessible->text(QAccessible::Name));
            add(widget, accessible->text(QAccessible::Description));
        }
    }
    for (const QAction* action : h.window->actions()) {
        add(action, action->text());
    }
    // What was last said to a screen reader.
    for (QWidget* speaker :
         h.window->findChild<QWidget*>(QStringLiteral("announcements"))->findChildren<QWidget*>()) {
        add(speaker, speaker->accessibleName());
    }
    return texts;
}

// Removes the translators it installed, and has the program speak English again.
class PseudoLanguage {
  public:
    PseudoLanguage() {
        tolvar::ui::UseLanguage({QStringLiteral("en")});
        loaded = pseudo.load(QStringLiteral(TOLVAR_PSEUDO_QM));
        QCoreApplication::installTranslator(&pseudo);
    }
    ~PseudoLanguage() { QCoreApplication::removeTranslator(&pseudo); }
    bool loaded = false;

  private:
    QTranslator pseudo;
};

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        tolvar::ui::UseLanguage({QStringLiteral("en")});
    }
    void cleanup() { tolvar::ui::UseLanguage({QStringLiteral("en")}); }

    // The first preferred language the program has wins; English preferred first is English.
    void languageFollowsTheDesktopsOrder_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Hindi, underscore") << QStringList{"hi_IN"} << "hi";
        QTest::newRow("unknown, then French") << QStringList{"pt-BR", "pt", "fr-FR"} << "fr";
        QTest::newRow("English first") << QStringList{"en-GB", "de"} << "en";
        QTest::newRow("C locale") << QStringList{"C"} << "en";
        QTest::newRow("none") << QStringList{} << "en";
    }
    void languageFollowsTheDesktopsOrder() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        QCOMPARE(tolvar::ui::ChooseLanguage(preferred), chosen);
    }

    // Through a whole exercise in a pseudo-language made from the sources as they are, nothing
    // shown, said, asked or copied is left in English, and every text shows whole.
    void pseudoLanguageReachesEveryText() {
        PseudoLanguage language;
        QVERIFY(language.loaded);
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QStringList texts = TextsNow(h);
        QString misfit = FirstMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        h.Click("cmdProceed");
        texts << TextsNow(h);
        h.fake->answers = {tolvar::forms::ID_OK};
        h.Click("cmdEvaluate");
        texts << TextsNow(h);
        for (int question = 1; question <= 28; ++question) {
            h.Pick(0);
            QTest::keyClick(h.Selector(), Qt::Key_Up);  // a reply the user changes is said
            texts << TextsNow(h);
            h.Click(question < 28 ? "cmdNext" : "cmdPrevious");
            texts << TextsNow(h);
        }
        h.Click("cmdEvaluate");
        texts << TextsNow(h);
        misfit = FirstMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        h.Copy();
        texts << TextsNow(h) << QStringLiteral("copied: ") + h.Clipboard();
        // The comparison with that copy, then a paste that is refused, and why a text is refused.
        h.fake->onDialog = [&texts](QDialog& dialog) {
            texts << DialogTexts(dialog);
            return int(QDialog::Rejected);
        };
        QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(QStringLiteral("no result"));
        QTest::keyClick(h.window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.fake->dialogs, (QStringList{"comparison", "pasteEarlierResult"}));
        for (int problem = 0; problem <= int(tolvar::ReadProblem::RepliesContradictRatings);
             ++problem) {
            texts << QStringLiteral("refused: ") +
                         tolvar::ui::ReadProblemText({tolvar::ReadProblem(problem), 1, 9, "9 ?"});
        }
        h.Click("cmdAbout");
        for (const auto& request : h.fake->shown) {
            texts << QStringLiteral("message: ") + request.text;
            if (!request.title.isEmpty()) {
                texts << QStringLiteral("title: ") + request.title;
            }
        }
        QCOMPARE(h.fake->shown.size(), std::size_t{4});
        for (const char* button : {"OK", "Cancel"}) {
            texts << QCoreApplication::translate("QPlatformTheme", button);
        }
        for (const QString& text : texts) {
            QVERIFY2(!EscapedTranslation(text.section(QStringLiteral(": "), 1)),
                     qPrintable(QStringLiteral("left in English: ") + text));
        }
    }

    // From right to left (in Arabic, whose translation turns the window around, and in English
    // with -reverse) every control stands mirrored in its parent, the same size and height as from
    // left to right, inside the window, and every text shows whole.
    void rightToLeftMirrorsEveryControl_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Arabic") << "ar";
        QTest::newRow("English reversed") << "en";
    }
    void rightToLeftMirrorsEveryControl() {
        QFETCH(QString, language);
        tolvar::ui::UseLanguage({language});
        if (language == QLatin1String("en")) {
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        }
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        Harness h;
        h.Click("cmdProceed");
        QCOMPARE(h.window->layoutDirection(), Qt::RightToLeft);
        QString misfit = FirstMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        const auto placed = [&h] {
            QHash<QString, QRect> boxes;
            for (QWidget* control : h.window->findChildren<QWidget*>()) {
                const QString parent = control->parentWidget()->objectName();
                static const QRegularExpression laidOut(
                    QStringLiteral("^(cmd|opt|cbo|Label|Frame)"));
                if ((parent == QLatin1String("content") || parent.startsWith(u"Frame1_")) &&
                    laidOut.match(control->objectName()).hasMatch()) {
                    boxes.insert(control->objectName(), control->geometry());
                }
            }
            return boxes;
        };
        const QHash<QString, QRect> mirrored = placed();
        QVERIFY(h.Button("cmdQuit")->x() < h.Frame(0)->x());
        QVERIFY(h.Option(0)->isRightToLeft());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        const QHash<QString, QRect> unmirrored = placed();
        QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
        QCOMPARE(mirrored.size(), 34);  // every control of the layout table
        for (auto box = mirrored.cbegin(); box != mirrored.cend(); ++box) {
            const QRect left = unmirrored.value(box.key());
            const int parentWidth = h.Find<QWidget>(box.key())->parentWidget()->width();
            const QString where = box.key() + QStringLiteral(": %1 against %2 in %3")
                                                  .arg(box->x())
                                                  .arg(left.x())
                                                  .arg(parentWidth);
            QVERIFY2(std::abs(box->x() - (parentWidth - left.x() - left.width())) <= 1,
                     qPrintable(where));
            QVERIFY2(box->size() == left.size() && box->y() == left.y(), qPrintable(where));
            QVERIFY2(box->x() >= 0 && box->right() < parentWidth, qPrintable(where));
        }
    }

    // In each language every text shows whole, and the window's buttons have access keys of their
    // own, each a letter of its caption, and so have the message boxes' buttons and the context
    // menu's entry.
    void eachLanguageFitsWithDistinctKeys_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : QString::fromLatin1(TOLVAR_LANGUAGES).split(u' ')) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void eachLanguageFitsWithDistinctKeys() {
        QFETCH(QString, language);
        tolvar::ui::UseLanguage({language});
        Harness h;
        QVERIFY2(h.Button("cmdQuit")->text() != QStringLiteral("&Quit"), "not translated");
        const auto keyOf = [](const QString& caption) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            const qsizetype mark = caption.indexOf(QLatin1Char('&'));
            const bool one = mark >= 0 && caption.indexOf(QLatin1Char('&'), mark + 1) < 0;
            return one && mark + 1 < caption.size() && caption.at(mark + 1).isLetter() &&
                           !key.isEmpty()
                       ? caption.at(mark + 1).toUpper()
                       : QChar();
        };
        const QStringList window = {
            h.Button("cmdQuit")->text(),
            h.Button("cmdAbout")->text(),
            h.Button("cmdProceed")->text(),
            QCoreApplication::translate(WINDOW_CONTEXT, "&Start New"),
            h.Button("cmdPrevious")->text(),
            h.Button("cmdNext")->text(),
            h.Button("cmdEvaluate")->text(),
        };
        std::set<QChar> keys;
        for (const QString& caption : window) {
            const QChar key = keyOf(caption);
            QVERIFY2(!key.isNull(), qPrintable(caption + QStringLiteral(": no letter key")));
            QVERIFY2(keys.insert(key).second, qPrintable(caption + QStringLiteral(": key taken")));
        }
        // A user who answers with Alt+A or Alt+B must not end the program, start anew or
        // evaluate by surprise.
        for (const int ending : {0, 3, 6}) {
            const QChar key = keyOf(window.at(ending));
            QVERIFY2(key != u'A' && key != u'B',
                     qPrintable(QStringLiteral("%1: \"%2\" has the key of a side, %3")
                                    .arg(language, window.at(ending), key)));
        }
        // The Result menu opens with a key no button has; its entries differ among themselves.
        const auto* bar = h.window->findChild<QMenuBar*>();
        QVERIFY(bar != nullptr && bar->actions().size() == 1);
        const QChar menuKey = keyOf(bar->actions().front()->text());
        QVERIFY2(!menuKey.isNull() && !keys.contains(menuKey),
                 qPrintable(bar->actions().front()->text() + QStringLiteral(": key taken")));
        std::set<QChar> menuKeys;
        for (const QAction* action : h.window->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            const QChar key = keyOf(action->text());
            QVERIFY2(!key.isNull() && menuKeys.insert(key).second, qPrintable(action->text()));
        }
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        std::set<QChar> boxKeys;
        for (QAbstractButton* button : box.buttons()) {
            const QChar key = keyOf(button->text());
            QVERIFY2(key.isNull() || boxKeys.insert(key).second, qPrintable(button->text()));
        }
        // Last: trying every text in its box leaves the captions changed.
        const QString misfit = FirstMisfit(h);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
