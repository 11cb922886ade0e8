// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "compare_dialog.h"

class QWidget;

namespace tolvar::forms {
class Runtime;
}

namespace tolvar::ui {

class Announcer;
struct ResultCommands;

// What the window's Result menu does: copies, saves, prints or exports today's result, compares
// it with earlier ones pasted, opened or dropped on the window, and says what was done.
class KeptResults : public QObject {
  public:
    // `today` is the result the window shows, once it shows one.
    KeptResults(QWidget* window, forms::Runtime& runtime, Announcer& announcer,
                std::function<std::optional<TodaysResult>()> today);

    ResultCommands Commands();

  private:
    QString Report(const TodaysResult& today) const;
    QString Dated(const char* text) const;
    void TellResultNeeded(bool comparison);
    void Tell(const QString& outcome);

    QWidget* window_;
    forms::Runtime& runtime_;
    Announcer& announcer_;
    std::function<std::optional<TodaysResult>()> today_;
};

// Saves the result's copy as a UTF-8 text file the user names in the desktop's save dialog,
// suggested as "Tolvar result <date>.txt" in the documents folder. A failure is told in a box
// with the system's reason, and leaves a file already there as it was. Returns what was done,
// to tell a screen reader: empty when the user cancelled.
QString SaveResult(QWidget* window, forms::Runtime& runtime, const QString& report,
                   const QDateTime& now);

// Compares today's result with the results in files: those given, or, where none are, those the
// user picks in the desktop's open dialog. One earlier result shows the comparison, several
// their course over time. A file that cannot be read, or holds no result or a changed one, is
// refused in a box with its name and the reason, and nothing is compared.
void CompareWithSavedResults(QWidget* window, forms::Runtime& runtime, const TodaysResult& today,
                             const QDateTime& now, QStringList paths = {});

// Compares today's result with the one or several results in a text (a paste or a drop).
// False, with nothing shown, where the text holds none that can be read; `failure` then says why.
bool CompareWithResultsIn(QWidget* window, forms::Runtime& runtime, const TodaysResult& today,
                          const QDateTime& now, const QString& text, ReadFailure* failure);

// Files or text dropped on the window are compared with today's result, as though opened or
// pasted; a drop is taken only while there is a result to compare with.
class ResultDrops : public QObject {
  public:
    using Dropped = std::function<void(const QStringList& paths, const QString& text)>;
    ResultDrops(QWidget* window, std::function<bool()> accepting, Dropped dropped);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    std::function<bool()> accepting_;
    Dropped dropped_;
};

}  // namespace tolvar::ui
