// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "forms.h"

using namespace tolvar;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows a real QMessageBox through the runtime, reads it while it is open and closes it the way
// a person would; returns what the runtime returned.
int ShowAndAnswer(const forms::MessageBoxRequest& request, SeenBox& seen,
                  const std::function<void(QMessageBox*)>& answer) {
    QWidget owner;
    owner.show();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll.stop();
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        answer(box);
    });
    poll.start();
    forms::Runtime runtime;
    return runtime.MsgBox(&owner, request);
}

void PressKey(QMessageBox* box, Qt::Key key) {
    QTest::keyClick(box, key);
}

}  // namespace

class FormsTest : public QObject {
    Q_OBJECT

  private slots:
    // The one check against Qt's real message box: icon, buttons, title, text and result.
    void realMessageBox_data() {
        using Answer = std::function<void(QMessageBox*)>;
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("seenTitle");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("result");
        const int ok = QMessageBox::Ok;
        const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        const Answer enter = [](QMessageBox* box) { PressKey(box, Qt::Key_Return); };
        const Answer escape = [](QMessageBox* box) { PressKey(box, Qt::Key_Escape); };
        const Answer clickOk = [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); };
        const Answer clickCancel = [](QMessageBox* box) {
            box->button(QMessageBox::Cancel)->click();
        };
        const Answer closeBox = [](QMessageBox* box) { box->close(); };
        QTest::newRow("style 0, untitled, Enter")
            << 0 << QString() << enter << "Tolvar" << int(QMessageBox::NoIcon) << ok << 1;
        QTest::newRow("style 0, Esc")
            << 0 << QString() << escape << "Tolvar" << int(QMessageBox::NoIcon) << ok << 1;
        QTest::newRow("style 64, titled") << 64 << "About Tolvar" << clickOk << "About Tolvar"
                                          << int(QMessageBox::Information) << ok << 1;
        QTest::newRow("style 49, OK")
            << 49 << QString() << clickOk << "Tolvar" << int(QMessageBox::Warning) << okCancel << 1;
        QTest::newRow("style 49, Enter")
            << 49 << QString() << enter << "Tolvar" << int(QMessageBox::Warning) << okCancel << 1;
        QTest::newRow("style 49, Cancel") << 49 << QString() << clickCancel << "Tolvar"
                                          << int(QMessageBox::Warning) << okCancel << 2;
        QTest::newRow("style 49, Esc")
            << 49 << QString() << escape << "Tolvar" << int(QMessageBox::Warning) << okCancel << 2;
        QTest::newRow("style 49, close box") << 49 << QString() << closeBox << "Tolvar"
                                             << int(QMessageBox::Warning) << okCancel << 2;
    }
    void realMessageBox() {
        using Answer = std::function<void(QMessageBox*)>;
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(Answer, answer);
        SeenBox seen;
        const int result =
            ShowAndAnswer({"First line.\r\nSecond line.", style, title}, seen, answer);
        QTEST(seen.title, "seenTitle");
        QCOMPARE(seen.text, QStringLiteral("First line.\nSecond line."));
        QTEST(int(seen.icon), "icon");
        QTEST(int(seen.buttons), "buttons");
        QTEST(result, "result");
    }

    void numberText() {
        QCOMPARE(forms::NumberText(0), QStringLiteral("0"));
        QCOMPARE(forms::NumberText(7), QStringLiteral("7"));
        QCOMPARE(forms::NumberText(28), QStringLiteral("28"));
        QCOMPARE(forms::NumberText(-1), QStringLiteral("-1"));
    }

    // Qt selects the first entry added to an empty list; the list must stay without selection.
    void addingEntriesSelectsNone() {
        QComboBox list;
        forms::AddListEntry(&list, "A", "A");
        forms::AddListEntry(&list, "B", "B");
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(list.currentText(), QString());
        list.setCurrentIndex(1);
        forms::AddListEntry(&list, "Please select here", "Please select here");
        QCOMPARE(list.currentText(), QStringLiteral("B"));
    }

    void selectingAnOptionMovesTheTabStop() {
        QWidget group;
        QRadioButton first("one", &group);
        QRadioButton second("two", &group);
        QRadioButton third("three", &group);
        forms::SelectOption(&third);
        QVERIFY(third.isChecked());
        QVERIFY(third.focusPolicy() & Qt::TabFocus);
        QVERIFY(!(first.focusPolicy() & Qt::TabFocus));
        forms::SelectOption(&first);
        QVERIFY(first.isChecked() && !third.isChecked());
        QVERIFY(first.focusPolicy() & Qt::TabFocus);
        QVERIFY(!(second.focusPolicy() & Qt::TabFocus));
        QVERIFY(!(third.focusPolicy() & Qt::TabFocus));
        QVERIFY(first.focusPolicy() & Qt::ClickFocus);
    }
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
