// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>
#include <set>

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
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
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
        QVERIFY(!keyOf(h.window->actions().constFirst()->text()).isNull());
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
