// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "forms.h"
#include "frmForm001.h"

namespace tolvar::testing {

// The question texts of motivators 1 to 8, as the question panel must show them.
inline const QStringList QUESTION_TEXTS = {
    "My availability and closeness to famility members",
    "More material rewards and benefits",
    "Status, power and leadership",
    "Autonomy i.e. myself being my boss",
    "Practising and promoting ethics and other values in the society",
    "Scope for recreational activities and innovation",
    "Challenges and risks of varying magnitude",
    "Security",
};

// Stands in for the desktop: records every message box and answers it from a queue
// (OK when the queue is empty), and counts the requests to end the program.
class FakeRuntime : public forms::Runtime {
  public:
    int MsgBox(QWidget* owner, const forms::MessageBoxRequest& request) override {
        shown.push_back(request);
        owners.push_back(owner);
        if (whileShown) {
            whileShown(request);
        }
        if (answerer) {
            return answerer(request);
        }
        if (answers.empty()) {
            return forms::ID_OK;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void End() override { ++ends; }
    QDateTime Now() override { return now; }
    int Exec(QDialog& dialog) override {
        dialogs.push_back(dialog.objectName());
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }
    QString SaveFileName(QWidget*, const QString&, const QString& suggested,
                         const QString&) override {
        suggestedPaths.push_back(suggested);
        return saveTo;
    }
    QStringList OpenFileNames(QWidget*, const QString&, const QString&, const QString&) override {
        return openFiles;
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override {
        return choosePrinter ? choosePrinter(printer) : false;
    }

    std::vector<forms::MessageBoxRequest> shown;
    std::vector<QWidget*> owners;
    std::deque<int> answers;
    std::function<void(const forms::MessageBoxRequest&)> whileShown;
    std::function<int(const forms::MessageBoxRequest&)> answerer;  // replaces the queue when set
    std::function<int(QDialog&)> onDialog;  // reads and answers a dialog; Rejected when unset
    QStringList dialogs;                    // the object names of the dialogs shown
    QString saveTo;                         // the path the save dialog answers; empty: cancel
    QStringList suggestedPaths;             // what each save dialog suggested
    QStringList openFiles;                  // the files the open dialog answers; none: cancel
    std::function<bool(QPrinter&)> choosePrinter;  // sets up the printer; unset: cancel
    int ends = 0;
    QDateTime now{QDate(2026, 12, 8), QTime(14, 5, 59)};
};

// A window shown on the offscreen platform, with its runtime replaced by a FakeRuntime.
class Harness {
  public:
    Harness() {
        auto runtime = std::make_unique<FakeRuntime>();
        fake = runtime.get();
        window = std::make_unique<ui::frmForm001>(std::move(runtime));
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    template <typename T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(QLatin1String(name)); }
    QLabel* Label(const char* name, int index) const {
        return Find<QLabel>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
    }
    QRadioButton* Option(int index) const {
        return Find<QRadioButton>(QStringLiteral("optButton01_%1").arg(index));
    }
    QWidget* Frame(int index) const {
        return Find<QWidget>(QStringLiteral("Frame1_%1").arg(index));
    }
    QComboBox* Selector() const { return Find<QComboBox>(QStringLiteral("cboCombo01")); }

    // A mouse click: does nothing on a hidden or disabled button, as for a person.
    void Click(const char* name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void Pick(int entry) const { Selector()->setCurrentIndex(entry); }
    QString Question() const { return Label("Label1", 5)->text(); }
    // Ctrl+C, pressed wherever the focus is.
    void Copy() const {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        Qt::Key_C, Qt::ControlModifier);
    }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
    QStringList Ratings() const {
        QStringList ratings;
        for (int k = 1; k <= 8; ++k) {
            ratings << Label("Label3", k)->text();
        }
        return ratings;
    }
    bool RatingsShown() const {
        for (int k = 0; k <= 8; ++k) {
            if (!Label("Label3", k)->isVisible()) {
                return false;
            }
        }
        return true;
    }

    // Proceeds, then answers every question with the same entry, storing each with Next and the
    // last with Previous.
    void AnswerAll(int entry) const {
        Click("cmdProceed");
        for (int question = 1; question <= 28; ++question) {
            Pick(entry);
            Click(question < 28 ? "cmdNext" : "cmdPrevious");
        }
    }

    FakeRuntime* fake = nullptr;
    std::unique_ptr<ui::frmForm001> window;
};

}  // namespace tolvar::testing
